#include "editor/editor_page.h"
#include "editor/selection_format.h"
#include "editor/undo_history.h"
#include "results/transfer_block.h"

#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

// The transfer block through the editor page.
class TestEditorTransfer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void transfer_appendsExactPlainText_data();
    void transfer_appendsExactPlainText();
    void transfer_intoEmptyEditor();
    void twoTransfers_appendTwoBlocks();
    void transfer_keepsFormattingBefore();
    void oneUndo_removesExactlyTheBlock();

private:
    QTextEdit *edit() const
    {
        return m_page->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    }
    QString stamp() const { return TransferBlock::dateTimeText(m_when, QLocale::system()); }

    std::unique_ptr<EditorPage> m_page;
    const QDateTime m_when{QDate(2026, 12, 7), QTime(20, 57, 9)};
};

void TestEditorTransfer::init()
{
    m_page = std::make_unique<EditorPage>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void TestEditorTransfer::cleanup()
{
    m_page.reset();
}

void TestEditorTransfer::transfer_appendsExactPlainText_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("question page") << "      问题提示：《"
                                   << "能否使泵变轻";
    QTest::newRow("idea page") << "      思路提示：《"
                               << "研究割草机:可否部件换位,能否引入扇的原理,…";
    QTest::newRow("title page") << "      题目名称：《"
                                << "伯努利防水压缩机";
    QTest::newRow("empty sentence") << "      问题提示：《"
                                    << "";
}

void TestEditorTransfer::transfer_appendsExactPlainText()
{
    QFETCH(QString, heading);
    QFETCH(QString, sentence);
    const QString before = edit()->toPlainText();
    edit()->moveCursor(QTextCursor::Start);
    m_page->appendTransfer(heading, sentence, m_when);

    const QString expected = before + QStringLiteral("\n\n") + heading + sentence +
                             QStringLiteral("》") + stamp() + QStringLiteral("\n简要说明：\n");
    QCOMPARE(edit()->toPlainText(), expected);
    QCOMPARE(edit()->textCursor().position(), int(expected.size())); // ready for the explanation
    QVERIFY(!edit()->textCursor().hasSelection());
    QVERIFY(m_page->hasUnsavedChanges());
}

void TestEditorTransfer::transfer_intoEmptyEditor()
{
    edit()->selectAll();
    edit()->textCursor().removeSelectedText();
    m_page->appendTransfer(QStringLiteral("      题目名称：《"), QStringLiteral("S"), m_when);
    QCOMPARE(edit()->toPlainText(), QStringLiteral("\n\n      题目名称：《S》") + stamp() +
                                        QStringLiteral("\n简要说明：\n"));
}

void TestEditorTransfer::twoTransfers_appendTwoBlocks()
{
    const QString before = edit()->toPlainText();
    m_page->appendTransfer(QStringLiteral("      问题提示：《"), QStringLiteral("甲"), m_when);
    m_page->appendTransfer(QStringLiteral("      思路提示：《"), QStringLiteral("乙"), m_when);
    QCOMPARE(edit()->toPlainText(), before + QStringLiteral("\n\n      问题提示：《甲》") +
                                        stamp() +
                                        QStringLiteral("\n简要说明：\n\n\n      思路提示：《乙》") +
                                        stamp() + QStringLiteral("\n简要说明：\n"));
    QCOMPARE(m_page->history().UndoStack().size(), 2);
}

void TestEditorTransfer::transfer_keepsFormattingBefore()
{
    edit()->selectAll();
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("zhong"));
    const int headingLength = int(edit()->toPlainText().size());
    m_page->appendTransfer(QStringLiteral("      问题提示：《"), QStringLiteral("泵"), m_when);

    QTextDocument *doc = edit()->document();
    QTextCursor before(doc);
    before.setPosition(headingLength, QTextCursor::KeepAnchor);
    QVERIFY(SelectionFormat::selectionHasStyle(before, {}, SelectionFormat::Style::Bold));
    QCOMPARE(doc->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    QTextCursor anyChar(doc);
    anyChar.setPosition(headingLength + 3);
    anyChar.setPosition(headingLength + 4, QTextCursor::KeepAnchor);
    QVERIFY(!SelectionFormat::selectionHasStyle(anyChar, {}, SelectionFormat::Style::Bold));
    QCOMPARE(doc->lastBlock().blockFormat().alignment(), QTextBlockFormat().alignment());
    QCOMPARE(anyChar.charFormat().font().family(), doc->defaultFont().family());

    // The explanation typed next is in the default font too.
    QTest::keyClick(edit(), Qt::Key_A);
    QVERIFY(!edit()->currentCharFormat().font().bold());
}

void TestEditorTransfer::oneUndo_removesExactlyTheBlock()
{
    QTest::keyClick(edit(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(edit(), Qt::Key_X); // the first change, which undo cannot reach
    edit()->selectAll();
    m_page->Toolbar1_ButtonClick(QStringLiteral("xieti"));
    const QString before = edit()->toPlainText();
    m_page->appendTransfer(QStringLiteral("      问题提示：《"), QStringLiteral("问"), m_when);
    const QString after = edit()->toPlainText();

    m_page->Toolbar1_ButtonClick(QStringLiteral("cmdundo"));
    QCOMPARE(edit()->toPlainText(), before);
    QTextCursor all(edit()->document());
    all.select(QTextCursor::Document);
    QVERIFY(SelectionFormat::selectionHasStyle(all, {}, SelectionFormat::Style::Italic));
    m_page->Toolbar1_ButtonClick(QStringLiteral("huifu"));
    QCOMPARE(edit()->toPlainText(), after);
}

QTEST_MAIN(TestEditorTransfer)
#include "tst_editor_transfer.moc"
