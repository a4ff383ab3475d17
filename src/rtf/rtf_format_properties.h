#pragma once

#include <QTextFormat>

// What the reader records in formats beyond Qt's own properties, for the writer to give
// back.
namespace RtfFormat {

enum Property
{
    // Hidden text (\v): kept and shown with a dotted underline, written back hidden.
    Hidden = QTextFormat::UserProperty + 0x5200,

    // A group the editor cannot show (metafile, object, shape, drawing): on its placeholder
    // picture, an RtfKeptGroup as QVariantMap, written back as it came.
    KeptGroup = QTextFormat::UserProperty + 120,
    // On the root frame: the document's \info, headers and footers (QVariantList of kept
    // groups), what the last read could not keep (QStringList) and the page, in twips.
    DocumentGroups = QTextFormat::UserProperty + 121,
    UnkeptContent = QTextFormat::UserProperty + 122,
    PaperWidth = QTextFormat::UserProperty + 123,
    PaperHeight = QTextFormat::UserProperty + 124,
    MarginLeft = QTextFormat::UserProperty + 125,
    MarginRight = QTextFormat::UserProperty + 126,
    MarginTop = QTextFormat::UserProperty + 127,
    MarginBottom = QTextFormat::UserProperty + 128,
    Gutter = QTextFormat::UserProperty + 129,
    Landscape = QTextFormat::UserProperty + 130, // bool
    TitlePage = QTextFormat::UserProperty + 131, // bool
    // A list's first number (\levelstartat, \pnstart), which Qt's own lists lack.
    ListStart = QTextFormat::UserProperty + 100,
    // A field's instruction (QString) on every character of its result.
    FieldInstruction = QTextFormat::UserProperty + 140,
    // Which note (int, from 1) a character belongs to; the note's marks carry it too.
    NoteId = QTextFormat::UserProperty + 141,
    // The note is an endnote (bool).
    Endnote = QTextFormat::UserProperty + 142,
};

} // namespace RtfFormat
