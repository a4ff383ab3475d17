#include "editor/editor_page.h"

#include "editor/character_count.h"
#include "editor/editor_actions.h"
#include "editor/editor_document.h"
#include "editor/editor_file.h"
#include "editor/editor_printing.h"
#include "editor/editor_tools.h"
#include "editor/link_opening.h"
#include "editor/recent_files.h"
#include "editor/recovery_copy.h"
#include "editor/rich_text_box.h"
#include "editor/selection_format.h"
#include "editor/text_edit_undo_adapter.h"
#include "editor/undo_history.h"
#include "links/link_frames.h"
#include "results/transfer_block.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_read_report.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

namespace {

using SelectionFormat::Style;

const QString &pageTitle()
{
    static const QString title = QStringLiteral("编辑保存");
    return title;
}

QStringList fileFilters()
{
    // Qt's "*.*" wants a dot in the name; "*" is every file, as "*.*" is on Windows.
    return {QStringLiteral("All Files (*)"), QStringLiteral("Text Files (*.txt)"),
            QStringLiteral("Rich Text(*.rtf)"), QStringLiteral("Batch Files (*.bat)")};
}

QFont editorDefaultFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    return font;
}

// Replaces the whole content in one edit, so the history sees one change.
void replaceContent(QTextDocument *doc, const QTextDocumentFragment &content)
{
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.setCharFormat(QTextCharFormat());
    cursor.insertFragment(content);
    cursor.endEditBlock();
}

// What a read kept on the document beyond its text (page, headers, the loss report): a new
// document has none of the old one's.
void forgetReadDocument(QTextDocument *doc)
{
    QTextFrame *root = doc->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    bool any = false;
    for (const int property :
         {RtfFormat::DocumentGroups, RtfFormat::UnkeptContent, RtfFormat::PaperWidth,
          RtfFormat::PaperHeight, RtfFormat::MarginLeft, RtfFormat::MarginRight,
          RtfFormat::MarginTop, RtfFormat::MarginBottom, RtfFormat::Gutter, RtfFormat::Landscape,
          RtfFormat::TitlePage}) {
        any = any || format.hasProperty(property);
        format.clearProperty(property);
    }
    if (any)
        root->setFrameFormat(format);
}

bool samePath(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

EditorPage::EditorPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EditorPage"));

    m_edit = new RichTextBox(this);
    QTextDocument *doc = m_edit->document();
    doc->setDefaultFont(editorDefaultFont());
    QTextCursor(doc).insertText(headingText());
    m_edit->moveCursor(QTextCursor::End);

    m_toolbar = EditorActions::createToolbar(this);
    m_menu = EditorActions::createContextMenu(this);
    m_tools = new EditorTools(this, m_edit, m_menu,
                              [this](const QString &path) { return openFrom(path); });

    m_label =
        new QLabel(QStringLiteral("单击前三页中的“传送”按钮，会把相关信息传送到本页。编辑、保存好阶"
                                  "段性的劳动成果，一段时间以后很可能会给您更深邃的启示。"),
                   this);
    m_label->setObjectName(QStringLiteral("Label38"));
    m_label->setWordWrap(true);

    // The link labels sit in a band under the editor; the editor takes the extra height.
    QGroupBox *links = LinkFrames::createPatentLinks(this);
    links->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_tools->panel());
    layout->addWidget(links);
    layout->addWidget(m_label);

    m_adapter = std::make_unique<TextEditUndoAdapter>(m_edit);
    m_history = std::make_unique<UndoHistory>(m_adapter.get());
    m_history->setTrackChanges(true);
    m_recovery = new RecoveryCopy(doc, this);
    connect(doc, &QTextDocument::contentsChange, this, &EditorPage::RichTextBox1_Change);

    for (QAction *a : m_toolbar->actions()) {
        if (a->objectName().isEmpty())
            continue; // separators
        connect(a, &QAction::triggered, this, [this, a] { Toolbar1_ButtonClick(a->objectName()); });
    }
    const QList<std::pair<const char *, const char *>> menuKeys = {
        {"cutp", "cut"}, {"copyp", "copy"}, {"pastep", "paste"}, {"deletep", "delete"}};
    for (const auto &[item, key] : menuKeys) {
        QAction *a = m_menu->findChild<QAction *>(QLatin1String(item));
        const QString command = QLatin1String(key);
        connect(a, &QAction::triggered, this, [this, command] { Toolbar1_ButtonClick(command); });
    }
    connect(m_menu->findChild<QAction *>(QStringLiteral("insertImage")), &QAction::triggered, this,
            &EditorPage::insertPictureCommand);
    connect(m_edit, &RichTextBox::commandKeyPressed, this, &EditorPage::Toolbar1_ButtonClick);
    connect(m_edit, &RichTextBox::aboutToRemove, this, &EditorPage::noteRemoval);
    connect(m_edit, &RichTextBox::removalHandled, this,
            [this] { m_history->dropPendingRemoval(); });
    connect(m_edit, &RichTextBox::linkActivated, this, &EditorPage::openLink);
    connect(m_edit, &RichTextBox::contextMenuWanted, this, &EditorPage::showContextMenu);
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, &EditorPage::syncFormatActions);
    connect(m_edit, &QTextEdit::cursorPositionChanged, this, &EditorPage::syncFormatActions);
    syncFormatActions();
}

