#include "results/transfer_block.h"

#include <QDateTime>
#include <QLocale>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

class TestTransferBlock : public QObject
{
    Q_OBJECT

private slots:
    void dateTime_inLocaleStyleToTheSecond_data();
    void dateTime_inLocaleStyleToTheSecond();
    void text_isHeadingSentenceDateAndExplanationLine();
    void append_keepsEverythingBeforeAndUsesDefaultFont();
};

void TestTransferBlock::dateTime_inLocaleStyleToTheSecond_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");
    const QDateTime evening(QDate(2026, 12, 7), QTime(20, 57, 9));
    const QDateTime midnight(QDate(2026, 1, 2), QTime(0, 0));
    const QDateTime afterMidnight(QDate(2026, 1, 2), QTime(0, 0, 1));
    QTest::newRow("Chinese") << "zh_CN" << evening << "2026/12/7 20:57:09";
    QTest::newRow("Chinese, midnight") << "zh_CN" << midnight << "2026/1/2";
    QTest::newRow("Chinese, one second after") << "zh_CN" << afterMidnight << "2026/1/2 00:00:01";
    QTest::newRow("US") << "en_US" << evening << "12/7/26 8:57:09 PM";
    QTest::newRow("German") << "de_DE" << evening << "07.12.26 20:57:09";
}

void TestTransferBlock::dateTime_inLocaleStyleToTheSecond()
{
    QFETCH(QString, locale);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QCOMPARE(TransferBlock::dateTimeText(when, QLocale(locale)), expected);
}

void TestTransferBlock::text_isHeadingSentenceDateAndExplanationLine()
{
    QCOMPARE(
        TransferBlock::text(QStringLiteral("      题目名称：《"),
                            QStringLiteral("伯努利防水压缩机"),
                            QStringLiteral("2026/12/7 20:57:09")),
        QStringLiteral("\n\n      题目名称：《伯努利防水压缩机》2026/12/7 20:57:09\n简要说明：\n"));
    QCOMPARE(
        TransferBlock::text(QStringLiteral("      问题提示：《"), QString(), QStringLiteral("D")),
        QStringLiteral("\n\n      问题提示：《》D\n简要说明：\n"));
}

void TestTransferBlock::append_keepsEverythingBeforeAndUsesDefaultFont()
{
    QTextDocument doc;
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    QTextCursor cursor(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontFamilies({QStringLiteral("Noto Serif")});
    cursor.insertText(QStringLiteral("粗体标题"), bold);

    const QString block = TransferBlock::text(QStringLiteral("      思路提示："),
                                              QStringLiteral("S"), QStringLiteral("D"));
    const int end = TransferBlock::appendTo(&doc, block);

    QCOMPARE(doc.toPlainText(), QStringLiteral("粗体标题") + block);
    QCOMPARE(end, doc.characterCount() - 1);
    const QTextBlock first = doc.firstBlock();
    QCOMPARE(first.blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(first.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    for (QTextBlock b = first.next(); b.isValid(); b = b.next()) {
        QCOMPARE(b.blockFormat().alignment(), QTextBlockFormat().alignment());
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QCOMPARE(format.font().family(), QStringLiteral("宋体"));
            QVERIFY(format.fontWeight() != QFont::Bold);
        }
    }
}

QTEST_GUILESS_MAIN(TestTransferBlock)
#include "tst_transfer_block.moc"
