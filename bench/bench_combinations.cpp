// The cost of "不重复": automatic composes with the box ticked against the same composes
// without it, over a large box and through the last tenth of a small one, on the real pages.
// Run: build/bench/bench_combinations  (offscreen unless a platform is set)
//      BENCH_COMPOSES=20000 shortens the large-box runs.

#include "columns/no_repeat_draw.h"
#include "columns/random_source.h"
#include "idea/idea_page.h"
#include "question/question_defaults.h"
#include "question/question_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

const int Composes = qEnvironmentVariableIntValue("BENCH_COMPOSES") > 0
                         ? qEnvironmentVariableIntValue("BENCH_COMPOSES")
                         : 100000;
constexpr double RatioBar = 2.0;
constexpr double StallBarUs = 1000.0; // far below a frame: a user would not notice

template <typename T> T *control(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

void setChecked(const QWidget *page, const char *name, bool checked)
{
    control<QAbstractButton>(page, QLatin1String(name))->setChecked(checked);
}

struct Timing
{
    double totalMs = 0;
    double worstMs = 0;
};

Timing run(int composes, const std::function<void()> &compose)
{
    Timing timing;
    QElapsedTimer clock;
    for (int i = 0; i < composes; ++i) {
        clock.start();
        compose();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        timing.totalMs += ms;
        timing.worstMs = qMax(timing.worstMs, ms);
    }
    return timing;
}

bool largeBox(const char *what, QWidget *page, const char *noRepeat, const char *start,
              const std::function<void()> &step)
{
    setChecked(page, start, true);
    run(Composes / 10, step); // warm-up, so that neither run pays for first use
    RandomSource::instance().seed(1);
    const Timing off = run(Composes, step);
    setChecked(page, noRepeat, true);
    RandomSource::instance().seed(1);
    const Timing on = run(Composes, step);
    const double ratio = on.totalMs / off.totalMs;
    std::printf("%s, %d automatic composes:\n"
                "  不重复 off: %.2f us per compose (worst %.2f ms)\n"
                "  不重复 on:  %.2f us per compose (worst %.2f ms)\n"
                "  ratio %.2f (bar: at most %.1f) %s\n",
                what, Composes, off.totalMs * 1000 / Composes, off.worstMs,
                on.totalMs * 1000 / Composes, on.worstMs, ratio, RatioBar,
                ratio <= RatioBar ? "PASS" : "FAIL");
    return ratio <= RatioBar;
}

void chooseCommand(const QWidget *page, int column, int position)
{
    auto *box = control<QComboBox>(page, QStringLiteral("Comboml(%1)").arg(column));
    box->setCurrentIndex(position);
    emit box->activated(position);
}

void fillColumn(const QWidget *page, int column, int words)
{
    chooseCommand(page, column, QuestionDefaults::Clear);
    auto *input = control<QLineEdit>(page, QStringLiteral("Text6(%1)").arg(column));
    for (int i = 0; i < words; ++i) {
        input->setText(QStringLiteral("词%1").arg(i));
        chooseCommand(page, column, QuestionDefaults::Add);
    }
}

// The memory alone through a whole 40 x 50 box, best of five runs so that a busy machine's
// preemption does not pass for a stall: the worst single draw, the switch to picking among
// the unused ones at half included.
double worstDrawUs()
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        NoRepeatDraw memory;
        memory.reset({40, 50});
        double worst = 0;
        QElapsedTimer clock;
        for (int i = 0; i < 2000; ++i) {
            clock.start();
            if (!memory.next(RandomSource::instance()))
                qFatal("the box ran out early");
            worst = qMax(worst, double(clock.nsecsElapsed()) / 1e3);
        }
        if (memory.next(RandomSource::instance()))
            qFatal("a combination came twice");
        best = qMin(best, worst);
    }
    return best;
}

// What the memory itself adds to a compose over a large box, free of the widgets' noise.
void memoryAlone(const QList<int> &counts, const char *what)
{
    NoRepeatDraw memory;
    memory.reset(counts);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Composes; ++i)
        memory.next(RandomSource::instance());
    std::printf("  memory alone over %s: %.2f us per draw, %d remembered\n", what,
                double(clock.nsecsElapsed()) / 1e3 / Composes, int(memory.producedCount()));
}

bool smallBox()
{
    // 40 x 50 = 2,000 combinations on the question page's first pattern.
    constexpr int Size = 2000;
    constexpr int LastTenth = Size / 10;
    QuestionPage page;
    page.choosePattern(0);
    fillColumn(&page, 0, 40);
    fillColumn(&page, 3, 50);
    setChecked(&page, "Option1ks", true);
    const auto step = [&page] { page.autoStep(); };

    const Timing off = run(LastTenth, step);
    setChecked(&page, "questionNoRepeat", true);
    const Timing first = run(Size - LastTenth, step);
    const Timing last = run(LastTenth, step);
    page.autoStep(); // every combination made: this one adds nothing and stops
    const bool stopped = control<QAbstractButton>(&page, QStringLiteral("Option1tz"))->isChecked();
    const double offUs = off.totalMs * 1000 / LastTenth;
    const double lastUs = last.totalMs * 1000 / LastTenth;
    const double ratio = lastUs / offUs;
    const double worstDraw = worstDrawUs();
    const bool pass = ratio <= RatioBar && worstDraw <= StallBarUs && stopped;
    std::printf("2,000-combination box (question page, 40 x 50):\n"
                "  不重复 off:             %.2f us per compose (worst %.2f ms)\n"
                "  first 90%% with 不重复: %.2f us per compose (worst %.2f ms)\n"
                "  last 10%% with 不重复:  %.2f us per compose (worst %.2f ms)\n"
                "  last 10%% against off: ratio %.2f (bar: at most %.1f) %s\n"
                "  memory alone, worst single draw of the 2,000: %.1f us (bar: %.0f us) %s\n"
                "  automatic mode stopped after the last: %s\n",
                offUs, off.worstMs, first.totalMs * 1000 / (Size - LastTenth), first.worstMs,
                lastUs, last.worstMs, ratio, RatioBar, ratio <= RatioBar ? "PASS" : "FAIL",
                worstDraw, StallBarUs, worstDraw <= StallBarUs ? "PASS" : "FAIL",
                stopped ? "yes PASS" : "no FAIL");
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

    bool pass = true;
    {
        IdeaPage idea; // start-up box: 15 x 76 x 30 x 12 x 20 = 8,208,000
        pass &= largeBox("Idea page start-up box (8,208,000)", &idea, "ideaNoRepeat", "Option12",
                         [&idea] { idea.autoStep(); });
    }
    {
        // The question page's start-up words with all ten word columns on: about 8.3x10^11.
        QuestionPage question;
        for (int i = 0; i < 10; ++i)
            setChecked(&question, qPrintable(QStringLiteral("Option3(%1)").arg(i)), true);
        pass &=
            largeBox("Question page, start-up words, all ten columns (832,740,199,200)", &question,
                     "questionNoRepeat", "Option1ks", [&question] { question.autoStep(); });
    }
    memoryAlone({15, 76, 30, 12, 20}, "the idea page's box");
    memoryAlone({36, 10, 13, 13, 17, 71, 36, 15, 21, 1}, "the ten question columns");
    pass &= smallBox();
    std::printf("%s\n", pass ? "ALL BARS MET" : "A BAR WAS MISSED");
    return pass ? 0 : 1;
}
