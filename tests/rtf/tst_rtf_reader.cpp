#include "rtf/rtf_reader.h"
#include "rtf_test_support.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace rtftest;

class TstRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void formats_data();
    void formats();
    void wordPadChineseFile_textAndFormats();
    void libreOfficeFile_textAndFormats();
    void pandocFile_textAndFormats();
    void corpusFile_readsSensibleText_data();
    void corpusFile_readsSensibleText();
    void reading_replacesContentAndKeepsUndoSetting();
};

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray sampleFile(const char *name)
{
    QFile file(QStringLiteral(QUORVANE_SOURCE_DIR "/tests/rtf/rtf_samples/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void prepare(QTextDocument *doc)
{
    QFont font(s("宋体"));
    font.setPointSizeF(10.5);
    doc->setDefaultFont(font);
}

QString readText(const QByteArray &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return doc.toRawText();
}

QString readDescribed(const QByteArray &rtf)
{
    QTextDocument doc;
    prepare(&doc);
    readRtf(rtf, &doc);
    return describe(doc);
}

} // namespace

void TstRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QString ps = QString(QChar::ParagraphSeparator);
    const QString cell = QString(kCellMark);
    const QString tableEnd = QString(kTableEndMark);

    QTest::newRow("paragraphs, line, tab")
        << QByteArray("{\\rtf1 one\\par two\\line three\\tab four}")
        << s("one") + ps + s("two\u2028three\tfour");
    QTest::newRow("trailing par makes no empty paragraph")
        << QByteArray("{\\rtf1 a\\par b\\par}") << s("a") + ps + s("b");
    QTest::newRow("empty paragraphs kept")
        << QByteArray("{\\rtf1 \\par a\\par\\par b\\par}") << ps + s("a") + ps + ps + s("b");
    QTest::newRow("backslash newline is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb\\\r\nc}") << s("a") + ps + s("b") + ps + s("c");
    QTest::newRow("raw line breaks are no text") << QByteArray("{\\rtf1 a\r\nb\nc}") << s("abc");
    QTest::newRow("control word delimiter space")
        << QByteArray("{\\rtf1\\b  two\\b0 x}") << s(" twox");
    QTest::newRow("letter after number ends word") << QByteArray("{\\rtf1foobar}") << s("foobar");
    QTest::newRow("escapes") << QByteArray("{\\rtf1 \\{a\\}\\\\b}") << s("{a}\\b");
    QTest::newRow("gbk via ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'ce\\'c4}") << s("中文");
    QTest::newRow("gbk trail byte as plain char")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'81@\\'b0\\'a1}") << s("丂啊");
    QTest::newRow("font charset beats ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset134 "
                      "SimSun;}{\\f2\\fcharset136 MingLiU;}{\\f3\\fcharset128 MS "
                      "Mincho;}}\\f0\\'e9\\f1\\'d6\\'d0\\f2\\'c1\\'63\\f3\\'95\\'5c\\'8e\\'a6}")
        << s("é中繁表示");
    QTest::newRow("charset 0 is Western in a Japanese document")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset0 Courier New;}{\\f1"
                      "\\fcharset128 MS Mincho;}{\\f2 Default;}}\\f0 J\\'e4rvi "
                      "\\f1\\'83\\'6f\\f2\\'83\\'6f}")
        << s("Järvi ババ");
    QTest::newRow("cp1252 default") << QByteArray("{\\rtf1 caf\\'e9 \\'93q\\'94}") << s("café “q”");
    QTest::newRow("symbol font bytes in a chinese document")
        << QByteArray("{\\rtf1\\ansicpg936{\\fonttbl{\\f0\\fcharset134 "
                      "SimSun;}{\\f1\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}\\f0\\'d6\\'d0}")
        << s("·\t中");
    QTest::newRow("cyrillic font") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 "
                                                 "Arial;}}\\f0\\'cf\\'f0\\'e8}")
                                   << s("При");
    QTest::newRow("unicode with uc skip")
        << QByteArray("{\\rtf1\\uc2\\u20013\\'d6\\'d0\\u25991\\'ce\\'c4 x}") << s("中文 x");
    QTest::newRow("uc0 and uc1 default")
        << QByteArray("{\\rtf1 \\u20013?{\\uc0\\u25991}\\u945a}") << s("中文α");
    QTest::newRow("uc is group scoped")
        << QByteArray("{\\rtf1 {\\uc2\\u228\\'E8a}\\u228\\'E8b}") << s("ääb");
    QTest::newRow("negative and surrogates")
        << QByteArray("{\\rtf1 \\u-3913?\\u-10179?\\u-9047?\\u-10176?\\u-9216?}") << s("\uF0B7💩𠀀");
    QTest::newRow("lone surrogates replaced")
        << QByteArray("{\\rtf1 a\\u-10179?b\\u-9047?c}") << s("a\uFFFDb\uFFFDc");
    QTest::newRow("fallback ends at group end")
        << QByteArray("{\\rtf1\\uc3 {\\u20013 a}bc}") << s("中bc");
    QTest::newRow("upr keeps unicode part")
        << QByteArray("{\\rtf1 {\\upr{\\'d6\\'d0 ansi}{\\*\\ud{\\u20013?unicode}}}}")
        << s("中unicode");
    QTest::newRow("skipped destinations")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{\\s1 "
                      "Normal;}}{\\info{\\title T}{\\author A}}{\\header H}{\\footer "
                      "F}{\\*\\generator G;}{\\*\\unknown x}text{\\footnote note} more}")
        << s("text〔注：note〕 more");
    QTest::newRow("star only at group start")
        << QByteArray("{\\rtf1 {\\fldrslt \\*\\cs13 kept}}") << s("kept");
    QTest::newRow("starred style word keeps its text")
        << QByteArray("{\\rtf1 {\\*\\cs13\\ul linked} text}") << s("linked text");
    QTest::newRow("field result without instruction")
        << QByteArray("{\\rtf1 see {\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{\\ul "
                      "link}}} end}")
        << s("see link end");
    QTest::newRow("picture as one object")
        << QByteArray("{\\rtf1 a{\\pict\\pngblip\\picw10 89504e470d0a1a0a}b}") << s("a\uFFFCb");
    QTest::newRow("bin data skipped byte exact")
        << QByteArray("{\\rtf1 a{\\*\\shprslt\\bin7 }{\\par}}c}") << s("ac");
    QTest::newRow("bin in text") << QByteArray("{\\rtf1 a\\bin3 {}\\b}") << s("ab");
    QTest::newRow("table cells") << QByteArray(
                                        "{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\pard\\intbl "
                                        "a\\cell b\\cell\\cell\\row\\pard after}")
                                 << cell + s("a") + cell + s("b") + cell + tableEnd + s("after");
    QTest::newRow("empty cell between") << QByteArray("{\\rtf1 \\intbl a\\cell\\cell c\\cell\\row}")
                                        << cell + s("a") + cell + cell + s("c") + tableEnd;
    QTest::newRow("special characters")
        << QByteArray("{\\rtf1 \\lquote a\\rquote \\ldblquote b\\rdblquote \\emdash \\endash "
                      "\\bullet \\~x}")
        << s("‘a’“b”—–•\u00a0x");
    QTest::newRow("hidden text kept")
        << QByteArray("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}") << s("ahiddenbcd");
    QTest::newRow("list text shown once")
        << QByteArray("{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb x}}{\\pntext \\'b7\\tab}item}")
        << s("item");
    QTest::newRow("controls never split paragraphs")
        << QByteArray("{\\rtf1 a\\'0d\\'0ab\\u13?\\u10?c\\u8233?d\\u-3?}") << s("abcd\uFFFD");
    QTest::newRow("text before the document ignored") << QByteArray("/{\\rtf1 a}-") << s("a");
    QTest::newRow("body inside unclosed font table")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Verdana;} \\pard\\f0 body\\par }}") << s("body");
}

void TstRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(readText(rtf), expected);
}

void TstRtfReader::formats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QByteArray fonts("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss "
                           "Arial;}}");

    QTest::newRow("groups scope formats")
        << QByteArray("{\\rtf1" + fonts + "\\f1\\fs20 a{\\b b{\\i c}d}e}")
        << s("left|[Arial 10]a|[b Arial 10]b|[b i Arial 10]c|[b Arial 10]d|[Arial 10]e");
    QTest::newRow("toggles with zero forms")
        << QByteArray("{\\rtf1" + fonts +
                      "\\f1 \\b a\\b0 b\\i c\\i0 d\\ul e\\ul0 f\\ul g\\ulnone h}")
        << s("left|[b Arial 12]a|[Arial 12]b|[i Arial 12]c|[Arial 12]d|[u Arial 12]e|[Arial "
             "12]f|[u Arial 12]g|[Arial 12]h");
    QTest::newRow("underline kinds")
        << QByteArray("{\\rtf1" + fonts + "\\f1 \\uldb a\\ulnone b\\ulwave c}")
        << s("left|[u Arial 12]a|[Arial 12]b|[u Arial 12]c");
    QTest::newRow("plain resets character formats")
        << QByteArray("{\\rtf1\\deff1" + fonts + "\\f0\\b\\i\\fs40 a\\plain b}")
        << s("left|[b i 宋体 20]a|[Arial 12]b");
    QTest::newRow("alignment of each paragraph")
        << QByteArray("{\\rtf1" + fonts +
                      "\\f1\\pard\\qc a\\par\\pard\\qr b\\par\\qj c\\par\\pard "
                      "d\\par}")
        << s("center|[Arial 12]a\nright|[Arial 12]b\njustify|[Arial 12]c\nleft|[Arial 12]d");
    QTest::newRow("alignment set after the text counts")
        << QByteArray("{\\rtf1" + fonts + "\\f1 {a\\qc\\par}{b\\qc\\pard\\qr\\par}}")
        << s("center|[Arial 12]a\nright|[Arial 12]b");
    QTest::newRow("paragraph formats outlive the group of their text")
        << QByteArray("{\\rtf1" + fonts + "\\f1 {\\qc a}\\par {\\qr b}{\\ql}\\par c\\par}")
        << s("center|[Arial 12]a\nleft|[Arial 12]b\nleft|[Arial 12]c");
    QTest::newRow("last paragraph without par")
        << QByteArray("{\\rtf1" + fonts + "\\f1\\qr a}") << s("right|[Arial 12]a");
    QTest::newRow("east asian font and size from dbch")
        << QByteArray("{\\rtf1" + fonts + "{\\f1\\fs20\\dbch\\af0\\afs32\\ab 中 x}}")
               .replace("中", "\\u20013?")
        << s("left|[b 宋体 16]中 |[Arial 10]x");
    QTest::newRow("size limits") << QByteArray("{\\rtf1" + fonts + "\\f1\\fs1 a\\fs99999 b\\fs0 c}")
                                 << s("left|[Arial 1]a|[Arial 1638]b|[Arial 12]c");
}

