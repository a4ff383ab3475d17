#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <functional>

// Lists and tables: what the reader makes of them, and that a document's structure comes
// back unchanged through the writer.
class TstRtfStructure : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_keepsStructure_data();
    void roundTrip_keepsStructure();
    void reader_buildsListsAndTables_data();
    void reader_buildsListsAndTables();
    void reader_tableColumnWidthsAreFixedLengths();
    void writer_speaksEveryReadersWords();
    void hostileInput_isHarmlessAndStable_data();
    void hostileInput_isHarmlessAndStable();
    void hugeTable_opensQuickly();
};

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString styleName(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDisc:
        return QStringLiteral("disc");
    case QTextListFormat::ListCircle:
        return QStringLiteral("circle");
    case QTextListFormat::ListSquare:
        return QStringLiteral("square");
    case QTextListFormat::ListDecimal:
        return QStringLiteral("decimal");
    case QTextListFormat::ListLowerAlpha:
        return QStringLiteral("alpha");
    case QTextListFormat::ListUpperAlpha:
        return QStringLiteral("ALPHA");
    case QTextListFormat::ListLowerRoman:
        return QStringLiteral("roman");
    case QTextListFormat::ListUpperRoman:
        return QStringLiteral("ROMAN");
    default:
        return QStringLiteral("style%1").arg(int(style));
    }
}

// One line per paragraph: the cells around it, outermost first ("t0 r1c2 2x1" for a cell
// of the document's first table spanning two rows), its list ("decimal/2 #3 'a' ')' from 5"
// for the third item of a second-level list), its text.
QString describe(const QTextDocument &doc)
{
    QHash<const QTextObject *, int> tables;
    QHash<const QTextObject *, int> lists;
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QStringList parts;
        QStringList cells;
        for (QTextFrame *frame = QTextCursor(block).currentFrame(); frame;
             frame = frame->parentFrame()) {
            auto *table = qobject_cast<QTextTable *>(frame);
            if (!table)
                continue;
            const QTextTableCell cell = table->cellAt(block.position());
            const int number = tables.value(table, int(tables.size()));
            tables.insert(table, number);
            QString text =
                QStringLiteral("t%1 r%2c%3").arg(number).arg(cell.row()).arg(cell.column());
            if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
                text += QStringLiteral(" %1x%2").arg(cell.rowSpan()).arg(cell.columnSpan());
            cells.prepend(text);
        }
        if (!cells.isEmpty())
            parts << u'[' + cells.join(QStringLiteral("] [")) + u']';
        if (QTextList *list = block.textList()) {
            const QTextListFormat format = list->format();
            const int number = lists.value(list, int(lists.size()));
            lists.insert(list, number);
            QString text = QStringLiteral("L%1 %2/%3 #%4")
                               .arg(number)
                               .arg(styleName(format.style()))
                               .arg(format.indent())
                               .arg(list->itemNumber(block) + 1);
            if (format.style() <= QTextListFormat::ListDecimal) {
                text += QStringLiteral(" '%1' '%2'")
                            .arg(format.numberPrefix(),
                                 format.hasProperty(QTextFormat::ListNumberSuffix)
                                     ? format.numberSuffix()
                                     : QStringLiteral("."));
                if (format.hasProperty(RtfFormat::ListStart))
                    text +=
                        QStringLiteral(" from %1").arg(format.intProperty(RtfFormat::ListStart));
            }
            parts << text;
        }
        parts << block.text();
        lines << parts.join(u' ');
    }
    return lines.join(u'\n');
}

QTextListFormat listFormat(QTextListFormat::Style style, int indent)
{
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(indent);
    return format;
}

using Builder = std::function<void(QTextCursor &)>;

QTextTableFormat fixedColumns(std::initializer_list<qreal> widths)
{
    QTextTableFormat format;
    QList<QTextLength> lengths;
    for (const qreal width : widths)
        lengths << QTextLength(QTextLength::FixedLength, width);
    format.setColumnWidthConstraints(lengths);
    return format;
}

