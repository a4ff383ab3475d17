#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_read_report.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QtEndian>
#include <QtTest>

// Pictures, the groups kept as they came, the page and the loss report: what a file holds
// beyond text must look right after reading and come back after writing.
class TestRtfObjects : public QObject
{
    Q_OBJECT

private slots:
    void pictures_readAsEncodedImages_data();
    void pictures_readAsEncodedImages();
    void pictures_shownSize_data();
    void pictures_shownSize();
    void shapePicture_takesTheFirstOfWordsPair();
    void shapePicture_asLibreOfficeWritesIt();
    void pictures_roundTripAsPngOrJpeg();
    void keptGroups_writtenBackByteForByte_data();
    void keptGroups_writtenBackByteForByte();
    void keptGroup_keepsItsUnicodeSkipCount();
    void header_fontAndColourSurviveRenumbering();
    void pageSetup_roundTrip();
    void pageSetup_absentKeepsA4();
    void hostile_harmlessAndBalanced_data();
    void hostile_harmlessAndBalanced();
    void report_namesWhatASaveLoses();
};

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage filled(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A DIB: the BMP file without its 14-byte file header.
QByteArray dib(const QImage &image)
{
    return encoded(image, "BMP").mid(14);
}

QByteArray rtf(const QByteArray &body)
{
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}{\\f2 Courier New;}}"
           "{\\colortbl;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}" +
           body + "}";
}

struct Found
{
    QTextImageFormat format;
    QVariant resource;
};

QList<Found> images(const QTextDocument &doc)
{
    QList<Found> out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            for (int i = 0; i < it.fragment().length(); ++i) {
                const QTextImageFormat image = format.toImageFormat();
                out.append({image, doc.resource(QTextDocument::ImageResource, QUrl(image.name()))});
            }
        }
    }
    return out;
}

QImage decoded(const QVariant &resource)
{
    return resource.typeId() == QMetaType::QByteArray ? QImage::fromData(resource.toByteArray())
                                                      : qvariant_cast<QImage>(resource);
}

} // namespace

void TestRtfObjects::pictures_readAsEncodedImages_data()
{
    QTest::addColumn<QByteArray>("pict");
    QTest::addColumn<QByteArray>("magic");
    const QImage red = filled(6, 4, Qt::red);
    const QByteArray png = encoded(red, "PNG");
    QTest::newRow("PNG in hex") << "\\pngblip " + png.toHex() << QByteArray("\x89PNG");
    QTest::newRow("PNG as \\bin") << "\\pngblip\\bin" + QByteArray::number(png.size()) + ' ' + png
                                  << QByteArray("\x89PNG");
    QTest::newRow("JPEG") << "\\jpegblip " + encoded(red, "JPEG").toHex() << QByteArray("\xFF\xD8");
    QTest::newRow("DIB") << "\\dibitmap0 " + dib(red).toHex() << QByteArray("BM");
    // A device bitmap of 24 bits: rows of 6 * 3 bytes, padded to 18 (already even).
    QByteArray rows;
    for (int i = 0; i < 4 * 6; ++i)
        rows += QByteArray("\x00\x00\xFF", 3);
    QTest::newRow("device bitmap")
        << "\\wbitmap0\\picw6\\pich4\\wbmbitspixel24\\wbmplanes1\\wbmwidthbytes18 " + rows.toHex()
        << QByteArray("BM");
}

void TestRtfObjects::pictures_readAsEncodedImages()
{
    QFETCH(QByteArray, pict);
    QFETCH(QByteArray, magic);
    QTextDocument doc;
    readRtf(rtf("a{\\pict" + pict + "}b"), &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("a\uFFFCb"));
    const QList<Found> found = images(doc);
    QCOMPARE(found.size(), 1);
    // Decoding waits for the layout: the resource holds the file's encoded bytes.
    QCOMPARE(found[0].resource.typeId(), QMetaType::QByteArray);
    QVERIFY(found[0].resource.toByteArray().startsWith(magic));
    const QImage image = decoded(found[0].resource);
    QCOMPARE(image.size(), QSize(6, 4));
    const QColor pixel = image.pixelColor(3, 2);
    QVERIFY2(pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60,
             qPrintable(pixel.name()));
}

