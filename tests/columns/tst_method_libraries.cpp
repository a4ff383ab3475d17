#include "columns/method_library.h"
#include "columns/method_library_menu.h"
#include "columns/simple_combo.h"
#include "columns/sorted_order.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "storage/data_directory.h"
#include "storage/line_file.h"
#include "support/menu_action.h"
#include "support/message_box.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

// The shipped method lists and the word list menu that loads them.
class TestMethodLibraries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void library_countsTitlesAndKnownEntries_data();
    void library_countsTitlesAndKnownEntries();
    void menu_replaceAppendAndCancel();
    void sortedList_keepsItsOrder();
    void loadedWords_areTheColumnsOwnWords();
    void fullOrDisabledList();

private:
    QTemporaryDir m_home;
};

namespace {

// Chooses library from list's menu and answers the question with answer; returns its text.
QString loadThrough(SimpleCombo *list, int library, const QString &answer)
{
    QString question;
    onNextMessageBox(list, [answer, &question](QMessageBox *box) {
        question = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
    QMenu *menu = list->findChild<MethodLibraryMenu *>()->menu();
    actionIn(menu, QStringLiteral("methodLibrary(%1)").arg(library))->trigger();
    return question;
}

QStringList sorted(QStringList words)
{
    std::stable_sort(words.begin(), words.end(), sortedLess);
    return words;
}

const QStringList &words(int library)
{
    return MethodLibrary::all().at(library).words;
}

} // namespace

void TestMethodLibraries::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestMethodLibraries::library_countsTitlesAndKnownEntries_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("count");     // negative: at least that many
    QTest::addColumn<QString>("known"); // first, a middle one, last
    QTest::newRow("0") << QStringLiteral("TRIZ 40 条发明原理") << 40
                       << QStringLiteral("分割 物理或化学参数改变 复合材料");
    QTest::newRow("1") << QStringLiteral("TRIZ 39 个通用工程参数") << 39
                       << QStringLiteral("运动物体的重量 可靠性 生产率");
    QTest::newRow("2") << QStringLiteral("奥斯本检核表") << 9
                       << QStringLiteral("能否他用 能否缩小 能否组合");
    QTest::newRow("3") << QStringLiteral("和田十二法") << 12
                       << QStringLiteral("加一加 学一学 定一定");
    QTest::newRow("4") << QStringLiteral("SCAMPER 七问") << 7 << QStringLiteral("替代 修改 重排");
    QTest::newRow("5") << QStringLiteral("常用物理效应") << -60
                       << QStringLiteral("惯性 压电效应 驻波");
    QTest::newRow("6") << QStringLiteral("常用材料") << -80
                       << QStringLiteral("碳钢 聚四氟乙烯 活性炭");
    QTest::newRow("7") << QStringLiteral("常用功能动词") << -80 << QStringLiteral("吸收 分离 记录");
}

void TestMethodLibraries::library_countsTitlesAndKnownEntries()
{
    QFETCH(QString, title);
    QFETCH(int, count);
    QFETCH(QString, known);
    QCOMPARE(MethodLibrary::all().size(), 8);
    // The row's tag is the menu position.
    const MethodLibrary &library =
        MethodLibrary::all().at(QString::fromLatin1(QTest::currentDataTag()).toInt());
    QCOMPARE(library.title, title);
    QVERIFY(!library.source.isEmpty());
    if (count > 0)
        QCOMPARE(library.words.size(), count);
    else
        QVERIFY2(library.words.size() >= -count, qPrintable(QString::number(library.words.size())));
    const QStringList entries = known.split(u' ');
    QCOMPARE(library.words.first(), entries.first());
    QVERIFY2(library.words.contains(entries.at(1)), qPrintable(entries.at(1)));
    QCOMPARE(library.words.last(), entries.last());
    QStringList unique = library.words;
    unique.removeDuplicates();
    QCOMPARE(unique.size(), library.words.size());
    QVERIFY(!library.words.contains(QString()));
}

void TestMethodLibraries::menu_replaceAppendAndCancel()
{
    IdeaPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(2)")); // not sorted
    // The right button opens the menu with the submenu in it, and chooses no word.
    QWidget *viewport = list->listWidget()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {},
                      list->listWidget()->visualItemRect(list->listWidget()->item(3)).center());
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(page.findChild<QLineEdit *>(QStringLiteral("Text11(2)"))->text().isEmpty());
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &click);
    QMenu *menu = list->findChild<MethodLibraryMenu *>()->menu();
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(actionIn(menu, QStringLiteral("methodLibraries")));
    menu->hide();

    const QString question = loadThrough(list, 0, QStringLiteral("替换"));
    QCOMPARE(list->items(), words(0));
    QVERIFY2(question.contains(QStringLiteral("“TRIZ 40 条发明原理”的 40 个词")) &&
                 question.contains(QStringLiteral("现有的 76 个词")),
             qPrintable(question));
    loadThrough(list, 4, QStringLiteral("取消"));
    QCOMPARE(list->items(), words(0));
    loadThrough(list, 4, QStringLiteral("追加"));
    QCOMPARE(list->items(), words(0) + words(4));
}

