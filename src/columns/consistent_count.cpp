#include "columns/consistent_count.h"

#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <vector>

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

__extension__ typedef unsigned __int128 Narrow;

// Columns beyond this many in one connected group would need too large a table.
constexpr int MaxGroupColumns = 16;

WideCount widen(Narrow value)
{
    return WideCount::fromHalves(quint64(value), quint64(value >> 64));
}

// The problem reduced to what needs enumerating: nodes with a live neighbour, in groups
// joined by pairs; a node with none counts as a free entry of its column.
struct Prepared
{
    std::vector<quint64> free;
    std::vector<std::vector<int>> neighbours;     // live ones, per node
    std::vector<std::vector<int>> groups;         // nodes joined by pairs
    std::vector<std::vector<int>> columnGroups;   // groups sharing columns
    std::vector<std::vector<int>> columnsOfGroup; // per column group, ascending
};

Prepared prepare(const Problem &problem)
{
    Prepared prepared;
    prepared.free.assign(problem.freeWeight.cbegin(), problem.freeWeight.cend());
    const size_t nodeCount = size_t(problem.nodes.size());
    prepared.neighbours.resize(nodeCount);
    for (size_t v = 0; v < nodeCount; ++v) {
        const Node &node = problem.nodes.at(qsizetype(v));
        if (node.weight == 0)
            continue;
        for (int u : node.neighbours) {
            if (problem.nodes.at(u).weight > 0)
                prepared.neighbours[v].push_back(u);
        }
        if (prepared.neighbours[v].empty())
            prepared.free[size_t(node.column)] += node.weight;
    }

    std::vector<int> groupOf(nodeCount, -1);
    for (size_t start = 0; start < nodeCount; ++start) {
        if (groupOf[start] >= 0 || prepared.neighbours[start].empty())
            continue;
        const int group = int(prepared.groups.size());
        std::vector<int> members{int(start)};
        groupOf[start] = group;
        for (size_t i = 0; i < members.size(); ++i) {
            for (int u : prepared.neighbours[size_t(members[i])]) {
                if (groupOf[size_t(u)] < 0) {
                    groupOf[size_t(u)] = group;
                    members.push_back(u);
                }
            }
        }
        prepared.groups.push_back(std::move(members));
    }

    // Columns joined through any group form one column group.
    const int columns = problem.columnCount();
    std::vector<int> parent(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c)
        parent[size_t(c)] = c;
    const auto root = [&parent](int c) {
        while (parent[size_t(c)] != c)
            c = parent[size_t(c)] = parent[size_t(parent[size_t(c)])];
        return c;
    };
    for (const std::vector<int> &group : prepared.groups) {
        const int first = root(problem.nodes.at(group.front()).column);
        for (int v : group)
            parent[size_t(root(problem.nodes.at(v).column))] = first;
    }
    QHash<int, int> indexOfRoot;
    for (size_t g = 0; g < prepared.groups.size(); ++g) {
        const int r = root(problem.nodes.at(prepared.groups[g].front()).column);
        if (!indexOfRoot.contains(r)) {
            indexOfRoot.insert(r, int(prepared.columnGroups.size()));
            prepared.columnGroups.emplace_back();
            std::vector<int> members;
            for (int c = 0; c < columns; ++c) {
                if (root(c) == r)
                    members.push_back(c);
            }
            prepared.columnsOfGroup.push_back(members);
        }
        prepared.columnGroups[size_t(indexOfRoot.value(r))].push_back(int(g));
    }
    return prepared;
}

template <typename Number> using Table = std::vector<std::pair<quint32, Number>>;

