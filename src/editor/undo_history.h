#pragma once

//  editor change ──Record──▶ UndoStack ──Undo──▶ RedoStack
//                               ▲                    │
//                               └────────redo────────┘
//  The newest snapshot's text is held whole (m_newest); every other snapshot keeps only
//  the span by which it differs from its neighbour nearer the newest.

#include "editor/undo_element.h"

#include <QList>
#include <QStringList>

class UndoEditor;

class UndoHistory
{
public:
    // Takes the editor's present text as the starting point; no snapshot is made of it.
    explicit UndoHistory(UndoEditor *editor);
    Q_DISABLE_COPY_MOVE(UndoHistory)

    // The editor's change notification, with the changed range it reports (counts may
    // overshoot, as QTextDocument::contentsChange's do). Changes of formatting alone are
    // not recorded.
    void Record(int position, int charsRemoved, int charsAdded);
    // The same without a range: compares the editor's whole text with the newest state.
    void Record();

    void Undo();
    void redo();

    // The editor is about to remove length characters at start (a key, a cut, a command):
    // what is there is kept in formatted form for the change recorded next.
    void prepareRemoval(int start, int length);
    void dropPendingRemoval() { m_pending = PendingRemoval(); }

    // The characters by which the longer of a and b exceeds the shorter, read from the
    // longer one at the 1-based position p minus the difference; null when that
    // position lies before the text.
    static QString Change(const QString &a, const QString &b, qint32 p);

    bool TrackChanges() const { return m_trackChanges; }
    void setTrackChanges(bool on) { m_trackChanges = on; }

    const QList<UndoElement> &UndoStack() const { return m_undoStack; }
    const QList<UndoElement> &RedoStack() const { return m_redoStack; }
    // Every snapshot's text, oldest first (undo) or as stored (redo); for checks.
    QStringList undoTexts() const;
    QStringList redoTexts() const;

    // Bytes held by the history, its newest text included.
    qsizetype memoryUsage() const;

private:
    auto replayStep();
    struct PlannedEdit
    {
        TextDelta change;
        bool selectInserted = false;
        // Inserted instead of change.Text when set; only for a plan from the step's own span.
        QTextDocumentFragment content;
        bool fromStep = false;
    };
    struct PendingRemoval
    {
        qint32 Start = -1;
        qint32 Length = 0;
        QTextDocumentFragment Content;
    };

    void appendSnapshot(int selStart, const TextDelta &change,
                        std::shared_ptr<FormattedStep> formatted = nullptr);
    // The formatted record of a change, widened to the pending removal it came from.
    std::shared_ptr<FormattedStep> formattedStep(TextDelta &change,
                                                 const PendingRemoval &pending) const;
    static PlannedEdit planFromStep(const FormattedStep &step, bool undo, const QString &target);
    // Applies edit to the editor; returns the editor's text afterwards and, in removed, the
    // span it replaced when plain text would not restore it.
    QString applyToEditor(const PlannedEdit &edit, QTextDocumentFragment *removed);
    // What an undo (or redo) of element leaves for the way back.
    static void keepFormatted(UndoElement &element, const PlannedEdit &edit, bool undo,
                              const QTextDocumentFragment &removed);
    // The step as planned when it gives exactly target, else the smallest span that does.
    PlannedEdit planOrMend(const PlannedEdit &planned, const QString &target) const;
    static bool selectsInserted(const QString &inserted);

    UndoEditor *m_editor = nullptr;
    QList<UndoElement> m_undoStack;
    QList<UndoElement> m_redoStack;
    QString m_newest;
    PendingRemoval m_pending;
    bool m_trackChanges = true;
};
