#include "rtf/rtf_note_destination.h"

#include "rtf/rtf_body_destination.h"
#include "rtf/rtf_control_words.h"
#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_group_state.h"

#include <limits>

void RtfNoteDestination::start(RtfGroupState &state)
{
    if (m_lastId < std::numeric_limits<int>::max())
        ++m_lastId;
    m_id = m_lastId;
    m_endnote = false;
    m_markPending = true;
    m_depth = state.para.structure.tableDepth();
    state.chr.note = m_id;
    state.chr.endnote = false;
    state.chr.field = 0;
}

void RtfNoteDestination::markEndnote(RtfGroupState &state)
{
    if (!m_markPending)
        return;
    m_endnote = true;
    state.chr.endnote = true;
}

void RtfNoteDestination::openMark()
{
    if (!m_markPending)
        return;
    m_markPending = false;
    appendMark(u"〔注：");
}

void RtfNoteDestination::appendMark(QStringView mark)
{
    m_builder->setTextDepth(m_depth);
    m_builder->appendNoteMark(mark, m_id, m_endnote);
}

bool RtfNoteDestination::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state)
{
    switch (word) {
    case RtfWord::Par:
    case RtfWord::Page:
    case RtfWord::Cell:
    case RtfWord::Row:
        unicode(u' ', state);
        return true;
    case RtfWord::FtnAlt:
        markEndnote(state);
        return true;
    case RtfWord::Plain:
    case RtfWord::Ab:
    case RtfWord::Af:
    case RtfWord::Afs:
    case RtfWord::Ai:
    case RtfWord::Dbch:
    case RtfWord::Loch:
    case RtfWord::Ltrch:
    case RtfWord::Rtlch:
        return m_body->controlWord(word, token, state);
    default:
        break;
    }
    if (state.chr.apply(word, token))
        return true;
    if (const char16_t c = rtfSpecialCharacter(word); c != 0)
        unicode(c, state);
    // Paragraph, table and document words have no place in a note.
    return true;
}

void RtfNoteDestination::controlSymbol(char symbol, const RtfGroupState &state)
{
    if (symbol == '\n' || symbol == '\r') {
        unicode(u' ', state);
        return;
    }
    openMark();
    m_body->controlSymbol(symbol, state);
}

void RtfNoteDestination::bytes(std::string_view bytes, const RtfGroupState &state)
{
    openMark();
    m_body->bytes(bytes, state);
}

void RtfNoteDestination::unicode(char16_t unit, const RtfGroupState &state)
{
    openMark();
    m_body->unicode(unit, state);
}

void RtfNoteDestination::finish()
{
    openMark();
    appendMark(u"〕");
}
