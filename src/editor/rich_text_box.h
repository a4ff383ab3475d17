#pragma once

#include <QTextEdit>

// RichTextBox1: a QTextEdit whose clipboard, undo and redo keys go to the page's own
// commands, whose right button asks for the page's context menu, and which takes only
// plain text from the clipboard or a drop. A link opens on Ctrl+click; a plain click only
// places the caret.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The toolbar key a key event stands for ("cmdundo", "huifu", "cut", "copy",
    // "paste"), or an empty string.
    static QString commandKeyFor(const QKeyEvent *event);

    // Replaces the selection by text as plain text; CR LF and a lone CR are one break.
    void replaceSelectionWithPlainText(const QString &text);

signals:
    void commandKeyPressed(const QString &key);
    void contextMenuWanted(const QPoint &globalPos);
    // Around a key or an input method's text that takes characters out: the span it takes.
    void aboutToRemove(int start, int length);
    void removalHandled();
    void linkActivated(const QString &href);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
