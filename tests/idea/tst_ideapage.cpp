#include "app/form1.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"
#include "columns/sorted_order.h"
#include "idea/connecting_word_box.h"
#include "idea/idea_defaults.h"
#include "idea/idea_page.h"
#include "storage/data_directory.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {
QString at(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

const QStringList exampleWords = {QStringLiteral("割草机"), QStringLiteral("部件换位"),
                                  QStringLiteral("扇"),     QStringLiteral("充电"),
                                  QStringLiteral("便携"),   QStringLiteral("餐馆")};
} // namespace

class TestIdeaPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUp_controlsAndTexts();
    void startUp_sortedListsKeepLaidOutOrder();
    void style_exampleHintsFromFirstWords_data();
    void style_exampleHintsFromFirstWords();
    void style_setsConnectorsEvenOnDisabledColumns();
    void compose_combineModeJoinsInputBoxes();
    void compose_conciseWithEmptyBoxes();
    void compose_randomNeverDrawsColumnZeroNorDisabledColumns();
    void compose_returnAndEnterOncePerKeyEvent();
    void switchOff_column3UnderTentative();
    void switchOn_hasNoCoupling();
    void emptyList_blocksBothComposersUntilRefilled();
    void automatic_randomWithColonWhateverTheMode();
    void automatic_stoppedByStopAndIgnoresManualButton();
    void automatic_fullResultListDropsOldest();
    void results_buttonsAndTransfer();
    void form1_tickRunsIdeaStepAndPageSwitchStops();

private:
    template <typename T> T *get(const QString &name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("missing control %s", qPrintable(name));
        return widget;
    }
    QString hint(int row = 0) const
    {
        return get<SimpleCombo>(QStringLiteral("Combo18"))->itemText(row);
    }
    int hintCount() const { return get<SimpleCombo>(QStringLiteral("Combo18"))->count(); }
    void setInputs(const QStringList &words);

    QTemporaryDir m_data;
    std::unique_ptr<IdeaPage> m_page;
};

void TestIdeaPage::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestIdeaPage::init()
{
    m_page = std::make_unique<IdeaPage>();
}

void TestIdeaPage::cleanup()
{
    m_page.reset();
    RandomSource::instance().scriptDraws({});
}

void TestIdeaPage::setInputs(const QStringList &words)
{
    for (int i = 0; i < words.size(); ++i)
        get<QLineEdit>(at("Text11", i))->setText(words.at(i));
}

