#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "editor/selection_format.h"
#include "editor/undo_history.h"
#include "support/typing.h"

#include <QClipboard>
#include <QRandomGenerator>
#include <QtTest>

// The undo history on the real editor, driven by keys and toolbar commands.
class TestUndoEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typing_undoAndRedoByKeys();
    void deletions_comeBackAsTheyWere_data();
    void deletions_comeBackAsTheyWere();
    void newTypingAfterUndo_emptiesRedo();
    void firstChange_cannotBeUndone();
    void formatting_isNotRecorded();
    void randomEdits_undoRedoMatchRecordOfTexts_data();
    void randomEdits_undoRedoMatchRecordOfTexts();

private:
    QTextEdit *edit() const
    {
        return m_page->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    }
    QString text() const { return edit()->toPlainText(); }
    int caret() const { return edit()->textCursor().position(); }

    std::unique_ptr<EditorPage> m_page;
    QString m_heading;
};

void TestUndoEditor::init()
{
    m_page = std::make_unique<EditorPage>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    edit()->setFocus();
    edit()->moveCursor(QTextCursor::End);
    m_heading = text();
}

void TestUndoEditor::cleanup()
{
    m_page.reset();
}

void TestUndoEditor::typing_undoAndRedoByKeys()
{
    const int end = int(m_heading.size());
    typeText(edit(), QStringLiteral("abc"));
    QCOMPARE(m_page->history().UndoStack().size(), 3);

    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text(), m_heading + QStringLiteral("ab"));
    QCOMPARE(caret(), end + 2);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cmdundo"));
    QCOMPARE(text(), m_heading + QStringLiteral("a"));
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier); // one snapshot left
    QCOMPARE(text(), m_heading + QStringLiteral("a"));

    QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(text(), m_heading + QStringLiteral("ab"));
    QCOMPARE(caret(), end + 2);
    QVERIFY(!edit()->textCursor().hasSelection());
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(text(), m_heading + QStringLiteral("abc"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("huifu")); // nothing left to redo
    QCOMPARE(text(), m_heading + QStringLiteral("abc"));
    QVERIFY(m_page->history().TrackChanges());
    QVERIFY(edit()->hasFocus());
}

void TestUndoEditor::deletions_comeBackAsTheyWere_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selectFrom"); // from the end of the typed text
    QTest::addColumn<int>("selectLength");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("comesBackSelected");
    QTest::newRow("a word of five, selected and deleted")
        << "能否使泵变轻 now" << -10 << 5 << int(Qt::Key_Delete) << true;
    QTest::newRow("one character, backspace")
        << "abc" << -1 << 0 << int(Qt::Key_Backspace) << false;
    QTest::newRow("a line break, backspace")
        << "ab\ncd" << -2 << 0 << int(Qt::Key_Backspace) << false;
    QTest::newRow("a line break, delete") << "ab\ncd" << -3 << 0 << int(Qt::Key_Delete) << false;
}

void TestUndoEditor::deletions_comeBackAsTheyWere()
{
    QFETCH(QString, typed);
    QFETCH(int, selectFrom);
    QFETCH(int, selectLength);
    QFETCH(int, key);
    QFETCH(bool, comesBackSelected);
    typeText(edit(), typed);
    const QString before = text();
    const int start = int(before.size()) + selectFrom;
    selectRange(edit(), start, start + selectLength);
    QTest::keyClick(edit(), Qt::Key(key));
    const QString after = text();
    QCOMPARE(after.size(), before.size() - qMax(1, selectLength));

    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text(), before);
    const QTextCursor cursor = edit()->textCursor();
    if (comesBackSelected) {
        QCOMPARE(cursor.selectionStart(), start);
        QCOMPARE(cursor.selectionEnd(), start + selectLength);
    } else {
        QVERIFY(!cursor.hasSelection());
        const int deletedAt = key == Qt::Key_Backspace ? start - 1 : start;
        QCOMPARE(cursor.position(), deletedAt + 1); // after the character put back
    }
    QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(text(), after);
}

