#pragma once

#include <QByteArray>
#include <QSet>
#include <QSize>
#include <QString>

class QTextDocument;
class RtfColorTable;
class RtfDocumentBuilder;
class RtfFontTable;
struct RtfKeptGroup;
struct RtfPicture;
struct RtfRunProps;

// Puts pictures and kept groups into the document being read: a picture as an image whose
// resource holds its encoded bytes (decoded only when shown), anything the editor cannot
// show as a grey placeholder of its size that carries the group for the writer.
class RtfObjectInserter
{
public:
    RtfObjectInserter(QTextDocument *doc, RtfDocumentBuilder *builder, const RtfFontTable &fonts,
                      const RtfColorTable &colors)
        : m_doc(doc), m_builder(builder), m_fonts(fonts), m_colors(colors)
    {
    }

    // A picture that has no bytes an image reader could take is kept as its group.
    void insertPicture(const RtfPicture &picture, const QByteArray &groupBytes, int uc,
                       const RtfRunProps &props);
    void insertKept(RtfKeptGroup group, const QSize &twips, const RtfRunProps &props);
    // Fonts and colours of the file the kept group refers to, for renumbering at write.
    void addReferences(RtfKeptGroup *group) const;

private:
    QTextDocument *m_doc;
    RtfDocumentBuilder *m_builder;
    const RtfFontTable &m_fonts;
    const RtfColorTable &m_colors;
    QSet<QString> m_names;
    bool m_placeholderAdded = false;
};
