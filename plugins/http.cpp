#include "http.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QTimerEvent>

#include "cookies.h"
#include "filenamefunctions.h"

namespace {
const int statisticsIntervalMs = 1000;
const int restartDelayMs = 250;
const int statisticsSamples = 100;

template<typename T>
double mean(const QList<T> &samples)
{
    if (samples.isEmpty())
        return 0;
    double sum = 0;
    for (const T value : samples)
        sum += double(value);
    return sum / samples.size();
}
} // namespace

Http::Http(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_jar(new Cookies(this))
    , m_restartTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("Http"));
    m_manager->setCookieJar(m_jar);
    m_jar->setParent(this);
    m_restartTimer->setSingleShot(true);
    m_restartTimer->setInterval(restartDelayMs);
    connect(m_restartTimer, &QTimer::timeout, this, &Http::restartDownloadSignal);
    connect(this, &Http::restartDownloadSignal, this, &Http::restartDownload);
    connect(m_manager, &QNetworkAccessManager::finished, this, &Http::finished);
}

Http::Http(const Http &other)
    : Http(nullptr)
{
    m_userAgent = other.m_userAgent;
    m_followRedirects = other.m_followRedirects;
    m_maxAutoJumps = other.m_maxAutoJumps;
    m_maxRetries = other.m_maxRetries;
    m_timeOutEnabled = other.m_timeOutEnabled;
    m_timeOutMs = other.m_timeOutMs;
    m_cookiesEnabled = other.m_cookiesEnabled;
    m_deleteFileOnFailure = other.m_deleteFileOnFailure;
    m_pauseOnDestroy = other.m_pauseOnDestroy;
    m_resumeExisting = other.m_resumeExisting;
    m_restartWhenResumeIgnored = other.m_restartWhenResumeIgnored;
    // The whole cookie records, so domains and paths survive the copy.
    m_jar->setCookies(other.m_jar->cookies());
    m_headerParameters = other.m_headerParameters;
    if (other.m_file) {
        m_file = new QFile(other.m_file->fileName());
        m_fileInfo = other.m_fileInfo;
    }
}

