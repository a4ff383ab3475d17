#pragma once

#include <string_view>

enum class RtfWord : unsigned short;
struct RtfGroupState;
struct RtfToken;

// Where the content of a group goes: the body, the font table, the colour table... The
// parser owns one object of each kind; a control word points the current group at one,
// the groups inside inherit it, and end() comes when the group that chose it closes.
class RtfDestination
{
public:
    virtual ~RtfDestination() = default;

    // false: the word belongs to the body, which takes over the group (a table that is
    // never closed ends where body formatting starts).
    virtual bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) = 0;
    // \~, \-, \_ and a backslash before a line break.
    virtual void controlSymbol(char symbol, const RtfGroupState &state) = 0;
    // 8-bit text, plain and \'hh alike.
    virtual void bytes(std::string_view bytes, const RtfGroupState &state) = 0;
    // A UTF-16 unit of \uN; a character beyond the BMP comes as two.
    virtual void unicode(char16_t unit, const RtfGroupState &state) = 0;
    // The data of \binN.
    virtual void binary(std::string_view /*data*/, const RtfGroupState & /*state*/) {}
    // A group that wrote here has closed (the one that chose this destination last).
    virtual void groupClosed(const RtfGroupState & /*state*/) {}
    // The group that chose this destination has closed; groupBytes is the whole group as
    // it stands in the file, braces included.
    virtual void end(std::string_view /*groupBytes*/) {}
    // After end(): the group around the closed one, for a destination whose words describe
    // the paragraph that holds it.
    virtual void endInto(RtfGroupState & /*outer*/) {}
};
