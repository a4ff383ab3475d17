#pragma once

#include <QString>
#include <QStringView>

class QTextCharFormat;

// Fields as character formats: the instruction is kept on the result's characters, and a
// HYPERLINK field is also a link the way Qt's own HTML import makes one (anchor, href).

// The link a HYPERLINK instruction points to ("url", with "#anchor" for \l); a null
// string for any other instruction.
QString rtfHyperlinkTarget(QStringView instruction);

// The instruction that makes a link to href.
QString rtfHyperlinkInstruction(const QString &href);

// Keeps instruction on format; a hyperlink with a target becomes a link.
void rtfSetField(QTextCharFormat *format, const QString &instruction);

// The instruction to write for format, empty for none: a link the editor made or changed
// is written as its own HYPERLINK field, and a hyperlink that is no link any more is
// none.
QString rtfFieldOf(const QTextCharFormat &format);
