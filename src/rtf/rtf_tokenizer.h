#pragma once

#include <QByteArray>
#include <string_view>

struct RtfToken
{
    enum class Kind
    {
        End,
        GroupOpen,
        GroupClose,
        ControlWord,
        ControlSymbol,
        HexByte,
        BadHex,
        Text
    };

    Kind kind = Kind::End;
    std::string_view text; // a control word's letters, or a run of plain text bytes
    bool hasParam = false;
    int param = 0; // clamped, so a huge number in a file never overflows
    char symbol = 0;
    unsigned char byte = 0;
};

// Cuts RTF bytes into tokens in one forward pass; raw line breaks are dropped here, since
// RTF gives them no meaning.
// 0-15 for a hex digit, -1 for anything else.
int rtfHexValue(char c);

class RtfTokenizer
{
public:
    static constexpr int kParamLimit = 1000000000;

    explicit RtfTokenizer(const QByteArray &data);

    RtfToken next();
    // The raw bytes of \binN; fewer when the file ends first.
    std::string_view takeBytes(int count);
    // Where the next token starts, and the bytes from an earlier offset up to there.
    qsizetype offset() const { return m_pos; }
    std::string_view bytesFrom(qsizetype start) const
    {
        return std::string_view(m_data + start, size_t(m_pos - start));
    }

private:
    void readControl(RtfToken *token);

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};
