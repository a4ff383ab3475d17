// Ruled-out pairs: the exact count after one more pair on large boxes (or where the count
// becomes an estimate), the cost of a compose with pairs against one without on the pages'
// start-up boxes, and draws from boxes with 99.9% of their combinations ruled out.
// Run: build/bench/bench_exclusions  (offscreen unless a platform is set)

#include "bench_support.h"
#include "columns/consistent_box.h"
#include "columns/exclusion_set.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"
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

template <typename T> T *control(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

// Random pairs between the drawn columns' words of a page's box.
QList<WordPair> pairsInBox(const QList<QStringList> &words, int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<WordPair> pairs;
    while (pairs.size() < count && words.size() > 1)
        pairs.append(randomPair(words, random));
    return pairs;
}

QList<QStringList> drawnWords(const QWidget *page, const char *listName, const QList<int> &columns)
{
    QList<QStringList> words;
    for (int c : columns)
        words.append(
            control<SimpleCombo>(page, QStringLiteral("%1(%2)").arg(QLatin1String(listName)).arg(c))
                ->items());
    return words;
}

double secondsOf(int composes, const std::function<void()> &compose)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < composes; ++i)
        compose();
    return double(clock.nsecsElapsed()) / 1e9;
}

// Automatic composes on a page's start-up box, without pairs and with 50 ruled out among
// its words; best of five alternating runs of each, so that a busy machine counts less.
bool composeRatio(const char *what, QWidget *page, ExclusionSet *exclusions,
                  const QList<QStringList> &words, const char *start, const char *results,
                  const std::function<void()> &step)
{
    constexpr int Composes = 5000;
    control<QAbstractButton>(page, QLatin1String(start))->setChecked(true);
    auto *list = control<SimpleCombo>(page, QLatin1String(results));
    const QList<WordPair> pairs = pairsInBox(words, 50, 7);
    double off = 1e9;
    double on = 1e9;
    for (int run = 0; run < 5; ++run) {
        exclusions->clear();
        list->clear();
        RandomSource::instance().seed(1);
        off = std::min(off, secondsOf(Composes, step));
        exclusions->setPairs(pairs);
        list->clear();
        RandomSource::instance().seed(1);
        on = std::min(on, secondsOf(Composes, step));
    }
    const double ratio = on / off;
    std::printf("  %s: %.1f us without pairs, %.1f us with 50 (ratio %.2f, bar: at most %.1f) %s\n",
                what, off * 1e6 / Composes, on * 1e6 / Composes, ratio, RatioBar,
                ratio <= RatioBar ? "PASS" : "FAIL");
    exclusions->clear();
    return ratio <= RatioBar;
}

bool composeBars()
{
    bool pass = true;
    std::printf("Automatic compose on the start-up boxes, 5,000 composes (best of 5):\n");
    {
        QuestionPage question;
        pass &= composeRatio("question page (71 x 21)", &question, question.exclusions(),
                             drawnWords(&question, "Combowt", {5, 8}), "Option1ks", "Combo1wy",
                             [&question] { question.autoStep(); });
    }
    {
        IdeaPage idea;
        pass &= composeRatio("idea page (15 x 76 x 30 x 12 x 20)", &idea, idea.exclusions(),
                             drawnWords(&idea, "Combos", {1, 2, 3, 4, 5}), "Option12", "Combo18",
                             [&idea] { idea.autoStep(); });
    }
    {
        TitlePage title;
        pass &= composeRatio("title page", &title, title.exclusions(),
                             drawnWords(&title, "Combotm", {1, 2, 5}), "Optionks0", "Combo7",
                             [&title] { title.autoStep(); });
    }
    return pass;
}

struct DrawTiming
{
    double meanUs = 0;
    double worstMs = 0;
    bool allConsistent = true;
};

DrawTiming timeDraws(const ConsistentBox &box, int draws)
{
    DrawTiming timing;
    QElapsedTimer clock;
    double total = 0;
    RandomSource::instance().seed(5);
    for (int i = 0; i < draws; ++i) {
        clock.start();
        const std::optional<QList<int>> drawn = box.draw(RandomSource::instance());
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        total += ms;
        timing.worstMs = std::max(timing.worstMs, ms);
        timing.allConsistent = timing.allConsistent && drawn && box.isConsistent(*drawn);
    }
    timing.meanUs = total * 1000 / draws;
    return timing;
}

// Boxes with 99.9% of their combinations ruled out: a whole draw almost never fits.
bool mostlyRuledOutBars()
{
    bool pass = true;
    const auto report = [&pass](const char *what, const ConsistentBox &box, int draws) {
        const DrawTiming timing = timeDraws(box, draws);
        const long double kept =
            box.isCountExact() ? box.exactCount()->toLongDouble() : box.estimate().value;
        const bool ok = timing.worstMs <= StallBarMs && timing.allConsistent;
        pass &= ok;
        std::printf("  %s: %.4f%% consistent (%s), %d draws: %.1f us each, worst %.2f ms "
                    "(bar: at most %.0f ms) %s\n",
                    what, double(100 * kept / box.total().toLongDouble()),
                    box.isCountExact() ? "exact" : "estimated", draws, timing.meanUs,
                    timing.worstMs, StallBarMs, ok ? "PASS" : "FAIL");
    };
    std::printf("Draws from boxes with 99.9%% ruled out:\n");
    {
        // 40 x 25 words with all but one of their 1,000 pairs ruled out, 8 more columns free.
        QList<QStringList> columns = wordColumns(10, 30);
        columns[0] = wordColumns(1, 40).constFirst();
        columns[1] = wordColumns(2, 25).constLast();
        QList<WordPair> pairs;
        for (int a = 0; a < 40; ++a) {
            for (int b = 0; b < 25; ++b) {
                if (a != 17 || b != 3)
                    pairs.append(WordPair(columns[0][a], columns[1][b]));
            }
        }
        ExclusionSet set;
        set.setPairs(pairs);
        report("two columns nearly all ruled out, 10 columns", ConsistentBox(columns, {}, set),
               1000);
    }
    {
        // Eleven columns of 100, every column pair about 12% ruled out: too many to count.
        const QList<QStringList> columns = wordColumns(11, 100);
        QRandomGenerator random(9);
        QList<WordPair> pairs;
        while (pairs.size() < 66000)
            pairs.append(randomPair(columns, random));
        ExclusionSet set;
        set.setPairs(pairs);
        report("11 x 100 words, 66,000 pairs", ConsistentBox(columns, {}, set), 300);
    }
    {
        // The same spread thin over six columns of 10: small enough to count exactly.
        const QList<QStringList> columns = wordColumns(6, 10);
        QRandomGenerator random(10);
        ExclusionSet set;
        QList<WordPair> pairs;
        while (pairs.size() < 650)
            pairs.append(randomPair(columns, random));
        set.setPairs(pairs);
        report("6 x 10 words, 650 pairs", ConsistentBox(columns, {}, set), 1000);
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
    pass &= composeBars();
    pass &= mostlyRuledOutBars();
    std::printf("%s\n", pass ? "ALL BARS MET" : "A BAR WAS MISSED");
    return pass ? 0 : 1;
}
