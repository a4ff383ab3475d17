#include "columns/column_shift.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "results/result_list.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

// The shared list control and column operations, through the widgets.
class TestSimpleCombo : public QObject
{
    Q_OBJECT

private slots:
    void selecting_setsEditLine_byCodeAndByClick();
    void insertAndRemove_keepPositions_andDeselect();
    void sortedList_placesAppends_butInsertStaysOnTop();
    void fullList_refusesWords_resultListDropsOldest();
    void column_commands_respectTheSwitch();
    void column_enterAndAdd_differInTheInputBox();
    void column_switchActsOnlyOnChange();
    void shift_exchangesContents_andLeavesNoSelection();
};

void TestSimpleCombo::selecting_setsEditLine_byCodeAndByClick()
{
    SimpleCombo list;
    list.addItems({QStringLiteral("泵"), QStringLiteral("阀")});
    QSignalSpy spy(&list, &SimpleCombo::activated);
    list.setCurrentIndex(1);
    QCOMPARE(list.text(), QStringLiteral("阀"));
    QCOMPARE(spy.count(), 1);

    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setText(QStringLiteral("typed"));
    QListWidget *view = list.listWidget();
    // clicking the entry that is already current copies it again
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(view->item(1)).center());
    QCOMPARE(list.text(), QStringLiteral("阀"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(view->item(0)).center());
    QCOMPARE(list.text(), QStringLiteral("泵"));
    QCOMPARE(list.currentIndex(), 0);

    // the keyboard chooses too, but focusing the list alone chooses nothing
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(list.text(), QStringLiteral("阀"));
    SimpleCombo fresh;
    fresh.addItems({QStringLiteral("泵"), QStringLiteral("阀")});
    fresh.setText(QStringLiteral("typed"));
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    fresh.listWidget()->setFocus(Qt::TabFocusReason);
    QCOMPARE(fresh.text(), QStringLiteral("typed"));
    QCOMPARE(fresh.currentIndex(), -1);
}

void TestSimpleCombo::insertAndRemove_keepPositions_andDeselect()
{
    SimpleCombo list;
    list.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    list.insertItem(0, QString());
    QCOMPARE(list.items(), QStringList({QString(), QStringLiteral("a"), QStringLiteral("b"),
                                        QStringLiteral("c")}));
    list.setCurrentIndex(2);
    list.removeItem(2);
    QCOMPARE(list.items(), QStringList({QString(), QStringLiteral("a"), QStringLiteral("c")}));
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(list.text(), QStringLiteral("b")); // removing does not touch the edit line
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.text(), QString());
}

void TestSimpleCombo::sortedList_placesAppends_butInsertStaysOnTop()
{
    SimpleCombo list;
    list.setSorted(true);
    list.addItems({QStringLiteral("行业"), QStringLiteral("目的"), QStringLiteral("场所")});
    QCOMPARE(list.items(),
             QStringList({QStringLiteral("场所"), QStringLiteral("目的"), QStringLiteral("行业")}));
    list.insertItem(0, QStringLiteral("用途"));
    QCOMPARE(list.itemText(0), QStringLiteral("用途"));
    list.addItem(QStringLiteral("环境"));
    QCOMPARE(list.itemText(2), QStringLiteral("环境"));
}

void TestSimpleCombo::fullList_refusesWords_resultListDropsOldest()
{
    SimpleCombo list;
    for (int i = 0; i < SimpleCombo::MaxCount; ++i)
        list.addItem(QString::number(i));
    QVERIFY(list.isFull());
    list.insertItem(0, QStringLiteral("more"));
    list.addItem(QStringLiteral("more"));
    QCOMPARE(list.count(), SimpleCombo::MaxCount);
    QCOMPARE(list.itemText(0), QStringLiteral("0"));

    ResultList::pushNewest(&list, QStringLiteral("newest"));
    QCOMPARE(list.count(), SimpleCombo::MaxCount);
    QCOMPARE(list.itemText(0), QStringLiteral("newest"));
    QCOMPARE(list.text(), QStringLiteral("newest"));
    QCOMPARE(list.itemText(list.count() - 1), QStringLiteral("32765"));
    list.setText(QStringLiteral("added"));
    ResultList::addEditText(&list);
    QCOMPARE(list.count(), SimpleCombo::MaxCount);
    QCOMPARE(list.currentIndex(), 0);
    QCOMPARE(list.itemText(list.count() - 1), QStringLiteral("32764"));

    // a word typed into a full column's input box is not lost
    QWidget host;
    QLineEdit input(&host);
    QRadioButton on(&host);
    QRadioButton off(&host);
    on.setChecked(true);
    WordColumn column(&list, &input, &on, &off, WordColumn::Options{}, &host);
    input.setText(QStringLiteral("冻结"));
    column.enterInput();
    QCOMPARE(input.text(), QStringLiteral("冻结"));
    QCOMPARE(list.count(), SimpleCombo::MaxCount);
}

