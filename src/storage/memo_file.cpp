#include "storage/memo_file.h"

#include "storage/line_file.h"

#include <QStringList>

namespace MemoFile {

QString fileName()
{
    return QStringLiteral("dllkvrc.kvr");
}

QString memoFromLines(const QStringList &lines)
{
    QString memo;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        memo += QStringLiteral("\r\n");
        memo += line;
    }
    return memo;
}

QByteArray bytesForMemo(const QString &memo)
{
    return LineFile::encodeText(memo) + QByteArrayLiteral("\r\n");
}

bool load(const QString &path, QString *memo, QString *error)
{
    QStringList lines;
    if (!LineFile::ensureAndRead(path, &lines, error))
        return false;
    *memo = memoFromLines(lines);
    return true;
}

bool save(const QString &path, const QString &memo, QString *error)
{
    return LineFile::writeAll(path, bytesForMemo(memo), error);
}

} // namespace MemoFile
