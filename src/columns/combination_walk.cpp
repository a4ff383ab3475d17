#include "columns/combination_walk.h"

#include "columns/consistent_box.h"

#include <algorithm>
#include <optional>

void CombinationWalk::reset(const QList<int> &counts)
{
    m_counts = counts;
    m_box.reset();
    m_positions.clear();
    m_step = 0;
}

void CombinationWalk::resetOver(std::shared_ptr<const ConsistentBox> box)
{
    reset(box->counts());
    if (box->restricts())
        m_box = std::move(box);
}

QList<int> CombinationWalk::next()
{
    if (std::any_of(m_counts.cbegin(), m_counts.cend(), [](int count) { return count <= 0; }))
        return {};
    if (m_box) {
        std::optional<QList<int>> found = m_step > 0 ? m_box->after(m_positions) : std::nullopt;
        m_step = found ? m_step + 1 : 1;
        if (!found)
            found = m_box->firstFrom(QList<int>(m_counts.size(), 0));
        if (!found) {
            m_step = 0;
            return {};
        }
        m_positions = *found;
        return m_positions;
    }
    if (m_step == 0) {
        m_positions = QList<int>(m_counts.size(), 0);
        m_step = 1;
        return m_positions;
    }
    qsizetype column = m_positions.size() - 1;
    for (; column >= 0; --column) {
        if (++m_positions[column] < m_counts.at(column))
            break;
        m_positions[column] = 0;
    }
    // Every column wrapped (or there is none): the last was reached, start again.
    m_step = column < 0 ? 1 : m_step + 1;
    return m_positions;
}
