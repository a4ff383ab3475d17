#include "rtf/rtf_document_builder.h"

#include "rtf/rtf_code_pages.h"
#include "rtf/rtf_color_table.h"
#include "rtf/rtf_field_format.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_format_properties.h"

#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// Characters that QTextCursor would turn into structure (blocks, frames, objects) or that
// have no place in running text.
bool isUnwanted(char16_t c)
{
    if (c < 0x20)
        return c != u'\t';
    return c == 0x7F || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0xFEFF;
}

bool isEastAsian(char16_t c)
{
    return (c >= 0x1100 && c < 0x1200) || (c >= 0x2E80 && c < 0xA000) ||
           (c >= 0xAC00 && c < 0xD7B0) || QChar::isSurrogate(c) || (c >= 0xF900 && c < 0xFB00) ||
           (c >= 0xFE30 && c < 0xFE50) || (c >= 0xFF00 && c < 0xFFF0);
}

// Spaces, digits and punctuation belong to no script; they join the text around them, as
// word processors decide which of a run's two formats such a character takes.
bool isWeak(char16_t c)
{
    const QChar::Script script = QChar::script(char32_t(c));
    return script == QChar::Script_Common || script == QChar::Script_Inherited;
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument *doc, const RtfFontTable &fonts,
                                       const RtfColorTable &colors, RtfCodePages *codePages)
    : m_fonts(fonts), m_colors(colors), m_codePages(codePages), m_cursor(doc)
{
    m_cursor.beginEditBlock();
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    m_cursor.endEditBlock();
}

void RtfDocumentBuilder::openParagraph(const RtfRunProps &props)
{
    if ((m_paragraphPending || !m_blockHasText) && m_tables.needsPlacement(m_textDepth))
        place(m_textDepth);
    if (m_paragraphPending) {
        m_cursor.insertBlock(QTextBlockFormat(), formatFor(props.western));
        m_blockCharProps = props.western;
        m_blockCharPropsSet = true;
        m_paragraphPending = false;
        m_blockInserted = true;
        m_lastScript = Script::None;
    }
    m_blockHasText = true;
}

void RtfDocumentBuilder::place(int depth)
{
    flushBytes();
    flushRun();
    m_paragraphPending = !m_tables.enter(depth);
    m_blockInserted = false;
    m_blockHasText = false;
    m_blockCharPropsSet = false;
    m_lastScript = Script::None;
}

// Words after a paragraph's text put it into a table or out of it (\intbl after the text,
// \cell without \intbl): the text moves where the paragraph belongs.
void RtfDocumentBuilder::moveParagraph(int depth)
{
    flushBytes();
    flushRun();
    QTextCursor text(m_cursor);
    text.setPosition(m_cursor.block().position(), QTextCursor::KeepAnchor);
    const QTextDocumentFragment moved = text.selection();
    text.removeSelectedText();
    if (m_blockInserted) {
        text.deletePreviousChar(); // the block goes with its text, no empty paragraph stays
        m_cursor.setPosition(text.position());
    }
    m_paragraphPending = m_blockInserted;
    place(depth);
    if (m_paragraphPending) {
        m_cursor.insertBlock(QTextBlockFormat());
        m_paragraphPending = false;
        m_blockInserted = true;
    }
    m_cursor.insertFragment(moved);
    m_blockHasText = true;
}

void RtfDocumentBuilder::listText(const std::vector<RtfListTextRun> &runs)
{
    if (m_listText.size() + runs.size() <= 64)
        m_listText.insert(m_listText.end(), runs.begin(), runs.end());
}

void RtfDocumentBuilder::insertListText()
{
    QTextCursor start(m_cursor.block());
    for (const RtfListTextRun &run : m_listText) {
        QString text = run.text;
        text.removeIf([](QChar c) { return isUnwanted(c.unicode()); });
        start.insertText(text, formatFor(run.props.western));
    }
    m_blockHasText = true;
}

void RtfDocumentBuilder::appendBytes(std::string_view bytes, int codePage, const RtfRunProps &props)
{
    if (bytes.empty())
        return;
    dropLoneHighSurrogate();
    openParagraph(props);
    if (!m_bytes.isEmpty() && (codePage != m_bytesCodePage || props != m_bytesProps))
        flushBytes();
    m_bytesCodePage = codePage;
    m_bytesProps = props;
    m_bytes.append(bytes.data(), qsizetype(bytes.size()));
}

void RtfDocumentBuilder::appendUtf16(char16_t unit, const RtfRunProps &props)
{
    if (QChar::isLowSurrogate(unit) && m_highSurrogate != 0) {
        const char16_t pair[2] = {m_highSurrogate, unit};
        m_highSurrogate = 0;
        appendClassified(QStringView(pair, 2), props);
        return;
    }
    dropLoneHighSurrogate();
    openParagraph(props);
    flushBytes();
    if (QChar::isHighSurrogate(unit)) {
        m_highSurrogate = unit;
        m_highSurrogateProps = props;
        return;
    }
    const char16_t c = QChar::isLowSurrogate(unit) ? char16_t(QChar::ReplacementCharacter) : unit;
    appendClassified(QStringView(&c, 1), props);
}

