#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "rtf_test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace rtftest;

// Bad input never hurts: each case must read without crash or hang and keep what is readable.
class TstRtfRobustness : public QObject
{
    Q_OBJECT

private slots:
    void badInput_keepsReadableText_data();
    void badInput_keepsReadableText();
    void truncatedAtEveryByte_givesAPrefixOfTheText();
    void deepNesting_readsTheShallowText();
    void randomBytes_readWithoutHarm();
    void regressionCorpus_readsAndSurvivesRoundTrip_data();
    void regressionCorpus_readsAndSurvivesRoundTrip();
    void sharedCorpus_survivesRoundTrip_data();
    void sharedCorpus_survivesRoundTrip();
};

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString readText(const QByteArray &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return doc.toRawText();
}

// Whatever the reader makes of a file, the writer must carry it back unchanged.
void checkRoundTrip(const QByteArray &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    QTextDocument again;
    readRtf(writeRtf(doc), &again);
    QCOMPARE(again.toRawText(), doc.toRawText());
    QCOMPARE(describe(again), describe(doc));
}

void addFiles(const QString &dir)
{
    QDirIterator it(dir, {QStringLiteral("*.rtf")}, QDir::Files);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString &file : files)
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

} // namespace

void TstRtfRobustness::badInput_keepsReadableText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QString ps = QString(QChar::ParagraphSeparator);

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("not rtf") << QByteArray("just text") << QString();
    QTest::newRow("lone control word") << QByteArray("\\foobar") << QString();
    QTest::newRow("truncated in a group") << QByteArray("{\\rtf1 abc{\\b de") << s("abcde");
    QTest::newRow("truncated in hex") << QByteArray("{\\rtf1\\ansicpg936 ab\\'d6\\'d") << s("ab");
    QTest::newRow("truncated after backslash") << QByteArray("{\\rtf1 ab\\") << s("ab");
    QTest::newRow("truncated in lead byte pair")
        << QByteArray("{\\rtf1\\ansicpg936 a\\'d6") << s("a");
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}} b}") << s("a");
    QTest::newRow("stray closing brace first") << QByteArray("}}{\\rtf1 a}") << s("a");
    QTest::newRow("unclosed groups")
        << QByteArray("{\\rtf1 {{{ a{\\par b") << s(" a") + ps + s("b");
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin2147483647 xyz}") << s("a");
    QTest::newRow("overlong bin number")
        << QByteArray("{\\rtf1 a\\bin99999999999999999999999 xyz}") << s("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << s("ab");
    QTest::newRow("huge uc") << QByteArray("{\\rtf1 {\\uc2147483647\\u20013 abc}d}") << s("中d");
    QTest::newRow("negative uc") << QByteArray("{\\rtf1\\uc-7\\u20013 x}") << s("中x");
    QTest::newRow("huge numbers everywhere")
        << QByteArray("{\\rtf1\\ansicpg99999999999999999999{\\fonttbl{\\f99999999999999999999"
                      "\\fcharset-99999999999 X;}}\\f-99999999999999999\\fs99999999999999999 a"
                      "\\u99999999999999999 b\\u-99999999999999 c\\li-99999999999999999999 d}")
        << s("a\uFFFD\uFFFDd"); // b and c are the fallbacks of the two \\u
    QTest::newRow("overlong control word")
        << (QByteArray("{\\rtf1 a\\") + QByteArray(100000, 'x') + QByteArray(" b}")) << s("ab");
    QTest::newRow("nul and control bytes")
        << QByteArray("{\\rtf1 a\0b\x01\x1f c}", 14) << s("ab c");
    QTest::newRow("invalid code pages")
        << QByteArray("{\\rtf1\\ansi\\ansicpg0{\\fonttbl{\\f0\\cpg77777\\fcharset250 F;}}\\f0 "
                      "caf\\'e9}")
        << s("café");
    QTest::newRow("long weak stretch in an east asian run")
        << (QByteArray("{\\rtf1\\dbch\\afs30 ") + QByteArray(300000, ' ') + "x}")
        << QString(300000, u' ') + s("x");
    QTest::newRow("many empty cells")
        << (QByteArray("{\\rtf1 a") + QByteArray("\\cell ").repeated(50000) + "b}")
        << kCellMark + s("a") + QString(62, kCellMark) + kTableEndMark + s("b");
}

