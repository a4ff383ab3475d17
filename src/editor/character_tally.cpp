#include "editor/character_tally.h"

int CharacterTally::countIn(QStringView text)
{
    int count = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u <= 0x20) // the common case first: ASCII blanks and controls
            continue;
        if (u < 0x7F || (!c.isSpace() && !c.isLowSurrogate() && u != 0xFDD0 && u != 0xFDD1 &&
                         u != QChar::ObjectReplacementCharacter)) // a picture is no character
            ++count;
    }
    return count;
}

void CharacterTally::reset(const QString &text)
{
    m_text = text;
    m_count = countIn(m_text);
}

bool CharacterTally::apply(int position, int charsRemoved, const QString &inserted)
{
    if (position < 0 || charsRemoved < 0 || position + qsizetype(charsRemoved) > m_text.size())
        return false;
    m_count -= countIn(QStringView(m_text).mid(position, charsRemoved));
    m_count += countIn(inserted);
    m_text.replace(position, charsRemoved, inserted);
    return true;
}
