#include "app/form1.h"
#include "app/open_given_file.h"
#include "app/open_in_editor.h"
#include "app/single_instance.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "idea/idea_page.h"
#include "storage/page_setup_file.h"

#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The real program as a separate process: options without a display, and one running copy.
class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void versionAndHelp_needNoDisplay();
    void secondStart_handsItsFileToTheRunningWindow_andEnds();
    void secondStart_withASetup_opensItInItsPage();
    void staleSocketOfAKilledCopy_doesNotBlockTheNextStart();
    void twoStartsOnAStaleSocket_endWithOneRunningCopy();

private:
    // Same runtime, data and config folders as this test, offscreen.
    QProcessEnvironment programEnvironment() const;
    // Starts the program and waits for its end while this process keeps serving events.
    int runToEnd(QProcess &process, const QStringList &arguments, int timeoutMs = 10000);
    // Writes idea.rtf in the temporary home.
    void writeRtf(const QByteArray &body) const;

    QTemporaryDir *m_home = nullptr;
    QTemporaryDir m_config;
};

// Qt finds the settings folder once a run: a folder per test would be written again after
// it is removed, and left behind.
void TestProgramStart::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void TestProgramStart::init()
{
    m_home = new QTemporaryDir;
    // The socket's folder is the runtime folder: a program the user runs does not see ours.
    qputenv("XDG_RUNTIME_DIR", m_home->path().toUtf8());
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
}

void TestProgramStart::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

QProcessEnvironment TestProgramStart::programEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

int TestProgramStart::runToEnd(QProcess &process, const QStringList &arguments, int timeoutMs)
{
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(QUORVANE_BINARY), arguments);
    if (!process.waitForStarted() || !finished.wait(timeoutMs))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

void TestProgramStart::writeRtf(const QByteArray &body) const
{
    QFile file(m_home->filePath(QStringLiteral("idea.rtf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi " + body + "\\par}");
}

void TestProgramStart::versionAndHelp_needNoDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(env);
    QCOMPARE(runToEnd(process, {QStringLiteral("--version")}), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray("Quorvane 3.0\n"));

    QCOMPARE(runToEnd(process, {QStringLiteral("--help")}), 0);
    const QByteArray help = process.readAllStandardOutput();
    QVERIFY2(help.contains("--version") && help.contains("[file]"), help.constData());
    // Qt's words of the help ("Usage:", "Options:") follow the rest into Chinese.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                      QStringLiteral("/qtbase_zh_CN.qm")))
        QVERIFY2(help.contains("用法") && !help.contains("Usage"), help.constData());

    // Without an option that only prints, the program still says it needs a display.
    QCOMPARE(runToEnd(process, {}), 1);
    QVERIFY(process.readAllStandardError().contains("DISPLAY"));
}

void TestProgramStart::secondStart_handsItsFileToTheRunningWindow_andEnds()
{
    Form1 form;
    form.show();
    SingleInstance instance(SingleInstance::defaultServerName());
    QCOMPARE(instance.start(QString()), SingleInstance::Outcome::Serving);
    connect(&instance, &SingleInstance::fileRequested, &form,
            [&form](const QString &file) { OpenInEditor::fromLaterStart(form, file); });

    writeRtf("handed over");
    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    // The later start names the file relative to its own folder.
    second.setWorkingDirectory(m_home->path());
    QCOMPARE(runToEnd(second, {QStringLiteral("idea.rtf")}), 0);
    QTRY_COMPARE(form.editorPage()->editor()->toPlainText(), QStringLiteral("handed over"));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentWidget(),
             form.editorPage());
}

void TestProgramStart::secondStart_withASetup_opensItInItsPage()
{
    Form1 form;
    form.show();
    SingleInstance instance(SingleInstance::defaultServerName());
    QCOMPARE(instance.start(QString()), SingleInstance::Outcome::Serving);
    connect(&instance, &SingleInstance::fileRequested, &form,
            [&form](const QString &file) { OpenGivenFile::fromLaterStart(form, file); });

    PageSetup setup = form.ideaPage()->setup();
    setup.columns[0].input = QStringLiteral("扫地机");
    QString error;
    QVERIFY2(PageSetupFile::write(m_home->filePath(QStringLiteral("扫地.qvset")), setup, &error),
             qPrintable(error));
    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.setWorkingDirectory(m_home->path());
    QCOMPARE(runToEnd(second, {QStringLiteral("扫地.qvset")}), 0);
    auto *object = form.ideaPage()->findChild<QLineEdit *>(QStringLiteral("Text11(0)"));
    QTRY_COMPARE(object->text(), QStringLiteral("扫地机"));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentWidget(),
             form.ideaPage());
}

void TestProgramStart::staleSocketOfAKilledCopy_doesNotBlockTheNextStart()
{
    const QString socket = SingleInstance::defaultServerName();
    QProcess first;
    first.setProcessEnvironment(programEnvironment());
    first.start(QStringLiteral(QUORVANE_BINARY), QStringList());
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
    first.kill(); // a crash: the socket file stays behind
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(socket));

    Form1 form;
    SingleInstance instance(socket);
    QCOMPARE(instance.start(QString()), SingleInstance::Outcome::Serving);
    connect(&instance, &SingleInstance::fileRequested, &form,
            [&form](const QString &file) { OpenInEditor::fromLaterStart(form, file); });
    writeRtf("after the crash");
    QProcess third;
    third.setProcessEnvironment(programEnvironment());
    QCOMPARE(runToEnd(third, {m_home->filePath(QStringLiteral("idea.rtf"))}), 0);
    QTRY_COMPARE(form.editorPage()->editor()->toPlainText(), QStringLiteral("after the crash"));
}

void TestProgramStart::twoStartsOnAStaleSocket_endWithOneRunningCopy()
{
    // A crashed copy's socket: bound, never listened to, left behind.
    const QString socketPath = SingleInstance::defaultServerName();
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(socketPath);
    QVERIFY(size_t(encoded.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    QCOMPARE(::bind(stale, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(stale);
    const auto answered = [&socketPath] {
        QLocalSocket probe;
        probe.connectToServer(socketPath);
        const bool connected = probe.waitForConnected(1000);
        probe.abort();
        return connected;
    };
    QVERIFY(!answered());

    // Both starts come while another is taking the name over.
    QLockFile takeover(SingleInstance::lockPath(socketPath));
    QVERIFY(takeover.lock());
    QProcess first;
    QProcess second;
    for (QProcess *start : {&first, &second}) {
        start->setProcessEnvironment(programEnvironment());
        start->start(QStringLiteral(QUORVANE_BINARY), QStringList());
        QVERIFY(start->waitForStarted());
    }
    QTest::qWait(1500);
    // Neither replaced the socket under the takeover.
    QVERIFY(QFile::exists(socketPath));
    QVERIFY(!answered());
    takeover.unlock();

    // One takes the name over, the other hands off to it and ends.
    QTRY_VERIFY_WITH_TIMEOUT(
        first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning, 20000);
    QProcess &ended = first.state() == QProcess::NotRunning ? first : second;
    QProcess &running = &ended == &first ? second : first;
    QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
    // 0: handed off; 1: the new copy was still too busy starting to answer (a slow machine).
    QVERIFY2(ended.exitCode() == 0 || ended.exitCode() == 1,
             ended.readAllStandardError().constData());
    QVERIFY(answered());
    QTest::qWait(300);
    QCOMPARE(running.state(), QProcess::Running);
    running.terminate();
    QVERIFY(running.waitForFinished(10000));
}

QTEST_MAIN(TestProgramStart)
#include "tst_program_start.moc"
