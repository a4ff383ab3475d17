#include "rtf/rtf_list_text_destination.h"

#include "rtf/rtf_code_pages.h"
#include "rtf/rtf_control_words.h"
#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_group_state.h"

bool RtfListTextDestination::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state)
{
    if (state.chr.apply(word, token))
        return true;
    if (word == RtfWord::Plain) {
        state.resetCharacter();
    } else if (const char16_t c = rtfSpecialCharacter(word); c != 0 && c != 0x2028) {
        append(QString(QChar(c)), state);
    }
    return true; // paragraph words in here belong to no paragraph
}

void RtfListTextDestination::controlSymbol(char symbol, const RtfGroupState &state)
{
    if (symbol == '~')
        append(QString(QChar(0x00A0)), state);
}

void RtfListTextDestination::bytes(std::string_view bytes, const RtfGroupState &state)
{
    m_decoded.clear();
    m_codePages->decodeAppend(bytes, m_fonts->codePageFor(state.chr.font), &m_decoded);
    append(m_decoded, state);
}

void RtfListTextDestination::unicode(char16_t unit, const RtfGroupState &state)
{
    if (!QChar::isSurrogate(unit))
        append(QString(QChar(unit)), state);
}

void RtfListTextDestination::append(const QString &text, const RtfGroupState &state)
{
    if (text.isEmpty() || m_length + text.size() > kMaxText)
        return;
    m_length += int(text.size());
    const RtfRunProps props = state.runProps();
    if (!m_runs.empty() && m_runs.back().props == props)
        m_runs.back().text += text;
    else
        m_runs.push_back({text, props});
}

void RtfListTextDestination::end(std::string_view)
{
    m_builder->listText(m_runs);
    m_runs.clear();
    m_length = 0;
}
