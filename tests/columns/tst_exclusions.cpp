#include "columns/combination_export.h"
#include "columns/combination_walk.h"
#include "columns/consistent_box.h"
#include "columns/exclusion_set.h"
#include "columns/no_repeat_draw.h"
#include "columns/random_source.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// Ruled-out pairs without widgets: the pair set and its file form, the count against brute
// force, the walk, the no-repeat memory and the draw's evenness.
class TestExclusions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RandomSource::instance().scriptDraws({}); }

    void pairs_unorderedAndCheckedOnce();
    void bytes_roundTripAndRefuseWhatIsNoList_data();
    void bytes_roundTripAndRefuseWhatIsNoList();
    void file_missingReadsEmpty_unreadableLeavesTheSet();
    void count_walkAndCheck_matchBruteForce();
    void count_beyondSixtyFourBits();
    void estimate_coversTheTrueCount();
    void draw_evenOverTheConsistentOnes_data();
    void draw_evenOverTheConsistentOnes();
    void noRepeatWalkAndExport_skipRuledOutAndEnd();

private:
};

namespace {

// Every combination of the box in walk order (first column slowest).
QList<QList<int>> everyCombination(const QList<int> &counts)
{
    QList<QList<int>> all{{}};
    for (int count : counts) {
        QList<QList<int>> longer;
        for (const QList<int> &prefix : std::as_const(all)) {
            for (int p = 0; p < count; ++p)
                longer.append(prefix + QList<int>{p});
        }
        all = longer;
    }
    return all;
}

bool holdsNoPair(const QList<QStringList> &columns, const QStringList &fixed,
                 const ExclusionSet &set, const QList<int> &positions)
{
    QStringList words = fixed;
    for (int c = 0; c < columns.size(); ++c)
        words.append(columns.at(c).at(positions.at(c)));
    for (int i = 0; i < words.size(); ++i) {
        for (int j = i + 1; j < words.size(); ++j) {
            if (set.contains(words.at(i), words.at(j)))
                return false;
        }
    }
    return true;
}

struct RandomBox
{
    QList<QStringList> columns;
    QStringList fixed;
};

// Words from a small vocabulary, so that words repeat within a list and across columns.
RandomBox randomBox(QRandomGenerator &random, ExclusionSet *set)
{
    const int vocabulary = 4 + int(random.bounded(10));
    const auto word = [&] { return QStringLiteral("词%1").arg(random.bounded(vocabulary)); };
    RandomBox box;
    const int columns = 1 + int(random.bounded(4));
    for (int c = 0; c < columns; ++c) {
        QStringList words;
        for (int n = 1 + int(random.bounded(6)); n > 0; --n)
            words.append(word());
        box.columns.append(words);
    }
    if (random.bounded(3) == 0)
        box.fixed.append(word());
    QList<WordPair> pairs;
    for (int n = int(random.bounded(2 * vocabulary)); n > 0; --n)
        pairs.append(WordPair(word(), word()));
    set->setPairs(pairs);
    return box;
}

} // namespace

