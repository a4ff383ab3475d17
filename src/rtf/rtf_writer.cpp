#include "rtf/rtf_writer.h"

#include "rtf/gbk_table.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace {

// Character state as written; compared against each fragment so that only changes are
// written, the way WordPad does.
struct Style
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0;
};

bool isCjkFamily(const QString &family)
{
    for (QChar c : family) {
        if (c.unicode() >= 0x2E80)
            return true;
    }
    static const char *const latinNames[] = {"simsun",
                                             "nsimsun",
                                             "simhei",
                                             "kaiti",
                                             "fangsong",
                                             "microsoft yahei",
                                             "dengxian",
                                             "stsong",
                                             "stheiti",
                                             "stkaiti",
                                             "stfangsong",
                                             "songti",
                                             "heiti",
                                             "pingfang",
                                             "hiragino",
                                             "wenquanyi",
                                             "wqy",
                                             "ar pl",
                                             "source han",
                                             "noto sans cjk",
                                             "noto serif cjk",
                                             "droid sans fallback",
                                             "mingliu",
                                             "pmingliu",
                                             "ms gothic",
                                             "ms mincho",
                                             "gulim",
                                             "batang",
                                             "malgun"};
    const QString lower = family.toLower();
    for (const char *name : latinNames) {
        if (lower.contains(QLatin1String(name)))
            return true;
    }
    return false;
}

// Names Word knows when the Chinese name is not installed.
QString latinAlias(const QString &family)
{
    static const QHash<QString, QString> aliases = {
        {QStringLiteral("宋体"), QStringLiteral("SimSun")},
        {QStringLiteral("新宋体"), QStringLiteral("NSimSun")},
        {QStringLiteral("黑体"), QStringLiteral("SimHei")},
        {QStringLiteral("楷体"), QStringLiteral("KaiTi")},
        {QStringLiteral("仿宋"), QStringLiteral("FangSong")},
        {QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei")},
    };
    return aliases.value(family);
}

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &doc) : m_doc(doc) {}

    QByteArray run();

private:
    struct Font
    {
        QString family;
        bool cjk = false;
    };

    int fontIndex(const QString &family);
    Style styleOf(const QTextCharFormat &format);
    void switchTo(const Style &style);
    void writeBlock(const QTextBlock &block);
    void writeText(QStringView text);
    void writeNonAscii(char16_t unit);
    void word(const char *name);
    void word(const char *name, int value);
    void literal(char c);
    QByteArray fontTable() const;

    const QTextDocument &m_doc;
    std::string m_out; // the body; grows by single characters, which std::string does cheaply
    std::vector<Font> m_fonts;
    QHash<QString, int> m_fontIndex;
    Style m_current;
    int m_uc = 1;
    bool m_needDelimiter = false;
    int m_defaultHalfPoints = 24;
};

void RtfWriter::word(const char *name)
{
    m_out += '\\';
    m_out += name;
    m_needDelimiter = true;
}

void RtfWriter::word(const char *name, int value)
{
    m_out += '\\';
    m_out += name;
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    m_out.append(digits, size_t(result.ptr - digits));
    m_needDelimiter = true;
}

void RtfWriter::literal(char c)
{
    if (m_needDelimiter) {
        m_out += ' ';
        m_needDelimiter = false;
    }
    m_out += c;
}

int RtfWriter::fontIndex(const QString &family)
{
    auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.constEnd())
        return *it;
    const int index = int(m_fonts.size());
    m_fonts.push_back(Font{family, isCjkFamily(family)});
    m_fontIndex.insert(family, index);
    return index;
}

Style RtfWriter::styleOf(const QTextCharFormat &format)
{
    Style style;
    QString family;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.constFirst();
    if (family.isEmpty())
        family = format.stringProperty(QTextFormat::FontFamily);
    style.font = family.isEmpty() ? 0 : fontIndex(family);
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        style.halfPoints = qBound(2, qRound(format.fontPointSize() * 2), 3276);
    else
        style.halfPoints = m_defaultHalfPoints;
    style.bold = format.fontWeight() >= QFont::DemiBold;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    style.strike = format.fontStrikeOut();
    const auto vertical = format.verticalAlignment();
    style.vertical = vertical == QTextCharFormat::AlignSuperScript ? 1
                     : vertical == QTextCharFormat::AlignSubScript ? 2
                                                                   : 0;
    return style;
}

