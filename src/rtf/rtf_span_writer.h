#pragma once

#include "rtf/rtf_character_style.h"

#include <QString>
#include <QTextBlock>

class RtfOutput;

// The groups a paragraph's text stands in: each run of characters with one field
// instruction becomes a \field, each run of one note id a footnote, its 〔注： and 〕 left
// out. A note is the outer group: a field run inside it opens within the footnote and
// closes before it, and a field the note interrupts opens again after it.
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
    void closeField();
    void closeNote();

    RtfCharacterStyles *m_styles;
    RtfOutput *m_out;
    // The formatting that holds again after each group.
    RtfCharacterStyle m_outsideField;
    RtfCharacterStyle m_outsideNote;
    QString m_field;
    int m_note = 0;
    qsizetype m_notePos = 0; // where in the note's text the next fragment starts
    qsizetype m_keepFrom = 0;
    qsizetype m_keepTo = 0;
};