void fillCells(QTextTable *table, const QString &prefix)
{
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            QTextCursor cell = table->cellAt(r, c).firstCursorPosition();
            cell.insertText(prefix + QString::number(r) + QString::number(c));
        }
    }
}

QString readBack(const QByteArray &rtf, QTextDocument *doc)
{
    readRtf(rtf, doc);
    return describe(*doc);
}

} // namespace

Q_DECLARE_METATYPE(Builder)

void TstRtfStructure::roundTrip_keepsStructure_data()
{
    QTest::addColumn<Builder>("build");

    QTest::newRow("bullets") << Builder([](QTextCursor &c) {
        c.insertText(s("前言"));
        c.insertBlock();
        QTextList *list = c.createList(listFormat(QTextListFormat::ListDisc, 1));
        c.insertText(s("圆点一"));
        c.insertBlock();
        c.insertText(s("圆点二"));
        c.insertBlock(QTextBlockFormat());
        c.insertText(s("中间"));
        c.insertBlock();
        c.createList(listFormat(QTextListFormat::ListCircle, 1));
        c.insertText(s("圈"));
        c.insertBlock(QTextBlockFormat());
        c.createList(listFormat(QTextListFormat::ListSquare, 1));
        c.insertText(s("方块"));
        Q_UNUSED(list);
    });
    QTest::newRow("numbering") << Builder([](QTextCursor &c) {
        QTextListFormat decimal = listFormat(QTextListFormat::ListDecimal, 1);
        c.createList(decimal);
        c.insertText(s("第一"));
        c.insertBlock();
        c.insertText(s("第二"));
        c.insertBlock(QTextBlockFormat());
        QTextListFormat alpha = listFormat(QTextListFormat::ListLowerAlpha, 1);
        alpha.setNumberSuffix(QStringLiteral(")"));
        c.createList(alpha);
        c.insertText(QStringLiteral("a"));
        c.insertBlock(QTextBlockFormat());
        QTextListFormat roman = listFormat(QTextListFormat::ListUpperRoman, 1);
        roman.setNumberPrefix(s("（"));
        roman.setNumberSuffix(s("）"));
        roman.setProperty(RtfFormat::ListStart, 4);
        c.createList(roman);
        c.insertText(QStringLiteral("IV"));
        c.insertBlock();
        c.insertText(QStringLiteral("V"));
        c.insertBlock(QTextBlockFormat());
        c.createList(listFormat(QTextListFormat::ListUpperAlpha, 1));
        c.insertText(QStringLiteral("A"));
        c.insertBlock(QTextBlockFormat());
        c.createList(listFormat(QTextListFormat::ListLowerRoman, 1));
        c.insertText(QStringLiteral("i"));
        c.insertBlock(QTextBlockFormat());
        c.createList(listFormat(QTextListFormat::ListStyleUndefined, 1));
        c.insertText(s("无编号"));
    });
    QTest::newRow("nested list") << Builder([](QTextCursor &c) {
        QTextList *outer = c.createList(listFormat(QTextListFormat::ListDecimal, 1));
        c.insertText(s("外一"));
        c.insertBlock();
        c.createList(listFormat(QTextListFormat::ListLowerAlpha, 2));
        c.insertText(s("内一"));
        c.insertBlock();
        c.insertText(s("内二"));
        c.insertBlock();
        c.createList(listFormat(QTextListFormat::ListSquare, 3));
        c.insertText(s("更深"));
        c.insertBlock();
        outer->add(c.block());
        c.insertText(s("外二"));
        c.insertBlock();
        c.createList(listFormat(QTextListFormat::ListLowerAlpha, 2));
        c.insertText(s("新的内一"));
    });
    QTest::newRow("table with widths") << Builder([](QTextCursor &c) {
        c.insertText(s("表前"));
        c.insertBlock();
        QTextTable *table = c.insertTable(3, 3, fixedColumns({100, 50, 150}));
        fillCells(table, s("格"));
        QTextCursor cell = table->cellAt(1, 1).lastCursorPosition();
        cell.insertBlock();
        cell.insertText(s("第二段"));
        c.movePosition(QTextCursor::End);
        c.insertText(s("表后"));
    });
    QTest::newRow("merged cells") << Builder([](QTextCursor &c) {
        QTextTable *table = c.insertTable(4, 4, fixedColumns({60, 60, 60, 60}));
        fillCells(table, QStringLiteral("c"));
        table->mergeCells(0, 0, 1, 2); // across
        table->mergeCells(1, 3, 3, 1); // down
        table->mergeCells(2, 0, 2, 2); // both
    });
    QTest::newRow("nested table") << Builder([](QTextCursor &c) {
        QTextTable *outer = c.insertTable(2, 2, fixedColumns({200, 100}));
        fillCells(outer, QStringLiteral("o"));
        QTextCursor inCell = outer->cellAt(0, 1).lastCursorPosition();
        inCell.insertBlock();
        QTextTable *inner = inCell.insertTable(2, 3, fixedColumns({30, 30, 40}));
        fillCells(inner, QStringLiteral("i"));
        inner->mergeCells(1, 0, 1, 2);
        QTextCursor deeper = inner->cellAt(0, 2).lastCursorPosition();
        QTextTable *third = deeper.insertTable(1, 1, fixedColumns({20}));
        fillCells(third, QStringLiteral("d"));
    });
    QTest::newRow("list in a table") << Builder([](QTextCursor &c) {
        QTextTable *table = c.insertTable(1, 2, fixedColumns({100, 100}));
        QTextCursor cell = table->cellAt(0, 0).firstCursorPosition();
        cell.createList(listFormat(QTextListFormat::ListDisc, 1));
        cell.insertText(s("格中圆点"));
        cell.insertBlock();
        cell.insertText(s("又一个"));
        table->cellAt(0, 1).firstCursorPosition().insertText(s("右"));
    });
}

