#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "rtf_placement.h"

#include <QTest>
#include <QTextCursor>

using namespace rtftest;

class TstRtfFields : public QObject
{
    Q_OBJECT

private slots:
    void hyperlink_becomesLinkAndComesBack_data();
    void hyperlink_becomesLinkAndComesBack();
    void otherField_keepsResultAndInstruction();
    void linkMadeInEditor_isWrittenAsHyperlinkField_data();
    void linkMadeInEditor_isWrittenAsHyperlinkField();
    void brokenFields_inventNoTextAndReadBackTheSame_data();
    void brokenFields_inventNoTextAndReadBackTheSame();
};

namespace {

QByteArray rtf(const char *body)
{
    return QByteArray("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
                      "{\\colortbl;\\red0\\green0\\blue255;}") +
           body + '}';
}

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void TstRtfFields::hyperlink_becomesLinkAndComesBack_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted, blue underlined result")
        << rtf("see {\\field{\\*\\fldinst{HYPERLINK \"https://example.com/a?b=1\"}}"
               "{\\fldrslt{\\cf1\\ul link}}} after")
        << s("see <href=https://example.com/a?b=1 field=HYPERLINK "
             "\"https://example.com/a?b=1\">link</> after");
    QTest::newRow("unquoted, lower case")
        << rtf("{\\field{\\*\\fldinst hyperlink http://x.org/ }{\\fldrslt x}}")
        << s("<href=http://x.org/ field=hyperlink http://x.org/>x</>");
    QTest::newRow("anchor in the document")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \\\\l \"_Toc1\"}{\\fldrslt \\'b5\\'da\\'d2\\'bb}}")
        << s("<href=#_Toc1 field=HYPERLINK \\l \"_Toc1\">第一</>");
    QTest::newRow("address with anchor and tooltip")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \"a.html\" \\\\o \"tip\" \\\\l \"p2\"}"
               "{\\fldrslt go}}")
        << s("<href=a.html#p2 field=HYPERLINK \"a.html\" \\o \"tip\" \\l \"p2\">go</>");
    QTest::newRow("Chinese address under uc2")
        << rtf("{\\field{\\*\\fldinst\\uc2 HYPERLINK \"http://x.cn/\\u20013\\'d6\\'d0\"}"
               "{\\fldrslt \\uc2\\u20013\\'d6\\'d0}}")
        << s("<href=http://x.cn/中 field=HYPERLINK \"http://x.cn/中\">中</>");
}

void TstRtfFields::hyperlink_becomesLinkAndComesBack()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);

    QTextDocument doc;
    readRtf(input, &doc);
    const QByteArray written = writeRtf(doc);
    QCOMPARE(written.count("\\field"), 1);
    QVERIFY(written.contains("{\\*\\fldinst HYPERLINK") ||
            written.contains("{\\*\\fldinst hyperlink"));
}

void TstRtfFields::otherField_keepsResultAndInstruction()
{
    const QByteArray input = rtf("{\\field{\\*\\fldinst { DATE \\\\@ \"yyyy-MM-dd\" }}"
                                 "{\\fldrslt {\\b 2026-12-09}}}, page "
                                 "{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}\\par end");
    const QString expected =
        s("<field=DATE \\@ \"yyyy-MM-dd\" b>2026-12-09</>, page <field=PAGE>3</>|end");
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);
}

void TstRtfFields::linkMadeInEditor_isWrittenAsHyperlinkField_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("web") << s("https://例子.cn/a b") << s("HYPERLINK \"https://例子.cn/a b\"");
    QTest::newRow("quote and backslash")
        << s("file:///C:\\a\"b") << s("HYPERLINK \"file:///C:\\\\a\\\"b\"");
    QTest::newRow("anchor") << s("#sec") << s("HYPERLINK \\l \"sec\"");
}

void TstRtfFields::linkMadeInEditor_isWrittenAsHyperlinkField()
{
    QFETCH(QString, href);
    QFETCH(QString, instruction);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(s("前"));
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(href);
    cursor.insertText(s("链接"), link);
    cursor.insertText(s("后"), QTextCharFormat());
    QCOMPARE(readPlacement(writeRtf(doc)),
             s("前<href=") + href + s(" field=") + instruction + s(">链接</>后"));

    // A link whose address changed is written with the new address, and a field that is no
    // link any more is written as plain text.
    QTextDocument edited;
    readRtf(writeRtf(doc), &edited);
    QTextCursor select(&edited);
    select.setPosition(1);
    select.setPosition(2, QTextCursor::KeepAnchor);
    QTextCharFormat other;
    other.setAnchorHref(s("http://other/"));
    select.mergeCharFormat(other);
    select.setPosition(2);
    select.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat noLink;
    noLink.setAnchor(false);
    select.mergeCharFormat(noLink);
    QCOMPARE(readPlacement(writeRtf(edited)),
             s("前<href=http://other/ field=HYPERLINK \"http://other/\">链</>接后"));
}

void TstRtfFields::brokenFields_inventNoTextAndReadBackTheSame_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no result") << rtf("a{\\field{\\*\\fldinst PAGE}}b") << s("ab");
    QTest::newRow("result without instruction") << rtf("a{\\field{\\fldrslt b}}c") << s("abc");
    QTest::newRow("instruction of an earlier field is not reused")
        << rtf("{\\field{\\*\\fldinst PAGE}}{\\field{\\fldrslt x}}") << s("x");
    QTest::newRow("nested in the result")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt a"
               "{\\field{\\*\\fldinst PAGE}{\\fldrslt 2}}b}}")
        << s("<href=u field=HYPERLINK \"u\">a</><field=PAGE>2</><href=u field=HYPERLINK "
             "\"u\">b</>");
    QTest::newRow("nested in the instruction")
        << rtf("{\\field{\\*\\fldinst IF {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}} = 1 "
               "\"yes\"}{\\fldrslt yes}}")
        << s("<field=IF PAGE1 = 1 \"yes\">yes</>");
    QTest::newRow("open at the end of the file")
        << QByteArray("{\\rtf1 x{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link")
        << s("x<href=u field=HYPERLINK \"u\">link</>");
    QTest::newRow("instruction open at the end of the file")
        << QByteArray("{\\rtf1 x{\\field{\\*\\fldinst HYPERLINK \"u\"") << s("x");
    QTest::newRow("result over two paragraphs")
        << rtf("{\\field{\\*\\fldinst HYPERLINK u}{\\fldrslt a\\par b}}")
        << s("<href=u field=HYPERLINK u>a</>|<href=u field=HYPERLINK u>b</>");
    QTest::newRow("hyperlink without address")
        << rtf("{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt a}}") << s("<field=HYPERLINK>a</>");
    QTest::newRow("plain keeps the field")
        << rtf("{\\field{\\*\\fldinst PAGE}{\\fldrslt \\b a\\plain b}}")
        << s("<field=PAGE b>a</><field=PAGE>b</>");
}

void TstRtfFields::brokenFields_inventNoTextAndReadBackTheSame()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);
}

QTEST_GUILESS_MAIN(TstRtfFields)
#include "tst_rtf_fields.moc"
