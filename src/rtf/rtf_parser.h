#pragma once

#include "rtf/rtf_char_props.h"
#include "rtf/rtf_code_pages.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_tokenizer.h"

#include <QByteArray>
#include <vector>

class QTextDocument;
class RtfDocumentBuilder;

// Reads RTF into a document in one pass over the tokens. Groups live on an explicit stack
// with a depth cap, so neither deep nesting nor broken braces can exhaust the C++ stack.
class RtfParser
{
public:
    static constexpr int kMaxDepth = 512;

    RtfParser(const QByteArray &rtf, QTextDocument *into);
    Q_DISABLE_COPY_MOVE(RtfParser)

    void run();

private:
    enum class Destination : unsigned char
    {
        None,
        Text,
        Skip,
        FontTable
    };

    enum class Target : unsigned char
    {
        Western,
        EastAsian,
        Complex
    };

    // What \dbch with \af, \afs, \ab and \ai set for East Asian text; unset parts follow
    // the character's own formatting.
    struct EastAsianProps
    {
        int font = -2;
        int halfPoints = 0;
        signed char bold = -1;
        signed char italic = -1;
    };

    struct State
    {
        RtfCharProps chr;
        EastAsianProps eastAsian;
        Target target = Target::Western;
        Qt::Alignment alignment = Qt::AlignLeft;
        Destination destination = Destination::Text;
        Destination uprDestination = Destination::None;
        int uc = 1;
    };

    void openGroup();
    bool closeGroup(); // false once the document's own group has ended
    void controlWord(const RtfToken &token);
    void textWord(int word, const RtfToken &token);
    void fontTableWord(int word, const RtfToken &token);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void unicode(int value);
    bool consumeFallback();
    void finish();

    State &state() { return m_stack.back(); }
    int codePage() const;
    RtfRunProps runProps() const;
    void resetCharacter();

    QTextDocument *m_doc;
    RtfTokenizer m_tokens;
    RtfCodePages m_codePages;
    RtfFontTable m_fonts;
    RtfDocumentBuilder *m_builder = nullptr;
    std::vector<State> m_stack;
    int m_overflowDepth = 0;
    int m_fallbackToSkip = 0;
    bool m_ignorableNext = false;
    bool m_atGroupStart = false;
};
