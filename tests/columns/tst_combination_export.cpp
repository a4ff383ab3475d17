#include "columns/combination_controls.h"
#include "columns/combination_export.h"
#include "columns/combination_export_command.h"
#include "columns/exclusion_set.h"
#include "columns/simple_combo.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "storage/data_directory.h"
#include "support/message_box.h"
#include "title/title_page.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

// "导出全部组合…": every sentence of the box, as the page's walk composes them, to a file.
class TestCombinationExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyPage_fileHoldsTheWalksSentences();
    void ruledOutPairs_leftOutAsThePageCountsThem();
    void smallBox_firstAndLastLinesAndSize();
    void longExport_progressThenCancelKeepsOldFile();
    void fullDisk_keepsOldFile();
    void hugeBox_asksWithCountAndSizeFirst();

private:
    // To path, or to a new file in the temporary home.
    QString exportFrom(QWidget *page, QString path = QString());
    static QStringList linesOf(const QString &path);
    QTemporaryDir m_home;
    QString m_mount;
};

namespace {

template <typename T> T *control(const QWidget *page, const QString &name)
{
    T *found = page->findChild<T *>(name);
    if (!found)
        qFatal("missing control %s", qPrintable(name));
    return found;
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void fill(const QWidget *page, const QString &list, const QStringList &words)
{
    control<SimpleCombo>(page, list)->replaceItems(words);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Clicks the page's compose button in "遍历" count times: the walk's sentences, oldest first.
QStringList walked(QWidget *page, const char *walk, const char *compose, const char *results,
                   int count)
{
    control<QRadioButton>(page, QLatin1String(walk))->setChecked(true);
    for (int i = 0; i < count; ++i)
        control<QPushButton>(page, QLatin1String(compose))->click();
    QStringList sentences =
        control<SimpleCombo>(page, QLatin1String(results))->items().mid(0, count);
    std::reverse(sentences.begin(), sentences.end());
    return sentences;
}

// Cancels the export's progress dialog (which its 关闭 does too) once its text starts with
// start, and keeps that text.
void closeProgressWhen(QObject *context, const QString &start, QString *label)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, start, label] {
        auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || !dialog->labelText().startsWith(start))
            return;
        *label = dialog->labelText();
        timer->stop();
        timer->deleteLater();
        dialog->cancel();
    });
    timer->start();
}

} // namespace

void TestCombinationExport::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestCombinationExport::cleanup()
{
    if (!m_mount.isEmpty())
        QProcess::execute(QStringLiteral("umount"), {m_mount});
    m_mount.clear();
}

QString TestCombinationExport::exportFrom(QWidget *page, QString path)
{
    static int serial = 0;
    if (path.isEmpty())
        path = m_home.filePath(QStringLiteral("组合%1.txt").arg(++serial));
    auto *controls = page->findChild<CombinationControls *>();
    controls->exportCommand()->setFileChooser([path](QWidget *) { return path; });
    controls->exportAction()->trigger();
    return path;
}

QStringList TestCombinationExport::linesOf(const QString &path)
{
    QString text = QString::fromUtf8(bytesOf(path));
    if (!text.endsWith(u'\n'))
        return {QStringLiteral("<no final line feed>")};
    text.chop(1);
    return text.split(u'\n');
}

void TestCombinationExport::everyPage_fileHoldsTheWalksSentences()
{
    {
        QuestionPage page; // columns 5 and 8 drawn; a disabled column's text stays in
        fill(&page, indexed("Combowt", 5), {QStringLiteral("泵"), QStringLiteral("阀")});
        fill(&page, indexed("Combowt", 8),
             {QStringLiteral("变轻"), QStringLiteral("防水"), QStringLiteral("更安全")});
        control<QLineEdit>(&page, indexed("Text6", 2))->setText(QStringLiteral("在水下"));
        const QStringList lines = linesOf(exportFrom(&page));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), QStringLiteral("能否使在水下泵变轻"));
        QCOMPARE(lines, walked(&page, "questionWalk", "Command1tw", "Combo1wy", 6));
    }
    {
        IdeaPage page;
        fill(&page, indexed("Combos", 1), {QStringLiteral("钢化"), QStringLiteral("塑料化")});
        fill(&page, indexed("Combos", 2), {QStringLiteral("扇")});
        fill(&page, indexed("Combos", 3),
             {QStringLiteral("充电"), QStringLiteral("加热"), QStringLiteral("冷冻")});
        control<QRadioButton>(&page, indexed("Option2", 4))->setChecked(true); // not drawn
        fill(&page, indexed("Combos", 5), {QStringLiteral("厨房"), QStringLiteral("农场")});
        const QStringList lines = linesOf(exportFrom(&page));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.last(),
                 QStringLiteral(
                     "关于割草机:可否塑料化,能否引入扇的原理,快速冷冻如何,,能用在农场环境吗"));
        QCOMPARE(lines, walked(&page, "ideaWalk", "Command2", "Combo18", 12));
    }
    {
        TitlePage page; // columns 1, 2 and 5 drawn; column 5 sorts its words
        fill(&page, indexed("Combotm", 1), {QStringLiteral("伯努利"), QStringLiteral("霍尔")});
        fill(&page, indexed("Combotm", 2), {QStringLiteral("防水")});
        fill(&page, indexed("Combotm", 5),
             {QStringLiteral("泵"), QStringLiteral("钟"), QStringLiteral("锁")});
        const QStringList lines = linesOf(exportFrom(&page));
        QCOMPARE(lines, walked(&page, "titleWalk", "Commandsc0", "Combo7", 6));
        QCOMPARE(lines.at(4), QStringLiteral("霍尔防水锁")); // 泵, 锁, 钟 in pinyin order
    }
}

