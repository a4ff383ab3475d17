#pragma once

#include <QMenu>
#include <QStringList>

// "最近的文件": the last eight documents opened or saved, newest first, kept between runs
// in the program's settings, with "清除列表". Choosing one asks for it to be opened.
class RecentFiles : public QMenu
{
    Q_OBJECT

public:
    static constexpr int MaxFiles = 8;

    explicit RecentFiles(QWidget *parent);
    Q_DISABLE_COPY_MOVE(RecentFiles)

    QStringList files() const { return m_files; }
    // To the top (or moved there); the ninth drops off.
    void add(const QString &path);
    void remove(const QString &path);
    void clearList();

signals:
    void openRequested(const QString &path);

private:
    void load();
    void store();
    void rebuild();

    QStringList m_files;
};
