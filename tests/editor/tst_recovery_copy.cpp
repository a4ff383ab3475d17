#include "editor/recovery_copy.h"
#include "editor/recovery_schedule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

// The recovery copy's timing and its file, without a window, in a temporary data home.
class TestRecoveryCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void schedule_dueAfterQuietSpell_butNotLaterThanCap_data();
    void schedule_dueAfterQuietSpell_butNotLaterThanCap();
    void disabledCopy_touchesNothingOnDisk();
    void writeThenRead_roundTrip_andDiscardRemoves();
    void folderInTheWay_failsKeepsPending_andMovesAside();

private:
    QString copyPath() const
    {
        return m_home->path() + QStringLiteral("/quorvane/sysh/quorvane-recovery.rtf");
    }

    QTemporaryDir *m_home = nullptr;
    QTextDocument m_doc;
};

void TestRecoveryCopy::init()
{
    m_home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
    QVERIFY(QDir().mkpath(m_home->path() + QStringLiteral("/quorvane/sysh")));
    QCOMPARE(RecoveryCopy::filePath(), copyPath());
    m_doc.setPlainText(QStringLiteral("还没保存的想法\nsecond line"));
}

void TestRecoveryCopy::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

void TestRecoveryCopy::schedule_dueAfterQuietSpell_butNotLaterThanCap_data()
{
    QTest::addColumn<QList<qint64>>("changes");
    QTest::addColumn<qint64>("due");
    QTest::newRow("one change") << QList<qint64>{1000} << qint64(6000);
    QTest::newRow("a later change restarts the wait") << QList<qint64>{0, 3000} << qint64(8000);
    QTest::newRow("steady typing is copied by the cap")
        << QList<qint64>{0, 4000, 8000, 12000, 16000, 20000, 24000, 28000} << qint64(30000);
}

void TestRecoveryCopy::schedule_dueAfterQuietSpell_butNotLaterThanCap()
{
    QFETCH(QList<qint64>, changes);
    QFETCH(qint64, due);
    RecoverySchedule schedule;
    QVERIFY(!schedule.isPending());
    for (const qint64 t : changes)
        schedule.changed(t);
    QVERIFY(schedule.isPending());
    QCOMPARE(schedule.dueAt(), due);

    // After a copy the cap counts from the next change, not from the old burst.
    schedule.written();
    QVERIFY(!schedule.isPending());
    schedule.changed(100000);
    schedule.changed(103000);
    QCOMPARE(schedule.dueAt(), qint64(108000));
}

void TestRecoveryCopy::disabledCopy_touchesNothingOnDisk()
{
    RecoveryCopy copy(&m_doc);
    copy.documentChanged();
    QVERIFY(!copy.isPending());
    QVERIFY(!copy.writeNow());
    QVERIFY(!QFile::exists(copyPath()));

    // Somebody's copy at that place stays, whatever an editor on its own does.
    QFile other(copyPath());
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("{\\rtf1 theirs}");
    other.close();
    copy.discard();
    QVERIFY(QFile::exists(copyPath()));
}

void TestRecoveryCopy::writeThenRead_roundTrip_andDiscardRemoves()
{
    RecoveryCopy copy(&m_doc);
    copy.setEnabled(true);
    copy.documentChanged();
    QVERIFY(copy.isPending());
    QVERIFY(copy.writeNow());
    QVERIFY(!copy.isPending());

    QTextDocument back;
    QVERIFY(RecoveryCopy::read(copyPath(), &back));
    QCOMPARE(back.toPlainText(), m_doc.toPlainText());

    copy.discard();
    QVERIFY(!QFile::exists(copyPath()));
    QVERIFY(!RecoveryCopy::read(copyPath(), &back));
}

void TestRecoveryCopy::folderInTheWay_failsKeepsPending_andMovesAside()
{
    QVERIFY(QDir().mkpath(copyPath() + QStringLiteral("/inside")));
    RecoveryCopy copy(&m_doc);
    copy.setEnabled(true);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("quorvane-recovery")));
    QVERIFY(!copy.writeNow());
    QVERIFY(copy.isPending()); // tried again later
    copy.discard();
    QVERIFY(QFileInfo(copyPath() + QStringLiteral("/inside")).isDir());

    QTextDocument back;
    QVERIFY(!RecoveryCopy::read(copyPath(), &back));
    const QString kept = RecoveryCopy::keepAside(copyPath());
    QVERIFY(kept != copyPath());
    QVERIFY(!QFileInfo::exists(copyPath()));
    QVERIFY(QFileInfo(kept + QStringLiteral("/inside")).isDir());
    QCOMPARE(QFileInfo(kept).absolutePath(), QFileInfo(copyPath()).absolutePath());
}

QTEST_MAIN(TestRecoveryCopy)
#include "tst_recovery_copy.moc"