Http::~Http()
{
    m_restartTimer->stop();
    stopTimers();
    if (m_reply) {
        // Nothing may reach this half-destroyed object from the reply.
        disconnect(m_manager, nullptr, this, nullptr);
        m_reply->disconnect(this);
        if (m_reply->isRunning()) {
            m_stopReason = m_pauseOnDestroy ? Paused : Canceled;
            m_reply->abort();
        }
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    if (m_file) {
        m_file->close();
        delete m_file;
        m_file = nullptr;
    }
}

bool Http::isRunning() const
{
    // A file download waiting to restart is still in progress.
    return m_busy || (m_reply && m_reply->isRunning()) || m_restartTimer->isActive();
}

int Http::mapNetworkError(int networkError)
{
    switch (networkError) {
    case QNetworkReply::NoError:
        return NoError;
    case QNetworkReply::ConnectionRefusedError:
        return ConnectionRefusedError;
    case QNetworkReply::HostNotFoundError:
        return HostNotFoundError;
    case QNetworkReply::TimeoutError:
        return TimeOutError;
    case QNetworkReply::ContentAccessDenied:
        return AccessDeniedError;
    case QNetworkReply::ContentNotFoundError:
        return NotFoundError;
    default:
        return OtherNetworkError;
    }
}

bool Http::isPageScheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

void Http::abortPage()
{
    if (!m_busy || m_file)
        return;
    m_stopReason = Canceled;
    if (m_reply && m_reply->isRunning()) {
        m_reply->abort();
    } else {
        dropReply();
        stopTimers();
        m_lastError = OtherNetworkError;
        m_body.clear();
        m_headerLines.clear();
        m_busy = false;
    }
}

// ---- page downloads ----

QString Http::downloadWebpage(const QString &url, bool isUtf8)
{
    return downloadWebpageEx(url, true, isUtf8);
}

QString Http::downloadWebpageEx(const QString &url, bool tolerantMode, bool isUtf8)
{
    return pageDownload(QUrl(url, tolerantMode ? QUrl::TolerantMode : QUrl::StrictMode), GetOperation, QByteArray(),
                        isUtf8);
}

QString Http::downloadWebpagePost(const QString &url, const QString &parameters, bool isUtf8)
{
    return downloadWebpagePostEx(url, parameters, true, isUtf8);
}

QString Http::downloadWebpagePostEx(const QString &url, const QString &parameters, bool tolerantMode, bool isUtf8)
{
    return pageDownload(QUrl(url, tolerantMode ? QUrl::TolerantMode : QUrl::StrictMode), PostOperation,
                        parameters.toLatin1(), isUtf8);
}

QString Http::downloadWebpageHeaders(const QString &url, const QString &separator)
{
    if (pageDownload(QUrl(url, QUrl::TolerantMode), HeadOperation, QByteArray(), false).isNull())
        return QString();
    QStringList lines;
    for (const auto &header : qAsConst(m_headerLines))
        lines << QStringLiteral("%1: %2").arg(QString::fromLatin1(header.first), QString::fromLatin1(header.second));
    return lines.join(separator);
}

QString Http::pageDownload(const QUrl &url, Operation operation, const QByteArray &postData, bool isUtf8)
{
    // A null result means "nothing was sent"; callers see it as empty text.
    if (isRunning() || !url.isValid())
        return QString();
    if (!isPageScheme(url)) {
        // Local files and other schemes are not web pages.
        reset();
        m_lastError = OtherNetworkError;
        return QString();
    }
    if (m_file) {
        closeFile();
        delete m_file;
        m_file = nullptr;
        m_fileInfo = QFileInfo();
    }
    reset();
    m_busy = true;
    m_operation = operation;
    m_postData = postData;
    m_url = url;
    sendRequest(url);
    while (m_busy)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const QString result = isUtf8 ? QString::fromUtf8(m_body) : QString::fromLatin1(m_body);
    return result.isNull() ? QString(QLatin1String("")) : result;
}

void Http::reset()
{
    m_stopReason = StillRunning;
    m_lastError = NoError;
    m_resume = false;
    m_busy = false;
    m_jumpCount = 0;
    m_body.clear();
    m_headerLines.clear();
    m_totalSize = m_receivedSize = m_resumeOffset = 0;
    m_speed = m_remainingTime = 0;
    m_percentage = 0;
    m_lastSampleBytes = 0;
    m_lastSamplePercentage = 0;
    m_byteSamples.clear();
    m_percentageSamples.clear();
    m_metaDataSeen = false;
    dropReply();
    stopTimers();
}

void Http::dropReply()
{
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
}

void Http::stopTimers()
{
    if (m_timeOutTimer) {
        killTimer(m_timeOutTimer);
        m_timeOutTimer = 0;
    }
    if (m_statisticsTimer) {
        killTimer(m_statisticsTimer);
        m_statisticsTimer = 0;
    }
}

void Http::sendRequest(QUrl target)
{
    stopTimers();
    if (m_timeOutEnabled)
        m_timeOutTimer = startTimer(m_timeOutMs);
    m_statisticsTimer = startTimer(statisticsIntervalMs);

    if (m_followRedirects && m_jumpCount > m_maxAutoJumps) {
        m_stopReason = RedirectLimit;
        endBeforeReply(TooManyRedirectsError);
        return;
    }

    if (!target.scheme().isEmpty() && !isPageScheme(target)) {
        // A server may not send a download to a local file or elsewhere.
        endBeforeReply(InvalidUrlError);
        return;
    }
    if (target.host().isEmpty()) {
        // A relative redirect target: taken against the server the download
        // started with. Its port is kept, or the request would go elsewhere.
        QString path = target.toString();
        if (!path.isEmpty() && !path.startsWith(QLatin1Char('/')))
            path.prepend(QLatin1Char('/'));
        QString host = m_url.host();
        if (m_url.port() != -1)
            host += QLatin1Char(':') + QString::number(m_url.port());
        target = QUrl(QStringLiteral("http://") + host + path, QUrl::TolerantMode);
    }

    dropReply();
    if (!m_cookiesEnabled)
        m_jar->setCookies({});

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!m_userAgent.isEmpty())
        request.setRawHeader("User-Agent", m_userAgent.toLatin1());
    request.setRawHeader("Connection", "Keep-Alive");
    request.setRawHeader("Accept-Ranges", "bytes");
    for (const QString &parameter : qAsConst(m_headerParameters)) {
        const QString key = parameter.section(QLatin1Char('|'), 0, 0);
        const QString value = parameter.section(QLatin1Char('|'), 1, 1);
        request.setRawHeader(key.toLatin1(), value.toLatin1());
    }
    if (m_file && m_resume)
        request.setRawHeader("Range", QStringLiteral("bytes=%1-").arg(m_file->size()).toLatin1());

    switch (m_operation) {
    case PostOperation:
        // What Qt would pick anyway, said explicitly to keep the log quiet.
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        m_reply = m_manager->post(request, m_postData);
        break;
    case HeadOperation:
        m_reply = m_manager->head(request);
        break;
    case DeleteOperation:
        m_reply = m_manager->deleteResource(request);
        break;
    default:
        m_reply = m_manager->get(request);
        break;
    }
    connect(m_reply, &QNetworkReply::readyRead, this, &Http::readyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Http::downloadProgress);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Http::metaDataChanged);

    // A redirected form post is continued as a plain GET without a body.
    if (m_operation == PostOperation)
        m_operation = GetOperation;
    ++m_jumpCount;
}

