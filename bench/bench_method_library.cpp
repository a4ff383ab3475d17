// Loading the largest method library into a sorted word column, as "载入方法词库" does after
// the question: the first load (the resources read then) and the median of later ones.
// Run: build/bench/bench_method_library  (offscreen unless a platform is set)

#include "bench_support.h"
#include "columns/method_library.h"
#include "columns/method_library_menu.h"
#include "columns/simple_combo.h"
#include "idea/idea_page.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr double BarMs = 20.0;
constexpr int Runs = 50;

double elapsedMs(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);

    IdeaPage page;
    page.show();
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(0)")); // sorted
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    const QList<MethodLibrary> &all = MethodLibrary::all();
    const MethodLibrary *largest = &all.first();
    for (const MethodLibrary &library : all) {
        if (library.words.size() > largest->words.size())
            largest = &library;
    }
    MethodLibraryMenu::fill(list, largest->words, MethodLibraryMenu::Fill::Replace);
    QApplication::processEvents(); // the count label and the list repaint
    const double first = elapsedMs(clock);

    std::vector<double> later;
    for (int i = 0; i < Runs; ++i) {
        clock.start();
        MethodLibraryMenu::fill(list, largest->words, MethodLibraryMenu::Fill::Replace);
        QApplication::processEvents();
        later.push_back(elapsedMs(clock));
    }
    const double median = BenchSupport::median(later);
    const bool pass = first <= BarMs && median <= BarMs;
    std::printf("Largest method library \"%s\" (%lld words) into the sorted column Combos(0):\n"
                "  first load, resources read: %.2f ms\n"
                "  median of %d later loads:   %.2f ms\n"
                "  bar: at most %.0f ms %s\n",
                qPrintable(largest->title), (long long)largest->words.size(), first, Runs, median,
                BarMs, pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
