#include "columns/consistent_box.h"

#include "columns/exclusion_set.h"
#include "columns/random_source.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace {
// A few milliseconds of enumeration; past it the count is estimated from samples.
constexpr qint64 CountBudget = 3000000;
constexpr int EstimateSamples = 20000;
constexpr qint64 EstimateMilliseconds = 20;
// A draw from the counts costs a count per candidate; past this much, draws go on instead.
constexpr qint64 DrawBudget = 1000000;
} // namespace

ConsistentBox::ConsistentBox(const QList<int> &counts) : m_counts(counts), m_count(total()) {}

ConsistentBox::ConsistentBox(const QList<QStringList> &columns, const QStringList &fixedWords,
                             const ExclusionSet &exclusions)
{
    const int columnCount = int(columns.size());
    for (const QStringList &words : columns)
        m_counts.append(int(words.size()));
    m_count = total();
    if (exclusions.isEmpty())
        return;

    // Words by number once, so each entry costs one lookup.
    const QHash<QString, QSet<QString>> &partnerMap = exclusions.partnerMap();
    QHash<QString, int> idOf;
    idOf.reserve(partnerMap.size());
    for (auto it = partnerMap.cbegin(); it != partnerMap.cend(); ++it)
        idOf.insert(it.key(), int(idOf.size()));
    std::vector<std::vector<int>> partners(size_t(idOf.size()));
    for (auto it = partnerMap.cbegin(); it != partnerMap.cend(); ++it) {
        std::vector<int> &ids = partners[size_t(idOf.value(it.key()))];
        for (const QString &partner : it.value())
            ids.push_back(idOf.value(partner));
    }

    std::vector<bool> ruledByFixed(partners.size(), false);
    std::vector<bool> isFixed(partners.size(), false);
    for (const QString &word : fixedWords) {
        const int id = idOf.value(word, -1);
        if (id >= 0)
            isFixed[size_t(id)] = true;
    }
    bool anyRuledByFixed = false;
    for (size_t id = 0; id < partners.size(); ++id) {
        if (!isFixed[id])
            continue;
        for (int partner : partners[id]) {
            ruledByFixed[size_t(partner)] = true;
            anyRuledByFixed = true;
            m_impossible = m_impossible || isFixed[size_t(partner)];
        }
    }

    // Which drawn columns hold each word, then which columns hold a partner of it.
    std::vector<QList<int>> entryIds(static_cast<size_t>(columnCount));
    std::vector<quint32> presentIn(partners.size(), 0);
    for (int c = 0; c < columnCount; ++c) {
        QList<int> &ids = entryIds[size_t(c)];
        ids.reserve(columns.at(c).size());
        for (const QString &word : columns.at(c)) {
            const int id = idOf.value(word, -1);
            ids.append(id);
            if (id >= 0 && !ruledByFixed[size_t(id)])
                presentIn[size_t(id)] |= 1u << c;
        }
    }
    std::vector<quint32> partnersIn(partners.size(), 0);
    for (size_t id = 0; id < partners.size(); ++id) {
        if (presentIn[id] == 0)
            continue;
        for (int partner : partners[id])
            partnersIn[id] |= presentIn[size_t(partner)];
    }

    m_problem.freeWeight.fill(0, columnCount);
    m_freePositions.resize(columnCount);
    m_entries.resize(columnCount);
    QHash<quint64, int> nodeOf; // word id and column
    const auto nodeKey = [](int id, int column) { return quint64(id) << 8 | quint64(column); };
    for (int c = 0; c < columnCount; ++c) {
        const QList<int> &ids = entryIds[size_t(c)];
        QList<int> &entries = m_entries[c];
        entries.resize(ids.size());
        for (int p = 0; p < ids.size(); ++p) {
            const int id = ids.at(p);
            if (id >= 0 && ruledByFixed[size_t(id)]) {
                entries[p] = Ruled;
                continue;
            }
            if (id < 0 || (partnersIn[size_t(id)] & ~(1u << c)) == 0) {
                entries[p] = Free;
                m_freePositions[c].append(p);
                ++m_problem.freeWeight[c];
                continue;
            }
            auto found = nodeOf.find(nodeKey(id, c));
            if (found == nodeOf.end()) {
                found = nodeOf.insert(nodeKey(id, c), int(m_problem.nodes.size()));
                ConsistentCount::Node node;
                node.column = c;
                m_problem.nodes.append(node);
                m_nodePositions.append(QList<int>());
            }
            entries[p] = *found;
            ++m_problem.nodes[*found].weight;
            m_nodePositions[*found].append(p);
        }
    }
    for (auto it = nodeOf.cbegin(); it != nodeOf.cend(); ++it) {
        const int id = int(it.key() >> 8);
        const int c = int(it.key() & 0xff);
        QList<int> &neighbours = m_problem.nodes[it.value()].neighbours;
        for (int partner : partners[size_t(id)]) {
            const quint32 others = presentIn[size_t(partner)] & ~(1u << c);
            for (int d = 0; d < columnCount; ++d) {
                if (others & (1u << d))
                    neighbours.append(nodeOf.value(nodeKey(partner, d)));
            }
        }
    }
    m_liveWeight = m_problem.freeWeight;
    for (const auto &node : std::as_const(m_problem.nodes))
        m_liveWeight[node.column] += node.weight;
    m_problem.impossible = m_impossible;
    m_restricts = m_impossible || anyRuledByFixed || !m_problem.nodes.isEmpty();
    if (m_restricts)
        countConsistent();
}

