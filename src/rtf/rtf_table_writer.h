#pragma once

#include <QTextFrame>
#include <functional>

class QTextBlock;
class QTextTable;
class RtfOutput;

// Writes a frame's content in document order, its tables as Word writes them: a row
// definition (\trowd, one \cellx per column, merges as \clmgf/\clmrg and \clvmgf/\clvmrg),
// \intbl paragraphs whose last one in a cell ends with \cell; a table inside a cell with
// \itapN paragraphs ending in \nestcell and the row's definition after its cells, in
// {\*\nesttableprops ...\nestrow}.
class RtfTableWriter
{
public:
    // Writes one paragraph: depth 0 in the body, else the table depth of its cell; end is
    // the word that ends it ("par", "cell", "nestcell").
    using BlockWriter = std::function<void(const QTextBlock &block, int depth, const char *end)>;

    RtfTableWriter(RtfOutput *out, BlockWriter writeBlock)
        : m_out(out), m_writeBlock(std::move(writeBlock))
    {
    }

    void writeFrame(const QTextFrame *frame);

    // The width the writer gives a column whose width the table leaves open, in twips:
    // the page's text width shared out.
    static constexpr int kTextWidth = 8306;

private:
    void writeContent(QTextFrame::iterator it, int depth, bool endsCell);
    void writeEmptyCell(int depth);
    void writeTable(const QTextTable *table, int depth);
    void writeRowDefinition(const QTextTable *table, int row, int depth);

    RtfOutput *m_out;
    BlockWriter m_writeBlock;
};
