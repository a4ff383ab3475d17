#include "app/form1.h"
#include "editor/editor_page.h"
#include "editor/editor_zoom.h"
#include "editor/rich_text_box.h"
#include "editor/undo_history.h"
#include "rtf/rtf_writer.h"
#include "support/menu_action.h"
#include "support/typing.h"
#include "support/url_recorder.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

// The editor's zoom, its focus on showing, and its patent search.
class TestEditorTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zoom_changesTheViewNotTheDocument();
    void showingThePage_focusesTheEditor();
    void contextMenu_searchesTheSelection();

private:
    QTemporaryDir m_home;
};

void TestEditorTools::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toUtf8());
}

void TestEditorTools::zoom_changesTheViewNotTheDocument()
{
    EditorPage page;
    page.resize(792, 539);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    RichTextBox *edit = page.editor();
    QTextDocument *doc = edit->document();
    edit->setFocus();
    typeText(edit, u"\n放大看看"_s);
    QTextCursor bold(doc);
    bold.movePosition(QTextCursor::End);
    bold.insertText(u"粗"_s, [] {
        QTextCharFormat f;
        f.setFontPointSize(20);
        return f;
    }());
    const QByteArray rtf = writeRtf(*doc);
    const QFont defaultFont = doc->defaultFont();
    const int steps = page.history().UndoStack().size();
    const qreal height = doc->documentLayout()->documentSize().height();
    const QRect caret = edit->cursorRect();

    QTest::keyClick(edit, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Equal, Qt::ControlModifier);
    auto *zoom = edit->findChild<EditorZoom *>();
    QCOMPARE(zoom->steps(), 2);
    QVERIFY(doc->documentLayout()->documentSize().height() > height * 1.1);
    QVERIFY(edit->cursorRect().height() > caret.height());
    QCOMPARE(writeRtf(*doc), rtf);
    QCOMPARE(doc->defaultFont(), defaultFont);
    QCOMPARE(page.history().UndoStack().size(), steps);

    QTest::keyClick(edit, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(zoom->steps(), 1);
    QWheelEvent wheel(QPointF(10, 10), edit->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit->viewport(), &wheel);
    QCOMPARE(zoom->steps(), 2);
    QCOMPARE(doc->defaultFont(), defaultFont); // QTextEdit's own Ctrl+wheel would change it

    QTest::keyClick(edit, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(zoom->steps(), 0);
    QCOMPARE(doc->documentLayout()->documentSize().height(), height);
    QCOMPARE(writeRtf(*doc), rtf);
}

void TestEditorTools::showingThePage_focusesTheEditor()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::setActiveWindow(&form);
    auto *tabs = form.findChild<QTabWidget *>(u"SSTab1"_s);
    tabs->tabBar()->setFocus();
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      tabs->tabBar()->tabRect(3).center());
    QCOMPARE(tabs->currentIndex(), 3);
    auto *edit = form.findChild<RichTextBox *>(u"RichTextBox1"_s);
    QTRY_VERIFY(edit->hasFocus());
    // the page's keys work at once: Ctrl+F opens the find bar
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(form.findChild<QWidget *>(u"findBar"_s)->isVisible());
    edit->document()->setModified(false);
}

void TestEditorTools::contextMenu_searchesTheSelection()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_s, &recorder, "open");
    EditorPage page;
    page.show();
    RichTextBox *edit = page.editor();
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    typeText(edit, u"\n      题目名称：《电动(的把手)伞》"_s);
    auto *menu = page.findChild<QMenu *>(u"wenjian"_s);

    QTest::mouseClick(edit->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
    QVERIFY(menu->isVisible());
    QAction *search = actionIn(menu, u"searchPatents"_s);
    QCOMPARE(search->text(), u"在专利数据库中检索"_s);
    QVERIFY(!search->isEnabled());
    menu->hide();

    const int end = edit->document()->characterCount() - 1;
    selectRange(edit, end - 13, end);
    QTest::mouseClick(edit->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
    QVERIFY(search->isEnabled());
    actionIn(menu, u"googlePatents"_s)->trigger();
    menu->hide();
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QCOMPARE(recorder.opened.size(), 1);
    QCOMPARE(QUrlQuery(recorder.opened.at(0)).queryItemValue(u"q"_s, QUrl::FullyDecoded),
             u"名称 电动 的把手 伞"_s);
}

QTEST_MAIN(TestEditorTools)
#include "tst_editor_tools.moc"
