#pragma once

#include <QString>

// The help page's memo between runs. Loading drops empty lines and starts every kept
// line with CR LF; saving writes the text unchanged plus one CR LF.
namespace MemoFile {

QString fileName(); // "dllkvrc.kvr"
QString memoFromLines(const QStringList &lines);
QByteArray bytesForMemo(const QString &memo);

bool load(const QString &path, QString *memo, QString *error);
bool save(const QString &path, const QString &memo, QString *error);

} // namespace MemoFile
