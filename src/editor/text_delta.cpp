#include "editor/text_delta.h"

#include <algorithm>

TextDelta smallestDelta(QStringView from, QStringView to)
{
    const qsizetype shorter = std::min(from.size(), to.size());
    qsizetype prefix = 0;
    while (prefix < shorter && from[prefix] == to[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    TextDelta delta;
    delta.Start = qint32(prefix);
    delta.SpanLen = qint32(from.size() - prefix - suffix);
    delta.Text = to.mid(prefix, to.size() - prefix - suffix).toString();
    return delta;
}

QString applyDelta(const QString &base, const TextDelta &delta)
{
    QString result = base;
    result.replace(delta.Start, delta.SpanLen, delta.Text);
    return result;
}

bool deltaReproduces(QStringView base, const TextDelta &delta, QStringView target)
{
    if (delta.Start < 0 || delta.SpanLen < 0 ||
        delta.Start + qsizetype(delta.SpanLen) > base.size())
        return false;
    if (base.size() - delta.SpanLen + delta.Text.size() != target.size())
        return false;
    const qsizetype tail = delta.Start + delta.Text.size();
    return base.left(delta.Start) == target.left(delta.Start) &&
           QStringView(delta.Text) == target.mid(delta.Start, delta.Text.size()) &&
           base.mid(delta.Start + delta.SpanLen) == target.mid(tail);
}
