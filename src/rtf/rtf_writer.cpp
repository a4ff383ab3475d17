#include "rtf/rtf_writer.h"

#include "rtf/rtf_character_style.h"
#include "rtf/rtf_color_list.h"
#include "rtf/rtf_font_list.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_kept_group_writer.h"
#include "rtf/rtf_list_writer.h"
#include "rtf/rtf_output.h"
#include "rtf/rtf_page_setup.h"
#include "rtf/rtf_paragraph_style.h"
#include "rtf/rtf_picture_writer.h"
#include "rtf/rtf_span_writer.h"
#include "rtf/rtf_table_writer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <string>
#include <string_view>
#include <vector>

// How a document becomes RTF: the body is written first, block by block, and the tables
// it used (fonts, colours) are put before it in the header.
//
//   RtfWriter ── per block ──> rtfParagraphWords()      \pard and the paragraph's words
//             └─ per fragment > RtfCharacterStyles       changes of character formatting,
//                               (RtfFontList, RtfColorList) numbering fonts and colours
//             └─ text ───────> RtfOutput                 escaping, \u with GBK fallback
//             └─ pictures ───> RtfPictureWriter          \pict, or a kept group as it came
//                              (RtfKeptGroupWriter)      renumbered into the tables
//             └─ frames ─────> RtfTableWriter            tables row by row, nested ones
//             └─ list items ─> RtfListWriter             \ls, \pn and the number as text
namespace {

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &doc)
        : m_doc(doc), m_styles(&m_fonts, &m_colors, defaultHalfPoints(doc)),
          m_kept(&m_fonts, &m_colors), m_pictures(doc, &m_kept), m_spans(&m_styles, &m_out)
    {
    }

    QByteArray run();

private:
    static int defaultHalfPoints(const QTextDocument &doc);
    void writeBlock(const QTextBlock &block, int depth, const char *end);
    const std::string &paragraphWords(const QTextBlock &block, bool pageBreakBefore);
    void writeDocumentParts(QByteArray *info, QByteArray *headers);

    const QTextDocument &m_doc;
    RtfFontList m_fonts;
    RtfColorList m_colors;
    RtfCharacterStyles m_styles;
    RtfKeptGroupWriter m_kept;
    RtfPictureWriter m_pictures;
    RtfOutput m_out;
    RtfListWriter m_lists;
    bool m_breakAfterPrevious = false;
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

void RtfWriter::writeBlock(const QTextBlock &block, int depth, const char *end)
{
    const QTextFormat::PageBreakFlags policy = block.blockFormat().pageBreakPolicy();
    const bool pageBreakBefore =
        m_breakAfterPrevious || (policy & QTextFormat::PageBreak_AlwaysBefore);
    m_breakAfterPrevious = policy & QTextFormat::PageBreak_AlwaysAfter;
    const std::string &words = paragraphWords(block, pageBreakBefore);
    if (block.textList()) {
        constexpr std::string_view kPard = "\\pard";
        m_out.words(kPard);
        m_lists.writeNumbering(block, &m_out);
        if (words.size() > kPard.size())
            m_out.words(std::string_view(words).substr(kPard.size()));
    } else {
        m_out.words(words);
    }
    if (depth > 0) {
        m_out.word("intbl");
        if (depth > 1)
            m_out.word("itap", depth);
    }
    m_lists.writeNumberText(block, &m_out);
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        empty = false;
        const QString text = m_spans.enter(it);
        if (text.isEmpty())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        m_styles.switchTo(m_styles.styleOf(fragment.charFormatIndex(), format), &m_out);
        if (format.isImageFormat()) {
            const QTextImageFormat image = format.toImageFormat();
            for (qsizetype i = 0; i < text.size(); ++i)
                m_pictures.write(image, &m_out);
            continue;
        }
        m_out.text(text);
    }
    m_spans.close();
    if (empty) {
        // The paragraph mark carries an empty line's format.
        m_styles.switchTo(m_styles.styleOf(block.charFormatIndex(), block.charFormat()), &m_out);
    }
    m_out.word(end);
    m_out.lineBreak();
}

QByteArray RtfWriter::run()
{
    m_fonts.indexOf(m_doc.defaultFont().family());
    m_out.reserve(size_t(m_doc.characterCount()) * 14 + 256);
    RtfTableWriter tables(&m_out, [this](const QTextBlock &block, int depth, const char *end) {
        writeBlock(block, depth, end);
    });
    tables.writeFrame(m_doc.rootFrame());

    QByteArray info;
    QByteArray headers;
    writeDocumentParts(&info, &headers);

    QByteArray rtf("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052");
    rtf.append(m_fonts.table());
    if (!m_colors.isEmpty()) {
        rtf.append("\r\n");
        rtf.append(m_colors.table());
    }
    if (const std::string lists = m_lists.tables(); !lists.empty()) {
        rtf.append("\r\n");
        rtf.append(lists.data(), qsizetype(lists.size()));
    }
    rtf.append("\r\n{\\*\\generator Quorvane;}");
    rtf.append(info);
    rtf.append(RtfPageSetup::words(m_doc));
    rtf.append("\\viewkind4\\uc1\r\n");
    rtf.append(headers);
    const std::string &body = m_out.bytes();
    rtf.append(body.data(), qsizetype(body.size()));
    rtf.append("}\r\n");
    return rtf;
}

// \info and the headers and footers the document was read with, each where it belongs.
void RtfWriter::writeDocumentParts(QByteArray *info, QByteArray *headers)
{
    const QVariantList parts =
        m_doc.rootFrame()->frameFormat().property(RtfFormat::DocumentGroups).toList();
    for (const QVariant &part : parts) {
        const RtfKeptGroup group = RtfKeptGroup::fromVariant(part);
        QByteArray *into = group.place == RtfKeptGroup::Place::Info ? info : headers;
        const std::string bytes = m_kept.bytesFor(group);
        if (group.uc != 1)
            into->append("{\\uc" + QByteArray::number(group.uc));
        into->append(bytes.data(), qsizetype(bytes.size()));
        if (group.uc != 1)
            into->append('}');
        into->append("\r\n");
    }
}

} // namespace

QByteArray writeRtf(const QTextDocument &doc)
{
    return RtfWriter(doc).run();
}
