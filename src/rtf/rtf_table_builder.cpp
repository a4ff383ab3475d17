#include "rtf/rtf_table_builder.h"

#include "rtf/rtf_structure_props.h"

#include <QTextCursor>
#include <QTextTableFormat>

namespace {

// Twips to the document's pixels at 96 dots per inch.
constexpr qreal kTwipsPerPixel = 15.0;

QTextTableFormat newTableFormat()
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    return format;
}

} // namespace

RtfRowDefinition &RtfTableBuilder::definition(int depth)
{
    const size_t index = size_t(qBound(1, depth, RtfStructureProps::kMaxTableDepth) - 1);
    if (m_definitions.size() <= index)
        m_definitions.resize(index + 1);
    return m_definitions[index];
}

bool RtfTableBuilder::needsPlacement(int depth) const
{
    depth = qBound(0, depth, RtfStructureProps::kMaxTableDepth);
    return depth != this->depth() || (depth > 0 && !m_levels.back().cellOpen);
}

bool RtfTableBuilder::enter(int depth)
{
    depth = qBound(0, depth, RtfStructureProps::kMaxTableDepth);
    bool fresh = false;
    while (this->depth() > depth) {
        closeLevel();
        fresh = true; // the cursor is in the empty block after the table
    }
    while (this->depth() < depth) {
        if (!m_levels.empty() && !m_levels.back().cellOpen)
            openCell(m_levels.back());
        const int columns = qMax(1, int(definition(this->depth() + 1).cells().size()));
        Level level;
        level.table = m_cursor->insertTable(1, columns, newTableFormat());
        if (!level.table)
            return false;
        m_levels.push_back(level);
    }
    if (depth > 0 && !m_levels.back().cellOpen)
        return openCell(m_levels.back());
    return fresh;
}

bool RtfTableBuilder::openCell(Level &level)
{
    QTextTable *table = level.table;
    if (level.column >= table->columns()) {
        if (table->columns() < RtfRowDefinition::kMaxCells)
            table->appendColumns(level.column + 1 - table->columns());
        else
            level.column = table->columns() - 1;
    }
    if (level.row >= table->rows())
        table->appendRows(qBound(1, table->rows(), kMaxRowBatch));
    level.cellOpen = true;
    const QTextTableCell cell = table->cellAt(level.row, level.column);
    if (cell.firstPosition() == cell.lastPosition()) {
        m_cursor->setPosition(cell.firstPosition());
        return true;
    }
    m_cursor->setPosition(cell.lastPosition()); // more cells than the row has: they share one
    return false;
}

void RtfTableBuilder::endCell(int depth)
{
    while (this->depth() > qMax(depth, 1))
        closeLevel();
    if (m_levels.empty() || !m_levels.back().cellOpen)
        return;
    Level &level = m_levels.back();
    level.cellOpen = false;
    if (level.column < RtfRowDefinition::kMaxCells - 1)
        ++level.column;
}

bool RtfTableBuilder::endRow(int depth)
{
    while (this->depth() > qMax(depth, 1))
        closeLevel();
    if (m_levels.empty() || this->depth() < depth)
        return false;
    Level &level = m_levels.back();
    if (level.cellOpen)
        endCell(this->depth());
    if (level.column == 0)
        return false; // a row without cells
    const RtfRowDefinition &row = definition(this->depth());
    std::vector<unsigned char> merges(size_t(level.column), 0);
    for (int i = 0; i < level.column && size_t(i) < row.cells().size(); ++i) {
        merges[size_t(i)] = row.cells()[size_t(i)].merge;
        if (size_t(i) >= level.widths.size())
            level.widths.push_back(row.width(i));
        else if (level.widths[size_t(i)] == 0)
            level.widths[size_t(i)] = row.width(i);
    }
    level.merges.push_back(std::move(merges));
    ++level.row;
    level.column = 0;
    return true;
}

void RtfTableBuilder::closeAll()
{
    while (!m_levels.empty())
        closeLevel();
}

void RtfTableBuilder::closeLevel()
{
    Level &level = m_levels.back();
    if (level.cellOpen || level.column > 0)
        endRow(depth()); // an unfinished row still holds its cells
    if (QTextTable *table = level.table) {
        finishTable(table, level);
        m_cursor->setPosition(table->lastPosition() + 1);
    }
    // A nested table's rows are defined after their cells: what the last row said is no
    // definition for the next table at this depth.
    if (depth() > 1)
        definition(depth()) = RtfRowDefinition();
    m_levels.pop_back();
}

void RtfTableBuilder::finishTable(QTextTable *table, const Level &level)
{
    const int rows = qMax(1, level.row);
    if (table->rows() > rows)
        table->removeRows(rows, table->rows() - rows);

    const int columns = table->columns();
    QTextTableFormat format = table->format();
    QList<QTextLength> widths;
    bool anyWidth = false;
    for (int c = 0; c < columns; ++c) {
        const int twips = size_t(c) < level.widths.size() ? level.widths[size_t(c)] : 0;
        anyWidth = anyWidth || twips > 0;
        widths << (twips > 0 ? QTextLength(QTextLength::FixedLength, twips / kTwipsPerPixel)
                             : QTextLength());
    }
    if (anyWidth) {
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
    }

    using Merge = RtfRowDefinition::Merge;
    const auto flags = [&](int r, int c) -> unsigned char {
        if (r >= int(level.merges.size()) || c >= int(level.merges[size_t(r)].size()))
            return 0;
        return level.merges[size_t(r)][size_t(c)];
    };
    std::vector<bool> covered(size_t(rows) * size_t(columns), false);
    const auto isCovered = [&](int r, int c) {
        return covered[size_t(r) * size_t(columns) + size_t(c)];
    };
    for (int r = 0; r < rows && r < int(level.merges.size()); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (isCovered(r, c))
                continue;
            const unsigned char f = flags(r, c);
            int across = 1;
            if (f & Merge::MergeFirst) {
                while (c + across < columns && !isCovered(r, c + across) &&
                       (flags(r, c + across) & Merge::MergeNext))
                    ++across;
            }
            int down = 1;
            if (f & Merge::MergeTop) {
                while (r + down < rows && !isCovered(r + down, c) &&
                       (flags(r + down, c) & Merge::MergeBelow))
                    ++down;
            }
            if (across == 1 && down == 1)
                continue;
            for (int i = r; i < r + down; ++i)
                for (int j = c; j < c + across; ++j)
                    covered[size_t(i) * size_t(columns) + size_t(j)] = true;
            table->mergeCells(r, c, down, across);
        }
    }
}
