#pragma once

#include "rtf/rtf_char_props.h"
#include "rtf/rtf_para_props.h"

#include <QtGlobal>

class RtfDestination;

// What \dbch with \af, \afs, \ab and \ai set for East Asian text; unset parts follow the
// character's own formatting.
struct RtfEastAsianProps
{
    int font = -2;
    int halfPoints = 0;
    signed char bold = -1;
    signed char italic = -1;
};

// Everything a group scopes: a group starts with its parent's state and drops its own at
// its closing brace.
struct RtfGroupState
{
    enum class Target : unsigned char
    {
        Western,
        EastAsian,
        Complex
    };

    RtfCharProps chr;
    RtfEastAsianProps eastAsian;
    Target target = Target::Western;
    RtfParaProps para;
    RtfDestination *destination = nullptr; // none: the group is skipped
    RtfDestination *uprDestination = nullptr;
    int uc = 1;
    qsizetype groupStart = 0; // offset of the group's opening brace

    RtfRunProps runProps() const;
    void resetCharacter();
};
