#include "rtf/rtf_list_writer.h"

#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_output.h"
#include "rtf/rtf_structure_props.h"

#include <QTextBlock>
#include <QTextList>

namespace {

bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

char16_t bulletFor(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListCircle:
        return 0x25E6;
    case QTextListFormat::ListSquare:
        return 0x25AA;
    default:
        return 0x2022;
    }
}

int levelOf(const QTextListFormat &format)
{
    return qBound(0, format.indent() - 1, RtfStructureProps::kMaxListLevel);
}

int startOf(const QTextListFormat &format)
{
    return format.hasProperty(RtfFormat::ListStart)
               ? qBound(0, format.intProperty(RtfFormat::ListStart), 32767)
               : 1;
}

// \levelnfc and the old numbering's word for a style.
int formatNumber(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman:
        return 1;
    case QTextListFormat::ListLowerRoman:
        return 2;
    case QTextListFormat::ListUpperAlpha:
        return 3;
    case QTextListFormat::ListLowerAlpha:
        return 4;
    case QTextListFormat::ListStyleUndefined:
        return 255;
    default:
        return isBullet(style) ? 23 : 0;
    }
}

const char *pnWord(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman:
        return "pnucrm";
    case QTextListFormat::ListLowerRoman:
        return "pnlcrm";
    case QTextListFormat::ListUpperAlpha:
        return "pnucltr";
    case QTextListFormat::ListLowerAlpha:
        return "pnlcltr";
    default:
        return "pndec";
    }
}

QString roman(int n)
{
    static const std::pair<int, const char *> kDigits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString out;
    for (const auto &[value, digits] : kDigits) {
        for (; n >= value; n -= value)
            out += QLatin1String(digits);
    }
    return out;
}

QString alpha(int n)
{
    QString out;
    for (; n > 0; n = (n - 1) / 26)
        out.prepend(QChar(u'a' + (n - 1) % 26));
    return out;
}

QString numberText(QTextListFormat::Style style, int n)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman:
        return n > 0 && n < 5000 ? roman(n).toUpper() : QString::number(n);
    case QTextListFormat::ListLowerRoman:
        return n > 0 && n < 5000 ? roman(n) : QString::number(n);
    case QTextListFormat::ListUpperAlpha:
        return n > 0 ? alpha(n).toUpper() : QString::number(n);
    case QTextListFormat::ListLowerAlpha:
        return n > 0 ? alpha(n) : QString::number(n);
    default:
        return QString::number(n);
    }
}

// What Qt shows after a number when the format says nothing.
QString suffixOf(const QTextListFormat &format)
{
    return format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix()
                                                             : QStringLiteral(".");
}

void writeLevel(const QTextListFormat &format, int level, RtfOutput *out)
{
    const QTextListFormat::Style style = format.style();
    const int nfc = formatNumber(style);
    out->openGroup();
    out->word("listlevel");
    out->word("levelnfc", nfc);
    out->word("levelnfcn", nfc);
    out->word("leveljc", 0);
    out->word("leveljcn", 0);
    out->word("levelfollow", 0);
    out->word("levelstartat", startOf(format));
    out->openGroup();
    out->word("leveltext");
    if (style == QTextListFormat::ListStyleUndefined) {
        out->raw("\\'00;");
        out->closeGroup();
        out->openGroup();
        out->word("levelnumbers");
        out->raw(";");
    } else if (isBullet(style)) {
        out->raw("\\'01");
        const char16_t bullet = bulletFor(style);
        out->text(QStringView(&bullet, 1));
        out->raw(";");
        out->closeGroup();
        out->openGroup();
        out->word("levelnumbers");
        out->raw(";");
    } else {
        const QString prefix = format.numberPrefix().left(20);
        const QString suffix = suffixOf(format).left(20);
        char bytes[24];
        std::snprintf(bytes, sizeof bytes, "\\'%02x", int(prefix.size() + suffix.size() + 1));
        out->raw(bytes);
        out->text(prefix);
        std::snprintf(bytes, sizeof bytes, "\\'%02x", level);
        out->raw(bytes);
        out->text(suffix);
        out->raw(";");
        out->closeGroup();
        out->openGroup();
        out->word("levelnumbers");
        std::snprintf(bytes, sizeof bytes, "\\'%02x;", int(prefix.size() + 1));
        out->raw(bytes);
    }
    out->closeGroup();
    out->word("fi", -360);
    out->word("li", 720 + 360 * level);
    out->word("lin", 720 + 360 * level);
    out->closeGroup();
}

} // namespace

