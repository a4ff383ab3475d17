#pragma once

#include "columns/consistent_count.h"
#include "columns/wide_count.h"

#include <QList>
#include <QStringList>
#include <optional>

class ExclusionSet;
class RandomSource;

// A page's combination box with its ruled-out pairs applied: one entry position per drawn
// column, consistent when no two of its words (nor one of them and a word that stands fixed
// in an undrawn column) form a ruled-out pair. Built afresh whenever the box or the pairs
// change; it reads nothing after that.
class ConsistentBox
{
public:
    // Every combination of a box of these entry counts: nothing ruled out.
    explicit ConsistentBox(const QList<int> &counts = {});
    ConsistentBox(const QList<QStringList> &columns, const QStringList &fixedWords,
                  const ExclusionSet &exclusions);

    // Some combination of the box is ruled out; when not, the box is the plain product.
    bool restricts() const { return m_restricts; }
    const QList<int> &counts() const { return m_counts; }
    WideCount total() const;

    // The consistent ones: exact, or estimated where counting would take too long.
    bool isCountExact() const { return m_count.has_value(); }
    std::optional<WideCount> exactCount() const { return m_count; }
    const ConsistentCount::Estimate &estimate() const { return m_estimate; }
    // Exactly none is consistent (also true of a box with an empty column).
    bool isEmpty() const;

    // What the count works on (benchmarks and tests count it with other budgets).
    const ConsistentCount::Problem &problem() const { return m_problem; }

    bool isConsistent(const QList<int> &positions) const;
    // The first consistent combination at or after positions in the walk's order (first
    // column slowest), or strictly after it; nothing past the last.
    std::optional<QList<int>> firstFrom(const QList<int> &positions) const;
    std::optional<QList<int>> after(const QList<int> &positions) const;

    // A consistent combination, every one equally likely: whole draws (one per column, in
    // column order, as the page draws without pairs) until one is consistent; when the box is
    // mostly ruled out, a draw weighted by the exact counts instead. Nothing when none is.
    std::optional<QList<int>> draw(RandomSource &source) const;

    // Streams the consistent combinations in the walk's order, none kept:
    //     for (ConsistentBox::Cursor c(box); c.next();) use(c.positions());
    class Cursor
    {
    public:
        explicit Cursor(const ConsistentBox &box) : m_box(&box) {}
        bool next();
        const QList<int> &positions() const { return m_positions; }

    private:
        const ConsistentBox *m_box;
        QList<int> m_positions;
        bool m_started = false;
    };

    // Tries of whole draws before a draw from the exact counts, and in all.
    static constexpr int QuickTries = 64;
    static constexpr int MaxTries = 100000;

private:
    static constexpr int Free = -1;
    static constexpr int Ruled = -2; // ruled out beside a fixed word

    int entry(int column, int position) const;
    std::optional<QList<int>> drawFromCounts(RandomSource &source) const;
    void countConsistent();

    QList<int> m_counts;
    bool m_restricts = false;
    bool m_impossible = false;
    QList<QList<int>> m_entries;       // per column and position: node, Free or Ruled
    QList<QList<int>> m_nodePositions; // per node: the positions its word takes
    QList<QList<int>> m_freePositions; // per column
    QList<quint64> m_liveWeight;       // per column: entries not ruled out by a fixed word
    ConsistentCount::Problem m_problem;
    std::optional<WideCount> m_count;
    ConsistentCount::Estimate m_estimate;
};
