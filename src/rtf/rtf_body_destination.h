#pragma once

#include "rtf/rtf_destination.h"

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

private:
    bool documentWord(RtfWord word, const RtfToken &token);
    bool eastAsianWord(RtfWord word, const RtfToken &token, RtfGroupState &state);

    RtfFontTable *m_fonts;
    RtfDocumentBuilder *m_builder;
};