void TestIdeaPage::startUp_controlsAndTexts()
{
    const QStringList captions = {
        QStringLiteral("被研究对象"),       QStringLiteral("改变结构材质"),
        QStringLiteral("利用它物(的原理)"), QStringLiteral("施加外力"),
        QStringLiteral("改变功能或性能"),   QStringLiteral("更新用途")};
    const QStringList editTexts = {QStringLiteral("显示动作"), QStringLiteral("显示原理"),
                                   QStringLiteral("显示用途"), QStringLiteral("Combo4"),
                                   QStringLiteral("显示物品"), QStringLiteral("显示部件")};
    const QList<int> counts = {72, 15, 76, 30, 12, 20};
    const QStringList frames = {QStringLiteral("Frame11"), QStringLiteral("Frame15"),
                                QStringLiteral("Frame16"), QStringLiteral("Frame17"),
                                QStringLiteral("Frame18"), QStringLiteral("Frame20")};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(get<QLineEdit>(at("Text21", i))->text(), captions.at(i));
        QCOMPARE(get<SimpleCombo>(at("Combos", i))->text(), editTexts.at(i));
        QCOMPARE(get<SimpleCombo>(at("Combos", i))->count(), counts.at(i));
        QCOMPARE(get<QLineEdit>(at("Text11", i))->text(),
                 i == 0 ? QStringLiteral("割草机") : QString());
        auto *on = get<QRadioButton>(at("Option1", i));
        QVERIFY(on->isChecked());
        QCOMPARE(on->parentWidget()->objectName(), frames.at(i));
        QCOMPARE(get<QRadioButton>(at("Option2", i))->parentWidget(), on->parentWidget());
        QCOMPARE(get<QPushButton>(at("Command2dy", i))->toolTip(),
                 QStringLiteral("调用第%1栏上次保存过的单词").arg(i + 1));
        QCOMPARE(get<QPushButton>(at("Commandc", i))->text(), QStringLiteral("清空"));
    }
    for (int i = 0; i < 5; ++i)
        QCOMPARE(get<QPushButton>(at("Command10", i))->text(), QStringLiteral(">"));
    QCOMPARE(get<QPushButton>(at("Command10", 0))->toolTip(), QStringLiteral("与右栏交换内容"));
    QVERIFY(get<QPushButton>(at("Command10", 4))->toolTip().isEmpty());
    QVERIFY(!m_page->findChild<QPushButton *>(at("Command10", 5)));

    // Start-up applies the selected "试探型".
    QVERIFY(get<QRadioButton>(QStringLiteral("Option6"))->isChecked());
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 0))->text(), QStringLiteral("研究"));
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 4))->text(), QStringLiteral("需要"));
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 5))->text(), QStringLiteral("环境吗"));

    // The lead and trailing boxes' own entries, verbatim.
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 0))->entries(),
             QStringList({QStringLiteral("对于"), QStringLiteral("为使"), QStringLiteral("参照"),
                          QStringLiteral("利用"), QStringLiteral("类似"), QStringLiteral("研究"),
                          QStringLiteral("变换")}));
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 5))->entries(),
             QStringList({QStringLiteral("场所"), QStringLiteral("环境"), QStringLiteral("目的"),
                          QStringLiteral("行业"), QStringLiteral("用途")}));
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 3))->entries(),
             QStringList({QStringLiteral("会怎样?")}));
    const QStringList words2 = get<SimpleCombo>(at("Combos", 2))->items();
    QCOMPARE(words2.count(QStringLiteral("切割(机)")), 2);
    QCOMPARE(words2.first(), QStringLiteral("扇"));
    QCOMPARE(words2.last(), QStringLiteral("搅拌(机)"));

    QCOMPARE(get<QRadioButton>(QStringLiteral("Option16"))->isChecked(), true);
    QCOMPARE(get<QRadioButton>(QStringLiteral("Option11"))->isChecked(), true);
    QCOMPARE(get<QRadioButton>(QStringLiteral("Option12"))->text(), QStringLiteral("开始"));
    auto *combo18 = get<SimpleCombo>(QStringLiteral("Combo18"));
    QCOMPARE(combo18->count(), 0);
    QCOMPARE(combo18->text(),
             QStringLiteral("在此处编辑最初的线索或填写联想到的初步发明名称，然后单击"
                            "“传送”按钮予以保存"));
    QCOMPARE(combo18->parentWidget()->objectName(), QStringLiteral("Frame21"));
    QCOMPARE(get<QPushButton>(QStringLiteral("Command2"))->parentWidget()->objectName(),
             QStringLiteral("Frame22"));
    QCOMPARE(get<QRadioButton>(QStringLiteral("Option12"))->parentWidget()->objectName(),
             QStringLiteral("Frame19"));
}

void TestIdeaPage::startUp_sortedListsKeepLaidOutOrder()
{
    // The laid-out order of every sorted list must be what the sorted order gives.
    for (int i = 0; i < 6; ++i) {
        const IdeaDefaults::ColumnDefaults defaults = IdeaDefaults::column(i);
        QCOMPARE(get<SimpleCombo>(at("Combos", i))->items(), defaults.words);
        QCOMPARE(get<ConnectingWordBox>(at("Combot", i))->entries(), defaults.leadEntries);
        QCOMPARE(get<ConnectingWordBox>(at("Combow", i))->entries(), defaults.trailEntries);
    }
    QVERIFY(get<SimpleCombo>(at("Combos", 4))->isSorted());
    QVERIFY(!get<SimpleCombo>(at("Combos", 3))->isSorted());
    QVERIFY(!get<ConnectingWordBox>(at("Combot", 0))->isSorted());
}

