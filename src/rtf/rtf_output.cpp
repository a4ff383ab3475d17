#include "rtf/rtf_output.h"

#include "rtf/gbk_table.h"

#include <QChar>
#include <algorithm>
#include <charconv>

void RtfOutput::word(const char *name)
{
    m_out += '\\';
    m_out += name;
    m_needDelimiter = true;
}

void RtfOutput::word(const char *name, int value)
{
    m_out += '\\';
    m_out += name;
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    m_out.append(digits, size_t(result.ptr - digits));
    m_needDelimiter = true;
}

void RtfOutput::raw(std::string_view bytes)
{
    m_out.append(bytes);
    m_needDelimiter = false;
}

void RtfOutput::words(std::string_view bytes)
{
    m_out.append(bytes);
    m_needDelimiter = !bytes.empty();
}

void RtfOutput::lineBreak()
{
    m_out += "\r\n";
    m_needDelimiter = false;
}

void RtfOutput::openGroup()
{
    m_out += '{';
    m_needDelimiter = false;
    m_uc.push_back(m_uc.back());
}

void RtfOutput::closeGroup()
{
    m_out += '}';
    m_needDelimiter = false;
    if (m_uc.size() > 1)
        m_uc.pop_back();
}

void RtfOutput::literal(char c)
{
    if (m_needDelimiter) {
        m_out += ' ';
        m_needDelimiter = false;
    }
    m_out += c;
}

void RtfOutput::nonAscii(char16_t unit)
{
    // \u takes a signed 16-bit number; the bytes after it serve readers without Unicode.
    const int signedUnit = unit >= 0x8000 ? int(unit) - 0x10000 : int(unit);
    const uint16_t code = QChar::isSurrogate(unit) ? 0 : gbkCode(unit);
    const int length = code == 0 ? 1 : code < 0x100 ? 1 : 2;
    if (length != m_uc.back()) {
        word("uc", length);
        m_uc.back() = length;
    }
    static const char hex[] = "0123456789abcdef";
    char buffer[24] = {'\\', 'u'};
    char *end = std::to_chars(buffer + 2, buffer + 10, signedUnit).ptr;
    if (code == 0) {
        *end++ = '?'; // ends the control word by itself
    } else {
        if (code >= 0x100) {
            const char lead[4] = {'\\', '\'', hex[code >> 12], hex[(code >> 8) & 15]};
            end = std::copy(lead, lead + 4, end);
        }
        const char trail[4] = {'\\', '\'', hex[(code >> 4) & 15], hex[code & 15]};
        end = std::copy(trail, trail + 4, end);
    }
    m_out.append(buffer, size_t(end - buffer));
    m_needDelimiter = false;
}

void RtfOutput::text(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == u'\\' || c == u'{' || c == u'}') {
                m_out += '\\';
                m_out += char(c);
                m_needDelimiter = false;
            } else {
                literal(char(c));
            }
            continue;
        }
        switch (c) {
        case u'\t':
            word("tab");
            continue;
        case 0x2028:
            word("line");
            continue;
        case 0x00A0:
            raw("\\~");
            continue;
        case 0x00AD:
            raw("\\-");
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F || c == 0xFFFC || c == 0xFDD0 || c == 0xFDD1 || c == 0x2029)
            continue; // controls and object or frame markers are no text
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            nonAscii(c);
            nonAscii(text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(c)) {
            nonAscii(0xFFFD);
        } else {
            nonAscii(c);
        }
    }
}
