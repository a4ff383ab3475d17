#include "app/form1.h"
#include "columns/random_source.h"
#include "question/question_page.h"
#include "question_test_helpers.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {
constexpr float draw(int index, int count)
{
    return (float(index) + 0.5f) / float(count);
}
} // namespace

class TestQuestionPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUp_texts();
    void startUp_fixedTexts_data();
    void startUp_fixedTexts();
    void startUp_patternEntries();
    void ask_random_startUpColumns();
    void ask_combine_joinsBoxesAsTheyAre();
    void ask_combine_allEmpty_insertsEmptyEntry();
    void ask_disabledColumnTextStands_bothModes();
    void ask_emptyDisabledList_blocks();
    void ask_questionWordNeverDrawn();
    void enterKey_asksOncePerKeyEvent();

    void pattern_setsColumns_data();
    void pattern_setsColumns();
    void pattern6_givesExactQuestion();
    void pattern2_fullWidthParentheses();
    void pattern1_after8_clearsColumn6();
    void pattern_keepsDisabledQuestionWordColumn();
    void pattern_clickOnShownEntryRepeats();

    void auto_onePerTick_ignoresCombineMode();
    void auto_manualAskAddsNothingWhileRunning();
    void auto_pausesOnEmptyListAndResumes();
    void auto_stopsOnPageSwitch_runsInTimerTick();

    void results_fullListDropsOldest();
    void results_buttons();
    void results_transferRequested();

private:
    QWidget *page() const { return m_page.get(); }
    SimpleCombo *results() const
    {
        return control<SimpleCombo>(page(), QStringLiteral("Combo1wy"));
    }
    SimpleCombo *list(int i) const { return control<SimpleCombo>(page(), indexed("Combowt", i)); }
    QLineEdit *input(int i) const { return control<QLineEdit>(page(), indexed("Text6", i)); }
    QRadioButton *on(int i) const { return control<QRadioButton>(page(), indexed("Option3", i)); }
    QRadioButton *off(int i) const { return control<QRadioButton>(page(), indexed("Option4", i)); }
    QRadioButton *option(const char *name) const
    {
        return control<QRadioButton>(page(), QLatin1String(name));
    }
    QLineEdit *questionWord() const
    {
        return control<QLineEdit>(page(), QStringLiteral("Textywx"));
    }
    QPushButton *ask() const { return control<QPushButton>(page(), QStringLiteral("Command1tw")); }
    void choosePattern(int number) const
    {
        control<SimpleCombo>(page(), QStringLiteral("Combo1"))->setCurrentIndex(number - 1);
    }
    QList<int> enabledColumns() const
    {
        QList<int> enabled;
        for (int i = 0; i < 10; ++i) {
            if (on(i)->isChecked())
                enabled.append(i);
        }
        return enabled;
    }

    QTemporaryDir m_home;
    std::unique_ptr<QuestionPage> m_page;
};

void TestQuestionPage::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
}

void TestQuestionPage::init()
{
    m_page = std::make_unique<QuestionPage>();
}

void TestQuestionPage::cleanup()
{
    m_page.reset();
    RandomSource::instance().scriptDraws({});
}

void TestQuestionPage::startUp_texts()
{
    QCOMPARE(ask()->text(), QStringLiteral("提问"));
    QVERIFY(option("Option1sj")->isChecked());
    QVERIFY(!option("Option1zc")->isChecked());
    QCOMPARE(option("Option1zc")->toolTip(), QStringLiteral("人工选择各列表框中的单词"));
    QCOMPARE(option("Option1sj")->toolTip(), QStringLiteral("随机选择各列表框中的单词"));
    QVERIFY(option("Option1tz")->isChecked());
    QCOMPARE(option("Option1ks")->text(), QStringLiteral("开始"));
    QCOMPARE(control<QWidget>(page(), QStringLiteral("Frame27"))->property("title").toString(),
             QStringLiteral("手动提问"));
    QCOMPARE(control<QWidget>(page(), QStringLiteral("Frame26"))->property("title").toString(),
             QStringLiteral("自动提问"));
    QCOMPARE(results()->text(), QStringLiteral("在此输入有价值的信息，然后单击传送按钮予以保存"));
    QCOMPARE(results()->count(), 0);
    auto *patterns = control<SimpleCombo>(page(), QStringLiteral("Combo1"));
    QCOMPARE(patterns->text(), QStringLiteral("先在此选择示例句型，然后单击提问或开始按钮"));
    QCOMPARE(patterns->count(), 8);
    QCOMPARE(patterns->itemText(1), QStringLiteral("2、(如何使){材料名词栏}(  地){不及物动词栏}"));
    QCOMPARE(control<QLabel>(page(), QStringLiteral("Label51"))->text().left(6),
             QStringLiteral("    示例"));
}