void TestRtfObjects::pictures_shownSize_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QSizeF>("points");
    QTest::newRow("goal in twips") << QByteArray("\\picwgoal1440\\pichgoal720") << QSizeF(72, 36);
    QTest::newRow("goal scaled") << QByteArray(
                                        "\\picwgoal1440\\pichgoal720\\picscalex50\\picscaley200")
                                 << QSizeF(36, 72);
    QTest::newRow("picw/pich pixels") << QByteArray("\\picw40\\pich20") << QSizeF(30, 15);
    QTest::newRow("nothing: the data's own size") << QByteArray() << QSizeF(6 * 0.75, 4 * 0.75);
    QTest::newRow("claimed huge: capped, proportion kept")
        << QByteArray("\\picwgoal200000\\pichgoal100000") << QSizeF(1584, 792);
}

void TestRtfObjects::pictures_shownSize()
{
    QFETCH(QByteArray, words);
    QFETCH(QSizeF, points);
    const QByteArray png = encoded(filled(6, 4, Qt::blue), "PNG");
    QTextDocument doc;
    readRtf(rtf("{\\pict\\pngblip" + words + ' ' + png.toHex() + "}"), &doc);
    const QList<Found> found = images(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QSizeF(found[0].format.width(), found[0].format.height()), points);
}

void TestRtfObjects::shapePicture_takesTheFirstOfWordsPair()
{
    const QByteArray green = encoded(filled(4, 4, Qt::green), "PNG");
    const QByteArray wmf = "0100090000035a00000000003100000000000400000003010800";
    QTextDocument doc;
    readRtf(rtf("x{\\*\\shppict{\\pict\\pngblip\\picwgoal300\\pichgoal300 " + green.toHex() +
                "}}{\\nonshppict{\\pict\\wmetafile8\\picw100\\pich100 " + wmf + "}}y"),
            &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("x\uFFFCy"));
    const QList<Found> found = images(doc);
    QCOMPARE(found.size(), 1);
    QVERIFY(!found[0].format.hasProperty(RtfFormat::KeptGroup));
    QCOMPARE(decoded(found[0].resource).pixelColor(1, 1), QColor(Qt::green));
}

// LibreOffice puts a picture into its shape's "pib" property, shown at the shape's size.
void TestRtfObjects::shapePicture_asLibreOfficeWritesIt()
{
    const QByteArray green = encoded(filled(48, 32, Qt::green), "PNG");
    QTextDocument doc;
    readRtf(rtf("x{\\field{\\*\\fldinst SHAPE }{\\fldrslt{\\shp{\\*\\shpinst\\shpleft0\\shptop-960"
                "\\shpright1440\\shpbottom0{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn pib}{\\sv "
                "{\\pict\\pngblip\\picw48\\pich32 " +
                green.toHex() + "}}}}}}}y{\\sp{\\sv z}}"),
            &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("x\uFFFCy"));
    const QList<Found> found = images(doc);
    QCOMPARE(found.size(), 1);
    QVERIFY(!found[0].format.hasProperty(RtfFormat::KeptGroup));
    QCOMPARE(decoded(found[0].resource).pixelColor(1, 1), QColor(Qt::green));
    QCOMPARE(found[0].format.width(), 72.0); // the shape's inch, not the picture's 48 pixels
    QCOMPARE(found[0].format.height(), 48.0);
    QTextDocument again;
    readRtf(writeRtf(doc), &again);
    QCOMPARE(images(again).value(0).format.width(), 72.0);
}

