#include "rtf/rtf_table_builder.h"

#include "rtf/rtf_structure_props.h"

#include <QTextCursor>
#include <QTextTableFormat>
#include <algorithm>

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

// The column a row's cell goes to: the one after the column where the previous cell ends.
int RtfTableBuilder::columnFor(const Level &level) const
{
    const std::vector<RtfRowDefinition::Cell> &cells = m_definitions[size_t(depth() - 1)].cells();
    int column = level.cell;
    if (level.cell > 0 && !level.grid.empty() && size_t(level.cell) <= cells.size()) {
        const int edge = cells[size_t(level.cell) - 1].right;
        const auto found = std::lower_bound(level.grid.begin(), level.grid.end(), edge);
        if (found != level.grid.end() && *found == edge)
            column = int(found - level.grid.begin()) + 1;
    }
    if (!level.starts.empty())
        column = qMax(column, level.starts.back() + 1);
    return qMin(column, RtfRowDefinition::kMaxCells - 1);
}

bool RtfTableBuilder::openCell(Level &level)
{
    QTextTable *table = level.table;
    definition(depth()); // the row may have come without one
    int column = columnFor(level);
    if (column >= table->columns()) {
        if (table->columns() < RtfRowDefinition::kMaxCells)
            table->appendColumns(column + 1 - table->columns());
        else
            column = table->columns() - 1;
    }
    if (level.row >= table->rows())
        table->appendRows(qBound(1, table->rows(), kMaxRowBatch));
    if (level.starts.size() == size_t(level.cell) && level.cell < RtfRowDefinition::kMaxCells)
        level.starts.push_back(column);
    level.cellOpen = true;
    const QTextTableCell cell = table->cellAt(level.row, column);
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
    level.cell = qMin(level.cell + 1, RtfRowDefinition::kMaxCells);
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
    if (level.cell == 0)
        return false; // a row without cells
    const RtfRowDefinition &row = definition(this->depth());
    const std::vector<RtfRowDefinition::Cell> &defined = row.cells();
    if (level.grid.empty()) {
        for (const RtfRowDefinition::Cell &cell : defined) {
            if (!level.grid.empty() && cell.right <= level.grid.back()) {
                level.grid.clear(); // edges out of order say nothing about columns
                break;
            }
            level.grid.push_back(cell.right);
        }
    }
    std::vector<RowCell> cells;
    for (int i = 0; i < level.cell && size_t(i) < level.starts.size(); ++i) {
        const int column = level.starts[size_t(i)];
        int span = 1;
        unsigned char merge = 0;
        if (size_t(i) < defined.size()) {
            merge = defined[size_t(i)].merge;
            const auto end =
                std::lower_bound(level.grid.begin(), level.grid.end(), defined[size_t(i)].right);
            if (end != level.grid.end() && *end == defined[size_t(i)].right)
                span = qMax(1, int(end - level.grid.begin()) - column + 1);
        }
        if (size_t(i) + 1 < level.starts.size())
            span = qMin(span, level.starts[size_t(i) + 1] - column);
        cells.push_back(RowCell{column, span, merge});
        if (span == 1 && size_t(i) < defined.size()) {
            if (level.widths.size() <= size_t(column))
                level.widths.resize(size_t(column) + 1, 0);
            if (level.widths[size_t(column)] == 0)
                level.widths[size_t(column)] = row.width(i);
        }
    }
    level.rows.push_back(std::move(cells));
    level.starts.clear();
    ++level.row;
    level.cell = 0;
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
    if (level.cellOpen || level.cell > 0)
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
    // By row and column: how many columns the cell that starts there covers (0: none
    // starts there) and its merge words.
    const size_t cells = size_t(rows) * size_t(columns);
    std::vector<int> spans(cells, 0);
    std::vector<unsigned char> flags(cells, 0);
    const auto at = [columns](int r, int c) { return size_t(r) * size_t(columns) + size_t(c); };
    for (int r = 0; r < rows && size_t(r) < level.rows.size(); ++r) {
        for (const RowCell &cell : level.rows[size_t(r)]) {
            if (cell.column < columns) {
                spans[at(r, cell.column)] = qBound(1, cell.span, columns - cell.column);
                flags[at(r, cell.column)] = cell.merge;
            }
        }
    }
    std::vector<bool> covered(cells, false);
    const auto isFree = [&](int r, int c) { return !covered[at(r, c)] && spans[at(r, c)] > 0; };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (!isFree(r, c))
                continue;
            int across = spans[at(r, c)];
            if (flags[at(r, c)] & Merge::MergeFirst) {
                while (c + across < columns && isFree(r, c + across) &&
                       (flags[at(r, c + across)] & Merge::MergeNext))
                    across += spans[at(r, c + across)];
            }
            int down = 1;
            if (flags[at(r, c)] & Merge::MergeTop) {
                while (r + down < rows && isFree(r + down, c) &&
                       (flags[at(r + down, c)] & Merge::MergeBelow))
                    ++down;
            }
            bool clear = true; // a rectangle that cuts into another merge stays unmerged
            for (int i = r; i < r + down && clear; ++i)
                for (int j = c; j < c + across && clear; ++j)
                    clear = !covered[at(i, j)];
            if (!clear || (across == 1 && down == 1))
                continue;
            for (int i = r; i < r + down; ++i)
                for (int j = c; j < c + across; ++j)
                    covered[at(i, j)] = true;
            table->mergeCells(r, c, down, across);
        }
    }
}
