#include "app/form1.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"
#include "columns/sorted_order.h"
#include "storage/data_directory.h"
#include "storage/line_file.h"
#include "title/title_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString nameOf(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QStringList sortedCopy(QStringList words)
{
    std::stable_sort(words.begin(), words.end(), sortedLess);
    return words;
}

} // namespace

class TestTitlePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUp_columnsHoldTheirDefaults();
    void controls_carryTheirCaptionsAndToolTips_data();
    void controls_carryTheirCaptionsAndToolTips();

    void generate_startUpDefaults_principlePerformanceArticle();
    void generate_oneEmptyListBlocks_data();
    void generate_oneEmptyListBlocks();
    void generate_keepsBrackets();
    void generate_combineModeUsesTypedText();
    void generate_whileRunning_doesNothing();
    void generate_enterAndReturnOnFocusedButton_oncePerKeyEvent();

    void autoStep_data();
    void autoStep();
    void autoStep_fullResultList_dropsOldest();

    void addWord_goesToTheTopEvenInASortedList_data();
    void addWord_goesToTheTopEvenInASortedList();
    void deleteWord_needsASelection();
    void clearAndRandomAdjust_onlyOnEnabledColumns();
    void disableThenEnable_keepsListAndLeavesEditEmpty();

    void shift_twiceRestoresContentsButNotCurrentWords();
    void shift_walksColumn0ToTheLast();
    void shift_unsortedIntoSorted_comesOutSorted();
    void shift_disabledColumnReceivingWords_staysDisabledAndSilent();

    void library_saveThenLoad_roundTrip();
    void library_disabledColumnIgnoresSaveAndLoad();

    void results_addDeleteClearAndTransfer();
    void lament_showsTheFixedBox();
    void form_timerTickAndPageSwitch();
    void layout_fitsTheDesignSize();

private:
    template <typename T> T *find(const QString &name) const;
    SimpleCombo *list(int column) const { return find<SimpleCombo>(nameOf("Combotm", column)); }
    SimpleCombo *results() const { return find<SimpleCombo>(QStringLiteral("Combo7")); }
    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }
    void click(const char *name, int column) const { click(nameOf(name, column)); }

    QTemporaryDir m_home;
    std::unique_ptr<TitlePage> m_page;
};

template <typename T> T *TestTitlePage::find(const QString &name) const
{
    T *widget = m_page->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

void TestTitlePage::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
    QVERIFY(DataDirectory::ensureExists(nullptr));
}

void TestTitlePage::init()
{
    RandomSource::instance().scriptDraws({});
    m_page = std::make_unique<TitlePage>();
}

void TestTitlePage::cleanup()
{
    m_page.reset();
    RandomSource::instance().scriptDraws({});
}