EditorPage::~EditorPage()
{
    // The editor and its document outlive this part of the page while children are
    // deleted; they must not report to it any more.
    disconnect(m_edit->document(), nullptr, this, nullptr);
    disconnect(m_edit, nullptr, this, nullptr);
}

QString EditorPage::headingText()
{
    return QString(30, u' ') + QStringLiteral("==========初步发明信息及简要说明==========");
}

void EditorPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // After a tab click the page's keys (Ctrl+O, Ctrl+S ...) work at once.
    m_edit->setFocus();
}

void EditorPage::RichTextBox1_Change(int position, int charsRemoved, int charsAdded)
{
    m_unsaved = true;
    m_history->Record(position, charsRemoved, charsAdded);
    m_recovery->documentChanged();
}

void EditorPage::Toolbar1_ButtonClick(const QString &key)
{
    try {
        runCommand(key);
    } catch (const std::exception &) {
        // A failing command ends silently; what it did stays done.
    } catch (...) {
    }
}

void EditorPage::runCommand(const QString &key)
{
    if (key == u"new")
        newDocument();
    else if (key == u"open")
        openCommand();
    else if (key == u"save")
        saveCommand();
    else if (key == u"print")
        printCommand();
    else if (key == u"cut")
        cutSelection();
    else if (key == u"copy")
        copySelection();
    else if (key == u"paste")
        pasteClipboard();
    else if (key == u"delete")
        deleteSelection();
    else if (key == u"cmdundo")
        m_history->Undo();
    else if (key == u"huifu")
        m_history->redo();
    else if (key == u"cuti")
        toggleStyle(Style::Bold);
    else if (key == u"xieti")
        toggleStyle(Style::Italic);
    else if (key == u"xhx")
        toggleStyle(Style::Underline);
    else if (key == u"zdq")
        setSelAlignment(SelectionFormat::AlignLeftValue);
    else if (key == u"zhong")
        setSelAlignment(SelectionFormat::AlignCenterValue);
    else if (key == u"ydq")
        setSelAlignment(SelectionFormat::AlignRightValue);
    syncFormatActions();
}

void EditorPage::noteRemoval(int start, int length)
{
    m_history->prepareRemoval(start, length);
}

void EditorPage::newDocument()
{
    noteRemoval(0, m_edit->document()->characterCount() - 1);
    QTextDocument plain;
    plain.setPlainText(headingText() + u'\n');
    replaceContent(m_edit->document(), QTextDocumentFragment(&plain));
    forgetReadDocument(m_edit->document());
    m_unkept.clear();
    m_unkeptPath.clear();
    m_edit->moveCursor(QTextCursor::End);
}

void EditorPage::openCommand()
{
    const QString path = askFileName(false);
    if (!path.isEmpty())
        openFrom(path);
}

bool EditorPage::saveCommand()
{
    const QString path = askFileName(true);
    return !path.isEmpty() && saveTo(path);
}

bool EditorPage::openFrom(const QString &path)
{
    std::unique_ptr<QTextDocument> loaded = EditorDocument::createLike(*m_edit->document());
    QString error;
    if (!EditorFile::load(path, loaded.get(), &error)) {
        showFileError(error);
        return false;
    }
    // The file's document takes the editor's place; the history sees one change.
    disconnect(m_edit->document(), nullptr, this, nullptr);
    EditorDocument::install(m_edit, std::move(loaded));
    connect(m_edit->document(), &QTextDocument::contentsChange, this,
            &EditorPage::RichTextBox1_Change);
    m_recovery->setDocument(m_edit->document());
    m_tools->characterCount()->followDocument();
    m_edit->moveCursor(QTextCursor::Start);
    m_history->Record();
    m_edit->document()->setModified(false);
    m_unsaved = false;
    m_recovery->discard();
    m_tools->recentFiles()->add(path);
    m_unkept = rtfUnkeptContent(*m_edit->document());
    m_unkeptPath = m_unkept.isEmpty() ? QString() : path;
    if (!m_unkept.isEmpty())
        showUnkeptContent(path);
    return true;
}

