#include "sessioncontrol.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>

#include <unistd.h>

namespace {

const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");

std::unique_ptr<SessionBackend> &currentBackend()
{
    static std::unique_ptr<SessionBackend> backend = std::make_unique<LogindSessionBackend>();
    return backend;
}

} // namespace

bool LogindSessionBackend::powerOff()
{
    QDBusInterface manager(kLogindService, kLogindPath, kManagerInterface, QDBusConnection::systemBus());
    if (!manager.isValid())
        return false;
    const QDBusMessage reply = manager.call(QStringLiteral("PowerOff"), false);
    return reply.type() != QDBusMessage::ErrorMessage;
}

bool LogindSessionBackend::logOff()
{
    QDBusInterface manager(kLogindService, kLogindPath, kManagerInterface, QDBusConnection::systemBus());
    if (!manager.isValid())
        return false;
    const QString sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    if (!sessionId.isEmpty()) {
        const QDBusMessage reply = manager.call(QStringLiteral("TerminateSession"), sessionId);
        return reply.type() != QDBusMessage::ErrorMessage;
    }
    const QDBusReply<QDBusObjectPath> path =
        manager.call(QStringLiteral("GetSessionByPID"), quint32(::getpid()));
    if (!path.isValid())
        return false;
    QDBusInterface session(kLogindService, path.value().path(), kSessionInterface, QDBusConnection::systemBus());
    const QDBusMessage reply = session.call(QStringLiteral("Terminate"));
    return reply.type() != QDBusMessage::ErrorMessage;
}

namespace SessionControl {

std::unique_ptr<SessionBackend> setBackend(std::unique_ptr<SessionBackend> backend)
{
    std::unique_ptr<SessionBackend> previous = std::move(currentBackend());
    currentBackend() = std::move(backend);
    return previous;
}

SessionBackend &backend() { return *currentBackend(); }

void shutDown() { backend().powerOff(); }
void logOff() { backend().logOff(); }

} // namespace SessionControl
