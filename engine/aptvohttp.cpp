#include "aptvohttp.h"

#include <QFile>
#include <QNetworkProxy>
#include <QUrl>

#include <curl/curl.h>

#include "browserhandover.h"
#include "apquickurldownloader.h"
#include "aptvodownloadtaskthread.h"
#include "aptvoresumestate.h"
#include "aptvotask.h"
#include "failurereason.h"
#include "replyparsing.h"

namespace {
// A larger receive buffer means fewer, larger writes.
constexpr long ReceiveBufferSize = 512 * 1024;
constexpr long LimitedBufferSize = 16 * 1024;
// Redirect chains longer than this are treated as a failed connection.
constexpr int MaxRedirects = 10;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307;
}
} // namespace

bool ApTvoHttp::proxyHost(const ApTvoSettingsValues &settings, QByteArray *host)
{
    QString text = settings.proxyHost.trimmed();
    // A scheme in front of the host names a proxy type of its own, which
    // would win over the chosen one: only the chosen type's is taken off.
    const int scheme = text.indexOf(QLatin1String("://"));
    if (scheme >= 0) {
        const QString given = text.left(scheme).toLower();
        const bool matches = settings.proxyType == 2
            ? given == QLatin1String("http")
            : given == QLatin1String("socks5") || given == QLatin1String("socks5h");
        if (!matches)
            return false;
        text = text.mid(scheme + 3);
        if (text.endsWith(QLatin1Char('/')))
            text.chop(1);
    }
    for (const QChar c : text)
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || c == QLatin1Char('/') || c == QLatin1Char('@'))
            return false;
    if (text.isEmpty())
        return false;
    *host = text.toUtf8();
    return true;
}

QNetworkProxy ApTvoHttp::networkProxy(const ApTvoSettingsValues &settings)
{
    QByteArray host;
    if (settings.proxyType == 0 || !proxyHost(settings, &host))
        return QNetworkProxy(QNetworkProxy::NoProxy);
    return QNetworkProxy(settings.proxyType == 2 ? QNetworkProxy::HttpProxy : QNetworkProxy::Socks5Proxy,
                         QString::fromUtf8(host), quint16(settings.proxyPort), settings.proxyUser,
                         settings.proxyPassword);
}

ApTvoHttp::ApTvoHttp(ApTvoTask *task, QObject *parent)
    : ApTvoHttpFtpDownloader(task, ApTvoTask::Http, parent),
      m_easy(curl_easy_init()),
      m_fallback(new ApQuickUrlDownloader(this))
{
    connect(m_fallback, &ApQuickUrlDownloader::downloadProgress, this, &ApTvoHttp::qudProgressCallback);
    connect(m_fallback, &ApQuickUrlDownloader::downloadFinished, this, &ApTvoHttp::qudFinishedCallback);
    connect(m_fallback, &ApQuickUrlDownloader::downloadFailed, this, &ApTvoHttp::qudFailedCallback);
}

ApTvoHttp::~ApTvoHttp()
{
    stop();
    curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_headerList);
}

void ApTvoHttp::start()
{
    m_settings = m_task->settings ? m_task->settings->values() : ApTvoSettingsValues();
    m_task->thread->sizeSliceVector(this, m_settings.sliceCount);
    m_redirectCount = 0;
    m_heldByPause = false;
    m_reopens = 0;

    int fallback = -1;
    if (m_task->failedConnections.compare_exchange_strong(fallback, 0)) {
        startFallback();
    } else if (!startRequest()) {
        m_task->countFailedConnection();
        setState(Failed);
        return;
    }
    if (state() != Failed)
        setState(Running);
    m_task->connectionStarted();
}

void ApTvoHttp::startFallback()
{
    const QByteArray referer = refererText();
    QByteArray host;
    if (m_settings.proxyType != 0 && !proxyHost(m_settings, &host)) {
        fallbackRefused(FailureReason::proxyUnusable());
        return;
    }
    if (!ReplyParsing::isSafeHeaderValue(referer) || !ReplyParsing::isSafeHeaderValue(userAgent())
        || !ReplyParsing::isSafeHeaderValue(m_task->cookies)) {
        fallbackRefused(FailureReason::unsafeHeader());
        return;
    }
    // The retry goes the way the user routed the download, never direct.
    m_fallback->setProxy(networkProxy(m_settings));
    // A pause and the speed limits hold it back like any other connection.
    m_fallback->setAdmission([this](qint64 bytes) {
        return m_task->state.load() != ApTvoTask::Paused && m_task->thread->admit(bytes);
    });
    // The fallback writes the file from its first byte (it truncates it).
    m_task->activeConnections.store(1);
    m_task->sizeUnknown.store(0);
    m_fallback->setCookies(m_task->cookies, m_task->cookieOrigin);
    m_fallback->download(QUrl::fromEncoded(m_url.toUtf8()), m_task->savePath, m_task->id, userAgent(), referer);
}

