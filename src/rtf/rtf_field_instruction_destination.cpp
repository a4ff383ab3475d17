#include "rtf/rtf_field_instruction_destination.h"

#include "rtf/rtf_code_pages.h"
#include "rtf/rtf_control_words.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_group_state.h"

namespace {

// The instruction is written back as text, so it keeps only what text keeps; breaks and
// controls become spaces, and a lone half of a surrogate pair a replacement character.
QString cleanInstruction(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < raw.size() &&
            QChar::isLowSurrogate(raw[i + 1].unicode())) {
            out += raw[i];
            out += raw[++i];
        } else if (QChar::isSurrogate(c)) {
            out += QChar(QChar::ReplacementCharacter);
        } else if (c < 0x20 || c == 0x2028 || c == 0x2029) {
            out += u' ';
        } else if (c != 0x7F && c != 0xFFFC && c != 0xFEFF && c != 0xFDD0 && c != 0xFDD1) {
            out += raw[i];
        }
    }
    return out.trimmed();
}

} // namespace

QString RtfFieldInstructionDestination::takeInstruction()
{
    QString instruction;
    instruction.swap(m_pending);
    return instruction;
}

bool RtfFieldInstructionDestination::controlWord(RtfWord word, const RtfToken &token,
                                                 RtfGroupState &state)
{
    // Fonts matter for the code page of the bytes; everything else is no text.
    if (word == RtfWord::Plain)
        state.resetCharacter();
    else if (!state.chr.apply(word, token))
        if (const char16_t c = rtfSpecialCharacter(word); c != 0)
            unicode(c, state);
    return true;
}

void RtfFieldInstructionDestination::controlSymbol(char symbol, const RtfGroupState &state)
{
    if (symbol == '~')
        unicode(0x00A0, state);
    else if (symbol == '-')
        unicode(0x00AD, state);
    else if (symbol == '_')
        unicode(0x2011, state);
}

void RtfFieldInstructionDestination::bytes(std::string_view bytes, const RtfGroupState &state)
{
    const int codePage = m_fonts->codePageFor(state.chr.font);
    if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = codePage;
    m_bytes.append(bytes.data(), qsizetype(bytes.size()));
}

void RtfFieldInstructionDestination::unicode(char16_t unit, const RtfGroupState &)
{
    flushBytes();
    m_text += QChar(unit);
}

void RtfFieldInstructionDestination::end(std::string_view)
{
    flushBytes();
    m_pending = cleanInstruction(m_text);
    m_text.clear();
}

void RtfFieldInstructionDestination::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_codePages->decodeAppend(std::string_view(m_bytes.constData(), size_t(m_bytes.size())),
                              m_bytesCodePage, &m_text);
    m_bytes.clear();
}
