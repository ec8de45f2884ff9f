#include "apquickurldownloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <cerrno>

#include "browserhandover.h"
#include "failurereason.h"

namespace {

// With an admission, data is taken in pieces of this size, and the reply
// buffers no more than this before the server is held back.
constexpr qint64 AdmittedPiece = 64 * 1024;
constexpr int HoldRetryMs = 10;

bool isRedirectStatus(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

ApQuickUrlDownloader::ApQuickUrlDownloader(QObject *parent)
    : ApQuickUrlDownloader(0, parent)
{
}

ApQuickUrlDownloader::ApQuickUrlDownloader(qint64 downloadId, QObject *parent)
    : QObject(parent)
    , m_id(downloadId)
    , m_manager(new QNetworkAccessManager(this))
    , m_holdTimer(new QTimer(this))
{
    m_holdTimer->setSingleShot(true);
    m_holdTimer->setInterval(HoldRetryMs);
    connect(m_holdTimer, &QTimer::timeout, this, &ApQuickUrlDownloader::resumeHeld);
}

void ApQuickUrlDownloader::setAdmission(Admission admission)
{
    m_admission = std::move(admission);
}

ApQuickUrlDownloader::~ApQuickUrlDownloader()
{
    abort();
}

void ApQuickUrlDownloader::setProxy(const QNetworkProxy &proxy)
{
    m_manager->setProxy(proxy);
}

void ApQuickUrlDownloader::setCookieJar(QNetworkCookieJar *jar)
{
    m_manager->setCookieJar(jar);
}

QString ApQuickUrlDownloader::requestFailedText()
{
    return tr("Request failed");
}

QString ApQuickUrlDownloader::openFailedText()
{
    return tr("Failed to open file");
}

QString ApQuickUrlDownloader::writeFailedText()
{
    return tr("Failed to write file");
}

bool ApQuickUrlDownloader::isFetchableUrl(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp"));
}

void ApQuickUrlDownloader::download(const QUrl &url, const QString &savePath, qint64 id, const QByteArray &userAgent,
                                    const QByteArray &referer)
{
    abort();
    m_id = id;
    m_userAgent = userAgent;
    m_referer = referer;
    begin(url, savePath, false);
}

void ApQuickUrlDownloader::setCookies(const QByteArray &cookies, const QString &origin)
{
    m_cookies = cookies;
    m_cookieOrigin = origin;
}

bool ApQuickUrlDownloader::start(const QString &urlText, const QString &savePath, bool createFolders)
{
    abort();
    m_userAgent.clear();
    m_referer.clear();
    m_cookies.clear();
    m_cookieOrigin.clear();
    return begin(QUrl::fromEncoded(urlText.trimmed().toLocal8Bit()), savePath, createFolders);
}

bool ApQuickUrlDownloader::begin(const QUrl &url, const QString &savePath, bool createFolders)
{
    m_finished = false;
    m_redirects = 0;
    m_written = 0;
    m_total = -1;
    m_errorDetail.clear();
    m_failureReason.clear();
    m_savePath = savePath;

    if (!isFetchableUrl(url)) {
        m_errorDetail = QStringLiteral("not an http, https or ftp address: ") + url.toDisplayString();
        fail(requestFailedText());
        return false;
    }
    if (createFolders) {
        const QString folder = QFileInfo(savePath).absolutePath();
        if (!QDir(folder).exists())
            QDir().mkpath(folder);
    }
    closeFile();
    // The file is opened (created or truncated) only when the first byte of
    // a successful response arrives: a download that fails before leaves
    // nothing behind, and an earlier file of the same name stays untouched.
    // A target that cannot be written is refused at once, though.
    const QFileInfo target(savePath);
    if (target.isDir() || (target.exists() && !target.isWritable())
        || (!target.exists() && !QFileInfo(target.absolutePath()).isWritable())) {
        m_errorDetail = QStringLiteral("cannot write ") + savePath;
        m_failureReason = FailureReason::disk(target.isDir() ? EISDIR : EACCES);
        fail(openFailedText());
        return false;
    }
    sendRequest(url);
    return true;
}

void ApQuickUrlDownloader::sendRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    // Redirects are followed here, so that they can be counted and their
    // bodies kept out of the file.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!m_userAgent.isEmpty())
        request.setRawHeader("User-Agent", m_userAgent);
    if (!m_referer.isEmpty())
        request.setRawHeader("Referer", m_referer);
    m_replyFinished = false;
    if (!m_cookies.isEmpty() && BrowserHandOver::sendsCookiesTo(m_cookieOrigin, url))
        request.setRawHeader("Cookie", m_cookies);
    m_reply = m_manager->get(request);
    if (m_admission)
        m_reply->setReadBufferSize(AdmittedPiece);
    connect(m_reply, &QNetworkReply::readyRead, this, &ApQuickUrlDownloader::onReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &ApQuickUrlDownloader::onProgress);
    connect(m_reply, &QNetworkReply::finished, this, &ApQuickUrlDownloader::onFinished);
}

// Only a successful final response carries the file; redirect and error
// bodies are read and dropped.
bool ApQuickUrlDownloader::isFinalResponse() const
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return m_reply->error() == QNetworkReply::NoError;  // ftp
    const int code = status.toInt();
    return code >= 200 && code < 300;
}

bool ApQuickUrlDownloader::openFile()
{
    if (m_file)
        return true;
    m_created = !QFileInfo::exists(m_savePath);
    // Truncated: a longer file of the same name must not keep its tail
    // behind the new data.
    m_file = new QFile(m_savePath, this);
    if (m_file->open(QIODevice::ReadWrite | QIODevice::Truncate))
        return true;
    m_errorDetail = m_file->errorString();
    m_failureReason = FailureReason::disk(errno);
    delete m_file;
    m_file = nullptr;
    fail(openFailedText());
    return false;
}

