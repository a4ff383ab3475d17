#include "editor/editor_actions.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "editor/selection_format.h"
#include "editor/undo_history.h"
#include "rtf/rtf_reader.h"
#include "support/typing.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QToolBar>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Handles the next modal widget (message box or dialog) once it shows.
void onNextModal(QObject *context, std::function<void(QWidget *)> handler)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, handler] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handler(modal);
    });
    timer->start();
}

bool allCharsHave(QTextDocument *doc, int start, int end, SelectionFormat::Style style)
{
    QTextCursor cursor(doc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return SelectionFormat::selectionHasStyle(cursor, QTextCharFormat(), style);
}

int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TestEditorPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithHeadingInSongTiAndOwnUndoOnly();
    void toolbar_hasSixteenKeyedButtonsInOrder();
    void toolbarKeys_dispatchExactlyAndCaseSensitively_data();
    void toolbarKeys_dispatchExactlyAndCaseSensitively();
    void styleButtons_toggleSelection_data();
    void styleButtons_toggleSelection();
    void styleButtons_mixedSelectionBecomesStyled();
    void alignmentButtons_setSelectedParagraphs_data();
    void alignmentButtons_setSelectedParagraphs();
    void formatButtons_followCursor();
    void copyAndCut_putPlainTextOnClipboard();
    void paste_insertsPlainTextOnly();
    void delete_removesSelectionLeavesClipboard();
    void clipboardKeys_runPageCommands();
    void contextMenu_opensOnRightButtonOnly_data();
    void contextMenu_opensOnRightButtonOnly();
    void contextMenuItems_doToolbarCommands();
    void new_replacesContentWithHeadingAsPlainText();
    void saveThenOpen_roundTrip();
    void fileErrors_showMessageNamingFileAndKeepContent_data();
    void fileErrors_showMessageNamingFileAndKeepContent();
    void plainTextFiles_openAsText_data();
    void plainTextFiles_openAsText();
    void saveDialog_offersFiltersWithRichTextPreselected();
    void print_wholeDocumentAndSelectionToPdf();
    void close_asksOnlyWhenChanged();
    void close_answers_data();
    void close_answers();

private:
    QTextEdit *edit() const
    {
        return m_page->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    }
    QAction *action(const char *key) const
    {
        return m_page->findChild<QAction *>(QLatin1String(key));
    }
    void setText(const QString &text)
    {
        edit()->selectAll();
        QTest::keyClick(edit(), Qt::Key_Delete);
        edit()->insertPlainText(text);
    }

    std::unique_ptr<EditorPage> m_page;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEditorPage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());
    m_page = std::make_unique<EditorPage>();
    m_page->resize(792, 500);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    edit()->setFocus();
}

void TestEditorPage::cleanup()
{
    m_page.reset();
}

void TestEditorPage::startsWithHeadingInSongTiAndOwnUndoOnly()
{
    const QString heading =
        QString(30, u' ') + QStringLiteral("==========初步发明信息及简要说明==========");
    QCOMPARE(edit()->toPlainText(), heading);
    QCOMPARE(edit()->document()->blockCount(), 1);
    QCOMPARE(edit()->document()->defaultFont().family(), QStringLiteral("宋体"));
    QCOMPARE(edit()->document()->defaultFont().pointSizeF(), 10.5);
    QVERIFY(!edit()->isUndoRedoEnabled());
    auto *label = m_page->findChild<QLabel *>(QStringLiteral("Label38"));
    QVERIFY(label);
    QVERIFY(label->text().startsWith(QStringLiteral("单击前三页中的“传送”按钮")));
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("Frame12")));
    QVERIFY(!m_page->hasUnsavedChanges());
}

