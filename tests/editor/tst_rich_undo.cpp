#include "editor/editor_page.h"
#include "editor/picture_insertion.h"
#include "editor/rich_text_box.h"
#include "editor/undo_history.h"
#include "support/typing.h"

#include <QRandomGenerator>
#include <QTextList>
#include <QTextTable>
#include <QtTest>

// Undo and redo of pictures, tables, lists and formatted text on the real editor: each step
// must give back the document as it was, formats and structure included.
class TestRichUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deletedContent_comesBackAsItWas_data();
    void deletedContent_comesBackAsItWas();
    void tableInsertion_undoAndRedoExactly();
    void typingInTableCell_undoAndRedoExactly();
    void newDocument_undoBringsBackFormattedContent();
    void plainTyping_keepsNoFormattedCopies();
    void randomRichEdits_undoRedoMatchRecord_data();
    void randomRichEdits_undoRedoMatchRecord();

private:
    RichTextBox *edit() const { return m_page->editor(); }
    QTextDocument *doc() const { return edit()->document(); }
    // Everything a user could see of the document: text, formats, tables, lists, pictures.
    // The HTML alone would not tell an empty last paragraph from none.
    QString look() const { return doc()->toHtml() + doc()->toRawText(); }
    void undo() { QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier); }
    void redo() { QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier); }
    QTextCursor cursorAtEnd() const
    {
        QTextCursor cursor(doc());
        cursor.movePosition(QTextCursor::End);
        return cursor;
    }
    void addPicture(QTextCursor &cursor, QColor colour = Qt::red)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        PictureInsertion::insert(cursor, PictureInsertion::fromImage(image), 500);
    }

    std::unique_ptr<EditorPage> m_page;
};

void TestRichUndo::init()
{
    m_page = std::make_unique<EditorPage>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    edit()->setFocus();
    // A first change, so that the ones the tests make can all be undone.
    QTextCursor cursor = cursorAtEnd();
    cursor.insertText(QStringLiteral("\n前文"));
}

void TestRichUndo::cleanup()
{
    m_page.reset();
}

void TestRichUndo::deletedContent_comesBackAsItWas_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("key");
    QTest::newRow("red bold words, delete") << "formatted" << int(Qt::Key_Delete);
    QTest::newRow("a picture, backspace") << "picture" << int(Qt::Key_Backspace);
    QTest::newRow("a table, delete") << "table" << int(Qt::Key_Delete);
    QTest::newRow("a list, backspace") << "list" << int(Qt::Key_Backspace);
    QTest::newRow("a link, cut") << "link" << int(Qt::Key_X);
}

void TestRichUndo::deletedContent_comesBackAsItWas()
{
    QFETCH(QString, what);
    QFETCH(int, key);
    QTextCursor cursor = cursorAtEnd();
    cursor.insertText(QStringLiteral("甲"));
    const int start = cursor.position();
    if (what == u"formatted") {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(200, 0, 0));
        cursor.insertText(QStringLiteral("红色粗体"), format);
        format.setFontItalic(true);
        cursor.insertText(QStringLiteral("斜"), format);
    } else if (what == u"picture") {
        addPicture(cursor);
    } else if (what == u"table") {
        cursor.insertBlock();
        QTextTable *table = cursor.insertTable(2, 2);
        table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("格"));
        cursor = cursorAtEnd();
    } else if (what == u"list") {
        cursor.insertBlock();
        cursor.insertList(QTextListFormat::ListDecimal);
        cursor.insertText(QStringLiteral("第一项"));
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("第二项"));
        cursor.insertBlock(QTextBlockFormat());
    } else {
        QTextCharFormat link;
        link.setAnchor(true);
        link.setAnchorHref(QStringLiteral("https://example.com/发明"));
        link.setFontUnderline(true);
        cursor.insertText(QStringLiteral("链接"), link);
    }
    const int end = cursor.position();
    cursor.insertText(QStringLiteral("乙"), QTextCharFormat());
    const QString before = look();

    selectRange(edit(), start, end);
    QTest::keyClick(edit(), Qt::Key(key), key == Qt::Key_X ? Qt::ControlModifier : Qt::NoModifier);
    const QString after = look();
    QVERIFY(after != before);

    undo();
    QCOMPARE(look(), before);
    // Put back selected, or one character with the caret after it.
    const QTextCursor caret = edit()->textCursor();
    QCOMPARE(caret.selectionEnd(), end);
    QCOMPARE(caret.selectionStart(), end - start > 1 ? start : end);
    redo();
    QCOMPARE(look(), after);
    undo();
    QCOMPARE(look(), before);
}

void TestRichUndo::tableInsertion_undoAndRedoExactly()
{
    const QString before = look();
    QTextCursor cursor = edit()->textCursor();
    cursor.movePosition(QTextCursor::End);
    QTextTable *table = cursor.insertTable(3, 2);
    edit()->setTextCursor(cursor); // the caret in the first cell, as insertTable leaves it
    table->cellAt(2, 0).firstCursorPosition().insertText(QStringLiteral("尾"));
    const QString withTable = look();
    undo();
    undo();
    QCOMPARE(look(), before);
    redo();
    redo();
    QCOMPARE(look(), withTable);
    undo();
    undo();
    QCOMPARE(look(), before);
}

