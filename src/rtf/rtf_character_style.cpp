#include "rtf/rtf_character_style.h"

#include "rtf/rtf_color_list.h"
#include "rtf/rtf_font_list.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_output.h"

#include <QTextCharFormat>
#include <algorithm>
#include <iterator>

namespace {

// Word's sixteen highlight colours; it shows \highlight in no other.
bool isHighlightColor(QRgb rgb)
{
    static const QRgb colors[] = {
        qRgb(0, 0, 0),     qRgb(0, 0, 255),   qRgb(0, 255, 255),   qRgb(0, 255, 0),
        qRgb(255, 0, 255), qRgb(255, 0, 0),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
        qRgb(0, 0, 128),   qRgb(0, 128, 128), qRgb(0, 128, 0),     qRgb(128, 0, 128),
        qRgb(128, 0, 0),   qRgb(128, 128, 0), qRgb(128, 128, 128), qRgb(192, 192, 192),
    };
    return std::find(std::begin(colors), std::end(colors), rgb | 0xFF000000u) != std::end(colors);
}

// A solid brush's colour; gradients and textures have no RTF form.
QColor solidColor(const QBrush &brush)
{
    return brush.style() == Qt::SolidPattern ? brush.color() : QColor();
}

} // namespace

const RtfCharacterStyle &RtfCharacterStyles::styleOf(int formatIndex, const QTextCharFormat &format)
{
    if (formatIndex < 0) {
        m_scratch = convert(format);
        return m_scratch;
    }
    const size_t index = size_t(formatIndex);
    if (index >= m_known.size()) {
        m_known.resize(index + 1, false);
        m_styles.resize(index + 1);
    }
    if (!m_known[index]) {
        m_styles[index] = convert(format);
        m_known[index] = true;
    }
    return m_styles[index];
}

RtfCharacterStyle RtfCharacterStyles::convert(const QTextCharFormat &format)
{
    RtfCharacterStyle style;
    QString family;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.constFirst();
    if (family.isEmpty())
        family = format.stringProperty(QTextFormat::FontFamily);
    style.font = family.isEmpty() ? 0 : m_fonts->indexOf(family);
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        style.halfPoints = qBound(2, qRound(format.fontPointSize() * 2), 3276);
    else
        style.halfPoints = m_defaultHalfPoints;
    style.bold = format.fontWeight() >= QFont::DemiBold;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    style.strike = format.fontStrikeOut();
    style.hidden = format.boolProperty(RtfFormat::Hidden);
    const auto vertical = format.verticalAlignment();
    style.vertical = vertical == QTextCharFormat::AlignSuperScript ? 1
                     : vertical == QTextCharFormat::AlignSubScript ? 2
                                                                   : 0;
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        const QColor color = solidColor(format.foreground());
        if (color.isValid())
            style.color = m_colors->indexOf(color);
    }
    if (format.hasProperty(QTextFormat::BackgroundBrush)) {
        const QColor color = solidColor(format.background());
        if (color.isValid() && color.alpha() > 0) {
            style.backgroundColor = m_colors->indexOf(color);
            style.background = isHighlightColor(color.rgb()) ? RtfCharacterStyle::Highlight
                                                             : RtfCharacterStyle::Shading;
        }
    }
    return style;
}

void RtfCharacterStyles::switchTo(const RtfCharacterStyle &style, RtfOutput *out)
{
    const RtfCharacterStyle &was = m_current;
    if (style.font != was.font)
        out->word("f", style.font);
    if (style.halfPoints != was.halfPoints)
        out->word("fs", style.halfPoints);
    if (style.bold != was.bold)
        style.bold ? out->word("b") : out->word("b", 0);
    if (style.italic != was.italic)
        style.italic ? out->word("i") : out->word("i", 0);
    if (style.underline != was.underline)
        style.underline ? out->word("ul") : out->word("ulnone");
    if (style.strike != was.strike)
        style.strike ? out->word("strike") : out->word("strike", 0);
    if (style.vertical != was.vertical)
        out->word(style.vertical == 1 ? "super" : style.vertical == 2 ? "sub" : "nosupersub");
    if (style.hidden != was.hidden)
        style.hidden ? out->word("v") : out->word("v", 0);
    if (style.color != was.color)
        out->word("cf", style.color);
    if (style.background != was.background || style.backgroundColor != was.backgroundColor) {
        // Whatever kind of background was on goes off before the new one comes.
        if (was.background == RtfCharacterStyle::Highlight &&
            style.background != RtfCharacterStyle::Highlight)
            out->word("highlight", 0);
        if (was.background == RtfCharacterStyle::Shading &&
            style.background != RtfCharacterStyle::Shading) {
            out->word("chcbpat", 0);
            out->word("cb", 0);
        }
        if (style.background == RtfCharacterStyle::Highlight) {
            out->word("highlight", style.backgroundColor);
        } else if (style.background == RtfCharacterStyle::Shading) {
            // Word's own form: no pattern (0 %), the whole background in the fill colour.
            if (was.background != RtfCharacterStyle::Shading)
                out->word("chshdng", 0);
            out->word("chcbpat", style.backgroundColor);
            out->word("cb", style.backgroundColor);
        }
    }
    m_current = style;
}
