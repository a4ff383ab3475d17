#include "storage/data_directory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace DataDirectory {

QString basePath()
{
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return QString();
    return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(length))) + u'/';
#else
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return QString();
    return data + QStringLiteral("/quorvane/");
#endif
}

QString path()
{
    return basePath() + QStringLiteral("sysh");
}

QString filePath(const QString &fileName)
{
    return path() + u'/' + fileName;
}

bool ensureExists(QString *error)
{
    const QString dir = path();
    if (QFileInfo(dir).isDir())
        return true;
    if (QDir().mkpath(dir))
        return true;
    if (error)
        *error = QStringLiteral("无法创建数据目录：%1").arg(QDir::toNativeSeparators(dir));
    return false;
}

} // namespace DataDirectory