void TestUndoEditor::newTypingAfterUndo_emptiesRedo()
{
    typeText(edit(), QStringLiteral("ab"));
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_page->history().RedoStack().size(), 1);
    typeText(edit(), QStringLiteral("字"));
    QVERIFY(m_page->history().RedoStack().isEmpty());
    QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(text(), m_heading + QStringLiteral("a字"));
}

void TestUndoEditor::firstChange_cannotBeUndone()
{
    typeText(edit(), QStringLiteral("x"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("cmdundo"));
    QCOMPARE(text(), m_heading + QStringLiteral("x"));
    QVERIFY(m_page->history().RedoStack().isEmpty());
}

void TestUndoEditor::formatting_isNotRecorded()
{
    typeText(edit(), QStringLiteral("abc"));
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    selectRange(edit(), 0, int(text().size()));
    for (const char *key : {"cuti", "xieti", "xhx", "zhong", "ydq"})
        m_page->Toolbar1_ButtonClick(QLatin1String(key));
    QCOMPARE(m_page->history().UndoStack().size(), 2);
    QCOMPARE(m_page->history().RedoStack().size(), 1);
    QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(text(), m_heading + QStringLiteral("abc"));
}

void TestUndoEditor::randomEdits_undoRedoMatchRecordOfTexts_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 11; seed <= 14; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestUndoEditor::randomEdits_undoRedoMatchRecordOfTexts()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QStringList undoRecord;
    QStringList redoRecord;
    const QString alphabet = QStringLiteral("ab字句\n");
    const auto randomChars = [&](int count) {
        QString s;
        for (int i = 0; i < count; ++i)
            s += alphabet.at(random.bounded(int(alphabet.size())));
        return s;
    };
    const auto changed = [&](const QString &old) {
        if (text() == old)
            return;
        redoRecord.clear();
        undoRecord.append(text());
    };
    const auto randomSelection = [&] {
        const int size = int(text().size());
        const int a = random.bounded(size + 1);
        const int b = random.bounded(size + 1);
        selectRange(edit(), qMin(a, b), qMax(a, b));
    };

    for (int step = 0; step < 120; ++step) {
        const int kind = random.bounded(12);
        QString old = text();
        switch (kind) {
        case 0: // typing, each keystroke a change
        case 1: {
            randomSelection();
            selectRange(edit(), edit()->textCursor().position(), edit()->textCursor().position());
            for (const QChar c : randomChars(1 + random.bounded(3))) {
                old = text();
                typeText(edit(), QString(c));
                changed(old);
            }
            break;
        }
        case 2: // typing over a selection
            randomSelection();
            typeText(edit(), randomChars(1));
            changed(old);
            break;
        case 3: // pasting over a selection
            randomSelection();
            QGuiApplication::clipboard()->setText(randomChars(random.bounded(6)));
            QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
            changed(old);
            break;
        case 4: // deleting a selection or the character before the caret
            randomSelection();
            QTest::keyClick(edit(), random.bounded(2) ? Qt::Key_Delete : Qt::Key_Backspace);
            changed(old);
            break;
        case 5: // formatting alone
            randomSelection();
            m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
            QCOMPARE(text(), old);
            break;
        case 6:
            if (random.bounded(3) == 0) {
                m_page->Toolbar1_ButtonClick(QStringLiteral("new"));
            } else {
                randomSelection();
                m_page->appendTransfer(QStringLiteral("      问题提示：《"), randomChars(4));
            }
            changed(old);
            break;
        case 7:
        case 8:
        case 9:
            QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
            if (undoRecord.size() >= 2)
                redoRecord.append(undoRecord.takeLast());
            break;
        default:
            QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
            if (!redoRecord.isEmpty())
                undoRecord.append(redoRecord.takeLast());
            break;
        }
        if (!undoRecord.isEmpty())
            QCOMPARE(text(), undoRecord.last());
    }
    QCOMPARE(m_page->history().undoTexts(), undoRecord);
    QCOMPARE(m_page->history().redoTexts(), redoRecord);
}

QTEST_MAIN(TestUndoEditor)
#include "tst_undo_editor.moc"
