#pragma once

#include <QList>
#include <QString>

// Joining an idea hint from the six columns' pieces, free of widgets.
namespace IdeaHint {

struct Piece
{
    QString lead;
    QString word;
    QString trail;
};

// lead + word + trail of each column, "," between columns; random mode puts ":" after
// column 0. One separator between each pair, so six pieces always give five.
QString join(const QList<Piece> &pieces, bool randomMode);

} // namespace IdeaHint
