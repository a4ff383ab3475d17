#pragma once

#include "rtf/rtf_character_style.h"

#include <QString>
#include <QTextBlock>

class RtfOutput;

// The groups a paragraph's text stands in: each run of characters with one field
// instruction becomes a \field, each run of one note id a footnote, its 〔注： and 〕 left
// out. Notes hold no fields, so at most one group is open at a time.
class RtfSpanWriter
{
public:
    RtfSpanWriter(RtfCharacterStyles *styles, RtfOutput *out) : m_styles(styles), m_out(out) {}

    // Before the fragment at it: closes and opens groups; returns the part of its text to
    // write.
    QString enter(const QTextBlock::iterator &it);
    // At the end of the paragraph.
    void close();

private:
    void openField(const QString &instruction);
    void openNote(const QTextBlock::iterator &it, int note, bool endnote);
    void closeGroup();

    RtfCharacterStyles *m_styles;
    RtfOutput *m_out;
    RtfCharacterStyle m_outside; // the formatting that holds again after the group
    QString m_field;
    int m_note = 0;
    qsizetype m_notePos = 0; // where in the note's text the next fragment starts
    qsizetype m_keepFrom = 0;
    qsizetype m_keepTo = 0;
};
