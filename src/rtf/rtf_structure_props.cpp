#include "rtf/rtf_structure_props.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

#include <QtGlobal>

int RtfStructureProps::tableDepth() const
{
    return qMax(inTable ? 1 : 0, nesting);
}

bool RtfStructureProps::apply(RtfWord word, const RtfToken &token)
{
    const int value = token.hasParam ? token.param : 0;
    switch (word) {
    case RtfWord::Ls:
        listOverride = qMax(0, value);
        return true;
    case RtfWord::Ilvl:
        listLevel = qBound(0, value, kMaxListLevel);
        return true;
    case RtfWord::Intbl:
        inTable = !token.hasParam || token.param != 0;
        return true;
    case RtfWord::Itap:
        nesting = qBound(0, value, kMaxTableDepth);
        return true;
    default:
        return false;
    }
}