void TestEditorPage::toolbar_hasSixteenKeyedButtonsInOrder()
{
    auto *toolbar = m_page->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    QStringList keys;
    QStringList tips;
    for (QAction *a : toolbar->actions()) {
        if (a->isSeparator())
            continue;
        keys << a->objectName();
        tips << a->toolTip();
        QVERIFY2(!a->icon().pixmap(24).isNull(), qPrintable(a->objectName()));
    }
    QCOMPARE(keys, QStringList({u"new"_s, u"open"_s, u"save"_s, u"print"_s, u"cut"_s, u"copy"_s,
                                u"paste"_s, u"delete"_s, u"cmdundo"_s, u"huifu"_s, u"cuti"_s,
                                u"xieti"_s, u"xhx"_s, u"zdq"_s, u"zhong"_s, u"ydq"_s}));
    QCOMPARE(tips, QStringList({u"新建"_s, u"打开"_s, u"保存"_s, u"打印"_s, u"剪切"_s, u"复制"_s,
                                u"粘贴"_s, u"删除"_s, u"撤消"_s, u"恢复"_s, u"粗体"_s, u"斜体"_s,
                                u"下划线"_s, u"左对齐"_s, u"中间对齐"_s, u"右对齐"_s}));
    QCOMPARE(action("save")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(action("cuti")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    QVERIFY(action("huifu")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
}

void TestEditorPage::toolbarKeys_dispatchExactlyAndCaseSensitively_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("bold");
    QTest::newRow("cuti") << "cuti" << true;
    QTest::newRow("Cuti") << "Cuti" << false;
    QTest::newRow("CUTI") << "CUTI" << false;
    QTest::newRow("trailing blank") << "cuti " << false;
    QTest::newRow("caption") << "粗体" << false;
    QTest::newRow("empty") << "" << false;
}

void TestEditorPage::toolbarKeys_dispatchExactlyAndCaseSensitively()
{
    QFETCH(QString, key);
    QFETCH(bool, bold);
    setText(QStringLiteral("发明"));
    selectRange(edit(), 0, 2);
    m_page->Toolbar1_ButtonClick(key);
    QCOMPARE(allCharsHave(edit()->document(), 0, 2, SelectionFormat::Style::Bold), bold);
    QCOMPARE(edit()->toPlainText(), QStringLiteral("发明"));
}

void TestEditorPage::styleButtons_toggleSelection_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("style");
    QTest::newRow("cuti") << "cuti" << int(SelectionFormat::Style::Bold);
    QTest::newRow("xieti") << "xieti" << int(SelectionFormat::Style::Italic);
    QTest::newRow("xhx") << "xhx" << int(SelectionFormat::Style::Underline);
}

void TestEditorPage::styleButtons_toggleSelection()
{
    QFETCH(QString, key);
    QFETCH(int, style);
    const auto s = SelectionFormat::Style(style);
    setText(QStringLiteral("一种新的泵"));
    selectRange(edit(), 2, 4);
    action(key.toLatin1().constData())->trigger();
    QVERIFY(allCharsHave(edit()->document(), 2, 4, s));
    QVERIFY(!allCharsHave(edit()->document(), 0, 2, s));
    QVERIFY(!allCharsHave(edit()->document(), 4, 5, s));
    QVERIFY(action(key.toLatin1().constData())->isChecked());
    action(key.toLatin1().constData())->trigger();
    QVERIFY(!allCharsHave(edit()->document(), 2, 3, s));
    QVERIFY(!allCharsHave(edit()->document(), 3, 4, s));
    QVERIFY(!action(key.toLatin1().constData())->isChecked());
}

void TestEditorPage::styleButtons_mixedSelectionBecomesStyled()
{
    setText(QStringLiteral("abcdef"));
    selectRange(edit(), 0, 3);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    selectRange(edit(), 1, 6);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    QVERIFY(allCharsHave(edit()->document(), 0, 6, SelectionFormat::Style::Bold));
}

void TestEditorPage::alignmentButtons_setSelectedParagraphs_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("zhong") << "zhong" << 2;
    QTest::newRow("ydq") << "ydq" << 1;
    QTest::newRow("zdq") << "zdq" << 0;
}

