// Load and save of a ~5 MB RTF document (Chinese text, mixed formats) against Qt's own HTML
// import and export of the same content, in the same run. The bar: our RTF load and save
// each no slower than Qt's HTML path (ratio ours / Qt at most 1.0).

#include "editor/rtf_reader.h"
#include "editor/rtf_writer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

void buildDocument(QTextDocument *doc, qsizetype targetRtfBytes)
{
    const QStringList sentences = {
        QStringLiteral("问题提示：《能否使泵变轻》"),
        QStringLiteral("思路提示：研究割草机，可否部件换位，能否引入扇的原理"),
        QStringLiteral("初步发明题目：伯努利防水压缩机"),
        QStringLiteral("简要说明：利用流体速度与压强的关系，减少运动部件。"),
        QStringLiteral("Mixed English text with numbers 12345 and symbols {braces} \\ ;"),
        QStringLiteral("二〇二六年十二月七日 21:30:00，记录于编辑页。"),
    };
    const QStringList families = {QStringLiteral("宋体"), QStringLiteral("黑体"),
                                  QStringLiteral("Arial")};
    const qreal sizes[] = {9, 10.5, 12, 16};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    doc->setDefaultFont(font);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    qsizetype estimate = 0;
    for (int p = 0; estimate < targetRtfBytes; ++p) {
        QTextBlockFormat block;
        block.setAlignment(alignments[p % 4]);
        if (p == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        for (int r = 0; r < 6; ++r) {
            const int k = p * 7 + r;
            QTextCharFormat format;
            format.setFontFamilies({families[k % 3]});
            format.setFontPointSize(sizes[k % 4]);
            format.setFontWeight(k % 3 == 0 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(k % 5 == 0);
            format.setFontUnderline(k % 4 == 1);
            const QString &text = sentences[k % sentences.size()];
            cursor.insertText(text, format);
            estimate += text.size() * 9 + 20; // about what one character costs in RTF
        }
    }
    cursor.endEditBlock();
}

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
    buildDocument(&source, 5 * 1024 * 1024);
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
    const bool pass = sameText && ourSave <= qtSave && ourLoad <= qtLoad;
    std::printf("bar: ours / Qt <= 1.00 for load and save, text read back unchanged: %s\n",
                pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
