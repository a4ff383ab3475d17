#pragma once

#include <QColor>

// WCAG 2 contrast arithmetic, so colours taken from the desktop's palette stay legible
// whatever the palette (light, dark or high-contrast).
namespace ReadableColour {

constexpr double TextContrast = 4.5;
constexpr double IconContrast = 3.0;

// Relative luminance, 0 for black to 1 for white.
double luminance(const QColor &colour);
// From 1 (the same) to 21 (black on white); symmetric.
double contrast(const QColor &a, const QColor &b);

// preferred when it reaches the minimum contrast on background; otherwise preferred
// moved step by step towards white (on a dark background) or black (on a light one)
// until it does, so a link stays recognisably the palette's link colour.
QColor readableOn(const QColor &background, const QColor &preferred, double minimum = TextContrast);

} // namespace ReadableColour
