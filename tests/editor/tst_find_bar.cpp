#include "editor/editor_page.h"
#include "editor/find_bar.h"
#include "editor/rich_text_box.h"
#include "editor/text_search.h"
#include "editor/undo_history.h"
#include "support/typing.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using namespace Qt::StringLiterals;

// Find and replace under the editor, through its keys and buttons.
class TestFindBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void find_wrapsAroundBothWays_data();
    void find_wrapsAroundBothWays();
    void replaceAll_keepsFormatAndSkipsItsOwnText();

    void ctrlF_showsTheBar_escapeGivesFocusBack();
    void ctrlH_showsTheReplaceRow();
    void enterAndF3_goToNextAndPrevious();
    void matchCase_decides();
    void notFound_isANoteNotAMessage();
    void replaceAll_isOneUndoStep();
    void replaceAll_inALongDocument_keepsViewAndSelection();

private:
    FindBar *bar() { return m_page->findChild<FindBar *>(u"findBar"_s); }
    QLineEdit *findText() { return m_page->findChild<QLineEdit *>(u"findText"_s); }
    QLineEdit *replaceText() { return m_page->findChild<QLineEdit *>(u"replaceText"_s); }
    RichTextBox *edit() { return m_page->editor(); }
    // Replaces the heading with text as the user's first change.
    void setText(const QString &text);
    int caret() { return edit()->textCursor().selectionStart(); }

    QTemporaryDir m_home;
    EditorPage *m_page = nullptr;
};

void TestFindBar::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    QCoreApplication::setOrganizationName(u"QuorvaneTest"_s);
    QCoreApplication::setApplicationName(u"FindBar"_s);
}

void TestFindBar::init()
{
    m_page = new EditorPage;
    m_page->resize(792, 539);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    QApplication::setActiveWindow(m_page);
}

void TestFindBar::cleanup()
{
    delete m_page;
}

void TestFindBar::setText(const QString &text)
{
    QTextCursor cursor(edit()->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    edit()->setTextCursor(QTextCursor(edit()->document()));
}

void TestFindBar::find_wrapsAroundBothWays_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("wrapped");
    // 专利 at 0, 5 and (second paragraph) 12
    QTest::newRow("forward") << 1 << false << 5 << false;
    QTest::newRow("forward over a paragraph break") << 7 << false << 12 << false;
    QTest::newRow("forward round the end") << 13 << false << 0 << true;
    QTest::newRow("backward") << 10 << true << 5 << false;
    QTest::newRow("backward round the start") << 0 << true << 12 << true;
}

void TestFindBar::find_wrapsAroundBothWays()
{
    QFETCH(int, from);
    QFETCH(bool, backward);
    QFETCH(int, start);
    QFETCH(bool, wrapped);
    QTextDocument doc;
    doc.setPlainText(u"专利检索：专利数据\n检索专利"_s);
    QTextCursor cursor(&doc);
    cursor.setPosition(from);
    TextSearch::Options options;
    options.backward = backward;
    const TextSearch::Match match = TextSearch::find(&doc, cursor, u"专利"_s, options);
    QCOMPARE(match.cursor.selectionStart(), start);
    QCOMPARE(match.cursor.selectedText(), u"专利"_s);
    QCOMPARE(match.wrapped, wrapped);
}