void TestExclusions::pairs_unorderedAndCheckedOnce()
{
    ExclusionSet set;
    QSignalSpy changed(&set, &ExclusionSet::changed);
    QVERIFY(set.add(QStringLiteral("泵"), QStringLiteral("变轻")));
    QVERIFY(set.contains(QStringLiteral("变轻"), QStringLiteral("泵")));
    QVERIFY(!set.add(QStringLiteral("变轻"), QStringLiteral("泵"))); // the same pair
    QVERIFY(!set.add(QStringLiteral("泵"), QStringLiteral("泵")));
    QVERIFY(!set.add(QStringLiteral("泵"), QString()));
    QVERIFY(!set.add(QStringLiteral("泵"), QStringLiteral("a\tb")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(set.addPairs({WordPair(QStringLiteral("泵"), QStringLiteral("更安全")),
                           WordPair(QStringLiteral("锅炉"), QStringLiteral("变轻"))}),
             2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(set.size(), 3);
    QCOMPARE(set.partnersOf(QStringLiteral("泵")),
             (QSet<QString>{QStringLiteral("变轻"), QStringLiteral("更安全")}));
    QVERIFY(set.remove(QStringLiteral("变轻"), QStringLiteral("泵")));
    QVERIFY(!set.contains(QStringLiteral("泵"), QStringLiteral("变轻")));
    QVERIFY(set.words().contains(QStringLiteral("变轻"))); // still beside 锅炉
    QCOMPARE(ExclusionSet::pairsAmong({QStringLiteral("能否使"), QStringLiteral("泵"),
                                       QStringLiteral("变轻"), QStringLiteral("泵")})
                 .size(),
             3);
}

void TestExclusions::bytes_roundTripAndRefuseWhatIsNoList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pairs"); // -1: refused
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("CR LF, blank lines and a byte-order mark")
        << QByteArray("\xef\xbb\xbf\xe6\xb3\xb5\t\xe5\x8f\x98\xe8\xbd\xbb\r\n\r\na\tb") << 2;
    QTest::newRow("no tab") << QByteArray("\xe6\xb3\xb5 \xe5\x8f\x98\xe8\xbd\xbb\n") << -1;
    QTest::newRow("three words") << QByteArray("a\tb\tc\n") << -1;
    QTest::newRow("one word twice") << QByteArray("a\ta\n") << -1;
    QTest::newRow("GBK, not UTF-8") << QByteArray("\xb1\xc3\t\xb1\xe4\xc7\xe1\n") << -1;
}

void TestExclusions::bytes_roundTripAndRefuseWhatIsNoList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pairs);
    const std::optional<QList<WordPair>> read = ExclusionSet::fromBytes(bytes);
    QCOMPARE(read ? int(read->size()) : -1, pairs);
    if (!read)
        return;
    ExclusionSet set;
    set.setPairs(*read);
    QCOMPARE(ExclusionSet::fromBytes(set.toBytes()), std::optional(set.pairs()));
}

void TestExclusions::file_missingReadsEmpty_unreadableLeavesTheSet()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pairs.txt"));
    ExclusionSet set;
    set.add(QStringLiteral("泵"), QStringLiteral("变轻"));
    QString error;
    QVERIFY(set.save(path, &error));
    ExclusionSet again;
    QVERIFY(again.load(path, &error));
    QCOMPARE(again.pairs(), set.pairs());
    QVERIFY(again.load(dir.filePath(QStringLiteral("none.txt")), &error));
    QVERIFY(again.isEmpty());

    set.add(QStringLiteral("锅炉"), QStringLiteral("变轻"));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("folder.txt"))));
    QVERIFY(!set.load(dir.filePath(QStringLiteral("folder.txt")), &error));
    QVERIFY2(error.contains(QStringLiteral("folder.txt")), qPrintable(error));
    QVERIFY(!set.save(dir.filePath(QStringLiteral("folder.txt")), &error));
    QVERIFY2(error.contains(QStringLiteral("文件夹")), qPrintable(error));
    QCOMPARE(set.size(), 2);
}

void TestExclusions::count_walkAndCheck_matchBruteForce()
{
    QRandomGenerator random(11);
    for (int round = 0; round < 400; ++round) {
        ExclusionSet set;
        const RandomBox random_ = randomBox(random, &set);
        const ConsistentBox box(random_.columns, random_.fixed, set);
        QList<QList<int>> consistent;
        for (const QList<int> &positions : everyCombination(box.counts())) {
            const bool expected = holdsNoPair(random_.columns, random_.fixed, set, positions);
            QCOMPARE(box.isConsistent(positions), expected);
            if (expected)
                consistent.append(positions);
        }
        QVERIFY(box.isCountExact());
        QCOMPARE(*box.exactCount(), WideCount(quint64(consistent.size())));
        QCOMPARE(box.isEmpty(), consistent.isEmpty());
        QList<QList<int>> walked;
        for (ConsistentBox::Cursor cursor(box); cursor.next();)
            walked.append(cursor.positions());
        QCOMPARE(walked, consistent);
    }
}

