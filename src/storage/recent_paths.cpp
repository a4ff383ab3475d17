#include "storage/recent_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
QString normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

RecentPaths::RecentPaths(const QString &settingsKey, int maxPaths)
    : m_key(settingsKey), m_max(maxPaths)
{
}

QStringList RecentPaths::paths() const
{
    QStringList paths = QSettings().value(m_key).toStringList();
    paths.removeAll(QString());
    paths.removeDuplicates();
    return paths.mid(0, m_max);
}

void RecentPaths::add(const QString &path)
{
    const QString file = normalised(path);
    QStringList list = paths();
    list.removeAll(file);
    list.prepend(file);
    store(list.mid(0, m_max));
}

void RecentPaths::remove(const QString &path)
{
    QStringList list = paths();
    list.removeAll(normalised(path));
    store(list);
}

void RecentPaths::store(const QStringList &paths) const
{
    QSettings settings;
    settings.setValue(m_key, paths);
}
