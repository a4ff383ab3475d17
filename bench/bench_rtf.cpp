// Load and save of a ~7 MB RTF document (Chinese text, mixed formats) against Qt's own HTML
// import and export of the same content, in the same run. The bar: our RTF load at most 0.3
// and our save at most 0.5 of Qt's HTML path.

#include "bench_support.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

double bestOf(int rounds, const std::function<void()> &work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextDocument source;
    BenchSupport::buildDocument(&source, 7 * 1024 * 1024);
    const QByteArray rtf = writeRtf(source);
    const QString html = source.toHtml();

    const int rounds = 3;
    const double ourSave = bestOf(rounds, [&] {
        const auto n = writeRtf(source).size();
        Q_UNUSED(n);
    });
    const double qtSave = bestOf(rounds, [&] {
        const auto n = source.toHtml().size();
        Q_UNUSED(n);
    });
    const double ourLoad = bestOf(rounds, [&] {
        QTextDocument doc;
        readRtf(rtf, &doc);
    });
    const double qtLoad = bestOf(rounds, [&] {
        QTextDocument doc;
        doc.setHtml(html);
    });

    QTextDocument check;
    readRtf(rtf, &check);
    const bool sameText = check.toPlainText() == source.toPlainText();

    std::printf("document: %d paragraphs, %lld characters; RTF %.2f MB, HTML %.2f MB\n",
                source.blockCount(), static_cast<long long>(source.characterCount()),
                rtf.size() / 1048576.0, html.toUtf8().size() / 1048576.0);
    std::printf("save: ours writeRtf %8.1f ms   Qt toHtml  %8.1f ms   ratio %.2f\n", ourSave,
                qtSave, ourSave / qtSave);
    std::printf("load: ours readRtf  %8.1f ms   Qt setHtml %8.1f ms   ratio %.2f\n", ourLoad,
                qtLoad, ourLoad / qtLoad);
    const bool pass = sameText && ourSave <= 0.5 * qtSave && ourLoad <= 0.3 * qtLoad;
    std::printf("bar: ours / Qt <= 0.3 for load, <= 0.5 for save, text read back unchanged: %s\n",
                pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
