#pragma once

#include "editor/undo_editor.h"

class QTextDocument;
class QTextEdit;

// The undo history's view of a QTextEdit. A paragraph break reads as '\n'; every other
// character as the document stores it, so positions match the document's.
class TextEditUndoAdapter final : public UndoEditor
{
public:
    explicit TextEditUndoAdapter(QTextEdit *edit) : m_edit(edit) {}

    QString text() const override;
    int textLength() const override;
    QString textRange(int start, int length) const override;
    int selectionStart() const override;
    void select(int start, int length) override;
    void replaceSelection(const QString &text) override;
    void setSelectionHidden(bool hidden) override;
    void takeFocus() override;
    QTextDocumentFragment richRange(int start, int length) const override;
    void replaceSelectionFormatted(const QTextDocumentFragment &content) override;

    // True when typing the range's characters back at start, once they are gone, gives
    // them as they are: one paragraph, no picture, the format the caret would take there.
    static bool plainTypingRestores(const QTextDocument &doc, int start, int length);

private:
    QTextEdit *m_edit = nullptr;
};
