#include "editor/recovery_schedule.h"

void RecoverySchedule::changed(qint64 nowMs)
{
    if (m_firstChange < 0)
        m_firstChange = nowMs;
    m_lastChange = nowMs;
}

void RecoverySchedule::written()
{
    m_firstChange = -1;
    m_lastChange = -1;
}

qint64 RecoverySchedule::dueAt() const
{
    return qMin(m_lastChange + QuietMs, m_firstChange + LongestMs);
}