QString RtfListWriter::itemText(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    if (!list)
        return {};
    const QTextListFormat format = list->format();
    if (format.style() == QTextListFormat::ListStyleUndefined)
        return {};
    if (isBullet(format.style()))
        return QString(QChar(bulletFor(format.style())));
    return format.numberPrefix() +
           numberText(format.style(), startOf(format) + list->itemNumber(block)) + suffixOf(format);
}

int RtfListWriter::numberFor(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    const auto found = m_numbers.constFind(list->objectIndex());
    if (found != m_numbers.constEnd())
        return found.value();
    m_formats.push_back(list->format());
    const int number = int(m_formats.size());
    m_numbers.insert(list->objectIndex(), number);
    return number;
}

void RtfListWriter::writeNumbering(const QTextBlock &block, RtfOutput *out)
{
    const QTextList *list = block.textList();
    if (!list)
        return;
    const QTextListFormat format = list->format();
    const int number = numberFor(block);
    const QString text = itemText(block);
    if (format.style() == QTextListFormat::ListStyleUndefined) {
        // No number to show: only the list itself, which the old numbering cannot say.
        out->word("ls", number);
        out->word("ilvl", levelOf(format));
        return;
    }

    out->openGroup();
    out->raw("\\*");
    out->word("pn");
    if (isBullet(format.style())) {
        out->word("pnlvlblt");
        out->word("pnindent", 0);
        out->openGroup();
        out->word("pntxtb");
        out->text(text);
        out->closeGroup();
    } else {
        out->word("pnlvlbody");
        out->word(pnWord(format.style()));
        out->word("pnstart", startOf(format));
        out->word("pnindent", 0);
        if (!format.numberPrefix().isEmpty()) {
            out->openGroup();
            out->word("pntxtb");
            out->text(format.numberPrefix().left(20));
            out->closeGroup();
        }
        out->openGroup();
        out->word("pntxta");
        out->text(suffixOf(format).left(20));
        out->closeGroup();
    }
    out->closeGroup();
    out->word("ls", number);
    out->word("ilvl", levelOf(format));
}

void RtfListWriter::writeNumberText(const QTextBlock &block, RtfOutput *out)
{
    const QTextList *list = block.textList();
    if (!list || list->format().style() == QTextListFormat::ListStyleUndefined)
        return;
    out->openGroup();
    out->word("listtext");
    out->text(itemText(block));
    out->word("tab");
    out->closeGroup();
}

std::string RtfListWriter::tables() const
{
    if (m_formats.empty())
        return {};
    RtfOutput out;
    out.openGroup();
    out.raw("\\*");
    out.word("listtable");
    for (size_t i = 0; i < m_formats.size(); ++i) {
        out.lineBreak();
        out.openGroup();
        out.word("list");
        out.word("listtemplateid", int(i) + 1);
        for (int level = 0; level <= RtfStructureProps::kMaxListLevel; ++level)
            writeLevel(m_formats[i], level, &out);
        out.word("listid", int(i) + 1);
        out.closeGroup();
    }
    out.closeGroup();
    out.lineBreak();
    out.openGroup();
    out.raw("\\*");
    out.word("listoverridetable");
    for (size_t i = 0; i < m_formats.size(); ++i) {
        out.openGroup();
        out.word("listoverride");
        out.word("listid", int(i) + 1);
        out.word("listoverridecount", 0);
        out.word("ls", int(i) + 1);
        out.closeGroup();
    }
    out.closeGroup();
    return out.bytes();
}