void TstRtfStructure::roundTrip_keepsStructure()
{
    QFETCH(Builder, build);
    QTextDocument original;
    QTextCursor cursor(&original);
    build(cursor);
    const QString expected = describe(original);

    QTextDocument once;
    QCOMPARE(readBack(writeRtf(original), &once), expected);
    QTextDocument twice;
    QCOMPARE(readBack(writeRtf(once), &twice), expected);
}

// Qt keeps a paragraph before a table that starts a document or a cell: the empty lines
// before the tables below.
void TstRtfStructure::reader_buildsListsAndTables_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const QByteArray wordLists =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f3 Symbol;}}"
        "{\\*\\listtable{\\list\\listtemplateid7"
        "{\\listlevel\\levelnfc23\\levelstartat1{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}\\f3}"
        "{\\listlevel\\levelnfc23{\\leveltext\\'01o;}{\\levelnumbers;}}"
        "{\\listname ;}\\listid100}"
        "{\\list{\\listlevel\\levelnfc0\\levelstartat3{\\leveltext\\'02\\'00);}{\\levelnumbers\\'"
        "01;}}"
        "{\\listlevel\\levelnfc4{\\leveltext\\'03(\\'01);}{\\levelnumbers\\'02;}}\\listid200}}"
        "{\\*\\listoverridetable{\\listoverride\\listid100\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid200\\listoverridecount0\\ls2}}"
        "\\pard\\ls1\\ilvl0{\\listtext\\f3 \\'b7\\tab}one\\par"
        "\\pard\\ls1\\ilvl1{\\listtext o\\tab}two\\par"
        "\\pard\\ls2\\ilvl0{\\listtext 3)\\tab}three\\par"
        "\\pard\\ls2\\ilvl1{\\listtext (a)\\tab}four\\par"
        "\\pard\\ls2\\ilvl0{\\listtext 4)\\tab}five\\par"
        "\\pard\\ls2\\ilvl1{\\listtext (a)\\tab}six\\par}";
    QTest::newRow("Word lists") << wordLists
                                << s("L0 disc/1 #1 one\n"
                                     "L1 circle/2 #1 two\n"
                                     "L2 decimal/1 #1 '' ')' from 3 three\n"
                                     "L3 alpha/2 #1 '(' ')' four\n"
                                     "L2 decimal/1 #2 '' ')' from 3 five\n"
                                     "L4 alpha/2 #1 '(' ')' six");

    QTest::newRow("WordPad lists")
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0 SimSun;}{\\f1 Symbol;}}"
               "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
               "\\fi-720\\li720 a\\par{\\pntext\\f1\\'B7\\tab}b\\par"
               "\\pard plain\\par"
               "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec"
               "{\\pntxta.}}\\fi-360\\li720 c\\par{\\pntext\\f0 2.\\tab}d\\par\\pard}")
        << s("L0 disc/1 #1 a\nL0 disc/1 #2 b\nplain\nL1 decimal/1 #1 '' '.' c\n"
             "L1 decimal/1 #2 '' '.' d");
    QTest::newRow("override number zero, as LibreOffice writes it")
        << QByteArray(
               "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u61623 ?;}}"
               "\\listid1}}{\\listoverridetable{\\listoverride\\listid1\\ls0}}"
               "\\pard{\\listtext\\u61623 ?\\tab}\\ls0\\li720 z\\par}")
        << s("L0 disc/1 #1 z");
    QTest::newRow("level without a number, as LibreOffice writes headings")
        << QByteArray("{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc255{\\leveltext \\'00;}}"
                      "\\listid1}}{\\listoverridetable{\\listoverride\\listid1\\ls1}}"
                      "\\pard\\ilvl0{\\listtext\\pard\\plain \\tab}\\ls1 heading\\par}")
        << s("L0 style0/1 #1 heading");
    QTest::newRow("old numbering's styles, start, texts and levels")
        << QByteArray("{\\rtf1{\\*\\pn\\pnlvlbody\\pnucrm\\pnstart3{\\pntxtb (}{\\pntxta )}}x\\par"
                      "{\\*\\pn\\pnlvlblt{\\pntxtb o}}y\\par{\\*\\pn\\pnlvl3\\pnlcltr}z\\par"
                      "{\\*\\pn\\pnlvlcont}w\\par}")
        << s("L0 ROMAN/1 #1 '(' ')' from 3 x\nL1 circle/1 #1 y\nL2 alpha/3 #1 '' '' z\nw");
    QTest::newRow("list override that points nowhere keeps its text")
        << QByteArray("{\\rtf1\\pard\\ls9\\ilvl0{\\listtext 1.\\tab}x\\par}") << s("1.\tx");
    QTest::newRow("unknown override falls back to old numbering")
        << QByteArray("{\\rtf1{\\pntext\\pard\\plain 1.\\tab}{\\*\\pn\\pnlvlbody\\pnstart1\\pndec"
                      "\\ls3\\ilvl0\\pnhang{\\pntxta \\'2e}}\\ls3\\ilvl0 A\\par B\\par}")
        << s("L0 decimal/1 #1 '' '.' A\nL0 decimal/1 #2 '' '.' B");

    QTest::newRow("intbl after the text")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx1000\\cellx2000\\cellx3000\n"
                      "cell 1\\intbl\\cell\ncell 2\\intbl\\cell\ncell 3\\intbl\\cell\n\\row\n}")
        << s("\n[t0 r0c0] cell 1\n[t0 r0c1] cell 2\n[t0 r0c2] cell 3\n");
    QTest::newRow("rows and paragraphs in cells")
        << QByteArray(
               "{\\rtf1\\trowd\\cellx100\\cellx200\\pard\\intbl a\\par b\\cell c\\cell\\row"
               "\\trowd\\cellx100\\cellx200\\pard\\intbl d\\cell e\\cell\\row\\pard after\\par}")
        << s("\n[t0 r0c0] a\n[t0 r0c0] b\n[t0 r0c1] c\n[t0 r1c0] d\n[t0 r1c1] e\nafter");
    QTest::newRow("merges across and down")
        << QByteArray(
               "{\\rtf1\\trowd\\clmgf\\cellx100\\clmrg\\cellx200\\clvmgf\\cellx300"
               "\\intbl a\\cell\\cell b\\cell\\row"
               "\\trowd\\cellx100\\cellx200\\clvmrg\\cellx300\\intbl c\\cell d\\cell\\cell\\row}")
        << s("\n[t0 r0c0 1x2] a\n[t0 r0c2 2x1] b\n[t0 r1c0] c\n[t0 r1c1] d\n");
    QTest::newRow("wide cell of a later row spans the columns it covers")
        << QByteArray(
               "{\\rtf1\\trowd\\cellx100\\cellx200\\cellx300\\intbl a\\cell b\\cell c\\cell\\row"
               "\\trowd\\cellx200\\cellx300\\intbl wide\\cell d\\cell\\row"
               "\\trowd\\clvmgf\\cellx100\\cellx300\\intbl e\\cell f\\cell\\row"
               "\\trowd\\clvmrg\\cellx100\\cellx200\\cellx300\\intbl\\cell g\\cell h\\cell\\row}")
        << s("\n[t0 r0c0] a\n[t0 r0c1] b\n[t0 r0c2] c\n[t0 r1c0 1x2] wide\n[t0 r1c2] d\n"
             "[t0 r2c0 2x1] e\n[t0 r2c1 1x2] f\n[t0 r3c1] g\n[t0 r3c2] h\n");
    QTest::newRow("Word nested table")
        << QByteArray(
               "{\\rtf1\\trowd\\cellx3000\\cellx6000"
               "\\pard\\intbl outer\\cell"
               "\\pard\\intbl\\itap2 x\\nestcell y\\nestcell"
               "\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}"
               "{\\nonesttables\\par}"
               "\\pard\\intbl\\itap1 tail\\cell\\row\\pard}")
        << s("\n[t0 r0c0] outer\n[t0 r0c1] \n[t0 r0c1] [t1 r0c0] x\n[t0 r0c1] [t1 r0c1] y\n[t0 "
             "r0c1] tail\n");
}