void TestTitlePage::startUp_columnsHoldTheirDefaults()
{
    const QList<int> counts{30, 36, 20, 1, 76, 72, 20};
    const QList<bool> enabled{false, true, true, false, false, true, false};
    const QList<bool> sorted{true, true, false, false, true, true, true};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(list(i)->count(), counts.at(i));
        QCOMPARE(list(i)->isEnabled(), enabled.at(i));
        QCOMPARE(find<QRadioButton>(nameOf("Optionqy3", i))->isChecked(), enabled.at(i));
        QCOMPARE(find<QRadioButton>(nameOf("Optionty3", i))->isChecked(), !enabled.at(i));
        QCOMPARE(list(i)->isSorted(), sorted.at(i));
        QVERIFY(list(i)->text().isEmpty());
        QCOMPARE(list(i)->currentIndex(), -1);
        // each switch pair sits in its own frame, so the pairs are independent
        QCOMPARE(find<QRadioButton>(nameOf("Optionqy3", i))->parentWidget()->objectName(),
                 nameOf("Frame", i));
        QCOMPARE(m_page->findChild<QAbstractButton *>(nameOf("Command11", i)) != nullptr, i < 6);
    }
    QCOMPARE(find<QLineEdit>(QStringLiteral("Text1(4)"))->text(), QStringLiteral("物件单词栏"));
    // stored order, brackets and duplicates as they are
    QCOMPARE(list(1)->items().mid(28, 4),
             (QStringList{QStringLiteral("往复式"), QStringLiteral("悬挂式"),
                          QStringLiteral("旋转式"), QStringLiteral("旋转式")}));
    QCOMPARE(list(4)->itemText(49), QStringLiteral("切割(机)"));
    QCOMPARE(list(4)->itemText(50), QStringLiteral("切割(机)"));
    QCOMPARE(list(5)->itemText(71), QStringLiteral("钻"));
    QCOMPARE(list(3)->itemText(0), QStringLiteral("至少添1个词"));

    const QPalette colours = list(1)->listWidget()->palette();
    QCOMPARE(colours.color(QPalette::Active, QPalette::Base),
             colours.color(QPalette::Active, QPalette::ToolTipBase));

    QCOMPARE(find<QAbstractButton>(QStringLiteral("Commandqk3(6)"))->toolTip(),
             QStringLiteral("清空列表框全部单词。注意：至少要添加1个单词自动和随机功能才可用"));
    QCOMPARE(find<QAbstractButton>(QStringLiteral("Commandsc0"))->toolTip(),
             QStringLiteral("单击一下获得焦点再连续回车可控制速度"));

    QCOMPARE(find<QGroupBox>(u"Frame7"_s)->title(), u"手动生成"_s);
    QCOMPARE(find<QGroupBox>(u"Frame8"_s)->title(), u"自动生成"_s);
    QCOMPARE(find<QGroupBox>(u"Frame9"_s)->title(), u"初步发明题目栏"_s);
    QCOMPARE(find<QLabel>(u"Label36"_s)->text(), u"在这里，软件向您提示一些不太成熟的发明题目名称，"
                                                 u"您的挑选或联想很可能导致一项新发明的诞生，"
                                                 u"按“传送”按钮进一步编辑、保存该信息。"_s);

    QCOMPARE(results()->count(), 0);
    QCOMPARE(results()->text(), QStringLiteral("在此处显示或更改初步发明题目"));
    QVERIFY(find<QRadioButton>(QStringLiteral("Optionsj"))->isChecked());
    QVERIFY(find<QRadioButton>(QStringLiteral("Optiontz0"))->isChecked());
    QVERIFY(!find<QRadioButton>(QStringLiteral("Optionks0"))->isChecked());
}

void TestTitlePage::controls_carryTheirCaptionsAndToolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    const QList<std::array<QString, 3>> perColumn = {
        {u"Commandtj3"_s, u"添加单词"_s, u"把文本框中的内容添加到列表框中"_s},
        {u"Commandsc3"_s, u"删除单词"_s, u"删除列表框中选中的单词"_s},
        {u"Commandqk3"_s, u"全部清空"_s,
         u"清空列表框全部单词。注意：至少要添加1个单词自动和随机功能才可用"_s},
        {u"Commandsj3"_s, u"随机调整"_s, u"随机显示列表框中的单词"_s},
        {u"Commandbc3"_s, u"存为词库"_s, u"把列表框中的现有单词存为本栏词库"_s},
        {u"Commandck3"_s, u"调用词库"_s, u"调出上次保存的本栏词库"_s},
        {u"Optionqy3"_s, u"启用"_s, u"启用本栏列表框"_s},
        {u"Optionty3"_s, u"停用"_s, u"停用本栏列表框"_s},
        {u"Command11"_s, u">"_s, u"与右栏交换内容"_s},
    };
    for (int i = 0; i < 7; ++i) {
        for (const auto &[name, caption, tip] : perColumn) {
            if (name == u"Command11" && i == 6)
                continue;
            const QString element = u"%1(%2)"_s.arg(name).arg(i);
            QTest::newRow(qPrintable(element)) << element << caption << tip;
        }
    }
    QTest::newRow("Commandsc0") << u"Commandsc0"_s << u"生成"_s
                                << u"单击一下获得焦点再连续回车可控制速度"_s;
    QTest::newRow("Optionsj") << u"Optionsj"_s << u"随机"_s << u"随机选择各列表框中的单词"_s;
    QTest::newRow("Optionzc") << u"Optionzc"_s << u"组词"_s << u"人工选择各列表框中的单词"_s;
    QTest::newRow("Optionks0") << u"Optionks0"_s << u"开始"_s << QString();
    QTest::newRow("Optiontz0") << u"Optiontz0"_s << u"停止"_s << QString();
    QTest::newRow("Commandgg7") << u"Commandgg7"_s << u"添加"_s
                                << u"把文本框中的内容添加到列表框中"_s;
    QTest::newRow("Commandsc7") << u"Commandsc7"_s << u"删除"_s << u"删除列表框中选中的信息"_s;
    QTest::newRow("Commandqk7") << u"Commandqk7"_s << u"清空"_s << u"清空列表框全部信息"_s;
    QTest::newRow("Commandbc7") << u"Commandbc7"_s << u"传送=>"_s
                                << u"将文本框中的内容传送到编辑保存区"_s;
}

