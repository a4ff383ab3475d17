#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the seven title columns hold at every start.
struct TitleColumnDefault
{
    QString caption;
    bool enabled = false;
    bool sorted = false;
    QStringList words; // stored order; the sorted columns' order is already the sort order
};

namespace TitleDefaults {

constexpr int ColumnCount = 7;

QList<TitleColumnDefault> columns();

} // namespace TitleDefaults