QByteArray ApTvoHttp::userAgent() const
{
    return m_task->userAgent.isEmpty() ? m_settings.userAgent : m_task->userAgent;
}

QByteArray ApTvoHttp::refererText() const
{
    if (!m_task->referer.isEmpty())
        return m_task->referer.toUtf8();
    // The link itself, but never the user name and password in it.
    return ApTvoResumeState::addressOf(m_url).toUtf8();
}

void ApTvoHttp::fallbackRefused(const QString &reason)
{
    setFailureReason(reason);
    m_task->countFailedConnection();
    setState(Failed);
}

bool ApTvoHttp::startRequest()
{
    const QUrl url = QUrl::fromEncoded(m_url.toUtf8());
    const QString scheme = url.scheme();
    const bool tls = scheme == QLatin1String("https");
    if (!tls && scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) != 0
        && scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) != 0)
        return false;
    if (url.host().isEmpty())
        return false;

    const int defaultPort = tls ? 443 : 80;
    const int port = url.port(defaultPort);
    QByteArray host = url.host(QUrl::FullyEncoded).toUtf8();
    if (host.contains(':'))
        host = '[' + host + ']';
    QByteArray hostHeader = host;
    if (port != defaultPort)
        hostHeader += ':' + QByteArray::number(port);

    QByteArray path = QUrl::toPercentEncoding(url.path(QUrl::FullyDecoded), "!$&'()*+,;=:@/");
    if (path.isEmpty())
        path = "/";
    if (url.hasQuery())
        path += '?' + url.query(QUrl::FullyEncoded).toUtf8();

    const QByteArray target = (tls ? QByteArrayLiteral("https://") : QByteArrayLiteral("http://"))
        + host + ':' + QByteArray::number(port) + path;
    const QByteArray referer = refererText();

    m_requestHeaders.clear();
    m_requestHeaders << "GET " + path + " HTTP/1.1";
    m_requestHeaders << "Host: " + hostHeader;
    m_requestHeaders << "Accept: */*";
    m_requestHeaders << "User-Agent: " + userAgent();
    if (m_ranged)
        m_requestHeaders << "Range: bytes=" + QByteArray::number(position()) + '-';
    // A range only of the file this task fetches (the one an earlier run
    // left, or the one the first response of this URL named); a replaced
    // file is sent whole instead, and its new validators tell.
    const ApTvoResumeState *resume = m_resumeProbe ? m_task->thread->resumeToVerify() : nullptr;
    const QByteArray validator = resume ? resume->ifRangeValue() : m_task->thread->ifRangeFor(m_url);
    if (m_ranged && !validator.isEmpty())
        m_requestHeaders << "If-Range: " + validator;
    m_requestHeaders << "Referer: " + referer;
    // The browser's cookies go to their own site only, never to the host
    // of a redirect or a mirror.
    if (!m_task->cookies.isEmpty() && BrowserHandOver::sendsCookiesTo(m_task->cookieOrigin, url))
        m_requestHeaders << "Cookie: " + m_task->cookies;
    m_requestHeaders << "Cache-Control: no-cache";
    m_requestHeaders << "Connection: close";
    // Values from the task record or the settings may not add lines of
    // their own to the request.
    for (const QByteArray &line : qAsConst(m_requestHeaders)) {
        if (!ReplyParsing::isSafeHeaderValue(line)) {
            setFailureReason(FailureReason::unsafeHeader());
            return false;
        }
    }
    QByteArray proxy;
    if (m_settings.proxyType != 0 && !proxyHost(m_settings, &proxy)) {
        // A download routed through a proxy never goes direct.
        setFailureReason(FailureReason::proxyUnusable());
        return false;
    }
    curl_slist_free_all(m_headerList);
    m_headerList = nullptr;
    for (int i = 1; i < m_requestHeaders.size(); ++i)
        m_headerList = curl_slist_append(m_headerList, m_requestHeaders.at(i).constData());

    if (m_inMulti) {
        m_task->thread->curlMulti()->remove(m_easy);
        m_inMulti = false;
    }
    curl_easy_reset(m_easy);
    curl_easy_setopt(m_easy, CURLOPT_URL, target.constData());
    curl_easy_setopt(m_easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(m_easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headerList);
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    // A limited task takes data in small pieces, so that its rate stays
    // even within each second.
    curl_easy_setopt(m_easy, CURLOPT_BUFFERSIZE,
                     m_task->thread->rate() > 0 ? LimitedBufferSize : ReceiveBufferSize);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, 60L);
    // Half-open connections and stalled servers: less than a byte a second
    // for this long ends the transfer (a paused transfer is not measured).
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, long(qMax(1, m_settings.stallSeconds)));
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYHOST, 2L);
    m_task->thread->curlMulti()->prepare(m_easy);
    if (!m_settings.caFile.isEmpty())
        curl_easy_setopt(m_easy, CURLOPT_CAINFO, QFile::encodeName(m_settings.caFile).constData());
    curl_easy_setopt(m_easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &ApTvoHttp::headerCallback);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &ApTvoHttp::writeCallback);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_PREREQFUNCTION, &ApTvoHttp::prereqCallback);
    curl_easy_setopt(m_easy, CURLOPT_PREREQDATA, this);
    if (!url.userName().isEmpty()) {
        curl_easy_setopt(m_easy, CURLOPT_USERNAME, url.userName(QUrl::FullyDecoded).toUtf8().constData());
        curl_easy_setopt(m_easy, CURLOPT_PASSWORD, url.password(QUrl::FullyDecoded).toUtf8().constData());
    }
    if (m_settings.proxyType != 0) {
        curl_easy_setopt(m_easy, CURLOPT_PROXY, proxy.constData());
        curl_easy_setopt(m_easy, CURLOPT_PROXYPORT, long(m_settings.proxyPort));
        curl_easy_setopt(m_easy, CURLOPT_PROXYTYPE,
                         long(m_settings.proxyType == 2 ? CURLPROXY_HTTP : CURLPROXY_SOCKS5_HOSTNAME));
        if (!m_settings.proxyUser.isEmpty()) {
            curl_easy_setopt(m_easy, CURLOPT_PROXYUSERNAME, m_settings.proxyUser.toUtf8().constData());
            curl_easy_setopt(m_easy, CURLOPT_PROXYPASSWORD, m_settings.proxyPassword.toUtf8().constData());
        }
    } else {
        // No proxy, not even one from the environment.
        curl_easy_setopt(m_easy, CURLOPT_PROXY, "");
    }

    m_aborted = false;
    m_status = 0;
    m_bodyAccepted = false;
    m_contentLength = -1;
    m_location.clear();
    m_contentRange.clear();
    m_etag.clear();
    m_lastModified.clear();
    m_acceptRanges = false;
    m_task->thread->curlMulti()->add(m_easy, this);
    m_inMulti = true;
    return true;
}