void TestRtfObjects::pictures_roundTripAsPngOrJpeg()
{
    const QImage red = filled(6, 4, Qt::red);
    const QByteArray png = encoded(red, "PNG");
    const QByteArray jpeg = encoded(red, "JPEG");
    QTextDocument doc;
    readRtf(rtf("{\\pict\\pngblip\\picwgoal600\\pichgoal400 " + png.toHex() +
                "}{\\pict\\jpegblip\\picwgoal900\\pichgoal600 " + jpeg.toHex() +
                "}{\\pict\\dibitmap0\\picwgoal300\\pichgoal200 " + dib(red).toHex() + "}"),
            &doc);
    const QByteArray written = writeRtf(doc);
    QCOMPARE(written.count("\\pngblip"), 2); // the bitmap goes as PNG
    QCOMPARE(written.count("\\jpegblip"), 1);
    QVERIFY(!written.contains("\\dibitmap"));
    // PNG and JPEG data are written as they came.
    QVERIFY(written.contains(png.toHex().left(64)));
    QVERIFY(written.contains(jpeg.toHex().left(64)));

    QTextDocument again;
    readRtf(written, &again);
    const QList<Found> found = images(again);
    QCOMPARE(found.size(), 3);
    const QList<QSizeF> sizes = {QSizeF(30, 20), QSizeF(45, 30), QSizeF(15, 10)};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(QSizeF(found[i].format.width(), found[i].format.height()), sizes[i]);
        QCOMPARE(decoded(found[i].resource).size(), QSize(6, 4));
    }
    QCOMPARE(found[0].resource.toByteArray(), png);
    QCOMPARE(found[1].resource.toByteArray(), jpeg);
    QCOMPARE(decoded(found[2].resource).pixelColor(2, 2), QColor(Qt::red));

    // A picture put in as a QImage, as the editor inserts one.
    QTextDocument inserted;
    inserted.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted")),
                         filled(8, 8, Qt::blue));
    QTextImageFormat format;
    format.setName(QStringLiteral("pasted"));
    format.setWidth(24);
    format.setHeight(12);
    QTextCursor(&inserted).insertImage(format);
    QTextDocument read;
    readRtf(writeRtf(inserted), &read);
    const QList<Found> pasted = images(read);
    QCOMPARE(pasted.size(), 1);
    QCOMPARE(QSizeF(pasted[0].format.width(), pasted[0].format.height()), QSizeF(24, 12));
    QCOMPARE(decoded(pasted[0].resource).pixelColor(4, 4), QColor(Qt::blue));
}

void TestRtfObjects::keptGroups_writtenBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QSizeF>("points");
    QTest::newRow("WMF picture")
        << QByteArray("{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
                      "0100090000035a0000000000}")
        << QSizeF(72, 36);
    QTest::newRow("EMF in \\bin") << QByteArray(
                                         "{\\pict\\emfblip\\picwgoal400\\pichgoal200\\bin4 {}\\}}")
                                  << QSizeF(20, 10);
    QTest::newRow("object with its result")
        << QByteArray(
               "{\\object\\objemb\\objw2000\\objh1000{\\*\\objclass Equation.3}{\\*\\objdata "
               "01050000020000000b000000}{\\result{\\pict\\wmetafile8\\picw100\\pich100 "
               "0100}}}")
        << QSizeF(100, 50);
    QTest::newRow("shape without a picture")
        << QByteArray("{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright2880\\shpbottom1440"
                      "{\\sp{\\sn shapeType}{\\sv 202}}{\\shptxt text}}}")
        << QSizeF(144, 72);
    QTest::newRow("drawing object")
        << QByteArray("{\\*\\do\\dobxcolumn\\dobypara\\dodhgt8192\\dptxbx{\\dptxbxtext box}"
                      "\\dpx0\\dpy0\\dpxsize1000\\dpysize500}")
        << QSizeF(50, 25);
}

void TestRtfObjects::keptGroups_writtenBackByteForByte()
{
    QFETCH(QByteArray, group);
    QFETCH(QSizeF, points);
    QTextDocument doc;
    readRtf(rtf("before" + group + "after\\par"), &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("before\uFFFCafter"));
    const QList<Found> found = images(doc);
    QCOMPARE(found.size(), 1);
    QVERIFY(found[0].format.hasProperty(RtfFormat::KeptGroup));
    QCOMPARE(QSizeF(found[0].format.width(), found[0].format.height()), points);
    QVERIFY(!decoded(found[0].resource).isNull()); // the grey box shows

    const QByteArray written = writeRtf(doc);
    QVERIFY2(written.contains(group), written.constData());
    QTextDocument again;
    readRtf(written, &again);
    QCOMPARE(again.toPlainText(), doc.toPlainText());
    QCOMPARE(writeRtf(again), written);
}

