#pragma once

#include "columns/wide_count.h"

#include <QList>
#include <optional>

// Counting the combinations of a box that hold no ruled-out pair. Only the entries whose
// word is ruled out beside a word of another column take part ("nodes", one per column
// and word, weighted by how often the word stands there); every other entry of a column is
// free and counted by multiplication. Nodes that share no pair fall apart into groups, each
// tabled by which columns it fills; columns that share no pair multiply.
namespace ConsistentCount {

struct Node
{
    int column = 0;
    quint64 weight = 0; // 0: out of the box
    QList<int> neighbours;
};

struct Problem
{
    QList<quint64> freeWeight; // per column
    QList<Node> nodes;
    bool impossible = false; // two fixed words ruled out together

    int columnCount() const { return int(freeWeight.size()); }
    // The problem with column fixed to one free entry, or to node's word.
    Problem withFree(int column) const;
    Problem withNode(int node) const;
};

// The exact number of consistent combinations; nothing when the work ran past budget
// (about one unit per table entry touched).
std::optional<WideCount> exact(const Problem &problem, qint64 budget);

struct Estimate
{
    long double value = 0;
    long double halfWidth = 0; // 95% bound
    int samples = 0;
};

struct Tally
{
    std::optional<WideCount> exact;
    Estimate estimate; // where exact is missing
};

// The exact count where the budget allows; past it, an unbiased estimate from random
// column-by-column completions (each weighted by the choices it had) over the columns it
// could not finish, the rest exact. The same problem always gives the same estimate.
Tally tally(const Problem &problem, qint64 budget, int samples, qint64 maxMilliseconds);

} // namespace ConsistentCount
