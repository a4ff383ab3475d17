#include "rtf/rtf_paragraph_style.h"

#include "rtf/rtf_output.h"

#include <QTextBlockFormat>

namespace {

// The document's pixels at 96 dots per inch, in twips.
int twips(qreal pixels)
{
    return qBound(-31680, qRound(pixels * 15.0), 31680);
}

} // namespace

std::string rtfParagraphWords(const QTextBlockFormat &format, qreal indentWidth,
                              bool pageBreakBefore)
{
    RtfOutput out;
    out.word("pard");
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        out.word("qc");
    else if (alignment & Qt::AlignJustify)
        out.word("qj");
    else if (alignment & Qt::AlignRight)
        out.word("qr");
    const int left = twips(format.leftMargin() + format.indent() * indentWidth);
    if (left != 0)
        out.word("li", left);
    if (const int right = twips(format.rightMargin()); right != 0)
        out.word("ri", right);
    if (const int first = twips(format.textIndent()); first != 0)
        out.word("fi", first);
    if (const int before = twips(format.topMargin()); before > 0)
        out.word("sb", before);
    if (const int after = twips(format.bottomMargin()); after > 0)
        out.word("sa", after);
    const qreal height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (height > 0) {
            out.word("sl", qBound(1, qRound(height * 2.4), 31680));
            out.word("slmult", 1);
        }
        break;
    case QTextBlockFormat::FixedHeight:
        if (height > 0) {
            out.word("sl", -qMax(1, twips(height)));
            out.word("slmult", 0);
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        if (height > 0) {
            out.word("sl", qMax(1, twips(height)));
            out.word("slmult", 0);
        }
        break;
    default:
        break; // single spacing, and Qt's own added distance, which RTF cannot say
    }
    if (pageBreakBefore)
        out.word("pagebb");
    return out.bytes();
}
