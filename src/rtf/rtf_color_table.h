#pragma once

#include "rtf/rtf_destination.h"

#include <QColor>
#include <vector>

// The colours of \colortbl, which \cf, \highlight and the shading words count into. An
// entry without \red, \green or \blue (the usual first one) is the automatic colour.
class RtfColorTable : public RtfDestination
{
public:
    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char, const RtfGroupState &) override {}
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t, const RtfGroupState &) override {}
    void end(std::string_view groupBytes) override;

    // Invalid for the automatic colour and for an index the table does not hold.
    QColor color(int index) const;

private:
    // More entries than any document has; a longer table is damage.
    static constexpr size_t kMaxColors = 0x10000;

    void endEntry();

    std::vector<QColor> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_entrySet = false;
};