void TestIdeaPage::style_exampleHintsFromFirstWords_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expected");
    QTest::newRow("简洁型") << QStringLiteral("Option5")
                            << QStringLiteral("割草机:部件换位,扇原理,充电,便携,餐馆");
    QTest::newRow("试探型") << QStringLiteral("Option6")
                            << QStringLiteral(
                                   "研究割草机:可否部件换位,能否引入扇的原理,快速充电如何,"
                                   "需要便携吗,能用在餐馆环境吗");
    QTest::newRow("强制型") << QStringLiteral("Option7")
                            << QStringLiteral("关于割草机:部件换位,引进扇的原理,对其充电,"
                                              "设计便携结构,用于餐馆环境");
    QTest::newRow("建议型") << QStringLiteral("Option8")
                            << QStringLiteral("对于割草机:试试部件换位,请参考扇的特征,"
                                              "考虑充电的效果,建议有便携结构,试试用于餐馆环境");
}

void TestIdeaPage::style_exampleHintsFromFirstWords()
{
    QFETCH(QString, option);
    QFETCH(QString, expected);
    // Another style first, so the one under test really changes the boxes.
    get<QRadioButton>(option == QStringLiteral("Option8") ? QStringLiteral("Option5")
                                                          : QStringLiteral("Option8"))
        ->click();
    get<QRadioButton>(option)->click();
    RandomSource::instance().scriptDraws({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.5f});
    get<QPushButton>(QStringLiteral("Command2"))->click();
    QCOMPARE(hintCount(), 1);
    QCOMPARE(hint(), expected);
    QCOMPARE(get<SimpleCombo>(QStringLiteral("Combo18"))->text(), expected);
    // One draw for each of columns 1 to 5, none for column 0.
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
}

void TestIdeaPage::style_setsConnectorsEvenOnDisabledColumns()
{
    get<QRadioButton>(at("Option2", 4))->click();
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 4))->text(), QString());
    get<ConnectingWordBox>(at("Combot", 2))->setText(QStringLiteral("自己打的"));
    get<QLineEdit>(at("Text21", 2))->setText(QStringLiteral("标题"));
    get<QRadioButton>(QStringLiteral("Option7"))->click();
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 4))->text(), QStringLiteral("设计"));
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 4))->text(), QStringLiteral("结构"));
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 2))->text(), QStringLiteral("引进"));
    QVERIFY(!get<SimpleCombo>(at("Combos", 4))->isEnabled());
    QCOMPARE(get<QLineEdit>(at("Text21", 2))->text(), QStringLiteral("标题"));
    QCOMPARE(hintCount(), 0);

    // Clicking the selected style again restores what the user typed over.
    get<ConnectingWordBox>(at("Combow", 5))->setText(QStringLiteral("xx"));
    get<QRadioButton>(QStringLiteral("Option7"))->click();
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 5))->text(), QStringLiteral("环境"));
}

void TestIdeaPage::compose_combineModeJoinsInputBoxes()
{
    setInputs(exampleWords);
    get<QRadioButton>(QStringLiteral("Option15"))->click();
    get<QPushButton>(QStringLiteral("Command2"))->click();
    get<QPushButton>(QStringLiteral("Command2"))->click();
    const QString expected = QStringLiteral("研究割草机,可否部件换位,能否引入扇的原理,快速充电如何,"
                                            "需要便携吗,能用在餐馆环境吗");
    QCOMPARE(hintCount(), 2);
    QCOMPARE(hint(0), expected);
    QCOMPARE(hint(1), expected);
    // Nothing was drawn: the input boxes are as typed.
    QCOMPARE(get<QLineEdit>(at("Text11", 3))->text(), QStringLiteral("充电"));
}