void TestCombinationExport::ruledOutPairs_leftOutAsThePageCountsThem()
{
    QuestionPage page;
    fill(&page, indexed("Combowt", 5), {QStringLiteral("泵"), QStringLiteral("阀")});
    fill(&page, indexed("Combowt", 8),
         {QStringLiteral("变轻"), QStringLiteral("防水"), QStringLiteral("更安全")});
    control<QLineEdit>(&page, indexed("Text6", 2))->setText(QStringLiteral("在水下"));
    // One pair of drawn words, and one with the fixed words: 防水 goes altogether.
    page.exclusions()->add(QStringLiteral("泵"), QStringLiteral("变轻"));
    page.exclusions()->add(QStringLiteral("在水下"), QStringLiteral("防水"));
    QCOMPARE(control<QLabel>(&page, QStringLiteral("questionCombinations"))->text(),
             QStringLiteral("共 3 种组合\n（已排除 3 种）"));
    const QStringList lines = linesOf(exportFrom(&page));
    QCOMPARE(lines, (QStringList{QStringLiteral("能否使在水下泵更安全"),
                                 QStringLiteral("能否使在水下阀变轻"),
                                 QStringLiteral("能否使在水下阀更安全")}));
    QCOMPARE(lines, walked(&page, "questionWalk", "Command1tw", "Combo1wy", 3));
}

void TestCombinationExport::smallBox_firstAndLastLinesAndSize()
{
    // Widget-free: words with a pasted line break stay on their line.
    CombinationExport job({{QStringLiteral("甲"), QStringLiteral("乙\n丙")},
                           {QStringLiteral("1"), QStringLiteral("22"), QStringLiteral("333")}},
                          [](const QStringList &words) {
                              return QStringLiteral("《") + words.join(u'+') + QStringLiteral("》");
                          });
    const QString path = m_home.filePath(QStringLiteral("small.txt"));
    QString error;
    QVERIFY2(job.writeAll(path, &error), qPrintable(error));
    const QStringList lines = linesOf(path);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.first(), QStringLiteral("《甲+1》"));
    QCOMPARE(lines.at(3), QStringLiteral("《乙 丙+1》"));
    QCOMPARE(lines.last(), QStringLiteral("《乙 丙+333》"));
    QCOMPARE(job.written(), quint64(6));
    QCOMPARE(double(job.estimatedBytes()), double(QFileInfo(path).size()));
}

void TestCombinationExport::longExport_progressThenCancelKeepsOldFile()
{
    QuestionPage page;
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many.append(QStringLiteral("词%1").arg(i));
    fill(&page, indexed("Combowt", 5), many);
    fill(&page, indexed("Combowt", 8), many.mid(0, 150)); // 30,000 lines

    // Finished: the dialog says what was written until it is closed.
    QString label;
    closeProgressWhen(&page, QStringLiteral("已导出"), &label);
    const QString path = exportFrom(&page);
    QVERIFY2(label.contains(QStringLiteral("30000")), qPrintable(label));
    QCOMPARE(linesOf(path).size(), 30000);
    QCOMPARE(linesOf(path).last(), QStringLiteral("能否使词199词149"));

    // Cancelled at the first look: the file written before stays byte for byte.
    const QByteArray before = bytesOf(path);
    fill(&page, indexed("Combowt", 8), many); // 40,000 lines now
    label.clear();
    closeProgressWhen(&page, QStringLiteral("正在"), &label);
    exportFrom(&page, path);
    QVERIFY(!label.isEmpty());
    QCOMPARE(bytesOf(path), before);
    // no temporary file left beside it
    QVERIFY(QDir(m_home.path()).entryList({QStringLiteral("*.txt.*")}, QDir::Files).isEmpty());
}

void TestCombinationExport::fullDisk_keepsOldFile()
{
    const QString disk = m_home.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=512k"), QStringLiteral("tmpfs"), disk});
    if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit ||
        mount.exitCode() != 0)
        QSKIP("mounting a tmpfs is not permitted here (needs root); the full-disk case is "
              "not checked");
    m_mount = disk;
    const QString path = disk + QStringLiteral("/组合.txt");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("旧的组合\n");
    }
    QStringList words;
    for (int i = 0; i < 1000; ++i)
        words.append(QStringLiteral("很长的一个单词%1").arg(i));
    CombinationExport job({words, words}, [](const QStringList &w) { return w.join(QString()); });
    QVERIFY(job.estimatedBytes() > 20 * 1024 * 1024); // far more than the disk holds
    QString error;
    QVERIFY(!job.writeAll(path, &error));
    QVERIFY2(error.contains(QStringLiteral("磁盘空间已满")), qPrintable(error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(bytesOf(path), QByteArray("旧的组合\n"));
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestCombinationExport::hugeBox_asksWithCountAndSizeFirst()
{
    QuestionPage page;
    for (int i = 0; i < 10; ++i)
        control<QRadioButton>(&page, indexed("Option3", i))->setChecked(true);
    auto *controls = page.findChild<CombinationControls *>();
    bool chosen = false;
    controls->exportCommand()->setFileChooser([&chosen](QWidget *) {
        chosen = true;
        return QString();
    });
    QString asked;
    onNextMessageBox(&page, [&asked](QMessageBox *box) {
        asked = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QStringLiteral("取消"))
                button->click();
        }
    });
    controls->exportAction()->trigger();
    QVERIFY2(asked.contains(QStringLiteral("832740199200")), qPrintable(asked));
    QVERIFY2(asked.contains(QStringLiteral("约")) && asked.contains(QStringLiteral("TB")),
             qPrintable(asked));
    QVERIFY(!chosen);
}

QTEST_MAIN(TestCombinationExport)
#include "tst_combination_export.moc"
