#include "editor/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString &settingsKey()
{
    static const QString key = QStringLiteral("editor/recentFiles");
    return key;
}

QString normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(QWidget *parent) : QMenu(QStringLiteral("最近的文件"), parent)
{
    setObjectName(QStringLiteral("recentFilesMenu"));
    menuAction()->setObjectName(QStringLiteral("recentFiles"));
    setToolTipsVisible(true);
    load();
    rebuild();
}

void RecentFiles::add(const QString &path)
{
    const QString file = normalised(path);
    // Another run may have changed the list since this one read it.
    load();
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > MaxFiles)
        m_files.removeLast();
    store();
    rebuild();
}

void RecentFiles::remove(const QString &path)
{
    load();
    m_files.removeAll(normalised(path));
    store();
    rebuild();
}

void RecentFiles::clearList()
{
    m_files.clear();
    store();
    rebuild();
}

void RecentFiles::load()
{
    QStringList files = QSettings().value(settingsKey()).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    m_files = files.mid(0, MaxFiles);
}

void RecentFiles::store()
{
    QSettings settings;
    settings.setValue(settingsKey(), m_files);
}

void RecentFiles::rebuild()
{
    clear();
    for (int i = 0; i < m_files.size(); ++i) {
        const QString path = m_files.at(i);
        // "&1 name" gives keyboard access; an ampersand in a name must not become one.
        QString name = QFileInfo(path).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction *action = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setObjectName(QStringLiteral("recentFile(%1)").arg(i));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    addSeparator();
    QAction *clearAction = addAction(QStringLiteral("清除列表"));
    clearAction->setObjectName(QStringLiteral("clearRecentFiles"));
    clearAction->setEnabled(!m_files.isEmpty());
    connect(clearAction, &QAction::triggered, this, &RecentFiles::clearList);
    menuAction()->setEnabled(true);
}
