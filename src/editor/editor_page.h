#pragma once

//  EditorPage ─┬─ Toolbar1 (EditorActions) ──▶ Toolbar1_ButtonClick(key)
//              ├─ RichTextBox1 (RichTextBox) ── contentsChange ──▶ UndoHistory
//              ├─ wenjian context menu, Label38, Frame12 (links/)
//              └─ EditorFile (RTF / plain text), EditorPrinting, TransferBlock

#include "editor/picture_insertion.h"
#include "editor/selection_format.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class EditorTools;
class QAction;
class QDateTime;
class QFileDialog;
class QLabel;
class QMenu;
class QPrinter;
class QTextDocument;
class QToolBar;
class RecoveryCopy;
class RichTextBox;
class TextEditUndoAdapter;
class UndoHistory;

class EditorPage : public QWidget
{
    Q_OBJECT

public:
    explicit EditorPage(QWidget *parent = nullptr);
    ~EditorPage() override;
    Q_DISABLE_COPY_MOVE(EditorPage)

    // The heading line of a new document (thirty blanks, the words between equals signs).
    static QString headingText();

    // Asked before the window closes: unsaved changes ask 保存 / 不保存 / 取消.
    // False keeps the window open.
    bool confirmClose();
    bool hasUnsavedChanges() const { return m_unsaved; }

    // A prompt page's "传送=>": the block at the end of the document, caret after it.
    void appendTransfer(const QString &headingLiteral, const QString &sentence);
    void appendTransfer(const QString &headingLiteral, const QString &sentence,
                        const QDateTime &when);

    // A toolbar button by its key, compared exactly; an unknown key does nothing. Every
    // command runs under one guard: a failure ends it silently, keeping what was done.
    void Toolbar1_ButtonClick(const QString &key);

    // The file and print work without their dialogs; open and save show a message
    // naming the file when it fails, and the editor keeps its content. A file holding what
    // the editor cannot keep says so when opened, and saving over it asks first.
    bool openFrom(const QString &path);
    bool saveTo(const QString &path);
    // "插入图片…" without its dialog: the picture at the caret, or a message saying why not.
    bool insertPictureFrom(const QString &path);
    // A recovered document replaces the content and counts as unsaved.
    void restoreUnsaved(const QTextDocument &content);
    // The printer's print range chooses the selection or the whole document.
    void printTo(QPrinter *printer);

    RichTextBox *editor() const { return m_edit; }
    UndoHistory &history() const { return *m_history; }
    RecoveryCopy &recoveryCopy() const { return *m_recovery; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RichTextBox1_Change(int position, int charsRemoved, int charsAdded);
    void runCommand(const QString &key);

    void newDocument();
    void openCommand();
    bool saveCommand();
    void printCommand();
    void copySelection();
    void cutSelection();
    void pasteClipboard();
    void deleteSelection();
    void insertPictureCommand();
    void insertPicture(const PictureInsertion::Picture &picture);
    // The history keeps what the selection (or the whole text) holds before it goes.
    void noteRemoval(int start, int length);
    void openLink(const QString &href);
    void toggleStyle(SelectionFormat::Style style);
    void setSelAlignment(int value);

    QString askFileName(bool forSaving);
    void showFileError(const QString &message);
    void showUnkeptContent(const QString &path);
    bool confirmLosingContent(const QString &path);
    void showContextMenu(const QPoint &globalPos);
    void syncFormatActions();
    QAction *action(const char *key) const;

    RichTextBox *m_edit = nullptr;
    QToolBar *m_toolbar = nullptr;
    QMenu *m_menu = nullptr;
    QLabel *m_label = nullptr;
    QFileDialog *m_dialog = nullptr;
    EditorTools *m_tools = nullptr;
    std::unique_ptr<TextEditUndoAdapter> m_adapter;
    std::unique_ptr<UndoHistory> m_history;
    RecoveryCopy *m_recovery = nullptr;
    bool m_unsaved = false;
    // The opened file whose content a save over it would lose, and what that is.
    QString m_unkeptPath;
    QStringList m_unkept;
};
