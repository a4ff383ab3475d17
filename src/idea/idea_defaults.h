#pragma once

#include <QString>
#include <QStringList>

// What an idea column holds at every start, as laid out on the page.
namespace IdeaDefaults {

constexpr int ColumnCount = 6;

struct ColumnDefaults
{
    QString caption;      // Text21
    QString lead;         // Combot's text, not necessarily one of its entries
    QString trail;        // Combow's text
    QString listEditText; // Combos' edit line: only shown, never read
    QString input;        // Text11
    QStringList leadEntries;
    QStringList trailEntries;
    QStringList words;
    bool wordsSorted = false;
    bool leadSorted = false;
    bool trailSorted = false;
};

// Index 0 to ColumnCount - 1; anything else gives an empty column.
ColumnDefaults column(int index);

} // namespace IdeaDefaults