void TestTitlePage::controls_carryTheirCaptionsAndToolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    const auto *button = find<QAbstractButton>(name);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), toolTip);
}

void TestTitlePage::generate_startUpDefaults_principlePerformanceArticle()
{
    // columns 1, 2 and 5 draw, in that order; the fourth draw stays unused
    RandomSource::instance().scriptDraws({0.0f, 0.25f, 0.99f, 0.5f});
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
    const QString title = QStringLiteral("摆动式防水钻");
    QCOMPARE(results()->count(), 1);
    QCOMPARE(results()->itemText(0), title);
    QCOMPARE(results()->text(), title);
    QCOMPARE(list(2)->currentIndex(), 5);

    RandomSource::instance().scriptDraws({0.5f, 0.0f, 0.0f});
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(results()->items(), (QStringList{QStringLiteral("离心式便携包装机"), title}));
}

void TestTitlePage::generate_oneEmptyListBlocks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("mode");
    for (const int column : {0, 2, 6}) {
        for (const char *mode : {"Optionsj", "Optionzc"})
            QTest::addRow("column %d, %s", column, mode) << column << QString::fromLatin1(mode);
    }
}

void TestTitlePage::generate_oneEmptyListBlocks()
{
    QFETCH(int, column);
    QFETCH(QString, mode);
    click(mode);
    list(column)->clear(); // a disabled column's list can only be emptied from outside
    RandomSource::instance().scriptDraws({0.1f, 0.2f, 0.3f});
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(results()->count(), 0);
    QCOMPARE(results()->text(), QStringLiteral("在此处显示或更改初步发明题目"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 3);
}

void TestTitlePage::generate_keepsBrackets()
{
    click("Optionqy3", 0);
    click("Optionqy3", 6);
    RandomSource::instance().scriptDraws({0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);
    QCOMPARE(results()->text(), QStringLiteral("(充电)摆动式便携包装机(的把手)"));
}

void TestTitlePage::generate_combineModeUsesTypedText()
{
    click(QStringLiteral("Optionzc"));
    click(QStringLiteral("Commandsc0")); // nothing chosen yet: an empty title
    QCOMPARE(results()->items(), QStringList{QString()});
    QVERIFY(results()->text().isEmpty());

    QKeyEvent typing(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("飞行"));
    QApplication::sendEvent(list(1)->lineEdit(), &typing);
    list(2)->setCurrentIndex(3);
    list(5)->lineEdit()->setText(QStringLiteral("伞"));
    RandomSource::instance().scriptDraws({0.5f});
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
    QCOMPARE(results()->itemText(0), QStringLiteral("飞行防风伞"));
    QCOMPARE(results()->text(), QStringLiteral("飞行防风伞"));
    QCOMPARE(list(1)->count(), 36); // the typed word is not added to the list
}

void TestTitlePage::generate_whileRunning_doesNothing()
{
    click(QStringLiteral("Optionks0"));
    QVERIFY(!find<QRadioButton>(QStringLiteral("Optiontz0"))->isChecked());
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(results()->count(), 0);

    m_page->stopAutomatic();
    QVERIFY(find<QRadioButton>(QStringLiteral("Optiontz0"))->isChecked());
    QVERIFY(!find<QRadioButton>(QStringLiteral("Optionks0"))->isChecked());
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(results()->count(), 1);
}

void TestTitlePage::generate_enterAndReturnOnFocusedButton_oncePerKeyEvent()
{
    auto *button = find<QAbstractButton>(QStringLiteral("Commandsc0"));
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(button, &repeat);
    QApplication::sendEvent(button, &repeat);
    QCOMPARE(results()->count(), 4);
    QTest::keyClick(button, Qt::Key_A);
    QCOMPARE(results()->count(), 4);
}

void TestTitlePage::autoStep_data()
{
    QTest::addColumn<bool>("start");
    QTest::addColumn<int>("emptyColumn");
    QTest::addColumn<bool>("enableEmpty");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("drawsLeft");
    const QString usual = QStringLiteral("摆动式便携包装机");
    QTest::newRow("stopped") << false << -1 << false << QString() << 4;
    QTest::newRow("running") << true << -1 << false << usual << 1;
    QTest::newRow("disabled column 6 empty") << true << 6 << false << usual << 1;
    QTest::newRow("enabled column 6 empty, skipped") << true << 6 << true << usual << 1;
    QTest::newRow("column 0 empty") << true << 0 << false << QString() << 4;
    QTest::newRow("column 5 empty") << true << 5 << false << QString() << 4;
}

void TestTitlePage::autoStep()
{
    QFETCH(bool, start);
    QFETCH(int, emptyColumn);
    QFETCH(bool, enableEmpty);
    QFETCH(QString, title);
    QFETCH(int, drawsLeft);
    click(QStringLiteral("Optionzc")); // ignored: the automatic step always draws
    if (start)
        click(QStringLiteral("Optionks0"));
    if (emptyColumn >= 0) {
        if (enableEmpty)
            click("Optionqy3", emptyColumn);
        list(emptyColumn)->clear();
    }
    RandomSource::instance().scriptDraws({0.0f, 0.0f, 0.0f, 0.0f});
    m_page->autoStep();
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), drawsLeft);
    if (title.isNull()) {
        QCOMPARE(results()->count(), 0);
        return;
    }
    QCOMPARE(results()->items(), QStringList{title});
    QCOMPARE(results()->text(), title);
}

