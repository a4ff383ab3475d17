#include "editor/undo_history.h"

#include "editor/undo_editor.h"

#include <QScopeGuard>
#include <algorithm>
#include <utility>

UndoHistory::UndoHistory(UndoEditor *editor) : m_editor(editor), m_newest(editor->text()) {}

void UndoHistory::Record(int position, int charsRemoved, int charsAdded)
{
    if (!m_trackChanges)
        return;
    const PendingRemoval pending = std::exchange(m_pending, PendingRemoval());
    const qsizetype oldLen = m_newest.size();
    const qsizetype newLen = m_editor->textLength();
    const qsizetype pos = std::clamp<qsizetype>(position, 0, oldLen);
    const qsizetype removed = std::clamp<qsizetype>(charsRemoved, 0, oldLen - pos);
    const qsizetype added =
        std::clamp<qsizetype>(charsAdded, 0, std::max<qsizetype>(0, newLen - pos));
    if (oldLen - removed + added != newLen) {
        m_pending = pending;
        Record(); // the reported range does not add up: compare the whole text
        return;
    }
    const QString inserted = m_editor->textRange(int(pos), int(added));
    TextDelta change = smallestDelta(QStringView(m_newest).mid(pos, removed), inserted);
    if (change.isEmpty())
        return; // formatting only
    change.Start += qint32(pos);
    auto formatted = formattedStep(change, pending);
    appendSnapshot(m_editor->selectionStart(), change, std::move(formatted));
}

void UndoHistory::Record()
{
    if (!m_trackChanges)
        return;
    const PendingRemoval pending = std::exchange(m_pending, PendingRemoval());
    TextDelta change = smallestDelta(m_newest, m_editor->text());
    if (change.isEmpty())
        return;
    auto formatted = formattedStep(change, pending);
    appendSnapshot(m_editor->selectionStart(), change, std::move(formatted));
}

void UndoHistory::prepareRemoval(int start, int length)
{
    m_pending = PendingRemoval();
    if (!m_trackChanges || length <= 0)
        return;
    m_pending.Content = m_editor->richRange(start, length);
    if (!m_pending.Content.isEmpty()) {
        m_pending.Start = start;
        m_pending.Length = length;
    }
}

std::shared_ptr<FormattedStep> UndoHistory::formattedStep(TextDelta &change,
                                                          const PendingRemoval &pending) const
{
    const qint32 pendingEnd = pending.Start + pending.Length;
    if (!pending.Content.isEmpty() && change.Start >= pending.Start &&
        change.Start + change.SpanLen <= pendingEnd) {
        // The whole removed span is what comes back, not just the characters that differ.
        const qint32 afterLen = pending.Length + qint32(change.Text.size()) - change.SpanLen;
        if (afterLen >= 0) {
            if (afterLen != qint32(change.Text.size()) || pending.Start != change.Start)
                change.Text = m_editor->textRange(pending.Start, afterLen);
            change.Start = pending.Start;
            change.SpanLen = pending.Length;
            auto step = std::make_shared<FormattedStep>();
            step->Start = pending.Start;
            step->BeforeLen = pending.Length;
            step->AfterLen = afterLen;
            step->Before = pending.Content;
            return step;
        }
    }
    // Paragraphs, tables and pictures go in as a block that the caret need not mark the end
    // of (a new table leaves it in the first cell): keep where they went.
    if (change.SpanLen == 0 &&
        (change.Text.contains(u'\n') || change.Text.contains(QChar::ObjectReplacementCharacter))) {
        auto step = std::make_shared<FormattedStep>();
        step->Start = change.Start;
        step->AfterLen = qint32(change.Text.size());
        return step;
    }
    return nullptr;
}

