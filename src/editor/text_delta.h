#pragma once

#include <QString>
#include <QStringView>

// How one text differs from another as a single span: replacing SpanLen characters at
// Start of the base text by Text gives the other text.
struct TextDelta
{
    qint32 Start = 0;
    qint32 SpanLen = 0;
    QString Text;

    bool isEmpty() const { return SpanLen == 0 && Text.isEmpty(); }
};

// The smallest such span (common prefix and suffix left out) turning from into to.
TextDelta smallestDelta(QStringView from, QStringView to);
QString applyDelta(const QString &base, const TextDelta &delta);
// True when applying delta to base would give exactly target.
bool deltaReproduces(QStringView base, const TextDelta &delta, QStringView target);