void TestTitlePage::autoStep_fullResultList_dropsOldest()
{
    for (int i = 0; i < SimpleCombo::MaxCount; ++i)
        results()->insertItem(results()->count(), QString::number(i));
    click(QStringLiteral("Optionks0"));
    RandomSource::instance().scriptDraws({0.0f, 0.0f, 0.0f});
    m_page->autoStep();
    QCOMPARE(results()->count(), SimpleCombo::MaxCount);
    QCOMPARE(results()->itemText(0), QStringLiteral("摆动式便携包装机"));
    QCOMPARE(results()->itemText(1), QStringLiteral("0"));
    QCOMPARE(results()->itemText(SimpleCombo::MaxCount - 1),
             QString::number(SimpleCombo::MaxCount - 2));
}

void TestTitlePage::addWord_goesToTheTopEvenInASortedList_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("button") << false;
    QTest::newRow("Enter in the edit line") << true;
}

void TestTitlePage::addWord_goesToTheTopEvenInASortedList()
{
    QFETCH(bool, byEnter);
    for (const QString &word : {QStringLiteral("钻头"), QStringLiteral("泵"), QString()}) {
        const int before = list(5)->count();
        list(5)->lineEdit()->setText(word);
        if (byEnter)
            QTest::keyClick(list(5)->lineEdit(), Qt::Key_Return);
        else
            click("Commandtj3", 5);
        QCOMPARE(list(5)->count(), before + 1);
        QCOMPARE(list(5)->itemText(0), word);
        QCOMPARE(list(5)->currentIndex(), 0);
        QCOMPARE(list(5)->text(), word);
    }
    QCOMPARE(list(5)->items().count(QStringLiteral("泵")), 2);

    list(4)->lineEdit()->setText(QStringLiteral("钻头")); // disabled column
    click("Commandtj3", 4);
    QCOMPARE(list(4)->count(), 76);
}

