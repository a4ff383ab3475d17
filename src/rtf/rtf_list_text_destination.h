#pragma once

#include "rtf/rtf_char_props.h"
#include "rtf/rtf_destination.h"

#include <QString>
#include <vector>

class RtfCodePages;
class RtfDocumentBuilder;
class RtfFontTable;

// A piece of the number or bullet that a writer put before a list item.
struct RtfListTextRun
{
    QString text;
    RtfRunProps props;
};

// {\listtext ...} and {\pntext ...}: the number as the writer showed it, for readers that
// know no lists. The builder drops it where it makes the paragraph a list item itself and
// keeps it as text where the list is unknown.
class RtfListTextDestination : public RtfDestination
{
public:
    RtfListTextDestination(RtfFontTable *fonts, RtfCodePages *codePages,
                           RtfDocumentBuilder *builder)
        : m_fonts(fonts), m_codePages(codePages), m_builder(builder)
    {
    }

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char symbol, const RtfGroupState &state) override;
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;
    void end(std::string_view groupBytes) override;

private:
    static constexpr int kMaxText = 256;

    void append(const QString &text, const RtfGroupState &state);

    RtfFontTable *m_fonts;
    RtfCodePages *m_codePages;
    RtfDocumentBuilder *m_builder;
    std::vector<RtfListTextRun> m_runs;
    int m_length = 0;
    QString m_decoded;
};