void ConsistentBox::countConsistent()
{
    const ConsistentCount::Tally tally =
        ConsistentCount::tally(m_problem, CountBudget, EstimateSamples, EstimateMilliseconds);
    m_count = tally.exact;
    m_estimate = tally.estimate;
}

WideCount ConsistentBox::total() const
{
    WideCount product(1);
    for (int count : m_counts)
        product *= WideCount(quint64(std::max(count, 0)));
    return product;
}

bool ConsistentBox::isEmpty() const
{
    if (std::any_of(m_counts.cbegin(), m_counts.cend(), [](int count) { return count <= 0; }))
        return true;
    return m_restricts && m_count && m_count->isZero();
}

int ConsistentBox::entry(int column, int position) const
{
    return m_restricts ? m_entries.at(column).at(position) : Free;
}

bool ConsistentBox::isConsistent(const QList<int> &positions) const
{
    if (positions.size() != m_counts.size())
        return false;
    for (int c = 0; c < positions.size(); ++c) {
        if (positions.at(c) < 0 || positions.at(c) >= m_counts.at(c))
            return false;
    }
    if (!m_restricts)
        return true;
    if (m_impossible)
        return false;
    for (int c = 0; c < positions.size(); ++c) {
        const int node = entry(c, positions.at(c));
        if (node == Ruled)
            return false;
        if (node == Free)
            continue;
        for (int other : m_problem.nodes.at(node).neighbours) {
            const int d = m_problem.nodes.at(other).column;
            if (entry(d, positions.at(d)) == other)
                return false;
        }
    }
    return true;
}

std::optional<QList<int>> ConsistentBox::firstFrom(const QList<int> &start) const
{
    const int columns = int(m_counts.size());
    if (start.size() != columns || isEmpty() || m_impossible)
        return std::nullopt;
    if (!m_restricts) {
        for (int c = 0; c < columns; ++c) {
            if (start.at(c) < 0 || start.at(c) >= m_counts.at(c))
                return std::nullopt;
        }
        return start;
    }
    // Depth first in the walk's order; a choice that leaves a later column nothing is
    // dropped at once rather than found out below it.
    QList<int> blockedBy(m_problem.nodes.size(), 0);
    const QList<quint64> &live = m_liveWeight;
    QList<quint64> blocked(columns, 0);
    QList<int> positions(columns, 0);
    const auto search = [&](const auto &self, int c, bool tight) -> bool {
        if (c == columns)
            return true;
        const int from = tight ? std::max(start.at(c), 0) : 0;
        for (int p = from; p < m_counts.at(c); ++p) {
            const int node = entry(c, p);
            if (node == Ruled || (node >= 0 && blockedBy.at(node) > 0))
                continue;
            bool starved = false;
            if (node >= 0) {
                for (int other : m_problem.nodes.at(node).neighbours) {
                    const auto &next = m_problem.nodes.at(other);
                    if (blockedBy[other]++ == 0)
                        blocked[next.column] += next.weight;
                    starved = starved ||
                              (next.column > c && blocked.at(next.column) >= live.at(next.column));
                }
            }
            positions[c] = p;
            const bool found = !starved && self(self, c + 1, tight && p == start.at(c));
            if (node >= 0) {
                for (int other : m_problem.nodes.at(node).neighbours) {
                    if (--blockedBy[other] == 0)
                        blocked[m_problem.nodes.at(other).column] -=
                            m_problem.nodes.at(other).weight;
                }
            }
            if (found)
                return true;
        }
        return false;
    };
    if (!search(search, 0, true))
        return std::nullopt;
    return positions;
}

