#include "apupdatehttp.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

ApUpdateHttp::ApUpdateHttp(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_inactivity(new QTimer(this))
{
    m_inactivity->setSingleShot(true);
    m_inactivity->setInterval(DefaultInactivityMs);
    connect(m_inactivity, &QTimer::timeout, this, [this] { fail(tr("the server did not answer")); });
    connect(m_manager, &QNetworkAccessManager::finished, this, &ApUpdateHttp::requestFinishedCallback);
    connect(m_manager, &QNetworkAccessManager::authenticationRequired, this,
            &ApUpdateHttp::authenticationRequiredCallback);
    connect(m_manager, &QNetworkAccessManager::sslErrors, this, &ApUpdateHttp::sslErrorsCallback);
}

ApUpdateHttp::~ApUpdateHttp() = default;

void ApUpdateHttp::setInactivityTimeout(int ms)
{
    m_inactivity->setInterval(ms);
}

void ApUpdateHttp::activity()
{
    if (m_reply && !m_aborted)
        m_inactivity->start();
}

void ApUpdateHttp::fail(const QString &reason)
{
    if (!m_reply || m_aborted)
        return;
    m_aborted = true;
    m_inactivity->stop();
    QNetworkReply *reply = m_reply;
    QString message = tr("Download failed: %1.").arg(reason);
    // Aborted once the caller's own handling has returned.
    QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
    emit errorMessageSignal(message);
}

void ApUpdateHttp::setMemoryTarget(QByteArray *target)
{
    m_target = target;
    m_toMemory = true;
}

bool ApUpdateHttp::isAcceptedStatus(int status)
{
    return status == 200 || status == 301 || status == 302 || status == 303 || status == 307;
}

QUrl ApUpdateHttp::requestUrl(const QUrl &url)
{
    QUrl request;
    request.setScheme(url.scheme().toLower() == QLatin1String("https") ? QStringLiteral("https")
                                                                        : QStringLiteral("http"));
    request.setHost(url.host());
    if (url.port() != -1)
        request.setPort(url.port());
    if (!url.userName().isEmpty()) {
        request.setUserName(url.userName());
        request.setPassword(url.password());
    }
    request.setPath(url.path().isEmpty() ? QStringLiteral("/") : url.path());
    return request;
}

void ApUpdateHttp::get(const QUrl &url)
{
    m_aborted = false;
    QNetworkRequest request(requestUrl(url));
    // Redirects are reported as statuses, not followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &ApUpdateHttp::responseHeaderCallback);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        activity();
        if (received > MaxBodyBytes || total > MaxBodyBytes)
            fail(tr("the manifest is too large"));
    });
    activity();
}

void ApUpdateHttp::close()
{
    m_inactivity->stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
}

void ApUpdateHttp::responseHeaderCallback()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || reply != m_reply || m_aborted)
        return;
    activity();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || isAcceptedStatus(status.toInt()))
        return;
    m_aborted = true;
    m_inactivity->stop();
    QString message = tr("Request failed: %1")
                          .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    // Aborted once this callback has returned: the network layer is still
    // inside its own handling of the response.
    QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
    emit errorMessageSignal(message);
}

void ApUpdateHttp::requestFinishedCallback(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return;
    m_inactivity->stop();
    m_reply = nullptr;
    if (m_aborted)
        return;
    // A status outside the accepted set can reach here without a header
    // callback (an empty body); check once more.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && !isAcceptedStatus(status.toInt())) {
        m_aborted = true;
        QString message = tr("Request failed: %1")
                              .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
        emit errorMessageSignal(message);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        QString message = tr("Download failed: %1.").arg(reply->errorString());
        emit errorMessageSignal(message);
        return;
    }
    const QByteArray body = reply->read(MaxBodyBytes + 1);
    if (body.size() > MaxBodyBytes) {
        QString message = tr("Download failed: %1.").arg(tr("the manifest is too large"));
        emit errorMessageSignal(message);
        return;
    }
    if (m_toMemory && m_target)
        *m_target = body;
    emit fileDownloadedToMemory();
}

void ApUpdateHttp::authenticationRequiredCallback(QNetworkReply *, QAuthenticator *)
{
    // Credentials come only from the URL; nothing is asked.
}

void ApUpdateHttp::cancelDownload()
{
    m_aborted = true;
    close();
}

void ApUpdateHttp::sslErrorsCallback(QNetworkReply *, const QList<QSslError> &)
{
    // Certificate errors are not ignored: the request fails and reports.
}