void TestExclusions::count_beyondSixtyFourBits()
{
    // Ten columns of 1,000 words, 泵 + 变轻 ruled out in two of them: 10^30 - 10^24.
    QList<QStringList> columns;
    for (int c = 0; c < 10; ++c) {
        QStringList words;
        for (int i = 0; i < 1000; ++i)
            words.append(QStringLiteral("%1-%2").arg(c).arg(i));
        columns.append(words);
    }
    columns[2][7] = QStringLiteral("泵");
    columns[9][0] = QStringLiteral("变轻");
    ExclusionSet set;
    set.add(QStringLiteral("泵"), QStringLiteral("变轻"));
    const ConsistentBox box(columns, {}, set);
    QVERIFY(box.isCountExact());
    QCOMPARE(box.exactCount()->toString(), QStringLiteral("999999000000000000000000000000"));
    QCOMPARE((box.total() - *box.exactCount()).toString(),
             QStringLiteral("1000000000000000000000000"));
    QVERIFY(!box.isConsistent({0, 0, 7, 0, 0, 0, 0, 0, 0, 0}));
}

void TestExclusions::estimate_coversTheTrueCount()
{
    // Six columns of eight words, about a third of the pairs across columns ruled out.
    QRandomGenerator random(5);
    QList<QStringList> columns(6);
    for (int c = 0; c < 6; ++c) {
        for (int i = 0; i < 8; ++i)
            columns[c].append(QStringLiteral("%1%2").arg(QChar(u'甲' + c)).arg(i));
    }
    ExclusionSet set;
    QList<WordPair> pairs;
    for (int n = 0; n < 330; ++n) {
        const int a = int(random.bounded(6));
        const int b = (a + 1 + int(random.bounded(5))) % 6;
        pairs.append(WordPair(columns[a][random.bounded(8)], columns[b][random.bounded(8)]));
    }
    set.setPairs(pairs);
    const ConsistentBox box(columns, {}, set);
    QVERIFY(box.isCountExact());
    const long double truth = box.exactCount()->toLongDouble();
    const ConsistentCount::Tally tally = ConsistentCount::tally(box.problem(), 0, 20000, 10000);
    QVERIFY(!tally.exact); // no budget: sampled
    QVERIFY(tally.estimate.halfWidth > 0 && tally.estimate.halfWidth < 0.1L * truth);
    // The bound is a 95% interval, and the sample order follows the pair set's hashing,
    // which changes from run to run: a run in twenty would miss it. Twice as wide almost
    // never misses while a biased estimate still does.
    QVERIFY2(std::abs(double(tally.estimate.value - truth)) <= 2 * double(tally.estimate.halfWidth),
             qPrintable(QStringLiteral("%1 ± %2, truth %3")
                            .arg(double(tally.estimate.value))
                            .arg(double(tally.estimate.halfWidth))
                            .arg(double(truth))));
}

void TestExclusions::draw_evenOverTheConsistentOnes_data()
{
    QTest::addColumn<bool>("mostlyRuledOut");
    // A few pairs out leave whole draws to find one; with all but 4 of 1,000 out, whole
    // draws mostly miss and the draw weighs the counts.
    QTest::newRow("whole draws") << false;
    QTest::newRow("weighed by the counts") << true;
}