void TestQuestionPage::startUp_fixedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const QString &text) {
        QTest::newRow(name) << QString::fromLatin1(name) << text;
    };
    row("Label29", QStringLiteral("请选择示例句型(未调换栏目位置时使用)："));
    row("Label52", QStringLiteral("句型设置说明："));
    row("Label51", QStringLiteral("    示例中()内是准备输入文本框中的内容，{}内是列表框中的随机内"
                                  "容。自定义方法:请单击“>”移位按钮调整栏目位置，控制启用或停用"
                                  "选项，在文本框中输入合适的文本。"));
    row("Label31", QStringLiteral("在这里，软件向您提示一些不太成熟的问题，但您的回答很可能蕴藏着"
                                  "有价值的发明信息，按“传送”按钮进一步编辑、保存该信息。"));
    row("Label45", QStringLiteral("注意：某栏停用后在其下方文本框中输入的任何文字都会始终显示在问"
                                  "句中；首栏单词不参与随机调整，单击其中的单词可显示在文本框中"
                                  "。"));
    row("Label46", QStringLiteral("此处显示软件提示的问题"));
    row("Label59", QStringLiteral("沙里淘金？！"));
    row("Label53", QStringLiteral("单击传送钮文本框中的内容会送到编辑保存区"));
    row("Label47", QStringLiteral("请单击一次"));
    row("Label48", QStringLiteral("再连续回车"));
    row("Label50", QStringLiteral("可控制速度"));
}

void TestQuestionPage::startUp_fixedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(control<QLabel>(page(), name)->text(), text);
}

void TestQuestionPage::startUp_patternEntries()
{
    const QStringList entries{
        QStringLiteral("1、(如何使){材料名词栏}{不及物动词栏}"),
        QStringLiteral("2、(如何使){材料名词栏}(  地){不及物动词栏}"),
        QStringLiteral("3、(怎样){及物动词栏}{材料名词栏}"),
        QStringLiteral("4、(怎样)(在   时){及物动词栏}{材料名词栏}"),
        QStringLiteral("5、(怎样)(改变){材料名词栏}(名词属性栏}"),
        QStringLiteral("6、(怎样)(快速地)(去除){材料名词栏}(的水分)"),
        QStringLiteral("7、(能否使){工具名词栏}{工具动词栏}"),
        QStringLiteral("8、(能否使){工具名词栏}(便携化)(或)(改变燃料)"),
    };
    QCOMPARE(control<SimpleCombo>(page(), QStringLiteral("Combo1"))->items(), entries);
    QStringList titles;
    for (const QGroupBox *frame : page()->findChildren<QGroupBox *>())
        titles.append(frame->title());
    QVERIFY(titles.contains(QStringLiteral("提示问题栏")));
}

void TestQuestionPage::ask_random_startUpColumns()
{
    RandomSource::instance().scriptDraws({draw(1, 71), draw(0, 21), draw(22, 71), draw(10, 21)});
    ask()->click();
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 2); // columns 5 and 8 only
    QCOMPARE(results()->count(), 1);
    QCOMPARE(results()->itemText(0), QStringLiteral("能否使泵变轻"));
    QCOMPARE(results()->text(), QStringLiteral("能否使泵变轻"));
    QCOMPARE(input(5)->text(), QStringLiteral("泵"));
    QCOMPARE(list(8)->currentIndex(), 0);

    ask()->click();
    QCOMPARE(results()->items(),
             (QStringList{QStringLiteral("能否使锅炉更安全"), QStringLiteral("能否使泵变轻")}));
    QCOMPARE(results()->text(), QStringLiteral("能否使锅炉更安全"));
}