void TestMethodLibraries::sortedList_keepsItsOrder()
{
    IdeaPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(0)"));
    QVERIFY(list->isSorted());
    const QStringList before = list->items();
    loadThrough(list, 3, QStringLiteral("追加"));
    QCOMPARE(list->items(), sorted(before + words(3)));
    loadThrough(list, 3, QStringLiteral("替换"));
    QCOMPARE(list->items(), sorted(words(3)));
    QVERIFY(list->items() != words(3)); // the library's own order is not pinyin order
}

void TestMethodLibraries::loadedWords_areTheColumnsOwnWords()
{
    IdeaPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(2)"));
    QSignalSpy changes(list, &SimpleCombo::entriesChanged);
    loadThrough(list, 0, QStringLiteral("替换"));
    QCOMPARE(changes.count(), 1); // one step, whatever the number of words
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("ideaCombinations"))->text(),
             QStringLiteral("共 4320000 种组合")); // 15 x 40 x 30 x 12 x 20

    list->setCurrentIndex(2);
    page.findChild<QPushButton *>(QStringLiteral("Commandd(2)"))->click();
    QStringList expected = words(0);
    expected.removeAt(2);
    QCOMPARE(list->items(), expected);
    page.findChild<QPushButton *>(QStringLiteral("Command2ck(2)"))->click();
    QFile saved(DataDirectory::filePath(QStringLiteral("dllts2.kvr")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(LineFile::decodeLines(saved.readAll()), expected);
}

void TestMethodLibraries::fullOrDisabledList()
{
    QuestionPage page;
    // Seven places left: the first seven principles, and a notice saying so.
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combowt(5)"));
    QStringList filler;
    for (int i = list->count(); i < SimpleCombo::MaxCount - 7; ++i)
        filler.append(QString::number(i));
    list->addItems(filler);
    QString notice;
    onNextMessageBox(list, [&notice, list](QMessageBox *question) {
        for (QAbstractButton *button : question->buttons()) {
            if (button->text() == QStringLiteral("追加"))
                button->click();
        }
        closeNextMessageBox(list, &notice); // the notice that comes after the answer
    });
    actionIn(list->findChild<MethodLibraryMenu *>()->menu(), QStringLiteral("methodLibrary(0)"))
        ->trigger();
    QCOMPARE(list->count(), SimpleCombo::MaxCount);
    QCOMPARE(list->itemText(SimpleCombo::MaxCount - 1), QStringLiteral("嵌套"));
    QVERIFY2(notice.contains(QStringLiteral("只载入了 7 个")), qPrintable(notice));

    // A disabled column asks nothing and takes nothing.
    auto *disabled = page.findChild<SimpleCombo *>(QStringLiteral("Combowt(0)"));
    const QStringList before = disabled->items();
    QString asked;
    closeNextMessageBox(disabled, &asked);
    actionIn(disabled->findChild<MethodLibraryMenu *>()->menu(), QStringLiteral("methodLibrary(0)"))
        ->trigger();
    QCoreApplication::processEvents();
    QVERIFY(asked.isEmpty()); // last: the watch for a box stays until the page goes
    QCOMPARE(disabled->items(), before);
}

QTEST_MAIN(TestMethodLibraries)
#include "tst_method_libraries.moc"
