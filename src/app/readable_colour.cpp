#include "app/readable_colour.h"

#include <QtMath>

namespace ReadableColour {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableOn(const QColor &background, const QColor &preferred, double minimum)
{
    const QColor base = preferred.toRgb();
    if (contrast(background, base) >= minimum)
        return base;
    // White on black reaches 21:1, so the side with more room always gets there.
    const QColor extreme = contrast(background, Qt::white) >= contrast(background, Qt::black)
                               ? QColor(Qt::white)
                               : QColor(Qt::black);
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = mixed(base, extreme, step / 20.0);
        if (contrast(background, candidate) >= minimum)
            return candidate;
    }
    return extreme;
}

} // namespace ReadableColour
