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
    void fullList_takesWhatFitsAndSaysSo();
    void disabledColumn_loadsNothing();

private:
    static void loadThrough(SimpleCombo *list, int library, const QString &answer,
                            QString *question = nullptr);
    QTemporaryDir m_home;
};

void TestMethodLibraries::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestMethodLibraries::loadThrough(SimpleCombo *list, int library, const QString &answer,
                                      QString *question)
{
    auto *menu = list->findChild<MethodLibraryMenu *>();
    QVERIFY(menu);
    QAction *action = actionIn(menu->menu(), QStringLiteral("methodLibrary(%1)").arg(library));
    QVERIFY(action);
    onNextMessageBox(list, [answer, question](QMessageBox *box) {
        if (question)
            *question = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
    action->trigger();
}

void TestMethodLibraries::library_countsTitlesAndKnownEntries_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("count"); // negative: at least that many
    QTest::addColumn<QStringList>("known");
    QTest::newRow("principles") << 0 << QStringLiteral("TRIZ 40 条发明原理") << 40
                                << QStringList{QStringLiteral("分割"), QStringLiteral("嵌套"),
                                               QStringLiteral("复合材料")};
    QTest::newRow("parameters") << 1 << QStringLiteral("TRIZ 39 个通用工程参数") << 39
                                << QStringList{QStringLiteral("运动物体的重量"),
                                               QStringLiteral("可靠性"), QStringLiteral("生产率")};
    QTest::newRow("osborn") << 2 << QStringLiteral("奥斯本检核表") << 9
                            << QStringList{QStringLiteral("能否他用"), QStringLiteral("能否组合")};
    QTest::newRow("hetian") << 3 << QStringLiteral("和田十二法") << 12
                            << QStringList{QStringLiteral("加一加"), QStringLiteral("定一定")};
    QTest::newRow("scamper") << 4 << QStringLiteral("SCAMPER 七问") << 7
                             << QStringList{QStringLiteral("替代"), QStringLiteral("重排")};
    QTest::newRow("effects") << 5 << QStringLiteral("常用物理效应") << -60
                             << QStringList{QStringLiteral("伯努利效应"),
                                            QStringLiteral("压电效应"), QStringLiteral("霍尔效应")};
    QTest::newRow("materials") << 6 << QStringLiteral("常用材料") << -80
                               << QStringList{QStringLiteral("不锈钢"),
                                              QStringLiteral("聚四氟乙烯"),
                                              QStringLiteral("碳纤维")};
    QTest::newRow("verbs") << 7 << QStringLiteral("常用功能动词") << -80
                           << QStringList{QStringLiteral("吸收"), QStringLiteral("分离"),
                                          QStringLiteral("加热")};
}

void TestMethodLibraries::library_countsTitlesAndKnownEntries()
{
    QFETCH(int, position);
    QFETCH(QString, title);
    QFETCH(int, count);
    QFETCH(QStringList, known);
    const QList<MethodLibrary> &all = MethodLibrary::all();
    QCOMPARE(all.size(), 8);
    const MethodLibrary &library = all.at(position); // the menu's order
    QCOMPARE(library.title, title);
    QVERIFY(!library.source.isEmpty());
    if (count > 0)
        QCOMPARE(library.words.size(), count);
    else
        QVERIFY2(library.words.size() >= -count, qPrintable(QString::number(library.words.size())));
    for (const QString &word : known)
        QVERIFY2(library.words.contains(word), qPrintable(word));
    QStringList unique = library.words;
    unique.removeDuplicates();
    QCOMPARE(unique.size(), library.words.size());
    QVERIFY(!library.words.contains(QString()));
    if (title.startsWith(u"TRIZ 40")) {
        QCOMPARE(library.words.first(), QStringLiteral("分割"));
        QCOMPARE(library.words.at(34), QStringLiteral("物理或化学参数改变")); // principle 35
    }
}

void TestMethodLibraries::menu_replaceAppendAndCancel()
{
    IdeaPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(2)")); // not sorted
    const QStringList principles = MethodLibrary::all().at(0).words;
    const QStringList scamper = MethodLibrary::all().at(4).words;

    // The right button opens the menu with the submenu in it, and chooses no word.
    auto *menu = list->findChild<MethodLibraryMenu *>();
    QVERIFY(menu);
    QWidget *viewport = list->listWidget()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {},
                      list->listWidget()->visualItemRect(list->listWidget()->item(3)).center());
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(page.findChild<QLineEdit *>(QStringLiteral("Text11(2)"))->text().isEmpty());
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            list->listWidget()->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list->listWidget()->viewport(), &click);
    QTRY_VERIFY(menu->menu()->isVisible());
    QVERIFY(actionIn(menu->menu(), QStringLiteral("methodLibraries")));
    menu->menu()->hide();

    QString question;
    loadThrough(list, 0, QStringLiteral("替换"), &question);
    QCOMPARE(list->items(), principles);
    QVERIFY2(question.contains(QStringLiteral("TRIZ 40 条发明原理")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("76")), qPrintable(question)); // what it replaces

    loadThrough(list, 4, QStringLiteral("取消"));
    QCOMPARE(list->items(), principles);
    loadThrough(list, 4, QStringLiteral("追加"));
    QCOMPARE(list->items(), principles + scamper);
}

