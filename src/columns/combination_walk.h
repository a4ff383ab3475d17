#pragma once

#include <QList>
#include <memory>

class ConsistentBox;

// "遍历": every combination of a box in order, like an odometer: the first column turns
// slowest, the last fastest, starting from every column's first entry and starting again
// after the last. With ruled-out pairs it steps over the combinations that hold one.
class CombinationWalk
{
public:
    // Back to the start; counts are the drawn columns' entry counts.
    void reset(const QList<int> &counts);
    // Back to the start of the box's consistent combinations.
    void resetOver(std::shared_ptr<const ConsistentBox> box);

    // The next combination's positions; empty for a box with an empty column (or with no
    // consistent combination).
    QList<int> next();
    // 1-based number of the combination next() returned last; 0 before the first.
    quint64 step() const { return m_step; }

private:
    QList<int> m_counts;
    std::shared_ptr<const ConsistentBox> m_box; // none: every combination counts
    QList<int> m_positions;
    quint64 m_step = 0;
};
