#include "editor/text_edit_undo_adapter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QTextCharFormat formatAt(const QTextBlock &block, int position)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (position >= f.position() && position < f.position() + f.length())
            return f.charFormat();
    }
    return block.charFormat();
}

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

bool TextEditUndoAdapter::plainTypingRestores(const QTextDocument &doc, int start, int length)
{
    const QTextBlock block = doc.findBlock(start);
    const int blockEnd = block.position() + block.length() - 1; // the break's position
    if (!block.isValid() || start + length > blockEnd)
        return false;
    // What QTextCursor::insertText would take at start with the range gone.
    QTextCharFormat expected;
    if (start > block.position())
        expected = formatAt(block, start - 1);
    else if (start + length < blockEnd)
        expected = formatAt(block, start + length);
    else
        expected = block.charFormat();
    expected.clearProperty(QTextFormat::ObjectType);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.position() + f.length() <= start || f.position() >= start + length)
            continue;
        if (f.charFormat().isImageFormat() || f.charFormat() != expected ||
            f.text().contains(QChar::ObjectReplacementCharacter))
            return false;
    }
    return true;
}

QTextDocumentFragment TextEditUndoAdapter::richRange(int start, int length) const
{
    QTextDocument *doc = m_edit->document();
    if (length <= 0 || start < 0 || start + length > textLength() ||
        plainTypingRestores(*doc, start, length))
        return {};
    QTextCursor cursor(doc);
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    // Cells picked out of a table are not one span that could go back in one piece.
    if (cursor.hasComplexSelection() || cursor.selectionStart() != start ||
        cursor.selectionEnd() != start + length)
        return {};
    return cursor.selection();
}

void TextEditUndoAdapter::replaceSelectionFormatted(const QTextDocumentFragment &content)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.insertFragment(content);
    m_edit->setTextCursor(cursor);
}
