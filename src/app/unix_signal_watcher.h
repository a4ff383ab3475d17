#pragma once

#include <QList>
#include <QObject>
#include <vector>

class QSocketNotifier;

// Unix signals turned into a Qt signal that the event loop delivers. The handler only writes
// the signal's number into a pipe, all a handler may safely do; the event loop reads it from
// there. One watcher at a time; the old handlers come back when it goes.
class UnixSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignalWatcher(const QList<int> &signalNumbers, QObject *parent = nullptr);
    ~UnixSignalWatcher() override;
    Q_DISABLE_COPY_MOVE(UnixSignalWatcher)

    // Logout (SIGHUP), kill (SIGTERM) and Ctrl+C (SIGINT).
    static QList<int> terminationSignals();

signals:
    void signalReceived(int signalNumber);

private:
    void readPipe();

    struct Previous; // a signal and the action it had before
    std::vector<Previous> m_previous;
    int m_readFd = -1;
    int m_writeFd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
