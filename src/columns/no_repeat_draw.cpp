#include "columns/no_repeat_draw.h"

#include "columns/consistent_box.h"
#include "columns/random_source.h"

namespace {
// Repeats in a row before stepping to the next unused combination instead: below half
// used, 32 repeats in a row happen by chance less than once in 4 billion composes.
constexpr int MaxRedraws = 32;
} // namespace

void NoRepeatDraw::reset(const QList<int> &counts)
{
    m_counts = counts;
    m_box.reset();
    m_size = CombinationCount::of(counts);
    m_produced.clear();
    m_produced.squeeze();
    m_unused.clear();
    m_unused.squeeze();
    m_picking = false;
}

void NoRepeatDraw::resetOver(std::shared_ptr<const ConsistentBox> box)
{
    reset(box->counts());
    if (!box->restricts())
        return;
    m_size = box->isCountExact() ? CombinationCount::counted(*box->exactCount())
                                 : CombinationCount::about(box->estimate().value);
    m_box = std::move(box);
}

bool NoRepeatDraw::isExhausted() const
{
    return m_size.isExact() && quint64(m_produced.size()) >= m_size.value();
}

QByteArray NoRepeatDraw::keyOf(const QList<int> &positions) const
{
    // Entry counts are 16-bit, so two bytes per column identify a position.
    QByteArray key(positions.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < positions.size(); ++i) {
        key[2 * i] = char(positions.at(i) & 0xff);
        key[2 * i + 1] = char((positions.at(i) >> 8) & 0xff);
    }
    return key;
}

QList<int> NoRepeatDraw::positionsOfKey(const QByteArray &key) const
{
    QList<int> positions(key.size() / 2);
    for (qsizetype i = 0; i < positions.size(); ++i)
        positions[i] = int(uchar(key.at(2 * i))) | int(uchar(key.at(2 * i + 1))) << 8;
    return positions;
}

QList<int> NoRepeatDraw::positionsOf(quint64 index) const
{
    QList<int> positions(m_counts.size());
    for (qsizetype i = m_counts.size() - 1; i >= 0; --i) {
        positions[i] = int(index % quint64(m_counts.at(i)));
        index /= quint64(m_counts.at(i));
    }
    return positions;
}

std::optional<QList<int>> NoRepeatDraw::next(RandomSource &source)
{
    if (isExhausted())
        return std::nullopt;
    // Past half of an exact box the unused ones number at most what was produced.
    if (!m_picking && m_size.isExact() && quint64(m_produced.size()) * 2 >= m_size.value()) {
        collectUnused();
        m_picking = true;
    }
    return m_picking ? pickUnused(source) : drawFresh(source);
}

void NoRepeatDraw::collectUnused()
{
    const auto keep = [this](const QList<int> &positions) {
        QByteArray key = keyOf(positions);
        if (!m_produced.contains(key))
            m_unused.append(std::move(key));
    };
    if (m_box) {
        for (ConsistentBox::Cursor cursor(*m_box); cursor.next();)
            keep(cursor.positions());
        return;
    }
    for (quint64 index = 0; index < m_size.value(); ++index)
        keep(positionsOf(index));
}

std::optional<QList<int>> NoRepeatDraw::drawFresh(RandomSource &source)
{
    QList<int> positions(m_counts.size());
    for (int attempt = 0; attempt < MaxRedraws; ++attempt) {
        if (m_box) {
            std::optional<QList<int>> drawn = m_box->draw(source);
            if (!drawn)
                return std::nullopt;
            positions = *drawn;
        } else {
            for (qsizetype i = 0; i < m_counts.size(); ++i)
                positions[i] = source.pick(m_counts.at(i));
        }
        const QByteArray key = keyOf(positions);
        if (!m_produced.contains(key)) {
            m_produced.insert(key);
            return positions;
        }
    }
    // A generator that keeps repeating itself: the next unused one in walking order lies
    // at most as many steps on as were produced, so this ends.
    positions = nextUnusedAfter(positions);
    m_produced.insert(keyOf(positions));
    return positions;
}

QList<int> NoRepeatDraw::nextUnusedAfter(QList<int> positions) const
{
    if (m_box) {
        do {
            std::optional<QList<int>> next = m_box->after(positions);
            positions = next ? *next : *m_box->firstFrom(QList<int>(m_counts.size(), 0));
        } while (m_produced.contains(keyOf(positions)));
        return positions;
    }
    do {
        for (qsizetype i = positions.size() - 1; i >= 0; --i) {
            if (++positions[i] < m_counts.at(i))
                break;
            positions[i] = 0;
        }
    } while (m_produced.contains(keyOf(positions)));
    return positions;
}

std::optional<QList<int>> NoRepeatDraw::pickUnused(RandomSource &source)
{
    if (m_unused.isEmpty())
        return std::nullopt;
    const int slot = source.pick(int(m_unused.size())); // at most what was produced
    const QByteArray key = m_unused.at(slot);
    m_unused[slot] = m_unused.constLast();
    m_unused.removeLast();
    m_produced.insert(key);
    return positionsOfKey(key);
}
