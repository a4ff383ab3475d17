#include "columns/combination_controls.h"
#include "columns/consistent_box.h"
#include "columns/exclusion_set.h"
#include "columns/exclusion_window.h"
#include "columns/random_source.h"
#include "idea/idea_page.h"
#include "question/question_defaults.h"
#include "question/question_page.h"
#include "question/question_test_helpers.h"
#include "results/result_list.h"
#include "storage/data_directory.h"
#include "support/menu_action.h"
#include "support/message_box.h"
#include "title/title_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

// Ruled-out pairs through the pages' own controls: the result menu, the window, the count
// and every kind of compose.
class TestExclusionPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { RandomSource::instance().scriptDraws({}); }

    void resultMenu_rulesOutAPairOfTheDrawnWords_evenAfterTheListsChanged();
    void pairFollowsItsWords_acrossShiftAndLoad();
    void noRepeatAndWalk_onlyConsistentThenExhausted();
    void noneLeft_saysSoAndComposesNothing();
    void window_gridRulesOutFixedWordsToo_andTakesBack();
    void ideaAndTitle_randomComposesHonourThePairs();

private:
    QTemporaryDir m_home;
};

namespace {

QString countText(const QWidget *page, const char *name)
{
    return control<QLabel>(page, QLatin1String(name))->text();
}

void choose(const QWidget *page, int column, int command)
{
    chooseCommand(control<QComboBox>(page, indexed("Comboml", column)), command);
}

void fill(const QWidget *page, int column, const QStringList &words)
{
    choose(page, column, QuestionDefaults::Clear);
    for (const QString &word : words) {
        control<QLineEdit>(page, indexed("Text6", column))->setText(word);
        choose(page, column, QuestionDefaults::Add);
    }
}

// A draw that lands on the entry at position in a list of count entries.
float drawFor(int position, int count)
{
    return (float(position) + 0.5f) / float(count);
}

// Answers the next "排除词对" dialog by ticking the pairs whose text is given, then "排除";
// with none given, closes it.
void tickInNextPairDialog(QObject *context, const QStringList &pairs, QStringList *offered)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [=] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QStringLiteral("excludePairsDialog"))
            return;
        timer->stop();
        timer->deleteLater();
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("excludePairsList"));
        for (int row = 0; row < list->count(); ++row) {
            offered->append(list->item(row)->text());
            if (pairs.contains(list->item(row)->text()))
                list->item(row)->setCheckState(Qt::Checked);
        }
        if (pairs.isEmpty())
            dialog->reject(); // "排除" stays disabled with nothing ticked
        else
            dialog->findChild<QPushButton *>(QStringLiteral("excludePairsOk"))->click();
    });
    timer->start();
}

QAction *menuActionOnRow(SimpleCombo *results, int row)
{
    QListWidget *view = results->listWidget();
    view->scrollToItem(view->item(row));
    const QPoint at = view->visualItemRect(view->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    auto *menu = results->findChild<QMenu *>(QStringLiteral("resultMenu"));
    menu->hide();
    return actionIn(menu, QStringLiteral("excludePairs"));
}

bool holdsBoth(const QListWidgetItem *entry, const QString &a, const QString &b)
{
    const QStringList words = ResultList::wordsOf(entry);
    return words.contains(a) && words.contains(b);
}

} // namespace