void ApQuickUrlDownloader::onReadyRead()
{
    if (!m_reply || m_finished)
        return;
    if (!isFinalResponse()) {
        m_reply->readAll();
        return;
    }
    if (m_total < 0) {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && !m_reply->hasRawHeader("Content-Encoding"))
            m_total = length.toLongLong();
    }
    // The file is made only once a successful response has data for it.
    if (m_reply->bytesAvailable() > 0 && !openFile())
        return;
    while (m_reply && m_file && m_reply->bytesAvailable() > 0) {
        const qint64 piece = m_admission ? qMin(m_reply->bytesAvailable(), AdmittedPiece) : m_reply->bytesAvailable();
        if (m_admission && !m_admission(piece)) {
            m_holdTimer->start();
            return;
        }
        const QByteArray data = m_reply->read(piece);
        if (data.isEmpty())
            return;
        m_written += data.size();
        if (m_file->write(data) != data.size()) {
            m_errorDetail = m_file->errorString();
            m_failureReason = FailureReason::disk(errno);
            fail(writeFailedText());
            return;
        }
        if (m_admission) {
            emit downloadProgress(m_id, m_written, m_total);
            emit fileDownloadedProgress(m_id, m_written, m_total);
        }
    }
}

void ApQuickUrlDownloader::resumeHeld()
{
    onReadyRead();
    // The reply ended while its last data was held back.
    if (m_reply && m_replyFinished && m_reply->bytesAvailable() == 0)
        onFinished();
}

void ApQuickUrlDownloader::onProgress(qint64 received, qint64 total)
{
    if (!m_reply || !isFinalResponse())
        return;
    m_total = total;
    // With an admission, progress counts what reached the file.
    if (m_admission)
        return;
    emit downloadProgress(m_id, received, total);
    emit fileDownloadedProgress(m_id, received, total);
}

void ApQuickUrlDownloader::onFinished()
{
    if (!m_reply)
        return;
    m_replyFinished = true;
    onReadyRead();
    if (m_finished)
        return;  // a write failure ended the download inside onReadyRead()
    if (m_holdTimer->isActive())
        return;  // data held back: finished once it is written

    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (isRedirectStatus(status) && target.isValid()) {
        const QUrl next = m_reply->url().resolved(target);
        ++m_redirects;
        if (m_redirects > MaxRedirects) {
            m_errorDetail = QStringLiteral("too many redirects");
            m_failureReason = FailureReason::tooManyRedirects();
            fail(requestFailedText());
            return;
        }
        if (!isFetchableUrl(next)) {
            m_errorDetail = QStringLiteral("redirect to an address that is not http, https or ftp: ")
                + next.toDisplayString();
            fail(requestFailedText());
            return;
        }
        releaseReply();
        if (m_file) {
            m_file->resize(0);
            m_file->seek(0);
        }
        m_written = 0;
        sendRequest(next);
        return;
    }

    if (m_reply->error() != QNetworkReply::NoError || !isFinalResponse()) {
        m_errorDetail = m_reply->errorString();
        // Through a proxy, the connection that was refused is the proxy's.
        const QNetworkProxy::ProxyType proxy = m_manager->proxy().type();
        const bool viaProxy = proxy == QNetworkProxy::HttpProxy || proxy == QNetworkProxy::Socks5Proxy;
        m_failureReason = viaProxy && m_reply->error() == QNetworkReply::ConnectionRefusedError
            ? FailureReason::proxyRefused()
            : FailureReason::network(m_reply->error(), status, m_reply->errorString());
        fail(requestFailedText());
        return;
    }
    // A connection closed before the announced length is not a whole file.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && !m_reply->hasRawHeader("Content-Encoding") && length.toLongLong() != m_written) {
        m_errorDetail = QStringLiteral("%1 of %2 bytes received").arg(m_written).arg(length.toLongLong());
        m_failureReason = FailureReason::network(QNetworkReply::RemoteHostClosedError, 0, QString());
        fail(requestFailedText());
        return;
    }
    // An empty file is still a file: it is created now.
    if (!openFile())
        return;
    if (!m_file->flush()) {
        m_errorDetail = m_file->errorString();
        m_failureReason = FailureReason::disk(errno);
        fail(writeFailedText());
        return;
    }
    releaseReply();
    closeFile();
    m_finished = true;
    m_redirects = 0;
    // A receiver may start the next download from its slot.
    const qint64 id = m_id;
    emit downloadFinished(id);
    emit fileDownloadedToDisk(id);
}

void ApQuickUrlDownloader::fail(const QString &error)
{
    releaseReply();
    // Whatever reached the file is not the file asked for; a file this
    // download created goes again.
    if (m_file) {
        m_file->resize(0);
        closeFile();
        if (m_created)
            QFile::remove(m_savePath);
    }
    m_finished = true;
    m_redirects = 0;
    const qint64 id = m_id;
    emit downloadFailed(id, error);
    emit errorMessageSignal(error);
}

void ApQuickUrlDownloader::abort()
{
    releaseReply();
    closeFile();
    m_finished = true;
    m_redirects = 0;
}

void ApQuickUrlDownloader::releaseReply()
{
    if (!m_reply)
        return;
    m_holdTimer->stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

void ApQuickUrlDownloader::closeFile()
{
    if (!m_file)
        return;
    m_file->close();
    delete m_file;
    m_file = nullptr;
}