// Ends a request before any reply: a file download reports the error, a
// page download ends with an empty page.
void Http::endBeforeReply(int fileError)
{
    stopTimers();
    dropReply();
    if (m_file) {
        reportError(fileError);
        return;
    }
    m_lastError = OtherNetworkError;
    m_body.clear();
    m_headerLines.clear();
    m_busy = false;
    emit downloadFinished(QFileInfo());
}

// ---- reply events ----

void Http::readyRead()
{
    if (!m_reply)
        return;
    if (m_timeOutEnabled) {
        if (m_timeOutTimer)
            killTimer(m_timeOutTimer);
        m_timeOutTimer = startTimer(m_timeOutMs);
    }
    if (m_stopReason == ResumeIgnoredRestart || m_stopReason == ResumeIgnoredFail)
        return;
    const QByteArray data = m_reply->readAll();
    if (m_file) {
        // Error pages and redirect bodies are not part of the file.
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!m_file->isOpen() || status >= 300)
            return;
        if (m_file->write(data) != data.size())
            m_reply->abort();
    } else if (m_body.size() + qint64(data.size()) > MaxPageBytes) {
        // A page this large is no page; keeping it would only fill memory.
        m_body.clear();
        m_stopReason = Canceled;
        m_reply->abort();
    } else {
        m_body += data;
    }
}

void Http::metaDataChanged()
{
    if (!m_reply || m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid())
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid())
        m_totalSize = length.toLongLong();
    if (m_resume) {
        if (m_reply->hasRawHeader("content-range")) {
            const QByteArray range = m_reply->rawHeader("content-range");
            m_totalSize = range.mid(range.indexOf('/') + 1).trimmed().toLongLong();
        } else {
            m_stopReason = m_restartWhenResumeIgnored ? ResumeIgnoredRestart : ResumeIgnoredFail;
            m_reply->abort();
            return;
        }
    }
    if (m_reply->error() == QNetworkReply::NoError) {
        if (m_resume)
            emit downloadResumed();
        else
            emit downloadStarted();
        m_metaDataSeen = true;
    }
}

void Http::downloadProgress(qint64 received, qint64 total)
{
    if (!m_metaDataSeen)
        return;
    qint64 size = m_totalSize;
    if (size == 0)
        size = total == -1 ? received : total;
    m_receivedSize = size > 0 ? received + m_resumeOffset : 0;
    m_percentage = size > 0 ? int(m_receivedSize * 100 / size) : 0;
    emit downloadEvent(int(qMin<qint64>(m_receivedSize, INT_MAX)), int(qMin<qint64>(size, INT_MAX)));
}

