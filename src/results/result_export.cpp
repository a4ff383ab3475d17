#include "results/result_export.h"

#include "storage/line_file.h"

namespace ResultExport {

QByteArray encode(const QStringList &entries)
{
    qsizetype size = 0;
    for (const QString &entry : entries)
        size += entry.size() * 3 + 1;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &entry : entries) {
        // An entry typed with a line break would otherwise become two entries.
        QString line = entry;
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

bool exportTo(const QString &path, const QStringList &entries, QString *error)
{
    return LineFile::writeAll(path, encode(entries), error);
}

} // namespace ResultExport
