#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QUrl>

#include <QAuthenticator>
class QNetworkAccessManager;
#include <QNetworkReply>

// Fetches the update manifest into memory. Redirect statuses pass the
// status check like 200; they are not followed.
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

    QNetworkAccessManager *m_manager;
    QNetworkReply *m_reply = nullptr;
    QByteArray *m_target = nullptr;
    bool m_aborted = false;
    bool m_toMemory = false;
};
