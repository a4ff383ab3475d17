#pragma once

#include <QTextFormat>

// What the reader records in formats beyond Qt's own properties, for the writer to give
// back.
namespace RtfFormat {

enum Property
{
    // Hidden text (\v): kept and shown with a dotted underline, written back hidden.
    Hidden = QTextFormat::UserProperty + 0x5200,
    // A list's first number (\levelstartat, \pnstart), which Qt's own lists lack.
    ListStart = QTextFormat::UserProperty + 100,
};

} // namespace RtfFormat