void TestExclusionPages::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestExclusionPages::resultMenu_rulesOutAPairOfTheDrawnWords_evenAfterTheListsChanged()
{
    QuestionPage page;
    page.show();
    page.choosePattern(6); // 能否使 + tool noun (column 5) + tool verb (column 8)
    auto *tools = control<SimpleCombo>(&page, indexed("Combowt", 5));
    auto *verbs = control<SimpleCombo>(&page, indexed("Combowt", 8));
    RandomSource::instance().scriptDraws(
        {drawFor(tools->items().indexOf(QStringLiteral("泵")), tools->count()),
         drawFor(verbs->items().indexOf(QStringLiteral("变轻")), verbs->count())});
    control<QPushButton>(&page, QStringLiteral("Command1tw"))->click();
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo1wy"));
    QCOMPARE(results->itemText(0), QStringLiteral("能否使泵变轻"));
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("共 1491 种组合"));

    // The entry keeps its words though 泵 leaves its list meanwhile.
    tools->setCurrentIndex(tools->items().indexOf(QStringLiteral("泵")));
    choose(&page, 5, QuestionDefaults::Remove);
    QAction *exclude = menuActionOnRow(results, 0);
    QVERIFY(exclude && exclude->isEnabled());
    QStringList offered;
    tickInNextPairDialog(this, {QStringLiteral("泵 ＋ 变轻")}, &offered);
    exclude->trigger();
    QCOMPARE(offered, QStringList{QStringLiteral("泵 ＋ 变轻")});
    QVERIFY(page.exclusions()->contains(QStringLiteral("泵"), QStringLiteral("变轻")));
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("共 1470 种组合"));
    control<QLineEdit>(&page, indexed("Text6", 5))->setText(QStringLiteral("泵"));
    choose(&page, 5, QuestionDefaults::Add);
    QCOMPARE(countText(&page, "questionCombinations"),
             QStringLiteral("共 1490 种组合\n（已排除 1 种）"));

    // An entry the user added has no drawn words to offer.
    ResultList::addEditText(results);
    QVERIFY(!menuActionOnRow(results, 0)->isEnabled());

    // Draws that land on the pair are drawn again, by hand and automatically.
    const QList<float> ontoThePair{
        drawFor(tools->items().indexOf(QStringLiteral("泵")), tools->count()),
        drawFor(verbs->items().indexOf(QStringLiteral("变轻")), verbs->count())};
    RandomSource::instance().scriptDraws(ontoThePair + QList<float>{0.0f, 0.99f});
    control<QPushButton>(&page, QStringLiteral("Command1tw"))->click();
    QCOMPARE(results->itemText(0),
             QStringLiteral("能否使泵") + verbs->itemText(verbs->count() - 1));
    control<QRadioButton>(&page, QStringLiteral("Option1ks"))->setChecked(true);
    RandomSource::instance().scriptDraws(ontoThePair + ontoThePair);
    RandomSource::instance().seed(2);
    page.autoStep();
    QVERIFY(
        !holdsBoth(results->listWidget()->item(0), QStringLiteral("泵"), QStringLiteral("变轻")));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);
    for (int tick = 0; tick < 1000; ++tick)
        page.autoStep();
    // Held Enter on the compose button: the key's repeats compose as clicks do.
    control<QRadioButton>(&page, QStringLiteral("Option1tz"))->setChecked(true);
    auto *compose = control<QPushButton>(&page, QStringLiteral("Command1tw"));
    for (int repeat = 0; repeat < 200; ++repeat) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(compose, &press);
    }
    QCOMPARE(results->count(), 1204);
    for (int row = 0; row < 1200; ++row) {
        const QListWidgetItem *entry = results->listWidget()->item(row);
        // The kept words are the sentence's own, so the check below is not empty.
        QCOMPARE(QStringLiteral("能否使") + ResultList::wordsOf(entry).join(QString()),
                 entry->text());
        QVERIFY2(!holdsBoth(entry, QStringLiteral("泵"), QStringLiteral("变轻")),
                 qPrintable(entry->text()));
    }
    // The 1,000th newest entry still offers its words' pair.
    QAction *oldest = menuActionOnRow(results, 999);
    QVERIFY(oldest && oldest->isEnabled());
    QStringList offeredLater;
    tickInNextPairDialog(this, {}, &offeredLater);
    oldest->trigger();
    const QStringList words = ResultList::wordsOf(results->listWidget()->item(999));
    QCOMPARE(offeredLater, QStringList{words.join(QStringLiteral(" ＋ "))});
}

void TestExclusionPages::pairFollowsItsWords_acrossShiftAndLoad()
{
    QuestionPage page;
    page.choosePattern(6);
    page.exclusions()->add(QStringLiteral("泵"), QStringLiteral("变轻"));
    QCOMPARE(countText(&page, "questionCombinations"),
             QStringLiteral("共 1490 种组合\n（已排除 1 种）"));
    page.shiftColumns(5); // the tool nouns move to column 6, which is not drawn
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("共 756 种组合"));
    control<QAbstractButton>(&page, indexed("Option3", 6))->click(); // 36 x 71 x 21
    QCOMPARE(countText(&page, "questionCombinations"),
             QStringLiteral("共 53640 种组合\n（已排除 36 种）"));
    choose(&page, 6, QuestionDefaults::Save);
    choose(&page, 6, QuestionDefaults::Clear);
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("共 0 种组合"));
    choose(&page, 6, QuestionDefaults::Load);
    QCOMPARE(countText(&page, "questionCombinations"),
             QStringLiteral("共 53640 种组合\n（已排除 36 种）"));
}

