#pragma once

#include "rtf/rtf_structure_props.h"

#include <Qt>

enum class RtfWord : unsigned short;
struct RtfToken;

// Paragraph formatting as the file states it, lengths in twips; \pard brings it back to
// these defaults.
struct RtfParaProps
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;           // \li, \lin
    int rightIndent = 0;          // \ri, \rin
    int firstIndent = 0;          // \fi, against the left indent
    int spaceBefore = 0;          // \sb
    int spaceAfter = 0;           // \sa
    int lineSpacing = 0;          // \sl: 0 single, > 0 at least, < 0 exactly
    bool lineMultiple = false;    // \slmult1: \sl counts 240ths of a line
    bool pageBreakBefore = false; // \pagebb
    RtfStructureProps structure;  // lists and tables

    // Applies a paragraph formatting word; false when the word is none.
    bool apply(RtfWord word, const RtfToken &token);

    bool operator==(const RtfParaProps &o) const
    {
        return alignment == o.alignment && leftIndent == o.leftIndent &&
               rightIndent == o.rightIndent && firstIndent == o.firstIndent &&
               spaceBefore == o.spaceBefore && spaceAfter == o.spaceAfter &&
               lineSpacing == o.lineSpacing && lineMultiple == o.lineMultiple &&
               pageBreakBefore == o.pageBreakBefore && structure == o.structure;
    }
    bool operator!=(const RtfParaProps &o) const { return !(*this == o); }
};
