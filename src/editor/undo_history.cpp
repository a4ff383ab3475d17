#include "editor/undo_history.h"

#include "editor/undo_editor.h"

#include <QScopeGuard>
#include <algorithm>

UndoHistory::UndoHistory(UndoEditor *editor) : m_editor(editor), m_newest(editor->text()) {}

void UndoHistory::Record(int position, int charsRemoved, int charsAdded)
{
    if (!m_trackChanges)
        return;
    const qsizetype oldLen = m_newest.size();
    const qsizetype newLen = m_editor->textLength();
    const qsizetype pos = std::clamp<qsizetype>(position, 0, oldLen);
    const qsizetype removed = std::clamp<qsizetype>(charsRemoved, 0, oldLen - pos);
    const qsizetype added =
        std::clamp<qsizetype>(charsAdded, 0, std::max<qsizetype>(0, newLen - pos));
    if (oldLen - removed + added != newLen) {
        Record(); // the reported range does not add up: compare the whole text
        return;
    }
    const QString inserted = m_editor->textRange(int(pos), int(added));
    TextDelta change = smallestDelta(QStringView(m_newest).mid(pos, removed), inserted);
    if (change.isEmpty())
        return; // formatting only
    change.Start += qint32(pos);
    appendSnapshot(m_editor->selectionStart(), change);
}

void UndoHistory::Record()
{
    if (!m_trackChanges)
        return;
    const TextDelta change = smallestDelta(m_newest, m_editor->text());
    if (change.isEmpty())
        return;
    appendSnapshot(m_editor->selectionStart(), change);
}

void UndoHistory::appendSnapshot(int selStart, const TextDelta &change)
{
    m_redoStack.clear();
    if (!m_undoStack.isEmpty()) {
        TextDelta back;
        back.Start = change.Start;
        back.SpanLen = qint32(change.Text.size());
        back.Text = m_newest.mid(change.Start, change.SpanLen);
        m_undoStack.last().Text = back;
    }
    m_newest.replace(change.Start, change.SpanLen, change.Text);
    UndoElement element;
    element.SelStart = selStart;
    element.TextLen = qint32(m_newest.size());
    m_undoStack.append(element);
}

// Recording pauses while a step replays; it resumes, and the editor takes the focus
// back, whatever the step did.
auto UndoHistory::replayStep()
{
    m_trackChanges = false;
    return qScopeGuard([this] {
        m_trackChanges = true;
        m_editor->takeFocus();
    });
}

void UndoHistory::Undo()
{
    if (m_undoStack.size() < 2 || !m_trackChanges) {
        m_editor->takeFocus();
        return;
    }
    const auto resume = replayStep();

    const UndoElement &newest = m_undoStack.last();
    const UndoElement &before = m_undoStack.at(m_undoStack.size() - 2);
    const QString previous = applyDelta(m_newest, before.Text);

    PlannedEdit planned;
    if (before.TextLen < newest.TextLen) {
        const qint32 d = newest.TextLen - before.TextLen;
        planned.change.Start = newest.SelStart - d;
        planned.change.SpanLen = d;
    } else {
        const qint32 d = qint32(qAbs(previous.size() - m_newest.size()));
        const QString r = Change(previous, m_newest, d + newest.SelStart + 1);
        planned.change.Start = newest.SelStart;
        planned.change.Text = r;
        planned.selectInserted = selectsInserted(r);
    }
    const QString shown = applyToEditor(planOrMend(planned, previous));

    UndoElement moved = m_undoStack.takeLast();
    moved.Text = smallestDelta(shown, m_newest);
    m_undoStack.last().Text = TextDelta();
    m_newest = shown;
    m_redoStack.append(moved);
}

void UndoHistory::redo()
{
    if (m_redoStack.isEmpty() || !m_trackChanges) {
        m_editor->takeFocus();
        return;
    }
    const auto resume = replayStep();

    const UndoElement &next = m_redoStack.last();
    const QString target = applyDelta(m_newest, next.Text);
    const qint32 current = qint32(m_newest.size());

    PlannedEdit planned;
    if (next.TextLen < current) {
        planned.change.Start = next.SelStart;
        planned.change.SpanLen = current - next.TextLen;
    } else {
        const QString r = Change(m_newest, target, next.SelStart + 1);
        planned.change.Start = next.SelStart - qint32(r.size());
        planned.change.Text = r;
        planned.selectInserted = selectsInserted(r);
    }
    const QString shown = applyToEditor(planOrMend(planned, target));

    UndoElement moved = m_redoStack.takeLast();
    m_undoStack.last().Text = smallestDelta(shown, m_newest);
    moved.Text = TextDelta();
    m_newest = shown;
    m_undoStack.append(moved);
}

QString UndoHistory::Change(const QString &a, const QString &b, qint32 p)
{
    const QString &longer = a.size() >= b.size() ? a : b;
    const qsizetype d = qAbs(a.size() - b.size());
    const qsizetype start = qsizetype(p) - d - 1;
    if (d == 0 || start < 0)
        return QString();
    return longer.mid(start, d);
}

bool UndoHistory::selectsInserted(const QString &inserted)
{
    return inserted != QStringLiteral("\r\n") && inserted.size() > 1;
}

UndoHistory::PlannedEdit UndoHistory::planOrMend(const PlannedEdit &planned,
                                                 const QString &target) const
{
    if (deltaReproduces(m_newest, planned.change, target))
        return planned;
    // The step replaced text, or its caret does not mark it: take the span that differs.
    PlannedEdit mended;
    mended.change = smallestDelta(m_newest, target);
    mended.selectInserted = selectsInserted(mended.change.Text);
    return mended;
}

QString UndoHistory::applyToEditor(const PlannedEdit &edit)
{
    const TextDelta &c = edit.change;
    m_editor->setSelectionHidden(true);
    const auto show = qScopeGuard([this] { m_editor->setSelectionHidden(false); });
    m_editor->select(c.Start, c.SpanLen);
    m_editor->replaceSelection(c.Text);
    if (edit.selectInserted)
        m_editor->select(c.Start, int(c.Text.size()));
    else
        m_editor->select(c.Start + int(c.Text.size()), 0);
    return m_editor->text();
}

namespace {
// Each element's text, rebuilt from the newest text back through the stack's deltas.
QStringList textsFrom(QString text, const QList<UndoElement> &stack)
{
    QStringList texts;
    for (qsizetype i = stack.size() - 1; i >= 0; --i) {
        text = applyDelta(text, stack.at(i).Text);
        texts.prepend(text);
    }
    return texts;
}
} // namespace

QStringList UndoHistory::undoTexts() const
{
    return textsFrom(m_newest, m_undoStack);
}

QStringList UndoHistory::redoTexts() const
{
    return textsFrom(m_newest, m_redoStack);
}

qsizetype UndoHistory::memoryUsage() const
{
    // A QString's heap block: a header of about three pointers plus its characters.
    const auto stringBytes = [](const QString &s) -> qsizetype {
        return s.isNull() ? 0 : qsizetype(3 * sizeof(void *)) + (s.capacity() + 1) * 2;
    };
    qsizetype bytes = stringBytes(m_newest);
    for (const QList<UndoElement> *stack : {&m_undoStack, &m_redoStack}) {
        bytes += stack->capacity() * qsizetype(sizeof(UndoElement));
        for (const UndoElement &e : *stack)
            bytes += stringBytes(e.Text.Text);
    }
    return bytes;
}
