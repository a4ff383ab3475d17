#include "idea/idea_hint.h"

namespace IdeaHint {

QString join(const QList<Piece> &pieces, bool randomMode)
{
    QString hint;
    for (int i = 0; i < pieces.size(); ++i) {
        if (i == 1)
            hint += randomMode ? QLatin1Char(':') : QLatin1Char(',');
        else if (i > 1)
            hint += QLatin1Char(',');
        const Piece &piece = pieces.at(i);
        hint += piece.lead + piece.word + piece.trail;
    }
    return hint;
}

} // namespace IdeaHint
