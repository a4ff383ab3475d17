#include "columns/combination_count.h"
#include "columns/combination_walk.h"
#include "columns/no_repeat_draw.h"
#include "columns/random_source.h"

#include <QSet>
#include <QtTest>

// The combination box without widgets: its size, the no-repeat draw and the walk.
class TestCombinationBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RandomSource::instance().scriptDraws({}); }

    void count_data();
    void count();
    void noRepeat_everyCombinationOnceThenNothing();
    void noRepeat_repeatTakesTheNextDraw();
    void noRepeat_constantGeneratorStillEnds();
    void walk_odometerOrderAndWrap();
};

void TestCombinationBox::count_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::newRow("no column") << QList<int>{} << QStringLiteral("1") << true;
    QTest::newRow("start-up questions") << QList<int>{71, 21} << QStringLiteral("1491") << true;
    QTest::newRow("an empty list")
        << QList<int>{32767, 32767, 32767, 32767, 32767, 0} << QStringLiteral("0") << true;
    // 10^15 exactly stays exact; one more is an estimate
    QTest::newRow("at the limit") << QList<int>{1000, 1000, 1000, 1000, 1000}
                                  << QStringLiteral("1000000000000000") << true;
    QTest::newRow("just above") << QList<int>{1000001, 999999999} << QStringLiteral("约 1.0×10^15")
                                << false;
    QTest::newRow("rounds to the next power")
        << QList<int>{999, 1000, 1000, 1000, 1000, 1000} << QStringLiteral("约 1.0×10^18") << false;
    QTest::newRow("ten full lists")
        << QList<int>(10, 32767) << QStringLiteral("约 1.4×10^45") << false;
    QTest::newRow("mantissa") << QList<int>{37, 100000, 100000, 100000}
                              << QStringLiteral("约 3.7×10^16") << false;
}

void TestCombinationBox::count()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, text);
    QFETCH(bool, exact);
    const CombinationCount size = CombinationCount::of(counts);
    QCOMPARE(size.text(), text);
    QCOMPARE(size.isExact(), exact);
}

void TestCombinationBox::noRepeat_everyCombinationOnceThenNothing()
{
    RandomSource::instance().seed(7);
    NoRepeatDraw memory;
    memory.reset({2, 3});
    QSet<QList<int>> seen;
    for (int i = 0; i < 6; ++i) {
        const std::optional<QList<int>> positions = memory.next(RandomSource::instance());
        QVERIFY(positions);
        QVERIFY2(!seen.contains(*positions), "a combination came twice");
        QVERIFY(positions->at(0) < 2 && positions->at(1) < 3);
        seen.insert(*positions);
    }
    QVERIFY(memory.isExhausted());
    QVERIFY(!memory.next(RandomSource::instance()));
}

void TestCombinationBox::noRepeat_repeatTakesTheNextDraw()
{
    NoRepeatDraw memory;
    memory.reset({10, 10, 10});
    RandomSource::instance().scriptDraws(
        {0.05f, 0.15f, 0.25f, 0.05f, 0.15f, 0.25f, 0.95f, 0.0f, 0.5f});
    QCOMPARE(*memory.next(RandomSource::instance()), (QList<int>{0, 1, 2}));
    QCOMPARE(*memory.next(RandomSource::instance()), (QList<int>{9, 0, 5}));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);
}

void TestCombinationBox::noRepeat_constantGeneratorStillEnds()
{
    // A source that always draws 0 gives the first combination; later ones must not loop.
    NoRepeatDraw memory;
    memory.reset({4, 1000000});
    for (int i = 0; i < 5; ++i) {
        RandomSource::instance().scriptDraws(QList<float>(200, 0.0f));
        QCOMPARE(*memory.next(RandomSource::instance()), (QList<int>{0, i}));
    }
    QCOMPARE(memory.producedCount(), 5);
}

void TestCombinationBox::walk_odometerOrderAndWrap()
{
    CombinationWalk walk;
    walk.reset({2, 1, 3});
    const QList<QList<int>> expected{{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {1, 0, 0},
                                     {1, 0, 1}, {1, 0, 2}, {0, 0, 0}};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(walk.next(), expected.at(i));
        QCOMPARE(walk.step(), quint64(i % 6 + 1));
    }
    walk.reset({2, 0});
    QVERIFY(walk.next().isEmpty());
    walk.reset({});
    QCOMPARE(walk.next(), QList<int>{});
    QCOMPARE(walk.step(), quint64(1));
}

QTEST_GUILESS_MAIN(TestCombinationBox)
#include "tst_combination_box.moc"
