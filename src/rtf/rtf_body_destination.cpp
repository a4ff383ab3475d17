#include "rtf/rtf_body_destination.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_group_state.h"
#include "rtf/rtf_tokenizer.h"

bool RtfBodyDestination::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state)
{
    if (state.para.apply(word, token)) {
        m_paraWordSinceText = true;
        m_recordText = true;
        return true;
    }
    if (state.chr.apply(word, token) || eastAsianWord(word, token, state) ||
        documentWord(word, token))
        return true;
    switch (word) {
    case RtfWord::Plain:
        state.resetCharacter();
        break;
    case RtfWord::Par:
        m_builder->paragraphBreak(paragraphFor(state.para), state.chr);
        paragraphEnded();
        break;
    case RtfWord::Page:
        m_builder->pageBreak(paragraphFor(state.para), state.chr);
        paragraphEnded();
        break;
    case RtfWord::Cell:
    case RtfWord::NestCell:
        m_builder->cellBreak(paragraphFor(state.para), state.chr, cellDepth(word, state));
        paragraphEnded();
        break;
    case RtfWord::Row:
    case RtfWord::NestRow:
        m_builder->rowBreak(paragraphFor(state.para), state.chr, cellDepth(word, state));
        paragraphEnded();
        break;
    case RtfWord::Trowd:
    case RtfWord::TrLeft:
    case RtfWord::Cellx:
    case RtfWord::ClMgf:
    case RtfWord::ClMrg:
    case RtfWord::ClVmgf:
    case RtfWord::ClVmrg:
        m_builder->rowDefinition(state.para.structure.tableDepth()).apply(word, token);
        break;
    default:
        if (const char16_t c = rtfSpecialCharacter(word); c != 0) {
            textAdded(state);
            m_builder->appendUtf16(c, state.runProps());
        }
        break;
    }
    return true;
}

// \cell and \row end the outermost table's cells and rows, the nested words those of the
// table the paragraph is in.
int RtfBodyDestination::cellDepth(RtfWord word, const RtfGroupState &state)
{
    if (word == RtfWord::Cell || word == RtfWord::Row)
        return 1;
    return qMax(2, state.para.structure.tableDepth());
}

const RtfParaProps &RtfBodyDestination::paragraphFor(const RtfParaProps &atEnd) const
{
    return m_textSeen && !m_paraWordSinceText ? m_textPara : atEnd;
}

void RtfBodyDestination::textAdded(const RtfGroupState &state)
{
    m_builder->setTextDepth(state.para.structure.tableDepth());
    if (!m_recordText)
        return;
    m_recordText = false;
    m_textPara = state.para;
    m_textSeen = true;
    m_paraWordSinceText = false;
}

bool RtfBodyDestination::documentWord(RtfWord word, const RtfToken &token)
{
    switch (word) {
    case RtfWord::Ansi:
        m_fonts->setAnsiCodePage(1252);
        return true;
    case RtfWord::Mac:
        m_fonts->setAnsiCodePage(10000);
        return true;
    case RtfWord::Pc:
        m_fonts->setAnsiCodePage(437);
        return true;
    case RtfWord::Pca:
        m_fonts->setAnsiCodePage(850);
        return true;
    case RtfWord::AnsiCpg:
        m_fonts->setAnsiCodePage(token.param);
        return true;
    case RtfWord::Deff:
        m_fonts->setDefaultFont(token.param);
        return true;
    default:
        return false;
    }
}

bool RtfBodyDestination::eastAsianWord(RtfWord word, const RtfToken &token, RtfGroupState &state)
{
    using Target = RtfGroupState::Target;
    const bool eastAsian = state.target == Target::EastAsian;
    switch (word) {
    case RtfWord::Loch:
    case RtfWord::Ltrch:
        state.target = Target::Western;
        return true;
    case RtfWord::Dbch:
        state.target = Target::EastAsian;
        return true;
    case RtfWord::Rtlch:
        state.target = Target::Complex;
        return true;
    case RtfWord::Af:
        if (eastAsian)
            state.eastAsian.font = token.hasParam ? token.param : 0;
        return true;
    case RtfWord::Afs:
        if (eastAsian && token.hasParam && token.param > 0)
            state.eastAsian.halfPoints = qBound(2, token.param, 3276);
        return true;
    case RtfWord::Ab:
        if (eastAsian)
            state.eastAsian.bold = (!token.hasParam || token.param != 0) ? 1 : 0;
        return true;
    case RtfWord::Ai:
        if (eastAsian)
            state.eastAsian.italic = (!token.hasParam || token.param != 0) ? 1 : 0;
        return true;
    default:
        return false;
    }
}

void RtfBodyDestination::controlSymbol(char symbol, const RtfGroupState &state)
{
    switch (symbol) {
    case '~':
        unicode(0x00A0, state);
        break;
    case '-':
        unicode(0x00AD, state);
        break;
    case '_':
        unicode(0x2011, state);
        break;
    case '\n':
    case '\r':
        m_builder->paragraphBreak(paragraphFor(state.para), state.chr);
        paragraphEnded();
        break;
    default:
        break;
    }
}

void RtfBodyDestination::bytes(std::string_view bytes, const RtfGroupState &state)
{
    textAdded(state);
    m_builder->appendBytes(bytes, m_fonts->codePageFor(state.chr.font), state.runProps());
}

void RtfBodyDestination::unicode(char16_t unit, const RtfGroupState &state)
{
    textAdded(state);
    m_builder->appendUtf16(unit, state.runProps());
}
