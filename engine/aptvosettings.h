#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

// Values every task and connection reads: one copy taken under the lock, so
// a connection sees a consistent proxy even while the settings are re-read.
struct ApTvoSettingsValues
{
    QByteArray userAgent;
    int proxyType = 0;      // 0 none, 1 SOCKS5, 2 HTTP
    QString proxyHost;
    int proxyPort = 3128;
    QString proxyUser;
    QString proxyPassword;
    int splitBound = 4;
    qint64 splitThreshold = 2097152;
    int sliceCount = 200;
    int retryCount = 3;
    qint64 previewThreshold = 1258291;
    // A connection that receives nothing for this long is dropped and its
    // range goes to another one.
    int stallSeconds = 60;
    // PEM file of the certificate authorities HTTPS servers are verified
    // against; empty: the system's. Verification is never switched off.
    QString caFile;
};

// The manager's settings block, shared by all task threads. Updated in place
// so that running tasks use new values on their next connection.
class ApTvoSettings final
{
public:
    ApTvoSettings() = default;

    ApTvoSettingsValues values() const
    {
        QMutexLocker lock(&m_lock);
        return m_values;
    }

    template<typename Change>
    void update(Change change)
    {
        QMutexLocker lock(&m_lock);
        change(m_values);
    }

private:
    Q_DISABLE_COPY(ApTvoSettings)
    mutable QMutex m_lock;
    ApTvoSettingsValues m_values;
};
