#pragma once

#include <QHash>
#include <QTextListFormat>
#include <string>
#include <vector>

class QTextBlock;
class RtfOutput;

// Lists as three kinds of reader see them: \listtable with \ls and \ilvl for Word and
// LibreOffice, {\*\pn ...} for WordPad, and the number as text ({\listtext ...}) for readers
// that know no lists. Each QTextList becomes a list of its own.
class RtfListWriter
{
public:
    // The words that make a paragraph a list item, right after its \pard: readers of the
    // old numbering let the paragraph's own indents that follow count.
    void writeNumbering(const QTextBlock &block, RtfOutput *out);
    // The number as text, after all paragraph words and before the paragraph's text.
    void writeNumberText(const QTextBlock &block, RtfOutput *out);
    // \listtable and \listoverridetable for the header; empty when no paragraph is an item.
    std::string tables() const;

    // The number or bullet that the block shows, as Word would write it.
    static QString itemText(const QTextBlock &block);

private:
    int numberFor(const QTextBlock &block);

    QHash<int, int> m_numbers; // a list's object index to its \ls
    std::vector<QTextListFormat> m_formats;
};
