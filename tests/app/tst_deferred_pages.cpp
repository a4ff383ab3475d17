#include "app/form1.h"
#include "app/help_page.h"
#include "columns/simple_combo.h"
#include "editor/editor_page.h"
#include "idea/idea_page.h"
#include "title/title_page.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using Building = Form1::PageBuilding;

// Every named object of the window with what a user sees of it, in tree order.
QStringList describe(const QObject *root)
{
    QStringList lines;
    for (const QObject *o : root->findChildren<QObject *>()) {
        if (o->objectName().isEmpty() || o->objectName().startsWith(u"qt_"_s))
            continue; // Qt's own parts follow the geometry, which settles when shown
        QString line = o->objectName() + u' ' + QLatin1String(o->metaObject()->className());
        if (const auto *w = qobject_cast<const QWidget *>(o))
            line += u" enabled=%1 hidden=%2 tip=%3"_s.arg(w->isEnabled())
                        .arg(w->isHidden())
                        .arg(w->toolTip());
        for (const char *property : {"text", "title", "checked", "currentIndex", "plainText"}) {
            const QVariant value = o->property(property);
            if (value.isValid())
                line += u' ' + QLatin1String(property) + u'=' + value.toString();
        }
        if (const auto *list = qobject_cast<const QListWidget *>(o)) {
            for (int i = 0; i < list->count(); ++i)
                line += u'|' + list->item(i)->text();
        }
        lines.append(line);
    }
    lines.sort();
    return lines;
}

} // namespace

// The program's window builds the pages it does not show right after its first paint;
// until then whatever needs one of them builds them.
class TestDeferredPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstTurnOfEventLoop_buildsEveryPageAsAtOnce();
    void shownWindow_buildsPagesAfterItsFirstPaint();
    void tickBeforeBuilding_runsEveryPageStep();
    void transferBeforeBuilding_landsInEditor();
    void pageSwitchBeforeBuilding_stopsAutomaticModes();
    void closeBeforeBuilding_keepsTheMemo();