void TestExclusionPages::noRepeatAndWalk_onlyConsistentThenExhausted()
{
    QuestionPage page;
    page.choosePattern(0); // columns 0 and 3
    fill(&page, 0, {QStringLiteral("甲"), QStringLiteral("乙")});
    fill(&page, 3, {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
    page.exclusions()->add(QStringLiteral("甲"), QStringLiteral("二"));
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo1wy"));

    // The lists put new words on top: 乙 甲 and 三 二 一. The box streams what the walk makes.
    QStringList streamed;
    for (ConsistentBox::Cursor cursor(*page.combinations()->box()); cursor.next();)
        streamed.append(page.combinations()->wordsAt(cursor.positions()).join(QString()));
    QCOMPARE(streamed,
             (QStringList{QStringLiteral("乙三"), QStringLiteral("乙二"), QStringLiteral("乙一"),
                          QStringLiteral("甲三"), QStringLiteral("甲一")}));
    control<QAbstractButton>(&page, QStringLiteral("questionWalk"))->click();
    for (int i = 0; i < 6; ++i)
        control<QPushButton>(&page, QStringLiteral("Command1tw"))->click();
    QCOMPARE(results->items().mid(0, 6),
             (QStringList{QStringLiteral("如何使乙三"), QStringLiteral("如何使甲一"),
                          QStringLiteral("如何使甲三"), QStringLiteral("如何使乙一"),
                          QStringLiteral("如何使乙二"), QStringLiteral("如何使乙三")}));
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("第 1 / 5 种组合"));

    results->clear();
    control<QAbstractButton>(&page, QStringLiteral("Option1sj"))->click();
    control<QAbstractButton>(&page, QStringLiteral("questionNoRepeat"))->click();
    auto *start = control<QRadioButton>(&page, QStringLiteral("Option1ks"));
    start->setChecked(true);
    for (int tick = 0; tick < 8; ++tick)
        page.autoStep();
    const QStringList made = results->items();
    QCOMPARE(QSet<QString>(made.cbegin(), made.cend()).size(), 5);
    QCOMPARE(made.size(), 5);
    QVERIFY(!made.contains(QStringLiteral("如何使甲二")));
    QVERIFY2(!start->isChecked(), "automatic mode stops when the consistent ones are used up");
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("全部 5 种组合都已出现过"));
}

void TestExclusionPages::noneLeft_saysSoAndComposesNothing()
{
    TitlePage page;
    // Only the first two title columns drawn, one word each, and the two ruled out together.
    control<QAbstractButton>(&page, indexed("Optionqy3", 0))->click();
    for (int i = 2; i < 7; ++i)
        control<QAbstractButton>(&page, indexed("Optionty3", i))->click();
    auto *first = control<SimpleCombo>(&page, indexed("Combotm", 0));
    auto *second = control<SimpleCombo>(&page, indexed("Combotm", 1));
    first->clear();
    first->addItem(QStringLiteral("摆动式"));
    second->clear();
    second->addItem(QStringLiteral("伯努利"));
    page.exclusions()->add(QStringLiteral("摆动式"), QStringLiteral("伯努利"));
    QCOMPARE(countText(&page, "titleCombinations"), QStringLiteral("共 0 种组合\n（已排除 1 种）"));
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo7"));
    const int before = results->count();
    control<QPushButton>(&page, QStringLiteral("Commandsc0"))->click();
    QCOMPARE(results->count(), before);
    QCOMPARE(countText(&page, "titleCombinations"), QStringLiteral("每种组合都含有排除的词对"));
    auto *start = control<QRadioButton>(&page, QStringLiteral("Optionks0"));
    start->setChecked(true);
    page.autoStep();
    QCOMPARE(results->count(), before);
    QVERIFY(!start->isChecked());
    control<QAbstractButton>(&page, QStringLiteral("titleWalk"))->click();
    control<QPushButton>(&page, QStringLiteral("Commandsc0"))->click();
    QCOMPARE(results->count(), before);
}

