// Start-up to the first painted window: the program's main window against a bare QMainWindow
// holding a QTabWidget with five empty tabs, each in a process of its own, measured from
// just before the process starts to the end of the first paint of the window (painted and
// flushed). The two kinds alternate; the medians are compared. The bar: ours / bare <= 1.5.
// Run: build/bench/bench_startup  (offscreen unless a platform is set; rounds: BENCH_ROUNDS)
// BENCH_PHASES=1 makes each child tell when each step of its start-up ended and which
// widget classes its first paint went to.

#include "app/form1.h"
#include "bench_support.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

constexpr double Bar = 1.5;

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The peak resident memory of this process, in MiB.
double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// With BENCH_PHASES set, a child tells on stderr when each step of its start-up ended.
void phase(const char *what)
{
    static const bool wanted = qEnvironmentVariableIsSet("BENCH_PHASES");
    static const qint64 startNs = qEnvironmentVariable("BENCH_T0").toLongLong();
    if (wanted)
        std::fprintf(stderr, "  %-22s %7.1f ms\n", what, double(monotonicNs() - startNs) / 1e6);
}

// Ends the process as soon as a window sync (expose or update request) that painted
// something has finished, printing the time since the parent's stamp.
class FirstPaintApp : public QApplication
{
public:
    FirstPaintApp(int &argc, char **argv, qint64 startNs)
        : QApplication(argc, argv), m_startNs(startNs)
    {
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        const qint64 beforeNs = type == QEvent::Paint ? monotonicNs() : 0;
        const bool result = QApplication::notify(receiver, event);
        if (type == QEvent::Paint) {
            ++m_paints;
            PaintCost &cost = m_paintCosts[receiver->metaObject()->className()];
            cost.ns += monotonicNs() - beforeNs;
            ++cost.events;
        } else if (m_paints > 0 && (type == QEvent::Expose || type == QEvent::UpdateRequest)) {
            phase("first paint");
            printPaintCosts();
            std::printf("%.3f %.1f\n", double(monotonicNs() - m_startNs) / 1e6, peakMiB());
            std::fflush(stdout);
            _exit(0);
        }
        return result;
    }

private:
    struct PaintCost
    {
        qint64 ns = 0;
        int events = 0;
    };

    // Where the first paint went, by widget class, dearest first (with BENCH_PHASES).
    void printPaintCosts() const
    {
        if (!qEnvironmentVariableIsSet("BENCH_PHASES"))
            return;
        std::vector<std::pair<QByteArray, PaintCost>> costs(m_paintCosts.cbegin(),
                                                            m_paintCosts.cend());
        std::sort(costs.begin(), costs.end(),
                  [](const auto &a, const auto &b) { return a.second.ns > b.second.ns; });
        for (const auto &[name, cost] : costs) {
            if (cost.ns >= 100000)
                std::fprintf(stderr, "    paint %-24s %5.1f ms  %3d widgets\n", name.constData(),
                             double(cost.ns) / 1e6, cost.events);
        }
    }

    qint64 m_startNs = 0;
    int m_paints = 0;
    std::map<QByteArray, PaintCost> m_paintCosts;
};

int runChild(bool real, int argc, char **argv)
{
    const qint64 startNs = qEnvironmentVariable("BENCH_T0").toLongLong();
    phase("main");
    FirstPaintApp app(argc, argv, startNs);
    phase("application");
    if (real) {
        // What main() does before the window shows.
        QApplication::setOrganizationName(QStringLiteral("Quorvane"));
        QApplication::setApplicationName(QStringLiteral("Quorvane"));
        QApplication::setApplicationVersion(QStringLiteral("3.0"));
        QTranslator qtTranslator;
        if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                              QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTranslator);
        phase("translator");
        Form1 form(nullptr, Form1::PageBuilding::AfterFirstPaint);
        phase("window built");
        form.show();
        phase("shown");
        return QApplication::exec();
    }
    QMainWindow window;
    auto *tabs = new QTabWidget(&window);
    for (const QString &caption :
         {QStringLiteral("问题提示"), QStringLiteral("思路提示"), QStringLiteral("题目提示"),
          QStringLiteral("编辑保存"), QStringLiteral("使用说明")})
        tabs->addTab(new QWidget(tabs), caption);
    window.setCentralWidget(tabs);
    window.resize(792, 539);
    phase("window built");
    window.show();
    phase("shown");
    return QApplication::exec();
}

struct Sample
{
    double ms = 0;
    double peak = 0;
};

bool runOnce(const QString &kind, const QString &dataHome, Sample *sample)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dataHome + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dataHome + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("BENCH_T0"), QString::number(monotonicNs()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return false;
    sample->ms = fields.at(0).toDouble();
    sample->peak = fields.at(1).toDouble();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(qstrcmp(argv[2], "real") == 0, argc, argv);

    QCoreApplication app(argc, argv);
    const int rounds = qEnvironmentVariableIntValue("BENCH_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("BENCH_ROUNDS")
                           : 11;
    QTemporaryDir home; // the program makes its data directory here, as on a first start
    QDir(home.path())
        .mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::vector<double> realMs, bareMs, realPeak, barePeak;
    for (int i = 0; i < rounds; ++i) {
        for (const QString &kind : {QStringLiteral("real"), QStringLiteral("bare")}) {
            Sample s;
            if (!runOnce(kind, home.path(), &s)) {
                std::fprintf(stderr, "the %s child did not report a paint\n", qPrintable(kind));
                return 2;
            }
            (kind == u"real" ? realMs : bareMs).push_back(s.ms);
            (kind == u"real" ? realPeak : barePeak).push_back(s.peak);
        }
    }
    const double real = BenchSupport::median(realMs);
    const double bare = BenchSupport::median(bareMs);
    std::printf("process start to first painted window, median of %d alternating runs:\n", rounds);
    std::printf("  Quorvane main window      %7.1f ms   peak %5.1f MiB\n", real,
                BenchSupport::median(realPeak));
    std::printf("  bare window, five tabs    %7.1f ms   peak %5.1f MiB\n", bare,
                BenchSupport::median(barePeak));
    const double ratio = real / bare;
    std::printf("ratio %.2f   bar <= %.1f   %s\n", ratio, Bar, ratio <= Bar ? "PASS" : "FAIL");
    return ratio <= Bar ? 0 : 1;
}