std::optional<QList<int>> ConsistentBox::after(const QList<int> &positions) const
{
    QList<int> next = positions;
    for (qsizetype c = next.size() - 1; c >= 0; --c) {
        if (++next[c] < m_counts.at(c))
            return firstFrom(next);
        next[c] = 0;
    }
    return std::nullopt;
}

std::optional<QList<int>> ConsistentBox::draw(RandomSource &source) const
{
    if (isEmpty() || m_impossible)
        return std::nullopt;
    QList<int> positions(m_counts.size());
    const auto wholeDraw = [&] {
        for (qsizetype c = 0; c < m_counts.size(); ++c)
            positions[c] = source.pick(m_counts.at(c));
        return isConsistent(positions);
    };
    for (int i = 0; i < QuickTries; ++i) {
        if (wholeDraw())
            return positions;
    }
    if (m_count) {
        if (std::optional<QList<int>> drawn = drawFromCounts(source))
            return drawn;
    }
    for (int i = QuickTries; i < MaxTries; ++i) {
        if (wholeDraw())
            return positions;
    }
    // Only an estimated box so nearly ruled out that 100,000 draws missed gets here: the
    // next consistent one after the last draw, not quite evenly chosen but found.
    if (std::optional<QList<int>> found = firstFrom(positions))
        return found;
    return firstFrom(QList<int>(m_counts.size(), 0));
}

std::optional<QList<int>> ConsistentBox::drawFromCounts(RandomSource &source) const
{
    // Column by column, each choice weighted by how many consistent combinations it leaves.
    ConsistentCount::Problem rest = m_problem;
    QList<int> positions(m_counts.size());
    for (int c = 0; c < m_counts.size(); ++c) {
        struct Choice
        {
            int node; // Free for a free entry
            long double weight;
        };
        QList<Choice> choices;
        long double total = 0;
        const auto consider = [&](int node, const ConsistentCount::Problem &fixed,
                                  quint64 multiplicity) {
            const std::optional<WideCount> count = ConsistentCount::exact(fixed, DrawBudget);
            if (!count)
                return false;
            const long double weight = count->toLongDouble() * (long double)multiplicity;
            if (weight > 0) {
                choices.append({node, weight});
                total += weight;
            }
            return true;
        };
        if (rest.freeWeight.at(c) > 0 && !consider(Free, rest.withFree(c), rest.freeWeight.at(c)))
            return std::nullopt;
        for (int node = 0; node < rest.nodes.size(); ++node) {
            const auto &candidate = rest.nodes.at(node);
            if (candidate.column == c && candidate.weight > 0 &&
                !consider(node, rest.withNode(node), candidate.weight))
                return std::nullopt;
        }
        if (choices.isEmpty())
            return std::nullopt;
        // Two draws: 48 bits, finer than any weight difference that matters here.
        const long double r =
            ((long double)source.draw() + (long double)source.draw() / 16777216.0L) * total;
        long double sum = 0;
        Choice chosen = choices.constLast();
        for (const Choice &choice : std::as_const(choices)) {
            sum += choice.weight;
            if (r < sum) {
                chosen = choice;
                break;
            }
        }
        const QList<int> &among =
            chosen.node == Free ? m_freePositions.at(c) : m_nodePositions.at(chosen.node);
        positions[c] = among.at(source.pick(int(among.size())));
        rest = chosen.node == Free ? rest.withFree(c) : rest.withNode(chosen.node);
    }
    return positions;
}

bool ConsistentBox::Cursor::next()
{
    std::optional<QList<int>> found = m_started
                                          ? m_box->after(m_positions)
                                          : m_box->firstFrom(QList<int>(m_box->counts().size(), 0));
    m_started = true;
    if (!found)
        return false;
    m_positions = *found;
    return true;
}