void TstRtfRobustness::badInput_keepsReadableText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(readText(rtf), expected);
    checkRoundTrip(rtf);
}

void TstRtfRobustness::truncatedAtEveryByte_givesAPrefixOfTheText()
{
    QTextDocument original;
    build(Doc{{Qt::AlignHCenter, {{s("初步发明信息"), Bold, s("宋体"), 16}}},
              {Qt::AlignLeft, {{s("问题 \\{x}: 𠀀能否"), Italic, QStringLiteral("Arial"), 10.5}}},
              {Qt::AlignRight, {{s("end"), Underline, s("宋体"), 12}}}},
          &original);
    const QByteArray rtf = writeRtf(original);
    const QString full = original.toRawText();
    for (qsizetype n = 0; n <= rtf.size(); ++n) {
        const QString text = readText(rtf.left(n));
        // A cut inside a surrogate pair's \uN may leave two wrong characters at the end
        // ("\u-" is a word without number and a hyphen); nothing else may differ.
        QVERIFY2(full.startsWith(text.chopped(qMin<qsizetype>(2, text.size()))),
                 qPrintable(QStringLiteral("cut at %1: %2").arg(n).arg(text)));
    }
    QCOMPARE(readText(rtf), full);
}

void TstRtfRobustness::deepNesting_readsTheShallowText()
{
    const int depth = 100000;
    const QByteArray nested = QByteArray(depth, '{') + "deep" + QByteArray(depth, '}');
    QCOMPARE(readText("{\\rtf1 top " + nested + " end}"), s("top  end"));
    QCOMPARE(readText("{\\rtf1 top " + QByteArray(depth * 10, '{')), s("top "));
    QCOMPARE(readText("{\\rtf1 {{{{{{{{{{\\b shallow}}}}}}}}}} end}"), s("shallow end"));
    // As deep as mail that Outlook converted from HTML: no text is lost.
    QByteArray mail;
    for (int i = 0; i < 3000; ++i)
        mail += "{\\lang1033 " + QByteArray::number(i % 10);
    QCOMPARE(readText("{\\rtf1 " + mail + QByteArray(3000, '}') + "}").size(), 3000);
}

void TstRtfRobustness::randomBytes_readWithoutHarm()
{
    quint32 state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return char(state >> 24);
    };
    QByteArray noise("{\\rtf1\\ansi\\ansicpg936 ");
    for (int i = 0; i < 1 << 20; ++i)
        noise.append(next());
    // RTF-flavoured noise hits the control paths more often than plain noise.
    static const char *const pieces[] = {"{",         "}",     "\\",    "\\'", "\\u",
                                         "\\bin",     "\\uc",  "\\par", "\\*", "\\f",
                                         "\\fonttbl", "\\upr", "9",     "-"};
    QByteArray flavoured("{\\rtf1 ");
    for (int i = 0; i < 200000; ++i)
        flavoured.append(pieces[quint8(next()) % std::size(pieces)]);
    for (const QByteArray &input : {noise, flavoured}) {
        QTextDocument doc;
        readRtf(input, &doc);
        QVERIFY(doc.characterCount() <= input.size() + 1);
        checkRoundTrip(input);
    }
}

void TstRtfRobustness::regressionCorpus_readsAndSurvivesRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    addFiles(QStringLiteral(QUORVANE_SOURCE_DIR "/tests/rtf/rtf_regressions"));
}

void TstRtfRobustness::regressionCorpus_readsAndSurvivesRoundTrip()
{
    QFETCH(QString, file);
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    checkRoundTrip(in.readAll());
}

void TstRtfRobustness::sharedCorpus_survivesRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    const QString dir = QStringLiteral(QUORVANE_SHARED_DIR "/rtf-corpus");
    if (!QDir(dir).exists())
        QTest::newRow("absent") << QString();
    else
        addFiles(dir);
}

void TstRtfRobustness::sharedCorpus_survivesRoundTrip()
{
    QFETCH(QString, file);
    if (file.isEmpty())
        QSKIP("the shared RTF corpus is not on this machine");
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    checkRoundTrip(in.readAll());
}

QTEST_GUILESS_MAIN(TstRtfRobustness)
#include "tst_rtf_robustness.moc"
