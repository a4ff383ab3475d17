#include "editor/key_removal.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace KeyRemoval {

namespace {

Span spanTo(const QTextCursor &cursor, QTextCursor::MoveOperation move)
{
    QTextCursor moved = cursor;
    moved.movePosition(move, QTextCursor::KeepAnchor);
    return {moved.selectionStart(), moved.selectionEnd() - moved.selectionStart()};
}

bool typesText(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Tab)
        return true;
    const QString text = event->text();
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return !text.isEmpty() && text.at(0).isPrint() &&
           (mods == Qt::NoModifier || mods == (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

Span spanRemovedBy(const QTextCursor &cursor, const QKeyEvent *event)
{
    const bool backspace = event->key() == Qt::Key_Backspace &&
                           !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    const bool deletes = backspace || event->matches(QKeySequence::Delete) ||
                         event->matches(QKeySequence::DeleteStartOfWord) ||
                         event->matches(QKeySequence::DeleteEndOfWord) ||
                         event->matches(QKeySequence::DeleteEndOfLine) ||
                         event->matches(QKeySequence::DeleteCompleteLine) ||
                         event->matches(QKeySequence::Cut);
    if (cursor.hasSelection())
        return deletes || typesText(event)
                   ? Span{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()}
                   : Span{};
    const int pos = cursor.position();
    if (backspace) {
        if (pos == 0 ||
            cursor.atBlockStart() && (cursor.currentList() || cursor.blockFormat().indent() > 0))
            return {}; // leaves a list or an indent, removes nothing
        const QChar before = cursor.document()->characterAt(pos - 1);
        const int n = before.isLowSurrogate() && pos >= 2 ? 2 : 1;
        return {pos - n, n};
    }
    if (event->matches(QKeySequence::Delete))
        return spanTo(cursor, QTextCursor::NextCharacter);
    if (event->matches(QKeySequence::DeleteStartOfWord))
        return spanTo(cursor, QTextCursor::PreviousWord);
    if (event->matches(QKeySequence::DeleteEndOfWord))
        return spanTo(cursor, QTextCursor::NextWord);
    if (event->matches(QKeySequence::DeleteEndOfLine)) {
        const QTextBlock block = cursor.block();
        if (pos == block.position() + block.length() - 2)
            return spanTo(cursor, QTextCursor::Right);
        return spanTo(cursor, QTextCursor::EndOfBlock);
    }
    return {};
}

} // namespace KeyRemoval
