#pragma once

#include <QTextFormat>

// What the reader records in formats beyond Qt's own properties, for the writer to give
// back.
namespace RtfFormat {

enum Property
{
    // Hidden text (\v): kept and shown with a dotted underline, written back hidden.
    Hidden = QTextFormat::UserProperty + 0x5200,
    // A field's instruction (QString) on every character of its result.
    FieldInstruction = QTextFormat::UserProperty + 140,
    // Which note (int, from 1) a character belongs to; the note's marks carry it too.
    NoteId = QTextFormat::UserProperty + 141,
    // The note is an endnote (bool).
    Endnote = QTextFormat::UserProperty + 142,
};

} // namespace RtfFormat
