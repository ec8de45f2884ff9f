#include "apftpsessionlimits.h"

#include <QMutexLocker>
#include <QUrl>

QString ApFtpSessionLimits::hostKey(const QString &url)
{
    const QUrl u = QUrl::fromEncoded(url.toUtf8());
    return u.host(QUrl::FullyEncoded).toLower() + QLatin1Char(':') + QString::number(u.port(21));
}

void ApFtpSessionLimits::opened(const QString &host)
{
    QMutexLocker lock(&m_lock);
    Host &h = m_hosts[host];
    ++h.open;
    h.accepted = true;
    if (h.refusedOnce && h.open > h.limit)
        h.limit = h.open;
}

void ApFtpSessionLimits::closed(const QString &host)
{
    QMutexLocker lock(&m_lock);
    auto it = m_hosts.find(host);
    if (it != m_hosts.end() && it->open > 0)
        --it->open;
}

void ApFtpSessionLimits::refused(const QString &host)
{
    QMutexLocker lock(&m_lock);
    Host &h = m_hosts[host];
    // The number is the most sessions open at once since the server first
    // refused one: a refusal never lowers it (the server may still count
    // a session just ended), and with none open it waits for the next.
    h.refusedOnce = true;
    h.limit = qMax(h.limit, h.open);
}

bool ApFtpSessionLimits::accepted(const QString &host) const
{
    QMutexLocker lock(&m_lock);
    return m_hosts.value(host).accepted;
}

int ApFtpSessionLimits::limit(const QString &host) const
{
    QMutexLocker lock(&m_lock);
    return m_hosts.value(host).limit;
}

int ApFtpSessionLimits::room(const QString &host, int wanted) const
{
    QMutexLocker lock(&m_lock);
    const Host h = m_hosts.value(host);
    if (h.limit <= 0)
        return wanted;
    return qBound(0, h.limit - h.open, wanted);
}
