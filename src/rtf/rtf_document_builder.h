#pragma once

#include "rtf/rtf_char_props.h"
#include "rtf/rtf_list_builder.h"
#include "rtf/rtf_list_text_destination.h"
#include "rtf/rtf_para_props.h"
#include "rtf/rtf_table_builder.h"

#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextImageFormat>
#include <string_view>

class QTextDocument;
class RtfCodePages;
class RtfColorTable;
class RtfFontTable;
class RtfListTable;

// Puts the text that the parser finds into a document: text of one format is gathered
// into a run and inserted in one call; a paragraph exists once text or a \par needs it.
class RtfDocumentBuilder
{
public:
    RtfDocumentBuilder(QTextDocument *doc, const RtfFontTable &fonts, const RtfColorTable &colors,
                       RtfCodePages *codePages);
    ~RtfDocumentBuilder();
    Q_DISABLE_COPY_MOVE(RtfDocumentBuilder)

    void setListTable(const RtfListTable *table) { m_lists.setTable(table); }
    // The table depth of the paragraph that the text coming next belongs to.
    void setTextDepth(int depth) { m_textDepth = depth; }
    RtfRowDefinition &rowDefinition(int depth) { return m_tables.definition(depth); }

    void appendBytes(std::string_view bytes, int codePage, const RtfRunProps &props);
    void appendUtf16(char16_t unit, const RtfRunProps &props);
    // A picture, or a kept group's placeholder, with the run's character format.
    void appendObject(const QTextImageFormat &format, const RtfRunProps &props);
    // The number a writer put before the paragraph that comes next.
    void listText(const std::vector<RtfListTextRun> &runs);
    // What RtfCharProps::field counts from 1.
    void setFieldInstructions(const QStringList *instructions)
    {
        m_fieldInstructions = instructions;
    }
    // A note's 〔注： or 〕, in one format whatever the file's fonts, so that it reads back
    // the same after the writer dropped it.
    void appendNoteMark(QStringView mark, int note, bool endnote);
    // \cell and \nestcell end the paragraph and the cell at depth; \row and \nestrow the row.
    void cellBreak(const RtfParaProps &para, const RtfCharProps &mark, int depth);
    void rowBreak(const RtfParaProps &para, const RtfCharProps &mark, int depth);
    void paragraphBreak(const RtfParaProps &para, const RtfCharProps &mark);
    // \page: the next paragraph starts a page.
    void pageBreak(const RtfParaProps &para, const RtfCharProps &mark);
    void finish(const RtfParaProps &para, const RtfCharProps &mark);

private:
    void openParagraph(const RtfRunProps &props);
    void place(int depth);
    void moveParagraph(int depth);
    void endParagraph(const RtfParaProps &para, const RtfCharProps &mark, int depth);
    void insertListText();
    void appendClassified(QStringView text, const RtfRunProps &props);
    void appendRun(QStringView text, const RtfCharProps &props);
    void flushBytes();
    void flushRun();
    void dropLoneHighSurrogate();
    void closeParagraph(const RtfParaProps &para, const RtfCharProps &mark);
    const QTextCharFormat &formatFor(const RtfCharProps &props);
    QColor backgroundFor(const RtfCharProps &props) const;
    const QTextBlockFormat &blockFormatFor(const RtfParaProps &para);

    const RtfFontTable &m_fonts;
    const RtfColorTable &m_colors;
    RtfCodePages *m_codePages;
    const QStringList *m_fieldInstructions = nullptr;
    QTextCursor m_cursor;

    QString m_run;
    RtfCharProps m_runProps;
    QByteArray m_bytes;
    QString m_decoded;
    int m_bytesCodePage = 0;
    RtfRunProps m_bytesProps;
    char16_t m_highSurrogate = 0;
    RtfRunProps m_highSurrogateProps;

    enum class Script : unsigned char
    {
        None,
        Western,
        EastAsian
    };
    Script m_lastScript = Script::None;

    bool m_paragraphPending = false; // the last \par ended a paragraph; the next one isn't open
    bool m_blockHasText = false;
    RtfCharProps m_blockCharProps;
    bool m_blockCharPropsSet = false;
    bool m_blockInserted = false; // the open paragraph's block is one that the builder added
    int m_textDepth = 0;
    RtfTableBuilder m_tables{&m_cursor};
    RtfListBuilder m_lists;
    std::vector<RtfListTextRun> m_listText;
    bool m_pageBreakBefore = false; // the paragraph now open follows a \page

    RtfCharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;

    RtfParaProps m_blockFormatProps;
    QTextBlockFormat m_blockFormat;
    bool m_blockFormatValid = false;
};
