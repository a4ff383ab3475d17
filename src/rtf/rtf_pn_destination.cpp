#include "rtf/rtf_pn_destination.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_group_state.h"
#include "rtf/rtf_tokenizer.h"

#include <QTextListFormat>

bool RtfPnDestination::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &)
{
    using Kind = RtfPnProps::Kind;
    const int value = token.hasParam ? token.param : 0;
    switch (word) {
    case RtfWord::PnLvlBlt:
        m_pn.kind = Kind::Bullet;
        m_pn.level = 0;
        break;
    case RtfWord::PnLvlBody:
        m_pn.kind = Kind::Numbered;
        m_pn.level = 0;
        break;
    case RtfWord::PnLvl:
        m_pn.kind = Kind::Numbered;
        m_pn.level = qBound(0, value - 1, RtfStructureProps::kMaxListLevel);
        break;
    case RtfWord::PnLvlCont:
        m_pn.kind = Kind::Continue;
        break;
    case RtfWord::PnDec:
        m_pn.style = QTextListFormat::ListDecimal;
        break;
    case RtfWord::PnLcLtr:
        m_pn.style = QTextListFormat::ListLowerAlpha;
        break;
    case RtfWord::PnUcLtr:
        m_pn.style = QTextListFormat::ListUpperAlpha;
        break;
    case RtfWord::PnLcRm:
        m_pn.style = QTextListFormat::ListLowerRoman;
        break;
    case RtfWord::PnUcRm:
        m_pn.style = QTextListFormat::ListUpperRoman;
        break;
    case RtfWord::PnStart:
        m_pn.start = qMax(0, value);
        break;
    case RtfWord::PnTxtA:
        m_text = &m_pn.after;
        break;
    case RtfWord::PnTxtB:
        m_text = &m_pn.before;
        break;
    default:
        break; // fonts, indents, \ls repeated inside: the paragraph's own words say it
    }
    return true;
}

void RtfPnDestination::append(QChar c)
{
    // A symbol font's bullet is one byte, kept as its value; control characters are no text.
    if (m_text && m_text->size() < kMaxText && c.unicode() >= 0x20 && c.unicode() != 0x7F)
        m_text->append(c);
}

void RtfPnDestination::bytes(std::string_view bytes, const RtfGroupState &)
{
    for (const char c : bytes)
        append(QChar(char16_t(uchar(c))));
}

void RtfPnDestination::unicode(char16_t unit, const RtfGroupState &)
{
    append(QChar(unit));
}

void RtfPnDestination::endInto(RtfGroupState &outer)
{
    outer.para.structure.pn = m_pn;
}
