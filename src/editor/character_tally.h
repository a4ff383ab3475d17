#pragma once

#include <QString>

// The number of characters other than white space in a text that changes piece by
// piece: each change costs in proportion to its own size, not the text's. Keeps a copy of
// the text to know what a change removed.
class CharacterTally
{
public:
    // Paragraph breaks and the document's frame marks are not characters of the text.
    static int countIn(QStringView text);

    void reset(const QString &text);
    // False, and nothing changed, when the range does not fit the text held; reset then.
    bool apply(int position, int charsRemoved, const QString &inserted);

    int count() const { return m_count; }
    qsizetype length() const { return m_text.size(); }

private:
    QString m_text;
    int m_count = 0;
};
