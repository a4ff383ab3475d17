#include "editor/text_edit_undo_adapter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString withBreaksAsNewlines(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1) // frame marks too
            c = u'\n';
    }
    return text;
}

} // namespace

QString TextEditUndoAdapter::text() const
{
    return withBreaksAsNewlines(m_edit->document()->toRawText());
}

int TextEditUndoAdapter::textLength() const
{
    return m_edit->document()->characterCount() - 1;
}

QString TextEditUndoAdapter::textRange(int start, int length) const
{
    if (length <= 0)
        return QString();
    const QTextDocument *doc = m_edit->document();
    if (length <= 16) {
        // A keystroke's worth: character by character, without a cursor laying out lines.
        QString chars(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            chars[i] = doc->characterAt(start + i);
        return withBreaksAsNewlines(chars);
    }
    QTextCursor cursor(m_edit->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    return withBreaksAsNewlines(cursor.selectedText());
}

int TextEditUndoAdapter::selectionStart() const
{
    return m_edit->textCursor().selectionStart();
}

void TextEditUndoAdapter::select(int start, int length)
{
    const int last = textLength();
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(qBound(0, start, last));
    cursor.setPosition(qBound(0, start + length, last), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
}

void TextEditUndoAdapter::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.insertText(text);
    m_edit->setTextCursor(cursor);
}

void TextEditUndoAdapter::setSelectionHidden(bool hidden)
{
    m_edit->viewport()->setUpdatesEnabled(!hidden);
}

void TextEditUndoAdapter::takeFocus()
{
    m_edit->setFocus();
}
