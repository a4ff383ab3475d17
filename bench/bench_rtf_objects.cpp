// Opening a document of 200 pictures and 50 tables (Chinese notes: each of 50 sections has a
// heading, text, four different PNG pictures and a 4x3 table) with readRtf, against Qt's HTML
// import (QTextDocument::setHtml) of the same content. Rounds alternate; medians compared.
// The bar: ours / Qt at most 2.0, with every picture and table read.
// Run: build/bench/bench_rtf_objects [--write FOLDER]   (rounds: BENCH_ROUNDS, default 9)
// --write also saves the document as objects.rtf and objects.html into FOLDER.

#include "bench_support.h"
#include "rtf/rtf_reader.h"
#include "storage/checked_save.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Sections = 50;
constexpr int PicturesPerSection = 4;
constexpr double Bar = 2.0;

QByteArray picture(int index)
{
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((index * 37) % 360, 90, 230));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv((index * 37 + 180) % 360, 200, 200));
    painter.drawEllipse(QPoint(20 + index % 56, 32), 14, 14);
    painter.drawRect(48, 8 + index % 40, 30, 16);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray rtfText(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            out += c.toLatin1();
        else
            out += "\\u" + QByteArray::number(static_cast<qint16>(c.unicode())) + '?';
    }
    return out;
}

QString cellText(int section, int row, int column)
{
    static const QStringList heads = {QStringLiteral("部件"), QStringLiteral("材料"),
                                      QStringLiteral("说明")};
    static const QStringList parts = {QStringLiteral("外壳"), QStringLiteral("叶轮"),
                                      QStringLiteral("电机"), QStringLiteral("底座")};
    static const QStringList materials = {QStringLiteral("塑料"), QStringLiteral("铸铁"),
                                          QStringLiteral("铝合金")};
    if (row == 0)
        return heads[column];
    if (column == 0)
        return parts[(section + row) % 4];
    if (column == 1)
        return materials[(section + row) % 3];
    return QStringLiteral("第%1版，减重三成").arg(section + 1);
}

// The same notes as RTF (as Word writes pictures and tables) and as HTML.
struct ObjectsDocument
{
    QByteArray rtf;
    QString html;
};

ObjectsDocument buildObjects()
{
    ObjectsDocument doc;
    doc.rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
              "\\uc1\\f0\\fs21\n";
    doc.html = QStringLiteral("<html><body>\n");
    const QString body = QStringLiteral("思路提示：研究割草机，可否部件换位，能否引入扇的原理。"
                                        "初步发明题目：伯努利防水压缩机。");
    for (int s = 0; s < Sections; ++s) {
        const QString heading = QStringLiteral("第%1节 节能水泵的草图").arg(s + 1);
        doc.rtf += "\\pard\\qc\\b " + rtfText(heading) + "\\b0\\par\n\\pard " + rtfText(body) +
                   "\\par\n\\pard ";
        doc.html +=
            QStringLiteral("<p align=\"center\"><b>%1</b></p>\n<p>%2</p>\n<p>").arg(heading, body);
        for (int p = 0; p < PicturesPerSection; ++p) {
            const QByteArray png = picture(s * PicturesPerSection + p);
            doc.rtf +=
                "{\\pict\\pngblip\\picw96\\pich64\\picwgoal1440\\pichgoal960 " + png.toHex() + "}";
            doc.html += QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"96\" "
                                       "height=\"64\">")
                            .arg(QString::fromLatin1(png.toBase64()));
        }
        doc.rtf += "\\par\n";
        doc.html += QStringLiteral("</p>\n<table border=\"1\">\n");
        for (int row = 0; row < 4; ++row) {
            doc.rtf += "\\trowd\\trgaph108\\cellx3000\\cellx6000\\cellx9000\n";
            doc.html += QStringLiteral("<tr>");
            for (int column = 0; column < 3; ++column) {
                doc.rtf += "\\pard\\intbl " + rtfText(cellText(s, row, column)) + "\\cell ";
                doc.html += QStringLiteral("<td>%1</td>").arg(cellText(s, row, column));
            }
            doc.rtf += "\\row\n";
            doc.html += QStringLiteral("</tr>\n");
        }
        doc.rtf += "\\pard\\par\n";
        doc.html += QStringLiteral("</table>\n");
    }
    doc.rtf += "}\n";
    doc.html += QStringLiteral("</body></html>\n");
    return doc;
}

