#pragma once

#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QString>
#include <QVariant>
#include <functional>
#include <string_view>

class RtfColorTable;
class RtfFontTable;

// A group kept as it came, to be written back: its bytes, the \uc in force where it stood,
// and the fonts and colours its \f, \cf... numbers meant in the file it came from, so that a
// writer with tables of its own can renumber them.
struct RtfKeptGroup
{
    enum class Place : unsigned char
    {
        Text,        // an object, shape, drawing or metafile where it stood in the text
        Info,        // \info, after the tables
        HeaderFooter // before the body
    };

    QByteArray bytes;
    int uc = 1;
    Place place = Place::Text;
    QMap<int, QString> fonts; // index in the file -> family
    QMap<int, QColor> colors; // index in the file -> colour; invalid: automatic

    // Looks up every font and colour the bytes refer to in the tables of the file.
    void collectReferences(const RtfFontTable &fontTable, const RtfColorTable &colorTable);

    // A group's bytes from its destination word on are made a group again.
    static QByteArray asGroup(std::string_view bytes);

    QVariantMap toVariant() const;
    static RtfKeptGroup fromVariant(const QVariant &value);

    enum class Reference : unsigned char
    {
        None,
        Font,
        Color
    };
    // What a control word's number refers to.
    static Reference referenceOf(std::string_view word);
    // Calls found for each font or colour number in the bytes, with where its digits
    // start and end; \bin data is passed over.
    static void forEachReference(
        const QByteArray &bytes,
        const std::function<void(Reference, int index, qsizetype from, qsizetype to)> &found);
};