void TestRichUndo::typingInTableCell_undoAndRedoExactly()
{
    QTextCursor cursor = cursorAtEnd();
    QTextTable *table = cursor.insertTable(2, 3);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    table->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("粗"), bold);
    edit()->setTextCursor(table->cellAt(0, 1).lastCursorPosition());
    const QString before = look();
    typeText(edit(), QStringLiteral("ab"));
    const QString typed = look();
    QTest::keyClick(edit(), Qt::Key_Backspace);
    const QString erased = look();

    undo();
    QCOMPARE(look(), typed);
    undo();
    undo();
    QCOMPARE(look(), before);
    redo();
    redo();
    QCOMPARE(look(), typed);
    redo();
    QCOMPARE(look(), erased);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), QStringLiteral("粗a"));
}

void TestRichUndo::newDocument_undoBringsBackFormattedContent()
{
    QTextCursor cursor = cursorAtEnd();
    addPicture(cursor);
    cursor.insertTable(1, 2);
    const QString before = look();
    m_page->Toolbar1_ButtonClick(QStringLiteral("new"));
    QCOMPARE(edit()->toPlainText(), EditorPage::headingText() + u'\n');
    undo();
    QCOMPARE(look(), before);
}

void TestRichUndo::plainTyping_keepsNoFormattedCopies()
{
    // Formatted copies are for what plain text can't restore; a bold word typed and
    // erased by keys costs no more than text.
    typeText(edit(), QStringLiteral("plain 文字"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit(), Qt::Key_Backspace);
    for (const UndoElement &e : m_page->history().UndoStack())
        QVERIFY(!e.Formatted || (e.Formatted->Before.isEmpty() && e.Formatted->After.isEmpty()));
}

void TestRichUndo::randomRichEdits_undoRedoMatchRecord_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 20; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestRichUndo::randomRichEdits_undoRedoMatchRecord()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QStringList undoRecord{look()};
    QStringList redoRecord;
    const auto changed = [&] {
        if (look() == undoRecord.last())
            return;
        redoRecord.clear();
        undoRecord.append(look());
    };
    const auto caretAnywhereOutsideTables = [&] {
        QTextCursor cursor(doc());
        for (int tries = 0; tries < 20; ++tries) {
            cursor.setPosition(random.bounded(doc()->characterCount()));
            if (!cursor.currentTable())
                break;
        }
        cursor.clearSelection();
        return cursor;
    };

    for (int step = 0; step < 60; ++step) {
        const int kind = random.bounded(11);
        QTextCursor cursor = caretAnywhereOutsideTables();
        switch (kind) {
        case 0:
            if (!cursor.currentTable())
                addPicture(cursor, QColor::fromHsv(random.bounded(360), 200, 200));
            changed();
            break;
        case 1:
            if (!cursor.currentTable()) {
                cursor.insertTable(1 + random.bounded(2), 1 + random.bounded(3));
                edit()->setTextCursor(cursor);
            }
            changed();
            break;
        case 2: { // typing bold or plain text
            edit()->setTextCursor(cursor);
            if (random.bounded(2))
                m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
            typeText(edit(), QStringLiteral("字"));
            changed();
            break;
        }
        case 3: // deleting a run of whole paragraphs, tables and pictures included
        case 4: {
            const QTextBlock first = doc()->findBlock(cursor.position());
            QTextCursor range(doc());
            range.setPosition(first.position());
            range.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor,
                               1 + random.bounded(3));
            if (range.hasComplexSelection())
                break;
            edit()->setTextCursor(range);
            QTest::keyClick(edit(), random.bounded(2) ? Qt::Key_Delete : Qt::Key_Backspace);
            changed();
            break;
        }
        case 9: { // typing over a selection, pictures and formats in it
            QTextCursor range(doc());
            range.setPosition(cursor.position());
            range.setPosition(
                qMin(doc()->characterCount() - 1, cursor.position() + 1 + random.bounded(6)),
                QTextCursor::KeepAnchor);
            if (range.hasComplexSelection())
                break;
            edit()->setTextCursor(range);
            typeText(edit(), QStringLiteral("换"));
            changed();
            break;
        }
        case 5:
        case 6:
        case 7:
            undo();
            if (undoRecord.size() >= 2) // init's change is the first snapshot: never undone
                redoRecord.append(undoRecord.takeLast());
            break;
        default:
            redo();
            if (!redoRecord.isEmpty())
                undoRecord.append(redoRecord.takeLast());
            break;
        }
        QCOMPARE(look(), undoRecord.last());
    }
}

QTEST_MAIN(TestRichUndo)
#include "tst_rich_undo.moc"