// Counting one column group in Number, wide enough for the product of its columns.
template <typename Number> class GroupCounter
{
public:
    GroupCounter(const Problem &problem, const Prepared &prepared, qint64 *work, qint64 budget)
        : m_problem(problem), m_prepared(prepared), m_work(work), m_budget(budget),
          m_blockedBy(size_t(problem.nodes.size()), 0)
    {
    }

    std::optional<Number> count(int columnGroup)
    {
        const std::vector<int> &columns = m_prepared.columnsOfGroup[size_t(columnGroup)];
        const int width = int(columns.size());
        if (width > MaxGroupColumns)
            return std::nullopt;
        m_localBit.clear();
        for (int i = 0; i < width; ++i)
            m_localBit.insert(columns[size_t(i)], i);

        // Groups filling the same columns merge first: fewer passes over the big table.
        QHash<quint32, Table<Number>> bySupport;
        for (int g : m_prepared.columnGroups[size_t(columnGroup)]) {
            std::optional<Table<Number>> table = groupTable(m_prepared.groups[size_t(g)]);
            if (!table)
                return std::nullopt;
            quint32 support = 0;
            for (const auto &entry : *table)
                support |= entry.first;
            auto found = bySupport.find(support);
            if (found == bySupport.end())
                bySupport.insert(support, std::move(*table));
            else
                *found = convolve(*found, *table);
            if (*m_work > m_budget)
                return std::nullopt;
        }

        const size_t masks = size_t(1) << width;
        std::vector<Number> ways(masks, Number(0));
        std::vector<Number> next;
        ways[0] = 1;
        for (auto it = bySupport.cbegin(); it != bySupport.cend(); ++it) {
            next = ways;
            for (size_t mask = 0; mask < masks; ++mask) {
                if ((quint32(mask) & it.key()) == it.key() || isZero(ways[mask]))
                    continue;
                for (const auto &[filled, weight] : it.value()) {
                    if (filled != 0 && (quint32(mask) & filled) == 0)
                        next[mask | filled] += ways[mask] * weight;
                }
            }
            *m_work += qint64(masks * it.value().size()) / 8;
            if (*m_work > m_budget)
                return std::nullopt;
            ways.swap(next);
        }
        // Free entries fill the columns no node filled.
        std::vector<Number> freeOutside(masks, Number(0));
        freeOutside[masks - 1] = 1;
        for (size_t mask = masks - 1; mask-- > 0;) {
            const int missing = __builtin_ctz(~unsigned(mask));
            freeOutside[mask] = freeOutside[mask | (size_t(1) << missing)] *
                                Number(m_prepared.free[size_t(columns[size_t(missing)])]);
        }
        Number total(0);
        for (size_t mask = 0; mask < masks; ++mask) {
            if (!isZero(ways[mask]))
                total += ways[mask] * freeOutside[mask];
        }
        return total;
    }

private:
    static bool isZero(const Number &value) { return value == Number(0); }

    // Weighted ways the group's nodes fill each set of columns without a ruled-out pair:
    // depth first, the group's largest column last, summed there instead of tried.
    std::optional<Table<Number>> groupTable(const std::vector<int> &group)
    {
        QHash<int, std::vector<int>> byColumn;
        for (int v : group)
            byColumn[m_problem.nodes.at(v).column].push_back(v);
        m_order.clear();
        for (auto it = byColumn.cbegin(); it != byColumn.cend(); ++it)
            m_order.push_back(it.value());
        std::sort(m_order.begin(), m_order.end(),
                  [](const std::vector<int> &a, const std::vector<int> &b) {
                      return a.size() != b.size() ? a.size() < b.size() : a.front() < b.front();
                  });
        // Filled columns by order position while enumerating, the group's bits after.
        const size_t positions = m_order.size();
        m_ways.assign(size_t(1) << positions, Number(0));
        m_failed = false;
        enumerate(0, 0, Number(1));
        if (m_failed)
            return std::nullopt;
        Table<Number> table;
        for (size_t filled = 0; filled < m_ways.size(); ++filled) {
            if (isZero(m_ways[filled]))
                continue;
            quint32 bits = 0;
            for (size_t p = 0; p < positions; ++p) {
                if (filled & (size_t(1) << p))
                    bits |= 1u << m_localBit.value(m_problem.nodes.at(m_order[p].front()).column);
            }
            table.emplace_back(bits, m_ways[filled]);
        }
        return table;
    }

    void enumerate(size_t position, quint32 filled, const Number &weight)
    {
        if (m_failed || ++*m_work > m_budget) {
            m_failed = true;
            return;
        }
        const std::vector<int> &nodes = m_order[position];
        if (position + 1 == m_order.size()) {
            *m_work += qint64(nodes.size());
            quint64 open = 0;
            for (int v : nodes) {
                if (m_blockedBy[size_t(v)] == 0)
                    open += m_problem.nodes.at(v).weight;
            }
            m_ways[filled] += weight;
            if (open > 0)
                m_ways[filled | (1u << position)] += weight * Number(open);
            return;
        }
        enumerate(position + 1, filled, weight);
        for (int v : nodes) {
            if (m_blockedBy[size_t(v)] > 0)
                continue;
            const std::vector<int> &neighbours = m_prepared.neighbours[size_t(v)];
            *m_work += qint64(neighbours.size());
            for (int u : neighbours)
                ++m_blockedBy[size_t(u)];
            enumerate(position + 1, filled | (1u << position),
                      weight * Number(m_problem.nodes.at(v).weight));
            for (int u : neighbours)
                --m_blockedBy[size_t(u)];
        }
    }

    Table<Number> convolve(const Table<Number> &a, const Table<Number> &b)
    {
        QHash<quint32, Number> product;
        for (const auto &[maskA, weightA] : a) {
            for (const auto &[maskB, weightB] : b) {
                if ((maskA & maskB) == 0)
                    product[maskA | maskB] += weightA * weightB;
            }
        }
        *m_work += qint64(a.size() * b.size());
        Table<Number> table;
        for (auto it = product.cbegin(); it != product.cend(); ++it)
            table.emplace_back(it.key(), it.value());
        return table;
    }

    const Problem &m_problem;
    const Prepared &m_prepared;
    qint64 *m_work;
    qint64 m_budget;
    std::vector<int> m_blockedBy;
    QHash<int, int> m_localBit;
    std::vector<std::vector<int>> m_order;
    std::vector<Number> m_ways; // by filled order positions
    bool m_failed = false;
};

