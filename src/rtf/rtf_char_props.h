#pragma once

// Character formatting as RTF scopes it in groups; -1 as font means \deff.
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
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    Vertical vertical = Normal;

    bool operator==(const RtfCharProps &o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold &&
               italic == o.italic && underline == o.underline && strike == o.strike &&
               hidden == o.hidden && vertical == o.vertical;
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
