#include "columns/consistent_count.h"

#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace ConsistentCount {

Problem Problem::withFree(int column) const
{
    Problem fixed = *this;
    fixed.freeWeight[column] = 1;
    for (Node &node : fixed.nodes) {
        if (node.column == column)
            node.weight = 0;
    }
    return fixed;
}

Problem Problem::withNode(int chosen) const
{
    Problem fixed = *this;
    const int column = nodes.at(chosen).column;
    fixed.freeWeight[column] = 0;
    for (Node &node : fixed.nodes) {
        if (node.column == column)
            node.weight = 0;
    }
    for (int neighbour : nodes.at(chosen).neighbours)
        fixed.nodes[neighbour].weight = 0;
    fixed.nodes[chosen].weight = 1;
    return fixed;
}

namespace {

// Columns beyond this many in one connected group would need too large a table.
constexpr int MaxGroupColumns = 16;

using Table = QHash<quint32, WideCount>; // filled columns (local bits) -> weight

// The problem reduced to what needs enumerating: nodes with a live neighbour, in groups
// joined by pairs; a node with none counts as a free entry of its column.
struct Prepared
{
    QList<quint64> free;
    QList<QList<int>> neighbours;     // live ones, per node
    QList<QList<int>> groups;         // nodes joined by pairs
    QList<QList<int>> columnGroups;   // groups sharing columns, as indices into groups
    QList<QList<int>> columnsOfGroup; // per column group, ascending
};

Prepared prepare(const Problem &problem)
{
    Prepared prepared;
    prepared.free = problem.freeWeight;
    const int nodeCount = int(problem.nodes.size());
    prepared.neighbours.resize(nodeCount);
    for (int v = 0; v < nodeCount; ++v) {
        const Node &node = problem.nodes.at(v);
        if (node.weight == 0)
            continue;
        for (int u : node.neighbours) {
            if (problem.nodes.at(u).weight > 0)
                prepared.neighbours[v].append(u);
        }
        if (prepared.neighbours.at(v).isEmpty())
            prepared.free[node.column] += node.weight;
    }

    QList<int> groupOf(nodeCount, -1);
    for (int start = 0; start < nodeCount; ++start) {
        if (groupOf.at(start) >= 0 || prepared.neighbours.at(start).isEmpty())
            continue;
        const int group = int(prepared.groups.size());
        QList<int> members{start};
        groupOf[start] = group;
        for (qsizetype i = 0; i < members.size(); ++i) {
            for (int u : prepared.neighbours.at(members.at(i))) {
                if (groupOf.at(u) < 0) {
                    groupOf[u] = group;
                    members.append(u);
                }
            }
        }
        prepared.groups.append(members);
    }

    // Columns joined through any group form one column group.
    const int columns = problem.columnCount();
    QList<int> parent(columns);
    for (int c = 0; c < columns; ++c)
        parent[c] = c;
    const auto root = [&parent](int c) {
        while (parent.at(c) != c)
            c = parent[c] = parent.at(parent.at(c));
        return c;
    };
    for (const QList<int> &group : std::as_const(prepared.groups)) {
        const int first = root(problem.nodes.at(group.constFirst()).column);
        for (int v : group)
            parent[root(problem.nodes.at(v).column)] = first;
    }
    QHash<int, int> indexOfRoot;
    for (qsizetype g = 0; g < prepared.groups.size(); ++g) {
        const int r = root(problem.nodes.at(prepared.groups.at(g).constFirst()).column);
        if (!indexOfRoot.contains(r)) {
            indexOfRoot.insert(r, int(prepared.columnGroups.size()));
            prepared.columnGroups.append(QList<int>());
            QList<int> members;
            for (int c = 0; c < columns; ++c) {
                if (root(c) == r)
                    members.append(c);
            }
            prepared.columnsOfGroup.append(members);
        }
        prepared.columnGroups[indexOfRoot.value(r)].append(int(g));
    }
    return prepared;
}

// Weighted ways the group's nodes can fill each set of columns without a ruled-out pair,
// column by column, remembering only the chosen nodes that still have a neighbour to come.
std::optional<Table> groupTable(const Problem &problem, const Prepared &prepared,
                                const QList<int> &group, const QHash<int, int> &localBit,
                                qint64 *work, qint64 budget)
{
    QList<int> columns;
    for (int v : group)
        columns.append(problem.nodes.at(v).column);
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    QHash<int, int> order;
    for (qsizetype i = 0; i < columns.size(); ++i)
        order.insert(columns.at(i), int(i));

    QHash<int, int> lastNeeded; // order position of the node's last neighbour column
    QSet<quint64> edges;
    QList<QList<int>> nodesAt(columns.size());
    for (int v : group) {
        int last = -1;
        for (int u : prepared.neighbours.at(v)) {
            last = std::max(last, order.value(problem.nodes.at(u).column));
            edges.insert(quint64(quint32(v)) << 32 | quint32(u));
        }
        lastNeeded.insert(v, last);
        nodesAt[order.value(problem.nodes.at(v).column)].append(v);
    }

    // Key: filled columns, then the remembered nodes in ascending order.
    QHash<QList<int>, WideCount> states{{QList<int>{0}, WideCount(1)}};
    for (int position = 0; position < columns.size(); ++position) {
        const int bit = 1 << localBit.value(columns.at(position));
        QHash<QList<int>, WideCount> next;
        next.reserve(states.size() * 2);
        const auto keep = [&](QList<int> key, const WideCount &weight) {
            key.erase(std::remove_if(key.begin() + 1, key.end(),
                                     [&](int v) { return lastNeeded.value(v) <= position; }),
                      key.end());
            next[key] += weight;
        };
        for (auto it = states.cbegin(); it != states.cend(); ++it) {
            const QList<int> &key = it.key();
            keep(key, it.value());
            for (int v : nodesAt.at(position)) {
                if (++*work > budget)
                    return std::nullopt;
                bool clash = false;
                for (qsizetype i = 1; i < key.size() && !clash; ++i)
                    clash = edges.contains(quint64(quint32(v)) << 32 | quint32(key.at(i)));
                if (clash)
                    continue;
                QList<int> chosen = key;
                chosen[0] |= bit;
                chosen.insert(std::lower_bound(chosen.begin() + 1, chosen.end(), v), v);
                keep(chosen, it.value() * WideCount(problem.nodes.at(v).weight));
            }
        }
        states = std::move(next);
    }
    Table table;
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        table[quint32(it.key().at(0))] += it.value();
    return table;
}

Table convolve(const Table &a, const Table &b, qint64 *work)
{
    Table product;
    for (auto i = a.cbegin(); i != a.cend(); ++i) {
        for (auto j = b.cbegin(); j != b.cend(); ++j) {
            ++*work;
            if ((i.key() & j.key()) == 0)
                product[i.key() | j.key()] += i.value() * j.value();
        }
    }
    return product;
}

// One column group: which columns its nodes fill, the free entries filling the others.
std::optional<WideCount> columnGroupCount(const Problem &problem, const Prepared &prepared,
                                          int columnGroup, qint64 *work, qint64 budget)
{
    const QList<int> &columns = prepared.columnsOfGroup.at(columnGroup);
    const int width = int(columns.size());
    if (width > MaxGroupColumns)
        return std::nullopt;
    QHash<int, int> localBit;
    for (int i = 0; i < width; ++i)
        localBit.insert(columns.at(i), i);

    // Groups filling the same columns merge first: far fewer passes over the big table.
    QHash<quint32, Table> bySupport;
    for (int g : prepared.columnGroups.at(columnGroup)) {
        const QList<int> &group = prepared.groups.at(g);
        std::optional<Table> table = groupTable(problem, prepared, group, localBit, work, budget);
        if (!table)
            return std::nullopt;
        quint32 support = 0;
        for (int v : group)
            support |= 1u << localBit.value(problem.nodes.at(v).column);
        auto found = bySupport.find(support);
        if (found == bySupport.end())
            bySupport.insert(support, *table);
        else
            *found = convolve(*found, *table, work);
        if (*work > budget)
            return std::nullopt;
    }

    const int masks = 1 << width;
    std::vector<WideCount> ways(static_cast<size_t>(masks));
    ways[0] = 1;
    for (auto it = bySupport.cbegin(); it != bySupport.cend(); ++it) {
        std::vector<WideCount> next = ways;
        for (int mask = 0; mask < masks; ++mask) {
            if (ways[size_t(mask)].isZero() || (quint32(mask) & it.key()) == it.key())
                continue;
            for (auto entry = it.value().cbegin(); entry != it.value().cend(); ++entry) {
                if (entry.key() == 0 || (quint32(mask) & entry.key()) != 0)
                    continue;
                next[size_t(quint32(mask) | entry.key())] += ways[size_t(mask)] * entry.value();
            }
            *work += it.value().size();
        }
        if (*work > budget)
            return std::nullopt;
        ways = std::move(next);
    }
    // Free entries fill the columns no node filled.
    std::vector<WideCount> freeOutside(static_cast<size_t>(masks));
    freeOutside[size_t(masks - 1)] = 1;
    for (int mask = masks - 2; mask >= 0; --mask) {
        const int missing = __builtin_ctz(~unsigned(mask));
        freeOutside[size_t(mask)] = freeOutside[size_t(mask | (1 << missing))] *
                                    WideCount(prepared.free.at(columns.at(missing)));
    }
    WideCount count;
    for (int mask = 0; mask < masks; ++mask) {
        if (!ways[size_t(mask)].isZero())
            count += ways[size_t(mask)] * freeOutside[size_t(mask)];
    }
    return count;
}

QList<bool> columnsInGroups(const Prepared &prepared, int columns)
{
    QList<bool> inGroup(columns, false);
    for (const QList<int> &group : prepared.columnsOfGroup) {
        for (int c : group)
            inGroup[c] = true;
    }
    return inGroup;
}

// Random completions of one column group, column by column among the entries the earlier
// choices leave; the product of the choices each had is an unbiased count.
Estimate sampleColumnGroup(const Problem &problem, const Prepared &prepared, int columnGroup,
                           int samples, qint64 maxMilliseconds)
{
    const QList<int> &columns = prepared.columnsOfGroup.at(columnGroup);
    QHash<int, QList<int>> nodesAt;
    QHash<int, quint64> live;
    for (int c : columns)
        live.insert(c, prepared.free.at(c));
    for (int g : prepared.columnGroups.at(columnGroup)) {
        for (int v : prepared.groups.at(g)) {
            const Node &node = problem.nodes.at(v);
            nodesAt[node.column].append(v);
            live[node.column] += node.weight;
        }
    }
    QList<int> blockedBy(problem.nodes.size(), 0);
    QHash<int, quint64> blocked;
    QList<int> touched;
    QRandomGenerator random(20240521u);
    QElapsedTimer clock;
    clock.start();
    long double sum = 0;
    long double sumOfSquares = 0;
    int taken = 0;
    for (; taken < samples && (taken % 256 != 0 || clock.elapsed() < maxMilliseconds); ++taken) {
        long double weight = 1;
        for (int c : columns) {
            const quint64 allowed = live.value(c) - blocked.value(c);
            if (allowed == 0) {
                weight = 0;
                break;
            }
            weight *= (long double)allowed;
            quint64 r = random.generate64() % allowed;
            if (r < prepared.free.at(c))
                continue;
            r -= prepared.free.at(c);
            for (int v : nodesAt.value(c)) {
                if (blockedBy.at(v) > 0)
                    continue;
                if (r >= problem.nodes.at(v).weight) {
                    r -= problem.nodes.at(v).weight;
                    continue;
                }
                for (int u : prepared.neighbours.at(v)) {
                    if (blockedBy[u]++ == 0)
                        blocked[problem.nodes.at(u).column] += problem.nodes.at(u).weight;
                    touched.append(u);
                }
                break;
            }
        }
        for (int u : std::as_const(touched)) {
            if (--blockedBy[u] == 0)
                blocked[problem.nodes.at(u).column] -= problem.nodes.at(u).weight;
        }
        touched.clear();
        sum += weight;
        sumOfSquares += weight * weight;
    }
    Estimate result;
    result.samples = taken;
    result.value = sum / taken;
    const long double variance =
        taken > 1 ? std::max(0.0L, (sumOfSquares / taken - result.value * result.value) * taken /
                                       (taken - 1))
                  : 0.0L;
    result.halfWidth = 1.96L * std::sqrt(variance / taken);
    return result;
}

} // namespace