void TestIdeaPage::compose_conciseWithEmptyBoxes()
{
    get<QRadioButton>(QStringLiteral("Option5"))->click();
    setInputs(QStringList(6));
    get<QRadioButton>(QStringLiteral("Option15"))->click();
    get<QPushButton>(QStringLiteral("Command2"))->click();
    QCOMPARE(hint(), QStringLiteral(",,原理,,,"));
}

void TestIdeaPage::compose_randomNeverDrawsColumnZeroNorDisabledColumns()
{
    get<QRadioButton>(at("Option2", 2))->click();
    get<QRadioButton>(at("Option2", 4))->click();
    get<QLineEdit>(at("Text11", 2))->setText(QStringLiteral("在水下"));
    get<QLineEdit>(at("Text11", 4))->setText(QString());
    // Columns 1, 3, 5 draw, in that order: last entry, middle entry, first entry.
    RandomSource::instance().scriptDraws({0.99f, 0.5f, 0.0f});
    get<QPushButton>(QStringLiteral("Command2"))->click();
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);
    QCOMPARE(get<QLineEdit>(at("Text11", 0))->text(), QStringLiteral("割草机"));
    QCOMPARE(get<QLineEdit>(at("Text11", 1))->text(), QStringLiteral("增加遥控"));
    QCOMPARE(get<QLineEdit>(at("Text11", 3))->text(), QStringLiteral("降温")); // 30 * 0.5 = 15
    QCOMPARE(get<SimpleCombo>(at("Combos", 3))->currentIndex(), 15);
    QCOMPARE(get<QLineEdit>(at("Text11", 5))->text(), QStringLiteral("餐馆"));
    // Disabled columns lost their connecting words and keep their word; "关于" leads again.
    QCOMPARE(hint(),
             QStringLiteral("关于割草机:可否增加遥控,在水下,快速降温如何,,能用在餐馆环境吗"));
}

void TestIdeaPage::compose_returnAndEnterOncePerKeyEvent()
{
    auto *button = get<QPushButton>(QStringLiteral("Command2"));
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(hintCount(), 1);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(hintCount(), 2);
    // Holding the key: every auto-repeated press composes once more.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(button, &repeat);
    }
    QCOMPARE(hintCount(), 5);
    QTest::keyClick(button, Qt::Key_A);
    QCOMPARE(hintCount(), 5);
}

void TestIdeaPage::switchOff_column3UnderTentative()
{
    get<QRadioButton>(QStringLiteral("Option6"))->click();
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 0))->text(), QStringLiteral("研究"));
    get<QRadioButton>(at("Option2", 3))->click();
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 3))->text(), QString());
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 3))->text(), QString());
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 0))->text(), QStringLiteral("关于"));
    auto *list = get<SimpleCombo>(at("Combos", 3));
    QVERIFY(!list->isEnabled());
    QCOMPARE(list->text(), QStringLiteral("Combo4")); // the edit line keeps its text
    QCOMPARE(list->count(), 30);

    // Column 0 off: "关于", an empty trailing word and its own word.
    get<QRadioButton>(QStringLiteral("Option6"))->click();
    get<QRadioButton>(at("Option2", 0))->click();
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 0))->text(), QStringLiteral("关于"));
    QCOMPARE(get<ConnectingWordBox>(at("Combow", 0))->text(), QString());
    get<QPushButton>(QStringLiteral("Command2"))->click();
    QVERIFY(hint().startsWith(QStringLiteral("关于割草机:")));
}

