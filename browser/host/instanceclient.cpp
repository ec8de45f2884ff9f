#include "instanceclient.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "browserhandover.h"
#include "instancepaths.h"
#include "ipcmessage.h"

namespace {
constexpr int ConnectRetryMs = 100;

// Waits for the socket to become readable or writable within the deadline.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int left = int(qMax<qint64>(0, deadline.remainingTime()));
        const int n = ::poll(&p, 1, left);
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}
} // namespace

InstanceClient::InstanceClient(const QString &zantorPath, int timeoutMs)
    : m_zantorPath(zantorPath)
    , m_serverName(InstancePaths::serverNameFor(zantorPath))
    , m_timeoutMs(timeoutMs)
{
}

int InstanceClient::connectOnce() const
{
    const QByteArray path = QFile::encodeName(m_serverName);
    sockaddr_un address{};
    if (path.size() >= int(sizeof(address.sun_path)))
        return -1;
    address.sun_family = AF_UNIX;
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool InstanceClient::startProgram() const
{
    if (!QFileInfo(m_zantorPath).isExecutable())
        return false;
    // The browser reads the host's standard output as its protocol: the
    // program started here must not write into it, nor hold it open.
    QProcess process;
    process.setProgram(m_zantorPath);
    process.setArguments({QStringLiteral("/bg")});
    process.setWorkingDirectory(QFileInfo(m_zantorPath).absolutePath());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

InstanceClient::Answer InstanceClient::send(const QString &message, bool startIfNeeded)
{
    Answer answer;
    const QDeadlineTimer deadline(m_timeoutMs);
    int fd = connectOnce();
    if (fd < 0 && startIfNeeded && startProgram()) {
        while (fd < 0 && deadline.remainingTime() > 0) {
            QThread::msleep(ConnectRetryMs);
            fd = connectOnce();
        }
    }
    if (fd < 0)
        return answer;

    const QByteArray bytes = message.toUtf8();
    qint64 written = 0;
    while (written < bytes.size()) {
        if (!waitFor(fd, POLLOUT, deadline))
            break;
        const ssize_t n = ::send(fd, bytes.constData() + written, size_t(bytes.size() - written), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    answer.delivered = written == bytes.size();

    // The instance answers with one frame and closes the connection.
    QByteArray reply;
    while (answer.delivered && reply.size() < 4096 && waitFor(fd, POLLIN, deadline)) {
        char buffer[1024];
        const ssize_t n = ::read(fd, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        reply.append(buffer, int(n));
    }
    ::close(fd);

    QStringList pieces;
    if (IpcMessage::parse(QString::fromUtf8(reply), &pieces) && pieces.size() >= 2
        && pieces.first() == BrowserHandOver::ReplyWord) {
        answer.ok = pieces.at(1) == QLatin1String("ok");
        answer.detail = pieces.value(2);
    } else {
        answer.detail = QStringLiteral("no-answer");
    }
    return answer;
}
