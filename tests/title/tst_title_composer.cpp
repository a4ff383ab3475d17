#include "columns/sorted_order.h"
#include "title/title_composer.h"
#include "title/title_defaults.h"

#include <QtTest>

using TitleComposer::ColumnState;

Q_DECLARE_METATYPE(QList<ColumnState>)

namespace {
// The start-up arrangement: columns 1, 2 and 5 on, every list holding words.
QList<ColumnState> startUp()
{
    return {{false, 30}, {true, 36}, {true, 20}, {false, 1}, {false, 76}, {true, 72}, {false, 20}};
}

QList<ColumnState> with(QList<ColumnState> columns, int index, bool enabled, int count)
{
    columns[index] = {enabled, count};
    return columns;
}
} // namespace

class TestTitleComposer : public QObject
{
    Q_OBJECT

private slots:
    void compose_joinsWithoutSeparators_data();
    void compose_joinsWithoutSeparators();
    void readiness_data();
    void readiness();
    void columnsToDraw_data();
    void columnsToDraw();
    void defaults_matchTheStoredLists();
    void defaults_sortedColumnsAreInSortOrder();
};

void TestTitleComposer::compose_joinsWithoutSeparators_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("title");
    QTest::newRow("principle performance article") << QStringList{QString(),
                                                                  QStringLiteral("伯努利"),
                                                                  QStringLiteral("防水"),
                                                                  QString(),
                                                                  QString(),
                                                                  QStringLiteral("压缩机"),
                                                                  QString()}
                                                   << QStringLiteral("伯努利防水压缩机");
    QTest::newRow("brackets stay") << QStringList{QStringLiteral("(充电)"),
                                                  QStringLiteral("霍尔"),
                                                  QString(),
                                                  QString(),
                                                  QStringLiteral("包装(机)"),
                                                  QString(),
                                                  QStringLiteral("(的舵)")}
                                   << QStringLiteral("(充电)霍尔包装(机)(的舵)");
    QTest::newRow("blanks are not trimmed") << QStringList{QStringLiteral(" a "),
                                                           QStringLiteral("b "),
                                                           QString(),
                                                           QString(),
                                                           QString(),
                                                           QString(),
                                                           QString()}
                                            << QStringLiteral(" a b ");
    QTest::newRow("all empty") << QStringList(7, QString()) << QString();
}

void TestTitleComposer::compose_joinsWithoutSeparators()
{
    QFETCH(QStringList, words);
    QFETCH(QString, title);
    QCOMPARE(TitleComposer::compose(words), title);
}

void TestTitleComposer::readiness_data()
{
    QTest::addColumn<QList<ColumnState>>("columns");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("automatic");
    QTest::newRow("start-up") << startUp() << true << true;
    QTest::newRow("disabled column 0 empty") << with(startUp(), 0, false, 0) << false << false;
    QTest::newRow("enabled column 2 empty") << with(startUp(), 2, true, 0) << false << false;
    QTest::newRow("column 5 empty") << with(startUp(), 5, true, 0) << false << false;
    QTest::newRow("disabled column 6 empty") << with(startUp(), 6, false, 0) << false << true;
    QTest::newRow("enabled column 6 empty") << with(startUp(), 6, true, 0) << false << true;
}

void TestTitleComposer::readiness()
{
    QFETCH(QList<ColumnState>, columns);
    QFETCH(bool, manual);
    QFETCH(bool, automatic);
    QCOMPARE(TitleComposer::readyForManual(columns), manual);
    QCOMPARE(TitleComposer::readyForAutomatic(columns), automatic);
}

void TestTitleComposer::columnsToDraw_data()
{
    QTest::addColumn<QList<ColumnState>>("columns");
    QTest::addColumn<QList<int>>("drawn");
    QTest::newRow("start-up") << startUp() << QList<int>{1, 2, 5};
    QTest::newRow("index order, all on")
        << QList<ColumnState>(7, ColumnState{true, 3}) << QList<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("all off") << QList<ColumnState>(7, ColumnState{false, 3}) << QList<int>{};
    QTest::newRow("enabled empty column 6 skipped")
        << with(startUp(), 6, true, 0) << QList<int>{1, 2, 5};
    QTest::newRow("enabled column 6 with a word")
        << with(startUp(), 6, true, 1) << QList<int>{1, 2, 5, 6};
}

void TestTitleComposer::columnsToDraw()
{
    QFETCH(QList<ColumnState>, columns);
    QFETCH(QList<int>, drawn);
    QCOMPARE(TitleComposer::columnsToDraw(columns), drawn);
}

void TestTitleComposer::defaults_matchTheStoredLists()
{
    const QList<TitleColumnDefault> columns = TitleDefaults::columns();
    QCOMPARE(columns.size(), TitleDefaults::ColumnCount);
    const QStringList captions{QStringLiteral("动作单词栏"), QStringLiteral("原理单词栏"),
                               QStringLiteral("性能用途栏"), QStringLiteral("自定义栏"),
                               QStringLiteral("物件单词栏"), QStringLiteral("物品单词栏"),
                               QStringLiteral("部件单词栏")};
    const QList<int> counts{30, 36, 20, 1, 76, 72, 20};
    const QList<bool> enabled{false, true, true, false, false, true, false};
    const QList<bool> sorted{true, true, false, false, true, true, true};
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(columns.at(i).caption, captions.at(i));
        QCOMPARE(columns.at(i).words.size(), counts.at(i));
        QCOMPARE(columns.at(i).enabled, enabled.at(i));
        QCOMPARE(columns.at(i).sorted, sorted.at(i));
    }
    // first and last words and the duplicates of the stored lists
    QCOMPARE(columns.at(0).words.first(), QStringLiteral("(充电)"));
    QCOMPARE(columns.at(0).words.last(), QStringLiteral("(支轮)"));
    QCOMPARE(columns.at(1).words.count(QStringLiteral("旋转式")), 2);
    QCOMPARE(
        columns.at(2).words.mid(12, 8),
        (QStringList{QStringLiteral("家用"), QStringLiteral("林用"), QStringLiteral("农用"),
                     QStringLiteral("厨用"), QStringLiteral("铁路用"), QStringLiteral("办公用"),
                     QStringLiteral("矿用"), QStringLiteral("渔用")}));
    QCOMPARE(columns.at(3).words, QStringList{QStringLiteral("至少添1个词")});
    QCOMPARE(columns.at(4).words.count(QStringLiteral("切割(机)")), 2);
    QCOMPARE(columns.at(5).words.at(56), QStringLiteral("涡轮"));
    QCOMPARE(columns.at(6).words.last(), QStringLiteral("(的主动轴)"));
}

void TestTitleComposer::defaults_sortedColumnsAreInSortOrder()
{
    // Words that a sorted list takes in later must land among these in the right place.
    for (const TitleColumnDefault &column : TitleDefaults::columns()) {
        if (!column.sorted)
            continue;
        for (int i = 1; i < column.words.size(); ++i) {
            if (sortedLess(column.words.at(i), column.words.at(i - 1)))
                QFAIL(qPrintable(
                    QStringLiteral("%1: %2 sorts before %3")
                        .arg(column.caption, column.words.at(i), column.words.at(i - 1))));
        }
    }
}

QTEST_GUILESS_MAIN(TestTitleComposer)
#include "tst_title_composer.moc"
