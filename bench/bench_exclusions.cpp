// Ruled-out pairs: the exact count after one more pair on large boxes (or where the count
// becomes an estimate), the cost of a compose with pairs against one without on the pages'
// start-up boxes, and draws from a box with 99.9% of its combinations ruled out.
// Run: build/bench/bench_exclusions  (offscreen unless a platform is set)

#include "bench_support.h"
#include "columns/consistent_box.h"
#include "columns/exclusion_set.h"
#include "columns/random_source.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "title/title_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double CountBarMs = 50.0;
constexpr double RatioBar = 2.0;
constexpr double StallBarMs = 16.0; // one frame: a held Enter key would not stutter

QList<QStringList> wordColumns(int columns, int words)
{
    QList<QStringList> all;
    for (int c = 0; c < columns; ++c) {
        QStringList list;
        for (int i = 0; i < words; ++i)
            list.append(QStringLiteral("%1栏词%2").arg(c).arg(i));
        all.append(list);
    }
    return all;
}

WordPair randomPair(const QList<QStringList> &columns, QRandomGenerator &random)
{
    const int a = int(random.bounded(int(columns.size())));
    int b = int(random.bounded(int(columns.size()) - 1));
    b += b >= a ? 1 : 0;
    return WordPair(columns[a][int(random.bounded(int(columns[a].size())))],
                    columns[b][int(random.bounded(int(columns[b].size())))]);
}

struct CountRun
{
    double ms = 0;
    bool exact = false;
    QString figure;
};

// The box rebuilt and counted after one more pair, as the page does; the median of runs.
CountRun countAfterOneMore(const QList<QStringList> &columns, int pairs, quint32 seed, int runs = 5)
{
    QRandomGenerator random(seed);
    ExclusionSet set;
    QList<WordPair> list;
    while (list.size() < pairs)
        list.append(randomPair(columns, random));
    set.setPairs(list);
    std::vector<double> times;
    CountRun result;
    for (int run = 0; run < runs; ++run) {
        set.add(randomPair(columns, random).first, randomPair(columns, random).second);
        QElapsedTimer clock;
        clock.start();
        const ConsistentBox box(columns, {}, set);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        result.exact = box.isCountExact();
        result.figure =
            box.isCountExact()
                ? box.exactCount()->toString()
                : QStringLiteral("约 %1 ± %2%")
                      .arg(double(box.estimate().value), 0, 'g', 4)
                      .arg(double(100 * box.estimate().halfWidth / box.estimate().value), 0, 'f',
                           2);
    }
    result.ms = BenchSupport::median(times);
    return result;
}

bool countBars()
{
    bool pass = true;
    const auto report = [&pass](const char *what, const CountRun &run) {
        const bool ok = run.ms <= CountBarMs;
        pass &= ok;
        std::printf("  %s: %s, %s, %.1f ms (bar: at most %.0f ms) %s\n", what,
                    run.exact ? "exact" : "estimated", qPrintable(run.figure), run.ms, CountBarMs,
                    ok ? "PASS" : "FAIL");
    };
    std::printf("Count after one more ruled-out pair (median of 5):\n");
    report("11 columns x 1,000 words, 1,000 pairs",
           countAfterOneMore(wordColumns(11, 1000), 1000, 1));
    report("11 columns x 100 words, 10,000 pairs",
           countAfterOneMore(wordColumns(11, 100), 10000, 2));
    std::printf("Where the count turns into an estimate (11 columns x 100 words):\n");
    for (int pairs : {50, 100, 150, 200, 300, 500, 1000, 3000}) {
        const CountRun run = countAfterOneMore(wordColumns(11, 100), pairs, 3, 3);
        std::printf("  %5d pairs: %-9s %8.1f ms  %s\n", pairs, run.exact ? "exact" : "estimated",
                    run.ms, qPrintable(run.figure));
    }
    std::printf("Where the count turns into an estimate (5 columns x 20 words):\n");
    for (int pairs : {50, 100, 200, 400, 800}) {
        const CountRun run = countAfterOneMore(wordColumns(5, 20), pairs, 4, 3);
        std::printf("  %5d pairs: %-9s %8.1f ms  %s\n", pairs, run.exact ? "exact" : "estimated",
                    run.ms, qPrintable(run.figure));
    }
    return pass;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);

    bool pass = countBars();
    std::printf("%s\n", pass ? "ALL BARS MET" : "A BAR WAS MISSED");
    return pass ? 0 : 1;
}
