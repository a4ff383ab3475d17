#include "rtf/rtf_parser.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_note_destination.h"

#include <QTextDocument>

RtfParser::RtfParser(const QByteArray &rtf, QTextDocument *into)
    : m_doc(into), m_tokens(rtf), m_fonts(&m_codePages), m_fieldInstruction(&m_fonts, &m_codePages)
{
    m_stack.reserve(64);
    m_stack.emplace_back(); // bytes before the document's group are no text: skipped
}

void RtfParser::run()
{
    const bool undo = m_doc->isUndoRedoEnabled();
    m_doc->setUndoRedoEnabled(false);
    m_doc->clear();
    {
        RtfDocumentBuilder builder(m_doc, m_fonts, m_colors, &m_codePages);
        RtfBodyDestination body(&m_fonts, &builder);
        RtfNoteDestination note(&body, &builder);
        builder.setFieldInstructions(&m_fieldInstructions);
        m_builder = &builder;
        m_body = &body;
        m_note = &note;
        bool more = true;
        while (more) {
            const RtfToken token = m_tokens.next();
            const bool atGroupStart = m_atGroupStart;
            m_atGroupStart = token.kind == RtfToken::Kind::GroupOpen;
            if (token.kind != RtfToken::Kind::ControlWord)
                m_ignorableNext = false;
            switch (token.kind) {
            case RtfToken::Kind::End:
                more = false;
                break;
            case RtfToken::Kind::GroupOpen:
                m_fallbackToSkip = 0;
                openGroup();
                break;
            case RtfToken::Kind::GroupClose:
                m_fallbackToSkip = 0;
                more = closeGroup();
                break;
            case RtfToken::Kind::ControlWord:
                controlWord(token);
                break;
            case RtfToken::Kind::ControlSymbol:
                // \* counts only at the start of a group; some writers put it elsewhere.
                if (token.symbol == '*')
                    m_ignorableNext = atGroupStart;
                else if (!consumeFallback())
                    controlSymbol(token.symbol);
                break;
            case RtfToken::Kind::HexByte:
                if (!consumeFallback() && m_overflowDepth == 0 && state().destination) {
                    const char c = char(token.byte);
                    state().destination->bytes(std::string_view(&c, 1), state());
                }
                break;
            case RtfToken::Kind::BadHex:
                consumeFallback();
                break;
            case RtfToken::Kind::Text:
                text(token.text);
                break;
            }
        }
        finish();
        m_note = nullptr;
        m_body = nullptr;
        m_builder = nullptr;
    }
    m_doc->setUndoRedoEnabled(undo);
}

void RtfParser::finish()
{
    // An unclosed file: its open groups end here, as if their braces had come; the last
    // paragraph keeps the formatting it had.
    const RtfParaProps para = m_stack.back().para;
    const RtfCharProps mark = m_stack.back().chr;
    while (m_stack.size() > 2)
        popGroup();
    if (m_stack.size() == 2 && m_stack.back().destination && m_stack.back().destination != m_body) {
        m_stack.back().destination->groupClosed(m_stack.back());
        m_stack.back().destination->end(m_tokens.bytesFrom(m_stack.back().groupStart));
    }
    if (m_stack.size() == 2 && m_stack.back().chr.note != 0)
        m_note->finish();
    m_builder->finish(m_body->paragraphFor(para), mark);
}

void RtfParser::openGroup()
{
    if (m_overflowDepth > 0 || m_stack.size() >= size_t(kMaxDepth)) {
        ++m_overflowDepth;
        return;
    }
    if (m_stack.size() == 1) {
        RtfGroupState document;
        document.destination = m_body;
        m_stack.push_back(document);
    } else {
        m_stack.push_back(m_stack.back());
    }
    m_stack.back().groupStart = m_tokens.offset() - 1;
}

bool RtfParser::closeGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_stack.size() <= 1)
        return true; // a stray brace before the document starts
    if (m_stack.size() == 2)
        return false; // the document's group ends; what follows is not part of it
    popGroup();
    return true;
}

void RtfParser::popGroup()
{
    const RtfGroupState &closing = m_stack.back();
    const RtfGroupState &parent = m_stack[m_stack.size() - 2];
    RtfDestination *destination = closing.destination;
    if (destination) {
        destination->groupClosed(closing);
        if (destination != parent.destination)
            destination->end(m_tokens.bytesFrom(closing.groupStart));
    }
    if (closing.chr.note != 0 && parent.chr.note != closing.chr.note)
        m_note->finish();
    m_stack.pop_back();
}

