#include "columns/random_source.h"
#include "idea/idea_page.h"
#include "question/question_defaults.h"
#include "question/question_page.h"
#include "question/question_test_helpers.h"
#include "storage/data_directory.h"
#include "title/title_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

// The size of each page's box, "不重复" and "遍历", driven through the pages' controls.
class TestCombinationPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { RandomSource::instance().scriptDraws({}); }

    void question_countFollowsEveryChange();
    void question_noRepeat_untilExhausted();
    void question_walk_pattern1InOdometerOrder();
    void idea_countAndWalk();
    void title_countWalkAndExhaustion();

private:
    QTemporaryDir m_home;
};

namespace {

QString labelText(const QWidget *page, const char *name)
{
    return control<QLabel>(page, QLatin1String(name))->text();
}

void click(const QWidget *page, const QString &name)
{
    control<QAbstractButton>(page, name)->click();
}

void chooseQuestionCommand(const QWidget *page, int column, int position)
{
    chooseCommand(control<QComboBox>(page, indexed("Comboml", column)), position);
}

// Replaces a question column's words by the given ones, through "清空" and "添加".
void fillQuestionColumn(const QWidget *page, int column, const QStringList &words)
{
    chooseQuestionCommand(page, column, QuestionDefaults::Clear);
    for (const QString &word : words) {
        control<QLineEdit>(page, indexed("Text6", column))->setText(word);
        chooseQuestionCommand(page, column, QuestionDefaults::Add);
    }
}

QStringList newestFirst(const SimpleCombo *results, int count)
{
    return results->items().mid(0, count);
}

} // namespace

void TestCombinationPages::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestCombinationPages::question_countFollowsEveryChange()
{
    QuestionPage page;
    const auto count = [&page] { return labelText(&page, "questionCombinations"); };
    QVERIFY(!control<QCheckBox>(&page, QStringLiteral("questionNoRepeat"))->isChecked());
    QVERIFY(!control<QRadioButton>(&page, QStringLiteral("questionWalk"))->isChecked());
    QCOMPARE(count(), QStringLiteral("共 1491 种组合")); // columns 5 and 8: 71 x 21

    control<QLineEdit>(&page, indexed("Text6", 5))->setText(QStringLiteral("冰箱"));
    chooseQuestionCommand(&page, 5, QuestionDefaults::Add);
    QCOMPARE(count(), QStringLiteral("共 1512 种组合"));
    chooseQuestionCommand(&page, 5, QuestionDefaults::Remove);
    QCOMPARE(count(), QStringLiteral("共 1491 种组合"));
    click(&page, indexed("Option3", 7)); // brings column 6 along: 71 x 36 x 15 x 21
    QCOMPARE(count(), QStringLiteral("共 805140 种组合"));

    page.choosePattern(0); // columns 0 and 3
    QCOMPARE(count(), QStringLiteral("共 468 种组合"));
    chooseQuestionCommand(&page, 3, QuestionDefaults::Save);
    page.shiftColumns(0); // column 0 now holds the ten question words
    QCOMPARE(count(), QStringLiteral("共 130 种组合"));
    chooseQuestionCommand(&page, 3, QuestionDefaults::Clear);
    QCOMPARE(count(), QStringLiteral("共 0 种组合"));
    chooseQuestionCommand(&page, 3, QuestionDefaults::Load);
    QCOMPARE(count(), QStringLiteral("共 130 种组合"));
    click(&page, indexed("Option4", 0));
    click(&page, indexed("Option4", 3));
    QCOMPARE(count(), QStringLiteral("共 1 种组合"));
}