void TstRtfStructure::reader_buildsListsAndTables()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument doc;
    QCOMPARE(readBack(rtf, &doc), expected);
}

void TstRtfStructure::reader_tableColumnWidthsAreFixedLengths()
{
    QTextDocument doc;
    readRtf("{\\rtf1\\trowd\\trleft-150\\cellx1350\\cellx4350\\intbl a\\cell b\\cell\\row}", &doc);
    QTextTable *table = QTextCursor(doc.begin().next()).currentTable();
    QVERIFY(table);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].type(), QTextLength::FixedLength);
    QCOMPARE(widths[0].rawValue(), 100.0); // 1500 twips
    QCOMPARE(widths[1].rawValue(), 200.0);
}

void TstRtfStructure::writer_speaksEveryReadersWords()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.createList(listFormat(QTextListFormat::ListDecimal, 1));
    c.insertText(QStringLiteral("item"));
    c.insertBlock(QTextBlockFormat());
    QTextTable *table = c.insertTable(1, 2, fixedColumns({100, 200}));
    QTextCursor inCell = table->cellAt(0, 1).firstCursorPosition();
    inCell.insertTable(1, 1);
    const QByteArray rtf = writeRtf(doc);

    for (const char *words :
         {"{\\*\\listtable", "{\\*\\listoverridetable", "\\ls1\\ilvl0", "{\\listtext 1.\\tab}",
          "{\\*\\pn\\pnlvlbody\\pndec\\pnstart1", "\\trowd", "\\cellx1500", "\\cellx4500",
          "\\intbl", "\\cell", "\\row", "\\itap2", "\\nestcell", "{\\*\\nesttableprops\\trowd",
          "\\nestrow}", "{\\nonesttables\\par}"})
        QVERIFY2(rtf.contains(words), words);
    // The list tables stand in the header, before the first paragraph.
    QVERIFY(rtf.indexOf("\\listtable") < rtf.indexOf("\\pard"));
}

