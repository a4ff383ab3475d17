#include "columns/combination_count.h"

#include <algorithm>
#include <cmath>

namespace {

QString estimateText(long double value)
{
    if (value < 1.0L) // an estimate of next to nothing
        return QStringLiteral("约 %1").arg(double(value), 0, 'f', 1);
    return QStringLiteral("约 ") + CombinationCount::scientificText(value);
}

} // namespace

QString CombinationCount::scientificText(long double value)
{
    if (value < 1.0L)
        return QString::number(double(value), 'f', 1);
    int exponent = int(std::floor(std::log10(value)));
    long double mantissa = value / std::pow(10.0L, exponent);
    // One decimal: 9.96 rounds up to the next power of ten.
    long double tenths = std::round(mantissa * 10.0L);
    if (tenths >= 100.0L) {
        tenths = 10.0L;
        ++exponent;
    }
    return QStringLiteral("%1×10^%2").arg(double(tenths) / 10.0, 0, 'f', 1).arg(exponent);
}

CombinationCount CombinationCount::of(const QList<int> &counts)
{
    CombinationCount result;
    for (int count : counts) {
        if (count <= 0) {
            result.m_exact = true;
            result.m_value = 0;
            return result;
        }
    }
    for (int count : counts) {
        const auto factor = quint64(count);
        result.m_estimate *= (long double)factor;
        // value * factor stays within the limit exactly when factor <= limit / value
        if (result.m_exact && factor <= ExactLimit / result.m_value)
            result.m_value *= factor;
        else
            result.m_exact = false;
    }
    return result;
}

CombinationCount CombinationCount::counted(const WideCount &count)
{
    CombinationCount result;
    result.m_exact = count.fitsIn(ExactLimit);
    result.m_value = result.m_exact ? count.low() : 0;
    result.m_estimate = count.toLongDouble();
    return result;
}

CombinationCount CombinationCount::about(long double estimate)
{
    CombinationCount result;
    result.m_exact = false;
    result.m_value = 0;
    result.m_estimate = std::max(estimate, 0.0L);
    return result;
}

QString CombinationCount::text() const
{
    return m_exact ? QString::number(m_value) : estimateText(m_estimate);
}

QString CombinationCount::numberText(quint64 number)
{
    return number <= ExactLimit ? QString::number(number) : estimateText((long double)number);
}