void TestIdeaPage::switchOn_hasNoCoupling()
{
    get<QRadioButton>(at("Option2", 3))->click();
    get<QRadioButton>(at("Option2", 4))->click();
    get<QRadioButton>(at("Option1", 3))->click();
    QVERIFY(get<SimpleCombo>(at("Combos", 3))->isEnabled());
    QVERIFY(get<ConnectingWordBox>(at("Combot", 3))->isEnabled());
    QVERIFY(!get<SimpleCombo>(at("Combos", 4))->isEnabled());
    // Switching on again does not bring the connecting words back.
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 3))->text(), QString());

    // Column commands do nothing on the disabled column 4.
    auto *list4 = get<SimpleCombo>(at("Combos", 4));
    get<QLineEdit>(at("Text11", 4))->setText(QStringLiteral("新词"));
    get<QPushButton>(at("Commanda", 4))->click();
    get<QPushButton>(at("Commandc", 4))->click();
    RandomSource::instance().scriptDraws({0.5f});
    get<QPushButton>(at("Commandrr", 4))->click();
    QCOMPARE(list4->count(), 12);
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
}

void TestIdeaPage::emptyList_blocksBothComposersUntilRefilled()
{
    get<QPushButton>(at("Commandc", 2))->click();
    QCOMPARE(get<SimpleCombo>(at("Combos", 2))->count(), 0);
    get<QPushButton>(QStringLiteral("Command2"))->click();
    get<QRadioButton>(QStringLiteral("Option15"))->click();
    get<QPushButton>(QStringLiteral("Command2"))->click();
    QCOMPARE(hintCount(), 0);

    get<QRadioButton>(QStringLiteral("Option12"))->click();
    m_page->autoStep();
    QCOMPARE(hintCount(), 0);
    // A disabled column's empty list blocks too.
    get<QRadioButton>(at("Option2", 2))->click();
    m_page->autoStep();
    QCOMPARE(hintCount(), 0);
    get<QRadioButton>(at("Option1", 2))->click();

    // Enter in the input box puts the word back; the next tick composes again.
    auto *input = get<QLineEdit>(at("Text11", 2));
    input->setText(QStringLiteral("扇"));
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(input->text(), QString()); // until the draw fills it again
    m_page->autoStep();
    QCOMPARE(hintCount(), 1);
    QCOMPARE(get<QLineEdit>(at("Text11", 2))->text(), QStringLiteral("扇"));
}