void TestCombinationPages::question_noRepeat_untilExhausted()
{
    QuestionPage page;
    page.choosePattern(0);
    fillQuestionColumn(&page, 0, {QStringLiteral("甲"), QStringLiteral("乙")});
    fillQuestionColumn(&page, 3,
                       {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
    QCOMPARE(labelText(&page, "questionCombinations"), QStringLiteral("共 6 种组合"));
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo1wy"));
    auto *start = control<QRadioButton>(&page, QStringLiteral("Option1ks"));

    click(&page, QStringLiteral("questionNoRepeat"));
    start->setChecked(true);
    for (int tick = 0; tick < 8; ++tick)
        page.autoStep();
    QCOMPARE(results->count(), 6);
    const QStringList questions = results->items();
    QCOMPARE(QSet<QString>(questions.cbegin(), questions.cend()).size(), 6);
    QVERIFY2(!start->isChecked(), "automatic mode must stop when every combination was made");
    QCOMPARE(labelText(&page, "questionCombinations"), QStringLiteral("全部 6 种组合都已出现过"));
    click(&page, QStringLiteral("Command1tw"));
    QCOMPARE(results->count(), 6);

    // a new word means new combinations
    control<QLineEdit>(&page, indexed("Text6", 0))->setText(QStringLiteral("丙"));
    chooseQuestionCommand(&page, 0, QuestionDefaults::Add);
    QCOMPARE(labelText(&page, "questionCombinations"), QStringLiteral("共 9 种组合"));
    click(&page, QStringLiteral("Command1tw"));
    QCOMPARE(results->count(), 7);
}

void TestCombinationPages::question_walk_pattern1InOdometerOrder()
{
    QuestionPage page;
    page.choosePattern(0); // 36 material nouns x 13 intransitive verbs
    click(&page, QStringLiteral("questionWalk"));
    for (int i = 0; i < 3; ++i)
        click(&page, QStringLiteral("Command1tw"));
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo1wy"));
    QCOMPARE(newestFirst(results, 3),
             (QStringList{QStringLiteral("如何使柏油变冷"), QStringLiteral("如何使柏油摇摆"),
                          QStringLiteral("如何使柏油流动")}));
    QCOMPARE(labelText(&page, "questionCombinations"), QStringLiteral("第 3 / 468 种组合"));
    for (int i = 3; i < 14; ++i)
        click(&page, QStringLiteral("Command1tw"));
    QCOMPARE(results->text(), QStringLiteral("如何使材料流动"));
    for (int i = 14; i < 469; ++i)
        click(&page, QStringLiteral("Command1tw"));
    QCOMPARE(results->text(), QStringLiteral("如何使柏油流动")); // after the last, the first
    QCOMPARE(labelText(&page, "questionCombinations"), QStringLiteral("第 1 / 468 种组合"));

    click(&page, QStringLiteral("Command1tw"));
    page.shiftColumns(3); // column 3's words move away: the walk starts afresh
    QCOMPARE(labelText(&page, "questionCombinations"), QStringLiteral("共 612 种组合"));
    click(&page, QStringLiteral("Command1tw"));
    // column 4 now carries 摇摆 as a fixed text
    QCOMPARE(results->text(), QStringLiteral("如何使柏油粉碎摇摆"));

    // the automatic step stays random
    control<QRadioButton>(&page, QStringLiteral("Option1ks"))->setChecked(true);
    RandomSource::instance().scriptDraws({0.5f, 0.5f});
    page.autoStep();
    QCOMPARE(results->text(), QStringLiteral("如何使食物检查摇摆"));
}

void TestCombinationPages::idea_countAndWalk()
{
    IdeaPage page;
    QCOMPARE(labelText(&page, "ideaCombinations"), QStringLiteral("共 8208000 种组合"));
    click(&page, indexed("Option2", 3));
    QCOMPARE(labelText(&page, "ideaCombinations"), QStringLiteral("共 273600 种组合"));
    click(&page, QStringLiteral("ideaWalk"));
    click(&page, QStringLiteral("Command2"));
    click(&page, QStringLiteral("Command2"));
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo18"));
    QCOMPARE(results->text(), QStringLiteral("关于割草机:可否部件换位,能否引入扇的原理,,需要便携吗,"
                                             "能用在仓库环境吗"));
    QCOMPARE(labelText(&page, "ideaCombinations"), QStringLiteral("第 2 / 273600 种组合"));
}

void TestCombinationPages::title_countWalkAndExhaustion()
{
    TitlePage page;
    QCOMPARE(labelText(&page, "titleCombinations"), QStringLiteral("共 51840 种组合"));
    click(&page, QStringLiteral("titleWalk"));
    click(&page, QStringLiteral("Commandsc0"));
    click(&page, QStringLiteral("Commandsc0"));
    auto *results = control<SimpleCombo>(&page, QStringLiteral("Combo7"));
    QCOMPARE(results->text(), QStringLiteral("摆动式便携泵"));

    click(&page, indexed("Optionty3", 1));
    click(&page, indexed("Optionty3", 2));
    QCOMPARE(labelText(&page, "titleCombinations"), QStringLiteral("共 72 种组合"));
    click(&page, QStringLiteral("Optionsj"));
    click(&page, QStringLiteral("titleNoRepeat"));
    auto *start = control<QRadioButton>(&page, QStringLiteral("Optionks0"));
    start->setChecked(true);
    for (int tick = 0; tick < 73; ++tick)
        page.autoStep();
    QCOMPARE(results->count(), 2 + 72);
    const QStringList titles = results->items().mid(0, 72);
    QCOMPARE(QSet<QString>(titles.cbegin(), titles.cend()).size(), 72);
    QVERIFY(!start->isChecked());
    QCOMPARE(labelText(&page, "titleCombinations"), QStringLiteral("全部 72 种组合都已出现过"));
    // switching the box off lets composing go on
    click(&page, QStringLiteral("titleNoRepeat"));
    QCOMPARE(labelText(&page, "titleCombinations"), QStringLiteral("共 72 种组合"));
    click(&page, QStringLiteral("Commandsc0"));
    QCOMPARE(results->count(), 75);
}

QTEST_MAIN(TestCombinationPages)
#include "tst_combination_pages.moc"
