// "导出全部组合…" on the idea page: 1,000,000 hints written through the real command (its
// progress dialog included), timed until the dialog says it has finished. Memory must stay
// flat: the peak resident size grows by far less than the file, which is never built whole.
// Run: build/bench/bench_combination_export  (offscreen unless a platform is set)
//      /usr/bin/time -v build/bench/bench_combination_export  for the peak RSS from outside

#include "columns/combination_controls.h"
#include "columns/combination_export_command.h"
#include "columns/simple_combo.h"
#include "idea/idea_page.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
constexpr double BarSeconds = 2.0;
constexpr double GrowthBarMb = 32.0; // flat: a few buffers, not the 100 MB file

double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
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
    // Columns 1 to 5 drawn: 10 x 10 x 10 x 10 x 100 of their own start-up words.
    const int sizes[] = {10, 10, 10, 10, 100};
    for (int i = 1; i <= 5; ++i) {
        auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(%1)").arg(i));
        QStringList words = list->items();
        while (words.size() < sizes[i - 1])
            words += list->items();
        list->replaceItems(words.mid(0, sizes[i - 1]));
    }
    const QString path = home.filePath(QStringLiteral("hints.txt"));
    auto *controls = page.findChild<CombinationControls *>();
    controls->exportCommand()->setFileChooser([&path](QWidget *) { return path; });

    QElapsedTimer clock;
    double seconds = -1;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &page, [&] {
        auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->labelText().startsWith(QStringLiteral("已导出"))) {
            seconds = double(clock.nsecsElapsed()) / 1e9;
            poll.stop();
            dialog->cancel();
        }
    });
    const double before = peakResidentMb();
    poll.start();
    clock.start();
    controls->exportAction()->trigger();
    const double after = peakResidentMb();

    QFile file(path);
    qint64 lines = 0;
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            const QByteArray piece = file.read(1 << 20);
            lines += piece.count('\n');
        }
    }
    const double fileMb = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    const bool fast = seconds >= 0 && seconds <= BarSeconds && lines == 1000000;
    const bool flat = after - before <= GrowthBarMb;
    std::printf("Idea page, 1,000,000 hints exported (%lld lines, %.1f MB):\n"
                "  %.2f s (bar: at most %.1f s) %s\n"
                "  peak RSS %.1f MB before, %.1f MB after: +%.1f MB (bar: at most +%.0f MB) %s\n",
                (long long)lines, fileMb, seconds, BarSeconds, fast ? "PASS" : "FAIL", before,
                after, after - before, GrowthBarMb, flat ? "PASS" : "FAIL");
    return fast && flat ? 0 : 1;
}
