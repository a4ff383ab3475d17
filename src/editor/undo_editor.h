#pragma once

#include <QString>
#include <QTextDocumentFragment>

// What the undo history needs of an editor. Positions count characters from 0; a
// paragraph break is one character ('\n').
class UndoEditor
{
public:
    virtual ~UndoEditor() = default;

    virtual QString text() const = 0;
    virtual int textLength() const = 0;
    virtual QString textRange(int start, int length) const = 0;
    virtual int selectionStart() const = 0;
    // Caret ends at start + length.
    virtual void select(int start, int length) = 0;
    virtual void replaceSelection(const QString &text) = 0;
    // Keeps the selection from flickering while a step is applied.
    virtual void setSelectionHidden(bool hidden) = 0;
    virtual void takeFocus() = 0;

    // The range in formatted form when typing its plain text back at start would not
    // give it as it is; null when plain text does (an editor of plain text: always).
    virtual QTextDocumentFragment richRange(int start, int length) const
    {
        Q_UNUSED(start);
        Q_UNUSED(length);
        return {};
    }
    virtual void replaceSelectionFormatted(const QTextDocumentFragment &content)
    {
        replaceSelection(content.toPlainText());
    }
};
