#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "editor/undo_history.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_test_support.h"
#include "support/message_box.h"
#include "support/typing.h"

#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

// "open" swaps the file's own document into the editor; everything around the editor must
// behave as if the text had been put into the old one.
class TestEditorOpen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void open_keepsFontGuardCaretAndOneUndoStep();
    void open_editsAfterwardsReachHistoryAndGuard();
    void open_freesTheDocumentItReplaces();
    void open_failureKeepsDocument();
    void openEditSave_keepsColoursAndParagraphFormats();
    void open_fileWithComments_warnsAndSavingOverItAsks();
    void open_fileLosingNothing_staysQuiet();

private:
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Whether saving to path asks anything (a question would be answered 取消).
    bool saveAsks(const QString &path, bool *saved)
    {
        QObject scope;
        bool asked = false;
        onNextMessageBox(&scope, [&asked](QMessageBox *box) {
            asked = true;
            box->reject();
        });
        *saved = m_page->saveTo(path);
        return asked;
    }
    QTextEdit *edit() const { return m_page->editor(); }
    void click(const char *key) { m_page->Toolbar1_ButtonClick(QLatin1String(key)); }

    std::unique_ptr<EditorPage> m_page;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEditorOpen::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());
    m_page = std::make_unique<EditorPage>();
    m_page->resize(792, 500);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    edit()->setFocus();
}

void TestEditorOpen::cleanup()
{
    m_page.reset();
}

