#include "app/single_instance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr quint32 requestMagic = 0x51564e31; // "QVN1"
constexpr char answerTaken = '\x06';

} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_name(serverName), m_server(new QLocalServer(this))
{
    // No socket options: with them Qt renames its socket over the name, replacing even a live
    // copy's. The runtime folder is the user's own (0700), which keeps others out.
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
    return folder + QStringLiteral("/" QUORVANE_APP_ID "-%1.socket").arg(user);
}

QString SingleInstance::lockPath(const QString &serverName)
{
    const QString socket = QDir::isAbsolutePath(serverName)
                               ? serverName
                               : QDir::tempPath() + QLatin1Char('/') + serverName;
    return socket + QStringLiteral(".lock");
}

SingleInstance::Outcome SingleInstance::start(const QString &file, int timeoutMs)
{
    const auto handedOver = [&](Sent sent) {
        return sent == Sent::Taken ? Outcome::HandedOff : Outcome::Unanswered;
    };
    Sent sent = send(file, timeoutMs);
    if (sent != Sent::NoServer)
        return handedOver(sent);
    // One start at a time from here to listening. Two starts that both found a crashed
    // copy's socket would otherwise each remove the other's new one and both run.
    QLockFile lock(lockPath(m_name));
    if (!lock.tryLock(timeoutMs))
        return Outcome::Unanswered;
    // The start that held the lock may be serving by now.
    sent = send(file, timeoutMs);
    if (sent != Sent::NoServer)
        return handedOver(sent);
    if (m_server->listen(m_name))
        return Outcome::Serving;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return Outcome::Alone;
    // Nobody answers on it and no start is making it: a crashed copy left it behind.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name) ? Outcome::Serving : Outcome::Alone;
}

QString SingleInstance::errorString() const
{
    return m_server->errorString();
}

SingleInstance::Sent SingleInstance::send(const QString &file, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return Sent::NoServer;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << requestMagic << file;
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return Sent::NoAnswer;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return Sent::NoAnswer;
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == answerTaken ? Sent::Taken : Sent::NoAnswer;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.startTransaction();
    quint32 magic = 0;
    QString file;
    in >> magic >> file;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    if (magic != requestMagic) {
        socket->abort();
        return;
    }
    socket->putChar(answerTaken);
    socket->flush();
    socket->disconnectFromServer();
    // The answer goes out first: opening may ask about unsaved changes in a modal box.
    QMetaObject::invokeMethod(
        this, [this, file] { emit fileRequested(file); }, Qt::QueuedConnection);
}
