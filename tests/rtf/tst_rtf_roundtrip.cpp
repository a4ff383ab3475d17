#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "rtf_test_support.h"

#include <QRegularExpression>
#include <QTest>

using namespace rtftest;

class TstRtfRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void writeThenRead_keepsTextAlignmentAndFormats_data();
    void writeThenRead_keepsTextAlignmentAndFormats();
    void readWriteRead_keepsColoursAndParagraphFormats_data();
    void readWriteRead_keepsColoursAndParagraphFormats();
    void writer_highlightsInWordsColoursAndShadesTheRest();
    void writer_givesParagraphLengthsInTwips();
    void fallbackBytesAlone_giveTheGbkText();
    void writer_declaresChineseCodePageAndFontCharsets();
    void writer_writesUnicodeWithGbkFallbackAndEscapes();
    void writer_outputIsSevenBitAscii();
};

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QTextDocument *newDocument(QObject *parent)
{
    auto *doc = new QTextDocument(parent);
    QFont font(s("宋体"));
    font.setPointSizeF(10.5);
    doc->setDefaultFont(font);
    return doc;
}

} // namespace

void TstRtfRoundTrip::writeThenRead_keepsTextAlignmentAndFormats_data()
{
    QTest::addColumn<Doc>("doc");
    const QString song = s("宋体");
    const QString hei = s("黑体");
    const QString latin = QStringLiteral("DejaVu Sans");

    QTest::newRow("chinese") << Doc{
        {Qt::AlignHCenter, {{s("初步发明信息及简要说明"), Bold, song, 16}}},
        {Qt::AlignLeft,
         {{s("问题提示：《"), Plain, song, 10.5},
          {s("能否使泵变轻"), Italic, hei, 12},
          {s("》简要说明："), Underline, song, 10.5}}},
        {Qt::AlignRight, {{s("二〇二六年十二月七日"), Plain, song, 9}}},
        {Qt::AlignJustify, {{s("两端对齐，标点符号“”‘’、。！？（）"), Plain, song, 10.5}}}};

    QTest::newRow("ascii") << Doc{
        {Qt::AlignLeft,
         {{QStringLiteral("Plain text; with \\ backslash {braces}"), Plain, latin, 12}}},
        {Qt::AlignRight,
         {{QStringLiteral("bold"), Bold, latin, 12},
          {QStringLiteral(" italic"), Italic, latin, 12},
          {QStringLiteral(" under"), Underline, latin, 14},
          {QStringLiteral(" all"), Bold | Italic | Underline, latin, 8}}},
        {Qt::AlignHCenter, {{QStringLiteral("tab\there 1 2 3 -x ?"), Plain, latin, 11}}},
        {Qt::AlignLeft, {{QStringLiteral(" leading and trailing spaces "), Plain, latin, 12}}}};

    QTest::newRow("mixed") << Doc{
        {Qt::AlignLeft,
         {{s("中文ABC混合123"), Bold, song, 10.5},
          {s("English 与中文"), Plain, latin, 10.5},
          {s("\\u20013 不是命令 {}"), Italic | Underline, song, 22}}},
        {Qt::AlignHCenter,
         {{s("                              ==========初步发明信息及简要说明=========="), Plain,
           song, 10.5}}}};

    QTest::newRow("empty paragraphs") << Doc{{Qt::AlignLeft, {}},
                                             {Qt::AlignHCenter, {{s("中"), Plain, song, 10.5}}},
                                             {Qt::AlignRight, {}},
                                             {Qt::AlignLeft, {}},
                                             {Qt::AlignLeft, {}}};

    QTest::newRow("empty document") << Doc{{Qt::AlignLeft, {}}};

    QTest::newRow("outside gbk") << Doc{
        {Qt::AlignLeft, {{s("𠀀 CJK-B, 😀 emoji, € euro, 한국어, ½, é, ÿ"), Plain, song, 10.5}}},
        {Qt::AlignHCenter,
         {{s("𪚥𪚥"), Bold, song, 10.5}, {s("\u00a0nbsp\u2028line"), Plain, latin, 10.5}}}};

    QTest::newRow("default font runs") << Doc{
        {Qt::AlignLeft, {{s("默认字体"), Plain, QString(), 0}, {s(" bold"), Bold, QString(), 0}}}};
}