void TestEditorPage::alignmentButtons_setSelectedParagraphs()
{
    QFETCH(QString, key);
    QFETCH(int, value);
    setText(QStringLiteral("first\nsecond\nthird"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("ydq"));   // third right
    m_page->Toolbar1_ButtonClick(QStringLiteral("zhong")); // then centred
    selectRange(edit(), 2, 8);                             // first and second paragraphs
    m_page->Toolbar1_ButtonClick(key);
    QTextDocument *doc = edit()->document();
    QCOMPARE(SelectionFormat::alignmentValue(doc->findBlockByNumber(0).blockFormat().alignment()),
             value);
    QCOMPARE(SelectionFormat::alignmentValue(doc->findBlockByNumber(1).blockFormat().alignment()),
             value);
    QCOMPARE(SelectionFormat::alignmentValue(doc->findBlockByNumber(2).blockFormat().alignment()),
             2);
    QVERIFY(action(key.toLatin1().constData())->isChecked());
}

void TestEditorPage::formatButtons_followCursor()
{
    setText(QStringLiteral("plain bold\nnext"));
    selectRange(edit(), 6, 10);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("zhong"));

    selectRange(edit(), 8, 8);
    QVERIFY(action("cuti")->isChecked());
    QVERIFY(action("zhong")->isChecked());
    QVERIFY(!action("zdq")->isChecked());
    selectRange(edit(), 3, 3);
    QVERIFY(!action("cuti")->isChecked());
    selectRange(edit(), 13, 13);
    QVERIFY(action("zdq")->isChecked());
    QVERIFY(!action("zhong")->isChecked());
    QVERIFY(!action("ydq")->isChecked());
}

