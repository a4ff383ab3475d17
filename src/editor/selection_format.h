#pragma once

#include <Qt>

class QTextCharFormat;
class QTextCursor;

// The character styles and paragraph alignments that the toolbar toggles and sets.
namespace SelectionFormat {

enum class Style
{
    Bold,
    Italic,
    Underline
};

// The stored alignment values: 0 left, 1 right, 2 centre.
enum Alignment
{
    AlignLeftValue = 0,
    AlignRightValue = 1,
    AlignCenterValue = 2
};

bool hasStyle(const QTextCharFormat &format, Style style);
// True when every character of the cursor's selection has style; without a selection,
// whether caretFormat (the format typing would use) has it.
bool selectionHasStyle(const QTextCursor &cursor, const QTextCharFormat &caretFormat, Style style);
// A format that, merged, sets or clears style.
QTextCharFormat styleFormat(Style style, bool on);

Qt::Alignment alignmentFor(int value);
// 0, 1 or 2 for left, right and centre; -1 for any other alignment (justified).
int alignmentValue(Qt::Alignment alignment);

} // namespace SelectionFormat
