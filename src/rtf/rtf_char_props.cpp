#include "rtf/rtf_char_props.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

#include <QtGlobal>

namespace {

bool isOn(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

// A colour table never has this many entries; a larger number is damage.
int colorIndex(const RtfToken &token)
{
    return token.hasParam ? qBound(0, token.param, 0xFFFF) : 0;
}

} // namespace

bool RtfCharProps::apply(RtfWord word, const RtfToken &token)
{
    switch (word) {
    case RtfWord::F:
        font = token.hasParam ? token.param : 0;
        return true;
    case RtfWord::Fs:
        halfPoints = (token.hasParam && token.param > 0) ? qBound(2, token.param, 3276) : 24;
        return true;
    case RtfWord::B:
        bold = isOn(token);
        return true;
    case RtfWord::I:
        italic = isOn(token);
        return true;
    case RtfWord::Ul:
        underline = isOn(token);
        return true;
    case RtfWord::UlNone:
        underline = false;
        return true;
    case RtfWord::Strike:
        strike = isOn(token);
        return true;
    case RtfWord::V:
        hidden = isOn(token);
        return true;
    case RtfWord::Super:
        vertical = Super;
        return true;
    case RtfWord::Sub:
        vertical = Sub;
        return true;
    case RtfWord::NoSuperSub:
        vertical = Normal;
        return true;
    case RtfWord::Cf:
        color = colorIndex(token);
        return true;
    case RtfWord::Cb:
        background = colorIndex(token);
        return true;
    case RtfWord::Highlight:
        highlight = colorIndex(token);
        return true;
    case RtfWord::ChCbPat:
        shadingBack = colorIndex(token);
        return true;
    case RtfWord::ChCfPat:
        shadingFore = colorIndex(token);
        return true;
    case RtfWord::ChShdng:
        shading = token.hasParam ? qBound(0, token.param, 10000) : 0;
        return true;
    default:
        return false;
    }
}
