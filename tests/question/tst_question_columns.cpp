#include "columns/random_source.h"
#include "question/question_defaults.h"
#include "question/question_page.h"
#include "question_test_helpers.h"
#include "storage/data_directory.h"
#include "storage/word_library.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <memory>

using QuestionDefaults::Add;
using QuestionDefaults::Clear;
using QuestionDefaults::Erase;
using QuestionDefaults::Load;
using QuestionDefaults::Random;
using QuestionDefaults::Remove;
using QuestionDefaults::Save;

class TestQuestionColumns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUp_columns_data();
    void startUp_columns();
    void startUp_questionWordColumn();
    void selectWord_byClick_setsInputBox();
    void enter_addsOnTopAndEmptiesBox_addKeepsIt();
    void enter_emptyBox_addsEmptyEntry();
    void remove_selectedEntry_emptiesBox();
    void clear_keepsInputBox();
    void random_selectsDrawnEntry();
    void disabledColumn_ignoresCommandsButErase_data();
    void disabledColumn_ignoresCommandsButErase();
    void disable_emptiesEditLineKeepsInput();
    void switch_actsOnlyOnChange();
    void column7_bringsColumn6();
    void commandBox_wheelRunsNothing();
    void questionWordColumn_reenables();

    void shift_buttons();
    void shift_twiceRestores();
    void shift_walkMovesFirstToLast();
    void shift_switchesStayWithPositions();

    void library_saveWritesGbkCrLf_andLoadRoundTrips();
    void library_questionWordColumnHasItsOwnFile();
    void library_loadNeverSavedEmptiesListAndCreatesFile();
    void library_disabledColumnLeavesListAndFile();

private:
    SimpleCombo *list(int i) const
    {
        return control<SimpleCombo>(m_page.get(), indexed("Combowt", i));
    }
    QLineEdit *input(int i) const { return control<QLineEdit>(m_page.get(), indexed("Text6", i)); }
    QLineEdit *caption(int i) const
    {
        return control<QLineEdit>(m_page.get(), indexed("Text8", i));
    }
    QRadioButton *on(int i) const
    {
        return control<QRadioButton>(m_page.get(), indexed("Option3", i));
    }
    QRadioButton *off(int i) const
    {
        return control<QRadioButton>(m_page.get(), indexed("Option4", i));
    }
    QComboBox *commands(int i) const
    {
        return control<QComboBox>(m_page.get(), indexed("Comboml", i));
    }
    QByteArray fileBytes(const QString &name) const;
    void writeFile(const QString &name, const QByteArray &bytes) const;

    QTemporaryDir m_home;
    std::unique_ptr<QuestionPage> m_page;
};

void TestQuestionColumns::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
    QVERIFY(DataDirectory::path().startsWith(m_home.path()));
}

void TestQuestionColumns::init()
{
    m_page = std::make_unique<QuestionPage>();
}

void TestQuestionColumns::cleanup()
{
    m_page.reset();
    RandomSource::instance().scriptDraws({});
}

