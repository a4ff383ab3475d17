#include "rtf/rtf_font_table.h"

#include "rtf/rtf_code_pages.h"
#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

bool RtfFontTable::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &)
{
    switch (word) {
    case RtfWord::F:
        beginFont(token.hasParam ? token.param : 0);
        return true;
    case RtfWord::FCharset:
        setCharset(token.param);
        return true;
    case RtfWord::Cpg:
        setCodePage(token.param);
        return true;
    case RtfWord::Par:
    case RtfWord::Pard:
    case RtfWord::Plain:
        endName();
        return false;
    default:
        return true;
    }
}

void RtfFontTable::bytes(std::string_view bytes, const RtfGroupState &)
{
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == ';') {
            appendNameBytes(bytes.substr(start, i - start));
            endName();
            start = i + 1;
        }
    }
    appendNameBytes(bytes.substr(start));
}

void RtfFontTable::unicode(char16_t unit, const RtfGroupState &)
{
    appendNameText(QString(QChar(unit)));
}

void RtfFontTable::groupClosed(const RtfGroupState &)
{
    endName();
}

void RtfFontTable::setAnsiCodePage(int codePage)
{
    if (RtfCodePages::isSupported(codePage))
        m_ansiCodePage = codePage;
}

void RtfFontTable::beginFont(int index)
{
    endName();
    m_current = index;
    m_fonts[index] = Font();
}

void RtfFontTable::setCharset(int charset)
{
    auto it = m_fonts.find(m_current);
    if (it != m_fonts.end())
        it->charset = charset;
}

void RtfFontTable::setCodePage(int codePage)
{
    auto it = m_fonts.find(m_current);
    if (it != m_fonts.end() && RtfCodePages::isSupported(codePage))
        it->codePage = codePage;
}

void RtfFontTable::appendNameBytes(std::string_view bytes)
{
    auto it = m_fonts.find(m_current);
    if (it == m_fonts.end() || it->complete)
        return;
    // Room for kMaxNameLength characters of up to four bytes; endName() cuts to length.
    if (it->pendingBytes.size() + it->family.size() < 4 * kMaxNameLength)
        it->pendingBytes.append(bytes.data(),
                                qsizetype(qMin<size_t>(bytes.size(), 4 * kMaxNameLength)));
}

void RtfFontTable::appendNameText(const QString &text)
{
    auto it = m_fonts.find(m_current);
    if (it == m_fonts.end() || it->complete)
        return;
    flushPendingBytes(&*it);
    if (it->family.size() < 4 * kMaxNameLength)
        it->family.append(text);
}

void RtfFontTable::endName()
{
    auto it = m_fonts.find(m_current);
    if (it == m_fonts.end() || it->complete)
        return;
    flushPendingBytes(&*it);
    it->family = cleanName(it->family);
    it->complete = true;
}

QString RtfFontTable::cleanName(QString name)
{
    // Control characters in a name are damage, not part of any font's name.
    name.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    return name.left(kMaxNameLength).trimmed();
}

void RtfFontTable::flushPendingBytes(Font *font)
{
    if (font->pendingBytes.isEmpty())
        return;
    int codePage = font->codePage;
    if (codePage == 0)
        codePage = RtfCodePages::codePageForCharset(font->charset);
    if (codePage == 0)
        codePage = m_ansiCodePage;
    m_codePages->decodeAppend(
        std::string_view(font->pendingBytes.constData(), size_t(font->pendingBytes.size())),
        codePage, &font->family);
    font->pendingBytes.clear();
}

const RtfFontTable::Font *RtfFontTable::find(int index) const
{
    auto it = m_fonts.constFind(index < 0 ? m_defaultFont : index);
    return it == m_fonts.constEnd() ? nullptr : &*it;
}

int RtfFontTable::codePageFor(int index) const
{
    const Font *font = find(index);
    if (font) {
        if (font->codePage != 0)
            return font->codePage;
        const int fromCharset = RtfCodePages::codePageForCharset(font->charset);
        if (fromCharset != 0)
            return fromCharset;
    }
    return m_ansiCodePage;
}

QString RtfFontTable::familyFor(int index) const
{
    const Font *font = find(index);
    // A name still being read (a broken table) is cleaned the same way as a finished one.
    return font ? (font->complete ? font->family : cleanName(font->family)) : QString();
}
