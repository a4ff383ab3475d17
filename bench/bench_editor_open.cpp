// Opening a 7 MB RTF document (875,000 characters, Chinese text, mixed formats) through
// the editor page's "open", against Qt's own path for the same content (QTextEdit::setHtml),
// each into a shown editor, the caret moved to the end, up to the first paint that follows.
// Rounds alternate between the two; the medians are compared. The bar: ours / Qt <= 0.30.
// Run: build/bench/bench_editor_open  (offscreen unless a platform is set; rounds: BENCH_ROUNDS)

#include "bench_support.h"
#include "editor/chinese_font_substitutes.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "rtf/rtf_writer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int TargetCharacters = 875000; // about 7 MB of RTF
constexpr double Bar = 0.30;

// Counts the paints a viewport receives.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

struct Timing
{
    double total = 0;
    double layout = 0; // of it: the caret to the end (laying out all text) and the paint
};

// From the operation to the paint that shows its result, the caret at the end.
Timing timeToPaint(QTextEdit *edit, const std::function<void()> &operation)
{
    PaintCounter counter;
    edit->viewport()->installEventFilter(&counter);
    QElapsedTimer timer;
    timer.start();
    operation();
    const qint64 operationNs = timer.nsecsElapsed();
    edit->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    if (counter.paints == 0)
        edit->viewport()->repaint();
    const qint64 totalNs = timer.nsecsElapsed();
    edit->viewport()->removeEventFilter(&counter);
    if (counter.paints == 0) {
        std::fprintf(stderr, "no paint reached the editor\n");
        std::exit(2);
    }
    return {totalNs / 1e6, (totalNs - operationNs) / 1e6};
}

Timing ourOpen(const QString &path, QString *text)
{
    EditorPage page;
    page.resize(792, 500);
    page.show();
    QApplication::processEvents();
    bool ok = false;
    const Timing ms = timeToPaint(page.editor(), [&] { ok = page.openFrom(path); });
    if (!ok) {
        std::fprintf(stderr, "open failed\n");
        std::exit(2);
    }
    *text = page.editor()->toPlainText();
    return ms;
}

Timing qtSetHtml(const QString &html, QString *text)
{
    QTextEdit edit;
    edit.document()->setDefaultFont(BenchSupport::editorFont());
    edit.resize(792, 420);
    edit.show();
    QApplication::processEvents();
    const Timing ms = timeToPaint(&edit, [&] { edit.setHtml(html); });
    *text = edit.toPlainText();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program does; both paths draw with the same faces. BENCH_FONT_SUBSTITUTES=0
    // shows what fontconfig's own fallback costs.
    if (qEnvironmentVariable("BENCH_FONT_SUBSTITUTES") != u"0")
        ChineseFontSubstitutes::install();

    QTextDocument source;
    BenchSupport::buildDocument(&source, 0, TargetCharacters);
    const QByteArray rtf = writeRtf(source);
    const QString html = source.toHtml();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("大文件.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 2;
    }
    file.close();

    const int rounds = qEnvironmentVariableIntValue("BENCH_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("BENCH_ROUNDS")
                           : 5;
    std::vector<double> ours, ourLayout, qt, qtLayout;
    QString ourText;
    QString qtText;
    for (int i = 0; i < rounds; ++i) {
        const Timing o = ourOpen(path, &ourText);
        const Timing q = qtSetHtml(html, &qtText);
        ours.push_back(o.total);
        ourLayout.push_back(o.layout);
        qt.push_back(q.total);
        qtLayout.push_back(q.layout);
    }
    const bool sameText = ourText == source.toPlainText() && qtText == ourText;
    const double ourMs = BenchSupport::median(ours);
    const double qtMs = BenchSupport::median(qt);
    const double ratio = ourMs / qtMs;

    std::printf("document: %d paragraphs, %lld characters; RTF %.2f MB\n", source.blockCount(),
                static_cast<long long>(source.characterCount()), rtf.size() / 1048576.0);
    std::printf("open to first paint, caret at end, median of %d:\n", rounds);
    std::printf("  ours  EditorPage::openFrom   %8.1f ms   of it caret to end + paint %8.1f ms\n",
                ourMs, BenchSupport::median(ourLayout));
    std::printf("  Qt    QTextEdit::setHtml     %8.1f ms   of it caret to end + paint %8.1f ms\n",
                qtMs, BenchSupport::median(qtLayout));
    std::printf("ratio ours / Qt %.3f   bar <= %.2f   same text: %s   %s\n", ratio, Bar,
                sameText ? "yes" : "NO", sameText && ratio <= Bar ? "PASS" : "FAIL");
    return sameText && ratio <= Bar ? 0 : 1;
}