void TestEditorOpen::open_keepsFontGuardCaretAndOneUndoStep()
{
    typeText(edit(), u"旧的"_s);
    const QString before = edit()->toPlainText();
    QVERIFY(m_page->hasUnsavedChanges());
    const qsizetype steps = m_page->history().UndoStack().size();
    // A paragraph without a font of its own shows in the editor's default font.
    const QString path =
        writeFile(u"a.rtf"_s, "{\\rtf1\\ansi {\\b \\u31895?\\u20307?}\\par \\qc second}");

    QVERIFY(m_page->openFrom(path));
    QTextDocument *doc = edit()->document();
    QCOMPARE(edit()->toPlainText(), u"粗体\nsecond"_s);
    QVERIFY(doc->begin().begin().fragment().charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(doc->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(doc->defaultFont().family(), u"宋体"_s);
    QCOMPARE(doc->defaultFont().pointSizeF(), 10.5);
    QVERIFY(!doc->isUndoRedoEnabled());
    QVERIFY(!doc->isModified());
    QCOMPARE(edit()->textCursor().position(), 0);
    QVERIFY(!m_page->hasUnsavedChanges());
    QCOMPARE(m_page->history().UndoStack().size(), steps + 1);
    QCOMPARE(m_page->history().undoTexts().constLast(), u"粗体\nsecond"_s);

    click("cmdundo");
    QCOMPARE(edit()->toPlainText(), before);
    click("huifu");
    QCOMPARE(edit()->toPlainText(), u"粗体\nsecond"_s);
}

void TestEditorOpen::open_editsAfterwardsReachHistoryAndGuard()
{
    const QString path = writeFile(u"b.txt"_s, "plain");
    QVERIFY(m_page->openFrom(path));
    const qsizetype steps = m_page->history().UndoStack().size();
    edit()->moveCursor(QTextCursor::End);
    typeText(edit(), u"甲"_s);
    QVERIFY(m_page->hasUnsavedChanges());
    QCOMPARE(m_page->history().UndoStack().size(), steps + 1);
    m_page->appendTransfer(u"      问题提示：《"_s, u"能否使泵变轻"_s);
    QVERIFY(edit()->toPlainText().startsWith(u"plain甲\n\n      问题提示：《能否使泵变轻》"_s));
    QCOMPARE(m_page->history().undoTexts().constLast(), edit()->toPlainText());

    // The toolbar's style buttons work on the swapped-in document.
    edit()->selectAll();
    click("cuti");
    QVERIFY(edit()->document()->begin().begin().fragment().charFormat().fontWeight() >=
            QFont::Bold);
    click("new");
    QCOMPARE(edit()->toPlainText(), EditorPage::headingText() + u'\n');
}

void TestEditorOpen::open_freesTheDocumentItReplaces()
{
    const QPointer<QTextDocument> first = edit()->document();
    QObject *owner = first->parent();
    const QString path = writeFile(u"c.rtf"_s, "{\\rtf1 one}");
    QVERIFY(m_page->openFrom(path));
    QVERIFY(first.isNull());
    const QPointer<QTextDocument> second = edit()->document();
    QCOMPARE(second->parent(), owner);
    QVERIFY(m_page->openFrom(path));
    QVERIFY(second.isNull());
    QCOMPARE(edit()->toPlainText(), u"one"_s);
}

void TestEditorOpen::open_failureKeepsDocument()
{
    typeText(edit(), u"留"_s);
    QTextDocument *doc = edit()->document();
    const QString folder = m_dir->filePath(u"folder.rtf"_s);
    QVERIFY(QDir().mkpath(folder)); // a folder where a file should be
    QTimer::singleShot(0, m_page.get(), [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    QVERIFY(!m_page->openFrom(folder));
    QCOMPARE(edit()->document(), doc);
    QVERIFY(edit()->toPlainText().endsWith(u"留"_s));
    QVERIFY(m_page->hasUnsavedChanges());
    typeText(edit(), u"下"_s);
    QVERIFY(m_page->history().undoTexts().constLast().endsWith(u"留下"_s));
}

// A document from elsewhere, opened, added to and saved: nothing of its formatting goes.
void TestEditorOpen::openEditSave_keepsColoursAndParagraphFormats()
{
    const QByteArray original =
        "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}{\\colortbl;"
        "\\red192\\green0\\blue0;\\red255\\green255\\blue0;\\red220\\green230\\blue241;}\\f0"
        "\\pard\\qj\\li420\\ri210\\fi-210\\sb156\\sa78\\sl360\\slmult1 \\cf1 "
        "\\'ba\\'ec{\\highlight2 "
        "\\'c1\\'c1}{\\chcbpat3 \\'b5\\'d7}{\\v \\'d2\\'fe}\\cf0\\par"
        "\\pard\\pagebb\\sl-320\\slmult0\\qc \\'d0\\'c2\\'d2\\'b3\\par}";
    QTextDocument fromFile;
    readRtf(original, &fromFile);
    const QString path = writeFile(u"来自别处.rtf"_s, original);
    QVERIFY(m_page->openFrom(path));
    QCOMPARE(rtftest::describeLayout(*edit()->document()), rtftest::describeLayout(fromFile));
    QVERIFY(rtftest::describeLayout(fromFile).contains(u"|[#c00000 on #ffff00]亮"_s));

    edit()->moveCursor(QTextCursor::End);
    typeText(edit(), u"末"_s);
    const QString shown = rtftest::describeLayout(*edit()->document());
    QVERIFY(shown.endsWith(u"center lh=21.3333 break|[]新页末"_s));
    const QString saved = m_dir->filePath(u"另存.rtf"_s);
    QVERIFY(m_page->saveTo(saved));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument reread;
    readRtf(file.readAll(), &reread);
    QCOMPARE(rtftest::describeLayout(reread), shown);
}

void TestEditorOpen::open_fileWithComments_warnsAndSavingOverItAsks()
{
    const QByteArray original = "{\\rtf1\\ansi a{\\*\\atnid W}\\chatn{\\*\\annotation note}b"
                                "{\\header h}\\par}";
    const QString path = writeFile(u"批注.rtf"_s, original);
    QString shown;
    closeNextMessageBox(m_page.get(), &shown);
    QVERIFY(m_page->openFrom(path));
    QVERIFY2(shown.contains(u"批注 1 处"_s) && shown.contains(u"批注.rtf"_s), qPrintable(shown));

    // Another name loses nothing in the opened file: no question.
    bool saved = false;
    QVERIFY(!saveAsks(m_dir->filePath(u"副本.rtf"_s), &saved));
    QVERIFY(saved);

    // Over the file itself: 取消 leaves it as it was.
    QString question;
    QStringList buttons;
    onNextMessageBox(m_page.get(), [&](QMessageBox *box) {
        question = box->text();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        box->findChild<QPushButton *>(u"cancel"_s)->click();
    });
    QVERIFY(!m_page->saveTo(path));
    QVERIFY2(question.contains(u"批注 1 处"_s), qPrintable(question));
    QCOMPARE(buttons, QStringList({u"保存"_s, u"取消"_s}));
    QCOMPARE(readFile(path), original);

    onNextMessageBox(m_page.get(),
                     [](QMessageBox *box) { box->findChild<QPushButton *>(u"save"_s)->click(); });
    QVERIFY(m_page->saveTo(path));
    const QByteArray written = readFile(path);
    QVERIFY(!written.contains("annotation"));
    QVERIFY(written.contains("{\\header h}"));
    QVERIFY(!m_page->hasUnsavedChanges());
    // The file holds no comment any more: the next save asks nothing.
    QVERIFY(!saveAsks(path, &saved));
    QVERIFY(saved);
}

void TestEditorOpen::open_fileLosingNothing_staysQuiet()
{
    // Headers, pictures and metafiles are kept: nothing to warn about.
    const QString kept = writeFile(
        u"kept.rtf"_s, "{\\rtf1\\ansi{\\header h}a{\\pict\\wmetafile8\\picw10\\pich10 0100}\\par}");
    {
        QObject scope;
        bool asked = false;
        onNextMessageBox(&scope, [&asked](QMessageBox *box) {
            asked = true;
            box->reject();
        });
        QVERIFY(m_page->openFrom(kept));
        QVERIFY(!asked);
    }
    bool saved = false;
    QVERIFY(!saveAsks(kept, &saved));
    QVERIFY(saved);
    QVERIFY(readFile(kept).contains("{\\pict\\wmetafile8\\picw10\\pich10 0100}"));

    // After "new" the comments of the file opened before are no concern of a save over it.
    const QString commented =
        writeFile(u"c.rtf"_s, "{\\rtf1 a\\chatn{\\*\\annotation note}{\\header h}\\par}");
    QString shown;
    closeNextMessageBox(m_page.get(), &shown);
    QVERIFY(m_page->openFrom(commented));
    QVERIFY(!shown.isEmpty());
    click("new");
    QVERIFY(!saveAsks(commented, &saved));
    QVERIFY(saved);
    QVERIFY(!readFile(commented).contains("header")); // the old document's parts went with it
}

QTEST_MAIN(TestEditorOpen)
#include "tst_editor_open.moc"