void TestRtfObjects::keptGroup_keepsItsUnicodeSkipCount()
{
    // Two fallback bytes after each \u inside the object, as the file's \uc2 says.
    const QByteArray object = "{\\object{\\*\\objclass \\u20013\\'d6\\'d0x}\\objw200\\objh200}";
    QTextDocument doc;
    readRtf(rtf("\\uc2 a" + object + "b\\u25991\\'ce\\'c4"), &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("a\uFFFCb文"));
    const QByteArray written = writeRtf(doc);
    QVERIFY2(written.contains("{\\uc2" + object + "}"), written.constData());
    QTextDocument again;
    readRtf(written, &again);
    QCOMPARE(again.toPlainText(), doc.toPlainText());
}

void TestRtfObjects::header_fontAndColourSurviveRenumbering()
{
    // The body uses none of the header's font or colour, so the writer numbers them anew.
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f5 Courier New;}{\\f7 Arial;}}"
            "{\\colortbl;\\red0\\green0\\blue255;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}"
            "{\\info{\\title Notes}{\\author Wang}}"
            "{\\header\\pard\\plain\\f7\\cf3 Head \\f5\\cf2 line\\par}"
            "\\pard\\f0 body\\par}",
            &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("body"));
    const QByteArray written = writeRtf(doc);
    QVERIFY(written.contains("{\\info{\\title Notes}{\\author Wang}}"));
    QVERIFY(written.indexOf("{\\info") < written.indexOf("{\\header"));

    QTextDocument again;
    readRtf(written, &again);
    const QVariantList parts =
        again.rootFrame()->frameFormat().property(RtfFormat::DocumentGroups).toList();
    QCOMPARE(parts.size(), 2);
    const RtfKeptGroup header = RtfKeptGroup::fromVariant(parts[1]);
    QVERIFY(header.bytes.startsWith("{\\header"));
    QStringList families;
    QStringList colors;
    RtfKeptGroup::forEachReference(
        header.bytes, [&](RtfKeptGroup::Reference kind, int index, qsizetype, qsizetype) {
            if (kind == RtfKeptGroup::Reference::Font)
                families << header.fonts.value(index);
            else
                colors << header.colors.value(index).name();
        });
    QCOMPARE(families, QStringList({QStringLiteral("Arial"), QStringLiteral("Courier New")}));
    QCOMPARE(colors, QStringList({QStringLiteral("#ff0000"), QStringLiteral("#008000")}));
}

void TestRtfObjects::pageSetup_roundTrip()
{
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi\\paperw16838\\paperh11906\\margl720\\margr900\\margt1000\\margb1100"
            "\\gutter360\\landscape\\sectd\\titlepg text\\par}",
            &doc);
    const QByteArray written = writeRtf(doc);
    for (const char *word :
         {"\\paperw16838", "\\paperh11906", "\\margl720", "\\margr900", "\\margt1000",
          "\\margb1100", "\\gutter360", "\\landscape", "\\titlepg"})
        QVERIFY2(written.contains(word), word);
    QVERIFY(!written.contains("\\paperw11906"));
    QTextDocument again;
    readRtf(written, &again);
    QCOMPARE(writeRtf(again), written);

    // The first section's page, as Word writes it, counts over the document's.
    QTextDocument section;
    readRtf("{\\rtf1\\ansi\\paperw11906\\sectd\\pgwsxn12240\\pghsxn15840\\marglsxn1000 x\\par}",
            &section);
    const QByteArray sectionWritten = writeRtf(section);
    QVERIFY(sectionWritten.contains("\\paperw12240\\paperh15840\\margl1000\\margr1800"));
}

void TestRtfObjects::pageSetup_absentKeepsA4()
{
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi text\\par}", &doc);
    QVERIFY(writeRtf(doc).contains(
        "\\paperw11906\\paperh16838\\margl1800\\margr1800\\margt1440\\margb1440\\viewkind4"));
}

