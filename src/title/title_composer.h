#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The title generator's rules, free of widgets: when a title may be made, which
// columns draw a word, and how the current words become a title.
namespace TitleComposer {

struct ColumnState
{
    bool enabled = false;
    int count = 0; // entries in the column's word list
};

// "生成": every list must hold a word, disabled columns included.
bool readyForManual(const QList<ColumnState> &columns);
// The automatic step leaves the last column out of that test.
bool readyForAutomatic(const QList<ColumnState> &columns);

// Enabled columns with at least one word, in index order: each takes one draw. An
// enabled empty column (possible for the last one in automatic mode) is skipped.
QList<int> columnsToDraw(const QList<ColumnState> &columns);

// The current words joined as they are: no separator, nothing trimmed.
QString compose(const QStringList &currentWords);

} // namespace TitleComposer