std::optional<WideCount> columnGroupCount(const Problem &problem, const Prepared &prepared,
                                          int columnGroup, qint64 *work, qint64 budget)
{
    // 128 bits are several times faster, and enough unless the group's product is not.
    long double product = 1;
    for (int c : prepared.columnsOfGroup[size_t(columnGroup)]) {
        quint64 live = prepared.free[size_t(c)];
        for (int g : prepared.columnGroups[size_t(columnGroup)]) {
            for (int v : prepared.groups[size_t(g)]) {
                if (problem.nodes.at(v).column == c)
                    live += problem.nodes.at(v).weight;
            }
        }
        product *= (long double)live;
    }
    if (product < 1e37L) {
        GroupCounter<Narrow> counter(problem, prepared, work, budget);
        const std::optional<Narrow> count = counter.count(columnGroup);
        return count ? std::optional(widen(*count)) : std::nullopt;
    }
    GroupCounter<WideCount> counter(problem, prepared, work, budget);
    return counter.count(columnGroup);
}

std::vector<bool> columnsInGroups(const Prepared &prepared, int columns)
{
    std::vector<bool> inGroup(size_t(columns), false);
    for (const std::vector<int> &group : prepared.columnsOfGroup) {
        for (int c : group)
            inGroup[size_t(c)] = true;
    }
    return inGroup;
}

// Random completions of one column group, column by column among the entries the earlier
// choices leave; the product of the choices each had is an unbiased count.
Estimate sampleColumnGroup(const Problem &problem, const Prepared &prepared, int columnGroup,
                           int samples, qint64 maxMilliseconds)
{
    const std::vector<int> &columns = prepared.columnsOfGroup[size_t(columnGroup)];
    const size_t columnCount = size_t(problem.columnCount());
    std::vector<std::vector<int>> nodesAt(columnCount);
    std::vector<quint64> live(columnCount, 0);
    std::vector<quint64> blocked(columnCount, 0);
    for (int c : columns)
        live[size_t(c)] = prepared.free[size_t(c)];
    for (int g : prepared.columnGroups[size_t(columnGroup)]) {
        for (int v : prepared.groups[size_t(g)]) {
            const Node &node = problem.nodes.at(v);
            nodesAt[size_t(node.column)].push_back(v);
            live[size_t(node.column)] += node.weight;
        }
    }
    std::vector<int> blockedBy(size_t(problem.nodes.size()), 0);
    std::vector<int> touched;
    QRandomGenerator random(20240521u);
    QElapsedTimer clock;
    clock.start();
    long double sum = 0;
    long double sumOfSquares = 0;
    int taken = 0;
    for (; taken < samples && (taken % 64 != 0 || clock.elapsed() < maxMilliseconds); ++taken) {
        long double weight = 1;
        for (int c : columns) {
            const quint64 allowed = live[size_t(c)] - blocked[size_t(c)];
            if (allowed == 0) {
                weight = 0;
                break;
            }
            weight *= (long double)allowed;
            quint64 r = random.generate64() % allowed;
            if (r < prepared.free[size_t(c)])
                continue;
            r -= prepared.free[size_t(c)];
            for (int v : nodesAt[size_t(c)]) {
                if (blockedBy[size_t(v)] > 0)
                    continue;
                const quint64 w = problem.nodes.at(v).weight;
                if (r >= w) {
                    r -= w;
                    continue;
                }
                for (int u : prepared.neighbours[size_t(v)]) {
                    if (blockedBy[size_t(u)]++ == 0)
                        blocked[size_t(problem.nodes.at(u).column)] += problem.nodes.at(u).weight;
                    touched.push_back(u);
                }
                break;
            }
        }
        for (int u : touched) {
            if (--blockedBy[size_t(u)] == 0)
                blocked[size_t(problem.nodes.at(u).column)] -= problem.nodes.at(u).weight;
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
    const std::vector<bool> inGroup = columnsInGroups(prepared, problem.columnCount());
    WideCount count(1);
    for (int c = 0; c < problem.columnCount(); ++c) {
        if (!inGroup[size_t(c)])
            count *= WideCount(prepared.free[size_t(c)]);
    }
    qint64 work = 0;
    for (size_t g = 0; g < prepared.columnGroups.size() && !count.isZero(); ++g) {
        const std::optional<WideCount> part =
            columnGroupCount(problem, prepared, int(g), &work, budget);
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
    const std::vector<bool> inGroup = columnsInGroups(prepared, problem.columnCount());
    WideCount exactPart(1);
    for (int c = 0; c < problem.columnCount(); ++c) {
        if (!inGroup[size_t(c)])
            exactPart *= WideCount(prepared.free[size_t(c)]);
    }
    long double estimated = 1;
    long double relativeSquared = 0;
    bool sampled = false;
    qint64 work = 0;
    for (size_t g = 0; g < prepared.columnGroups.size() && !exactPart.isZero(); ++g) {
        if (const std::optional<WideCount> part =
                columnGroupCount(problem, prepared, int(g), &work, budget)) {
            exactPart *= *part;
            continue;
        }
        // The budget is spent: later groups get a fresh one, so one hard group does not
        // turn every other into an estimate.
        work = 0;
        const Estimate part =
            sampleColumnGroup(problem, prepared, int(g), samples, maxMilliseconds);
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
