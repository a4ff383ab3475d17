#include "rtf/rtf_font_list.h"

#include "rtf/gbk_table.h"

namespace {

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

// Fonts whose letters are pictures: other readers map their bytes to symbols only when the
// table declares them as symbol fonts.
bool isSymbolFamily(const QString &family)
{
    static const char *const names[] = {"symbol",   "wingdings", "wingdings 2", "wingdings 3",
                                        "webdings", "marlett",   "mt extra",    "zapfdingbats"};
    const QString lower = family.toLower();
    for (const char *name : names) {
        if (lower == QLatin1String(name))
            return true;
    }
    return false;
}

} // namespace

int RtfFontList::indexOf(const QString &family)
{
    auto it = m_index.constFind(family);
    if (it != m_index.constEnd())
        return *it;
    const int index = int(m_fonts.size());
    m_fonts.push_back(Font{family, isCjkFamily(family), isSymbolFamily(family)});
    m_index.insert(family, index);
    return index;
}

QByteArray RtfFontList::table() const
{
    QByteArray table("{\\fonttbl");
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        const Font &font = m_fonts[i];
        table.append("{\\f" + QByteArray::number(qulonglong(i)) + "\\fnil\\fcharset" +
                     (font.cjk      ? "134"
                      : font.symbol ? "2"
                                    : "0") +
                     ' ');
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
