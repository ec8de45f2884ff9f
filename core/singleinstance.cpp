#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSharedMemory>
#include <QThread>

#include <unistd.h>

namespace {
constexpr int MarkerSize = 4;
constexpr int ConnectRetryMs = 50;
} // namespace

SingleInstance::SingleInstance(const QString &executablePath)
    : m_serverName(serverNameFor(executablePath))
    , m_marker(std::make_unique<QSharedMemory>(markerKey(executablePath)))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::markerKey(const QString &executablePath)
{
    return executablePath + QStringLiteral("|uid=") + QString::number(::getuid());
}

QString SingleInstance::serverNameFor(const QString &executablePath)
{
    const QByteArray hash =
        QCryptographicHash::hash(markerKey(executablePath).toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("zantor-") + QString::fromLatin1(hash);
}

bool SingleInstance::create()
{
    return m_marker->create(MarkerSize, QSharedMemory::ReadWrite);
}

bool SingleInstance::claim()
{
    if (create())
        return m_first = true;
    if (m_marker->error() != QSharedMemory::AlreadyExists) {
        // Without a usable marker the program would never start at all;
        // run unguarded instead.
        qWarning() << "Instance marker unavailable:" << m_marker->errorString();
        return m_first = true;
    }

    // A live owner stays attached to its segment until it ends. After a
    // kill the segment survives with nobody attached, and detaching as the
    // last user removes it, so only a stale marker goes away here.
    if (m_marker->attach(QSharedMemory::ReadOnly))
        m_marker->detach();
    if (!create())
        return m_first = false;
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
