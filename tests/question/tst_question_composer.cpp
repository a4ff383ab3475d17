#include "question/question_composer.h"

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

QTEST_GUILESS_MAIN(TestQuestionComposer)
#include "tst_question_composer.moc"
