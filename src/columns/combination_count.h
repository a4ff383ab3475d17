#pragma once

#include "columns/wide_count.h"

#include <QList>
#include <QString>

// How many combinations a page's drawn columns make: the product of their entry counts.
// Ten full lists make about 10^45, far beyond 64 bits, so the product is exact only up to
// the limit and an estimate beyond it.
class CombinationCount
{
public:
    static constexpr quint64 ExactLimit = 1000000000000000ULL; // 10^15

    // 0 when a count is 0; 1 for no counts at all.
    static CombinationCount of(const QList<int> &counts);
    // A count worked out otherwise: exact up to the limit, shown rounded beyond it.
    static CombinationCount counted(const WideCount &count);
    // A count known only about.
    static CombinationCount about(long double estimate);

    bool isExact() const { return m_exact; }
    // The product; meaningful only while isExact().
    quint64 value() const { return m_value; }
    bool isZero() const { return m_exact && m_value == 0; }

    // "468", or "约 3.7×10^18" beyond the limit.
    QString text() const;
    // "3.7×10^18": the rounded form without "约", where the line has no room for it.
    static QString scientificText(long double value);
    // A number up to the product, in the same form (the walk's "第 k").
    static QString numberText(quint64 number);

private:
    bool m_exact = true;
    quint64 m_value = 1;
    long double m_estimate = 1.0L;
};