void TstRtfStructure::hostileInput_isHarmlessAndStable_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text"); // what the document must still say

    QByteArray deepLevels = "{\\rtf1{\\*\\listtable{\\list";
    for (int i = 0; i < 100; ++i)
        deepLevels += "{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}";
    deepLevels += "\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}";
    for (int i = 0; i < 100; ++i)
        deepLevels += "\\pard\\ls1\\ilvl" + QByteArray::number(i) + " x\\par";
    deepLevels += "}";
    QTest::newRow("list 100 levels deep") << deepLevels << QString(100, u'x');

    QByteArray deepPn = "{\\rtf1";
    for (int i = 1; i <= 100; ++i)
        deepPn += "{\\*\\pn\\pnlvl" + QByteArray::number(i) + "\\pndec{\\pntxta.}}y\\par";
    deepPn += "}";
    QTest::newRow("old numbering 100 levels deep") << deepPn << QString(100, u'y');

    QByteArray deepTables = "{\\rtf1";
    for (int i = 1; i <= 100; ++i)
        deepTables += "\\pard\\intbl\\itap" + QByteArray::number(i) + " d\\nestcell";
    deepTables += "}";
    QTest::newRow("tables 100 deep") << deepTables << QString(100, u'd');

    QTest::newRow("override pointing nowhere")
        << QByteArray("{\\rtf1\\pard\\ls77\\ilvl3 z\\par\\ls-5 w\\par}") << s("zw");
    QTest::newRow("more cells than cellx")
        << QByteArray("{\\rtf1\\trowd\\cellx100\\intbl a\\cell b\\cell c\\cell\\row}") << s("abc");
    QTest::newRow("cell outside a row") << QByteArray("{\\rtf1 a\\cell b\\par}") << s("ab");
    QTest::newRow("row without cells")
        << QByteArray("{\\rtf1 a\\par\\row\\trowd\\cellx100\\row\\nestrow b\\par}") << s("ab");
    QTest::newRow("table unclosed at the end")
        << QByteArray("{\\rtf1\\trowd\\cellx100\\cellx200\\intbl a\\cell b") << s("ab");
    QTest::newRow("list text in a cell, nested row alone")
        << QByteArray("{\\rtf1\\intbl{\\listtext 9.\\tab}\\ls4 q\\nestrow\\cell\\row}")
        << s("9.\tq");
}

