#include "app/app_icon.h"
#include "app/command_line.h"
#include "app/form1.h"
#include "app/open_given_file.h"
#include "app/single_instance.h"
#include "app/unix_signal_watcher.h"
#include "app/window_geometry.h"
#include "editor/chinese_font_substitutes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt aborts without a word a user understands when X is missing; say it first.
bool displayAvailable(int argc, char **argv)
{
#if defined(Q_OS_LINUX)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0)
        return true;
    const char *display = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

// Qt's own words in Chinese, where the translation is installed: its dialogs and the
// command line's help and errors.
void installQtTranslation(QTranslator *translator)
{
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));

    if (!displayAvailable(argc, argv)) {
        // --help and --version need no window.
        const QCoreApplication textOnly(argc, argv);
        QTranslator qtTranslator;
        installQtTranslation(&qtTranslator);
        const CommandLine commandLine = CommandLine::parse(QCoreApplication::arguments());
        if (commandLine.action() != CommandLine::Action::Run)
            return commandLine.print();
        std::fputs("没有可用的图形显示 (DISPLAY 未设置)，Quorvane 无法打开窗口。\n"
                   "No display is available. On a machine without one, run:\n"
                   "  xvfb-run -s \"-screen 0 1280x800x24\" scripts/run\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    ChineseFontSubstitutes::install();
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
    QApplication::setWindowIcon(appIcon());
    QTranslator qtTranslator;
    installQtTranslation(&qtTranslator);
    const CommandLine commandLine = CommandLine::parse(QApplication::arguments());
    if (commandLine.action() != CommandLine::Action::Run)
        return commandLine.print();

    SingleInstance instance(SingleInstance::defaultServerName());
    switch (instance.start(commandLine.file())) {
    case SingleInstance::Outcome::HandedOff:
        return 0;
    case SingleInstance::Outcome::Unanswered:
        std::fputs("Quorvane 已在运行，但没有响应。\n", stderr);
        return 1;
    case SingleInstance::Outcome::Alone:
    case SingleInstance::Outcome::Serving:
        break;
    }

    Form1 form(nullptr, Form1::PageBuilding::AfterFirstPaint);
    WindowGeometry::keep(&form);
    UnixSignalWatcher endSignals(UnixSignalWatcher::terminationSignals());
    QObject::connect(&endSignals, &UnixSignalWatcher::signalReceived, &form,
                     &Form1::quitWithoutAsking);
    form.show();
    QObject::connect(&instance, &SingleInstance::fileRequested, &form,
                     [&form](const QString &file) { OpenGivenFile::fromLaterStart(form, file); });
    if (!commandLine.file().isEmpty())
        OpenGivenFile::atStart(form, commandLine.file());
    return QApplication::exec();
}
