#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The eight example sentence patterns. A pattern only presets the columns: it disables
// the ten word columns, enables its own ones, sets the question word and fills fixed
// connecting texts into input boxes. It addresses columns by position.
struct QuestionPattern
{
    QString entry;                         // as the pattern list shows it
    QList<int> enabledColumns;             // in the order they are switched on
    QString questionWord;                  // for Textywx
    QList<QPair<int, QString>> fixedTexts; // column, text; in this order
};

namespace QuestionPatterns {

const QList<QuestionPattern> &all();
QString hint(); // the pattern list's edit line at start

} // namespace QuestionPatterns
