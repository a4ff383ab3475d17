#pragma once

#include "rtf/rtf_row_definition.h"

#include <QPointer>
#include <QTextTable>
#include <vector>

class QTextCursor;

// Puts paragraphs into QTextTables as the parser finds \cell and \row: each table level
// knows its row and cell, rows are added in growing batches (a row at a time would rebuild
// Qt's cell grid for every row) and what was left over is removed when the table ends,
// with the column widths and the merged cells of its rows.
class RtfTableBuilder
{
public:
    explicit RtfTableBuilder(QTextCursor *cursor) : m_cursor(cursor) {}

    int depth() const { return int(m_levels.size()); }
    // Whether a paragraph at this depth would go somewhere else than the cursor is.
    bool needsPlacement(int depth) const;
    // Moves the cursor where a paragraph at this depth goes, opening tables and cells;
    // true when it stands in an empty block that the paragraph takes, false when the
    // paragraph comes as a new block after the cursor.
    bool enter(int depth);
    // \cell, \nestcell: the open cell at this depth ends.
    void endCell(int depth);
    // \row, \nestrow: the row at this depth ends; false when there was none.
    bool endRow(int depth);
    void closeAll();
    // The row definition that a \trowd at this depth fills.
    RtfRowDefinition &definition(int depth);

private:
    static constexpr int kMaxRowBatch = 1024;

    // A cell of an ended row: the column it starts in and how many it covers.
    struct RowCell
    {
        int column;
        int span;
        unsigned char merge;
    };

    struct Level
    {
        QPointer<QTextTable> table;
        int row = 0;
        int cell = 0; // the open or next cell of the row, counted as the row counts them
        bool cellOpen = false;
        // Where the first row's cells end, in twips: a later row with wider cells ending
        // at these edges puts each cell in the column where it starts, spanning the rest.
        std::vector<int> grid;
        std::vector<int> starts; // the column of each cell of the open row
        std::vector<int> widths; // twips by column, 0 for none
        std::vector<std::vector<RowCell>> rows;
    };

    bool openCell(Level &level);
    int columnFor(const Level &level) const;
    void closeLevel();
    static void finishTable(QTextTable *table, const Level &level);

    QTextCursor *m_cursor;
    std::vector<Level> m_levels;
    std::vector<RtfRowDefinition> m_definitions; // by depth - 1
};
