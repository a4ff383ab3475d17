#pragma once

#include <string>

class RtfColorList;
class RtfFontList;
struct RtfKeptGroup;

// Gives a kept group back as it came, its font and colour numbers renumbered into the tables
// being written. What a damaged file left unfinished is finished here (open groups closed,
// a cut-off \bin told its real length), so the group can never swallow what follows it.
class RtfKeptGroupWriter
{
public:
    RtfKeptGroupWriter(RtfFontList *fonts, RtfColorList *colors) : m_fonts(fonts), m_colors(colors)
    {
    }

    std::string bytesFor(const RtfKeptGroup &group);

private:
    int fontFor(const RtfKeptGroup &group, int index);
    int colorFor(const RtfKeptGroup &group, int index);

    RtfFontList *m_fonts;
    RtfColorList *m_colors;
};