void TestIdeaPage::automatic_randomWithColonWhateverTheMode()
{
    setInputs(exampleWords);
    get<QRadioButton>(QStringLiteral("Option15"))->click(); // combine mode
    get<QRadioButton>(QStringLiteral("Option12"))->click();
    QVERIFY(!get<QRadioButton>(QStringLiteral("Option11"))->isChecked());
    RandomSource::instance().scriptDraws({0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    m_page->autoStep();
    QCOMPARE(hint(), QStringLiteral("研究割草机:可否部件换位,能否引入扇的原理,快速充电如何,"
                                    "需要便携吗,能用在餐馆环境吗"));
    // All of columns 1 to 5 off: every tick adds the same hint again, nothing drawn.
    for (int i = 1; i < 6; ++i)
        get<QRadioButton>(at("Option2", i))->click();
    RandomSource::instance().scriptDraws({0.5f});
    m_page->autoStep();
    m_page->autoStep();
    QCOMPARE(hintCount(), 3);
    QCOMPARE(hint(0), QStringLiteral("关于割草机:部件换位,扇,充电,便携,餐馆"));
    QCOMPARE(hint(1), hint(0));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
}

void TestIdeaPage::automatic_stoppedByStopAndIgnoresManualButton()
{
    auto *start = get<QRadioButton>(QStringLiteral("Option12"));
    auto *stop = get<QRadioButton>(QStringLiteral("Option11"));
    m_page->autoStep();
    QCOMPARE(hintCount(), 0);
    start->click();
    get<QPushButton>(QStringLiteral("Command2"))->click(); // manual only while stopped
    QCOMPARE(hintCount(), 0);
    m_page->autoStep();
    QCOMPARE(hintCount(), 1);
    m_page->stopAutomatic();
    QVERIFY(stop->isChecked());
    QVERIFY(!start->isChecked());
    m_page->autoStep();
    QCOMPARE(hintCount(), 1);
    // Drawn as push buttons, yet still exclusive options.
    start->click();
    start->click();
    QVERIFY(start->isChecked());
    stop->click();
    QVERIFY(!start->isChecked());
}

void TestIdeaPage::automatic_fullResultListDropsOldest()
{
    auto *combo18 = get<SimpleCombo>(QStringLiteral("Combo18"));
    QListWidget *list = combo18->listWidget();
    for (int i = 0; i < SimpleCombo::MaxCount; ++i)
        list->addItem(QString::number(i));
    QCOMPARE(combo18->count(), SimpleCombo::MaxCount);
    get<QRadioButton>(QStringLiteral("Option12"))->click();
    m_page->autoStep();
    QCOMPARE(combo18->count(), SimpleCombo::MaxCount);
    QVERIFY(hint(0).startsWith(QStringLiteral("研究割草机:")));
    QCOMPARE(hint(1), QStringLiteral("0"));
    QCOMPARE(hint(SimpleCombo::MaxCount - 1), QString::number(SimpleCombo::MaxCount - 2));
}

void TestIdeaPage::results_buttonsAndTransfer()
{
    auto *combo18 = get<SimpleCombo>(QStringLiteral("Combo18"));
    QSignalSpy transfers(m_page.get(), &IdeaPage::transferRequested);
    combo18->setText(QStringLiteral("B"));
    get<QPushButton>(QStringLiteral("Command38"))->click();
    combo18->setText(QStringLiteral("A"));
    get<QPushButton>(QStringLiteral("Command38"))->click();
    QCOMPARE(combo18->items(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(combo18->currentIndex(), 0);
    get<QPushButton>(QStringLiteral("Command5"))->click();
    QCOMPARE(combo18->items(), QStringList({QStringLiteral("B")}));
    get<QPushButton>(QStringLiteral("Command5"))->click(); // nothing selected now
    QCOMPARE(combo18->count(), 1);

    combo18->setText(QStringLiteral("研究割草机:改过的"));
    auto *transfer = get<QPushButton>(QStringLiteral("Command6"));
    QCOMPARE(transfer->text(), QStringLiteral("传送=>"));
    QCOMPARE(transfer->toolTip(), QStringLiteral("将文本框中的内容传送到编辑保存区"));
    transfer->click();
    QCOMPARE(transfers.count(), 1);
    QCOMPARE(transfers.at(0).at(0).toString(), QStringLiteral("      思路提示：《"));
    QCOMPARE(transfers.at(0).at(1).toString(), QStringLiteral("研究割草机:改过的"));

    get<QPushButton>(QStringLiteral("Command7"))->click();
    QCOMPARE(combo18->count(), 0);
    QCOMPARE(combo18->text(), QString());
}

void TestIdeaPage::form1_tickRunsIdeaStepAndPageSwitchStops()
{
    Form1 form;
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QVERIFY(tabs);
    tabs->setCurrentWidget(form.ideaPage());
    auto *start = form.findChild<QRadioButton *>(QStringLiteral("Option12"));
    auto *combo18 = form.findChild<SimpleCombo *>(QStringLiteral("Combo18"));
    QVERIFY(start && combo18);
    start->click();
    form.Timer1_Timer();
    form.Timer1_Timer();
    QCOMPARE(combo18->count(), 2);
    tabs->setCurrentIndex(0);
    QVERIFY(form.findChild<QRadioButton *>(QStringLiteral("Option11"))->isChecked());
    form.Timer1_Timer();
    QCOMPARE(combo18->count(), 2);
}

QTEST_MAIN(TestIdeaPage)
#include "tst_ideapage.moc"