void TestTitlePage::deleteWord_needsASelection()
{
    list(2)->lineEdit()->setText(QStringLiteral("防水")); // typing a word does not select it
    click("Commandsc3", 2);
    QCOMPARE(list(2)->count(), 20);

    list(2)->setCurrentIndex(2);
    QCOMPARE(list(2)->text(), QStringLiteral("防爆"));
    click("Commandsc3", 2);
    QCOMPARE(list(2)->count(), 19);
    QVERIFY(!list(2)->items().contains(QStringLiteral("防爆")));
    QCOMPARE(list(2)->currentIndex(), -1);
    QCOMPARE(list(2)->text(), QStringLiteral("防爆")); // the edit line is left alone
    click("Commandsc3", 2);
    QCOMPARE(list(2)->count(), 19);
}

void TestTitlePage::clearAndRandomAdjust_onlyOnEnabledColumns()
{
    click("Commandqk3", 0); // disabled
    QCOMPARE(list(0)->count(), 30);

    RandomSource::instance().scriptDraws({0.5f, 0.5f});
    click("Commandsj3", 0); // disabled: no draw
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 2);
    click("Commandsj3", 2);
    QCOMPARE(list(2)->text(), QStringLiteral("耐压"));

    click("Commandqk3", 2);
    QCOMPARE(list(2)->count(), 0);
    QVERIFY(list(2)->text().isEmpty());
    click("Commandsj3", 2); // empty list: nothing, and no draw
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
    QVERIFY(list(2)->text().isEmpty());
}

void TestTitlePage::disableThenEnable_keepsListAndLeavesEditEmpty()
{
    list(2)->setCurrentIndex(4);
    const QStringList words = list(2)->items();
    click("Optionty3", 2);
    QVERIFY(!list(2)->isEnabled());
    QVERIFY(list(2)->text().isEmpty());
    QCOMPARE(list(2)->items(), words);
    click("Optionqy3", 2);
    QVERIFY(list(2)->isEnabled());
    QVERIFY(list(2)->text().isEmpty());
    QCOMPARE(list(2)->items(), words);
    // the other columns' switches are independent
    QVERIFY(find<QRadioButton>(QStringLiteral("Optionqy3(1)"))->isChecked());
    QVERIFY(find<QRadioButton>(QStringLiteral("Optionty3(3)"))->isChecked());
}

void TestTitlePage::shift_twiceRestoresContentsButNotCurrentWords()
{
    const QStringList left = list(2)->items();
    const QStringList right = list(3)->items();
    list(2)->setCurrentIndex(1);
    click("Command11", 2);
    QCOMPARE(list(2)->items(), right);
    QCOMPARE(list(3)->items(), left);
    QCOMPARE(find<QLineEdit>(QStringLiteral("Text1(2)"))->text(), QStringLiteral("自定义栏"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("Text1(3)"))->text(), QStringLiteral("性能用途栏"));
    click("Command11", 2);
    QCOMPARE(list(2)->items(), left);
    QCOMPARE(list(3)->items(), right);
    QCOMPARE(find<QLineEdit>(QStringLiteral("Text1(2)"))->text(), QStringLiteral("性能用途栏"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("Text1(3)"))->text(), QStringLiteral("自定义栏"));
    QVERIFY(list(2)->text().isEmpty());
    QCOMPARE(list(2)->currentIndex(), -1);
}

