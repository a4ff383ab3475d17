#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "rtf_placement.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <set>
#include <vector>

using namespace rtftest;

class TstRtfNotes : public QObject
{
    Q_OBJECT

private slots:
    void footnote_showsInlineAndIsWrittenAsFootnote();
    void endnote_staysEndnote();
    void chineseNoteUnderUc2_readsAndComesBack();
    void hostileNotes_giveOneNoteEachAndReadBackTheSame_data();
    void hostileNotes_giveOneNoteEachAndReadBackTheSame();
    void notes_eachHaveTheirOwnId();
    void fieldsInNotes_keepTheirCodeAndReadBackTheSame_data();
    void fieldsInNotes_keepTheirCodeAndReadBackTheSame();
    void linkTheNoteInterrupts_isWrittenAroundIt();
    void marksTheEditorBroke_areWrittenAsNoteText();
};

namespace {

QByteArray rtf(const char *body)
{
    return QByteArray("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}"
                      "{\\f1\\fswiss Arial;}}") +
           body + '}';
}

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void TstRtfNotes::footnote_showsInlineAndIsWrittenAsFootnote()
{
    const QByteArray input =
        rtf("\\f1 Text{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn}Note {\\b bold}"
            " end}\\fs32 after\\par next");
    const QString expected = s("Text<note>〔注：</><note>Note </><note b>bold</><note> end</>"
                               "<note>〕</>after|next");
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);

    QTextDocument doc;
    readRtf(input, &doc);
    // The marks take no formatting from the file, and the text after the note the
    // formatting from before it.
    QTextCursor cursor(&doc);
    cursor.setPosition(5);
    QCOMPARE(cursor.charFormat().fontPointSize(), 0.0);
    QVERIFY(cursor.charFormat().fontFamilies().toStringList().isEmpty());
    cursor.setPosition(doc.toPlainText().indexOf(u"after") + 1);
    QCOMPARE(cursor.charFormat().fontPointSize(), 16.0);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList(), QStringList{s("Arial")});

    const QByteArray written = writeRtf(doc);
    QCOMPARE(written.count("{\\footnote"), 1);
    QVERIFY(written.contains("{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn}"));
    QVERIFY(!written.contains("\\u12308")); // 〔 stays out of the file

    QTextDocument again;
    readRtf(written, &again);
    cursor = QTextCursor(&again);
    cursor.setPosition(again.toPlainText().indexOf(u"after") + 1);
    QCOMPARE(cursor.charFormat().fontPointSize(), 16.0);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList(), QStringList{s("Arial")});
}

void TstRtfNotes::endnote_staysEndnote()
{
    const QByteArray input = rtf("a{\\footnote\\ftnalt\\pard\\plain{\\super\\chftn} e}b");
    const QString expected = s("a<endnote>〔注：</><endnote> e</><endnote>〕</>b");
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);
}

void TstRtfNotes::chineseNoteUnderUc2_readsAndComesBack()
{
    const QByteArray input =
        rtf("\\uc2 \\u27491\\'d5\\'fd{\\footnote\\uc2 \\u27880\\'d7\\'a2\\u37322\\'ca\\'cd"
            "{\\b\\u21152\\'bc\\'d3}}\\u25991\\'ce\\'c4");
    const QString expected = s("正<note>〔注：</><note>注释</><note b>加</><note>〕</>文");
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);
}