void TestRtfObjects::hostile_harmlessAndBalanced_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text"); // what must still be read
    QByteArray huge = encoded(filled(2, 2, Qt::red), "PNG");
    qToBigEndian<quint32>(100000, huge.data() + 16); // the header claims 100000 x 100000
    qToBigEndian<quint32>(100000, huge.data() + 20);
    qToBigEndian<quint32>(crc32(huge.mid(12, 17)), huge.data() + 29); // a valid header
    QByteArray hugeDib = dib(filled(2, 2, Qt::red));
    qToLittleEndian<qint32>(100000, hugeDib.data() + 4);
    qToLittleEndian<qint32>(100000, hugeDib.data() + 8);
    QTest::newRow("\\bin longer than the file")
        << rtf("a{\\pict\\pngblip\\bin99999 \x89PNG") << QStringLiteral("a\uFFFC");
    QTest::newRow("broken hex") << rtf("a{\\pict\\pngblip 89zz50g4e\\'47}b")
                                << QStringLiteral("a\uFFFCb");
    QTest::newRow("PNG claiming 100000 x 100000")
        << rtf("a{\\pict\\pngblip\\picw100000\\pich100000 " + huge.toHex() + "}b")
        << QStringLiteral("a\uFFFCb");
    QTest::newRow("DIB claiming 100000 x 100000")
        << rtf("a{\\pict\\dibitmap0 " + hugeDib.toHex() + "}b") << QStringLiteral("a\uFFFCb");
    QTest::newRow("device bitmap wider than its rows")
        << rtf("a{\\pict\\wbitmap0\\picw100000\\pich100000\\wbmbitspixel1\\wbmwidthbytes2 "
               "ffff}b")
        << QStringLiteral("a\uFFFCb");
    QTest::newRow("object cut off by the file's end")
        << QByteArray("{\\rtf1 a{\\object{\\*\\objdata 0102{\\x\\bin40 {{")
        << QStringLiteral("a\uFFFC");
    QTest::newRow("header cut off after a backslash")
        << QByteArray("{\\rtf1 a{\\header{\\b x\\") << QStringLiteral("a");
}

void TestRtfObjects::hostile_harmlessAndBalanced()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);
    QTextDocument doc;
    readRtf(input, &doc);
    QCOMPARE(doc.toPlainText(), text);
    doc.setTextWidth(600);
    QVERIFY(doc.size().height() < 40000); // laid out: nothing shown at its claimed size
    // Whatever was kept closes its groups: text written after it is read as text.
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("tail"));
    const QByteArray written = writeRtf(doc);
    QVERIFY(written.size() < input.size() * 4 + 2000);
    QTextDocument again;
    readRtf(written, &again);
    QCOMPARE(again.toPlainText(), text + QStringLiteral("tail"));
}

void TestRtfObjects::report_namesWhatASaveLoses()
{
    QTextDocument doc;
    readRtf(rtf("a{\\*\\atnid W}{\\*\\atnauthor Wang}\\chatn{\\*\\annotation{\\*\\atnref 1}note}"
                "b{\\*\\atnid W}\\chatn{\\*\\annotation second}{\\xe{\\v entry}}"
                "{\\header kept}{\\pict\\wmetafile8 0100}c"),
            &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("ab\uFFFCc"));
    QCOMPARE(rtfUnkeptContent(doc),
             QStringList({QStringLiteral("索引项 1 处"), QStringLiteral("批注 2 处")}));

    // What is kept is not reported; a document read again starts a new report.
    readRtf(rtf("{\\header kept}{\\*\\do\\dpxsize10\\dpysize10}{\\info{\\title t}}x"), &doc);
    QCOMPARE(rtfUnkeptContent(doc), QStringList());
    QTextDocument typed;
    typed.setPlainText(QStringLiteral("x"));
    QCOMPARE(rtfUnkeptContent(typed), QStringList());
}

QTEST_MAIN(TestRtfObjects) // layout needs fonts, so a GUI application
#include "tst_rtf_objects.moc"
