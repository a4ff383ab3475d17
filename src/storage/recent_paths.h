#pragma once

#include <QString>
#include <QStringList>

// A short list of files used lately, newest first, kept between runs in the program's
// settings under one key. Reads the settings each time: another run may have changed them.
class RecentPaths
{
public:
    RecentPaths(const QString &settingsKey, int maxPaths);

    QStringList paths() const;
    // To the top (or moved there); the oldest beyond the limit drops off.
    void add(const QString &path);
    void remove(const QString &path);

private:
    void store(const QStringList &paths) const;

    QString m_key;
    int m_max;
};