void TestQuestionPage::ask_combine_joinsBoxesAsTheyAre()
{
    option("Option1zc")->click();
    list(5)->setCurrentIndex(24); // a click on 焊机
    input(8)->setText(QStringLiteral("智能化"));
    RandomSource::instance().scriptDraws({0.0f});
    ask()->click();
    QCOMPARE(results()->itemText(0), QStringLiteral("能否使焊机智能化"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
}

void TestQuestionPage::ask_combine_allEmpty_insertsEmptyEntry()
{
    option("Option1zc")->click();
    questionWord()->clear();
    ask()->click();
    QCOMPARE(results()->count(), 1);
    QCOMPARE(results()->itemText(0), QString());
    QCOMPARE(results()->text(), QString());
}

void TestQuestionPage::ask_disabledColumnTextStands_bothModes()
{
    input(0)->setText(QStringLiteral("在水下"));
    RandomSource::instance().scriptDraws({draw(1, 71), draw(0, 21)});
    ask()->click();
    QCOMPARE(results()->itemText(0), QStringLiteral("能否使在水下泵变轻"));
    option("Option1zc")->click();
    input(8)->setText(QStringLiteral("防水"));
    ask()->click();
    QCOMPARE(results()->itemText(0), QStringLiteral("能否使在水下泵防水"));
}

void TestQuestionPage::ask_emptyDisabledList_blocks()
{
    auto *commands9 = control<QComboBox>(page(), indexed("Comboml", 9));
    on(9)->click();
    list(9)->setCurrentIndex(0);
    chooseCommand(commands9, 2); // 删除 the only word
    QCOMPARE(list(9)->count(), 0);
    off(9)->click();

    ask()->click();
    option("Option1zc")->click();
    ask()->click();
    QCOMPARE(results()->count(), 0);

    on(9)->click();
    input(9)->setText(QStringLiteral("更美观"));
    chooseCommand(commands9, 4); // 添加
    off(9)->click();
    ask()->click();
    QCOMPARE(results()->count(), 1);
}

void TestQuestionPage::ask_questionWordNeverDrawn()
{
    questionWord()->setText(QStringLiteral("为何"));
    for (int i : {5, 8})
        off(i)->click();
    input(0)->setText(QStringLiteral("怎样"));
    input(4)->setText(QStringLiteral("提高"));
    input(9)->setText(QStringLiteral("效率"));
    questionWord()->clear();
    RandomSource::instance().scriptDraws({0.5f});
    ask()->click();
    ask()->click();
    QCOMPARE(results()->items(),
             (QStringList{QStringLiteral("怎样提高效率"), QStringLiteral("怎样提高效率")}));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
}

void TestQuestionPage::enterKey_asksOncePerKeyEvent()
{
    QTest::keyClick(ask(), Qt::Key_Return);
    QCOMPARE(results()->count(), 1);
    QTest::keyClick(ask(), Qt::Key_Enter);
    QCOMPARE(results()->count(), 2);
    // a held key: its auto-repeated presses each make one question, the release none
    for (int i = 0; i < 5; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                        i > 0);
        QApplication::sendEvent(ask(), &press);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(ask(), &release);
    QCOMPARE(results()->count(), 7);
}

void TestQuestionPage::pattern_setsColumns_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<QString>("questionWord");
    QTest::addColumn<QStringList>("inputs");
    const QString e;
    QTest::newRow("1") << 1 << QList<int>{0, 3} << "如何使" << QStringList(10, e);
    QTest::newRow("2") << 2 << QList<int>{0, 3} << "如何使"
                       << QStringList{e, e, QStringLiteral("（  地）"), e, e, e, e, e, e, e};
    QTest::newRow("3") << 3 << QList<int>{4, 6} << "怎样" << QStringList(10, e);
    QTest::newRow("4") << 4 << QList<int>{4, 6} << "怎样"
                       << QStringList{e, e, QStringLiteral("（在  时）"), e, e, e, e, e, e, e};
    QTest::newRow("5") << 5 << QList<int>{6, 7} << "怎样"
                       << QStringList{e, e, e, e, QStringLiteral("改变"), e, e, e, e, e};
    QTest::newRow("6") << 6 << QList<int>{6} << "怎样"
                       << QStringList{e, e, QStringLiteral("快速地"), e, QStringLiteral("去除"),
                                      e, e, QStringLiteral("水分"),   e, e};
    QTest::newRow("7") << 7 << QList<int>{5, 8} << "能否使" << QStringList(10, e);
    QTest::newRow("8") << 8 << QList<int>{5} << "能否使" << QStringList{e,
                                                                        e,
                                                                        e,
                                                                        e,
                                                                        e,
                                                                        e,
                                                                        QStringLiteral("便携化"),
                                                                        QStringLiteral("或"),
                                                                        QStringLiteral("改变燃料"),
                                                                        e};
}

void TestQuestionPage::pattern_setsColumns()
{
    QFETCH(int, number);
    QFETCH(QList<int>, enabled);
    QFETCH(QString, questionWord);
    QFETCH(QStringList, inputs);
    for (int i = 0; i < 10; ++i)
        input(i)->setText(QStringLiteral("旧"));
    on(9)->click();
    option("Option1ks")->click();

    choosePattern(number);

    QCOMPARE(enabledColumns(), enabled);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(list(i)->isEnabled(), enabled.contains(i));
        QCOMPARE(input(i)->text(), inputs.at(i));
    }
    QCOMPARE(this->questionWord()->text(), questionWord);
    QCOMPARE(list(5)->count(), 71);            // words stay
    QVERIFY(option("Option1ks")->isChecked()); // modes untouched
    QVERIFY(option("Option1sj")->isChecked());
    QCOMPARE(results()->count(), 0); // a pattern composes nothing
}

