#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// An exact count of combinations: ten full lists make about 2^150, more than any built-in
// integer holds, so four 64-bit limbs. Arithmetic wraps past 2^256, which no box reaches.
class WideCount
{
public:
    constexpr WideCount() = default;
    constexpr WideCount(quint64 value) : m_limbs{value, 0, 0, 0} {} // NOLINT: a count is a count

    static constexpr WideCount fromHalves(quint64 low, quint64 high)
    {
        WideCount count;
        count.m_limbs = {low, high, 0, 0};
        return count;
    }

    bool isZero() const { return (m_limbs[0] | m_limbs[1] | m_limbs[2] | m_limbs[3]) == 0; }
    // The value when it is at most limit.
    bool fitsIn(quint64 limit) const;
    quint64 low() const { return m_limbs[0]; }
    quint64 high() const { return m_limbs[1]; } // bits 64 to 127
    long double toLongDouble() const;
    QString toString() const;

    WideCount &operator+=(const WideCount &other);
    WideCount &operator-=(const WideCount &other); // other must not exceed this
    friend WideCount operator+(WideCount a, const WideCount &b) { return a += b; }
    friend WideCount operator-(WideCount a, const WideCount &b) { return a -= b; }
    friend WideCount operator*(const WideCount &a, const WideCount &b);
    WideCount &operator*=(const WideCount &other) { return *this = *this * other; }
    friend bool operator==(const WideCount &a, const WideCount &b)
    {
        return a.m_limbs == b.m_limbs;
    }
    friend bool operator!=(const WideCount &a, const WideCount &b) { return !(a == b); }
    friend bool operator<(const WideCount &a, const WideCount &b);

private:
    std::array<quint64, 4> m_limbs{};
};
