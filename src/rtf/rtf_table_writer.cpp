#include "rtf/rtf_table_writer.h"

#include "rtf/rtf_output.h"

#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <variant>
#include <vector>

namespace {

constexpr int kMaxColumnTwips = 31680;

// The widths of the columns in twips, each at least one.
std::vector<int> columnTwips(const QTextTable *table)
{
    const int columns = table->columns();
    const QList<QTextLength> constraints = table->format().columnWidthConstraints();
    std::vector<int> twips;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        qreal value = RtfTableWriter::kTextWidth / qreal(columns);
        if (length.type() == QTextLength::FixedLength)
            value = length.rawValue() * 15.0;
        else if (length.type() == QTextLength::PercentageLength)
            value = length.rawValue() * RtfTableWriter::kTextWidth / 100.0;
        twips.push_back(qBound(1, qRound(value), kMaxColumnTwips));
    }
    return twips;
}

} // namespace

void RtfTableWriter::writeFrame(const QTextFrame *frame)
{
    writeContent(frame->begin(), 0, false);
}

// Blocks and frames up to the end of the frame or cell; in a cell the last block ends the
// cell. Frames that are no tables (Qt's own, from pasted HTML) give their content as it
// stands.
void RtfTableWriter::writeContent(QTextFrame::iterator it, int depth, bool endsCell)
{
    using Item = std::variant<QTextBlock, const QTextFrame *>;
    std::vector<Item> items;
    for (; !it.atEnd(); ++it) {
        if (const QTextFrame *child = it.currentFrame())
            items.emplace_back(child);
        else if (it.currentBlock().isValid())
            items.emplace_back(it.currentBlock());
    }
    for (size_t i = 0; i < items.size(); ++i) {
        if (const auto *child = std::get_if<const QTextFrame *>(&items[i])) {
            if (const auto *table = qobject_cast<const QTextTable *>(*child))
                writeTable(table, depth + 1);
            else
                writeContent((*child)->begin(), depth, false);
            continue;
        }
        const char *end = "par";
        if (endsCell && i + 1 == items.size())
            end = depth == 1 ? "cell" : "nestcell";
        m_writeBlock(std::get<QTextBlock>(items[i]), depth, end);
    }
    if (endsCell && (items.empty() || !std::holds_alternative<QTextBlock>(items.back())))
        writeEmptyCell(depth);
}

void RtfTableWriter::writeEmptyCell(int depth)
{
    m_out->word("pard");
    m_out->word("intbl");
    if (depth > 1)
        m_out->word("itap", depth);
    m_out->word(depth == 1 ? "cell" : "nestcell");
}

void RtfTableWriter::writeTable(const QTextTable *table, int depth)
{
    for (int r = 0; r < table->rows(); ++r) {
        if (depth == 1)
            writeRowDefinition(table, r, depth);
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() == r && cell.column() == c)
                writeContent(cell.begin(), depth, true);
            else
                writeEmptyCell(depth); // covered by a merged cell
        }
        if (depth == 1) {
            m_out->word("row");
        } else {
            m_out->word("pard");
            m_out->word("intbl");
            m_out->word("itap", depth);
            m_out->openGroup();
            m_out->raw("\\*");
            m_out->word("nesttableprops");
            writeRowDefinition(table, r, depth);
            m_out->word("nestrow");
            m_out->closeGroup();
            // Readers without nested tables see the rows as paragraphs.
            m_out->openGroup();
            m_out->word("nonesttables");
            m_out->word("par");
            m_out->closeGroup();
        }
        m_out->lineBreak();
    }
}

void RtfTableWriter::writeRowDefinition(const QTextTable *table, int row, int depth)
{
    const std::vector<int> twips = columnTwips(table);
    const bool borders = table->format().border() > 0;
    m_out->word("trowd");
    m_out->word("trgaph", 108);
    m_out->word("trleft", 0);
    if (depth > 1)
        m_out->word("itap", depth);
    int right = 0;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (cell.row() == row) {
            if (cell.rowSpan() > 1)
                m_out->word("clvmgf");
        } else {
            m_out->word("clvmrg");
        }
        if (cell.column() == c) {
            if (cell.columnSpan() > 1)
                m_out->word("clmgf");
        } else {
            m_out->word("clmrg");
        }
        if (borders) {
            for (const char *side : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"}) {
                m_out->word(side);
                m_out->word("brdrs");
                m_out->word("brdrw", 10);
            }
        }
        right += twips[size_t(c)];
        m_out->word("cellx", right);
    }
    m_out->lineBreak();
}