void TestEditorPage::copyAndCut_putPlainTextOnClipboard()
{
    setText(QStringLiteral("甲乙\n丙丁"));
    selectRange(edit(), 1, 4);
    m_page->Toolbar1_ButtonClick(QStringLiteral("copy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("乙\n丙"));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("甲乙\n丙丁"));

    selectRange(edit(), 0, 0);
    m_page->Toolbar1_ButtonClick(QStringLiteral("copy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());

    selectRange(edit(), 3, 5);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cut"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("丙丁"));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("甲乙\n"));

    // a line break within a paragraph (RTF's \line) reaches the clipboard as a line end
    QTextCursor(edit()->document()).insertText(u"戊"_s + QChar(QChar::LineSeparator) + u"己"_s);
    selectRange(edit(), 0, 3);
    m_page->Toolbar1_ButtonClick(QStringLiteral("copy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("戊\n己"));
}

void TestEditorPage::paste_insertsPlainTextOnly()
{
    setText(QStringLiteral("ABCD"));
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>粗体</b><i>x</i>"));
    mime->setText(QStringLiteral("粗体x\r\n末"));
    QGuiApplication::clipboard()->setMimeData(mime);
    selectRange(edit(), 1, 3); // over "BC"
    m_page->Toolbar1_ButtonClick(QStringLiteral("paste"));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("A粗体x\n末D"));
    QVERIFY(!allCharsHave(edit()->document(), 1, 2, SelectionFormat::Style::Bold));
    QVERIFY(!allCharsHave(edit()->document(), 3, 4, SelectionFormat::Style::Italic));
    QCOMPARE(edit()->textCursor().position(), 6);
}

void TestEditorPage::delete_removesSelectionLeavesClipboard()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    setText(QStringLiteral("abcdef"));
    selectRange(edit(), 1, 4);
    m_page->Toolbar1_ButtonClick(QStringLiteral("delete"));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("aef"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("delete")); // nothing selected
    QCOMPARE(edit()->toPlainText(), QStringLiteral("aef"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void TestEditorPage::clipboardKeys_runPageCommands()
{
    setText(QStringLiteral("abc"));
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>B</b>"));
    mime->setText(QStringLiteral("B"));
    QGuiApplication::clipboard()->setMimeData(mime);
    selectRange(edit(), 3, 3);
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit()->toPlainText(), QStringLiteral("abcB"));
    QVERIFY(!allCharsHave(edit()->document(), 3, 4, SelectionFormat::Style::Bold));
    selectRange(edit(), 0, 2);
    QTest::keyClick(edit(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ab"));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("cB"));
    QTest::keyClick(edit(), Qt::Key_B, Qt::ControlModifier); // no selection: typing goes bold
    typeText(edit(), QStringLiteral("字"));
    QVERIFY(allCharsHave(edit()->document(), 0, 1, SelectionFormat::Style::Bold));
}

void TestEditorPage::contextMenu_opensOnRightButtonOnly_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right") << Qt::RightButton << true;
    QTest::newRow("left") << Qt::LeftButton << false;
    QTest::newRow("middle") << Qt::MiddleButton << false;
}

void TestEditorPage::contextMenu_opensOnRightButtonOnly()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    auto *menu = m_page->findChild<QMenu *>(QStringLiteral("wenjian"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("文件"));
    QTest::mouseClick(edit()->viewport(), button, Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(menu->isVisible(), opens);
    menu->hide();
}

void TestEditorPage::contextMenuItems_doToolbarCommands()
{
    auto *menu = m_page->findChild<QMenu *>(QStringLiteral("wenjian"));
    QStringList names;
    QStringList captions;
    for (QAction *a : menu->actions()) {
        names << a->objectName();
        captions << a->text();
    }
    // The four clipboard commands first; the program's additions follow them.
    QCOMPARE(names.mid(0, 4), QStringList({u"cutp"_s, u"copyp"_s, u"pastep"_s, u"deletep"_s}));
    QCOMPARE(captions.mid(0, 4),
             QStringList({u"剪切(&t)"_s, u"复制(&c)"_s, u"粘贴(&p)"_s, u"删除(&d)"_s}));

    setText(QStringLiteral("一二三四"));
    selectRange(edit(), 0, 1);
    menu->findChild<QAction *>(QStringLiteral("cutp"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("一"));
    selectRange(edit(), 2, 3);
    menu->findChild<QAction *>(QStringLiteral("copyp"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("四"));
    selectRange(edit(), 0, 1);
    menu->findChild<QAction *>(QStringLiteral("pastep"))->trigger();
    QCOMPARE(edit()->toPlainText(), QStringLiteral("四三四"));
    selectRange(edit(), 1, 3);
    menu->findChild<QAction *>(QStringLiteral("deletep"))->trigger();
    QCOMPARE(edit()->toPlainText(), QStringLiteral("四"));
}

void TestEditorPage::new_replacesContentWithHeadingAsPlainText()
{
    setText(QStringLiteral("粗体段落\n第二段"));
    edit()->selectAll();
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("zhong"));
    const qsizetype snapshots = m_page->history().UndoStack().size();

    m_page->Toolbar1_ButtonClick(QStringLiteral("new"));
    QCOMPARE(edit()->toPlainText(), EditorPage::headingText() + QStringLiteral("\n"));
    QVERIFY(!allCharsHave(edit()->document(), 0, 40, SelectionFormat::Style::Bold));
    QCOMPARE(SelectionFormat::alignmentValue(edit()->document()->begin().blockFormat().alignment()),
             0);
    QCOMPARE(m_page->history().UndoStack().size(), snapshots + 1);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cmdundo"));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("粗体段落\n第二段"));
}

void TestEditorPage::saveThenOpen_roundTrip()
{
    QTextDocument probe;
    readRtf(QByteArrayLiteral("{\\rtf1 ab}"), &probe);
    if (probe.toPlainText() != QStringLiteral("ab"))
        QSKIP("the RTF reader is still the provisional one");

    setText(QStringLiteral("能否使泵变轻\nMixed 中文 text 𠀀\n\n末行"));
    selectRange(edit(), 0, 2);
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    selectRange(edit(), 8, 12);
    m_page->Toolbar1_ButtonClick(QStringLiteral("xieti"));
    m_page->Toolbar1_ButtonClick(QStringLiteral("zhong"));
    const QString text = edit()->toPlainText();
    const QString path = m_dir->filePath(QStringLiteral("结果.txt")); // a .txt name holds RTF too

    QVERIFY(m_page->saveTo(path));
    QVERIFY(!m_page->hasUnsavedChanges());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("{\\rtf"));

    m_page->Toolbar1_ButtonClick(QStringLiteral("new"));
    QVERIFY(m_page->openFrom(path));
    QCOMPARE(edit()->toPlainText(), text);
    QVERIFY(!m_page->hasUnsavedChanges());
    QTextDocument *doc = edit()->document();
    QVERIFY(allCharsHave(doc, 0, 2, SelectionFormat::Style::Bold));
    QVERIFY(!allCharsHave(doc, 2, 3, SelectionFormat::Style::Bold));
    QVERIFY(allCharsHave(doc, 8, 12, SelectionFormat::Style::Italic));
    QCOMPARE(SelectionFormat::alignmentValue(doc->findBlockByNumber(1).blockFormat().alignment()),
             2);
    QCOMPARE(SelectionFormat::alignmentValue(doc->findBlockByNumber(0).blockFormat().alignment()),
             0);
}

void TestEditorPage::fileErrors_showMessageNamingFileAndKeepContent_data()
{
    QTest::addColumn<bool>("saving");
    QTest::newRow("open a missing file") << false;
    QTest::newRow("save into a missing folder") << true;
}

void TestEditorPage::fileErrors_showMessageNamingFileAndKeepContent()
{
    QFETCH(bool, saving);
    setText(QStringLiteral("保留的内容"));
    const QString path = m_dir->filePath(QStringLiteral("没有/文件.rtf"));
    QString shown;
    QObject scope;
    onNextModal(&scope, [&shown](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            shown = box->text();
        modal->close();
    });
    const bool ok = saving ? m_page->saveTo(path) : m_page->openFrom(path);
    QVERIFY(!ok);
    QVERIFY2(shown.contains(QDir::toNativeSeparators(path)), qPrintable(shown));
    QVERIFY(shown.contains(saving ? QStringLiteral("保存") : QStringLiteral("打开")));
    QCOMPARE(edit()->toPlainText(), QStringLiteral("保留的内容"));
    QVERIFY(m_page->hasUnsavedChanges());
    QVERIFY(!QFile::exists(path));
}

void TestEditorPage::plainTextFiles_openAsText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QStringEncoder gb18030("GB18030");
    const QByteArray gbk = gb18030.encode(QStringLiteral("第一行\r\n第二行\r\n"));
    QTest::newRow("GB18030 with CR LF") << gbk << "第一行\n第二行\n";
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("甲\n乙").toUtf8() << "甲\n乙";
    QTest::newRow("lone CR") << QByteArray("a\rb") << "a\nb";
}

void TestEditorPage::plainTextFiles_openAsText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = m_dir->filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(m_page->openFrom(path));
    QCOMPARE(edit()->toPlainText(), text);
    QCOMPARE(edit()->textCursor().position(), 0);
}

void TestEditorPage::saveDialog_offersFiltersWithRichTextPreselected()
{
    setText(QStringLiteral("对话框"));
    const QString path = m_dir->filePath(QStringLiteral("noext"));
    QStringList filters;
    QString selected;
    QObject scope;
    onNextModal(&scope, [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        selected = dialog->selectedNameFilter();
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    m_page->Toolbar1_ButtonClick(QStringLiteral("save"));
    QCOMPARE(filters, QStringList({u"All Files (*)"_s, u"Text Files (*.txt)"_s,
                                   u"Rich Text(*.rtf)"_s, u"Batch Files (*.bat)"_s}));
    QCOMPARE(selected, QStringLiteral("Rich Text(*.rtf)"));
    QVERIFY(QFile::exists(path)); // no extension added
    QVERIFY(!QFile::exists(path + QStringLiteral(".rtf")));

    // "All Files" lists the saved file, whose name has no dot, as the dialog would.
    const QString all = filters.constFirst();
    const qsizetype open = all.lastIndexOf(u'(');
    const QStringList patterns =
        all.mid(open + 1, all.size() - open - 2).split(u' ', Qt::SkipEmptyParts);
    QVERIFY(QDir(m_dir->path()).entryList(patterns, QDir::Files).contains(u"noext"_s));
    QVERIFY(!m_page->hasUnsavedChanges());
}

void TestEditorPage::print_wholeDocumentAndSelectionToPdf()
{
    QStringList paragraphs;
    for (int i = 0; i < 300; ++i)
        paragraphs << QStringLiteral("第%1段：能否使泵变轻，能否引入扇的原理。").arg(i);
    setText(paragraphs.join(u'\n'));
    selectRange(edit(), 0, 30);

    const QString whole = m_dir->filePath(QStringLiteral("whole.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(whole);
    printer.setPrintRange(QPrinter::AllPages);
    m_page->printTo(&printer);

    const QString part = m_dir->filePath(QStringLiteral("selection.pdf"));
    QPrinter selectionPrinter(QPrinter::HighResolution);
    selectionPrinter.setOutputFormat(QPrinter::PdfFormat);
    selectionPrinter.setOutputFileName(part);
    selectionPrinter.setPrintRange(QPrinter::Selection);
    m_page->printTo(&selectionPrinter);

    const int wholePages = pdfPageCount(whole);
    const int partPages = pdfPageCount(part);
    QVERIFY2(wholePages > 2, qPrintable(QString::number(wholePages)));
    QCOMPARE(partPages, 1);
    QVERIFY(QFileInfo(part).size() > 0);
}

void TestEditorPage::close_asksOnlyWhenChanged()
{
    QObject scope; // the watch for a modal ends with the test
    bool asked = false;
    onNextModal(&scope, [&asked](QWidget *modal) {
        asked = true;
        modal->close();
    });
    QVERIFY(m_page->confirmClose());
    QVERIFY(!asked);

    typeText(edit(), QStringLiteral("x"));
    QVERIFY(m_page->hasUnsavedChanges());
    QVERIFY(m_page->saveTo(m_dir->filePath(QStringLiteral("a.rtf"))));
    QVERIFY(m_page->confirmClose());
    QVERIFY(!asked);
    QCoreApplication::processEvents();
    QVERIFY(!asked);
}

void TestEditorPage::close_answers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("inSaveDialog"); // "", "cancel" or "accept"
    QTest::addColumn<bool>("closes");
    QTest::newRow("不保存") << "discard"
                            << "" << true;
    QTest::newRow("取消") << "cancel"
                          << "" << false;
    QTest::newRow("保存, dialog cancelled") << "save"
                                            << "cancel" << false;
    QTest::newRow("保存, file chosen") << "save"
                                       << "accept" << true;
}

void TestEditorPage::close_answers()
{
    QFETCH(QString, answer);
    QFETCH(QString, inSaveDialog);
    QFETCH(bool, closes);
    typeText(edit(), QStringLiteral("改动"));
    const QString path = m_dir->filePath(QStringLiteral("saved.rtf"));
    QStringList buttons;
    QObject scope;
    onNextModal(&scope, [&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        if (!inSaveDialog.isEmpty()) {
            onNextModal(&scope, [&](QWidget *second) {
                auto *dialog = qobject_cast<QFileDialog *>(second);
                QVERIFY(dialog);
                if (inSaveDialog == u"accept") {
                    dialog->selectFile(path);
                    static_cast<QDialog *>(dialog)->accept();
                } else {
                    dialog->reject();
                }
            });
        }
        box->findChild<QPushButton *>(answer)->click();
    });
    QCOMPARE(m_page->confirmClose(), closes);
    buttons.sort();
    QStringList expected({u"保存"_s, u"不保存"_s, u"取消"_s});
    expected.sort();
    QCOMPARE(buttons, expected);
    QCOMPARE(QFile::exists(path), inSaveDialog == u"accept");
}

QTEST_MAIN(TestEditorPage)
#include "tst_editor_page.moc"
