#pragma once

#include <QString>

enum class RtfWord : unsigned short;
struct RtfToken;

// What the old paragraph numbering (\pn, as WordPad writes it) says of a paragraph.
struct RtfPnProps
{
    enum class Kind : unsigned char
    {
        None,
        Bullet,   // \pnlvlblt
        Numbered, // \pnlvlbody, \pnlvlN
        Continue  // \pnlvlcont: in the list, without a number of its own
    };

    Kind kind = Kind::None;
    int level = 0;  // 0 to 8
    int style = 0;  // a QTextListFormat::Style, 0 when \pn names none
    int start = 1;  // \pnstart
    QString before; // \pntxtb, the bullet character of a bulleted level
    QString after;  // \pntxta

    bool operator==(const RtfPnProps &o) const
    {
        return kind == o.kind && level == o.level && style == o.style && start == o.start &&
               before == o.before && after == o.after;
    }
    bool operator!=(const RtfPnProps &o) const { return !(*this == o); }
};

// Where a paragraph stands in the document's structure: in which list and at which level,
// in how deeply nested a table. \pard brings it back to a plain paragraph of the body.
struct RtfStructureProps
{
    static constexpr int kMaxListLevel = 8;   // Word's nine levels
    static constexpr int kMaxTableDepth = 16; // deeper nesting is damage, not a document

    int listOverride = -1; // \ls, -1 for none (\ls0 is a list)
    int listLevel = 0;     // \ilvl
    RtfPnProps pn;
    bool inTable = false; // \intbl
    int nesting = 0;      // \itap

    // 0 in the body, 1 in a table's cell, 2 in a table nested in a cell...
    int tableDepth() const;

    // Applies a structure word of the paragraph; false when the word is none.
    bool apply(RtfWord word, const RtfToken &token);

    bool operator==(const RtfStructureProps &o) const
    {
        return listOverride == o.listOverride && listLevel == o.listLevel && pn == o.pn &&
               inTable == o.inTable && nesting == o.nesting;
    }
    bool operator!=(const RtfStructureProps &o) const { return !(*this == o); }
};
