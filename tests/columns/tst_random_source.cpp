#include "columns/random_source.h"

#include <QTest>
#include <cmath>

class TestRandomSource : public QObject
{
    Q_OBJECT

private slots:
    void pick_staysInRange_forEveryCountWithLargestDraw();
    void draws_areBelowOne_andCoverTheRange();
    void scriptedDraws_comeFirst_thenTheGenerator();
    void pick_usesOneDrawEach_andNoneForAnEmptyList();
};

void TestRandomSource::pick_staysInRange_forEveryCountWithLargestDraw()
{
    // the largest value a 24-bit draw can take
    const float largest = float(16777215) / 16777216.0f;
    QVERIFY(largest < 1.0f);
    RandomSource &source = RandomSource::instance();
    for (int count = 1; count <= 32767; ++count) {
        source.scriptDraws({largest, 0.0f, 0.5f});
        const int top = source.pick(count);
        const int bottom = source.pick(count);
        const int middle = source.pick(count);
        if (top != count - 1 || bottom != 0 || middle != int(float(count) * 0.5f))
            QFAIL(qPrintable(
                QStringLiteral("count %1: %2 %3 %4").arg(count).arg(top).arg(bottom).arg(middle)));
    }
}

void TestRandomSource::draws_areBelowOne_andCoverTheRange()
{
    RandomSource &source = RandomSource::instance();
    source.seed(12345);
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const float r = source.draw();
        QVERIFY(r >= 0.0f && r < 1.0f);
        ++buckets[source.pick(10)];
    }
    for (int bucket : buckets)
        QVERIFY2(bucket > 9000 && bucket < 11000, "picks are not uniform");
}

void TestRandomSource::scriptedDraws_comeFirst_thenTheGenerator()
{
    RandomSource &source = RandomSource::instance();
    source.seed(7);
    const float unscripted = source.draw();
    source.seed(7);
    source.scriptDraws({0.25f, 0.75f});
    QCOMPARE(source.draw(), 0.25f);
    QCOMPARE(source.draw(), 0.75f);
    QCOMPARE(source.scriptedDrawsLeft(), 0);
    QCOMPARE(source.draw(), unscripted);
}

void TestRandomSource::pick_usesOneDrawEach_andNoneForAnEmptyList()
{
    RandomSource &source = RandomSource::instance();
    source.scriptDraws({0.99f, 0.1f});
    QCOMPARE(source.pick(0), -1);
    QCOMPARE(source.scriptedDrawsLeft(), 2);
    QCOMPARE(source.pick(1), 0);
    QCOMPARE(source.pick(71), 7);
    QCOMPARE(source.scriptedDrawsLeft(), 0);
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_random_source.moc"
