#include "idea/idea_hint.h"

#include <QtTest>

using IdeaHint::Piece;

class TestIdeaHint : public QObject
{
    Q_OBJECT

private slots:
    void join_data();
    void join();
};

void TestIdeaHint::join_data()
{
    QTest::addColumn<QList<Piece>>("pieces");
    QTest::addColumn<bool>("randomMode");
    QTest::addColumn<QString>("hint");

    const QList<Piece> tentative = {
        {QStringLiteral("研究"), QStringLiteral("割草机"), {}},
        {QStringLiteral("可否"), QStringLiteral("部件换位"), {}},
        {QStringLiteral("能否引入"), QStringLiteral("扇"), QStringLiteral("的原理")},
        {QStringLiteral("快速"), QStringLiteral("充电"), QStringLiteral("如何")},
        {QStringLiteral("需要"), QStringLiteral("便携"), QStringLiteral("吗")},
        {QStringLiteral("能用在"), QStringLiteral("餐馆"), QStringLiteral("环境吗")}};
    QTest::newRow("combine")
        << tentative << false
        << QStringLiteral("研究割草机,可否部件换位,能否引入扇的原理,快速充电如何,需要便携吗,"
                          "能用在餐馆环境吗");
    QTest::newRow("random puts a colon after column 0")
        << tentative << true
        << QStringLiteral("研究割草机:可否部件换位,能否引入扇的原理,快速充电如何,需要便携吗,"
                          "能用在餐馆环境吗");
    const QList<Piece> empty(6);
    QTest::newRow("six empty columns keep five separators")
        << empty << false << QStringLiteral(",,,,,");
    QTest::newRow("six empty columns, random") << empty << true << QStringLiteral(":,,,,");
    QList<Piece> concise(6);
    concise[2].trail = QStringLiteral("原理");
    QTest::newRow("concise style, empty words") << concise << false << QStringLiteral(",,原理,,,");
    QList<Piece> blanks(6);
    blanks[0].word = QStringLiteral(" a ");
    blanks[5].lead = QStringLiteral(" ");
    QTest::newRow("nothing trimmed") << blanks << true << QStringLiteral(" a :,,,, ");
}

void TestIdeaHint::join()
{
    QFETCH(QList<Piece>, pieces);
    QFETCH(bool, randomMode);
    QFETCH(QString, hint);
    QCOMPARE(IdeaHint::join(pieces, randomMode), hint);
}

QTEST_GUILESS_MAIN(TestIdeaHint)
#include "tst_ideahint.moc"