void EditorPage::restoreUnsaved(const QTextDocument &content)
{
    noteRemoval(0, m_edit->document()->characterCount() - 1);
    replaceContent(m_edit->document(), QTextDocumentFragment(&content));
    m_edit->moveCursor(QTextCursor::Start);
    m_unsaved = true;
}

bool EditorPage::saveTo(const QString &path)
{
    if (!confirmLosingContent(path))
        return false;
    QString error;
    if (!EditorFile::save(path, *m_edit->document(), &error)) {
        showFileError(error);
        return false;
    }
    m_unsaved = false;
    m_recovery->discard();
    m_tools->recentFiles()->add(path);
    if (samePath(path, m_unkeptPath)) {
        m_unkept.clear(); // the file no longer holds it
        m_unkeptPath.clear();
    }
    return true;
}

void EditorPage::printCommand()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    const bool hasSelection = m_edit->textCursor().hasSelection();
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (hasSelection)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_edit->setFocus();
    if (accepted)
        printTo(&printer);
}

void EditorPage::printTo(QPrinter *printer)
{
    const QTextCursor cursor = m_edit->textCursor();
    if (printer->printRange() == QPrinter::Selection && cursor.hasSelection()) {
        const auto part =
            EditorPrinting::selectionDocument(cursor, m_edit->document()->defaultFont());
        EditorPrinting::printDocument(*part, printer);
    } else {
        EditorPrinting::printDocument(*m_edit->document(), printer);
    }
}

void EditorPage::copySelection()
{
    // Line breaks inside a paragraph and table marks become ordinary line ends too.
    QGuiApplication::clipboard()->setText(m_edit->textCursor().selection().toPlainText());
}

void EditorPage::cutSelection()
{
    copySelection();
    deleteSelection();
}

void EditorPage::pasteClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const QTextCursor cursor = m_edit->textCursor();
    noteRemoval(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    // A screenshot comes without text; text, even with a picture beside it, stays text.
    if (data && !data->hasText() && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull())
            insertPicture(PictureInsertion::fromImage(image));
    } else {
        m_edit->replaceSelectionWithPlainText(QGuiApplication::clipboard()->text());
    }
    m_history->dropPendingRemoval();
}

void EditorPage::deleteSelection()
{
    QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection())
        return;
    noteRemoval(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    cursor.removeSelectedText();
    m_edit->setTextCursor(cursor);
    m_history->dropPendingRemoval();
}