void TestQuestionPage::pattern6_givesExactQuestion()
{
    choosePattern(6);
    RandomSource::instance().scriptDraws({draw(19, 36)});
    ask()->click();
    QCOMPARE(results()->itemText(0), QStringLiteral("怎样快速地去除煤水分"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);
}

void TestQuestionPage::pattern2_fullWidthParentheses()
{
    choosePattern(2);
    RandomSource::instance().scriptDraws({draw(0, 36), draw(0, 13)});
    ask()->click();
    QCOMPARE(results()->itemText(0), QStringLiteral("如何使柏油\uFF08  地\uFF09流动"));
}

void TestQuestionPage::pattern1_after8_clearsColumn6()
{
    choosePattern(8);
    QCOMPARE(input(6)->text(), QStringLiteral("便携化"));
    choosePattern(1);
    QVERIFY(off(6)->isChecked());
    QVERIFY(!list(6)->isEnabled());
    QCOMPARE(input(6)->text(), QString());
    QCOMPARE(enabledColumns(), (QList<int>{0, 3}));
}

void TestQuestionPage::pattern_keepsDisabledQuestionWordColumn()
{
    option("Optiontyyw")->click();
    choosePattern(3);
    QVERIFY(option("Optiontyyw")->isChecked());
    QCOMPARE(questionWord()->text(), QStringLiteral("怎样"));
}

void TestQuestionPage::pattern_clickOnShownEntryRepeats()
{
    m_page->resize(792, 514);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    QListWidget *patterns = control<SimpleCombo>(page(), QStringLiteral("Combo1"))->listWidget();
    const QPoint entry7 = patterns->visualItemRect(patterns->item(6)).center();

    QTest::mouseClick(patterns->viewport(), Qt::LeftButton, {}, entry7);
    QCOMPARE(enabledColumns(), (QList<int>{5, 8}));
    input(8)->setText(QStringLiteral("更美观"));
    on(2)->click();

    QTest::mouseClick(patterns->viewport(), Qt::LeftButton, {}, entry7);
    QCOMPARE(enabledColumns(), (QList<int>{5, 8}));
    QCOMPARE(input(8)->text(), QString());
}

void TestQuestionPage::auto_onePerTick_ignoresCombineMode()
{
    option("Option1zc")->click();
    m_page->autoStep();
    QCOMPARE(results()->count(), 0); // stopped

    option("Option1ks")->click();
    QVERIFY(!option("Option1tz")->isChecked());
    RandomSource::instance().scriptDraws(
        {draw(1, 71), draw(0, 21), draw(22, 71), draw(10, 21), draw(70, 71), draw(20, 21)});
    for (int tick = 0; tick < 3; ++tick)
        m_page->autoStep();
    QCOMPARE(results()->items(),
             (QStringList{QStringLiteral("能否使钻改变原理"), QStringLiteral("能否使锅炉更安全"),
                          QStringLiteral("能否使泵变轻")}));
    QCOMPARE(results()->text(), QStringLiteral("能否使钻改变原理"));
}

void TestQuestionPage::auto_manualAskAddsNothingWhileRunning()
{
    option("Option1ks")->click();
    ask()->click();
    QTest::keyClick(ask(), Qt::Key_Return);
    QCOMPARE(results()->count(), 0);
    m_page->autoStep();
    QCOMPARE(results()->count(), 1);
    option("Option1tz")->click();
    m_page->autoStep();
    QCOMPARE(results()->count(), 1);
    ask()->click();
    QCOMPARE(results()->count(), 2);
}

void TestQuestionPage::auto_pausesOnEmptyListAndResumes()
{
    auto *commands8 = control<QComboBox>(page(), indexed("Comboml", 8));
    option("Option1ks")->click();
    chooseCommand(commands8, 3); // 清空
    m_page->autoStep();
    m_page->autoStep();
    QCOMPARE(results()->count(), 0);
    QVERIFY(option("Option1ks")->isChecked()); // still running

    input(8)->setText(QStringLiteral("更美观"));
    chooseCommand(commands8, 4); // 添加
    RandomSource::instance().scriptDraws({draw(1, 71), 0.9f});
    m_page->autoStep();
    QCOMPARE(results()->itemText(0), QStringLiteral("能否使泵更美观"));
}

void TestQuestionPage::auto_stopsOnPageSwitch_runsInTimerTick()
{
    m_page.reset();
    Form1 form;
    control<QTimer>(&form, QStringLiteral("Timer1"))->stop(); // ticks come from the test only
    QuestionPage *question = form.questionPage();
    auto *list = control<SimpleCombo>(question, QStringLiteral("Combo1wy"));
    control<QRadioButton>(question, QStringLiteral("Option1ks"))->click();
    form.Timer1_Timer();
    QCOMPARE(list->count(), 1);

    auto *tabs = control<QTabWidget>(&form, QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(3);
    tabs->setCurrentIndex(0);
    QVERIFY(control<QRadioButton>(question, QStringLiteral("Option1tz"))->isChecked());
    form.Timer1_Timer();
    QCOMPARE(list->count(), 1);
}

void TestQuestionPage::results_fullListDropsOldest()
{
    QStringList entries;
    for (int i = 0; i < SimpleCombo::MaxCount; ++i)
        entries.append(QString::number(i));
    results()->addItems(entries);
    QCOMPARE(results()->count(), SimpleCombo::MaxCount);
    RandomSource::instance().scriptDraws({draw(1, 71), draw(0, 21)});
    ask()->click();
    QCOMPARE(results()->count(), SimpleCombo::MaxCount);
    QCOMPARE(results()->itemText(0), QStringLiteral("能否使泵变轻"));
    QCOMPARE(results()->itemText(1), QStringLiteral("0"));
    QCOMPARE(results()->itemText(SimpleCombo::MaxCount - 1),
             QString::number(SimpleCombo::MaxCount - 2));
}

void TestQuestionPage::results_buttons()
{
    auto *add = control<QPushButton>(page(), QStringLiteral("Command1gg"));
    auto *remove = control<QPushButton>(page(), QStringLiteral("Command1sc"));
    auto *clear = control<QPushButton>(page(), QStringLiteral("Command1qk"));
    QCOMPARE(add->text(), QStringLiteral("添加"));
    QCOMPARE(add->toolTip(), QStringLiteral("把文本框中的内容添加到列表框中"));
    QCOMPARE(remove->toolTip(), QStringLiteral("删除列表框中选中的信息"));
    QCOMPARE(clear->toolTip(), QStringLiteral("清空列表框全部信息"));

    add->click(); // the hint is ordinary text
    QCOMPARE(results()->itemText(0),
             QStringLiteral("在此输入有价值的信息，然后单击传送按钮予以保存"));
    option("Option1zc")->click();
    ask()->click();
    results()->setText(QStringLiteral("A"));
    add->click();
    add->click();
    QCOMPARE(results()->count(), 4);
    QCOMPARE(results()->itemText(1), QStringLiteral("A"));
    QCOMPARE(results()->currentIndex(), 0);

    results()->setCurrentIndex(2);
    remove->click();
    QCOMPARE(results()->count(), 3);
    QCOMPARE(results()->itemText(2),
             QStringLiteral("在此输入有价值的信息，然后单击传送按钮予以保存"));
    remove->click(); // nothing selected now
    QCOMPARE(results()->count(), 3);

    clear->click();
    QCOMPARE(results()->count(), 0);
    QCOMPARE(results()->text(), QString());
}

void TestQuestionPage::results_transferRequested()
{
    auto *send = control<QPushButton>(page(), QStringLiteral("Command1cs"));
    QCOMPARE(send->text(), QStringLiteral("传送=>"));
    QVERIFY(send->toolTip().isEmpty());
    QSignalSpy spy(m_page.get(), &QuestionPage::transferRequested);
    results()->setText(QStringLiteral("能否使泵更安静"));
    send->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("      问题提示：《"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("能否使泵更安静"));
    QCOMPARE(results()->count(), 0); // the list itself is not touched
}

QTEST_MAIN(TestQuestionPage)
#include "tst_question_page.moc"
