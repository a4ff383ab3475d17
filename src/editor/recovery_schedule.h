#pragma once

#include <QtGlobal>

// When the editor's recovery copy is due: after a quiet spell following the last change, and
// never later than a fixed time after the first change the copy does not hold yet, so that
// steady typing still gets copied. Times are milliseconds on any steady clock.
class RecoverySchedule
{
public:
    static constexpr qint64 QuietMs = 5000;
    static constexpr qint64 LongestMs = 30000;

    void changed(qint64 nowMs);
    void written();
    bool isPending() const { return m_firstChange >= 0; }
    // Only meaningful while a change is pending.
    qint64 dueAt() const;

private:
    qint64 m_firstChange = -1;
    qint64 m_lastChange = -1;
};
