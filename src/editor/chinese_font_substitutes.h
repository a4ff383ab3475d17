#pragma once

#include <QStringList>

// Documents name the Windows Chinese fonts (宋体, 黑体, 楷体 ...), which Linux rarely has.
// Left to fontconfig they fall back to one sans font for every name, in whatever language
// variant the locale suggests (Japanese glyph shapes under a C locale), and each Chinese
// character is looked up through the fallback chain, which slows the layout of long texts.
// Mapping each name to an installed font of the same style and of Simplified Chinese
// keeps 宋体 a Song face and 黑体 a Hei face.
namespace ChineseFontSubstitutes {

// Adds the substitutes once; names that Qt finds installed are left alone by Qt itself.
void install();

// The fonts tried for a Windows font name, best first; empty for other names.
QStringList candidatesFor(const QString &family);

} // namespace ChineseFontSubstitutes