struct Objects
{
    int pictures = 0;
    int tables = 0;
};

void countFrames(QTextFrame *frame, Objects *found)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (qobject_cast<QTextTable *>(child))
            ++found->tables;
        countFrames(child, found);
    }
}

Objects countObjects(QTextDocument *doc)
{
    Objects found;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                found.pictures += it.fragment().length();
        }
    }
    countFrames(doc->rootFrame(), &found);
    return found;
}

bool writeCopies(const QString &folder, const ObjectsDocument &doc)
{
    QString reason;
    const QDir dir(folder);
    for (const auto &[name, bytes] :
         {std::pair{QStringLiteral("objects.rtf"), doc.rtf},
          std::pair{QStringLiteral("objects.html"), doc.html.toUtf8()}}) {
        if (!CheckedSave::writeFile(dir.filePath(name), bytes, &reason)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(dir.filePath(name)),
                         qPrintable(reason));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const ObjectsDocument source = buildObjects();
    const QStringList args = QGuiApplication::arguments();
    const qsizetype write = args.indexOf(QStringLiteral("--write"));
    if (write > 0 && (write + 1 >= args.size() || !writeCopies(args.at(write + 1), source)))
        return 2;

    const int rounds = qEnvironmentVariableIntValue("BENCH_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("BENCH_ROUNDS")
                           : 9;
    // Import alone, and import with the layout that shows the document (pictures decoded).
    std::vector<double> ours, qt, oursShown, qtShown;
    Objects oursRead, qtRead;
    const auto time = [](const std::function<void()> &work) {
        QElapsedTimer timer;
        timer.start();
        work();
        return timer.nsecsElapsed() / 1e6;
    };
    for (int i = 0; i < rounds; ++i) {
        QTextDocument rtfDoc;
        ours.push_back(time([&] { readRtf(source.rtf, &rtfDoc); }));
        oursShown.push_back(ours.back() + time([&] { rtfDoc.documentLayout()->documentSize(); }));
        oursRead = countObjects(&rtfDoc);
        QTextDocument htmlDoc;
        qt.push_back(time([&] { htmlDoc.setHtml(source.html); }));
        qtShown.push_back(qt.back() + time([&] { htmlDoc.documentLayout()->documentSize(); }));
        qtRead = countObjects(&htmlDoc);
    }
    const double ratio = BenchSupport::median(ours) / BenchSupport::median(qt);
    const double shownRatio = BenchSupport::median(oursShown) / BenchSupport::median(qtShown);
    const int pictures = Sections * PicturesPerSection;

    std::printf("document: %d pictures, %d tables; RTF %.2f MB, HTML %.2f MB; median of %d\n",
                pictures, Sections, source.rtf.size() / 1048576.0,
                source.html.toUtf8().size() / 1048576.0, rounds);
    std::printf("read:           ours readRtf %8.1f ms   Qt setHtml %8.1f ms   ratio %.2f\n",
                BenchSupport::median(ours), BenchSupport::median(qt), ratio);
    std::printf("read and laid out: ours     %8.1f ms   Qt         %8.1f ms   ratio %.2f\n",
                BenchSupport::median(oursShown), BenchSupport::median(qtShown), shownRatio);
    std::printf("read by ours: %d of %d pictures, %d of %d tables (Qt: %d, %d)\n",
                oursRead.pictures, pictures, oursRead.tables, Sections, qtRead.pictures,
                qtRead.tables);
    const bool complete = oursRead.pictures == pictures && oursRead.tables == Sections;
    const bool pass = complete && ratio <= Bar;
    std::printf("bar: ours / Qt <= %.2f with every picture and table read: %s\n", Bar,
                pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
