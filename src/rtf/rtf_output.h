#pragma once

#include <QStringView>
#include <string>
#include <string_view>
#include <vector>

// The bytes of an RTF file as they are written: control words with their delimiters, and
// text escaped so that any reader gets it back (\u with GBK bytes for readers without
// Unicode). Seven-bit ASCII throughout.
class RtfOutput
{
public:
    RtfOutput() { m_uc.push_back(1); }

    void reserve(size_t bytes) { m_out.reserve(bytes); }
    void word(const char *name);
    void word(const char *name, int value);
    void text(QStringView text);
    // Bytes that are RTF already, written as they are; words() for ones that end in a
    // control word, which text after them must be kept apart from.
    void raw(std::string_view bytes);
    void words(std::string_view bytes);
    void lineBreak(); // CR LF between paragraphs, for people who read the file
    // A group scopes \uc as it scopes formatting; closing it goes back to the outer one.
    void openGroup();
    void closeGroup();

    const std::string &bytes() const { return m_out; }

private:
    void literal(char c);
    void nonAscii(char16_t unit);

    std::string m_out; // grows by single characters, which std::string does cheaply
    std::vector<int> m_uc;
    bool m_needDelimiter = false;
};
