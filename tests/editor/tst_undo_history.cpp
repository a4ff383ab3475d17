#include "editor/undo_editor.h"
#include "editor/undo_history.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A plain-string editor that reports its changes the way QTextDocument does.
class FakeEditor final : public UndoEditor
{
public:
    QString content;
    int selStart = 0;
    int selLength = 0;
    int focusRequests = 0;
    UndoHistory *history = nullptr;
    // Qt reports whole-document edits with counts one too high; some edits come without.
    enum class Report
    {
        Exact,
        Overshoot,
        None
    } report = Report::Exact;

    QString text() const override { return content; }
    int textLength() const override { return int(content.size()); }
    QString textRange(int start, int length) const override { return content.mid(start, length); }
    int selectionStart() const override { return selStart; }
    void select(int start, int length) override
    {
        selStart = qBound(0, start, textLength());
        selLength = qBound(0, length, textLength() - selStart);
    }
    void replaceSelection(const QString &text) override { edit(selStart, selLength, text); }
    void setSelectionHidden(bool) override {}
    void takeFocus() override { ++focusRequests; }

    // A user's edit: the span replaced, the caret after the new text.
    void edit(int start, int removed, const QString &inserted, int caretAfter = -1)
    {
        content.replace(start, removed, inserted);
        selStart = caretAfter < 0 ? start + int(inserted.size()) : caretAfter;
        selLength = 0;
        if (!history)
            return;
        switch (report) {
        case Report::Exact:
            history->Record(start, removed, int(inserted.size()));
            break;
        case Report::Overshoot:
            history->Record(start, removed + 1, int(inserted.size()) + 1);
            break;
        case Report::None:
            history->Record();
            break;
        }
    }
    void type(const QString &chars)
    {
        for (const QChar c : chars)
            edit(selStart, selLength, QString(c));
    }
};

struct Fixture
{
    explicit Fixture(const QString &initial)
    {
        editor.content = initial;
        editor.selStart = int(initial.size());
        history = std::make_unique<UndoHistory>(&editor);
        editor.history = history.get();
    }
    FakeEditor editor;
    std::unique_ptr<UndoHistory> history;
};

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void change_data();
    void change();
    void typingThenUndo_stepsBackOneKeystrokeAtATime();
    void deletedWord_comesBackSelected();
    void deletedCharacterOrBreak_comesBackWithCaretAfter_data();
    void deletedCharacterOrBreak_comesBackWithCaretAfter();
    void newChangeAfterUndo_emptiesRedo();
    void firstChange_cannotBeUndone();
    void formattingOnly_isNotRecorded();
    void replacingSteps_undoAndRedoToExactTexts_data();
    void replacingSteps_undoAndRedoToExactTexts();
    void mendedStep_leavesRestOfTextAlone();
    void randomEdits_matchRecordOfTexts_data();
    void randomEdits_matchRecordOfTexts();
    void history_growsWithEditsNotWithDocument();
};

void TestUndoHistory::change_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("p");
    QTest::addColumn<QString>("expected");
    // Undo of a deletion: the deleted characters read from the older, longer text.
    QTest::newRow("deleted word") << "hello world"
                                  << "hello " << 5 + 6 + 1 << "world";
    // Redo of an insertion: the characters that end at the caret.
    QTest::newRow("inserted char") << "ab"
                                   << "abc" << 3 + 1 << "c";
    QTest::newRow("longer first or second") << "abc"
                                            << "ab" << 4 << "c";
    QTest::newRow("same length") << "abc"
                                 << "xyz" << 2 << "";
    QTest::newRow("cut short at the end") << "abcdef"
                                          << "abc" << 8 << "ef";
    QTest::newRow("before the text") << "abcdef"
                                     << "abc" << 2 << "";
}

void TestUndoHistory::change()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, p);
    QFETCH(QString, expected);
    QCOMPARE(UndoHistory::Change(a, b, p), expected);
}

void TestUndoHistory::typingThenUndo_stepsBackOneKeystrokeAtATime()
{
    Fixture f(QString{});
    f.editor.type(QStringLiteral("abc"));
    QCOMPARE(f.history->UndoStack().size(), 3);

    f.history->Undo();
    QCOMPARE(f.editor.content, QStringLiteral("ab"));
    QCOMPARE(f.editor.selStart, 2);
    f.history->Undo();
    QCOMPARE(f.editor.content, QStringLiteral("a"));
    f.history->Undo(); // one snapshot left: nothing to compare with
    QCOMPARE(f.editor.content, QStringLiteral("a"));
    QCOMPARE(f.editor.focusRequests, 3);

    f.history->redo();
    QCOMPARE(f.editor.content, QStringLiteral("ab"));
    QCOMPARE(f.editor.selStart, 2);
    QCOMPARE(f.editor.selLength, 0);
    QVERIFY(f.history->TrackChanges());
}