std::optional<WideCount> exact(const Problem &problem, qint64 budget)
{
    if (problem.impossible)
        return WideCount(0);
    const Prepared prepared = prepare(problem);
    const QList<bool> inGroup = columnsInGroups(prepared, problem.columnCount());
    WideCount count(1);
    for (int c = 0; c < problem.columnCount(); ++c) {
        if (!inGroup.at(c))
            count *= WideCount(prepared.free.at(c));
    }
    qint64 work = 0;
    for (int g = 0; g < prepared.columnGroups.size() && !count.isZero(); ++g) {
        const std::optional<WideCount> part = columnGroupCount(problem, prepared, g, &work, budget);
        if (!part)
            return std::nullopt;
        count *= *part;
    }
    return count;
}

Tally tally(const Problem &problem, qint64 budget, int samples, qint64 maxMilliseconds)
{
    Tally result;
    if (problem.impossible) {
        result.exact = WideCount(0);
        return result;
    }
    const Prepared prepared = prepare(problem);
    const QList<bool> inGroup = columnsInGroups(prepared, problem.columnCount());
    WideCount exactPart(1);
    for (int c = 0; c < problem.columnCount(); ++c) {
        if (!inGroup.at(c))
            exactPart *= WideCount(prepared.free.at(c));
    }
    long double estimated = 1;
    long double relativeSquared = 0;
    bool sampled = false;
    qint64 work = 0;
    for (int g = 0; g < prepared.columnGroups.size() && !exactPart.isZero(); ++g) {
        if (const std::optional<WideCount> part =
                columnGroupCount(problem, prepared, g, &work, budget)) {
            exactPart *= *part;
            continue;
        }
        // The budget is spent: later groups get a fresh one, so one hard group does not
        // turn every other into an estimate.
        work = 0;
        const Estimate part = sampleColumnGroup(problem, prepared, g, samples, maxMilliseconds);
        estimated *= part.value;
        if (part.value > 0)
            relativeSquared += (part.halfWidth / part.value) * (part.halfWidth / part.value);
        result.estimate.samples =
            sampled ? std::min(result.estimate.samples, part.samples) : part.samples;
        sampled = true;
    }
    if (!sampled || exactPart.isZero()) {
        result.exact = exactPart;
        return result;
    }
    result.estimate.value = exactPart.toLongDouble() * estimated;
    result.estimate.halfWidth = result.estimate.value * std::sqrt(relativeSquared);
    return result;
}

} // namespace ConsistentCount
