#include "rtf/rtf_span_writer.h"

#include "rtf/rtf_field_format.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_output.h"

#include <QTextFragment>

namespace {

constexpr QStringView kNoteOpen = u"〔注：";
constexpr QStringView kNoteClose = u"〕";

int noteOf(const QTextCharFormat &format)
{
    const int note = format.intProperty(RtfFormat::NoteId);
    return note > 0 ? note : 0;
}

} // namespace

QString RtfSpanWriter::enter(const QTextBlock::iterator &it)
{
    const QTextFragment fragment = it.fragment();
    const QTextCharFormat format = fragment.charFormat();
    const int note = noteOf(format);
    const QString field = rtfFieldOf(format);
    if (m_note != 0 && note != m_note)
        closeNote();
    if (note == 0) {
        if (field != m_field) {
            closeField();
            if (!field.isEmpty())
                openField(field);
        }
        return fragment.text();
    }
    if (m_note == 0) {
        closeField();
        openNote(it, note, format.boolProperty(RtfFormat::Endnote));
    }
    const QString text = fragment.text();
    const qsizetype from = qBound(qsizetype(0), m_keepFrom - m_notePos, text.size());
    const qsizetype to = qBound(qsizetype(0), m_keepTo - m_notePos, text.size());
    m_notePos += text.size();
    const QString kept = from < to ? text.mid(from, to - from) : QString();
    // The marks are no text of a field: a field written around nothing would not read back.
    if (field != m_field && !kept.isEmpty()) {
        closeField();
        if (!field.isEmpty())
            openField(field);
    }
    return kept;
}

void RtfSpanWriter::close()
{
    closeNote();
    closeField();
}

void RtfSpanWriter::openField(const QString &instruction)
{
    m_outsideField = m_styles->current();
    m_field = instruction;
    m_out->openGroup();
    m_out->word("field");
    m_out->openGroup();
    m_out->words("\\*\\fldinst");
    m_out->text(instruction);
    m_out->closeGroup();
    m_out->openGroup();
    m_out->word("fldrslt");
}

void RtfSpanWriter::openNote(const QTextBlock::iterator &it, int note, bool endnote)
{
    QString text;
    for (QTextBlock::iterator next = it; !next.atEnd(); ++next) {
        const QTextFragment fragment = next.fragment();
        if (noteOf(fragment.charFormat()) != note)
            break;
        text += fragment.text();
    }
    const bool marked = text.size() >= kNoteOpen.size() + kNoteClose.size() &&
                        text.startsWith(kNoteOpen) && text.endsWith(kNoteClose);
    m_keepFrom = marked ? kNoteOpen.size() : 0;
    m_keepTo = marked ? text.size() - kNoteClose.size() : text.size();
    m_notePos = 0;
    m_note = note;
    m_outsideNote = m_styles->current();

    m_out->openGroup();
    m_out->word("super");
    m_out->word("chftn");
    m_out->closeGroup();
    m_out->openGroup();
    m_out->word("footnote");
    if (endnote)
        m_out->word("ftnalt");
    m_out->word("pard");
    m_out->word("plain");
    m_out->openGroup();
    m_out->word("super");
    m_out->word("chftn");
    m_out->closeGroup();
    m_styles->setCurrent(RtfCharacterStyle()); // what \plain leaves
}

void RtfSpanWriter::closeField()
{
    if (m_field.isEmpty())
        return;
    m_out->closeGroup();
    m_out->closeGroup();
    m_field.clear();
    m_styles->setCurrent(m_outsideField);
}

void RtfSpanWriter::closeNote()
{
    if (m_note == 0)
        return;
    closeField();
    m_out->closeGroup();
    m_note = 0;
    m_styles->setCurrent(m_outsideNote);
}
