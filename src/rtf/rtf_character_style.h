#pragma once

#include <vector>

class QTextCharFormat;
class RtfColorList;
class RtfFontList;
class RtfOutput;

// A character format as the writer states it, with fonts and colours as indices into the
// tables being written.
struct RtfCharacterStyle
{
    enum Background : unsigned char
    {
        None,
        Highlight, // one of the colours word processors highlight with: \highlight
        Shading    // any other colour: \chcbpat, with \cb for WordPad
    };

    int font = 0;
    int halfPoints = 24;
    int color = 0;
    int backgroundColor = 0;
    Background background = None;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    unsigned char vertical = 0;

    bool operator==(const RtfCharacterStyle &o) const
    {
        return font == o.font && halfPoints == o.halfPoints && color == o.color &&
               backgroundColor == o.backgroundColor && background == o.background &&
               bold == o.bold && italic == o.italic && underline == o.underline &&
               strike == o.strike && hidden == o.hidden && vertical == o.vertical;
    }
    bool operator!=(const RtfCharacterStyle &o) const { return !(*this == o); }
};

// Writes the character formatting of a run of text as the change from the previous run,
// the way WordPad does.
class RtfCharacterStyles
{
public:
    RtfCharacterStyles(RtfFontList *fonts, RtfColorList *colors, int defaultHalfPoints)
        : m_fonts(fonts), m_colors(colors), m_defaultHalfPoints(defaultHalfPoints)
    {
    }

    // formatIndex is the document's index of the format: each is looked at once.
    const RtfCharacterStyle &styleOf(int formatIndex, const QTextCharFormat &format);
    void switchTo(const RtfCharacterStyle &style, RtfOutput *out);
    // The formatting in effect, for a group to give back when it closes.
    const RtfCharacterStyle &current() const { return m_current; }
    void setCurrent(const RtfCharacterStyle &style) { m_current = style; }

private:
    RtfCharacterStyle convert(const QTextCharFormat &format);

    RtfFontList *m_fonts;
    RtfColorList *m_colors;
    int m_defaultHalfPoints;
    RtfCharacterStyle m_current;
    RtfCharacterStyle m_scratch;
    std::vector<RtfCharacterStyle> m_styles;
    std::vector<bool> m_known;
};
