// The undo history's cost while typing into a long document: 20,000 single-character
// insertions into a 200,000-character document in the real editor. Prints the history's
// heap and the time recording takes per keystroke next to the editor's own insertion.
// Run: build/bench/bench_undo  (offscreen unless a platform is set)

#include "editor/text_edit_undo_adapter.h"
#include "editor/undo_history.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>
#include <malloc.h>
#include <memory>

namespace {

constexpr int DocumentChars = 200000;
const int Keystrokes = qEnvironmentVariableIntValue("BENCH_KEYS") > 0
                           ? qEnvironmentVariableIntValue("BENCH_KEYS")
                           : 20000;
constexpr double MemoryBarBytes = 10.0 * 1024 * 1024;

QString longDocument()
{
    const QString line =
        QStringLiteral("能否使泵变轻，研究割草机：可否部件换位，能否引入扇的原理。Pump light? ");
    QString text;
    text.reserve(DocumentChars);
    while (text.size() < DocumentChars) {
        const qsizetype room = DocumentChars - text.size();
        // Paragraphs of 99 characters and a break, as a long report has them.
        QString paragraph;
        while (paragraph.size() < 99)
            paragraph += line;
        paragraph.truncate(qMin<qsizetype>(99, room));
        text += paragraph;
        if (text.size() < DocumentChars)
            text += u'\n';
    }
    return text;
}

// Small blocks from the arena plus large blocks that malloc maps directly.
double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks) + double(info.hblkhd);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTextEdit edit;
    edit.setUndoRedoEnabled(false);
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    edit.document()->setDefaultFont(font);
    edit.resize(800, 600);
    edit.show();
    edit.setPlainText(longDocument());
    QTextCursor caret = edit.textCursor();
    caret.setPosition(DocumentChars / 2);
    edit.setTextCursor(caret);
    edit.document()->documentLayout()->documentSize(); // finish the first layout
    QApplication::processEvents();

    TextEditUndoAdapter adapter(&edit);
    auto history = std::make_unique<UndoHistory>(&adapter);
    qint64 recordNs = 0;
    QElapsedTimer recordTimer;
    // The editor page feeds the history from the same signal.
    QObject::connect(edit.document(), &QTextDocument::contentsChange, &edit,
                     [&](int position, int removed, int added) {
                         recordTimer.start();
                         history->Record(position, removed, added);
                         recordNs += recordTimer.nsecsElapsed();
                     });

    // Typing as people type: characters, and a line break now and then.
    const QString chars = QStringLiteral("发明创造的简要说明abc，");
    qint64 keystrokeNs = 0;
    QElapsedTimer keyTimer;
    for (int i = 0; i < Keystrokes; ++i) {
        const bool lineBreak = i % 60 == 59;
        const QString c = lineBreak ? QStringLiteral("\r") : QString(chars.at(i % chars.size()));
        QKeyEvent press(QEvent::KeyPress, lineBreak ? Qt::Key_Return : Qt::Key_unknown,
                        Qt::NoModifier, c);
        keyTimer.start();
        QApplication::sendEvent(edit.viewport()->parentWidget(), &press);
        keystrokeNs += keyTimer.nsecsElapsed();
    }

    const bool consistent = history->UndoStack().size() == Keystrokes &&
                            edit.document()->characterCount() - 1 == DocumentChars + Keystrokes;
    const qsizetype counted = history->memoryUsage();
    const double heapBefore = heapInUse();
    history.reset();
    const double historyHeap = heapBefore - heapInUse();

    const double recordUs = double(recordNs) / Keystrokes / 1000.0;
    const double insertUs = double(keystrokeNs - recordNs) / Keystrokes / 1000.0;
    const bool memoryOk = historyHeap < MemoryBarBytes;
    const bool timeOk = recordUs <= insertUs;

    std::printf("%d keystrokes into a %d-character document (history consistent: %s)\n", Keystrokes,
                DocumentChars, consistent ? "yes" : "NO");
    std::printf("history heap:        %.2f MB (counted %.2f MB)   bar: < 10 MB   %s\n",
                historyHeap / 1048576.0, double(counted) / 1048576.0, memoryOk ? "met" : "MISSED");
    std::printf("record per key:      %.2f us\n", recordUs);
    std::printf("editor insert / key: %.2f us   bar: record <= insert   %s (ratio %.2f)\n",
                insertUs, timeOk ? "met" : "MISSED", recordUs / insertUs);
    return consistent && memoryOk && timeOk ? 0 : 1;
}