void TestFindBar::replaceAll_keepsFormatAndSkipsItsOwnText()
{
    QTextDocument doc;
    doc.setPlainText(u"伞 雨伞 Umbrella"_s);
    QTextCursor bold(&doc);
    bold.setPosition(2);
    bold.setPosition(4, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(format);
    doc.documentLayout(); // a document reports its changes once it is laid out
    int changes = 0;
    connect(&doc, &QTextDocument::contentsChange, this, [&changes] { ++changes; });

    QCOMPARE(TextSearch::replaceAll(&doc, u"伞"_s, u"折叠伞"_s, true), 2);
    QCOMPARE(doc.toPlainText(), u"折叠伞 雨折叠伞 Umbrella"_s);
    QCOMPARE(changes, 1);
    QTextCursor probe(&doc);
    probe.setPosition(6); // inside the replacement in the bold word
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
    probe.setPosition(2);
    QVERIFY(probe.charFormat().fontWeight() != int(QFont::Bold));

    QCOMPARE(TextSearch::replaceAll(&doc, u"umbrella"_s, u"x"_s, true), 0);
    QCOMPARE(TextSearch::replaceAll(&doc, u"umbrella"_s, u"伞"_s, false), 1);
    QCOMPARE(TextSearch::replaceAll(&doc, QString(), u"x"_s, false), 0);
}

void TestFindBar::ctrlF_showsTheBar_escapeGivesFocusBack()
{
    setText(u"发明专利"_s);
    QVERIFY(!bar()->isVisible());
    QTest::keyClick(edit(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar()->isVisible());
    QVERIFY(findText()->hasFocus());
    QVERIFY(!replaceText()->isVisible());
    QTest::keyClick(findText(), Qt::Key_Escape);
    QVERIFY(!bar()->isVisible());
    QVERIFY(edit()->hasFocus());
}

void TestFindBar::ctrlH_showsTheReplaceRow()
{
    setText(u"发明专利"_s);
    selectRange(edit(), 2, 4);
    QTest::keyClick(edit(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(bar()->isVisible());
    QVERIFY(replaceText()->isVisible());
    QCOMPARE(findText()->text(), u"专利"_s); // the selection is what to find
    QVERIFY(m_page->findChild<QPushButton *>(u"replaceAll"_s)->isVisible());
}

void TestFindBar::enterAndF3_goToNextAndPrevious()
{
    setText(u"风扇、电风扇、吊扇风扇"_s);
    QTest::keyClick(edit(), Qt::Key_F, Qt::ControlModifier);
    findText()->setText(u"风扇"_s);
    QTest::keyClick(findText(), Qt::Key_Return);
    QCOMPARE(caret(), 0);
    QTest::keyClick(findText(), Qt::Key_Enter);
    QCOMPARE(caret(), 4);
    QTest::keyClick(findText(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(caret(), 0);
    QCOMPARE(bar()->note(), QString());
    // F3 from the editor itself
    edit()->setFocus();
    QTest::keyClick(edit(), Qt::Key_F3);
    QCOMPARE(caret(), 4);
    QTest::keyClick(edit(), Qt::Key_F3);
    QCOMPARE(caret(), 9);
    QTest::keyClick(edit(), Qt::Key_F3);
    QCOMPARE(caret(), 0);
    QVERIFY(!bar()->note().isEmpty()); // went round the end
    QTest::keyClick(edit(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(caret(), 9);
    QCOMPARE(edit()->textCursor().selectedText(), u"风扇"_s);
    m_page->findChild<QPushButton *>(u"findNext"_s)->click();
    QCOMPARE(caret(), 0);
}

void TestFindBar::matchCase_decides()
{
    setText(u"LED灯 led灯"_s);
    QTest::keyClick(edit(), Qt::Key_F, Qt::ControlModifier);
    findText()->setText(u"led"_s);
    auto *matchCase = m_page->findChild<QCheckBox *>(u"matchCase"_s);
    QCOMPARE(matchCase->text(), u"区分大小写"_s);
    QVERIFY(bar()->findNext());
    QCOMPARE(caret(), 0);
    matchCase->setChecked(true);
    QVERIFY(bar()->findNext());
    QCOMPARE(caret(), 5);
    QVERIFY(bar()->findNext()); // the only match, found again after going round
    QCOMPARE(caret(), 5);
}

void TestFindBar::notFound_isANoteNotAMessage()
{
    setText(u"发明专利"_s);
    QTest::keyClick(edit(), Qt::Key_F, Qt::ControlModifier);
    findText()->setText(u"商标"_s);
    QTest::keyClick(findText(), Qt::Key_Return);
    QCOMPARE(bar()->note(), u"找不到"_s);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(edit()->toPlainText(), u"发明专利"_s);
}

void TestFindBar::replaceAll_isOneUndoStep()
{
    const QString original = u"一种伞。伞骨用铝，伞面用布；\n伞柄可折叠。Umbrella"_s;
    setText(original);
    QTest::keyClick(edit(), Qt::Key_H, Qt::ControlModifier);
    findText()->setText(u"伞"_s);
    replaceText()->setText(u"雨伞"_s);
    const int stepsBefore = m_page->history().UndoStack().size();
    m_page->findChild<QPushButton *>(u"replaceAll"_s)->click();
    const QString replaced = u"一种雨伞。雨伞骨用铝，雨伞面用布；\n雨伞柄可折叠。Umbrella"_s;
    QCOMPARE(edit()->toPlainText(), replaced);
    QCOMPARE(bar()->note(), u"已替换 4 处"_s);
    QCOMPARE(m_page->history().UndoStack().size(), stepsBefore + 1);

    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit()->toPlainText(), original);
    QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(edit()->toPlainText(), replaced);
}

void TestFindBar::replaceAll_inALongDocument_keepsViewAndSelection()
{
    // Matches all over a document far longer than the view: laid out again in steps after
    // the edit, while the view, the selection and the history stay as one edit leaves them.
    QStringList lines;
    for (int i = 0; i < 12000; ++i)
        lines << u"第%1行：一种折叠伞，伞骨用铝，伞面用布。"_s.arg(i);
    setText(lines.join(u'\n'));
    QTextDocument *doc = edit()->document();
    const QSizeF size = doc->documentLayout()->documentSize(); // all laid out, as after a while
    QScrollBar *scroll = edit()->verticalScrollBar();
    QTRY_VERIFY(qAbs(scroll->maximum() - (size.height() - edit()->viewport()->height())) <= 1);
    scroll->setValue(scroll->maximum() / 2);
    const int firstVisible = edit()->cursorForPosition(QPoint(0, 0)).blockNumber();
    QTextCursor selection(doc->findBlockByNumber(firstVisible + 1));
    selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit()->setTextCursor(selection);
    const int viewAt = scroll->value();
    const int stepsBefore = m_page->history().UndoStack().size();

    QTest::keyClick(edit(), Qt::Key_H, Qt::ControlModifier);
    findText()->setText(u"伞"_s);
    replaceText()->setText(u"扇"_s); // as long as what it replaces: the lines stay as they are
    m_page->findChild<QPushButton *>(u"replaceAll"_s)->click();
    QCOMPARE(bar()->note(), u"已替换 36000 处"_s);
    QVERIFY(!doc->lastBlock().layout()->lineCount()); // the end is laid out later
    QCOMPARE(scroll->value(), viewAt);
    QCOMPARE(edit()->cursorForPosition(QPoint(0, 0)).blockNumber(), firstVisible);
    QCOMPARE(edit()->textCursor().selectionStart(), selection.selectionStart());
    QCOMPARE(edit()->textCursor().selectionEnd(), selection.selectionEnd());
    QCOMPARE(m_page->history().UndoStack().size(), stepsBefore + 1);
    QTRY_VERIFY(doc->lastBlock().layout()->lineCount() > 0);
    QCOMPARE(doc->documentLayout()->documentSize(), size);
    QCOMPARE(scroll->value(), viewAt);
    QCOMPARE(doc->findBlockByNumber(11999).text(),
             u"第11999行：一种折叠扇，扇骨用铝，扇面用布。"_s);
}

QTEST_MAIN(TestFindBar)
#include "tst_find_bar.moc"
