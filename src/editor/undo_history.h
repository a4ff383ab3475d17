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
    };

    void appendSnapshot(int selStart, const TextDelta &change);
    // Applies edit to the editor; returns the editor's text afterwards.
    QString applyToEditor(const PlannedEdit &edit);
    // The step as planned when it gives exactly target, else the smallest span that does.
    PlannedEdit planOrMend(const PlannedEdit &planned, const QString &target) const;
    static bool selectsInserted(const QString &inserted);

    UndoEditor *m_editor = nullptr;
    QList<UndoElement> m_undoStack;
    QList<UndoElement> m_redoStack;
    QString m_newest;
    bool m_trackChanges = true;
};
