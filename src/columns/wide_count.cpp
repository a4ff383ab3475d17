#include "columns/wide_count.h"

#include <QStringList>
#include <algorithm>

namespace {
__extension__ typedef unsigned __int128 Product;
} // namespace

bool WideCount::fitsIn(quint64 limit) const
{
    return (m_limbs[1] | m_limbs[2] | m_limbs[3]) == 0 && m_limbs[0] <= limit;
}

long double WideCount::toLongDouble() const
{
    long double value = 0;
    for (int i = 3; i >= 0; --i)
        value = value * 18446744073709551616.0L + (long double)m_limbs[size_t(i)];
    return value;
}

QString WideCount::toString() const
{
    if (fitsIn(~quint64(0)))
        return QString::number(m_limbs[0]);
    // Nineteen decimal digits at a time, from the least significant end.
    constexpr quint64 Chunk = 10000000000000000000ULL;
    std::array<quint64, 4> rest = m_limbs;
    QStringList chunks;
    while ((rest[0] | rest[1] | rest[2] | rest[3]) != 0) {
        Product remainder = 0;
        for (int i = 3; i >= 0; --i) {
            const Product current = (remainder << 64) | rest[size_t(i)];
            rest[size_t(i)] = quint64(current / Chunk);
            remainder = current % Chunk;
        }
        chunks.prepend(QString::number(quint64(remainder)));
    }
    for (qsizetype i = 1; i < chunks.size(); ++i)
        chunks[i] = chunks.at(i).rightJustified(19, u'0');
    return chunks.join(QString());
}

WideCount &WideCount::operator+=(const WideCount &other)
{
    Product carry = 0;
    for (size_t i = 0; i < 4; ++i) {
        carry += Product(m_limbs[i]) + other.m_limbs[i];
        m_limbs[i] = quint64(carry);
        carry >>= 64;
    }
    return *this;
}

WideCount &WideCount::operator-=(const WideCount &other)
{
    quint64 borrow = 0;
    for (size_t i = 0; i < 4; ++i) {
        const quint64 subtrahend = other.m_limbs[i] + borrow;
        const bool under = subtrahend < borrow || m_limbs[i] < subtrahend;
        m_limbs[i] -= subtrahend;
        borrow = under ? 1 : 0;
    }
    return *this;
}

WideCount operator*(const WideCount &a, const WideCount &b)
{
    WideCount result;
    // Counts are mostly small: skip the zero limbs.
    const size_t aUsed = size_t(4 - (std::find_if(a.m_limbs.rbegin(), a.m_limbs.rend(),
                                                  [](quint64 limb) { return limb != 0; }) -
                                     a.m_limbs.rbegin()));
    const size_t bUsed = size_t(4 - (std::find_if(b.m_limbs.rbegin(), b.m_limbs.rend(),
                                                  [](quint64 limb) { return limb != 0; }) -
                                     b.m_limbs.rbegin()));
    for (size_t i = 0; i < aUsed; ++i) {
        Product carry = 0;
        for (size_t j = 0; j < bUsed && i + j < 4; ++j) {
            carry += Product(a.m_limbs[i]) * b.m_limbs[j] + result.m_limbs[i + j];
            result.m_limbs[i + j] = quint64(carry);
            carry >>= 64;
        }
        if (i + bUsed < 4)
            result.m_limbs[i + bUsed] = quint64(carry);
    }
    return result;
}

bool operator<(const WideCount &a, const WideCount &b)
{
    return std::lexicographical_compare(a.m_limbs.rbegin(), a.m_limbs.rend(), b.m_limbs.rbegin(),
                                        b.m_limbs.rend());
}
