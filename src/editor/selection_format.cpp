#include "editor/selection_format.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace SelectionFormat {

bool hasStyle(const QTextCharFormat &format, Style style)
{
    switch (style) {
    case Style::Bold:
        return format.fontWeight() >= QFont::Bold;
    case Style::Italic:
        return format.fontItalic();
    case Style::Underline:
        return format.fontUnderline();
    }
    return false;
}

namespace {

bool rangeHasStyle(const QTextDocument *doc, int start, int end, Style style)
{
    for (QTextBlock block = doc->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            if (!hasStyle(fragment.charFormat(), style))
                return false;
        }
    }
    return true;
}

} // namespace

bool selectionHasStyle(const QTextCursor &cursor, const QTextCharFormat &caretFormat, Style style)
{
    if (!cursor.hasSelection())
        return hasStyle(caretFormat, style);
    QTextTable *table = cursor.currentTable();
    if (cursor.hasComplexSelection() && table) {
        // Cells picked out of a table: only those, not the cells between them in text order.
        int firstRow = 0, rows = 0, firstColumn = 0, columns = 0;
        cursor.selectedTableCells(&firstRow, &rows, &firstColumn, &columns);
        for (int r = firstRow; r < firstRow + rows; ++r) {
            for (int c = firstColumn; c < firstColumn + columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (!rangeHasStyle(cursor.document(), cell.firstPosition(), cell.lastPosition(),
                                   style))
                    return false;
            }
        }
        return true;
    }
    return rangeHasStyle(cursor.document(), cursor.selectionStart(), cursor.selectionEnd(), style);
}

QTextCharFormat styleFormat(Style style, bool on)
{
    QTextCharFormat format;
    switch (style) {
    case Style::Bold:
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        break;
    case Style::Italic:
        format.setFontItalic(on);
        break;
    case Style::Underline:
        format.setFontUnderline(on);
        break;
    }
    return format;
}

Qt::Alignment alignmentFor(int value)
{
    switch (value) {
    case AlignRightValue:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case AlignCenterValue:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

int alignmentValue(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        return AlignCenterValue;
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return AlignRightValue;
    if (horizontal & Qt::AlignJustify)
        return -1;
    return AlignLeftValue;
}

} // namespace SelectionFormat