QByteArray TestQuestionColumns::fileBytes(const QString &name) const
{
    QFile file(DataDirectory::filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void TestQuestionColumns::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(DataDirectory::filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void TestQuestionColumns::startUp_columns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("editLine");
    QTest::addColumn<int>("words");
    QTest::addColumn<QString>("firstWord");
    QTest::addColumn<QString>("command");
    QTest::newRow("0") << 0 << "材料名词栏" << false << "木头" << 36 << "柏油"
                       << "调用";
    QTest::newRow("1") << 1 << "疑问词栏" << false << "木头" << 10 << "如何"
                       << "删除";
    QTest::newRow("2") << 2 << "副词栏" << false << "快速" << 13 << "安全地"
                       << "清空";
    QTest::newRow("3") << 3 << "不及物动词" << false << "变形" << 13 << "流动"
                       << "添加";
    QTest::newRow("4") << 4 << "及物动词栏" << false << "去除" << 17 << "粉碎"
                       << "随机";
    QTest::newRow("5") << 5 << "工具名词栏" << true << "木头" << 71 << "包装机"
                       << "擦除";
    QTest::newRow("6") << 6 << "材料名词栏" << false << "的湿度" << 36 << "柏油"
                       << "存词";
    QTest::newRow("7") << 7 << "名词的属性" << false << "" << 15 << "的大小"
                       << "调用";
    QTest::newRow("8") << 8 << "工具动词栏" << true << "更快" << 21 << "变轻"
                       << "删除";
    QTest::newRow("9") << 9 << "自定义栏" << false << "Combo9" << 1 << "至少添1词"
                       << "清空";
}

void TestQuestionColumns::startUp_columns()
{
    QFETCH(int, column);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(QString, editLine);
    QFETCH(int, words);
    QFETCH(QString, firstWord);
    QFETCH(QString, command);

    QCOMPARE(this->caption(column)->text(), caption);
    QCOMPARE(on(column)->isChecked(), enabled);
    QCOMPARE(off(column)->isChecked(), !enabled);
    QCOMPARE(list(column)->isEnabled(), enabled); // greyed while disabled
    QCOMPARE(list(column)->text(), editLine);
    QCOMPARE(list(column)->count(), words);
    QCOMPARE(list(column)->itemText(0), firstWord);
    QCOMPARE(list(column)->currentIndex(), -1);
    QCOMPARE(input(column)->text(), QString());
    QCOMPARE(commands(column)->count(), 7);
    QCOMPARE(commands(column)->currentText(), command);
    QCOMPARE(on(column)->toolTip(), QStringLiteral("启用本栏列表框"));
    QCOMPARE(off(column)->toolTip(), QStringLiteral("停用本栏列表框"));
    // Each pair sits in a frame of its own; column 0's is element 10.
    const int frame = column == 0 ? 10 : column;
    QCOMPARE(on(column)->parent()->objectName(), indexed("Frame24", frame));
}

void TestQuestionColumns::startUp_questionWordColumn()
{
    QWidget *page = m_page.get();
    QCOMPARE(control<QLineEdit>(page, QStringLiteral("Textyw"))->text(),
             QStringLiteral("疑问词栏"));
    auto *words = control<SimpleCombo>(page, QStringLiteral("Comboyw"));
    QCOMPARE(words->count(), 10);
    QCOMPARE(words->itemText(9), QStringLiteral("用何方式"));
    QCOMPARE(words->text(), QStringLiteral("怎样使"));
    QVERIFY(words->isEnabled());
    QCOMPARE(control<QLineEdit>(page, QStringLiteral("Textywx"))->text(), QStringLiteral("能否使"));
    QVERIFY(control<QRadioButton>(page, QStringLiteral("Optionqyyw"))->isChecked());
    QCOMPARE(control<QRadioButton>(page, QStringLiteral("Optionqyyw"))->parent()->objectName(),
             QStringLiteral("Frame24(0)"));
    QCOMPARE(control<QComboBox>(page, QStringLiteral("Combom"))->currentText(),
             QStringLiteral("存词"));
}

void TestQuestionColumns::selectWord_byClick_setsInputBox()
{
    m_page->resize(792, 514);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    QListWidget *words = list(5)->listWidget();
    const QRect rect = words->visualItemRect(words->item(1));
    QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(input(5)->text(), QStringLiteral("泵"));
    QCOMPARE(list(5)->text(), QStringLiteral("泵"));

    // Clicking the current entry again brings it back over what the user typed.
    input(5)->setText(QStringLiteral("阀"));
    QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(input(5)->text(), QStringLiteral("泵"));
}

void TestQuestionColumns::enter_addsOnTopAndEmptiesBox_addKeepsIt()
{
    on(3)->click();
    input(3)->setText(QStringLiteral("冻结"));
    QTest::keyClick(input(3), Qt::Key_Return);
    QCOMPARE(list(3)->count(), 14);
    QCOMPARE(list(3)->itemText(0), QStringLiteral("冻结"));
    QCOMPARE(list(3)->currentIndex(), 0);
    QCOMPARE(list(3)->text(), QStringLiteral("冻结"));
    QCOMPARE(input(3)->text(), QString());

    input(3)->setText(QStringLiteral("融化"));
    chooseCommand(commands(3), Add);
    QCOMPARE(list(3)->itemText(0), QStringLiteral("融化"));
    QCOMPARE(list(3)->itemText(1), QStringLiteral("冻结"));
    QCOMPARE(list(3)->currentIndex(), 0);
    QCOMPARE(input(3)->text(), QStringLiteral("融化"));
    QCOMPARE(commands(3)->currentText(), QStringLiteral("添加"));
}

void TestQuestionColumns::enter_emptyBox_addsEmptyEntry()
{
    QTest::keyClick(input(8), Qt::Key_Enter);
    QCOMPARE(list(8)->count(), 22);
    QCOMPARE(list(8)->itemText(0), QString());
    QCOMPARE(list(8)->itemText(1), QStringLiteral("变轻"));
}

void TestQuestionColumns::remove_selectedEntry_emptiesBox()
{
    on(2)->click();
    chooseCommand(commands(2), Remove); // nothing selected yet
    QCOMPARE(list(2)->count(), 13);
    list(2)->setCurrentIndex(2);
    QCOMPARE(input(2)->text(), QStringLiteral("高效地"));
    chooseCommand(commands(2), Remove);
    QCOMPARE(list(2)->count(), 12);
    QCOMPARE(list(2)->itemText(1), QStringLiteral("附带地"));
    QCOMPARE(list(2)->itemText(2), QStringLiteral("精确地"));
    QCOMPARE(input(2)->text(), QString());
}

void TestQuestionColumns::clear_keepsInputBox()
{
    list(8)->setCurrentIndex(3);
    chooseCommand(commands(8), Clear);
    QCOMPARE(list(8)->count(), 0);
    QCOMPARE(list(8)->text(), QString());
    QCOMPARE(input(8)->text(), QStringLiteral("更精密"));
    // "随机" on the emptied list must not fail
    chooseCommand(commands(8), Random);
    QCOMPARE(input(8)->text(), QStringLiteral("更精密"));
}

void TestQuestionColumns::random_selectsDrawnEntry()
{
    RandomSource::instance().scriptDraws({40.5f / 71.0f});
    chooseCommand(commands(5), Random);
    QCOMPARE(list(5)->currentIndex(), 40);
    QCOMPARE(input(5)->text(), QStringLiteral("钳"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 0);

    // the largest possible draw stays inside a one-word list
    on(9)->click();
    RandomSource::instance().scriptDraws({float(0xFFFFFF) / float(0x1000000)});
    chooseCommand(commands(9), Random);
    QCOMPARE(input(9)->text(), QStringLiteral("至少添1词"));
}

void TestQuestionColumns::disabledColumn_ignoresCommandsButErase_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("删除") << int(Remove);
    QTest::newRow("清空") << int(Clear);
    QTest::newRow("添加") << int(Add);
    QTest::newRow("随机") << int(Random);
    QTest::newRow("Enter") << -1;
}

void TestQuestionColumns::disabledColumn_ignoresCommandsButErase()
{
    QFETCH(int, command);
    list(0)->setCurrentIndex(4); // selected earlier, while it was enabled
    QCOMPARE(input(0)->text(), QStringLiteral("水泥"));
    const QStringList before = list(0)->items();
    RandomSource::instance().scriptDraws({0.0f});

    if (command < 0)
        QTest::keyClick(input(0), Qt::Key_Return);
    else
        chooseCommand(commands(0), command);

    QCOMPARE(list(0)->items(), before);
    QCOMPARE(list(0)->currentIndex(), 4);
    QCOMPARE(input(0)->text(), QStringLiteral("水泥"));
    QCOMPARE(RandomSource::instance().scriptedDrawsLeft(), 1);

    chooseCommand(commands(0), Erase);
    QCOMPARE(input(0)->text(), QString());
    QCOMPARE(list(0)->items(), before);
}

void TestQuestionColumns::disable_emptiesEditLineKeepsInput()
{
    on(2)->click();
    list(2)->setCurrentIndex(6);
    QCOMPARE(input(2)->text(), QStringLiteral("快速地"));
    off(2)->click();
    QVERIFY(!list(2)->isEnabled());
    QCOMPARE(list(2)->text(), QString());
    QCOMPARE(input(2)->text(), QStringLiteral("快速地"));
    QCOMPARE(list(2)->count(), 13);
}

void TestQuestionColumns::switch_actsOnlyOnChange()
{
    off(0)->click(); // already selected: the initial edit line stays
    QCOMPARE(list(0)->text(), QStringLiteral("木头"));
    QVERIFY(!list(0)->isEnabled());
    on(5)->click();
    QCOMPARE(list(5)->text(), QStringLiteral("木头"));
    off(5)->click();
    QCOMPARE(list(5)->text(), QString());
}

void TestQuestionColumns::column7_bringsColumn6()
{
    on(7)->click();
    QVERIFY(on(7)->isChecked());
    QVERIFY(on(6)->isChecked());
    QVERIFY(list(6)->isEnabled());

    off(6)->click();
    QVERIFY(off(6)->isChecked());
    QVERIFY(!list(6)->isEnabled());
    QVERIFY(on(7)->isChecked());

    on(2)->click(); // any column enabled while 7 is brings 6 back
    QVERIFY(on(6)->isChecked());
    QVERIFY(list(6)->isEnabled());

    // the question-word column is not part of the rule
    off(6)->click();
    control<QRadioButton>(m_page.get(), QStringLiteral("Optiontyyw"))->click();
    control<QRadioButton>(m_page.get(), QStringLiteral("Optionqyyw"))->click();
    QVERIFY(off(6)->isChecked());
}

void TestQuestionColumns::commandBox_wheelRunsNothing()
{
    QComboBox *box = commands(8);
    const QPoint centre = box->rect().center();
    for (int step : {-120, 120, -120}) {
        QWheelEvent wheel(centre, box->mapToGlobal(centre), QPoint(), QPoint(0, step), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
    QCOMPARE(box->currentText(), QStringLiteral("删除"));
    QCOMPARE(list(8)->count(), 21);
}

void TestQuestionColumns::questionWordColumn_reenables()
{
    auto *words = control<SimpleCombo>(m_page.get(), QStringLiteral("Comboyw"));
    control<QRadioButton>(m_page.get(), QStringLiteral("Optiontyyw"))->click();
    QVERIFY(!words->isEnabled());
    QCOMPARE(words->text(), QString());
    control<QRadioButton>(m_page.get(), QStringLiteral("Optionqyyw"))->click();
    QVERIFY(words->isEnabled());
    words->setCurrentIndex(3);
    QCOMPARE(control<QLineEdit>(m_page.get(), QStringLiteral("Textywx"))->text(),
             QStringLiteral("怎样能使"));
}

void TestQuestionColumns::shift_buttons()
{
    for (int i = 0; i < 9; ++i) {
        auto *shift = control<QPushButton>(m_page.get(), indexed("Commandy", i));
        QCOMPARE(shift->text(), QStringLiteral(">"));
        QCOMPARE(shift->toolTip(), QStringLiteral("与右栏交换内容"));
    }
    QVERIFY(!m_page->findChild<QPushButton *>(indexed("Commandy", 9)));
}

void TestQuestionColumns::shift_twiceRestores()
{
    input(4)->setText(QStringLiteral("去除"));
    input(5)->setText(QStringLiteral("在水下"));
    list(5)->setCurrentIndex(1);
    const QStringList words4 = list(4)->items();
    const QStringList words5 = list(5)->items();
    auto *shift = control<QPushButton>(m_page.get(), indexed("Commandy", 4));

    shift->click();
    QCOMPARE(list(4)->items(), words5);
    QCOMPARE(list(5)->items(), words4);
    QCOMPARE(caption(4)->text(), QStringLiteral("工具名词栏"));
    QCOMPARE(caption(5)->text(), QStringLiteral("及物动词栏"));
    QCOMPARE(input(4)->text(), QStringLiteral("泵"));
    QCOMPARE(input(5)->text(), QStringLiteral("去除"));
    QCOMPARE(list(4)->currentIndex(), -1);
    QCOMPARE(list(5)->text(), QString());

    shift->click();
    QCOMPARE(list(4)->items(), words4);
    QCOMPARE(list(5)->items(), words5);
    QCOMPARE(caption(4)->text(), QStringLiteral("及物动词栏"));
    QCOMPARE(caption(5)->text(), QStringLiteral("工具名词栏"));
    QCOMPARE(input(4)->text(), QStringLiteral("去除"));
    QCOMPARE(input(5)->text(), QStringLiteral("泵"));
    QCOMPARE(list(5)->currentIndex(), -1); // the current word is not carried along
}

void TestQuestionColumns::shift_walkMovesFirstToLast()
{
    QList<QStringList> words;
    QStringList captions;
    for (int i = 0; i < 10; ++i) {
        words.append(list(i)->items());
        captions.append(caption(i)->text());
    }
    for (int i = 0; i < 9; ++i)
        control<QPushButton>(m_page.get(), indexed("Commandy", i))->click();
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(list(i)->items(), words.at(i + 1));
        QCOMPARE(caption(i)->text(), captions.at(i + 1));
    }
    QCOMPARE(list(9)->items(), words.at(0));
    QCOMPARE(caption(9)->text(), captions.at(0));
}

void TestQuestionColumns::shift_switchesStayWithPositions()
{
    control<QPushButton>(m_page.get(), indexed("Commandy", 8))->click();
    QVERIFY(on(8)->isChecked());
    QVERIFY(off(9)->isChecked());
    QVERIFY(!list(9)->isEnabled());
    QCOMPARE(list(9)->count(), 21);
    QCOMPARE(list(8)->items(), QStringList{QStringLiteral("至少添1词")});
}

void TestQuestionColumns::library_saveWritesGbkCrLf_andLoadRoundTrips()
{
    on(3)->click();
    chooseCommand(commands(3), Clear);
    for (const QString &word : {QStringLiteral("锤子"), QStringLiteral("扳手")}) {
        input(3)->setText(word);
        chooseCommand(commands(3), Add);
    }
    chooseCommand(commands(3), Save);
    QCOMPARE(fileBytes(WordLibrary::questionFileName(3)),
             QByteArray("\xB0\xE2\xCA\xD6\r\n\xB4\xB8\xD7\xD3\r\n"));
    QCOMPARE(WordLibrary::questionFileName(3), QStringLiteral("dlls3.kvr"));

    chooseCommand(commands(3), Clear);
    input(3)->setText(QStringLiteral("别的"));
    chooseCommand(commands(3), Add);
    chooseCommand(commands(3), Load);
    QCOMPARE(list(3)->items(), (QStringList{QStringLiteral("扳手"), QStringLiteral("锤子")}));
    QCOMPARE(list(3)->currentIndex(), -1);
}

void TestQuestionColumns::library_questionWordColumnHasItsOwnFile()
{
    auto *words = control<SimpleCombo>(m_page.get(), QStringLiteral("Comboyw"));
    chooseCommand(control<QComboBox>(m_page.get(), QStringLiteral("Combom")), Save);
    const QByteArray bytes = fileBytes(QStringLiteral("dllos.kvr"));
    QVERIFY(bytes.startsWith("\xC8\xE7\xBA\xCE\r\n")); // 如何
    QCOMPARE(bytes.count("\r\n"), 10);

    writeFile(QStringLiteral("dllos.kvr"), QByteArray("\xC8\xE7\xBA\xCE\r\n"));
    chooseCommand(control<QComboBox>(m_page.get(), QStringLiteral("Combom")), Load);
    QCOMPARE(words->items(), QStringList{QStringLiteral("如何")});
}

void TestQuestionColumns::library_loadNeverSavedEmptiesListAndCreatesFile()
{
    QFile::remove(DataDirectory::filePath(QStringLiteral("dlls8.kvr")));
    chooseCommand(commands(8), Load);
    QCOMPARE(list(8)->count(), 0);
    QCOMPARE(fileBytes(QStringLiteral("dlls8.kvr")), QByteArray());
}

void TestQuestionColumns::library_disabledColumnLeavesListAndFile()
{
    const QByteArray old("\xB0\xE2\xCA\xD6\r\n");
    writeFile(QStringLiteral("dlls0.kvr"), old);
    const QStringList words = list(0)->items();
    chooseCommand(commands(0), Save);
    QCOMPARE(fileBytes(QStringLiteral("dlls0.kvr")), old);
    chooseCommand(commands(0), Load);
    QCOMPARE(list(0)->items(), words);

    QFile::remove(DataDirectory::filePath(QStringLiteral("dlls1.kvr")));
    chooseCommand(commands(1), Load);
    QVERIFY(!QFile::exists(DataDirectory::filePath(QStringLiteral("dlls1.kvr"))));
}

QTEST_MAIN(TestQuestionColumns)
#include "tst_question_columns.moc"
