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

    struct Level
    {
        QPointer<QTextTable> table;
        int row = 0;
        int column = 0;
        bool cellOpen = false;
        std::vector<int> widths;                        // twips by column, 0 for none
        std::vector<std::vector<unsigned char>> merges; // by row, then cell
    };

    bool openCell(Level &level);
    void closeLevel();
    static void finishTable(QTextTable *table, const Level &level);

    QTextCursor *m_cursor;
    std::vector<Level> m_levels;
    std::vector<RtfRowDefinition> m_definitions; // by depth - 1
};
