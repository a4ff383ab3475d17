#pragma once

#include "rtf/rtf_destination.h"

#include <QByteArray>
#include <QString>

class RtfCodePages;
class RtfFontTable;

// \fldinst: the field's instruction as plain text, for the result that follows to carry.
// Groups inside it (a nested field's code) only add their text.
class RtfFieldInstructionDestination : public RtfDestination
{
public:
    RtfFieldInstructionDestination(RtfFontTable *fonts, RtfCodePages *codePages)
        : m_fonts(fonts), m_codePages(codePages)
    {
    }

    // A \field starts: an instruction read before it is no longer pending.
    void fieldStarted()
    {
        m_pending.clear();
        m_text.clear();
        m_bytes.clear();
    }
    // The instruction for the \fldrslt opening now; empty when there is none.
    QString takeInstruction();

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char symbol, const RtfGroupState &state) override;
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;
    void end(std::string_view groupBytes) override;

private:
    void flushBytes();

    RtfFontTable *m_fonts;
    RtfCodePages *m_codePages;
    QByteArray m_bytes;
    int m_bytesCodePage = 0;
    QString m_text;
    QString m_pending;
};
