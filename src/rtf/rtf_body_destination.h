#pragma once

#include "rtf/rtf_destination.h"
#include "rtf/rtf_para_props.h"

class RtfDocumentBuilder;
class RtfFontTable;

// The document's own text: formatting words change the group's state, text goes to the
// builder in the code page of the current font.
class RtfBodyDestination : public RtfDestination
{
public:
    RtfBodyDestination(RtfFontTable *fonts, RtfDocumentBuilder *builder)
        : m_fonts(fonts), m_builder(builder)
    {
    }

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char symbol, const RtfGroupState &state) override;
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;
    void groupClosed(const RtfGroupState &) override { m_recordText = true; }

    // The formatting a paragraph ending now takes: what was in effect at its last text,
    // unless a paragraph word came after that text.
    const RtfParaProps &paragraphFor(const RtfParaProps &atEnd) const;

private:
    void textAdded(const RtfGroupState &state);
    void paragraphEnded()
    {
        m_textSeen = false;
        m_recordText = true;
    }

    static int cellDepth(RtfWord word, const RtfGroupState &state);
    bool documentWord(RtfWord word, const RtfToken &token);
    bool eastAsianWord(RtfWord word, const RtfToken &token, RtfGroupState &state);

    RtfFontTable *m_fonts;
    RtfDocumentBuilder *m_builder;
    // A group may close between a paragraph's text and its \par, taking the paragraph's
    // formatting with it; readers keep what the text was written with.
    RtfParaProps m_textPara;
    bool m_textSeen = false;
    bool m_paraWordSinceText = false;
    bool m_recordText = true; // the formatting may have changed since the last text
};
