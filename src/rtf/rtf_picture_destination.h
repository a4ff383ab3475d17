#pragma once

#include "rtf/rtf_char_props.h"
#include "rtf/rtf_destination.h"
#include "rtf/rtf_picture.h"

class RtfKeptGroupDestination;
class RtfObjectInserter;

// \pict: the picture's kind and sizes, and its data in hex or \bin. A picture inside a kept
// group goes to that group; any other goes into the text.
class RtfPictureDestination : public RtfDestination
{
public:
    explicit RtfPictureDestination(RtfObjectInserter *inserter) : m_inserter(inserter) {}

    void begin(const RtfGroupState &state, RtfKeptGroupDestination *container);

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char, const RtfGroupState &) override {}
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t, const RtfGroupState &) override {}
    void binary(std::string_view data, const RtfGroupState &state) override;
    void end(std::string_view groupBytes) override;

private:
    RtfObjectInserter *m_inserter;
    RtfKeptGroupDestination *m_container = nullptr;
    RtfPicture m_picture;
    RtfRunProps m_props;
    int m_uc = 1;
    int m_nibble = -1; // the first half of a hex byte
};
