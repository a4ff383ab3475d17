#pragma once

#include "rtf/rtf_destination.h"
#include "rtf/rtf_structure_props.h"

// {\*\pn ...}: the old paragraph numbering. Its words describe the paragraph that holds the
// group, which keeps them when the group closes.
class RtfPnDestination : public RtfDestination
{
public:
    void begin() { m_pn = RtfPnProps(); }

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char, const RtfGroupState &) override {}
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;
    void groupClosed(const RtfGroupState &) override { m_text = nullptr; }
    void endInto(RtfGroupState &outer) override;

private:
    static constexpr int kMaxText = 16;

    void append(QChar c);

    RtfPnProps m_pn;
    QString *m_text = nullptr; // \pntxta or \pntxtb while its group is open
};
