#include "rtf/rtf_parser.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_kept_group_destination.h"
#include "rtf/rtf_list_text_destination.h"
#include "rtf/rtf_note_destination.h"
#include "rtf/rtf_object_inserter.h"
#include "rtf/rtf_picture_destination.h"

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
        RtfObjectInserter inserter(m_doc, &builder, m_fonts, m_colors);
        RtfPictureDestination picture(&inserter);
        RtfKeptGroupDestination keptInText(&inserter);
        RtfKeptGroupDestination keptDocument(&inserter);
        RtfListTextDestination listText(&m_fonts, &m_codePages, &builder);
        RtfNoteDestination note(&body, &builder);
        builder.setListTable(&m_lists);
        builder.setFieldInstructions(&m_fieldInstructions);
        m_builder = &builder;
        m_body = &body;
        m_picture = &picture;
        m_keptInText = &keptInText;
        m_keptDocument = &keptDocument;
        m_listText = &listText;
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
        keptDocument.storeOn(m_doc);
        m_pageSetup.storeOn(m_doc);
        m_report.count(QStringLiteral("批注"), qMax(m_annotations, m_annotationIds));
        m_report.storeOn(m_doc);
        m_picture = nullptr;
        m_keptInText = nullptr;
        m_keptDocument = nullptr;
        m_listText = nullptr;
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
        m_stack.back().destination->endInto(m_stack.back());
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
    bool ended = false;
    if (destination) {
        destination->groupClosed(closing);
        // \ud hands the group back the destination \upr set aside: that is no end of it.
        if (destination != parent.destination && destination != parent.uprDestination) {
            destination->end(m_tokens.bytesFrom(closing.groupStart));
            ended = true;
        }
    }
    if (closing.chr.note != 0 && parent.chr.note != closing.chr.note)
        m_note->finish();
    m_stack.pop_back();
    if (ended)
        destination->endInto(m_stack.back());
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
    m_wordStart = qsizetype(token.text.data() - m_tokens.bytesFrom(0).data()) - 1;
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
    if (s.destination == m_body && m_pageSetup.apply(word, token))
        return;
    if (!s.destination->controlWord(word, token, s)) {
        s.destination = m_body;
        m_body->controlWord(word, token, s);
    }
}

bool RtfParser::openDestination(RtfWord word, RtfGroupState &state)
{
    const bool opened = openAnyDestination(word, state);
    // A note holds only text and the codes of its fields: whatever else opens inside it is
    // skipped.
    if (opened && state.chr.note != 0 && state.destination != m_note &&
        state.destination != &m_fieldInstruction)
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
        state.destination = &m_fieldInstruction;
        return true;
    case RtfWord::FldRslt:
        if (!inInstruction) {
            const QString instruction = m_fieldInstruction.takeInstruction();
            if (!instruction.isEmpty()) {
                if (m_fieldInstructions.isEmpty() || m_fieldInstructions.constLast() != instruction)
                    m_fieldInstructions.append(instruction);
                state.chr.field = int(m_fieldInstructions.size());
            }
        }
        return true;
    case RtfWord::Footnote:
        if (state.chr.note != 0 && !inInstruction)
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
    if (insideKeptGroup(state)) {
        // A kept group goes back byte for byte: its fields, notes and lists are its own.
        switch (word) {
        case RtfWord::Field:
        case RtfWord::FldInst:
        case RtfWord::FldRslt:
        case RtfWord::Footnote:
        case RtfWord::ListTable:
        case RtfWord::ListOverrideTable:
        case RtfWord::Pn:
        case RtfWord::ListText:
            return true;
        default:
            break;
        }
    }
    if (openFieldOrNote(word, state))
        return true;
    switch (word) {
    case RtfWord::FontTbl:
    case RtfWord::ColorTbl:
        // A table inside a kept group is part of that group, not of this document.
        if (!insideKeptGroup(state))
            state.destination =
                word == RtfWord::FontTbl ? static_cast<RtfDestination *>(&m_fonts) : &m_colors;
        return true;
    case RtfWord::ListTable:
    case RtfWord::ListOverrideTable:
        state.destination = &m_lists;
        return true;
    case RtfWord::Pn:
        m_pn.begin();
        state.destination = &m_pn;
        return true;
    case RtfWord::ListText:
        state.destination = m_listText;
        return true;
    case RtfWord::SkipDestination:
        state.destination = nullptr;
        return true;
    default:
        return openObject(word, state);
    }
}

