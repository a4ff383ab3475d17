#include "app/form1.h"
#include "app/unix_signal_watcher.h"
#include "editor/editor_page.h"
#include "editor/recovery_copy.h"
#include "editor/rich_text_box.h"
#include "storage/line_file.h"
#include "support/typing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString typed = u"丢不了的想法 idea"_s;
const QString memoText = u"备忘 memo"_s;

// Handles the next message box once it shows.
void onNextBox(QObject *context, std::function<void(QMessageBox *)> handler)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, handler] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handler(box);
    });
    timer->start();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// The editor's recovery copy across runs of the whole window, and the orderly end on a signal.
class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void leftCopy_offeredAtStart_data();
    void leftCopy_offeredAtStart();
    void settledDocument_removesCopy_data();
    void settledDocument_removesCopy();
    void unreadableCopy_isKeptAndNamed_data();
    void unreadableCopy_isKeptAndNamed();
    void terminationSignal_savesMemoAndLeavesCopy_data();
    void terminationSignal_savesMemoAndLeavesCopy();

private:
    QString sysh() const { return m_home->path() + u"/quorvane/sysh"_s; }
    QString copyPath() const { return sysh() + u"/quorvane-recovery.rtf"_s; }
    // A run that typed into the editor and ended without a close, as a crash does.
    QString leaveCopyBehind();

    QTemporaryDir *m_home = nullptr;
};

void TestRecovery::init()
{
    m_home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
}

void TestRecovery::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

QString TestRecovery::leaveCopyBehind()
{
    Form1 form;
    typeText(form.editorPage()->editor(), typed);
    if (!form.editorPage()->recoveryCopy().writeNow())
        return QString();
    return form.editorPage()->editor()->toPlainText();
}

void TestRecovery::leftCopy_offeredAtStart_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("恢复") << u"restore"_s;
    QTest::newRow("丢弃") << u"discard"_s;
}

void TestRecovery::leftCopy_offeredAtStart()
{
    QFETCH(QString, answer);
    const QString left = leaveCopyBehind();
    QVERIFY(left.contains(typed));
    QVERIFY(QFile::exists(copyPath()));

    QObject scope;
    QStringList buttons;
    onNextBox(&scope, [&](QMessageBox *box) {
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        box->findChild<QAbstractButton *>(answer)->click();
    });
    Form1 form;
    buttons.sort();
    QCOMPARE(buttons, QStringList({u"丢弃"_s, u"恢复"_s}));
    EditorPage *page = form.editorPage();
    QCOMPARE(form.findChild<QTabWidget *>(u"SSTab1"_s)->currentIndex(), 0);

    if (answer == u"discard") {
        QVERIFY(!QFile::exists(copyPath()));
        QCOMPARE(page->editor()->toPlainText(), EditorPage::headingText());
        QVERIFY(!page->hasUnsavedChanges());
        return;
    }
    QCOMPARE(page->editor()->toPlainText(), left);
    QVERIFY(page->hasUnsavedChanges());
    QVERIFY(QFile::exists(copyPath())); // until the document is settled

    // The close guard asks about the recovered text; 不保存 lets it go for good.
    bool asked = false;
    onNextBox(&scope, [&](QMessageBox *box) {
        asked = true;
        box->findChild<QAbstractButton *>(u"discard"_s)->click();
    });
    QVERIFY(form.close());
    QVERIFY(asked);
    QVERIFY(!QFile::exists(copyPath()));
}

void TestRecovery::settledDocument_removesCopy_data()
{
    QTest::addColumn<bool>("bySaving");
    QTest::newRow("saved") << true;
    QTest::newRow("closed with nothing unsaved") << false;
}

void TestRecovery::settledDocument_removesCopy()
{
    QFETCH(bool, bySaving);
    Form1 form;
    EditorPage *page = form.editorPage();
    if (bySaving) {
        typeText(page->editor(), typed);
        QVERIFY(page->recoveryCopy().writeNow());
        const QString own = m_home->filePath(u"own.rtf"_s);
        QVERIFY(page->saveTo(own));
        QVERIFY(readAll(own).contains("idea"));
    } else {
        QFile stale(copyPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("{\\rtf1 stale}");
        stale.close();
        QVERIFY(form.close());
    }
    QVERIFY(!QFile::exists(copyPath()));
}

void TestRecovery::unreadableCopy_isKeptAndNamed_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder in its place") << true;
    QTest::newRow("garbage bytes") << false;
}

void TestRecovery::unreadableCopy_isKeptAndNamed()
{
    QFETCH(bool, folder);
    const QByteArray garbage("\x00\xff\xfe not rich text", 17);
    if (folder) {
        QVERIFY(QDir().mkpath(copyPath() + u"/inside"_s));
    } else {
        QVERIFY(QDir().mkpath(sysh()));
        QFile file(copyPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    QObject scope;
    QString message;
    int buttonCount = 0;
    onNextBox(&scope, [&](QMessageBox *box) {
        message = box->text();
        buttonCount = int(box->buttons().size());
        box->accept();
    });
    Form1 form;
    QCOMPARE(buttonCount, 1); // told, not asked
    const int at = message.indexOf(u"：");
    QVERIFY2(at > 0, qPrintable(message));
    const QString kept = QDir::fromNativeSeparators(message.mid(at + 1));
    QVERIFY(kept.startsWith(sysh()));
    if (folder)
        QVERIFY(QFileInfo(kept + u"/inside"_s).isDir());
    else
        QCOMPARE(readAll(kept), garbage);
    QCOMPARE(form.editorPage()->editor()->toPlainText(), EditorPage::headingText());

    // Out of the way: the next copy does not overwrite it, and a normal close leaves it.
    typeText(form.editorPage()->editor(), typed);
    QVERIFY(form.editorPage()->recoveryCopy().writeNow());
    form.editorPage()->recoveryCopy().discard();
    QVERIFY(QFileInfo::exists(kept));
}

void TestRecovery::terminationSignal_savesMemoAndLeavesCopy_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestRecovery::terminationSignal_savesMemoAndLeavesCopy()
{
    QFETCH(int, signalNumber);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {u"--signal-child"_s});
    QByteArray out;
    while (!out.contains("ready") && child.waitForReadyRead(30000))
        out += child.readAllStandardOutput();
    QVERIFY2(out.contains("ready"), out.constData());
    QVERIFY(!QFile::exists(copyPath()));

    QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
    QVERIFY2(child.waitForFinished(30000), "the program did not end; did it ask something?");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    QVERIFY(readAll(sysh() + u"/dllkvrc.kvr"_s).startsWith(LineFile::encodeText(memoText)));
    QTextDocument copy;
    QVERIFY(RecoveryCopy::read(copyPath(), &copy));
    QVERIFY(copy.toPlainText().contains(typed));
}

// The child of the signal test: the program as main() wires it, with typed text and a memo.
static int runSignalChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    Form1 form;
    UnixSignalWatcher endSignals(UnixSignalWatcher::terminationSignals());
    QObject::connect(&endSignals, &UnixSignalWatcher::signalReceived, &form,
                     &Form1::quitWithoutAsking);
    form.show();
    typeText(form.editorPage()->editor(), typed);
    // Held, so that only the end itself can write the copy.
    form.editorPage()->findChild<QTimer *>(u"recoveryTimer"_s)->stop();
    form.findChild<QPlainTextEdit *>(u"Text4"_s)->setPlainText(memoText);
    QTimer::singleShot(0, &form, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return QApplication::exec();
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--signal-child") == 0)
        return runSignalChild(argc, argv);
    QApplication app(argc, argv);
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