void RtfDocumentBuilder::appendObject(const QTextImageFormat &format, const RtfRunProps &props)
{
    dropLoneHighSurrogate();
    openParagraph(props);
    flushBytes();
    flushRun();
    QTextCharFormat object = formatFor(props.western);
    object.merge(format);
    m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

void RtfDocumentBuilder::appendNoteMark(QStringView mark, int note, bool endnote)
{
    dropLoneHighSurrogate();
    openParagraph(RtfRunProps());
    flushBytes();
    flushRun();
    QTextCharFormat format;
    format.setProperty(RtfFormat::NoteId, note);
    if (endnote)
        format.setProperty(RtfFormat::Endnote, true);
    m_cursor.insertText(mark.toString(), format);
}

void RtfDocumentBuilder::dropLoneHighSurrogate()
{
    if (m_highSurrogate == 0)
        return;
    m_highSurrogate = 0;
    const char16_t c = QChar::ReplacementCharacter;
    appendClassified(QStringView(&c, 1), m_highSurrogateProps);
}

void RtfDocumentBuilder::appendClassified(QStringView text, const RtfRunProps &props)
{
    if (props.western == props.eastAsian) {
        appendRun(text, props.western);
        return;
    }
    qsizetype start = 0;
    bool lookedAhead = false; // once per piece, so a long weak stretch stays linear
    while (start < text.size()) {
        const qsizetype end = start + 1;
        const char16_t c = text[start].unicode();
        if (isEastAsian(c)) {
            m_lastScript = Script::EastAsian;
        } else if (!isWeak(c)) {
            m_lastScript = Script::Western;
        } else if (m_lastScript == Script::None && !lookedAhead) {
            lookedAhead = true;
            for (qsizetype i = end; i < text.size(); ++i) {
                const char16_t next = text[i].unicode();
                if (isEastAsian(next) || !isWeak(next)) {
                    m_lastScript = isEastAsian(next) ? Script::EastAsian : Script::Western;
                    break;
                }
            }
        }
        appendRun(text.mid(start, end - start),
                  m_lastScript == Script::EastAsian ? props.eastAsian : props.western);
        start = end;
    }
}

void RtfDocumentBuilder::appendRun(QStringView text, const RtfCharProps &props)
{
    if (text.isEmpty())
        return;
    if (props != m_runProps) {
        flushRun();
        m_runProps = props;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isUnwanted(text[i].unicode())) {
            m_run.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    m_run.append(text.mid(start));
}

void RtfDocumentBuilder::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_decoded.clear();
    m_codePages->decodeAppend(std::string_view(m_bytes.constData(), size_t(m_bytes.size())),
                              m_bytesCodePage, &m_decoded);
    m_bytes.clear();
    appendClassified(m_decoded, m_bytesProps);
}

void RtfDocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, formatFor(m_runProps));
    m_run.clear();
}

