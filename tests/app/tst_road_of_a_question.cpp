#include "app/form1.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"
#include "editor/editor_page.h"
#include "support/typing.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

// From a click on "提问" to a saved document, through the whole window.
class TestRoadOfAQuestion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void askEditTransferUndoSave();
    void everyPage_transfersItsHeading_data();
    void everyPage_transfersItsHeading();

private:
    template <typename T> T *child(const QString &name)
    {
        T *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QTextEdit *editor() { return child<QTextEdit>(QStringLiteral("RichTextBox1")); }

    QTemporaryDir *m_home = nullptr;
    Form1 *m_form = nullptr;
};

void TestRoadOfAQuestion::init()
{
    m_home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
    m_form = new Form1;
}

void TestRoadOfAQuestion::cleanup()
{
    child<QTextEdit>(QStringLiteral("RichTextBox1"))->document()->setModified(false);
    delete m_form;
    delete m_home;
}

void TestRoadOfAQuestion::askEditTransferUndoSave()
{
    // column 5 has 71 tools: 1/71 falls on 泵; column 8 starts with 变轻
    RandomSource::instance().scriptDraws({1.5f / 71.0f, 0.0f});
    child<QPushButton>(QStringLiteral("Command1tw"))->click();
    auto *results = child<SimpleCombo>(QStringLiteral("Combo1wy"));
    QCOMPARE(results->text(), QStringLiteral("能否使泵变轻"));

    results->setText(QStringLiteral("能否使泵更轻"));
    const QString before = editor()->toPlainText();
    child<QPushButton>(QStringLiteral("Command1cs"))->click();
    QCOMPARE(child<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    const QString after = editor()->toPlainText();
    QVERIFY(after.startsWith(before + QStringLiteral("\n\n      问题提示：《能否使泵更轻》")));
    QVERIFY(after.endsWith(QStringLiteral("\n简要说明：\n")));
    QCOMPARE(editor()->textCursor().position(), int(after.size()));

    typeText(editor(), QStringLiteral("更轻的泵"));
    QCOMPARE(editor()->toPlainText(), after + QStringLiteral("更轻的泵"));

    const QString path = m_home->filePath(QStringLiteral("问题.rtf"));
    QVERIFY(m_form->editorPage()->saveTo(path));
    editor()->clear();
    QVERIFY(m_form->editorPage()->openFrom(path));
    QCOMPARE(editor()->toPlainText(), after + QStringLiteral("更轻的泵"));
}

void TestRoadOfAQuestion::everyPage_transfersItsHeading_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heading");
    QTest::newRow("question") << "Combo1wy"
                              << "Command1cs"
                              << "      问题提示：《";
    QTest::newRow("idea") << "Combo18"
                          << "Command6"
                          << "      思路提示：《";
    QTest::newRow("title") << "Combo7"
                           << "Commandbc7"
                           << "      题目名称：《";
}

void TestRoadOfAQuestion::everyPage_transfersItsHeading()
{
    QFETCH(QString, list);
    QFETCH(QString, button);
    QFETCH(QString, heading);
    child<SimpleCombo>(list)->setText(QStringLiteral("句子"));
    const QString before = editor()->toPlainText();
    child<QPushButton>(button)->click();
    child<QPushButton>(button)->click();
    const QString after = editor()->toPlainText();
    QCOMPARE(after.count(heading + QStringLiteral("句子》")), 2);
    QVERIFY(after.startsWith(before + QStringLiteral("\n\n") + heading));
    QCOMPARE(after.count(QStringLiteral("\n简要说明：\n")), 2);

    // the second block is one step of the history (the first change after start-up is
    // the history's base and cannot be undone)
    child<QAction>(QStringLiteral("cmdundo"))->trigger();
    QCOMPARE(editor()->toPlainText().count(heading), 1);
    QVERIFY(editor()->toPlainText().startsWith(before + QStringLiteral("\n\n") + heading));
    child<QAction>(QStringLiteral("huifu"))->trigger();
    QCOMPARE(editor()->toPlainText(), after);
}

QTEST_MAIN(TestRoadOfAQuestion)
#include "tst_road_of_a_question.moc"