private:
    QString memoPath() const { return m_home->path() + u"/quorvane/sysh/dllkvrc.kvr"_s; }
    void writeMemo(const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(memoPath()).path());
        QFile file(memoPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readMemo() const
    {
        QFile file(memoPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    std::unique_ptr<QTemporaryDir> m_home;
};

void TestDeferredPages::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
    writeMemo("line one\r\nline two\r\n");
}

void TestDeferredPages::cleanup()
{
    m_home.reset();
}

void TestDeferredPages::firstTurnOfEventLoop_buildsEveryPageAsAtOnce()
{
    Form1 atOnce;
    Form1 deferred(nullptr, Building::AfterFirstPaint);
    QVERIFY(!deferred.findChild<IdeaPage *>());
    QVERIFY(!deferred.findChild<QPlainTextEdit *>(u"Text4"_s));
    QVERIFY(deferred.findChild<QTimer *>(u"Timer1"_s)->isActive());
    QVERIFY(QDir(m_home->path() + u"/quorvane/sysh"_s).exists());

    QCoreApplication::processEvents();
    for (const char *page : {"IdeaPage", "TitlePage", "EditorPage"})
        QVERIFY2(deferred.findChild<QWidget *>(QLatin1String(page)), page);
    QCOMPARE(deferred.findChild<QPlainTextEdit *>(u"Text4"_s)->toPlainText(),
             u"\nline one\nline two"_s);
    const QStringList expected = describe(&atOnce);
    const QStringList built = describe(&deferred);
    QCOMPARE(built.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(built.at(i), expected.at(i));
}

void TestDeferredPages::shownWindow_buildsPagesAfterItsFirstPaint()
{
    Form1 form(nullptr, Building::AfterFirstPaint);
    int paints = 0;
    int paintsWhenBuilt = -1;
    class Watcher : public QObject
    {
    public:
        std::function<bool(QEvent *)> onEvent;
        bool eventFilter(QObject *, QEvent *event) override { return onEvent(event); }
    } paintWatch, buildWatch;
    paintWatch.onEvent = [&](QEvent *e) { return paints += e->type() == QEvent::Paint, false; };
    buildWatch.onEvent = [&](QEvent *e) {
        if (e->type() == QEvent::ChildAdded && paintsWhenBuilt < 0 &&
            qobject_cast<IdeaPage *>(static_cast<QChildEvent *>(e)->child()))
            paintsWhenBuilt = paints;
        return false;
    };
    for (QWidget *w : form.findChildren<QWidget *>())
        w->installEventFilter(&paintWatch);
    auto *tabs = form.findChild<QTabWidget *>(u"SSTab1"_s);
    // A built page joins the tabs' stack (as a new child it is not yet of its own class).
    tabs->findChild<QStackedWidget *>()->installEventFilter(&buildWatch);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY_WITH_TIMEOUT(form.findChild<IdeaPage *>(), 500); // before Timer1's first tick
    QVERIFY(paintsWhenBuilt > 0);
    QCOMPARE(tabs->widget(1), form.findChild<IdeaPage *>());
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(form.findChild<QWidget *>(u"QuestionPage"_s)->isVisible());
    tabs->setCurrentIndex(1);
    QVERIFY(form.findChild<IdeaPage *>()->isVisible());
    QCOMPARE(form.findChild<IdeaPage *>()->size(), tabs->widget(0)->size());
}

void TestDeferredPages::tickBeforeBuilding_runsEveryPageStep()
{
    Form1 form(nullptr, Building::AfterFirstPaint);
    form.findChild<QRadioButton *>(u"Option1ks"_s)->setChecked(true);
    auto *questions = form.findChild<SimpleCombo *>(u"Combo1wy"_s);
    form.Timer1_Timer();
    QCOMPARE(questions->count(), 1);
    QVERIFY(form.findChild<TitlePage *>());
    QCOMPARE(form.findChild<QPlainTextEdit *>(u"Text4"_s)->toPlainText(),
             u"\nline one\nline two"_s);
    // The idea and title steps run from the next tick on, as at once.
    form.findChild<QRadioButton *>(u"Option12"_s)->setChecked(true);
    auto *ideas = form.findChild<SimpleCombo *>(u"Combo18"_s);
    const int before = ideas->count();
    form.Timer1_Timer();
    QCOMPARE(ideas->count(), before + 1);
    QCOMPARE(questions->count(), 2);
}

void TestDeferredPages::transferBeforeBuilding_landsInEditor()
{
    Form1 form(nullptr, Building::AfterFirstPaint);
    form.findChild<SimpleCombo *>(u"Combo1wy"_s)->setText(u"能否使泵变轻"_s);
    form.findChild<QAbstractButton *>(u"Command1cs"_s)->click();
    auto *editor = form.findChild<QTextEdit *>(u"RichTextBox1"_s);
    QVERIFY(editor);
    QVERIFY(editor->toPlainText().contains(u"问题提示：《能否使泵变轻》"_s));
    QVERIFY(form.editorPage()->hasUnsavedChanges());
}

void TestDeferredPages::pageSwitchBeforeBuilding_stopsAutomaticModes()
{
    Form1 form(nullptr, Building::AfterFirstPaint);
    form.findChild<QRadioButton *>(u"Option1ks"_s)->setChecked(true);
    auto *tabs = form.findChild<QTabWidget *>(u"SSTab1"_s);
    tabs->setCurrentIndex(2);
    QVERIFY(form.findChild<QRadioButton *>(u"Option1tz"_s)->isChecked());
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(tabs->currentWidget(), form.titlePage());
    QCOMPARE(tabs->count(), 5);
    QVERIFY(form.findChild<QRadioButton *>(u"Optiontz0"_s)->isChecked());
}

void TestDeferredPages::closeBeforeBuilding_keepsTheMemo()
{
    {
        Form1 form(nullptr, Building::AfterFirstPaint);
        QVERIFY(!form.findChild<HelpPage *>());
        form.close();
    }
    QCOMPARE(readMemo(), QByteArray("\r\nline one\r\nline two\r\n"));
}

QTEST_MAIN(TestDeferredPages)
#include "tst_deferred_pages.moc"