void TestExclusionPages::window_gridRulesOutFixedWordsToo_andTakesBack()
{
    QuestionPage page;
    page.show();
    control<QPushButton>(&page, QStringLiteral("questionExclusions"))->click();
    auto *window = page.findChild<ExclusionWindow *>(QStringLiteral("exclusionWindow"));
    QVERIFY(window && window->isVisible());
    QTableView *grid = window->grid();
    // Drawn at start: columns 5 and 8 (window columns 6 and 9, after the question words).
    QCOMPARE(control<QComboBox>(window, QStringLiteral("exclusionRowColumn"))->currentIndex(), 6);
    QCOMPARE(grid->model()->rowCount(), 71);
    QCOMPARE(grid->model()->columnCount(), 21);

    // The question word column against the tool verbs: 能否使 stands in every question.
    window->chooseColumns(0, 9);
    const QStringList questionWords =
        control<SimpleCombo>(&page, QStringLiteral("Comboyw"))->items();
    const QModelIndex cell =
        grid->model()->index(questionWords.indexOf(QStringLiteral("能否使")), 0);
    const QString verb = grid->model()->headerData(0, Qt::Horizontal).toString();
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QVERIFY(page.exclusions()->contains(QStringLiteral("能否使"), verb));
    QCOMPARE(cell.data().toString(), QStringLiteral("×"));
    QCOMPARE(countText(&page, "questionCombinations"),
             QStringLiteral("共 1420 种组合\n（已排除 71 种）"));
    control<QLineEdit>(&page, QStringLiteral("Textywx"))->setText(QStringLiteral("如何使"));
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("共 1491 种组合"));
    control<QLineEdit>(&page, QStringLiteral("Textywx"))->setText(QStringLiteral("能否使"));
    QCOMPARE(countText(&page, "questionCombinations"),
             QStringLiteral("共 1420 种组合\n（已排除 71 种）"));

    // Space on the next cell, then both come back: one by "恢复", the rest by "全部清除".
    grid->setCurrentIndex(cell.siblingAtColumn(1));
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(page.exclusions()->size(), 2);
    auto *pairs = control<QListWidget>(window, QStringLiteral("exclusionPairs"));
    QCOMPARE(pairs->count(), 2);
    pairs->item(0)->setSelected(true);
    control<QPushButton>(window, QStringLiteral("restoreExclusion"))->click();
    QCOMPARE(page.exclusions()->size(), 1);
    onNextMessageBox(this, [](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QStringLiteral("全部清除"))
                button->click();
        }
    });
    control<QPushButton>(window, QStringLiteral("clearExclusions"))->click();
    QVERIFY(page.exclusions()->isEmpty());
    QCOMPARE(countText(&page, "questionCombinations"), QStringLiteral("共 1491 种组合"));
}

void TestExclusionPages::ideaAndTitle_randomComposesHonourThePairs()
{
    IdeaPage idea;
    // Column 0 (the object under study) is never drawn, but its word stands in every hint.
    idea.exclusions()->add(QStringLiteral("割草机"), QStringLiteral("扇"));
    idea.exclusions()->add(QStringLiteral("部件换位"), QStringLiteral("便携"));
    QVERIFY(countText(&idea, "ideaCombinations").contains(QStringLiteral("已排除")));
    control<QRadioButton>(&idea, QStringLiteral("Option12"))->setChecked(true);
    RandomSource::instance().seed(4);
    for (int tick = 0; tick < 2000; ++tick)
        idea.autoStep();
    const QListWidget *hints = control<SimpleCombo>(&idea, QStringLiteral("Combo18"))->listWidget();
    for (int row = 0; row < 2000; ++row) {
        const QListWidgetItem *entry = hints->item(row);
        QVERIFY(!ResultList::wordsOf(entry).contains(QStringLiteral("扇")));
        QVERIFY(!holdsBoth(entry, QStringLiteral("部件换位"), QStringLiteral("便携")));
    }

    TitlePage title;
    title.exclusions()->add(QStringLiteral("泵"), QStringLiteral("便携"));
    control<QRadioButton>(&title, QStringLiteral("Optionks0"))->setChecked(true);
    for (int tick = 0; tick < 2000; ++tick)
        title.autoStep();
    const QListWidget *titles =
        control<SimpleCombo>(&title, QStringLiteral("Combo7"))->listWidget();
    for (int row = 0; row < 2000; ++row)
        QVERIFY(!holdsBoth(titles->item(row), QStringLiteral("泵"), QStringLiteral("便携")));

    // Draws onto the pair are drawn again, also with the last column on and empty, which
    // the automatic step leaves out (columns 1, 2 and 5 drawn, in that order).
    control<QAbstractButton>(&title, indexed("Optionqy3", 6))->click();
    control<SimpleCombo>(&title, indexed("Combotm", 6))->clear();
    const auto at = [&title](int column, const QString &word) {
        const QStringList words = control<SimpleCombo>(&title, indexed("Combotm", column))->items();
        return drawFor(int(words.indexOf(word)), int(words.size()));
    };
    const QList<float> ontoThePair{0.0f, at(2, QStringLiteral("便携")),
                                   at(5, QStringLiteral("泵"))};
    RandomSource::instance().scriptDraws(ontoThePair + ontoThePair);
    title.autoStep();
    QCOMPARE(titles->count(), 2001);
    QVERIFY(!holdsBoth(titles->item(0), QStringLiteral("泵"), QStringLiteral("便携")));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);
}

QTEST_MAIN(TestExclusionPages)
#include "tst_exclusion_pages.moc"