void EditorPage::insertPictureCommand()
{
    QFileDialog dialog(this, QStringLiteral("插入图片"), QString(), PictureInsertion::fileFilter());
    dialog.setObjectName(QStringLiteral("insertImageDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    m_edit->setFocus();
    if (chosen)
        insertPictureFrom(dialog.selectedFiles().constFirst());
}

bool EditorPage::insertPictureFrom(const QString &path)
{
    PictureInsertion::Picture picture;
    QString error;
    if (!PictureInsertion::loadFile(path, &picture, &error)) {
        showFileError(error);
        return false;
    }
    const QTextCursor cursor = m_edit->textCursor();
    noteRemoval(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    insertPicture(picture);
    m_history->dropPendingRemoval();
    return true;
}

void EditorPage::insertPicture(const PictureInsertion::Picture &picture)
{
    // As wide as the editor shows a line, also once a tall picture brings in the scroll bar,
    // less the margins and room for the caret.
    const QScrollBar *bar = m_edit->verticalScrollBar();
    const int barWidth = bar->isVisible() ? 0 : bar->sizeHint().width();
    const qreal room =
        m_edit->viewport()->width() - barWidth - 2 * m_edit->document()->documentMargin() - 4;
    const qreal width = PictureInsertion::shownSize(picture.image, room > 16 ? room : 16).width();
    QTextCursor cursor = m_edit->textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // Qt leaves a picture undrawn that is too wide for the rest of the line it follows:
    // such a picture starts a paragraph of its own.
    const QTextLayout *layout = cursor.block().layout();
    const int inBlock = cursor.position() - cursor.block().position();
    const QTextLine line = layout ? layout->lineForTextPosition(inBlock) : QTextLine();
    if (!cursor.atBlockStart() && line.isValid() && line.cursorToX(inBlock) + width > room)
        cursor.insertBlock();
    PictureInsertion::insert(cursor, picture, room > 16 ? room : 16);
    cursor.endEditBlock();
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
}

void EditorPage::openLink(const QString &href)
{
    LinkOpening::open(href);
}

void EditorPage::toggleStyle(Style style)
{
    // A selection that is only partly styled becomes styled throughout.
    const bool on = !SelectionFormat::selectionHasStyle(m_edit->textCursor(),
                                                        m_edit->currentCharFormat(), style);
    m_edit->mergeCurrentCharFormat(SelectionFormat::styleFormat(style, on));
}

void EditorPage::setSelAlignment(int value)
{
    m_edit->setAlignment(SelectionFormat::alignmentFor(value));
}

void EditorPage::syncFormatActions()
{
    const QTextCharFormat format = m_edit->currentCharFormat();
    action("cuti")->setChecked(SelectionFormat::hasStyle(format, Style::Bold));
    action("xieti")->setChecked(SelectionFormat::hasStyle(format, Style::Italic));
    action("xhx")->setChecked(SelectionFormat::hasStyle(format, Style::Underline));
    const int value = SelectionFormat::alignmentValue(m_edit->alignment());
    action("zdq")->setChecked(value == SelectionFormat::AlignLeftValue);
    action("zhong")->setChecked(value == SelectionFormat::AlignCenterValue);
    action("ydq")->setChecked(value == SelectionFormat::AlignRightValue);
}

QAction *EditorPage::action(const char *key) const
{
    return m_toolbar->findChild<QAction *>(QLatin1String(key), Qt::FindDirectChildrenOnly);
}

void EditorPage::showContextMenu(const QPoint &globalPos)
{
    m_menu->popup(globalPos);
}

QString EditorPage::askFileName(bool forSaving)
{
    if (!m_dialog) {
        // One dialog for open and save, so the folder and name carry over between uses.
        m_dialog = new QFileDialog(this);
        m_dialog->setObjectName(QStringLiteral("CommonDialog1"));
    }
    m_dialog->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    m_dialog->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    m_dialog->setWindowTitle(forSaving ? QStringLiteral("保存") : QStringLiteral("打开"));
    m_dialog->setNameFilters(fileFilters());
    m_dialog->selectNameFilter(fileFilters().at(2));
    const bool chosen =
        m_dialog->exec() == QDialog::Accepted && !m_dialog->selectedFiles().isEmpty();
    m_edit->setFocus();
    if (!chosen)
        return QString();
    return m_dialog->selectedFiles().constFirst();
}

void EditorPage::showFileError(const QString &message)
{
    QMessageBox::warning(this, pageTitle(), message);
}

void EditorPage::showUnkeptContent(const QString &path)
{
    QMessageBox::information(
        this, pageTitle(),
        QStringLiteral("文件“%1”中有编辑器无法保留的内容：%2。保存时这些内容将会丢失。")
            .arg(QFileInfo(path).fileName(), m_unkept.join(QStringLiteral("，"))));
}

// Only a save over the opened file loses what it holds; another name leaves it there.
bool EditorPage::confirmLosingContent(const QString &path)
{
    if (m_unkept.isEmpty() || !samePath(path, m_unkeptPath))
        return true;
    QMessageBox box(QMessageBox::Question, pageTitle(),
                    QStringLiteral("保存到“%1”会丢失其中的%2。仍要保存吗？")
                        .arg(QFileInfo(path).fileName(), m_unkept.join(QStringLiteral("，"))),
                    QMessageBox::NoButton, this);
    QPushButton *save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("save"));
    cancel->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == save;
}

bool EditorPage::confirmClose()
{
    if (!m_unsaved)
        return true;
    QMessageBox box(QMessageBox::Question, pageTitle(),
                    QStringLiteral("编辑区的内容已经修改，还没有保存。要保存吗？"),
                    QMessageBox::NoButton, this);
    QPushButton *save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("save"));
    discard->setObjectName(QStringLiteral("discard"));
    cancel->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == discard)
        return true;
    if (box.clickedButton() == save)
        return saveCommand();
    return false;
}

void EditorPage::appendTransfer(const QString &headingLiteral, const QString &sentence)
{
    appendTransfer(headingLiteral, sentence, QDateTime::currentDateTime());
}

void EditorPage::appendTransfer(const QString &headingLiteral, const QString &sentence,
                                const QDateTime &when)
{
    // The caret goes to the end first, so the recorded caret marks the block's end.
    m_edit->moveCursor(QTextCursor::End);
    const QString block = TransferBlock::text(headingLiteral, sentence,
                                              TransferBlock::dateTimeText(when, QLocale::system()));
    const int end = TransferBlock::appendTo(m_edit->document(), block);
    QTextCursor caret = m_edit->textCursor();
    caret.setPosition(end);
    m_edit->setTextCursor(caret);
    m_edit->ensureCursorVisible();
}
