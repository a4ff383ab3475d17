#pragma once

#include "rtf/rtf_destination.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <string_view>

class RtfCodePages;

// The fonts of \fonttbl: family names and the code pages in which their bytes are written.
class RtfFontTable : public RtfDestination
{
public:
    explicit RtfFontTable(RtfCodePages *codePages) : m_codePages(codePages) {}

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char, const RtfGroupState &) override {}
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;
    void groupClosed(const RtfGroupState &state) override;

    void setAnsiCodePage(int codePage);
    int ansiCodePage() const { return m_ansiCodePage; }
    void setDefaultFont(int index) { m_defaultFont = index; }

    void beginFont(int index);
    void setCharset(int charset);
    void setCodePage(int codePage);
    void appendNameBytes(std::string_view bytes);
    void appendNameText(const QString &text);
    void endName();

    // Index -1 stands for the default font (\deff).
    int codePageFor(int index) const;
    QString familyFor(int index) const;

private:
    // A font name is short; a longer one is a broken table, not a name to keep growing.
    static constexpr int kMaxNameLength = 256;

    struct Font
    {
        QString family;
        QByteArray pendingBytes;
        int charset = -1;
        int codePage = 0;
        bool complete = false;
    };

    static QString cleanName(QString name);
    const Font *find(int index) const;
    void flushPendingBytes(Font *font);

    RtfCodePages *m_codePages;
    QHash<int, Font> m_fonts;
    int m_current = -1;
    int m_defaultFont = -1;
    int m_ansiCodePage = 1252;
};