void TstRtfReader::formats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(readDescribed(rtf), expected);
}

void TstRtfReader::wordPadChineseFile_textAndFormats()
{
    // As WordPad on a Chinese Windows writes it: GBK bytes, no \u.
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052{\\fonttbl{\\f0"
        "\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Calibri;}}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs32\\lang2052\\'b3\\'f5\\'b2\\'bd\\'b7\\'a2"
        "\\'c3\\'f7\\b0\\fs22\\par\r\n"
        "\\pard\\sa200\\sl276\\slmult1\\'ce\\'ca\\'cc\\'e2\\'cc\\'e1\\'ca\\'be\\'a3\\'ba\\i\\'c4"
        "\\'dc\\'b7\\'f1\\i0\\ul\\f1\\lang1033 ABC\\ulnone\\par\r\n"
        "\\pard\\sa200\\sl276\\slmult1\\qr\\f0\\lang2052\\'81@\\'ba\\'da\\'cc\\'e5\\par\r\n}\r\n";
    QCOMPARE(readDescribed(rtf), s("center|[b 宋体 16]初步发明\n"
                                   "left|[宋体 11]问题提示：|[i 宋体 11]能否|[u Calibri 11]ABC\n"
                                   "right|[宋体 11]丂黑体"));
}

void TstRtfReader::libreOfficeFile_textAndFormats()
{
    const QByteArray rtf = sampleFile("libreoffice.rtf");
    QVERIFY(!rtf.isEmpty());
    QTextDocument doc;
    prepare(&doc);
    readRtf(rtf, &doc);
    QCOMPARE(describe(doc, false),
             s("center|[b 16]初步发明信息及简要说明\n"
               "left|[10.5]问题提示：《能否使泵变轻》\n"
               "right|[i 12]斜体文字|[12] and |[u 12]下划线|[12] mixed ASCII\n"
               "left|[12]Plain English line with braces {x} and backslash "
               "\\ here.\n"
               "justify|[12]两端对齐的段落。|[b i u 12]粗斜下划|[12]结束。"));
}

void TstRtfReader::pandocFile_textAndFormats()
{
    const QByteArray rtf = sampleFile("pandoc.rtf");
    QVERIFY(!rtf.isEmpty());
    QCOMPARE(
        readDescribed(rtf),
        s("left|[b Helvetica 18]发明标题\n"
          "left|[Helvetica 12]问题提示：|[b Helvetica 12]能否使泵变轻|[Helvetica 12]，|[i "
          "Helvetica 12]斜体说明|[Helvetica 12]，|[u Helvetica 12]下划线|[Helvetica 12]。\n"
          "left|[Helvetica 12]Plain ASCII paragraph with |[Courier 12]code|[Helvetica 12] and a "
          "backslash \\ and braces {x}.\n"
          "left|[Helvetica 12]•\t第一项\n"
          "left|[Helvetica 12]•\t第二项"));
}

void TstRtfReader::corpusFile_readsSensibleText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected"); // contained in the text
    QTest::newRow("Word, Simplified Chinese")
        << s("pyth__zh-cn.rtf") << s("威力导演需要安装内容套件进阶版");
    QTest::newRow("Word, Big5 run") << s("pyth__zh-cn.rtf") << s("Cht: 內容套件進階版");
    QTest::newRow("TextEdit GBK") << s("striprtf__issue_28.rtf") << s("印刷情况反映：");
    QTest::newRow("WordPad Chinese, cp1252 doc")
        << s("rtfpipe__RtfParserTest_8.rtf") << s("加入 URL 加亮到状态窗");
    QTest::newRow("Shift-JIS by font charset")
        << s("rtfjs__infer-double-width.rtf") << s("要やフぎば要立クモフ");
    QTest::newRow("Shift-JIS document")
        << s("rtfpipe__RtfParserTest_5.rtf") << s("リリース ノート");
    QTest::newRow("Big5 Outlook html") << s("rtfpipe__Issue52.rtf") << s("連邦國際專利商標事務所");
    QTest::newRow("raw GBK, tables")
        << s("rtfpipe__Issue23.rtf") << s("就诊时间:") + kCellMark + s(" 2018年9月12日");
    QTest::newRow("surrogates WordPad")
        << s("rtfjs__pile-of-poo.rtf") << s("Iñtërnâtiônàlizætiøn☃💩");
    QTest::newRow("bin in ignored group") << s("libreoffice__bin-skipping.rtf") << s("text");
    QTest::newRow("uc semantics") << s("pandoc__unicode.rtf") << s("“hi”‘hi’\uF0B7αä");
    QTest::newRow("invalid hex") << s("libreoffice__invalid-hex.rtf") << s("xřx");
    QTest::newRow("cp1251") << s("striprtf__bytes.rtf") << s("УХВАЛА");
    QTest::newRow("cp1250") << s("striprtf__ansicpg1250.rtf") << s("Proszę o zapoznanie się");
    QTest::newRow("Word, hidden translation memory")
        << s("pyth__zh-cn.rtf")
        << s("{0>PowerDirector needs to install Content Pack Premium before loading your project "
             "from PowerDirector Mobile.<}0{>威力导演需要安装内容套件进阶版");
    QTest::newRow("Latin-1 font in a Shift-JIS document")
        << s("rtfpipe__RtfParserTest_5.rtf") << s("Jaakko Järvi (jaakko.jarvi@cs.utu.fi)");
    QTest::newRow("Outlook html nested thousands deep")
        << s("rtfpipe__Issue52.rtf") << s("Chinese Patent Application No. 999999999999.9");
    QTest::newRow("hyperlink field result")
        << s("pyth__sample.rtf") << s("laboratories of Allan Spradling (HHMI");
    QTest::newRow("large Word file with bin jpeg")
        << s("striprtf__BVWGT_20241227_W258_2227269_1_00_01.rtf") << s("Wir");
}

void TstRtfReader::corpusFile_readsSensibleText()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const QString dir = QStringLiteral(QUORVANE_SHARED_DIR "/rtf-corpus/");
    QFile in(dir + file);
    if (!in.open(QIODevice::ReadOnly))
        QSKIP("the shared RTF corpus is not on this machine");
    const QString text = readText(in.readAll());
    QVERIFY2(text.contains(expected), qPrintable(text.left(400)));
    QVERIFY(!text.contains(QStringLiteral("\\'")));
    QVERIFY(!text.contains(QStringLiteral("fonttbl")));
}

void TstRtfReader::reading_replacesContentAndKeepsUndoSetting()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old content"));
    doc.setUndoRedoEnabled(true);
    readRtf("{\\rtf1 new}", &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("new"));
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(!doc.isUndoAvailable()); // loading a file is no step to undo into
}

QTEST_GUILESS_MAIN(TstRtfReader)
#include "tst_rtf_reader.moc"
