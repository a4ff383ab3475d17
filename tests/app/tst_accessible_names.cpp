#include "app/form1.h"
#include "editor/find_bar.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// What a screen reader hears: every control of the window reached through QAccessible.
class TestAccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyInteractiveControl_hasAName();
    void columnControls_takeTheirColumnsCaption();

private:
    QTemporaryDir m_home;
};

namespace {

bool isInteractive(QAccessible::Role role)
{
    static const QList<QAccessible::Role> roles = {
        QAccessible::PushButton,     QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox,       QAccessible::List,     QAccessible::EditableText,
        QAccessible::PageTab,        QAccessible::Link,     QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::SpinBox};
    return roles.contains(role);
}

// The control's object path, for the failure message.
QString describe(QAccessibleInterface *iface)
{
    QStringList path;
    for (QObject *o = iface->object(); o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QLatin1String(o->metaObject()->className())
                                               : o->objectName());
    return path.join(QLatin1Char('/'));
}

// Depth-first through the accessible tree, which also holds the tabs and list entries
// that are no widgets of their own.
void collectUnnamed(QAccessibleInterface *iface, QStringList *unnamed, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    // Focusable covers read-only texts too: the keyboard, and a screen reader, land in them.
    const QAccessible::State state = iface->state();
    if ((isInteractive(iface->role()) || state.focusable) && !state.invisible &&
        iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed->append(describe(iface));
    if (iface->role() == QAccessible::List)
        return; // its entries are named by their words
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), unnamed, depth + 1);
}

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

void TestAccessibleNames::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
}

void TestAccessibleNames::everyInteractiveControl_hasAName()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QStringList unnamed;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page); // a page may build its controls when first shown
        if (auto *bar = tabs->widget(page)->findChild<FindBar *>(QStringLiteral("findBar")))
            bar->showReplace(); // the find bar's fields, hidden until Ctrl+H
        collectUnnamed(QAccessible::queryAccessibleInterface(&form), &unnamed);
    }
    unnamed.removeDuplicates();
    for (const QString &control : std::as_const(unnamed))
        qWarning().noquote() << "unnamed:" << control;
    QCOMPARE(unnamed.size(), 0);
}

void TestAccessibleNames::columnControls_takeTheirColumnsCaption()
{
    Form1 form;
    const auto find = [&form](const char *name) {
        return form.findChild<QWidget *>(QLatin1String(name));
    };
    auto *words = find("Combowt(0)")->findChild<QListWidget *>();
    QCOMPARE(nameOf(words), QStringLiteral("材料名词栏 单词列表"));
    QCOMPARE(nameOf(find("Text6(0)")), QStringLiteral("材料名词栏 输入框"));
    QCOMPARE(nameOf(find("Text8(0)")), QStringLiteral("栏名"));

    // The user renames the column; a screen reader hears the new caption.
    auto *caption = qobject_cast<QLineEdit *>(find("Text8(0)"));
    caption->selectAll();
    QTest::keyClicks(caption, QStringLiteral("abc"));
    QCOMPARE(nameOf(words), QStringLiteral("abc 单词列表"));
    QCOMPARE(nameOf(find("Text6(0)")), QStringLiteral("abc 输入框"));

    // The title page's list edit line is the column's input box; the idea page's
    // connecting-word boxes are read through their edit lines (Qt on Linux gives a combo
    // box its text as name).
    QCOMPARE(nameOf(find("Combotm(0)")->findChild<QLineEdit *>()),
             qobject_cast<QLineEdit *>(find("Text1(0)"))->text() + QStringLiteral(" 输入框"));
    auto *lead = find("Combot(1)");
    const QString ideaCaption = qobject_cast<QLineEdit *>(find("Text21(1)"))->text();
    QCOMPARE(lead->accessibleName(), ideaCaption + QStringLiteral(" 前接词"));
    QCOMPARE(nameOf(lead->findChild<QLineEdit *>()), ideaCaption + QStringLiteral(" 前接词"));

    // A result list has no column: its frame's title names it. Icon-only buttons read
    // their tool tips.
    form.show();
    QCOMPARE(nameOf(find("Combo1wy")->findChild<QListWidget *>()),
             QStringLiteral("提示问题栏 列表"));
    QToolButton *cut = nullptr;
    for (auto *button : find("Toolbar1")->findChildren<QToolButton *>()) {
        if (button->defaultAction() && button->defaultAction()->objectName() == u"cut")
            cut = button;
    }
    QVERIFY(cut);
    QCOMPARE(nameOf(cut), QStringLiteral("剪切"));
    QCOMPARE(nameOf(find("Command10(4)")), QStringLiteral("与右栏交换内容"));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