void UndoHistory::appendSnapshot(int selStart, const TextDelta &change,
                                 std::shared_ptr<FormattedStep> formatted)
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
    element.Formatted = std::move(formatted);
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
    if (newest.Formatted) {
        planned = planFromStep(*newest.Formatted, true, previous);
    } else if (before.TextLen < newest.TextLen) {
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
    const PlannedEdit edit = planOrMend(planned, previous);
    QTextDocumentFragment removed;
    const QString shown = applyToEditor(edit, &removed);

    UndoElement moved = m_undoStack.takeLast();
    keepFormatted(moved, edit, true, removed);
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
    if (next.Formatted) {
        planned = planFromStep(*next.Formatted, false, target);
    } else if (next.TextLen < current) {
        planned.change.Start = next.SelStart;
        planned.change.SpanLen = current - next.TextLen;
    } else {
        const QString r = Change(m_newest, target, next.SelStart + 1);
        planned.change.Start = next.SelStart - qint32(r.size());
        planned.change.Text = r;
        planned.selectInserted = selectsInserted(r);
    }
    const PlannedEdit edit = planOrMend(planned, target);
    QTextDocumentFragment removed;
    const QString shown = applyToEditor(edit, &removed);

    UndoElement moved = m_redoStack.takeLast();
    keepFormatted(moved, edit, false, removed);
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
    PlannedEdit mended; // plain: a formatted span that does not fit is left out
    mended.change = smallestDelta(m_newest, target);
    mended.selectInserted = selectsInserted(mended.change.Text);
    return mended;
}

QString UndoHistory::applyToEditor(const PlannedEdit &edit, QTextDocumentFragment *removed)
{
    const TextDelta &c = edit.change;
    m_editor->setSelectionHidden(true);
    const auto show = qScopeGuard([this] { m_editor->setSelectionHidden(false); });
    if (c.SpanLen > 0)
        *removed = m_editor->richRange(c.Start, c.SpanLen);
    m_editor->select(c.Start, c.SpanLen);
    if (edit.content.isEmpty())
        m_editor->replaceSelection(c.Text);
    else
        m_editor->replaceSelectionFormatted(edit.content);
    if (edit.selectInserted)
        m_editor->select(c.Start, int(c.Text.size()));
    else
        m_editor->select(c.Start + int(c.Text.size()), 0);
    return m_editor->text();
}

UndoHistory::PlannedEdit UndoHistory::planFromStep(const FormattedStep &step, bool undo,
                                                   const QString &target)
{
    PlannedEdit planned;
    planned.fromStep = true;
    planned.change.Start = step.Start;
    planned.change.SpanLen = undo ? step.AfterLen : step.BeforeLen;
    planned.change.Text = target.mid(step.Start, undo ? step.BeforeLen : step.AfterLen);
    planned.content = undo ? step.Before : step.After;
    planned.selectInserted = selectsInserted(planned.change.Text);
    return planned;
}

void UndoHistory::keepFormatted(UndoElement &element, const PlannedEdit &edit, bool undo,
                                const QTextDocumentFragment &removed)
{
    if (edit.fromStep && element.Formatted) {
        (undo ? element.Formatted->After : element.Formatted->Before) = removed;
        return;
    }
    element.Formatted.reset();
    if (removed.isEmpty())
        return;
    // Plain text put the span back; the next replay of this step must bring back what it
    // took away.
    auto step = std::make_shared<FormattedStep>();
    step->Start = edit.change.Start;
    const qint32 put = qint32(edit.change.Text.size());
    step->BeforeLen = undo ? put : edit.change.SpanLen;
    step->AfterLen = undo ? edit.change.SpanLen : put;
    (undo ? step->After : step->Before) = removed;
    element.Formatted = std::move(step);
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

namespace {
// A fragment keeps a small document of its own: a rough figure for its heap.
qsizetype formattedBytes(const FormattedStep &step)
{
    qsizetype bytes = 0;
    for (const QTextDocumentFragment *f : {&step.Before, &step.After}) {
        if (!f->isEmpty())
            bytes += 4096 + 2 * f->toRawText().size();
    }
    return bytes;
}
} // namespace

qsizetype UndoHistory::memoryUsage() const
{
    // A QString's heap block: a header of about three pointers plus its characters.
    const auto stringBytes = [](const QString &s) -> qsizetype {
        return s.isNull() ? 0 : qsizetype(3 * sizeof(void *)) + (s.capacity() + 1) * 2;
    };
    qsizetype bytes = stringBytes(m_newest);
    for (const QList<UndoElement> *stack : {&m_undoStack, &m_redoStack}) {
        bytes += stack->capacity() * qsizetype(sizeof(UndoElement));
        for (const UndoElement &e : *stack) {
            bytes += stringBytes(e.Text.Text);
            if (e.Formatted)
                bytes += qsizetype(sizeof(FormattedStep)) + formattedBytes(*e.Formatted);
        }
    }
    return bytes;
}
