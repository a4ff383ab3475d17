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
