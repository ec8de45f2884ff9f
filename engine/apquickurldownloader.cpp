#include "apquickurldownloader.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

ApQuickUrlDownloader::ApQuickUrlDownloader(QObject *parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
}

ApQuickUrlDownloader::~ApQuickUrlDownloader()
{
    abort();
}

void ApQuickUrlDownloader::download(const QUrl &url, const QString &savePath, qint64 id,
                                    const QByteArray &userAgent, const QByteArray &referer)
{
    abort();
    m_id = id;
    m_file = new QFile(savePath);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        delete m_file;
        m_file = nullptr;
        emit downloadFailed(id, tr("Failed to open file"));
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(2);
    if (!userAgent.isEmpty())
        request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);
    if (!referer.isEmpty())
        request.setRawHeader("Referer", referer);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (m_file && m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() < 300)
            m_file->write(m_reply->readAll());
    });
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) { emit downloadProgress(m_id, received, total); });
    connect(m_reply, &QNetworkReply::finished, this, &ApQuickUrlDownloader::finished);
}

void ApQuickUrlDownloader::abort()
{
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    if (m_file) {
        m_file->close();
        delete m_file;
        m_file = nullptr;
    }
}

void ApQuickUrlDownloader::finished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (m_file)
        m_file->write(reply->readAll());
    const bool ok = reply->error() == QNetworkReply::NoError;
    if (m_file) {
        m_file->close();
        delete m_file;
        m_file = nullptr;
    }
    reply->deleteLater();
    if (ok)
        emit downloadFinished(m_id);
    else
        emit downloadFailed(m_id, tr("Request failed"));
}
