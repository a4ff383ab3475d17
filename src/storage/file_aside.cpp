#include "storage/file_aside.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace FileAside {

QString keepAside(const QString &path)
{
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target;
    for (int n = 0; target.isEmpty() || QFileInfo::exists(target); ++n) {
        target =
            info.dir().filePath(info.completeBaseName() + u'-' + stamp +
                                (n ? u'-' + QString::number(n) : QString()) + u'.' + info.suffix());
    }
    return QDir().rename(path, target) ? target : path;
}

} // namespace FileAside
