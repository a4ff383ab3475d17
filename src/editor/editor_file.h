#pragma once

#include <QString>

class QByteArray;
class QTextDocument;

// The editor's documents on disk: RTF written whole through CheckedSave; read as RTF, or as
// plain text (GB18030, or UTF-8 with a byte-order mark) when the file is not RTF.
namespace EditorFile {

bool looksLikeRtf(const QByteArray &bytes);
// False, with a short Chinese message naming the file, when it cannot be read; into is
// left alone then.
bool load(const QString &path, QTextDocument *into, QString *error);
// False, with such a message, when it cannot be written; an existing file stays whole.
bool save(const QString &path, const QTextDocument &doc, QString *error);

} // namespace EditorFile
