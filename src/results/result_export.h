#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A result list as a text file for the user: UTF-8 without byte-order mark, one entry a
// line, each line ended by LF (what Linux editors, grep and the shell expect).
namespace ResultExport {

QByteArray encode(const QStringList &entries);

// Through the program's checked save: false, with a short Chinese message naming the
// file, when it cannot be written; an existing file then stays whole.
bool exportTo(const QString &path, const QStringList &entries, QString *error);

} // namespace ResultExport