bool RtfParser::consumeFallback()
{
    if (m_fallbackToSkip <= 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

void RtfParser::controlWord(const RtfToken &token)
{
    const RtfWord word = rtfWordFor(token.text);
    const bool ignorable = m_ignorableNext;
    m_ignorableNext = false;
    if (word == RtfWord::Bin) {
        // Binary data is never text; it goes whole to the destination that reads it.
        const std::string_view data = m_tokens.takeBytes(token.hasParam ? token.param : 0);
        if (m_overflowDepth == 0 && state().destination)
            state().destination->binary(data, state());
        consumeFallback();
        return;
    }
    if (consumeFallback() || m_overflowDepth > 0)
        return;
    RtfGroupState &s = state();
    if (!s.destination) {
        if (word == RtfWord::Ud && s.uprDestination)
            s.destination = s.uprDestination;
        return;
    }
    if (ignorable && !rtfKeptUnderStar(word)) {
        s.destination = nullptr;
        return;
    }
    switch (word) {
    case RtfWord::U:
        if (token.hasParam)
            unicode(token.param);
        return;
    case RtfWord::Uc:
        s.uc = token.hasParam ? qBound(0, token.param, 0xFFFF) : 1;
        return;
    case RtfWord::Upr:
        // The ANSI half is skipped; \ud inside it returns to this destination.
        s.uprDestination = s.destination;
        s.destination = nullptr;
        return;
    default:
        break;
    }
    if (openDestination(word, s))
        return;
    if (!s.destination->controlWord(word, token, s)) {
        s.destination = m_body;
        m_body->controlWord(word, token, s);
    }
}

bool RtfParser::openDestination(RtfWord word, RtfGroupState &state)
{
    const bool opened = openAnyDestination(word, state);
    // A note holds only text: whatever else opens inside it is skipped.
    if (opened && state.chr.note != 0 && state.destination != m_note)
        state.destination = nullptr;
    return opened;
}

bool RtfParser::openFieldOrNote(RtfWord word, RtfGroupState &state)
{
    const bool inInstruction = state.destination == &m_fieldInstruction;
    switch (word) {
    case RtfWord::Field:
        if (!inInstruction)
            m_fieldInstruction.fieldStarted();
        return true;
    case RtfWord::FldInst:
        // A nested field's code is part of the outer one's.
        state.destination = state.chr.note == 0 ? &m_fieldInstruction : nullptr;
        return true;
    case RtfWord::FldRslt:
        if (!inInstruction && state.chr.note == 0) {
            const QString instruction = m_fieldInstruction.takeInstruction();
            if (!instruction.isEmpty()) {
                if (m_fieldInstructions.isEmpty() || m_fieldInstructions.constLast() != instruction)
                    m_fieldInstructions.append(instruction);
                state.chr.field = int(m_fieldInstructions.size());
            }
        }
        return true;
    case RtfWord::Footnote:
        if (state.chr.note != 0)
            return true; // joins the note it stands in
        if (inInstruction || state.destination == &m_fonts || state.destination == &m_colors) {
            state.destination = nullptr;
        } else {
            m_note->start(state);
            state.destination = m_note;
        }
        return true;
    default:
        return false;
    }
}

bool RtfParser::openAnyDestination(RtfWord word, RtfGroupState &state)
{
    if (openFieldOrNote(word, state))
        return true;
    switch (word) {
    case RtfWord::FontTbl:
        state.destination = &m_fonts;
        return true;
    case RtfWord::ColorTbl:
        state.destination = &m_colors;
        return true;
    case RtfWord::SkipDestination:
        state.destination = nullptr;
        return true;
    default:
        return false;
    }
}

void RtfParser::controlSymbol(char symbol)
{
    if (m_overflowDepth > 0 || !state().destination)
        return;
    if (symbol == '\\' || symbol == '{' || symbol == '}')
        state().destination->bytes(std::string_view(&symbol, 1), state());
    else
        state().destination->controlSymbol(symbol, state());
}

void RtfParser::text(std::string_view bytes)
{
    if (m_overflowDepth > 0)
        return;
    if (m_fallbackToSkip > 0) {
        const size_t n = qMin(size_t(m_fallbackToSkip), bytes.size());
        bytes.remove_prefix(n);
        m_fallbackToSkip -= int(n);
    }
    if (!bytes.empty() && state().destination)
        state().destination->bytes(bytes, state());
}

void RtfParser::unicode(int value)
{
    const RtfGroupState &s = state();
    m_fallbackToSkip = s.uc;
    if (value < 0)
        value += 0x10000;
    if (value >= 0 && value <= 0xFFFF) {
        s.destination->unicode(char16_t(value), s);
    } else if (value > 0xFFFF && value <= 0x10FFFF) {
        s.destination->unicode(QChar::highSurrogate(char32_t(value)), s);
        s.destination->unicode(QChar::lowSurrogate(char32_t(value)), s);
    } else {
        s.destination->unicode(QChar::ReplacementCharacter, s);
    }
}