void Http::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timeOutTimer) {
        killTimer(m_timeOutTimer);
        m_timeOutTimer = 0;
        if (m_timeOutEnabled && m_reply && m_reply->isRunning()) {
            m_stopReason = TimedOut;
            m_reply->abort();
        }
    } else if (event->timerId() == m_statisticsTimer) {
        updateStatistics();
    } else {
        QObject::timerEvent(event);
    }
}

void Http::updateStatistics()
{
    m_byteSamples.append(m_receivedSize - m_lastSampleBytes);
    m_lastSampleBytes = m_receivedSize;
    while (m_byteSamples.size() > statisticsSamples)
        m_byteSamples.removeFirst();
    m_speed = qint64(mean(m_byteSamples));

    m_percentageSamples.append(m_percentage - m_lastSamplePercentage);
    m_lastSamplePercentage = m_percentage;
    while (m_percentageSamples.size() > statisticsSamples)
        m_percentageSamples.removeFirst();
    const double gain = mean(m_percentageSamples);
    if (gain > 0)
        m_remainingTime = qint64((100 - m_percentage) / gain);
}

void Http::finished(QNetworkReply *reply)
{
    if (reply != m_reply)
        return;
    stopTimers();
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (m_followRedirects && !target.isEmpty()) {
        if (m_file) {
            m_file->resize(m_resume ? m_resumeOffset : 0);
            m_file->seek(m_file->size());
        } else {
            m_body.clear();
        }
        sendRequest(target);
        return;
    }
    if (m_file)
        finishFile(reply);
    else
        finishPage(reply);
}

void Http::finishPage(QNetworkReply *reply)
{
    m_lastError = mapNetworkError(reply->error());
    // Our own inactivity time-out aborts the reply; report it as a time-out.
    if (m_stopReason == TimedOut)
        m_lastError = TimeOutError;
    if (m_operation == HeadOperation)
        m_headerLines = reply->rawHeaderPairs();
    else if (reply->error() != QNetworkReply::NoError)
        m_body.clear();
    m_busy = false;
    emit downloadFinished(QFileInfo());
}

// ---- file mode ----

int Http::downloadFile(const QString &url, const QString &directory, const QString &fileName, bool rename)
{
    if (isRunning())
        return AlreadyRunningError;
    if (!isValidDownloadUrl(url, false))
        return InvalidUrlError;
    const QString folder = QDir::cleanPath(directory);
    if (!QDir().mkpath(folder))
        return DirectoryError;
    QString name = fileName.isEmpty() ? QStringLiteral("download.file") : fileName;
    name = sanitizeFileName(QFileInfo(name).fileName(), QStringLiteral(" "));
    if (name.isEmpty())
        name = QStringLiteral("download.file");
    QString path = folder + QLatin1Char('/') + name;
    if (rename)
        path = uniqueFileName(path);

    if (m_file) {
        closeFile();
        delete m_file;
    }
    m_file = new QFile(path);
    m_fileInfo = QFileInfo(path);
    reset();
    m_attempt = 1;
    m_url = QUrl(url);
    m_operation = GetOperation;
    if (!openTarget(m_resumeExisting && !rename))
        return FileOpenError;
    sendRequest(m_url);
    return NoError;
}

bool Http::openTarget(bool continueExisting)
{
    m_file->close();
    const bool resume = continueExisting && m_file->exists() && m_file->size() > 0;
    if (!m_file->open(resume ? (QIODevice::WriteOnly | QIODevice::Append) : (QIODevice::WriteOnly | QIODevice::Truncate)))
        return false;
    m_resume = resume;
    m_resumeOffset = resume ? m_file->size() : 0;
    return true;
}

