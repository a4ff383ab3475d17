#pragma once

#include "rtf/rtf_char_props.h"
#include "rtf/rtf_destination.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_picture.h"

#include <vector>

class QTextDocument;
class RtfObjectInserter;

// A group the editor cannot show, kept whole: in the text an object, shape or drawing,
// which becomes a placeholder of its size (a shape whose stand-in is a picture becomes that
// picture); at the document's level \info, headers and footers, kept on the document.
class RtfKeptGroupDestination : public RtfDestination
{
public:
    enum class Kind : unsigned char
    {
        Object,
        Shape,
        Drawing,
        DocumentPart
    };

    explicit RtfKeptGroupDestination(RtfObjectInserter *inserter) : m_inserter(inserter) {}

    void begin(Kind kind, RtfKeptGroup::Place place, const RtfGroupState &state);
    // A picture read inside the group: its stand-in, or at least its size.
    void pictureInside(const RtfPicture &picture);
    // The document parts read so far, onto the root frame.
    void storeOn(QTextDocument *doc) const;

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char, const RtfGroupState &) override {}
    void bytes(std::string_view, const RtfGroupState &) override {}
    void unicode(char16_t, const RtfGroupState &) override {}
    void end(std::string_view groupBytes) override;

private:
    // A document has a handful of parts; more is a file made to exhaust memory.
    static constexpr size_t kMaxDocumentParts = 1000;

    QSize shownTwips() const;

    RtfObjectInserter *m_inserter;
    Kind m_kind = Kind::Object;
    RtfKeptGroup::Place m_place = RtfKeptGroup::Place::Text;
    RtfRunProps m_props;
    int m_uc = 1;
    int m_objectWidth = 0;
    int m_objectHeight = 0;
    int m_drawingWidth = 0;
    int m_drawingHeight = 0;
    int m_shapeLeft = 0;
    int m_shapeRight = 0;
    int m_shapeTop = 0;
    int m_shapeBottom = 0;
    bool m_hasPicture = false;
    RtfPicture m_picture;
    std::vector<RtfKeptGroup> m_documentParts;
};
