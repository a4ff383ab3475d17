#include "rtf/rtf_writer.h"

#include "rtf/rtf_character_style.h"
#include "rtf/rtf_color_list.h"
#include "rtf/rtf_font_list.h"
#include "rtf/rtf_output.h"
#include "rtf/rtf_paragraph_style.h"
#include "rtf/rtf_span_writer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <string>
#include <vector>

// How a document becomes RTF: the body is written first, block by block, and the tables
// it used (fonts, colours) are put before it in the header.
//
//   RtfWriter ── per block ──> rtfParagraphWords()      \pard and the paragraph's words
//             └─ per fragment > RtfCharacterStyles       changes of character formatting,
//                               (RtfFontList, RtfColorList) numbering fonts and colours
//             └─ text ───────> RtfOutput                 escaping, \u with GBK fallback
namespace {

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &doc)
        : m_doc(doc), m_styles(&m_fonts, &m_colors, defaultHalfPoints(doc)),
          m_spans(&m_styles, &m_out)
    {
    }

    QByteArray run();

private:
    static int defaultHalfPoints(const QTextDocument &doc);
    void writeBlock(const QTextBlock &block, bool pageBreakBefore);
    const std::string &paragraphWords(const QTextBlock &block, bool pageBreakBefore);

    const QTextDocument &m_doc;
    RtfFontList m_fonts;
    RtfColorList m_colors;
    RtfCharacterStyles m_styles;
    RtfOutput m_out;
    RtfSpanWriter m_spans;
    std::vector<std::string> m_paragraphWords; // by block format index
    std::string m_scratchWords;
};

int RtfWriter::defaultHalfPoints(const QTextDocument &doc)
{
    const qreal points = doc.defaultFont().pointSizeF();
    return points > 0 ? qBound(2, qRound(points * 2), 3276) : 24;
}

const std::string &RtfWriter::paragraphWords(const QTextBlock &block, bool pageBreakBefore)
{
    const QTextBlockFormat format = block.blockFormat();
    const int index = block.blockFormatIndex();
    if (pageBreakBefore || index < 0) {
        m_scratchWords = rtfParagraphWords(format, m_doc.indentWidth(), true);
        return m_scratchWords;
    }
    if (size_t(index) >= m_paragraphWords.size())
        m_paragraphWords.resize(size_t(index) + 1);
    std::string &words = m_paragraphWords[size_t(index)];
    if (words.empty())
        words = rtfParagraphWords(format, m_doc.indentWidth(), false);
    return words;
}

void RtfWriter::writeBlock(const QTextBlock &block, bool pageBreakBefore)
{
    m_out.words(paragraphWords(block, pageBreakBefore));
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        empty = false;
        const QString text = m_spans.enter(it);
        if (text.isEmpty())
            continue;
        m_styles.switchTo(m_styles.styleOf(fragment.charFormatIndex(), fragment.charFormat()),
                          &m_out);
        m_out.text(text);
    }
    m_spans.close();
    if (empty) {
        // The paragraph mark carries an empty line's format.
        m_styles.switchTo(m_styles.styleOf(block.charFormatIndex(), block.charFormat()), &m_out);
    }
    m_out.word("par");
    m_out.lineBreak();
}

QByteArray RtfWriter::run()
{
    m_fonts.indexOf(m_doc.defaultFont().family());
    m_out.reserve(size_t(m_doc.characterCount()) * 14 + 256);
    bool breakAfterPrevious = false;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        const QTextFormat::PageBreakFlags policy = block.blockFormat().pageBreakPolicy();
        writeBlock(block, breakAfterPrevious || (policy & QTextFormat::PageBreak_AlwaysBefore));
        breakAfterPrevious = policy & QTextFormat::PageBreak_AlwaysAfter;
    }

    QByteArray rtf("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052");
    rtf.append(m_fonts.table());
    if (!m_colors.isEmpty()) {
        rtf.append("\r\n");
        rtf.append(m_colors.table());
    }
    rtf.append("\r\n{\\*\\generator Quorvane;}\\paperw11906\\paperh16838\\margl1800\\margr1800"
               "\\margt1440\\margb1440\\viewkind4\\uc1\r\n");
    const std::string &body = m_out.bytes();
    rtf.append(body.data(), qsizetype(body.size()));
    rtf.append("}\r\n");
    return rtf;
}

} // namespace

QByteArray writeRtf(const QTextDocument &doc)
{
    return RtfWriter(doc).run();
}