void TestUndoHistory::deletedWord_comesBackSelected()
{
    Fixture f(QStringLiteral("one two three"));
    f.editor.type(QStringLiteral("!"));
    f.editor.edit(4, 4, QString()); // "two " selected and deleted
    f.editor.edit(4, 5, QString()); // "three"
    QCOMPARE(f.editor.content, QStringLiteral("one !"));

    f.history->Undo();
    QCOMPARE(f.editor.content, QStringLiteral("one three!"));
    QCOMPARE(f.editor.selStart, 4);
    QCOMPARE(f.editor.selLength, 5);
    f.history->redo();
    QCOMPARE(f.editor.content, QStringLiteral("one !"));
    QCOMPARE(f.editor.selStart, 4);
}

void TestUndoHistory::deletedCharacterOrBreak_comesBackWithCaretAfter_data()
{
    QTest::addColumn<QString>("deleted");
    QTest::newRow("character") << "x";
    QTest::newRow("line break") << "\n";
    QTest::newRow("Chinese character") << "字";
}

void TestUndoHistory::deletedCharacterOrBreak_comesBackWithCaretAfter()
{
    QFETCH(QString, deleted);
    const QString text = QStringLiteral("ab") + deleted + QStringLiteral("cd");
    Fixture f(text);
    f.editor.type(QStringLiteral("e"));
    f.editor.edit(2, 1, QString()); // backspace after the character
    f.history->Undo();
    QCOMPARE(f.editor.content, text + QStringLiteral("e"));
    QCOMPARE(f.editor.selStart, 3);
    QCOMPARE(f.editor.selLength, 0);
}

void TestUndoHistory::newChangeAfterUndo_emptiesRedo()
{
    Fixture f(QString{});
    f.editor.type(QStringLiteral("abc"));
    f.history->Undo();
    QCOMPARE(f.history->RedoStack().size(), 1);
    f.editor.type(QStringLiteral("x"));
    QVERIFY(f.history->RedoStack().isEmpty());
    f.history->redo();
    QCOMPARE(f.editor.content, QStringLiteral("abx"));
}

void TestUndoHistory::firstChange_cannotBeUndone()
{
    Fixture f(QStringLiteral("start"));
    f.editor.type(QStringLiteral("!"));
    f.history->Undo();
    QCOMPARE(f.editor.content, QStringLiteral("start!"));
    QCOMPARE(f.history->UndoStack().size(), 1);
    QVERIFY(f.history->RedoStack().isEmpty());
}

void TestUndoHistory::formattingOnly_isNotRecorded()
{
    Fixture f(QStringLiteral("abc"));
    f.editor.type(QStringLiteral("de"));
    f.history->Undo();
    // Bold over "abc": the editor reports the span as removed and added again.
    f.history->Record(0, 3, 3);
    f.history->Record(0, 6, 6); // overshooting counts, as for a whole-document format
    f.history->Record();
    QCOMPARE(f.history->UndoStack().size(), 1);
    QCOMPARE(f.history->RedoStack().size(), 1);
}

void TestUndoHistory::replacingSteps_undoAndRedoToExactTexts_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<int>("caretAfter"); // -1: after the inserted text
    QTest::addColumn<int>("report");
    const auto exact = int(FakeEditor::Report::Exact);
    const auto over = int(FakeEditor::Report::Overshoot);
    const auto none = int(FakeEditor::Report::None);
    // The text before each step is "The quick brown fox jumps" + "!".
    QTest::newRow("typing over a selection") << 4 << 5 << "s" << -1 << exact;
    QTest::newRow("paste over a selection") << 10 << 5 << "red\ngrey" << -1 << exact;
    QTest::newRow("same length replaced") << 4 << 5 << "QUICK" << -1 << exact;
    QTest::newRow("whole content, caret at start") << 0 << 26 << "new\n" << 0 << over;
    QTest::newRow("whole content, caret at end") << 0 << 26 << "x" << -1 << none;
    QTest::newRow("whole content emptied") << 0 << 26 << "" << -1 << over;
    QTest::newRow("block appended, caret left") << 26 << 0 << "\n\nblock\n" << 3 << exact;
}

