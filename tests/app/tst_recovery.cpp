#include "app/form1.h"
#include "app/unix_signal_watcher.h"
#include "editor/editor_page.h"
#include "editor/recovery_copy.h"
#include "editor/rich_text_box.h"
#include "storage/line_file.h"
#include "support/message_box.h"
#include "support/typing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString typed = u"丢不了的想法 idea"_s;
const QString memoText = u"备忘 memo"_s;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

// The editor's recovery copy across runs of the whole window, and the orderly end on a signal.
class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void schedule_quietSpellThenCap_data();
    void schedule_quietSpellThenCap();
    void leftCopy_offeredAtStart_data();
    void leftCopy_offeredAtStart();
    void settledDocument_removesCopy_data();
    void settledDocument_removesCopy();
    void unreadableCopy_isKeptAndNamed_data();
    void unreadableCopy_isKeptAndNamed();
    void failedWrite_staysPending_andPageAloneTouchesNothing();
    void afterOpen_copyHoldsTheOpenedDocument();
    void terminationSignal_savesMemoAndLeavesCopy_data();
    void terminationSignal_savesMemoAndLeavesCopy();

private:
    QString sysh() const { return m_home->path() + u"/quorvane/sysh"_s; }
    QString copyPath() const { return sysh() + u"/quorvane-recovery.rtf"_s; }

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

void TestRecovery::schedule_quietSpellThenCap_data()
{
    QTest::addColumn<QList<qint64>>("changes");
    QTest::addColumn<qint64>("due");
    QTest::newRow("one change") << QList<qint64>{1000} << qint64(6000);
    QTest::newRow("a later change restarts the wait") << QList<qint64>{0, 3000} << qint64(8000);
    QTest::newRow("steady typing is copied by the cap")
        << QList<qint64>{0, 4000, 8000, 12000, 16000, 20000, 24000, 28000} << qint64(30000);
}

void TestRecovery::schedule_quietSpellThenCap()
{
    QFETCH(QList<qint64>, changes);
    QFETCH(qint64, due);
    RecoverySchedule schedule;
    for (const qint64 t : changes)
        schedule.changed(t);
    QVERIFY(schedule.isPending());
    QCOMPARE(schedule.dueAt(), due);
    // After a copy the cap counts from the next change, not from the old burst.
    schedule.written();
    QVERIFY(!schedule.isPending());
    schedule.changed(100000);
    QCOMPARE(schedule.dueAt(), qint64(105000));
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
    QString left;
    {
        Form1 crashed; // destroyed without a close, as a crash leaves it
        typeText(crashed.editorPage()->editor(), typed);
        QVERIFY(crashed.editorPage()->recoveryCopy().writeNow());
        left = crashed.editorPage()->editor()->toPlainText();
    }
    QObject scope;
    QStringList buttons;
    onNextMessageBox(&scope, [&](QMessageBox *box) {
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        box->findChild<QAbstractButton *>(answer)->click();
    });
    Form1 form;
    buttons.sort();
    QCOMPARE(buttons, QStringList({u"丢弃"_s, u"恢复"_s}));
    EditorPage *page = form.editorPage();
    if (answer == u"discard") {
        QVERIFY(!QFile::exists(copyPath()));
        QCOMPARE(page->editor()->toPlainText(), EditorPage::headingText());
        QVERIFY(!page->hasUnsavedChanges());
        return;
    }
    QVERIFY(left.contains(typed));
    QCOMPARE(page->editor()->toPlainText(), left);
    QVERIFY(page->hasUnsavedChanges());
    QVERIFY(QFile::exists(copyPath())); // until the document is settled

    // The close guard asks about the recovered text; 不保存 lets the copy go.
    bool asked = false;
    onNextMessageBox(&scope, [&](QMessageBox *box) {
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
        QVERIFY(page->saveTo(m_home->filePath(u"own.rtf"_s)));
        QVERIFY(readAll(m_home->filePath(u"own.rtf"_s)).contains("idea"));
    } else {
        QVERIFY(writeFile(copyPath(), "{\\rtf1 stale}"));
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
    QVERIFY(folder ? writeFile(copyPath() + u"/inside"_s, "x") : writeFile(copyPath(), garbage));
    QObject scope;
    QString message;
    qsizetype buttonCount = 0;
    onNextMessageBox(&scope, [&](QMessageBox *box) {
        message = box->text();
        buttonCount = box->buttons().size();
        box->accept();
    });
    Form1 form;
    QCOMPARE(buttonCount, 1); // told, not asked
    const QString kept = QDir::fromNativeSeparators(message.mid(message.indexOf(u'：') + 1));
    QVERIFY2(kept.startsWith(sysh()), qPrintable(message));
    QCOMPARE(readAll(folder ? kept + u"/inside"_s : kept), folder ? QByteArray("x") : garbage);
    QCOMPARE(form.editorPage()->editor()->toPlainText(), EditorPage::headingText());

    // Out of the way: a new copy does not overwrite it, and letting that go leaves it.
    typeText(form.editorPage()->editor(), typed);
    QVERIFY(form.editorPage()->recoveryCopy().writeNow());
    form.editorPage()->recoveryCopy().discard();
    QVERIFY(QFileInfo::exists(kept));
}

void TestRecovery::failedWrite_staysPending_andPageAloneTouchesNothing()
{
    Form1 form;
    QVERIFY(QDir().mkpath(copyPath()));
    RecoveryCopy &copy = form.editorPage()->recoveryCopy();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"quorvane-recovery"_s));
    QVERIFY(!copy.writeNow());
    QVERIFY(copy.isPending()); // tried again later
    QVERIFY(QFileInfo(copyPath()).isDir());

    // An editor page outside the program keeps no copy and leaves one on disk alone.
    QVERIFY(QDir(copyPath()).removeRecursively());
    QVERIFY(writeFile(copyPath(), "{\\rtf1 theirs}"));
    EditorPage alone;
    typeText(alone.editor(), typed);
    QVERIFY(!alone.recoveryCopy().isPending());
    QVERIFY(alone.saveTo(m_home->filePath(u"own.rtf"_s)));
    QCOMPARE(readAll(copyPath()), QByteArray("{\\rtf1 theirs}"));
}

void TestRecovery::afterOpen_copyHoldsTheOpenedDocument()
{
    Form1 form;
    EditorPage *page = form.editorPage();
    const QString own = m_home->filePath(u"opened.rtf"_s);
    QVERIFY(writeFile(own, "{\\rtf1\\ansi opened text\\par}"));
    QVERIFY(page->openFrom(own));
    typeText(page->editor(), typed);
    QVERIFY(page->recoveryCopy().writeNow());
    QTextDocument copy;
    QVERIFY(RecoveryCopy::read(copyPath(), &copy));
    QVERIFY(copy.toPlainText().contains(u"opened text"_s));
    QVERIFY(copy.toPlainText().contains(typed));
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

// The child of the signal test: the program wired as main() wires it, with text and a memo.
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
