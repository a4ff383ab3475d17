#pragma once

#include <QString>

class QDateTime;
class QLocale;
class QTextDocument;

// What "传送=>" appends to the editor: an empty line, the heading line with the sentence
// and the date and time, a line "简要说明：" and a line break to type the explanation after.
namespace TransferBlock {

// The local date and time to the second in the locale's own style (short date, time with
// seconds); exactly midnight shows the date alone.
QString dateTimeText(const QDateTime &when, const QLocale &locale);

// The block as the editor's plain text reads it (a paragraph break is one '\n').
QString text(const QString &headingLiteral, const QString &sentence, const QString &dateTime);

// Appends text (as built above) after the document's end in the document's default font
// and plain paragraphs, leaving everything before it as it was. One edit: one change
// notification. Returns the position after the block.
int appendTo(QTextDocument *doc, const QString &blockText);

} // namespace TransferBlock
