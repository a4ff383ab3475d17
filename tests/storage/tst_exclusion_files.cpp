#include "app/form1.h"
#include "columns/exclusion_set.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "support/message_box.h"
#include "title/title_page.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Each page's ruled-out pairs in the data directory: kept across runs, an unreadable file kept
// aside rather than replaced, a save that cannot be made reported and tried again.
class TestExclusionFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void acrossRuns_onePlainFilePerPage();
    void unreadableFile_keptAsideAndNamed_data();
    void unreadableFile_keptAsideAndNamed();
    void folderInTheWay_saysSoOnceAndSavesLater();

private:
    QString file(const QString &page) const
    {
        return m_home->filePath(
            QStringLiteral("quorvane/sysh/quorvane-exclusions-%1.txt").arg(page));
    }
    static QByteArray bytesOf(const QString &path);
    static void write(const QString &path, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_home;
};

void TestExclusionFiles::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
}

void TestExclusionFiles::cleanup()
{
    m_home.reset();
}

QByteArray TestExclusionFiles::bytesOf(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

void TestExclusionFiles::write(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

void TestExclusionFiles::acrossRuns_onePlainFilePerPage()
{
    {
        Form1 form;
        form.questionPage()->exclusions()->add(QStringLiteral("泵"), QStringLiteral("变轻"));
        form.questionPage()->exclusions()->add(QStringLiteral("锅炉"), QStringLiteral("变轻"));
        form.ideaPage()->exclusions()->add(QStringLiteral("割草机"), QStringLiteral("扇"));
        QVERIFY(form.close());
    }
    QCOMPARE(bytesOf(file(QStringLiteral("question"))),
             QStringLiteral("变轻\t泵\n变轻\t锅炉\n").toUtf8());
    QCOMPARE(bytesOf(file(QStringLiteral("idea"))), QStringLiteral("割草机\t扇\n").toUtf8());
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("title")))); // nothing ruled out there

    Form1 again;
    QCOMPARE(again.questionPage()->exclusions()->size(), 2);
    QVERIFY(
        again.ideaPage()->exclusions()->contains(QStringLiteral("扇"), QStringLiteral("割草机")));
    QVERIFY(again.titlePage()->exclusions()->isEmpty());
    again.questionPage()->choosePattern(6);
    QCOMPARE(again.findChild<QLabel *>(QStringLiteral("questionCombinations"))->text(),
             QStringLiteral("共 1489 种组合\n（已排除 2 种）"));
    // Taking the last pair back leaves an empty file, not the old one.
    again.ideaPage()->exclusions()->clear();
    QCOMPARE(bytesOf(file(QStringLiteral("idea"))), QByteArray());
}

void TestExclusionFiles::unreadableFile_keptAsideAndNamed_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("GBK bytes") << false;
    QTest::newRow("a folder of that name") << true;
}

void TestExclusionFiles::unreadableFile_keptAsideAndNamed()
{
    QFETCH(bool, folder);
    const QString path = file(QStringLiteral("title"));
    const QByteArray gbk("\xb1\xc3\t\xb1\xe3\xd0\xaf\r\n"); // 泵 便携 in GBK
    if (folder)
        QVERIFY(QDir().mkpath(path));
    else
        write(path, gbk);
    QString shown;
    closeNextMessageBox(this, &shown);
    Form1 form;
    QVERIFY2(shown.contains(QDir::toNativeSeparators(path)), qPrintable(shown));
    const QStringList kept =
        QDir(QFileInfo(path).path()).entryList({QStringLiteral("quorvane-exclusions-title-*")});
    QCOMPARE(kept.size(), 1);
    const QString keptPath = QFileInfo(path).dir().filePath(kept.constFirst());
    QVERIFY2(shown.contains(QDir::toNativeSeparators(keptPath)), qPrintable(shown));
    if (folder)
        QVERIFY(QFileInfo(keptPath).isDir());
    else
        QCOMPARE(bytesOf(keptPath), gbk);
    QVERIFY(form.titlePage()->exclusions()->isEmpty());

    // New pairs go to a new file; the kept one stays as it was.
    form.titlePage()->exclusions()->add(QStringLiteral("泵"), QStringLiteral("便携"));
    QCOMPARE(bytesOf(path), QStringLiteral("便携\t泵\n").toUtf8());
    if (!folder)
        QCOMPARE(bytesOf(keptPath), gbk);
}

void TestExclusionFiles::folderInTheWay_saysSoOnceAndSavesLater()
{
    Form1 form;
    ExclusionSet *pairs = form.questionPage()->exclusions();
    const QString path = file(QStringLiteral("question"));
    QVERIFY(QDir().mkpath(path));
    QString shown;
    closeNextMessageBox(this, &shown);
    pairs->add(QStringLiteral("泵"), QStringLiteral("变轻"));
    QTRY_VERIFY(!shown.isEmpty());
    QVERIFY2(shown.contains(QDir::toNativeSeparators(path)) &&
                 shown.contains(QStringLiteral("文件夹")),
             qPrintable(shown));
    // The pair holds meanwhile, and the next failures do not ask again.
    pairs->add(QStringLiteral("锅炉"), QStringLiteral("变轻"));
    QCOMPARE(pairs->size(), 2);
    QVERIFY(QFileInfo(path).isDir());

    QVERIFY(QDir(path).removeRecursively());
    pairs->remove(QStringLiteral("锅炉"), QStringLiteral("变轻"));
    QCOMPARE(bytesOf(path), QStringLiteral("变轻\t泵\n").toUtf8());
}

QTEST_MAIN(TestExclusionFiles)
#include "tst_exclusion_files.moc"
