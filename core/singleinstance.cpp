#include "singleinstance.h"

#include "instancepaths.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int ConnectRetryMs = 50;
} // namespace

SingleInstance::SingleInstance(const QString &executablePath)
    : m_serverName(serverNameFor(executablePath))
    , m_markerPath(markerPathFor(executablePath))
{
}

SingleInstance::~SingleInstance()
{
    // Closing the descriptor releases the lock; the file stays for the next
    // start (removing it could race with one that is opening it).
    if (m_markerFd >= 0)
        ::close(m_markerFd);
}

QString SingleInstance::markerKey(const QString &executablePath)
{
    return InstancePaths::markerKey(executablePath);
}

QString SingleInstance::runtimeFolder()
{
    return InstancePaths::runtimeFolder();
}

QString SingleInstance::serverNameFor(const QString &executablePath)
{
    return InstancePaths::serverNameFor(executablePath);
}

QString SingleInstance::markerPathFor(const QString &executablePath)
{
    return InstancePaths::markerPathFor(executablePath);
}

bool SingleInstance::claim()
{
    if (m_markerFd >= 0)
        return m_first;
    const int fd = ::open(QFile::encodeName(m_markerPath).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        // Without a usable marker the program would never start at all;
        // run unguarded instead.
        qWarning() << "Instance marker unavailable:" << m_markerPath << ::strerror(errno);
        return m_first = true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return m_first = false;
        qWarning() << "Instance marker cannot be locked:" << m_markerPath << ::strerror(error);
        return m_first = true;
    }
    m_markerFd = fd;
    // The lock is ours, so a socket file under the endpoint name is a
    // leftover of an owner that was killed.
    QLocalServer::removeServer(m_serverName);
    return m_first = true;
}

bool SingleInstance::listen(QLocalServer *server, const QString &serverName)
{
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (server->listen(serverName))
        return true;
    // The marker is ours, so a socket file under this name is a leftover.
    QLocalServer::removeServer(serverName);
    if (server->listen(serverName))
        return true;
    qWarning() << "Instance endpoint cannot listen:" << server->errorString();
    return false;
}

bool SingleInstance::sendMessage(const QString &serverName, const QString &message, int connectTimeoutMs,
                                 int closeTimeoutMs)
{
    QLocalSocket socket;
    const QDeadlineTimer connectDeadline(connectTimeoutMs);
    for (;;) {
        socket.connectToServer(serverName, QIODevice::ReadWrite);
        if (socket.waitForConnected(int(connectDeadline.remainingTime())))
            break;
        const QLocalSocket::LocalSocketError error = socket.error();
        socket.abort();
        // The running instance may still be starting and not listen yet.
        const bool notYet = error == QLocalSocket::ServerNotFoundError
            || error == QLocalSocket::ConnectionRefusedError;
        if (!notYet || connectDeadline.remainingTime() <= ConnectRetryMs)
            return false;
        QThread::msleep(ConnectRetryMs);
    }

    const QDeadlineTimer closeDeadline(closeTimeoutMs);
    socket.write(message.toUtf8());
    bool written = true;
    while (written && socket.bytesToWrite() > 0)
        written = socket.waitForBytesWritten(int(closeDeadline.remainingTime()));
    if (written && socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(int(closeDeadline.remainingTime()));
    return written;
}
