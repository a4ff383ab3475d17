#pragma once

#include "editor/recovery_schedule.h"

#include <QElapsedTimer>
#include <QObject>

class QTextDocument;
class QTimer;

// The editor's unsaved document, copied as RTF into the data directory while the user
// types, so that a crash, a kill or a power cut loses a few seconds at most. The copy never
// replaces the user's own file; whoever settles the document (save, close) discards it.
class RecoveryCopy : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryCopy(const QTextDocument *doc, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecoveryCopy)

    static QString filePath();
    // False when the copy is missing or not RTF (an empty or foreign file); into stays as it was.
    static bool read(const QString &path, QTextDocument *into);
    // Moves an unreadable copy out of the way, so no later copy overwrites it; returns where
    // it is now (its old place when it cannot move).
    static QString keepAside(const QString &path);

    // Off until the program has its data directory: an editor page on its own keeps no copy
    // and touches nothing on disk.
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }

    // "open" swaps in the file's own document; the copy follows what the editor shows.
    void setDocument(const QTextDocument *doc) { m_doc = doc; }
    void documentChanged();
    bool isPending() const;
    // Writes the copy at once (what the timer does when due); false when it cannot be written.
    bool writeNow();
    void discard();

private:
    const QTextDocument *m_doc = nullptr;
    RecoverySchedule m_schedule;
    QElapsedTimer m_clock;
    QTimer *m_timer = nullptr;
    bool m_enabled = false;
};