void TstRtfRoundTrip::writeThenRead_keepsTextAlignmentAndFormats()
{
    QFETCH(Doc, doc);
    QTextDocument *original = newDocument(this);
    build(doc, original);

    const QByteArray rtf = writeRtf(*original);
    QTextDocument *read = newDocument(this);
    readRtf(rtf, read);

    QCOMPARE(read->toPlainText(), original->toPlainText());
    QCOMPARE(read->blockCount(), original->blockCount());
    QCOMPARE(describe(*read), describe(*original));
}

void TstRtfRoundTrip::readWriteRead_keepsColoursAndParagraphFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QByteArray colors("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red255"
                            "\\green255\\blue0;\\red200\\green220\\blue240;\\red0\\green0\\blue0;"
                            "\\red255\\green255\\blue255;}");

    QTest::newRow("text colour") << QByteArray("{\\rtf1" + colors +
                                               "a\\cf1 red\\cf2 blue\\cf0 auto}")
                                 << s("left|[]a|[#ff0000]red|[#0000ff]blue|[]auto");
    QTest::newRow("highlight and shading")
        << QByteArray("{\\rtf1" + colors +
                      "{\\highlight3 lit}{\\chcbpat4 shade}{\\cb4 back}{\\chshdng2500\\chcfpat5"
                      "\\chcbpat6 mixed}{\\chcbpat4\\highlight3 both}{\\cf1\\highlight0 none}}")
        << s("left|[on #ffff00]lit|[on #c8dcf0]shadeback|[on #bfbfbf]mixed|[on "
             "#ffff00]both|[#ff0000]"
             "none");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b}")
                                 << s("left|[]a|[hidden]hidden|[]b");
    QTest::newRow("alignments") << QByteArray(
                                       "{\\rtf1\\qc c\\par\\qr r\\par\\qj j\\par\\qd d\\par\\ql l}")
                                << s("center|[]c\nright|[]r\njustify|[]j\njustify|[]d\nleft|[]l");
    QTest::newRow("indents")
        << QByteArray("{\\rtf1\\li720\\ri360\\fi-360 a\\par\\pard\\lin1440\\rin720 b}")
        << s("left li48 ri24 fi-24|[]a\nleft li96 ri48|[]b");
    QTest::newRow("space before and after")
        << QByteArray("{\\rtf1\\qc\\sb240\\sa120 a\\par\\pard b}")
        << s("center sb16 sa8|[]a\nleft|[]b");
    QTest::newRow("line spacing")
        << QByteArray("{\\rtf1\\sl360\\slmult1 m\\par\\pard\\sl-300\\slmult0 e\\par\\pard\\sl300 "
                      "l\\par\\pard\\sl0 s}")
        << s("left lh150%|[]m\nleft lh=20|[]e\nleft lh>=20|[]l\nleft|[]s");
    QTest::newRow("page breaks")
        << QByteArray(
               "{\\rtf1 a\\page b\\par c\\par\\page d\\par\\pard\\pagebb e\\par\\pard{\\page}f}")
        << s("left|[]a\nleft break|[]b\nleft|[]c\nleft break|[]d\nleft break|[]e\nleft break|[]f");
}

// What the reader makes of each kind of format, and the writer gives back unchanged.
void TstRtfRoundTrip::readWriteRead_keepsColoursAndParagraphFormats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument read;
    readRtf(rtf, &read);
    QCOMPARE(describeLayout(read), expected);

    QTextDocument again;
    readRtf(writeRtf(read), &again);
    QCOMPARE(describeLayout(again), expected);
    QCOMPARE(describe(again), describe(read));
}

// Word shows \highlight only in its sixteen colours; others take the shading that Word and
// LibreOffice show and the \cb that WordPad does.
void TstRtfRoundTrip::writer_highlightsInWordsColoursAndShadesTheRest()
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("red"), red);
    QTextCharFormat yellow;
    yellow.setBackground(QColor(255, 255, 0));
    cursor.insertText(QStringLiteral("lit"), yellow);
    QTextCharFormat blue;
    blue.setBackground(QColor(200, 220, 240));
    cursor.insertText(QStringLiteral("shade"), blue);
    cursor.insertText(QStringLiteral("plain"), QTextCharFormat());
    const QByteArray rtf = writeRtf(doc);
    QVERIFY2(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red200"
                          "\\green220\\blue240;}"),
             rtf.constData());
    QVERIFY2(rtf.contains("\\cf1 red\\cf0\\highlight2 lit\\highlight0\\chshdng0\\chcbpat3\\cb3 "
                          "shade\\chcbpat0\\cb0 plain"),
             rtf.constData());
}