void ApTvoHttp::stop()
{
    m_aborted = true;
    m_redirectPending = false;
    if (m_inMulti) {
        if (ApCurlMulti *multi = m_task->thread->curlMulti())
            multi->remove(m_easy);
        m_inMulti = false;
    }
    m_fallback->abort();
    closeFile();
}

int ApTvoHttp::prereqCallback(void *userp, char *, char *, int, int)
{
    auto *self = static_cast<ApTvoHttp *>(userp);
    std::atomic<int> &active = self->m_task->activeConnections;
    int v = active.load();
    while (v < self->m_settings.splitBound + 1 && !active.compare_exchange_weak(v, v + 1)) {
    }
    return CURL_PREREQFUNC_OK;
}

size_t ApTvoHttp::headerCallback(char *data, size_t size, size_t count, void *userp)
{
    const size_t n = size * count;
    auto *self = static_cast<ApTvoHttp *>(userp);
    return self->headerLine(QByteArray::fromRawData(data, int(n))) ? n : 0;
}

size_t ApTvoHttp::writeCallback(char *data, size_t size, size_t count, void *userp)
{
    const size_t n = size * count;
    auto *self = static_cast<ApTvoHttp *>(userp);
    if (self->holdBack(self->m_easy, qint64(n)))
        return CURL_WRITEFUNC_PAUSE;
    return self->dataArrived(data, qint64(n)) ? n : 0;
}

