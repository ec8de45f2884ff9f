#pragma once

#include <QObject>
#include <QString>

// Sends notices to the desktop's own notification service
// (org.freedesktop.Notifications on the session bus), which shows them
// even when every window of the program is hidden. Without a session bus
// or a service nothing is shown and nothing fails.
class ApDesktopNotifier final : public QObject
{
    Q_OBJECT
public:
    explicit ApDesktopNotifier(const QString &applicationName, QObject *parent = nullptr);

    // Queues the notice; false when no session bus is reachable. The body
    // is plain text (escaped for services that read markup).
    bool notify(const QString &summary, const QString &body, const QString &iconName = QString());

    int sentCount() const { return m_sent; }

private:
    Q_DISABLE_COPY(ApDesktopNotifier)
    QString m_applicationName;
    int m_sent = 0;
};
