#pragma once

#include "rtf/rtf_destination.h"

#include <QStringView>

class RtfBodyDestination;
class RtfDocumentBuilder;

// \footnote: the note's text stands inline where its mark is, between 〔注： and 〕. Every
// character of a note, its marks too, carries the note's id, and inside a note there is
// only text and character formatting: breaks become spaces, a note inside joins it, and
// what the parser opens inside other than the note itself is skipped. The note ends with
// the group whose state gave it its id, whatever destinations the groups inside chose. The writer
// makes each run of one id a footnote again, so a note reads back as it was.
class RtfNoteDestination : public RtfDestination
{
public:
    RtfNoteDestination(RtfBodyDestination *body, RtfDocumentBuilder *builder)
        : m_body(body), m_builder(builder)
    {
    }

    // \footnote in body text: the group becomes a note of its own.
    void start(RtfGroupState &state);
    // \ftnalt: an endnote, when the note has no text yet.
    void markEndnote(RtfGroupState &state);
    // The group that started the note has closed, or the file has ended inside it.
    void finish();

    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char symbol, const RtfGroupState &state) override;
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;

private:
    // The opening mark waits for the note's first text, so that \ftnalt after \footnote
    // still decides the kind of note the mark belongs to.
    void openMark();
    // In the note's own paragraph, whatever table the text inside last went to.
    void appendMark(QStringView mark);

    RtfBodyDestination *m_body;
    RtfDocumentBuilder *m_builder;
    int m_lastId = 0;
    int m_id = 0;
    bool m_endnote = false;
    bool m_markPending = false;
    // The table depth of the paragraph the note stands in; its marks go there too.
    int m_depth = 0;
};