void TestTitlePage::shift_walksColumn0ToTheLast()
{
    QList<QStringList> words;
    QStringList captions;
    for (int i = 0; i < 7; ++i) {
        words.append(list(i)->items());
        captions.append(find<QLineEdit>(nameOf("Text1", i))->text());
    }
    for (int i = 0; i < 6; ++i)
        click("Command11", i);
    for (int i = 0; i < 7; ++i) {
        const int from = (i + 1) % 7;
        QCOMPARE(find<QLineEdit>(nameOf("Text1", i))->text(), captions.at(from));
        const QStringList expected =
            list(i)->isSorted() ? sortedCopy(words.at(from)) : words.at(from);
        QCOMPARE(list(i)->items(), expected);
    }
    // the switches stay with their positions
    for (int i = 0; i < 7; ++i)
        QCOMPARE(list(i)->isEnabled(), i == 1 || i == 2 || i == 5);
}

void TestTitlePage::shift_unsortedIntoSorted_comesOutSorted()
{
    const QStringList performance = list(2)->items();
    QVERIFY(performance != sortedCopy(performance)); // 家用 … 渔用 are out of pinyin order
    click("Command11", 1);
    QCOMPARE(list(1)->items(), sortedCopy(performance));
    click("Command11", 1);
    QCOMPARE(list(2)->items(), sortedCopy(performance)); // the old order does not come back
}

