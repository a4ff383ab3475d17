#include "rtf/rtf_para_props.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

#include <QtGlobal>

namespace {

// 22 inches, the widest page Word offers; more is damage that would only stall the layout.
constexpr int kMaxTwips = 31680;

int twips(const RtfToken &token, int low)
{
    return token.hasParam ? qBound(low, token.param, kMaxTwips) : 0;
}

} // namespace

bool RtfParaProps::apply(RtfWord word, const RtfToken &token)
{
    switch (word) {
    case RtfWord::Pard:
        *this = RtfParaProps();
        return true;
    case RtfWord::Ql:
        alignment = Qt::AlignLeft;
        return true;
    case RtfWord::Qc:
        alignment = Qt::AlignHCenter;
        return true;
    case RtfWord::Qr:
        alignment = Qt::AlignRight;
        return true;
    case RtfWord::Qj:
        alignment = Qt::AlignJustify;
        return true;
    case RtfWord::Li:
        leftIndent = twips(token, -kMaxTwips);
        return true;
    case RtfWord::Ri:
        rightIndent = twips(token, -kMaxTwips);
        return true;
    case RtfWord::Fi:
        firstIndent = twips(token, -kMaxTwips);
        return true;
    case RtfWord::Sb:
        spaceBefore = twips(token, 0);
        return true;
    case RtfWord::Sa:
        spaceAfter = twips(token, 0);
        return true;
    case RtfWord::Sl:
        lineSpacing = twips(token, -kMaxTwips);
        return true;
    case RtfWord::SlMult:
        lineMultiple = !token.hasParam || token.param != 0;
        return true;
    case RtfWord::PageBb:
        pageBreakBefore = !token.hasParam || token.param != 0;
        return true;
    default:
        return structure.apply(word, token);
    }
}