void TstRtfNotes::hostileNotes_giveOneNoteEachAndReadBackTheSame_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("note in a note") << rtf("a{\\footnote b{\\footnote c}d}e") << s("a〔注：bcd〕e");
    QTest::newRow("starred note in a note")
        << rtf("a{\\footnote b{\\*\\footnote c}d}e") << s("a〔注：bcd〕e");
    QTest::newRow("starred note") << rtf("a{\\*\\footnote b}c") << s("a〔注：b〕c");
    QTest::newRow("note without text") << rtf("a{\\footnote}b") << s("a〔注：〕b");
    QTest::newRow("upr and ud inside")
        << rtf("{\\footnote x{\\upr{y}{\\*\\ud{z}}}w}v") << s("〔注：xzw〕v");
    QTest::newRow("upr in the note's own group")
        << rtf("{\\footnote\\upr{ansi}{\\*\\ud{uni}}}after") << s("〔注：uni〕after");
    QTest::newRow("uc and fallback inside")
        << rtf("{\\footnote\\uc3 \\u20013abc\\uc0\\u25991}") << s("〔注：中文〕");
    QTest::newRow("groups never closed")
        << QByteArray("{\\rtf1 a{\\footnote b{\\i c{\\b d") << s("a〔注：bcd〕");
    QTest::newRow("note is the document's group")
        << QByteArray("{\\rtf1\\footnote a}") << s("〔注：a〕");
    QTest::newRow("breaks become spaces")
        << rtf("{\\footnote w\\par x\\cell y\\row z\\page v\\sect u\\\nt}s")
        << s("〔注：w x y z v u t〕s");
    QTest::newRow("tab stays") << rtf("{\\footnote a\\tab b}") << s("〔注：a\tb〕");
    QTest::newRow("picture and object dropped")
        << rtf("{\\footnote a{\\pict\\pngblip 89504e47}b{\\object{\\*\\objdata 01}"
               "{\\result c}}d}")
        << s("〔注：abd〕");
    QTest::newRow("table words ignored")
        << rtf("{\\footnote \\trowd\\cellx100\\intbl a\\cell\\row}") << s("〔注：a  〕");
    QTest::newRow("field in a note")
        << rtf("{\\footnote {\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}")
        << s("〔注：link〕");
    QTest::newRow("note in a link")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt a{\\footnote n}b}}")
        << s("a〔注：n〕b");
    QTest::newRow("note in an instruction")
        << rtf("{\\field{\\*\\fldinst PAGE {\\footnote x}}{\\fldrslt 1}}") << s("1");
    QTest::newRow("note in the font table")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 A{\\footnote x};}}b}") << s("b");
    QTest::newRow("ftnalt and chftn in body text") << rtf("a\\ftnalt\\chftn b") << s("ab");
    QTest::newRow("mark characters inside a note")
        << rtf("{\\footnote \\u12308?\\u27880?\\u65306?x\\u12309?}") << s("〔注：〔注：x〕〕");
    QTest::newRow("note opening a paragraph")
        << rtf("a\\par{\\footnote n}\\par b") << s("a\n〔注：n〕\nb");
}

void TstRtfNotes::hostileNotes_giveOneNoteEachAndReadBackTheSame()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);
    QTextDocument doc;
    readRtf(input, &doc);
    QCOMPARE(doc.toPlainText(), text);

    // The note's characters run from its opening mark to its closing one, with one id.
    QString plain;
    std::vector<int> noteIds;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin()) {
            plain += u'\n';
            noteIds.push_back(0);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString text = it.fragment().text();
            // A note's marks are never part of a field, whatever the note holds.
            if (text.contains(s("〔注：")) || text.contains(u'〕'))
                QVERIFY(!format.isAnchor() && !format.hasProperty(RtfFormat::FieldInstruction));
            plain += text;
            noteIds.insert(noteIds.end(), size_t(it.fragment().length()),
                           format.intProperty(RtfFormat::NoteId));
        }
    }
    std::set<int> ids;
    int first = -1;
    int last = -1;
    for (int i = 0; i < plain.size(); ++i) {
        if (noteIds[size_t(i)] == 0)
            continue;
        ids.insert(noteIds[size_t(i)]);
        if (first < 0)
            first = i;
        if (last >= 0)
            QCOMPARE(last, i - 1);
        last = i;
    }
    QVERIFY(ids.size() <= 1);
    QCOMPARE(ids.size() == 1, text.contains(s("〔注：")));
    if (!ids.empty()) {
        QCOMPARE(plain.mid(first, 3), s("〔注："));
        QCOMPARE(plain[last], QChar(u'〕'));
    }
    QCOMPARE(rereadPlacement(input), readPlacement(input));
}

void TstRtfNotes::notes_eachHaveTheirOwnId()
{
    // Two notes side by side stay two notes, however alike.
    const QByteArray input = rtf("{\\footnote a}{\\footnote a}b{\\footnote}{\\footnote}");
    QTextDocument doc;
    readRtf(input, &doc);
    QCOMPARE(doc.toPlainText(), s("〔注：a〕〔注：a〕b〔注：〕〔注：〕"));
    const QByteArray written = writeRtf(doc);
    QCOMPARE(written.count("{\\footnote"), 4);
    QTextDocument again;
    readRtf(written, &again);
    QCOMPARE(again.toPlainText(), doc.toPlainText());
}