void TstRtfRoundTrip::writer_givesParagraphLengthsInTwips()
{
    QTextDocument doc;
    QTextBlockFormat block;
    block.setLeftMargin(20);
    block.setTextIndent(-10);
    block.setTopMargin(4);
    block.setLineHeight(200, QTextBlockFormat::ProportionalHeight);
    block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    QTextCursor cursor(&doc);
    cursor.setBlockFormat(block);
    cursor.insertText(QStringLiteral("a"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("b"));
    const QByteArray rtf = writeRtf(doc);
    QVERIFY2(rtf.contains("\\pard\\li300\\fi-150\\sb60\\sl480\\slmult1"), rtf.constData());
    QVERIFY2(rtf.contains("\\pard\\pagebb"), rtf.constData()); // a break after a is one before b
}

// Readers that ignore \u show the bytes after it; those must be the GBK text.
void TstRtfRoundTrip::fallbackBytesAlone_giveTheGbkText()
{
    QTextDocument *original = newDocument(this);
    build(Doc{{Qt::AlignLeft, {{s("初步发明€信息 and 𠀀 ABC"), Bold, s("宋体"), 10.5}}}}, original);
    QByteArray rtf = writeRtf(*original);
    QString text = QString::fromLatin1(rtf);
    text.remove(QRegularExpression(QStringLiteral("\\\\uc[0-9]+ ?")));
    text.remove(QRegularExpression(QStringLiteral("\\\\u-?[0-9]+ ?")));

    QTextDocument read;
    readRtf(text.toLatin1(), &read);
    QCOMPARE(read.toPlainText(), s("初步发明€信息 and ?? ABC"));
}

void TstRtfRoundTrip::writer_declaresChineseCodePageAndFontCharsets()
{
    QTextDocument *doc = newDocument(this);
    build(Doc{{Qt::AlignLeft,
               {{s("中文"), Plain, s("宋体"), 10.5},
                {QStringLiteral("Latin"), Plain, QStringLiteral("DejaVu Sans"), 10.5},
                {QStringLiteral("abc"), Plain, QStringLiteral("Symbol"), 10.5}}}},
          doc);
    const QByteArray rtf = writeRtf(*doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936"));
    // 宋体 in GBK inside the font table, marked as a GB2312 font; the Latin font as ANSI.
    QVERIFY2(rtf.contains("\\fcharset134 \\'cb\\'ce\\'cc\\'e5"), rtf.constData());
    QVERIFY2(rtf.contains("\\fcharset0 DejaVu Sans;"), rtf.constData());
    QVERIFY2(rtf.contains("\\fcharset2 Symbol;"), rtf.constData());
    QVERIFY(rtf.trimmed().endsWith('}'));
}

void TstRtfRoundTrip::writer_writesUnicodeWithGbkFallbackAndEscapes()
{
    QTextDocument *doc = newDocument(this);
    build(Doc{{Qt::AlignLeft, {{s("中€😀\\{}"), Plain, s("宋体"), 10.5}}}}, doc);
    const QByteArray rtf = writeRtf(*doc);
    QVERIFY2(rtf.contains("\\uc2\\u20013\\'d6\\'d0"), rtf.constData());
    QVERIFY2(rtf.contains("\\uc1\\u8364\\'80"), rtf.constData());
    // U+1F600 as a surrogate pair of signed numbers, each with "?" for GBK.
    QVERIFY2(rtf.contains("\\u-10179?\\u-8704?"), rtf.constData());
    QVERIFY2(rtf.contains("\\\\\\{\\}"), rtf.constData());
}

void TstRtfRoundTrip::writer_outputIsSevenBitAscii()
{
    QTextDocument *doc = newDocument(this);
    build(Doc{{Qt::AlignLeft, {{s("中文 é 😀 \t"), Bold, s("微软雅黑"), 10.5}}}}, doc);
    const QByteArray rtf = writeRtf(*doc);
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
}

QTEST_GUILESS_MAIN(TstRtfRoundTrip)
#include "tst_rtf_roundtrip.moc"
