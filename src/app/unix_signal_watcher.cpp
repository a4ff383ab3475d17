#include "app/unix_signal_watcher.h"

#include <QSocketNotifier>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler cannot reach an object; the pipe's write end is all it knows.
std::atomic<int> s_writeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch lock-free data");

void onSignal(int number)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    const int fd = s_writeFd.load(std::memory_order_relaxed);
    // A full pipe already holds enough to wake the loop; the byte may be dropped then.
    if (fd >= 0 && ::write(fd, &byte, 1) < 0) {
    }
    errno = savedErrno;
}

bool setFlags(int fd)
{
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0 &&
           ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0;
}

} // namespace

struct UnixSignalWatcher::Previous
{
    int number = 0;
    struct sigaction action = {};
};

UnixSignalWatcher::UnixSignalWatcher(const QList<int> &signalNumbers, QObject *parent)
    : QObject(parent)
{
    Q_ASSERT_X(s_writeFd.load() < 0, "UnixSignalWatcher", "one watcher at a time");
    int fds[2];
    if (::pipe(fds) != 0) {
        qWarning("UnixSignalWatcher: no pipe, signals keep their default action");
        return;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    setFlags(m_readFd);
    setFlags(m_writeFd);
    s_writeFd.store(m_writeFd);

    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readPipe);

    for (const int number : signalNumbers) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        Previous previous;
        previous.number = number;
        if (::sigaction(number, &action, &previous.action) == 0)
            m_previous.push_back(previous);
    }
}

UnixSignalWatcher::~UnixSignalWatcher()
{
    for (const Previous &previous : m_previous)
        ::sigaction(previous.number, &previous.action, nullptr);
    if (m_writeFd < 0)
        return;
    s_writeFd.store(-1);
    delete m_notifier;
    ::close(m_readFd);
    ::close(m_writeFd);
}

QList<int> UnixSignalWatcher::terminationSignals()
{
    return {SIGTERM, SIGHUP, SIGINT};
}

void UnixSignalWatcher::readPipe()
{
    unsigned char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(m_readFd, bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            emit signalReceived(bytes[i]);
    }
}

#else

// Elsewhere the system ends the program its own way; no signal is watched.
struct UnixSignalWatcher::Previous
{
};

UnixSignalWatcher::UnixSignalWatcher(const QList<int> &, QObject *parent) : QObject(parent) {}
UnixSignalWatcher::~UnixSignalWatcher() = default;
QList<int> UnixSignalWatcher::terminationSignals()
{
    return {};
}
void UnixSignalWatcher::readPipe() {}

#endif