void TstRtfNotes::fieldsInNotes_keepTheirCodeAndReadBackTheSame_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("link in a footnote")
        << rtf("a{\\footnote see {\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}} end}b")
        << s("a<note>〔注：</><note>see </><href=u field=HYPERLINK \"u\" note>link</><note> "
             "end</><note>〕</>b");
    QTest::newRow("other field in an endnote")
        << rtf("{\\footnote\\ftnalt p{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}")
        << s("<endnote>〔注：</><endnote>p</><field=PAGE endnote>3</><endnote>〕</>");
    QTest::newRow("two links side by side")
        << rtf("{\\footnote{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt x}}"
               "{\\field{\\*\\fldinst HYPERLINK \"v\"}{\\fldrslt y}}}")
        << s("<note>〔注：</><href=u field=HYPERLINK \"u\" note>x</><href=v field=HYPERLINK \"v\" "
             "note>y</><note>〕</>");
    QTest::newRow("note ending inside a link's result")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt a{\\footnote n}b}}")
        << s("<href=u field=HYPERLINK \"u\">a</><note>〔注：</><note>n</><note>〕</><href=u "
             "field=HYPERLINK \"u\">b</>");
    QTest::newRow("note inside a link inside a note")
        << rtf("{\\footnote{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt x{\\footnote y}z}}}")
        << s("<note>〔注：</><href=u field=HYPERLINK \"u\" note>xyz</><note>〕</>");
    QTest::newRow("note inside the code of a field in a note")
        << rtf("{\\footnote{\\field{\\*\\fldinst HYPERLINK {\\footnote q}\"u\"}{\\fldrslt x}}}")
        << s("<note>〔注：</><href=u field=HYPERLINK \"u\" note>x</><note>〕</>");
    QTest::newRow("field inside the code of a field in a note")
        << rtf("{\\footnote{\\field{\\*\\fldinst PAGE{\\field{\\*\\fldinst X}{\\fldrslt q}}}"
               "{\\fldrslt 1}}}")
        << s("<note>〔注：</><field=PAGEXq note>1</><note>〕</>");
    QTest::newRow("picture inside the code of a field in a note")
        << rtf("{\\footnote{\\field{\\*\\fldinst PAGE{\\pict\\pngblip 89}}{\\fldrslt 1}}}")
        << s("<note>〔注：</><field=PAGE note>1</><note>〕</>");
    QTest::newRow("code in a note, result after it")
        << rtf("{\\field{\\footnote{\\*\\fldinst HYPERLINK \"u\"}n}{\\fldrslt r}}")
        << s("<note>〔注：</><note>n</><note>〕</><href=u field=HYPERLINK \"u\">r</>");
    QTest::newRow("code before a note, result in it")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\footnote{\\fldrslt r}n}}")
        << s("<note>〔注：</><href=u field=HYPERLINK \"u\" note>r</><note>n</><note>〕</>");
    QTest::newRow("link never closed in a note")
        << QByteArray("{\\rtf1 a{\\footnote{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt x")
        << s("a<note>〔注：</><href=u field=HYPERLINK \"u\" note>x</><note>〕</>");
}

void TstRtfNotes::fieldsInNotes_keepTheirCodeAndReadBackTheSame()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(readPlacement(input), expected);
    QCOMPARE(rereadPlacement(input), expected);
}

void TstRtfNotes::linkTheNoteInterrupts_isWrittenAroundIt()
{
    // A link made in the editor over text on both sides of a note's closing mark.
    QTextDocument doc;
    readRtf(rtf("a{\\footnote nm}bc"), &doc);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.com/"));
    QTextCursor cursor(&doc);
    for (const auto &[from, to] : {std::pair(5, 6), std::pair(7, 8)}) {
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(link);
    }
    const QString before = placement(doc);
    QVERIFY(before.contains(s("<href=https://example.com/ note>m</>")));
    const QByteArray written = writeRtf(doc);
    QCOMPARE(written.count("{\\field"), 2);
    QTextDocument again;
    readRtf(written, &again);
    QCOMPARE(placement(again).remove(QStringLiteral(" field=HYPERLINK \"https://example.com/\"")),
             before);
}

void TstRtfNotes::marksTheEditorBroke_areWrittenAsNoteText()
{
    // A note whose closing mark was deleted keeps all of its text, the opening mark too.
    QTextDocument doc;
    readRtf(rtf("a{\\footnote n}b"), &doc);
    QTextCursor cursor(&doc);
    cursor.setPosition(5);
    cursor.deleteChar();
    QCOMPARE(doc.toPlainText(), s("a〔注：nb"));
    QTextDocument again;
    readRtf(writeRtf(doc), &again);
    QCOMPARE(again.toPlainText(), s("a〔注：〔注：n〕b"));
}

QTEST_GUILESS_MAIN(TstRtfNotes)
#include "tst_rtf_notes.moc"