void Http::pause()
{
    if (m_restartTimer->isActive()) {
        m_restartTimer->stop();
        m_stopReason = Paused;
        closeFile();
        emit downloadPaused(m_fileInfo);
    } else if (m_reply && m_reply->isRunning()) {
        m_stopReason = Paused;
        m_reply->abort();
    }
}

void Http::cancel()
{
    if (m_restartTimer->isActive()) {
        m_restartTimer->stop();
        m_stopReason = Canceled;
        closeFile();
        if (m_deleteFileOnFailure && m_file)
            m_file->remove();
        emit downloadCanceled();
    } else if (m_reply && m_reply->isRunning()) {
        m_stopReason = Canceled;
        m_reply->abort();
    }
}

void Http::finishFile(QNetworkReply *reply)
{
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError) {
        m_attempt = 1;
        m_file->flush();
        const qint64 size = m_file->size();
        if (m_totalSize > 0 && size < m_totalSize) {
            reportError(IncompleteFileError);
            return;
        }
        m_stopReason = Completed;
        closeFile();
        m_fileInfo.refresh();
        emit downloadFinished(m_fileInfo);
        return;
    }
    if (error == QNetworkReply::TimeoutError || (error == QNetworkReply::OperationCanceledError && m_stopReason == TimedOut)) {
        retry();
        return;
    }
    if (error == QNetworkReply::OperationCanceledError) {
        switch (m_stopReason) {
        case Canceled:
            closeFile();
            if (m_deleteFileOnFailure)
                m_file->remove();
            emit downloadCanceled();
            return;
        case Paused:
            closeFile();
            m_fileInfo.refresh();
            emit downloadPaused(m_fileInfo);
            return;
        case RedirectLimit:
            reportError(TooManyRedirectsError);
            return;
        case ResumeIgnoredRestart:
            m_startFresh = true;
            closeFile();
            restartLater();
            return;
        case ResumeIgnoredFail:
            reportError(ResumeIgnoredError);
            return;
        default:
            break;
        }
    }
    if (m_attempt < m_maxRetries) {
        closeFile();
        restartLater();
    } else {
        reportError(mapNetworkError(error));
    }
}

void Http::retry()
{
    if (m_attempt < m_maxRetries) {
        closeFile();
        restartLater();
    } else {
        reportError(TimeOutError);
    }
}

void Http::restartLater()
{
    m_restartTimer->start();
}

void Http::restartDownload()
{
    if (!m_file)
        return;
    const bool fresh = m_startFresh;
    m_startFresh = false;
    const int attempt = m_attempt + 1;
    reset();
    m_attempt = attempt;
    m_operation = GetOperation;
    // A retry continues what already arrived; a server that ignored a resume
    // request gets a download from the start.
    if (!openTarget(!fresh)) {
        reportError(FileOpenError);
        return;
    }
    sendRequest(m_url);
}

void Http::closeFile()
{
    if (m_file && m_file->isOpen())
        m_file->close();
}

void Http::reportError(int code)
{
    stopTimers();
    m_lastError = code;
    closeFile();
    if (m_deleteFileOnFailure && m_file)
        m_file->remove();
    emit downloadError(code);
}

// ---- cookies and header parameters ----

void Http::addCookie(const QString &cookie)
{
    QList<QNetworkCookie> cookies = m_jar->cookies();
    cookies += QNetworkCookie::parseCookies(cookie.toLatin1());
    m_jar->setCookies(cookies);
}

void Http::addCookies(const QString &cookies, const QString &separator)
{
    const QStringList parts = cookies.split(separator, Qt::KeepEmptyParts);
    for (const QString &part : parts)
        addCookie(part);
}

QString Http::getCookies(const QString &separator) const
{
    QString result;
    for (const QNetworkCookie &cookie : m_jar->cookies())
        result += QString::fromLatin1(cookie.name()) + QLatin1Char('=') + QString::fromLatin1(cookie.value())
            + separator;
    result.chop(1);
    return result;
}

void Http::clearCookies()
{
    m_jar->setCookies({});
}

void Http::addHeaderParameter(const QString &key, const QString &value)
{
    m_headerParameters << key + QLatin1Char('|') + value;
}
