#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running copy per user: two copies would write the same memo and libraries over each
// other. A later start hands its file to the running copy through a local socket and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Serving,    // this process is the running copy now
        HandedOff,  // the running copy took the request: end this start
        Unanswered, // a copy is there but did not answer: end this start, say so
        Alone,      // no socket could be made: run without one
    };

    // serverName: a full socket path, or a name placed in the temporary folder.
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // In the user's runtime folder, named after the application id and the user.
    static QString defaultServerName();
    // The lock that lets one start at a time take the name over.
    static QString lockPath(const QString &serverName);

    // file: absolute path for the editor, or empty to only bring the window to the front.
    Outcome start(const QString &file, int timeoutMs = 3000);
    QString errorString() const;

signals:
    // A later start asked for this file (empty: only come to the front).
    void fileRequested(const QString &file);

private:
    enum class Sent
    {
        Taken,
        NoServer,
        NoAnswer
    };
    Sent send(const QString &file, int timeoutMs) const;
    void acceptConnection();
    void readRequest(QLocalSocket *socket);

    QString m_name;
    QLocalServer *m_server = nullptr;
};