void TestUndoHistory::replacingSteps_undoAndRedoToExactTexts()
{
    QFETCH(int, start);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    QFETCH(int, caretAfter);
    QFETCH(int, report);
    Fixture f(QStringLiteral("The quick brown fox jumps"));
    f.editor.type(QStringLiteral("!"));
    const QString before = f.editor.content;
    f.editor.report = FakeEditor::Report(report);
    f.editor.edit(start, removed, inserted, caretAfter);
    const QString after = f.editor.content;

    for (int round = 0; round < 3; ++round) {
        f.history->Undo();
        QCOMPARE(f.editor.content, before);
        QVERIFY(f.history->TrackChanges());
        f.history->redo();
        QCOMPARE(f.editor.content, after);
    }
    f.history->Undo();
    f.editor.report = FakeEditor::Report::Exact;
    f.editor.select(int(before.size()), 0);
    f.editor.type(QStringLiteral("?")); // recording resumes after the mended steps
    QCOMPARE(f.history->undoTexts(), QStringList({before, before + QStringLiteral("?")}));
}

void TestUndoHistory::mendedStep_leavesRestOfTextAlone()
{
    // Typing "s" over "quick": undo puts "quick" back where it was and selects it.
    Fixture f(QStringLiteral("The quick fox"));
    f.editor.type(QStringLiteral("."));
    f.editor.edit(4, 5, QStringLiteral("s"));
    f.history->Undo();
    QCOMPARE(f.editor.content, QStringLiteral("The quick fox."));
    QCOMPARE(f.editor.selStart, 4);
    QCOMPARE(f.editor.selLength, 5);
}

void TestUndoHistory::randomEdits_matchRecordOfTexts_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("report");
    for (quint32 seed = 1; seed <= 6; ++seed) {
        const int report = int(seed % 3);
        QTest::addRow("seed %u report %d", seed, report) << seed << report;
    }
}

void TestUndoHistory::randomEdits_matchRecordOfTexts()
{
    QFETCH(quint32, seed);
    QFETCH(int, report);
    QRandomGenerator random(seed);
    Fixture f(QStringLiteral("Start text\nsecond line"));
    f.editor.report = FakeEditor::Report(report);
    QStringList undoRecord; // what each snapshot's text must be
    QStringList redoRecord;
    const QString alphabet = QStringLiteral("ab 字\n");
    const auto randomText = [&](int maxLen) {
        QString s;
        const int len = random.bounded(maxLen + 1);
        for (int i = 0; i < len; ++i)
            s += alphabet.at(random.bounded(int(alphabet.size())));
        return s;
    };

    for (int step = 0; step < 400; ++step) {
        const int kind = random.bounded(10);
        const int size = int(f.editor.content.size());
        if (kind < 3) {
            f.history->Undo();
            if (undoRecord.size() >= 2)
                redoRecord.append(undoRecord.takeLast());
        } else if (kind < 5) {
            f.history->redo();
            if (!redoRecord.isEmpty())
                undoRecord.append(redoRecord.takeLast());
        } else {
            int start = random.bounded(size + 1);
            int removed = random.bounded(size - start + 1);
            QString inserted;
            int caret = -1;
            if (kind == 5) { // typing one character
                removed = 0;
                inserted = randomText(0) + alphabet.at(random.bounded(int(alphabet.size())));
            } else if (kind == 6) { // deleting a selection
                inserted.clear();
            } else if (kind == 7) { // typing or pasting over a selection
                inserted = randomText(4);
            } else { // the whole content replaced, the caret anywhere
                start = 0;
                removed = size;
                inserted = randomText(12);
                caret = random.bounded(int(inserted.size()) + 1);
            }
            if (removed == 0 && inserted.isEmpty())
                continue;
            const QString old = f.editor.content;
            f.editor.edit(start, removed, inserted, caret);
            if (f.editor.content == old)
                continue; // the text did not change: nothing is recorded
            redoRecord.clear();
            undoRecord.append(f.editor.content);
        }
        const QString expected = undoRecord.isEmpty() ? f.editor.content : undoRecord.last();
        QCOMPARE(f.editor.content, expected);
        QVERIFY(f.history->TrackChanges());
    }
    QCOMPARE(f.history->undoTexts(), undoRecord);
    QCOMPARE(f.history->redoTexts(), redoRecord);
}

void TestUndoHistory::history_growsWithEditsNotWithDocument()
{
    QString document;
    for (int i = 0; i < 5000; ++i)
        document += QStringLiteral("发明信息0123456789\n");
    Fixture f(document);
    f.editor.selStart = int(document.size()) / 2;
    for (int i = 0; i < 2000; ++i)
        f.editor.type(QStringLiteral("字"));
    const qsizetype documentBytes = document.size() * 2;
    // Full copies would take 2,000 documents; deltas take about one and small spans.
    QVERIFY2(f.history->memoryUsage() < 3 * documentBytes,
             qPrintable(QString::number(f.history->memoryUsage())));
    for (int i = 0; i < 1999; ++i)
        f.history->Undo();
    QCOMPARE(f.editor.content, document.insert(document.size() / 2, QStringLiteral("字")));
}

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_undo_history.moc"
