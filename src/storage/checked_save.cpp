#include "storage/checked_save.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace CheckedSave {

QString causeOf(const QString &path, QFileDevice::FileError error)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("同名的文件夹已存在");
    if (!target.absoluteDir().exists())
        return QStringLiteral("文件夹不存在");
    if (error == QFileDevice::ResourceError)
        return QStringLiteral("磁盘空间已满");
    if (error == QFileDevice::OpenError || error == QFileDevice::PermissionsError)
        return QStringLiteral("没有写入权限");
    return QStringLiteral("写入出错");
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(bytes) == bytes.size();
    // commit() would ignore a failing flush on Qt 6.4, so flush and check here first.
    ok = ok && file.flush() && file.error() == QFileDevice::NoError;
    if (!ok) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        if (reason)
            *reason = causeOf(path, error);
        return false;
    }
    if (!file.commit()) {
        if (reason)
            *reason = causeOf(path, file.error());
        return false;
    }
    return true;
}

} // namespace CheckedSave
