#include "title/title_composer.h"

#include <algorithm>

namespace TitleComposer {

namespace {
bool allHoldWords(const QList<ColumnState> &columns, int upTo)
{
    const int end = std::min(upTo, int(columns.size()));
    return std::all_of(columns.cbegin(), columns.cbegin() + end,
                       [](const ColumnState &column) { return column.count > 0; });
}
} // namespace

bool readyForManual(const QList<ColumnState> &columns)
{
    return allHoldWords(columns, int(columns.size()));
}

bool readyForAutomatic(const QList<ColumnState> &columns)
{
    return allHoldWords(columns, int(columns.size()) - 1);
}

QList<int> columnsToDraw(const QList<ColumnState> &columns)
{
    QList<int> drawn;
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).enabled && columns.at(i).count > 0)
            drawn.append(i);
    }
    return drawn;
}

QString compose(const QStringList &currentWords)
{
    return currentWords.join(QString());
}

} // namespace TitleComposer
