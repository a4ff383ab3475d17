#pragma once

#include <QString>
#include <QStringList>

// The program's text files: GB18030 (GBK's bytes for every GBK character), CR LF line
// ends, at most 2,001 lines read. A UTF-8 byte-order mark means UTF-8; a line ends at
// CR LF, CR or LF.
namespace LineFile {

constexpr int MaxLinesRead = 2001;

QStringList decodeLines(const QByteArray &bytes, int maxLines = MaxLinesRead);
QByteArray encodeLines(const QStringList &lines); // each line followed by CR LF
// GB18030 bytes, except that "€" is 0x80 as in code page 936, which the older program
// wrote; a 0x80 standing as a character of its own reads back as "€".
QByteArray encodeText(const QString &text);
QString decodeText(const QByteArray &bytes);

// Creates an empty file when none exists (the append-and-close idiom), then reads it.
// False, with error set to a short Chinese message naming the file, when it fails.
bool ensureAndRead(const QString &path, QStringList *lines, QString *error);
// Writes the whole file through CheckedSave: on failure the old file stays byte for byte
// and error names the file and the cause.
bool writeAll(const QString &path, const QByteArray &bytes, QString *error);

} // namespace LineFile
