#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// The checked save for a file written in pieces, too big to build in memory first: every
// piece is flushed and checked as it goes, and the old file is replaced only by commit()
// after the last one. A failure, cancel() or destruction without commit() leave the old
// file as it was.
class StreamingSave
{
public:
    explicit StreamingSave(const QString &path);
    ~StreamingSave();
    Q_DISABLE_COPY_MOVE(StreamingSave)

    // Each false return carries a short Chinese cause ("磁盘空间已满") and has cancelled.
    bool open(QString *reason);
    bool write(const QByteArray &bytes, QString *reason);
    bool commit(QString *reason);
    void cancel();

    QString path() const { return m_path; }

private:
    bool fail(QString *reason);

    QString m_path;
    QSaveFile m_file;
    bool m_open = false;
};
