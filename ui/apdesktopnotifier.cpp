#include "apdesktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QStringList>
#include <QVariantMap>

Q_LOGGING_CATEGORY(lcNotify, "zantor.notify", QtWarningMsg)

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
constexpr int DefaultTimeout = -1;  // the service's own
} // namespace

ApDesktopNotifier::ApDesktopNotifier(const QString &applicationName, QObject *parent)
    : QObject(parent)
    , m_applicationName(applicationName)
{
}

bool ApDesktopNotifier::notify(const QString &summary, const QString &body, const QString &iconName)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCDebug(lcNotify) << "no session bus:" << summary;
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("category"), QStringLiteral("transfer.complete"));
    call << m_applicationName << uint(0) << iconName << summary << body.toHtmlEscaped() << QStringList()
         << hints << DefaultTimeout;
    // The answer (the notice's id) is of no use here; a missing service
    // must not hold up the window, so the call does not wait.
    call.setAutoStartService(true);
    if (!bus.send(call))
        return false;
    ++m_sent;
    qCDebug(lcNotify) << "notice sent:" << summary << body;
    return true;
}