void TestTitlePage::shift_disabledColumnReceivingWords_staysDisabledAndSilent()
{
    click("Command11", 2); // column 2's words into disabled column 3
    QCOMPARE(list(3)->count(), 20);
    QVERIFY(!list(3)->isEnabled());
    QVERIFY(find<QRadioButton>(QStringLiteral("Optionty3(3)"))->isChecked());
    QVERIFY(list(3)->text().isEmpty());

    RandomSource::instance().scriptDraws({0.0f, 0.0f, 0.0f, 0.0f});
    click(QStringLiteral("Commandsc0"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);
    QCOMPARE(results()->text(), QStringLiteral("摆动式至少添1个词包装机"));
}

void TestTitlePage::library_saveThenLoad_roundTrip()
{
    const QString path = DataDirectory::filePath(QStringLiteral("dllkvr1.kvr"));
    QFile::remove(path);
    list(1)->lineEdit()->setText(QStringLiteral("阻尼式"));
    click("Commandtj3", 1); // at the top, out of sort order
    const QStringList saved = list(1)->items();
    click("Commandbc3", 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QCOMPARE(bytes, LineFile::encodeLines(saved));
    QVERIFY(bytes.startsWith(LineFile::encodeText(QStringLiteral("阻尼式\r\n摆动式\r\n"))));

    click("Commandqk3", 1);
    QCOMPARE(list(1)->count(), 0);
    click("Commandck3", 1);
    // loaded words are appended, so the sorted list puts the top word in its place
    QCOMPARE(list(1)->items(), sortedCopy(saved));
    QCOMPARE(list(1)->items().count(QStringLiteral("旋转式")), 2);
    QVERIFY(list(1)->text().isEmpty());

    // a position never saved loads as empty and leaves an empty file
    const QString never = DataDirectory::filePath(QStringLiteral("dllkvr2.kvr"));
    QFile::remove(never);
    click("Commandck3", 2);
    QCOMPARE(list(2)->count(), 0);
    QVERIFY(QFileInfo::exists(never));
    QCOMPARE(QFileInfo(never).size(), 0);
}

void TestTitlePage::library_disabledColumnIgnoresSaveAndLoad()
{
    const QString path0 = DataDirectory::filePath(QStringLiteral("dllkvr0.kvr"));
    QFile::remove(path0);
    click("Commandbc3", 0);
    QVERIFY(!QFileInfo::exists(path0));

    const QString path4 = DataDirectory::filePath(QStringLiteral("dllkvr4.kvr"));
    const QByteArray stored = LineFile::encodeLines({QStringLiteral("甲"), QStringLiteral("乙")});
    QVERIFY(LineFile::writeAll(path4, stored, nullptr));
    click("Commandck3", 4);
    QCOMPARE(list(4)->count(), 76);
    click("Commandbc3", 4);
    QFile file(path4);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
}

void TestTitlePage::results_addDeleteClearAndTransfer()
{
    QSignalSpy transfers(m_page.get(), &TitlePage::transferRequested);
    click(QStringLiteral("Commandbc7"));
    QCOMPARE(transfers.size(), 1);
    QCOMPARE(transfers.at(0).at(0).toString(), QStringLiteral("      题目名称：《"));
    QCOMPARE(transfers.at(0).at(1).toString(), QStringLiteral("在此处显示或更改初步发明题目"));

    results()->lineEdit()->setText(QStringLiteral("B"));
    click(QStringLiteral("Commandgg7"));
    results()->lineEdit()->setText(QStringLiteral("A"));
    click(QStringLiteral("Commandgg7"));
    QCOMPARE(results()->items(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(results()->currentIndex(), 0);

    results()->lineEdit()->setText(QStringLiteral("我的修改"));
    click(QStringLiteral("Commandbc7"));
    QCOMPARE(transfers.at(1).at(1).toString(), QStringLiteral("我的修改"));
    QCOMPARE(results()->count(), 2); // transferring keeps the list

    click(QStringLiteral("Commandsc7"));
    QCOMPARE(results()->items(), QStringList{QStringLiteral("B")});
    click(QStringLiteral("Commandsc7")); // nothing selected now
    QCOMPARE(results()->count(), 1);
    click(QStringLiteral("Commandqk7"));
    QCOMPARE(results()->count(), 0);
    QVERIFY(results()->text().isEmpty());
}

void TestTitlePage::lament_showsTheFixedBox()
{
    QString title;
    QString text;
    QTimer::singleShot(0, m_page.get(), [&title, &text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        box->findChild<QAbstractButton *>(QStringLiteral("Continue"))->click();
    });
    click(QStringLiteral("Command1"));
    QCOMPARE(title, QStringLiteral("关于垃圾题目的感叹"));
    QVERIFY(text.startsWith(QStringLiteral("这些该死的垃圾题目")));
    QCOMPARE(results()->count(), 0); // nothing follows
}

void TestTitlePage::form_timerTickAndPageSwitch()
{
    m_page.reset();
    Form1 form;
    auto *start = form.findChild<QRadioButton *>(QStringLiteral("Optionks0"));
    auto *combo = form.findChild<SimpleCombo *>(QStringLiteral("Combo7"));
    QVERIFY(start && combo);
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(2);
    start->click();
    form.Timer1_Timer();
    form.Timer1_Timer();
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->text(), combo->itemText(0));
    tabs->setCurrentIndex(3);
    tabs->setCurrentIndex(2);
    QVERIFY(!start->isChecked());
    QVERIFY(form.findChild<QRadioButton *>(QStringLiteral("Optiontz0"))->isChecked());
    form.Timer1_Timer();
    QCOMPARE(combo->count(), 2);
}

void TestTitlePage::layout_fitsTheDesignSize()
{
    m_page.reset();
    Form1 form;
    form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    form.resize(792, 539);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *page = form.titlePage();
    QVERIFY(page->isVisible());
    const QRect area = page->rect();
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        if (!button->isVisible())
            continue;
        const QString name = button->objectName();
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()),
                 qPrintable(name));
        const QRect onPage(button->mapTo(page, QPoint(0, 0)), button->size());
        QVERIFY2(area.contains(onPage), qPrintable(name));
    }
    for (int i = 0; i < 7; ++i) {
        auto *words = page->findChild<SimpleCombo *>(nameOf("Combotm", i));
        // room for several words in every column
        QVERIFY(words->listWidget()->viewport()->height() >=
                4 * words->listWidget()->sizeHintForRow(0));
        QVERIFY(words->width() >=
                words->fontMetrics().horizontalAdvance(QStringLiteral("包装(机)")));
    }
}

QTEST_MAIN(TestTitlePage)
#include "tst_title_page.moc"
