#include "editor/editor_page.h"
#include "editor/recent_files.h"
#include "editor/rich_text_box.h"
#include "support/menu_action.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void openAndSave_newestFirst_keptForTheNextRun();
    void nine_keepsTheLastEight();
    void clearList_emptiesItForTheNextRunToo();
    void vanishedFile_saysSoAndLeavesTheList();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_home;
};

void TestRecentFiles::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toUtf8());
    QCoreApplication::setOrganizationName(u"QuorvaneTest"_s);
    QCoreApplication::setApplicationName(u"RecentFiles"_s);
}

void TestRecentFiles::init()
{
    QSettings().clear();
}

QString TestRecentFiles::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_home.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestRecentFiles::openAndSave_newestFirst_keptForTheNextRun()
{
    const QString first = writeFile(u"甲.txt"_s, "first");
    const QString second = writeFile(u"乙.rtf"_s, "{\\rtf1 second}");
    const QString saved = m_home.filePath(u"丙.rtf"_s);
    {
        EditorPage page;
        QVERIFY(page.openFrom(first));
        QVERIFY(page.openFrom(second));
        QVERIFY(page.saveTo(saved));
        QVERIFY(page.openFrom(first)); // again: moves to the top, not twice in the list
        auto *menu = page.findChild<QMenu *>(u"wenjian"_s);
        QAction *recent = actionIn(menu, u"recentFiles"_s);
        QVERIFY(recent && recent->menu());
        QCOMPARE(recent->text(), u"最近的文件"_s);
        QCOMPARE(recent->menu()->actions().at(0)->text(), u"&1 甲.txt"_s);
    }
    // the next run: a new page reading the settings again
    EditorPage page;
    auto *recent = page.findChild<RecentFiles *>();
    QCOMPARE(recent->files(), QStringList({first, saved, second}));
    QCOMPARE(QSettings().value(u"editor/recentFiles"_s).toStringList(),
             QStringList({first, saved, second}));
    actionIn(recent, u"recentFile(2)"_s)->trigger();
    QCOMPARE(page.editor()->toPlainText(), u"second"_s);
    QCOMPARE(recent->files().constFirst(), second);
}

void TestRecentFiles::nine_keepsTheLastEight()
{
    EditorPage page;
    QStringList opened;
    for (int i = 0; i < 9; ++i) {
        opened.prepend(writeFile(u"%1.txt"_s.arg(i), "x"));
        QVERIFY(page.openFrom(opened.constFirst()));
    }
    QCOMPARE(page.findChild<RecentFiles *>()->files(), opened.mid(0, 8));
}

void TestRecentFiles::clearList_emptiesItForTheNextRunToo()
{
    {
        EditorPage page;
        QVERIFY(page.openFrom(writeFile(u"a.txt"_s, "a")));
        auto *recent = page.findChild<RecentFiles *>();
        QAction *clear = actionIn(recent, u"clearRecentFiles"_s);
        QCOMPARE(clear->text(), u"清除列表"_s);
        clear->trigger();
        QVERIFY(recent->files().isEmpty());
        QVERIFY(!actionIn(recent, u"clearRecentFiles"_s)->isEnabled());
    }
    EditorPage page;
    QVERIFY(page.findChild<RecentFiles *>()->files().isEmpty());
}

void TestRecentFiles::vanishedFile_saysSoAndLeavesTheList()
{
    const QString kept = writeFile(u"留下.txt"_s, "kept");
    const QString gone = writeFile(u"消失.txt"_s, "gone");
    EditorPage page;
    QVERIFY(page.openFrom(gone));
    QVERIFY(page.openFrom(kept));
    QVERIFY(QFile::remove(gone));
    auto *recent = page.findChild<RecentFiles *>();

    QString message;
    auto *timer = new QTimer(this);
    timer->setInterval(0);
    connect(timer, &QTimer::timeout, this, [timer, &message] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        message = box->text();
        box->accept();
    });
    timer->start();
    actionIn(recent, u"recentFile(1)"_s)->trigger();
    QVERIFY2(message.contains(u"无法打开文件"_s) && message.contains(u"消失.txt"_s),
             qPrintable(message));
    QCOMPARE(page.editor()->toPlainText(), u"kept"_s);
    QCOMPARE(recent->files(), QStringList({kept}));
    QCOMPARE(QSettings().value(u"editor/recentFiles"_s).toStringList(), QStringList({kept}));
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recent_files.moc"