bool ApTvoHttp::headerLine(const QByteArray &raw)
{
    if (m_aborted)
        return false;
    if (ReplyParsing::httpStatusLine(raw, &m_status, &m_reasonPhrase)) {
        m_contentLength = -1;
        m_location.clear();
        m_contentRange.clear();
        m_etag.clear();
        m_lastModified.clear();
        m_acceptRanges = false;
        return true;
    }
    if (raw.trimmed().isEmpty()) {
        if (m_status >= 100 && m_status < 200)
            return true;    // an interim response; the real one follows
        return responseHeaderReceived();
    }
    QByteArray name, value;
    if (!ReplyParsing::httpHeaderLine(raw, &name, &value))
        return true;
    if (name == "content-length") {
        m_contentLength = ReplyParsing::contentLength(value);
    } else if (name == "location") {
        m_location = value;
    } else if (name == "content-range") {
        m_contentRange = value;
    } else if (name == "etag") {
        m_etag = value;
    } else if (name == "last-modified") {
        m_lastModified = value;
    } else if (name == "accept-ranges") {
        m_acceptRanges = m_acceptRanges || ReplyParsing::acceptsByteRanges(value);
    }
    return true;
}

bool ApTvoHttp::responseHeaderReceived()
{
    if (isRedirect(m_status) && !m_location.isEmpty()) {
        if (++m_redirectCount > MaxRedirects)
            return fail(FailureReason::tooManyRedirects());
        m_redirected = true;
        const QUrl current = QUrl::fromEncoded(m_url.toUtf8());
        setUrl(QString::fromUtf8(current.resolved(QUrl::fromEncoded(m_location)).toEncoded()));
        // The new request starts once this transfer has ended.
        m_redirectPending = true;
        m_aborted = true;
        return false;
    }

    if (m_status == 200 && m_resumeProbe) {
        // The file changed, or the server ignores ranges: the earlier run's
        // bytes are of no use, and this answer is the whole file.
        m_task->thread->resumeRejected();
        m_resumeProbe = false;
        m_ranged = false;
        setRange(0, 0);
    }
    if (m_status == 200) {
        if (m_ranged && !m_task->thread->sameRemoteFile(m_url, m_etag, m_lastModified))
            return remoteFileChanged();
        if (m_ranged) {
            // The server ignored the range: its data would start at byte 0
            // of the file, not at this connection's range. The range goes
            // back; the file is not split further.
            m_task->thread->rangeRefused(this);
            m_aborted = true;
            return false;
        }
        if (m_contentLength >= 0) {
            const qint64 total = m_contentLength;
            if (!m_acceptRanges)
                m_task->rangesRefused.store(true);
            m_task->thread->setRemoteIdentity(total, m_etag, m_lastModified);
            m_task->thread->sameRemoteFile(m_url, m_etag, m_lastModified);
            m_task->total.store(total);
            m_task->sizeUnknown.store(0);
            m_blockSize.store(total / qMax(1, m_settings.sliceCount));
            setEnd(total);
            if (!openFile() || !allocateFile(total))
                return fail();
            m_bodyAccepted = true;
            m_task->thread->firstResponseWithSize(this);
            m_task->headerReceived.store(true);
            return true;
        }
        if (!openFile())
            return fail();
        setState(Streaming);
        m_bodyAccepted = true;
        return true;
    }

    if (m_status == 206) {
        // Only a ranged request may be answered in part, and only with the
        // range that was asked for.
        if (!m_ranged)
            return fail();
        qint64 first = -1, total = -1;
        ReplyParsing::contentRange(m_contentRange, &first, &total);
        if (m_resumeProbe) {
            const ApTvoResumeState *resume = m_task->thread->resumeToVerify();
            const bool same = resume && first == position() && total == resume->size
                && (m_etag.isEmpty() || resume->etag.isEmpty() || m_etag == resume->etag)
                && (m_lastModified.isEmpty() || resume->lastModified.isEmpty()
                    || m_lastModified == resume->lastModified);
            m_resumeProbe = false;
            if (!same)
                return restartWhole();
            m_blockSize.store(total / qMax(1, m_settings.sliceCount));
            if (!openFile())
                return fail();
            m_bodyAccepted = true;
            m_task->thread->resumeAccepted(this);
            return true;
        }
        if (!m_task->thread->sameRemoteFile(m_url, m_etag, m_lastModified))
            return remoteFileChanged();
        if (first != position() || (total >= 0 && total != m_task->total.load()))
            return fail();
        m_blockSize.store(m_task->total.load() / qMax(1, m_settings.sliceCount));
        if (!openFile())
            return fail();
        m_bodyAccepted = true;
        return true;
    }

    if (m_status == 416 && m_resumeProbe) {
        // The file is shorter than the earlier run's: another file.
        m_resumeProbe = false;
        return restartWhole();
    }
    return fail(FailureReason::httpStatus(m_status, m_reasonPhrase));
}

