#include "app/form1.h"

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
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface *iface)
{
    QObject *object = iface->object();
    QString path;
    for (QObject *o = object; o; o = o->parent())
        path.prepend(QLatin1Char('/') + (o->objectName().isEmpty()
                                             ? QLatin1String(o->metaObject()->className())
                                             : o->objectName()));
    return QStringLiteral("%1 role %2").arg(path).arg(int(iface->role()));
}

// Depth-first through the accessible tree, which also holds the tabs and list entries
// that are no widgets of their own.
void collectUnnamed(QAccessibleInterface *iface, QStringList *unnamed, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    if (isInteractive(iface->role()) && !iface->state().invisible &&
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
        collectUnnamed(QAccessible::queryAccessibleInterface(tabs->widget(page)), &unnamed);
    }
    collectUnnamed(QAccessible::queryAccessibleInterface(tabs->tabBar()), &unnamed);
    for (const QString &control : std::as_const(unnamed))
        qWarning().noquote() << "unnamed:" << control;
    QCOMPARE(unnamed.size(), 0);
}

void TestAccessibleNames::columnControls_takeTheirColumnsCaption() {}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