void RtfWriter::switchTo(const Style &style)
{
    if (style.font != m_current.font)
        word("f", style.font);
    if (style.halfPoints != m_current.halfPoints)
        word("fs", style.halfPoints);
    if (style.bold != m_current.bold)
        style.bold ? word("b") : word("b", 0);
    if (style.italic != m_current.italic)
        style.italic ? word("i") : word("i", 0);
    if (style.underline != m_current.underline)
        style.underline ? word("ul") : word("ulnone");
    if (style.strike != m_current.strike)
        style.strike ? word("strike") : word("strike", 0);
    if (style.vertical != m_current.vertical)
        word(style.vertical == 1 ? "super" : style.vertical == 2 ? "sub" : "nosupersub");
    m_current = style;
}

void RtfWriter::writeNonAscii(char16_t unit)
{
    // \u takes a signed 16-bit number; the bytes after it serve readers without Unicode.
    const int signedUnit = unit >= 0x8000 ? int(unit) - 0x10000 : int(unit);
    const uint16_t code = QChar::isSurrogate(unit) ? 0 : gbkCode(unit);
    const int length = code == 0 ? 1 : code < 0x100 ? 1 : 2;
    if (length != m_uc) {
        word("uc", length);
        m_uc = length;
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

void RtfWriter::writeText(QStringView text)
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
            m_out.append("\\~");
            m_needDelimiter = false;
            continue;
        case 0x00AD:
            m_out.append("\\-");
            m_needDelimiter = false;
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F || c == 0xFFFC || c == 0xFDD0 || c == 0xFDD1 || c == 0x2029)
            continue; // controls and object or frame markers are no text
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            writeNonAscii(c);
            writeNonAscii(text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(c)) {
            writeNonAscii(0xFFFD);
        } else {
            writeNonAscii(c);
        }
    }
}

void RtfWriter::writeBlock(const QTextBlock &block)
{
    word("pard");
    const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        word("qc");
    else if (alignment & Qt::AlignJustify)
        word("qj");
    else if (alignment & Qt::AlignRight)
        word("qr");
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        switchTo(styleOf(fragment.charFormat()));
        writeText(fragment.text());
        empty = false;
    }
    if (empty)
        switchTo(styleOf(block.charFormat())); // the paragraph mark carries an empty line's format
    word("par");
    m_out += "\r\n";
    m_needDelimiter = false;
}

QByteArray RtfWriter::fontTable() const
{
    QByteArray table("{\\fonttbl");
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        const Font &font = m_fonts[i];
        table.append("{\\f" + QByteArray::number(qulonglong(i)) + "\\fnil\\fcharset" +
                     (font.cjk ? "134" : "0") + ' ');
        for (QChar ch : font.family) {
            const char16_t c = ch.unicode();
            if (c == u';') {
                table.append("\\'3b"); // a bare semicolon would end the name
                continue;
            }
            if (c >= 0x20 && c < 0x7F) {
                if (c == u'\\' || c == u'{' || c == u'}')
                    table.append('\\');
                table.append(char(c));
                continue;
            }
            const uint16_t code = QChar::isSurrogate(c) || c < 0x80 ? 0 : gbkCode(c);
            if (font.cjk && code >= 0x100) {
                static const char hex[] = "0123456789abcdef";
                const char bytes[8] = {'\\', '\'', hex[code >> 12],       hex[(code >> 8) & 15],
                                       '\\', '\'', hex[(code >> 4) & 15], hex[code & 15]};
                table.append(bytes, 8);
            } else if (c >= 0x80) {
                table.append("\\u" + QByteArray::number(c >= 0x8000 ? int(c) - 0x10000 : int(c)) +
                             '?');
            }
        }
        const QString alias = latinAlias(font.family);
        if (!alias.isEmpty())
            table.append("{\\*\\falt " + alias.toLatin1() + '}');
        table.append(";}");
    }
    table.append('}');
    return table;
}

QByteArray RtfWriter::run()
{
    const QFont defaultFont = m_doc.defaultFont();
    fontIndex(defaultFont.family());
    if (defaultFont.pointSizeF() > 0)
        m_defaultHalfPoints = qBound(2, qRound(defaultFont.pointSizeF() * 2), 3276);
    m_out.reserve(size_t(m_doc.characterCount()) * 14 + 256);
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
        writeBlock(block);

    QByteArray rtf("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052");
    rtf.append(fontTable());
    rtf.append("\r\n{\\*\\generator Quorvane;}\\paperw11906\\paperh16838\\margl1800\\margr1800"
               "\\margt1440\\margb1440\\viewkind4\\uc1\r\n");
    rtf.append(m_out.data(), qsizetype(m_out.size()));
    rtf.append("}\r\n");
    return rtf;
}

} // namespace

QByteArray writeRtf(const QTextDocument &doc)
{
    return RtfWriter(doc).run();
}