bool RtfParser::insideKeptGroup(const RtfGroupState &state) const
{
    return state.destination == m_keptInText || state.destination == m_keptDocument ||
           state.destination == m_picture;
}

// A group kept as it came starts at its destination word when text or other words came
// before that word in the group: those were read already and must not come back twice.
void RtfParser::keepFromWord(RtfGroupState &state) const
{
    const std::string_view before =
        m_tokens.bytesFrom(state.groupStart).substr(0, size_t(m_wordStart - state.groupStart));
    for (size_t i = 1; i < before.size(); ++i) {
        const char c = before[i];
        // A space after the brace is text; only line breaks are not.
        if (c == '\r' || c == '\n')
            continue;
        if (c == '\\' && i + 1 < before.size() && before[i + 1] == '*') {
            ++i;
            continue;
        }
        state.groupStart = m_wordStart;
        return;
    }
}

bool RtfParser::openObject(RtfWord word, RtfGroupState &state)
{
    using Kind = RtfKeptGroupDestination::Kind;
    using Place = RtfKeptGroup::Place;
    if (state.chr.note != 0) {
        // A note holds only text; what it showed besides is said at open.
        switch (word) {
        case RtfWord::Pict:
        case RtfWord::Object:
        case RtfWord::Shp:
        case RtfWord::Do:
            m_report.count(QStringLiteral("脚注中的图片或对象"));
            state.destination = nullptr;
            return true;
        case RtfWord::Info:
        case RtfWord::HeaderFooter:
        case RtfWord::Annotation:
        case RtfWord::AtnId:
        case RtfWord::Xe:
        case RtfWord::Tc:
            state.destination = nullptr;
            return true;
        default:
            break;
        }
    }
    switch (word) {
    case RtfWord::Pict:
        if (!insideKeptGroup(state))
            m_builder->setTextDepth(state.para.structure.tableDepth()); // as text would
        if (state.destination == m_keptInText)
            m_picture->begin(state, m_keptInText);
        else if (!insideKeptGroup(state))
            m_picture->begin(state, nullptr);
        else
            return true; // kept with the group around it
        keepFromWord(state);
        state.destination = m_picture;
        return true;
    case RtfWord::ShpPict:
        // Word's picture for readers that know shapes; the \nonshppict after it repeats it
        // for older ones.
        m_shpPictSeen = true;
        return true;
    case RtfWord::NonShpPict:
        // Inside a picture it is part of the picture's own bytes, read again the same way.
        if (m_shpPictSeen && !insideKeptGroup(state))
            state.destination = nullptr;
        return true;
    case RtfWord::Result:
        return true; // read as the group it stands in
    case RtfWord::ShapeProperty:
        if (state.destination != m_keptInText)
            state.destination = nullptr;
        return true;
    case RtfWord::Object:
    case RtfWord::Shp:
    case RtfWord::Do:
        if (!insideKeptGroup(state)) {
            m_builder->setTextDepth(state.para.structure.tableDepth());
            m_keptInText->begin(word == RtfWord::Object ? Kind::Object
                                : word == RtfWord::Shp  ? Kind::Shape
                                                        : Kind::Drawing,
                                Place::Text, state);
            keepFromWord(state);
            state.destination = m_keptInText;
        }
        return true;
    case RtfWord::Info:
    case RtfWord::HeaderFooter:
        if (!insideKeptGroup(state)) {
            m_keptDocument->begin(Kind::DocumentPart,
                                  word == RtfWord::Info ? Place::Info : Place::HeaderFooter, state);
            keepFromWord(state);
            state.destination = m_keptDocument;
        }
        return true;
    case RtfWord::Annotation:
    case RtfWord::AtnId:
    case RtfWord::Xe:
    case RtfWord::Tc:
        if (!insideKeptGroup(state)) {
            if (word == RtfWord::Annotation)
                ++m_annotations;
            else if (word == RtfWord::AtnId)
                ++m_annotationIds;
            else
                m_report.count(word == RtfWord::Xe ? QStringLiteral("索引项")
                                                   : QStringLiteral("目录项"));
            state.destination = nullptr;
        }
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
