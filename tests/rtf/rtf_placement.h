#pragma once

// Shared by the field and note tests: a document's text with the field, link and note
// each run stands in, to compare a reading with the reading of what the writer made.

#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace rtftest {

// "a<href=u field=HYPERLINK "u">b</>|c" with "|" between paragraphs; a note's runs show
// as <note>, bold as <b>.
inline QString placement(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out += u'|';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QStringList tags;
            if (format.isAnchor())
                tags << QStringLiteral("href=") + format.anchorHref();
            const QString field = format.stringProperty(RtfFormat::FieldInstruction);
            if (!field.isEmpty())
                tags << QStringLiteral("field=") + field;
            if (format.intProperty(RtfFormat::NoteId) > 0)
                tags << (format.boolProperty(RtfFormat::Endnote) ? QStringLiteral("endnote")
                                                                 : QStringLiteral("note"));
            if (format.fontWeight() >= QFont::DemiBold)
                tags << QStringLiteral("b");
            if (tags.isEmpty())
                out += it.fragment().text();
            else
                out += u'<' + tags.join(u' ') + u'>' + it.fragment().text() + QStringLiteral("</>");
        }
    }
    return out;
}

inline QString readPlacement(const QByteArray &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return placement(doc);
}

// The reading of what the writer makes of the reading of rtf.
inline QString rereadPlacement(const QByteArray &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return readPlacement(writeRtf(doc));
}

} // namespace rtftest
