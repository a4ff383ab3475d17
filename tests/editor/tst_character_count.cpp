#include "editor/character_count.h"
#include "editor/character_tally.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "support/typing.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestCharacterCount : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void countIn_skipsWhiteSpace_data();
    void countIn_skipsWhiteSpace();
    void tally_followsChangesPieceByPiece();
    void label_withAndWithoutSelection();
    void label_followsTypingUndoAndWholeContentChanges();
    void label_followsAnOpenedFile();

private:
    QTemporaryDir m_home;
};

void TestCharacterCount::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
}

void TestCharacterCount::countIn_skipsWhiteSpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("chinese and punctuation") << u"发明，专利。"_s << 6;
    QTest::newRow("blanks of every kind") << u" a\tb\u3000c\u00A0d\u2029e\n"_s << 5;
    QTest::newRow("a character beyond the BMP is one") << u"𠀀x"_s << 2;
    QTest::newRow("frame marks are not text") << u"\uFDD0表\uFDD1"_s << 1;
}

void TestCharacterCount::countIn_skipsWhiteSpace()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(CharacterTally::countIn(text), count);
}

void TestCharacterCount::tally_followsChangesPieceByPiece()
{
    CharacterTally tally;
    tally.reset(u"一二 三"_s);
    QCOMPARE(tally.count(), 3);
    QVERIFY(tally.apply(2, 1, u"四五"_s)); // the blank gives way to two characters
    QCOMPARE(tally.count(), 5);
    QVERIFY(tally.apply(0, 2, QString()));
    QCOMPARE(tally.count(), 3);
    QVERIFY(!tally.apply(2, 5, QString())); // past the end: refused, nothing changed
    QCOMPARE(tally.count(), 3);
    QCOMPARE(tally.length(), 3);
}

void TestCharacterCount::label_withAndWithoutSelection()
{
    EditorPage page;
    auto *label = page.findChild<CharacterCount *>(u"characterCount"_s);
    QVERIFY(label);
    label->flush();
    // the heading: thirty blanks and 31 characters
    QCOMPARE(label->text(), u"字数：31"_s);
    selectRange(page.editor(), 28, 40);
    label->flush();
    QCOMPARE(label->text(), u"字数：31（选中 10）"_s);
    selectRange(page.editor(), 0, 30);
    label->flush();
    QCOMPARE(label->text(), u"字数：31（选中 0）"_s);
}

void TestCharacterCount::label_followsTypingUndoAndWholeContentChanges()
{
    EditorPage page;
    page.show();
    auto *label = page.findChild<CharacterCount *>(u"characterCount"_s);
    RichTextBox *edit = page.editor();
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    typeText(edit, u"\n新 发明"_s);
    label->flush();
    QCOMPARE(label->text(), u"字数：34"_s);
    QTRY_COMPARE(label->text(), u"字数：34"_s); // and the pause's own update agrees
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    label->flush();
    QCOMPARE(label->text(), u"字数：33"_s);
    page.Toolbar1_ButtonClick(u"new"_s);
    label->flush();
    QCOMPARE(label->text(), u"字数：31"_s);
    page.appendTransfer(u"      题目名称：《"_s, u"电动伞"_s,
                        QDateTime(QDate(2026, 12, 8), QTime(0, 0)));
    label->flush();
    QCOMPARE(label->count(), CharacterTally::countIn(edit->toPlainText()));
    // bold over everything reports the whole text as changed; the count stays right
    edit->selectAll();
    page.Toolbar1_ButtonClick(u"cuti"_s);
    label->flush();
    QCOMPARE(label->count(), CharacterTally::countIn(edit->toPlainText()));
}

void TestCharacterCount::label_followsAnOpenedFile()
{
    EditorPage page;
    auto *label = page.findChild<CharacterCount *>(u"characterCount"_s);
    const QString path = m_home.filePath(u"opened.txt"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(u"打开 的文件"_s.toUtf8().prepend("\xEF\xBB\xBF"));
    file.close();
    QVERIFY(page.openFrom(path));
    label->flush();
    QCOMPARE(label->text(), u"字数：5"_s);
    page.editor()->moveCursor(QTextCursor::End);
    typeText(page.editor(), u"再写"_s);
    label->flush();
    QCOMPARE(label->text(), u"字数：7"_s);
}

QTEST_MAIN(TestCharacterCount)
#include "tst_character_count.moc"