bool ApTvoHttp::remoteFileChanged()
{
    // Not a failure of this connection: the whole run starts again.
    setState(Idle);
    m_aborted = true;
    m_task->thread->remoteFileChanged();
    return false;
}

bool ApTvoHttp::restartWhole()
{
    m_task->thread->resumeRejected();
    m_ranged = false;
    setRange(0, 0);
    // The new request goes out once this transfer has ended.
    m_redirectPending = true;
    m_aborted = true;
    return false;
}

void ApTvoHttp::transferFinished(int curlCode)
{
    m_inMulti = false;
    if (reopenAfterPause(curlCode != CURLE_OK || position() < end())) {
        int v = m_task->activeConnections.load();
        while (v > 0 && !m_task->activeConnections.compare_exchange_weak(v, v - 1)) {
        }
        if (!startRequest()) {
            m_task->countFailedConnection();
            setState(Failed);
        }
        return;
    }
    if (curlCode != CURLE_OK && !m_aborted) {
        // Through a proxy, the connection that was refused is the proxy's.
        const bool proxyRefused = m_settings.proxyType != 0 && curlCode == CURLE_COULDNT_CONNECT;
        setFailureReason(proxyRefused ? FailureReason::proxyRefused() : FailureReason::transfer(curlCode));
    }
    connectionDone(curlCode != CURLE_OK);
    connectionUnconnected();
    if (curlCode == CURLE_OPERATION_TIMEDOUT && !m_aborted)
        m_task->thread->replaceStalled(this);
}

void ApTvoHttp::connectionUnconnected()
{
    int v = m_task->activeConnections.load();
    while (v > 0 && !m_task->activeConnections.compare_exchange_weak(v, v - 1)) {
    }
    if (m_redirectPending) {
        m_redirectPending = false;
        if (!startRequest()) {
            m_task->countFailedConnection();
            setState(Failed);
        }
        return;
    }
    if (state() == RangeDone) {
        m_task->thread->takeWork(this);
    } else if (state() == Running) {
        // The server closed the connection before the range was complete.
        setFailureReason(FailureReason::transfer(CURLE_PARTIAL_FILE));
        m_task->countFailedConnection();
        setState(Failed);
        closeFile();
    }
}

void ApTvoHttp::qudProgressCallback(qint64, qint64 received, qint64 total)
{
    // The whole file is in: a checksum is checked once it is on disk,
    // and until then the task is not complete.
    if (total > 0 && received == total && !m_task->expectedChecksum.isEmpty())
        m_task->thread->beginChecking();
    m_task->bytesFetched.fetch_add(qMax<qint64>(0, received - m_bytesReceived.load()));
    m_task->total.store(total < 0 ? 0 : total);
    m_task->completed.store(received);
    m_position.store(received);
    m_bytesReceived.store(received);
}

void ApTvoHttp::qudFinishedCallback(qint64)
{
    m_task->thread->allDataWritten();
    if (m_task->total.load() <= 0)
        m_task->total.store(m_task->completed.load());
    // The completion pass completes the task like any other run: the file's
    // hash is recorded, and a pause or delete asked for meanwhile stays.
    setState(RangeDone);
    m_task->activeConnections.store(0);
}

void ApTvoHttp::qudFailedCallback(qint64, const QString &)
{
    setFailureReason(m_fallback->failureReason());
    m_task->countFailedConnection();
    setState(Failed);
    m_task->activeConnections.store(0);
}