void TestExclusions::draw_evenOverTheConsistentOnes()
{
    QFETCH(bool, mostlyRuledOut);
    QList<QStringList> columns(3);
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < (mostlyRuledOut ? 10 : 4); ++i)
            columns[c].append(QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(i));
    }
    columns[2].last() = QStringLiteral("c1"); // a word twice in one list
    const auto word = [&columns](int c, int i) { return columns.at(c).at(i); };
    QList<WordPair> pairs;
    if (mostlyRuledOut) {
        const QSet<QPair<int, int>> keptAB{{0, 0}, {1, 1}};
        const QSet<QPair<int, int>> keptBC{{0, 0}, {1, 1}, {1, 2}};
        for (int i = 0; i < 10; ++i) {
            for (int j = 0; j < 10; ++j) {
                if (!keptAB.contains({i, j}))
                    pairs.append(WordPair(word(0, i), word(1, j)));
                if (!keptBC.contains({i, j}) && !(i == 1 && j == 9))
                    pairs.append(WordPair(word(1, i), word(2, j)));
            }
        }
    } else {
        pairs = {WordPair(word(0, 0), word(1, 1)), WordPair(word(1, 2), word(2, 1)),
                 WordPair(word(0, 3), word(2, 0))};
    }
    ExclusionSet set;
    set.setPairs(pairs);
    const ConsistentBox box(columns, {}, set);
    const int cells = int(box.exactCount()->low());
    QCOMPARE(cells, mostlyRuledOut ? 4 : 64 - 4 - 8 - 4);
    QHash<QList<int>, int> seen;
    RandomSource::instance().seed(3);
    const int draws = cells * 200;
    for (int i = 0; i < draws; ++i) {
        const std::optional<QList<int>> drawn = box.draw(RandomSource::instance());
        QVERIFY(drawn && box.isConsistent(*drawn));
        ++seen[*drawn];
    }
    QCOMPARE(int(seen.size()), cells);
    // Chi-square against even odds: beyond the limit one time in a thousand or less.
    const double expected = double(draws) / cells;
    double chiSquare = 0;
    for (int hits : std::as_const(seen))
        chiSquare += (hits - expected) * (hits - expected) / expected;
    const double limit = cells - 1 + 3.1 * std::sqrt(2.0 * (cells - 1)) + 8;
    QVERIFY2(chiSquare < limit,
             qPrintable(QStringLiteral("chi² %1 over %2 cells").arg(chiSquare).arg(cells)));
}

void TestExclusions::noRepeatWalkAndExport_skipRuledOutAndEnd()
{
    const QList<QStringList> columns{
        {QStringLiteral("泵"), QStringLiteral("锅炉")},
        {QStringLiteral("变轻"), QStringLiteral("更安全"), QStringLiteral("智能化")}};
    ExclusionSet set;
    set.add(QStringLiteral("泵"), QStringLiteral("变轻"));
    set.add(QStringLiteral("锅炉"), QStringLiteral("智能化"));
    const auto box = std::make_shared<const ConsistentBox>(columns, QStringList(), set);

    CombinationWalk walk;
    walk.resetOver(box);
    const QList<QList<int>> expected{{0, 1}, {0, 2}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(walk.next(), expected.at(i));
        QCOMPARE(walk.step(), quint64(i % 4 + 1));
    }

    // "导出全部组合…" streams the same four, and counts them.
    QTemporaryDir dir;
    CombinationExport exported(
        columns,
        [](const QStringList &words) { return QStringLiteral("能否使") + words.join(QString()); },
        box);
    QCOMPARE(exported.lineCount(), 4.0L);
    QString error;
    QVERIFY2(exported.writeAll(dir.filePath(QStringLiteral("all.txt")), &error), qPrintable(error));
    QFile all(dir.filePath(QStringLiteral("all.txt")));
    QVERIFY(all.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(all.readAll()),
             QStringLiteral("能否使泵更安全\n能否使泵智能化\n能否使锅炉变轻\n能否使锅炉更安全\n"));

    RandomSource::instance().seed(9);
    NoRepeatDraw memory;
    memory.resetOver(box);
    QSet<QList<int>> produced;
    for (int i = 0; i < 4; ++i) {
        const std::optional<QList<int>> positions = memory.next(RandomSource::instance());
        QVERIFY(positions && box->isConsistent(*positions));
        produced.insert(*positions);
    }
    QCOMPARE(produced.size(), 4);
    QVERIFY(memory.isExhausted());
    QVERIFY(!memory.next(RandomSource::instance()));

    // A fixed word beside both of column 1's partners: only 锅炉 with 变轻 or 更安全 is left,
    // and two fixed words ruled out together leave nothing.
    set.add(QStringLiteral("能否使"), QStringLiteral("泵"));
    QCOMPARE(*ConsistentBox(columns, {QStringLiteral("能否使")}, set).exactCount(), WideCount(2));
    set.add(QStringLiteral("能否使"), QStringLiteral("在水下"));
    const ConsistentBox none(columns, {QStringLiteral("能否使"), QStringLiteral("在水下")}, set);
    QVERIFY(none.isEmpty());
    QVERIFY(!none.draw(RandomSource::instance()));
    walk.resetOver(std::make_shared<const ConsistentBox>(none));
    QVERIFY(walk.next().isEmpty());
}

QTEST_GUILESS_MAIN(TestExclusions)
#include "tst_exclusions.moc"
