// Opens each file in the editor page and saves it again into a folder, as a user does with
// "open" and "save" (their dialogs aside): the copies that scripts/rtf-compare judges.
// A message box the page shows is closed and its text printed beside the file's name.
// Run: build/bench/rtf_roundtrip OUTPUT_FOLDER FILE...   (exit 1 when a file failed)

#include "editor/editor_page.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// Closes every message box that shows while it lives, keeping the texts.
class MessageBoxCloser : public QObject
{
public:
    MessageBoxCloser()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_texts << box->text();
                box->reject();
            }
        });
        m_timer.start();
    }
    QString texts() const { return m_texts.join(QStringLiteral(" / ")); }

private:
    QTimer m_timer;
    QStringList m_texts;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The recovery copy and the recent files go to a folder of their own, not the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    QApplication app(argc, argv);

    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 2 || !QFileInfo(args.first()).isDir()) {
        std::fprintf(stderr, "usage: rtf_roundtrip OUTPUT_FOLDER FILE...\n");
        return 2;
    }
    const QDir output(args.first());
    int failed = 0;
    for (const QString &path : args.mid(1)) {
        const QString name = QFileInfo(path).fileName();
        EditorPage page;
        MessageBoxCloser closer;
        QElapsedTimer timer;
        timer.start();
        const bool opened = page.openFrom(path);
        const double openMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        const bool saved = opened && page.saveTo(output.filePath(name));
        const double saveMs = timer.nsecsElapsed() / 1e6;
        if (!saved)
            ++failed;
        const char *state = !opened ? "not opened" : !saved ? "not saved" : "ok";
        std::printf("%-10s %-50s open %7.1f ms  save %7.1f ms  %s\n", state, qPrintable(name),
                    openMs, saveMs, qPrintable(closer.texts()));
    }
    return failed ? 1 : 0;
}
