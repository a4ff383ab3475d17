#include "rtf/rtf_tokenizer.h"

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool endsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

} // namespace

RtfTokenizer::RtfTokenizer(const QByteArray &data) : m_data(data.constData()), m_size(data.size())
{
}

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    while (m_pos < m_size) {
        const char c = m_data[m_pos];
        switch (c) {
        case '\r':
        case '\n':
            ++m_pos;
            continue;
        case '{':
            ++m_pos;
            token.kind = RtfToken::Kind::GroupOpen;
            return token;
        case '}':
            ++m_pos;
            token.kind = RtfToken::Kind::GroupClose;
            return token;
        case '\\':
            ++m_pos;
            if (m_pos >= m_size)
                return token;
            readControl(&token);
            return token;
        default: {
            const qsizetype start = m_pos;
            while (m_pos < m_size && !endsText(m_data[m_pos]))
                ++m_pos;
            token.kind = RtfToken::Kind::Text;
            token.text = std::string_view(m_data + start, size_t(m_pos - start));
            return token;
        }
        }
    }
    return token;
}

void RtfTokenizer::readControl(RtfToken *token)
{
    const char c = m_data[m_pos];
    if (isLetter(c)) {
        const qsizetype start = m_pos;
        while (m_pos < m_size && isLetter(m_data[m_pos]))
            ++m_pos;
        token->kind = RtfToken::Kind::ControlWord;
        token->text = std::string_view(m_data + start, size_t(m_pos - start));
        bool negative = false;
        if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_size && isDigit(m_data[m_pos])) {
            long long value = 0;
            while (m_pos < m_size && isDigit(m_data[m_pos])) {
                if (value < kParamLimit)
                    value = value * 10 + (m_data[m_pos] - '0');
                ++m_pos;
            }
            if (value > kParamLimit)
                value = kParamLimit;
            token->hasParam = true;
            token->param = int(negative ? -value : value);
        }
        if (m_pos < m_size && m_data[m_pos] == ' ')
            ++m_pos;
        return;
    }
    if (c == '\'') {
        ++m_pos;
        int value = 0;
        int digits = 0;
        bool valid = true;
        // Two characters belong to the escape even when they are not hex digits, as other
        // readers count them; braces and backslashes stay structure.
        while (digits < 2 && m_pos < m_size && !endsText(m_data[m_pos])) {
            const int h = rtfHexValue(m_data[m_pos]);
            if (h < 0)
                valid = false;
            value = value * 16 + (h < 0 ? 0 : h);
            ++digits;
            ++m_pos;
        }
        if (valid && digits == 2) {
            token->kind = RtfToken::Kind::HexByte;
            token->byte = static_cast<unsigned char>(value);
        } else {
            token->kind = RtfToken::Kind::BadHex;
        }
        return;
    }
    ++m_pos;
    token->kind = RtfToken::Kind::ControlSymbol;
    token->symbol = c;
}

std::string_view RtfTokenizer::takeBytes(int count)
{
    if (count <= 0)
        return {};
    const qsizetype n = qMin<qsizetype>(count, m_size - m_pos);
    std::string_view bytes(m_data + m_pos, size_t(n));
    m_pos += n;
    return bytes;
}

int rtfHexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
