#pragma once

#include <QList>

// "遍历": every combination of a box in order, like an odometer: the first column turns
// slowest, the last fastest, starting from every column's first entry and starting again
// after the last.
class CombinationWalk
{
public:
    // Back to the start; counts are the drawn columns' entry counts.
    void reset(const QList<int> &counts);

    // The next combination's positions; empty for a box with an empty column.
    QList<int> next();
    // 1-based number of the combination next() returned last; 0 before the first.
    quint64 step() const { return m_step; }

private:
    QList<int> m_counts;
    QList<int> m_positions;
    quint64 m_step = 0;
};
