#pragma once

#include "columns/combination_count.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <memory>
#include <optional>

class ConsistentBox;
class RandomSource;

// "不重复": draws combinations of a box (one entry position per drawn column) and never
// gives the same one twice until reset. Below half of the box used it draws, and draws
// again on a repeat; past half it picks among the unused ones, which then number at most
// what was produced. Memory grows with what was produced, not with the box.
class NoRepeatDraw
{
public:
    // Forgets every produced combination; counts are the drawn columns' entry counts.
    void reset(const QList<int> &counts);
    // The same over the consistent combinations of a box with ruled-out pairs.
    void resetOver(std::shared_ptr<const ConsistentBox> box);

    // A combination not produced since the last reset, drawn from source (one draw per
    // column, in column order); nothing when every combination was produced.
    std::optional<QList<int>> next(RandomSource &source);

    qsizetype producedCount() const { return m_produced.size(); }
    bool isExhausted() const;

private:
    QByteArray keyOf(const QList<int> &positions) const;
    QList<int> positionsOfKey(const QByteArray &key) const;
    QList<int> positionsOf(quint64 index) const;
    void collectUnused();
    std::optional<QList<int>> drawFresh(RandomSource &source);
    QList<int> nextUnusedAfter(QList<int> positions) const;
    std::optional<QList<int>> pickUnused(RandomSource &source);

    QList<int> m_counts;
    std::shared_ptr<const ConsistentBox> m_box; // none: every combination counts
    CombinationCount m_size;
    QSet<QByteArray> m_produced;
    // Past half: the combinations not yet produced, collected once.
    QList<QByteArray> m_unused;
    bool m_picking = false;
};
