#pragma once

#include <QList>
#include <QString>

// The four presets of the twelve connecting words, one per sentence form.
namespace IdeaStyles {

enum Style
{
    Concise,
    Tentative,
    Forceful,
    Suggestive
};
constexpr int StyleCount = 4;

struct Connectors
{
    QString lead;
    QString trail;
};

QString caption(Style style); // "简洁型", "试探型", "强制型", "建议型"
// Six entries, column 0 first; an unknown style gives six empty pairs.
QList<Connectors> preset(Style style);

} // namespace IdeaStyles