const QTextCharFormat &RtfDocumentBuilder::formatFor(const RtfCharProps &props)
{
    if (m_formatValid && props == m_formatProps)
        return m_format;
    QTextCharFormat format;
    const QString family = m_fonts.familyFor(props.font);
    if (!family.isEmpty())
        format.setFontFamilies(QStringList{family});
    format.setFontPointSize(props.halfPoints / 2.0);
    if (props.bold)
        format.setFontWeight(QFont::Bold);
    if (props.italic)
        format.setFontItalic(true);
    if (props.underline)
        format.setFontUnderline(true);
    if (props.strike)
        format.setFontStrikeOut(true);
    if (props.vertical == RtfCharProps::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.vertical == RtfCharProps::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (props.color > 0) {
        const QColor color = m_colors.color(props.color);
        if (color.isValid())
            format.setForeground(color);
    }
    if (const QColor background = backgroundFor(props); background.isValid())
        format.setBackground(background);
    if (props.hidden) {
        format.setProperty(RtfFormat::Hidden, true);
        if (!props.underline)
            format.setUnderlineStyle(QTextCharFormat::DotLine); // as word processors show it
    }
    if (props.field > 0 && m_fieldInstructions && props.field <= m_fieldInstructions->size())
        rtfSetField(&format, m_fieldInstructions->at(props.field - 1));
    if (props.note > 0) {
        format.setProperty(RtfFormat::NoteId, props.note);
        if (props.endnote)
            format.setProperty(RtfFormat::Endnote, true);
    }
    m_format = format;
    m_formatProps = props;
    m_formatValid = true;
    return m_format;
}

// Highlight shows above shading, and shading above the plain background of \cb.
QColor RtfDocumentBuilder::backgroundFor(const RtfCharProps &props) const
{
    if (props.highlight > 0) {
        const QColor highlight = m_colors.color(props.highlight);
        if (highlight.isValid())
            return highlight;
    }
    if (props.shading > 0) {
        // \chshdng mixes the pattern colour into the shading's background.
        QColor back = m_colors.color(props.shadingBack);
        QColor fore = m_colors.color(props.shadingFore);
        if (!back.isValid())
            back = Qt::white;
        if (!fore.isValid())
            fore = Qt::black;
        const auto mix = [&props](int b, int f) {
            return (b * (10000 - props.shading) + f * props.shading + 5000) / 10000;
        };
        return QColor(mix(back.red(), fore.red()), mix(back.green(), fore.green()),
                      mix(back.blue(), fore.blue()));
    }
    if (props.shadingBack > 0) {
        const QColor back = m_colors.color(props.shadingBack);
        if (back.isValid())
            return back;
    }
    return props.background > 0 ? m_colors.color(props.background) : QColor();
}

const QTextBlockFormat &RtfDocumentBuilder::blockFormatFor(const RtfParaProps &para)
{
    if (m_blockFormatValid && para == m_blockFormatProps)
        return m_blockFormat;
    // Twips to the document's pixels at 96 dots per inch.
    constexpr qreal kTwipsPerPixel = 15.0;
    QTextBlockFormat block;
    if (para.alignment != Qt::AlignLeft)
        block.setAlignment(para.alignment);
    if (para.leftIndent != 0)
        block.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    if (para.rightIndent != 0)
        block.setRightMargin(para.rightIndent / kTwipsPerPixel);
    if (para.firstIndent != 0)
        block.setTextIndent(para.firstIndent / kTwipsPerPixel);
    if (para.spaceBefore != 0)
        block.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    if (para.spaceAfter != 0)
        block.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    if (para.lineSpacing < 0)
        block.setLineHeight(-para.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    else if (para.lineSpacing > 0 && para.lineMultiple)
        block.setLineHeight(para.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else if (para.lineSpacing > 0)
        block.setLineHeight(para.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    if (para.pageBreakBefore)
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_blockFormatProps = para;
    m_blockFormat = block;
    m_blockFormatValid = true;
    return m_blockFormat;
}

void RtfDocumentBuilder::cellBreak(const RtfParaProps &para, const RtfCharProps &mark, int depth)
{
    endParagraph(para, mark, depth);
    m_tables.endCell(depth);
}

void RtfDocumentBuilder::rowBreak(const RtfParaProps &para, const RtfCharProps &mark, int depth)
{
    if (m_blockHasText && !m_paragraphPending)
        cellBreak(para, mark, depth); // the row's last cell has no \cell of its own
    m_tables.endRow(depth);
}

void RtfDocumentBuilder::pageBreak(const RtfParaProps &para, const RtfCharProps &mark)
{
    // Word puts the break at the start of the paragraph it moves to the next page; after
    // text it ends the paragraph, as no paragraph here can start in one page and go on in
    // the next.
    if (m_blockHasText && !m_paragraphPending)
        paragraphBreak(para, mark);
    m_pageBreakBefore = true;
}

void RtfDocumentBuilder::paragraphBreak(const RtfParaProps &para, const RtfCharProps &mark)
{
    endParagraph(para, mark, para.structure.tableDepth());
}

void RtfDocumentBuilder::endParagraph(const RtfParaProps &para, const RtfCharProps &mark, int depth)
{
    dropLoneHighSurrogate();
    if (m_paragraphPending || !m_blockHasText) {
        if (m_tables.needsPlacement(depth))
            place(depth);
    } else if (m_tables.needsPlacement(depth)) {
        moveParagraph(depth);
    }
    if (m_paragraphPending) {
        // An empty paragraph: its mark's format comes with the block.
        m_cursor.insertBlock(QTextBlockFormat(), formatFor(mark));
        m_blockCharProps = mark;
        m_blockCharPropsSet = true;
        m_blockHasText = false;
        m_lastScript = Script::None;
    }
    closeParagraph(para, mark);
    m_paragraphPending = true;
}

void RtfDocumentBuilder::closeParagraph(const RtfParaProps &para, const RtfCharProps &mark)
{
    flushBytes();
    flushRun();
    if (m_pageBreakBefore && !para.pageBreakBefore) {
        RtfParaProps breaking = para;
        breaking.pageBreakBefore = true;
        m_cursor.setBlockFormat(blockFormatFor(breaking));
    } else if (para != RtfParaProps()) {
        m_cursor.setBlockFormat(blockFormatFor(para));
    }
    m_pageBreakBefore = false;
    const bool listed = m_lists.place(m_cursor, para.structure);
    if (!m_listText.empty()) {
        if (!listed)
            insertListText();
        m_listText.clear();
    }
    if (!m_blockHasText && !(m_blockCharPropsSet && m_blockCharProps == mark))
        m_cursor.setBlockCharFormat(formatFor(mark));
}

void RtfDocumentBuilder::finish(const RtfParaProps &para, const RtfCharProps &mark)
{
    dropLoneHighSurrogate();
    if (!m_paragraphPending)
        closeParagraph(para, mark);
    flushBytes();
    flushRun();
    m_tables.closeAll();
}
