#include "rtf/rtf_group_state.h"

RtfRunProps RtfGroupState::runProps() const
{
    RtfRunProps props{chr, chr};
    if (eastAsian.font != -2)
        props.eastAsian.font = eastAsian.font;
    if (eastAsian.halfPoints > 0)
        props.eastAsian.halfPoints = eastAsian.halfPoints;
    if (eastAsian.bold >= 0)
        props.eastAsian.bold = eastAsian.bold != 0;
    if (eastAsian.italic >= 0)
        props.eastAsian.italic = eastAsian.italic != 0;
    return props;
}

void RtfGroupState::resetCharacter()
{
    RtfCharProps plain;
    plain.field = chr.field;
    plain.note = chr.note;
    plain.endnote = chr.endnote;
    chr = plain;
    eastAsian = RtfEastAsianProps();
    target = Target::Western;
}
