#include "editor/rich_text_box.h"

#include "editor/key_removal.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichTextBox1"));
    setAccessibleName(QStringLiteral("编辑区"));
    setUndoRedoEnabled(false); // the page keeps its own history
    setAcceptRichText(false);
    viewport()->setMouseTracking(true); // the pointer shows where a link is
}

QString RichTextBox::commandKeyFor(const QKeyEvent *event)
{
    const QKeyCombination combo = event->keyCombination();
    if (event->matches(QKeySequence::Undo))
        return QStringLiteral("cmdundo");
    if (event->matches(QKeySequence::Redo) ||
        combo == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        combo == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return QStringLiteral("huifu");
    if (event->matches(QKeySequence::Cut))
        return QStringLiteral("cut");
    if (event->matches(QKeySequence::Copy))
        return QStringLiteral("copy");
    if (event->matches(QKeySequence::Paste))
        return QStringLiteral("paste");
    return QString();
}

bool RichTextBox::event(QEvent *event)
{
    // QTextEdit claims these keys for itself; let the page's shortcuts have them.
    if (event->type() == QEvent::ShortcutOverride &&
        !commandKeyFor(static_cast<QKeyEvent *>(event)).isEmpty()) {
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    // Reached when no shortcut took the key (for example outside an active window).
    const QString key = commandKeyFor(event);
    if (!key.isEmpty()) {
        emit commandKeyPressed(key);
        event->accept();
        return;
    }
    const KeyRemoval::Span removal = KeyRemoval::spanRemovedBy(textCursor(), event);
    if (removal.length <= 0) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    emit aboutToRemove(removal.start, removal.length);
    QTextEdit::keyPressEvent(event);
    emit removalHandled();
}

void RichTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QTextCursor cursor = textCursor();
    const bool replaces = cursor.hasSelection() &&
                          (!event->commitString().isEmpty() || !event->preeditString().isEmpty());
    if (replaces)
        emit aboutToRemove(cursor.selectionStart(),
                           cursor.selectionEnd() - cursor.selectionStart());
    QTextEdit::inputMethodEvent(event);
    if (replaces)
        emit removalHandled();
}

void RichTextBox::mouseMoveEvent(QMouseEvent *event)
{
    const QString href = anchorAt(event->position().toPoint());
    viewport()->setCursor(href.isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
    QTextEdit::mouseMoveEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit contextMenuWanted(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier) {
        const QString href = anchorAt(event->position().toPoint());
        if (!href.isEmpty()) {
            emit linkActivated(href);
            event->accept();
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    // The right button's press has shown the menu already; the menu key shows it too.
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit contextMenuWanted(viewport()->mapToGlobal(cursorRect().bottomLeft()));
    event->accept();
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        replaceSelectionWithPlainText(source->text());
}

void RichTextBox::replaceSelectionWithPlainText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    QTextCursor cursor = textCursor();
    cursor.insertText(plain);
    setTextCursor(cursor);
    ensureCursorVisible();
}
