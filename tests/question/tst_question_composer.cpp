#include "question/question_composer.h"
#include "question/question_defaults.h"
#include "question/question_patterns.h"

#include <QtTest>

using QuestionComposer::Step;
Q_DECLARE_METATYPE(QuestionComposer::Step)

class TestQuestionComposer : public QObject
{
    Q_OBJECT

private slots:
    void listsHoldWords_data();
    void listsHoldWords();
    void manualStep_data();
    void manualStep();
    void automaticStep_ignoresMode_data();
    void automaticStep_ignoresMode();
    void joinQuestion_data();
    void joinQuestion();
    void defaults_countsAndOrder();
    void patterns_fixedTextsAreExact();
};

void TestQuestionComposer::listsHoldWords_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<bool>("expected");
    QTest::newRow("start-up") << QList<int>{10, 36, 10, 13, 13, 17, 71, 36, 15, 21, 1} << true;
    QTest::newRow("custom column emptied")
        << QList<int>{10, 36, 10, 13, 13, 17, 71, 36, 15, 21, 0} << false;
    QTest::newRow("question words emptied") << QList<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << false;
    QTest::newRow("one word each") << QList<int>(11, 1) << true;
}

void TestQuestionComposer::listsHoldWords()
{
    QFETCH(QList<int>, counts);
    QFETCH(bool, expected);
    QCOMPARE(QuestionComposer::listsHoldWords(counts), expected);
}

void TestQuestionComposer::manualStep_data()
{
    QTest::addColumn<bool>("words");
    QTest::addColumn<bool>("combine");
    QTest::addColumn<bool>("random");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<Step>("expected");
    QTest::newRow("random") << true << false << true << true << Step::DrawThenJoin;
    QTest::newRow("combine") << true << true << false << true << Step::JoinAsIs;
    QTest::newRow("random while running") << true << false << true << false << Step::Nothing;
    QTest::newRow("combine while running") << true << true << false << false << Step::Nothing;
    QTest::newRow("an empty list, random") << false << false << true << true << Step::Nothing;
    QTest::newRow("an empty list, combine") << false << true << false << true << Step::Nothing;
}

void TestQuestionComposer::manualStep()
{
    QFETCH(bool, words);
    QFETCH(bool, combine);
    QFETCH(bool, random);
    QFETCH(bool, stopped);
    QFETCH(Step, expected);
    QCOMPARE(QuestionComposer::manualStep(words, combine, random, stopped), expected);
}

void TestQuestionComposer::automaticStep_ignoresMode_data()
{
    QTest::addColumn<bool>("words");
    QTest::addColumn<bool>("running");
    QTest::addColumn<Step>("expected");
    QTest::newRow("running") << true << true << Step::DrawThenJoin;
    QTest::newRow("stopped") << true << false << Step::Nothing;
    QTest::newRow("running, an empty list") << false << true << Step::Nothing;
}

void TestQuestionComposer::automaticStep_ignoresMode()
{
    QFETCH(bool, words);
    QFETCH(bool, running);
    QFETCH(Step, expected);
    QCOMPARE(QuestionComposer::automaticStep(words, running), expected);
}

void TestQuestionComposer::joinQuestion_data()
{
    QTest::addColumn<QString>("questionWord");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");
    const QString none;
    QTest::newRow("start-up shape")
        << QStringLiteral("能否使") << QStringList{none, none, none,
                                                   none, none, QStringLiteral("泵"),
                                                   none, none, QStringLiteral("变轻"),
                                                   none}
        << QStringLiteral("能否使泵变轻");
    QTest::newRow("blanks kept, nothing trimmed") << QStringLiteral(" 如何使")
                                                  << QStringList{QStringLiteral("柏油"),
                                                                 none,
                                                                 QStringLiteral("（  地）"),
                                                                 QStringLiteral("流动 "),
                                                                 none,
                                                                 none,
                                                                 none,
                                                                 none,
                                                                 none,
                                                                 none}
                                                  << QStringLiteral(" 如何使柏油（  地）流动 ");
    QTest::newRow("all empty") << QString() << QStringList(10, QString()) << QString();
}

void TestQuestionComposer::joinQuestion()
{
    QFETCH(QString, questionWord);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    QCOMPARE(QuestionComposer::joinQuestion(questionWord, inputs), expected);
}

void TestQuestionComposer::defaults_countsAndOrder()
{
    const QList<int> counts{36, 10, 13, 13, 17, 71, 36, 15, 21, 1};
    for (int i = 0; i < QuestionDefaults::WordColumnCount; ++i)
        QCOMPARE(QuestionDefaults::wordColumn(i).words.size(), counts.at(i));
    QCOMPARE(QuestionDefaults::questionWordColumn().words.size(), 10);
    QCOMPARE(QuestionDefaults::questionWordColumn().words, QuestionDefaults::wordColumn(1).words);
    QCOMPARE(QuestionDefaults::wordColumn(0).words, QuestionDefaults::wordColumn(6).words);
    QCOMPARE(QuestionDefaults::wordColumn(0).words.at(19), QStringLiteral("煤"));
    QCOMPARE(QuestionDefaults::wordColumn(5).words.first(), QStringLiteral("包装机"));
    QCOMPARE(QuestionDefaults::wordColumn(5).words.last(), QStringLiteral("钻"));
    QCOMPARE(QuestionDefaults::wordColumn(8).words.last(), QStringLiteral("改变原理"));
    QCOMPARE(QuestionDefaults::commands(),
             (QStringList{QStringLiteral("存词"), QStringLiteral("调用"), QStringLiteral("删除"),
                          QStringLiteral("清空"), QStringLiteral("添加"), QStringLiteral("随机"),
                          QStringLiteral("擦除")}));
}

void TestQuestionComposer::patterns_fixedTextsAreExact()
{
    const QList<QuestionPattern> &patterns = QuestionPatterns::all();
    QCOMPARE(patterns.size(), 8);
    QCOMPARE(patterns.at(1).fixedTexts.first().second, QStringLiteral("\uFF08  地\uFF09"));
    QCOMPARE(patterns.at(3).fixedTexts.first().second, QStringLiteral("\uFF08在  时\uFF09"));
    QCOMPARE(patterns.at(4).entry, QStringLiteral("5、(怎样)(改变){材料名词栏}(名词属性栏}"));
    QCOMPARE(patterns.at(4).enabledColumns, (QList<int>{6, 7}));
    QCOMPARE(patterns.at(5).fixedTexts.last(), qMakePair(7, QStringLiteral("水分")));
    for (int p = 0; p < patterns.size(); ++p)
        QVERIFY(patterns.at(p).entry.startsWith(QStringLiteral("%1、").arg(p + 1)));
}

QTEST_GUILESS_MAIN(TestQuestionComposer)
#include "tst_question_composer.moc"
