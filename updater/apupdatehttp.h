#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QUrl>

#include <QAuthenticator>
class QNetworkAccessManager;
class QTimer;
#include <QNetworkReply>

// Fetches the update manifest into memory. Redirect statuses pass the
// status check like 200; they are not followed. A server that goes silent
// for the inactivity time-out, or a body larger than MaxBodyBytes, ends the
// request with an error like any other failure.
class ApUpdateHttp final : public QObject
{
    Q_OBJECT

public:
    explicit ApUpdateHttp(QObject *parent = nullptr);
    ~ApUpdateHttp() override;

    // Memory mode: the received bytes go into `target`, which is not owned.
    void setMemoryTarget(QByteArray *target);
    void get(const QUrl &url);
    void close();

    static constexpr int DefaultInactivityMs = 30000;
    static constexpr qint64 MaxBodyBytes = 1024 * 1024;
    void setInactivityTimeout(int ms);

    static bool isAcceptedStatus(int status);
    // The URL actually requested: the path only, no query.
    static QUrl requestUrl(const QUrl &url);

signals:
    void fileDownloadedToMemory();
    void fileDownloadedToDisk();
    void fileDownloadedProgress(int done, int total);
    void errorMessageSignal(QString &message);

public slots:
    void requestFinishedCallback(QNetworkReply *reply);
    void responseHeaderCallback();
    void authenticationRequiredCallback(QNetworkReply *reply, QAuthenticator *authenticator);
    void cancelDownload();
    void sslErrorsCallback(QNetworkReply *reply, const QList<QSslError> &errors);

private:
    Q_DISABLE_COPY(ApUpdateHttp)
    void activity();
    void fail(const QString &reason);

    QNetworkAccessManager *m_manager;
    QTimer *m_inactivity;
    QNetworkReply *m_reply = nullptr;
    QByteArray *m_target = nullptr;
    bool m_aborted = false;
    bool m_toMemory = false;
};
