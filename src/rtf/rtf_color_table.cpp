#include "rtf/rtf_color_table.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

bool RtfColorTable::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &)
{
    const int value = token.hasParam ? qBound(0, token.param, 255) : 0;
    switch (word) {
    case RtfWord::Red:
        m_red = value;
        m_entrySet = true;
        return true;
    case RtfWord::Green:
        m_green = value;
        m_entrySet = true;
        return true;
    case RtfWord::Blue:
        m_blue = value;
        m_entrySet = true;
        return true;
    case RtfWord::Par:
    case RtfWord::Pard:
    case RtfWord::Plain:
        return false;
    default:
        return true; // theme colours, tint and shade: the file gives the RGB values as well
    }
}

void RtfColorTable::bytes(std::string_view bytes, const RtfGroupState &)
{
    for (char c : bytes) {
        if (c == ';')
            endEntry();
    }
}

void RtfColorTable::end(std::string_view)
{
    // A last entry without its semicolon still counts.
    if (m_entrySet)
        endEntry();
}

void RtfColorTable::endEntry()
{
    if (m_colors.size() < kMaxColors)
        m_colors.push_back(m_entrySet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_entrySet = false;
}

QColor RtfColorTable::color(int index) const
{
    return index >= 0 && size_t(index) < m_colors.size() ? m_colors[size_t(index)] : QColor();
}