struct ColumnFixture
{
    QWidget host;
    SimpleCombo *list = new SimpleCombo(&host);
    QLineEdit *input = new QLineEdit(&host);
    QWidget *frame = new QWidget(&host);
    QRadioButton *on = new QRadioButton(frame);
    QRadioButton *off = new QRadioButton(frame);
    WordColumn column{list, input, on, off, WordColumn::Options{}, &host};

    ColumnFixture()
    {
        list->addItems(
            {QStringLiteral("安全地"), QStringLiteral("附带地"), QStringLiteral("高效地")});
        on->setChecked(true);
    }
};

void TestSimpleCombo::column_commands_respectTheSwitch()
{
    ColumnFixture f;
    f.off->setChecked(true);
    QVERIFY(!f.list->isEnabled());
    f.input->setText(QStringLiteral("快速地"));
    f.column.addInput();
    f.column.enterInput();
    f.column.clearList();
    f.column.pickRandom();
    f.column.removeSelected();
    QCOMPARE(f.list->count(), 3);
    QCOMPARE(f.input->text(), QStringLiteral("快速地")); // the composers still use it
    f.column.erase();
    QCOMPARE(f.input->text(), QString());

    f.on->setChecked(true);
    QVERIFY(f.list->isEnabled());
    f.list->setCurrentIndex(2);
    f.column.removeSelected();
    QCOMPARE(f.list->items(), QStringList({QStringLiteral("安全地"), QStringLiteral("附带地")}));
    QCOMPARE(f.input->text(), QString());
    f.column.removeSelected(); // nothing selected now
    QCOMPARE(f.list->count(), 2);

    RandomSource::instance().scriptDraws({0.99f});
    f.column.pickRandom();
    QCOMPARE(f.input->text(), QStringLiteral("附带地"));
    f.column.clearList();
    QCOMPARE(f.list->count(), 0);
    QCOMPARE(f.input->text(), QStringLiteral("附带地"));
    f.column.pickRandom(); // empty list: no draw, no change
    QCOMPARE(f.input->text(), QStringLiteral("附带地"));
}

void TestSimpleCombo::column_enterAndAdd_differInTheInputBox()
{
    ColumnFixture f;
    f.input->setText(QStringLiteral("冻结"));
    QTest::keyClick(f.input, Qt::Key_Return);
    QCOMPARE(f.list->itemText(0), QStringLiteral("冻结"));
    QCOMPARE(f.list->currentIndex(), 0);
    QCOMPARE(f.input->text(), QString());

    f.input->setText(QStringLiteral("冻结"));
    f.column.addInput();
    QCOMPARE(f.list->count(), 5);
    QCOMPARE(f.input->text(), QStringLiteral("冻结"));

    f.input->clear();
    f.column.enterInput();
    QCOMPARE(f.list->itemText(0), QString());
    QCOMPARE(f.list->count(), 6);
}

void TestSimpleCombo::column_switchActsOnlyOnChange()
{
    ColumnFixture f;
    QSignalSpy on(&f.column, &WordColumn::switchedOn);
    QSignalSpy off(&f.column, &WordColumn::switchedOff);
    f.list->setText(QStringLiteral("shown"));
    f.on->setChecked(true);
    QCOMPARE(on.count(), 0);
    f.off->setChecked(true);
    f.off->setChecked(true);
    QCOMPARE(off.count(), 1);
    QCOMPARE(f.list->text(), QString());
    QCOMPARE(f.list->count(), 3);
    f.on->click();
    QCOMPARE(on.count(), 1);
    QVERIFY(f.list->isEnabled());
}

void TestSimpleCombo::shift_exchangesContents_andLeavesNoSelection()
{
    SimpleCombo left;
    SimpleCombo right;
    right.setSorted(true);
    left.addItems({QStringLiteral("行业"), QStringLiteral("目的"), QStringLiteral("目的")});
    left.setCurrentIndex(0);
    QLineEdit a(QStringLiteral("A"));
    QLineEdit b;

    ColumnShift::exchangeLists(&left, &right);
    ColumnShift::exchangeTexts(&a, &b);
    QCOMPARE(left.count(), 0);
    QCOMPARE(right.items(),
             QStringList({QStringLiteral("目的"), QStringLiteral("目的"), QStringLiteral("行业")}));
    QCOMPARE(right.currentIndex(), -1);
    QCOMPARE(right.text(), QString());
    QCOMPARE(a.text(), QString());
    QCOMPARE(b.text(), QStringLiteral("A"));

    ColumnShift::exchangeLists(&left, &right);
    QCOMPARE(left.items(),
             QStringList({QStringLiteral("目的"), QStringLiteral("目的"), QStringLiteral("行业")}));
    QCOMPARE(left.text(), QString());
}

QTEST_MAIN(TestSimpleCombo)
#include "tst_simple_combo.moc"