void TestMethodLibraries::sortedList_keepsItsOrder()
{
    IdeaPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(0)"));
    QVERIFY(list->isSorted());
    const QStringList before = list->items();
    const QStringList hetian = MethodLibrary::all().at(3).words;

    loadThrough(list, 3, QStringLiteral("追加"));
    QStringList expected = before + hetian;
    std::stable_sort(expected.begin(), expected.end(), sortedLess);
    QCOMPARE(list->items(), expected);

    loadThrough(list, 3, QStringLiteral("替换"));
    expected = hetian;
    std::stable_sort(expected.begin(), expected.end(), sortedLess);
    QCOMPARE(list->items(), expected);
    QVERIFY(list->items() != hetian); // the library's own order is not pinyin order
}

void TestMethodLibraries::loadedWords_areTheColumnsOwnWords()
{
    IdeaPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combos(2)"));
    auto *count = page.findChild<QLabel *>(QStringLiteral("ideaCombinations"));
    const QStringList principles = MethodLibrary::all().at(0).words;
    QSignalSpy changes(list, &SimpleCombo::entriesChanged);
    loadThrough(list, 0, QStringLiteral("替换"));
    QCOMPARE(changes.count(), 1); // one step, whatever the number of words
    // 15 * 40 * 30 * 12 * 20 combinations now
    QCOMPARE(count->text(), QStringLiteral("共 4320000 种组合"));

    list->setCurrentIndex(2);
    page.findChild<QPushButton *>(QStringLiteral("Commandd(2)"))->click();
    QStringList expected = principles;
    expected.removeAt(2);
    QCOMPARE(list->items(), expected);

    page.findChild<QPushButton *>(QStringLiteral("Command2ck(2)"))->click();
    QFile saved(DataDirectory::filePath(QStringLiteral("dllts2.kvr")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(LineFile::decodeLines(saved.readAll()), expected);
}

void TestMethodLibraries::fullList_takesWhatFitsAndSaysSo()
{
    QuestionPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combowt(5)")); // enabled
    QStringList filler;
    for (int i = list->count(); i < SimpleCombo::MaxCount - 7; ++i)
        filler.append(QStringLiteral("词%1").arg(i));
    list->addItems(filler);
    QCOMPARE(list->count(), SimpleCombo::MaxCount - 7);

    QString notice;
    onNextMessageBox(list, [&notice, list](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QStringLiteral("追加"))
                button->click();
        }
        closeNextMessageBox(list, &notice);
    });
    actionIn(list->findChild<MethodLibraryMenu *>()->menu(), QStringLiteral("methodLibrary(0)"))
        ->trigger();
    QCOMPARE(list->count(), SimpleCombo::MaxCount);
    QCOMPARE(list->itemText(SimpleCombo::MaxCount - 1), QStringLiteral("嵌套")); // the seventh
    QVERIFY2(notice.contains(QStringLiteral("只载入了 7 个")), qPrintable(notice));
}

void TestMethodLibraries::disabledColumn_loadsNothing()
{
    QuestionPage page;
    auto *list = page.findChild<SimpleCombo *>(QStringLiteral("Combowt(0)")); // 停用 at start
    const QStringList before = list->items();
    QString asked;
    closeNextMessageBox(list, &asked);
    actionIn(list->findChild<MethodLibraryMenu *>()->menu(), QStringLiteral("methodLibrary(0)"))
        ->trigger();
    QCoreApplication::processEvents();
    QVERIFY(asked.isEmpty());
    QCOMPARE(list->items(), before);
}

QTEST_MAIN(TestMethodLibraries)
#include "tst_method_libraries.moc"