void TstRtfStructure::hostileInput_isHarmlessAndStable()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    const QString first = readBack(rtf, &doc);
    QString plain = doc.toPlainText();
    plain.remove(u'\n');
    QCOMPARE(plain, text);
    QTextDocument again;
    QCOMPARE(readBack(writeRtf(doc), &again), first);
}

void TstRtfStructure::hugeTable_opensQuickly()
{
    constexpr int kRows = 10000;
    constexpr int kColumns = 10;
    QByteArray rtf = "{\\rtf1\\ansi";
    QByteArray row = "\\trowd";
    for (int c = 1; c <= kColumns; ++c)
        row += "\\cellx" + QByteArray::number(c * 800);
    row += "\\pard\\intbl";
    for (int c = 0; c < kColumns; ++c)
        row += " v" + QByteArray::number(c) + "\\cell";
    row += "\\row\n";
    rtf += row.repeated(kRows) + "}";

    QElapsedTimer timer;
    timer.start();
    QTextDocument doc;
    readRtf(rtf, &doc);
    const qint64 elapsed = timer.elapsed();
    QTextTable *table = QTextCursor(doc.begin().next()).currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), kRows);
    QCOMPARE(table->columns(), kColumns);
    QCOMPARE(table->cellAt(kRows - 1, kColumns - 1).firstCursorPosition().block().text(),
             QStringLiteral("v9"));
    QVERIFY2(elapsed < 15000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

QTEST_GUILESS_MAIN(TstRtfStructure)
#include "tst_rtf_structure.moc"
