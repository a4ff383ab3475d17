#pragma once

enum class RtfWord : unsigned short;
struct RtfToken;

// Character formatting as RTF scopes it in groups; -1 as font means \deff. Colours are
// indices into the colour table, 0 standing for "automatic".
struct RtfCharProps
{
    enum Vertical : unsigned char
    {
        Normal,
        Super,
        Sub
    };

    int font = -1;
    int halfPoints = 24;
    int color = 0;       // \cf
    int background = 0;  // \cb
    int highlight = 0;   // \highlight
    int shadingBack = 0; // \chcbpat
    int shadingFore = 0; // \chcfpat
    int shading = 0;     // \chshdng, in hundredths of a percent
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    Vertical vertical = Normal;
    // Not formatting but where the text stands; \plain keeps them.
    int field = 0; // index into the document's field instructions, 0: none
    int note = 0;  // note id, 0: body text
    bool endnote = false;

    // Applies a character formatting word; false when the word is none.
    bool apply(RtfWord word, const RtfToken &token);

    bool operator==(const RtfCharProps &o) const
    {
        return font == o.font && halfPoints == o.halfPoints && color == o.color &&
               background == o.background && highlight == o.highlight &&
               shadingBack == o.shadingBack && shadingFore == o.shadingFore &&
               shading == o.shading && bold == o.bold && italic == o.italic &&
               underline == o.underline && strike == o.strike && hidden == o.hidden &&
               vertical == o.vertical && field == o.field && note == o.note && endnote == o.endnote;
    }
    bool operator!=(const RtfCharProps &o) const { return !(*this == o); }
};

// Formatting for one stretch of text: East Asian characters take their own font, size,
// bold and italic where the file gives them (\dbch with \af, \afs, \ab, \ai).
struct RtfRunProps
{
    RtfCharProps western;
    RtfCharProps eastAsian;

    bool operator==(const RtfRunProps &o) const
    {
        return western == o.western && eastAsian == o.eastAsian;
    }
    bool operator!=(const RtfRunProps &o) const { return !(*this == o); }
};
