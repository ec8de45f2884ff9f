#include "aptvoftp.h"

#include <QTimer>
#include <QUrl>

#include <curl/curl.h>

#include <sys/socket.h>
#include <unistd.h>

#include "aptvodownloadtaskthread.h"
#include "aptvoresumestate.h"
#include "aptvosettings.h"
#include "aptvotask.h"
#include "failurereason.h"
#include "replyparsing.h"

namespace {
// A larger receive buffer means fewer, larger writes.
constexpr long ReceiveBufferSize = 512 * 1024;
// A limited task takes data in small pieces, so its rate stays even.
constexpr long LimitedBufferSize = 16 * 1024;
// The longest libcurl waits for a reply on the control connection.
constexpr int ServerReplySeconds = 30;
// A session turned away while no other runs is asked for again this often,
// this long apart: the server may still count a session just ended.
constexpr int MaxRefusalRetries = 5;
constexpr int RefusalRetryMs = 1000;

// A refusal of one more session, in the words servers use for it (a wrong
// password is 530 too).
bool tooManySessions(int code, const QByteArray &text)
{
    if (code == 421)
        return true;
    const QByteArray lower = text.toLower();
    return code == 530
        && (lower.contains("too many") || lower.contains("maximum") || lower.contains("limit"));
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}
} // namespace

ApTvoFtp::ApTvoFtp(ApTvoTask *task, QObject *parent)
    : ApTvoHttpFtpDownloader(task, ApTvoTask::Ftp, parent), m_easy(curl_easy_init())
{
}

ApTvoFtp::~ApTvoFtp()
{
    stop();
    curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_preQuote);
}

void ApTvoFtp::start()
{
    const ApTvoSettingsValues settings =
        m_task->settings ? m_task->settings->values() : ApTvoSettingsValues();
    m_stallSeconds = qMax(1, settings.stallSeconds);
    m_sliceCount = qMax(1, settings.sliceCount);
    m_task->thread->sizeSliceVector(this, settings.sliceCount);
    m_heldByPause = false;
    m_reopens = 0;
    m_refusalRetries = 0;
    if (!startRequest()) {
        m_task->countFailedConnection();
        setState(Failed);
        return;
    }
    setState(Running);
    m_task->connectionStarted();
}

// libcurl's command sequence on a fresh control connection is
//   USER, PASS, PWD, EPSV (PASV when EPSV is refused), TYPE I,
//   SIZE <path>, MDTM <path> (the task's first connection only),
//   REST <position> (ranged only), RETR <path>, QUIT.
// The size query and the restart offset go in as pre-transfer commands, so
// they come right before RETR in this order; libcurl's own size query is
// switched off (it would read a negative size as positive and would cut the
// data at whatever the server claims). libcurl asks for the passive data
// port before the type instead of after it, and asks for the working folder
// once after login; neither changes the transfer. No CWD is sent: the path
// goes to SIZE and RETR whole, as the URL gives it.
bool ApTvoFtp::startRequest()
{
    const QUrl url = QUrl::fromEncoded(m_url.toUtf8());
    if (url.scheme().compare(QLatin1String("ftp"), Qt::CaseInsensitive) != 0 || url.host().isEmpty())
        return false;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    // A folder cannot be retrieved, and control characters in a path would
    // end the command early and smuggle in another.
    if (path.endsWith(QLatin1Char('/')) || hasControlCharacter(path)
        || hasControlCharacter(url.userName(QUrl::FullyDecoded))
        || hasControlCharacter(url.password(QUrl::FullyDecoded)))
        return false;

    QByteArray host = url.host(QUrl::FullyEncoded).toUtf8();
    if (host.contains(':'))
        host = '[' + host + ']';
    // "%2F" makes the path absolute for libcurl, which otherwise reads it
    // relative to the login folder.
    const QByteArray target = "ftp://" + host + ':' + QByteArray::number(url.port(21)) + "/%2F"
        + QUrl::toPercentEncoding(path.mid(1), "/");

    curl_slist_free_all(m_preQuote);
    m_preQuote = curl_slist_append(nullptr, ("SIZE " + path.toUtf8()).constData());
    // The date identifies the file for a later resume and tells a file
    // replaced since the first connection began; a server without MDTM
    // still serves it ("*": a refusal does not end the transfer).
    m_preQuote = curl_slist_append(m_preQuote, ("*MDTM " + path.toUtf8()).constData());
    if (m_ranged)
        m_preQuote = curl_slist_append(m_preQuote, ("REST " + QByteArray::number(position())).constData());

    if (m_inMulti) {
        m_task->thread->curlMulti()->remove(m_easy);
        m_inMulti = false;
    }
    curl_easy_reset(m_easy);
    curl_easy_setopt(m_easy, CURLOPT_URL, target.constData());
    curl_easy_setopt(m_easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(m_easy, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(m_easy, CURLOPT_FTP_USE_EPSV, 1L);
    curl_easy_setopt(m_easy, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(m_easy, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
    curl_easy_setopt(m_easy, CURLOPT_PREQUOTE, m_preQuote);
    // Each start logs in afresh and the connection closes after the
    // transfer. libcurl waits for the final reply of a retrieval and for
    // the reply to QUIT inside the task thread, blocking it; a transfer
    // this side cuts short skips both, so a retrieval of known size is cut
    // once its last byte is in. A wait that remains (a stream of unknown
    // length) is bounded by the reply time-out, and a stop ends it at once
    // by shutting the sockets down.
    curl_easy_setopt(m_easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_BUFFERSIZE,
                     m_task->thread->rate() > 0 ? LimitedBufferSize : ReceiveBufferSize);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, 60L);
    curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(ServerReplySeconds));
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, long(m_stallSeconds));
    // The sockets are this connection's, so that a stop can cut a wait of
    // libcurl's on a silent server short.
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETFUNCTION, &ApTvoFtp::openSocket);
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_CLOSESOCKETFUNCTION, &ApTvoFtp::closeSocket);
    curl_easy_setopt(m_easy, CURLOPT_CLOSESOCKETDATA, this);
    // The proxy settings are for HTTP; FTP goes direct, whatever the
    // environment says.
    curl_easy_setopt(m_easy, CURLOPT_PROXY, "");
    if (!url.userName().isEmpty()) {
        curl_easy_setopt(m_easy, CURLOPT_USERNAME, url.userName(QUrl::FullyDecoded).toUtf8().constData());
        curl_easy_setopt(m_easy, CURLOPT_PASSWORD, url.password(QUrl::FullyDecoded).toUtf8().constData());
    } else {
        curl_easy_setopt(m_easy, CURLOPT_USERNAME, "anonymous");
        curl_easy_setopt(m_easy, CURLOPT_PASSWORD, "anonymous@");
    }
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &ApTvoFtp::headerCallback);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &ApTvoFtp::writeCallback);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_PREREQFUNCTION, &ApTvoFtp::prereqCallback);
    curl_easy_setopt(m_easy, CURLOPT_PREREQDATA, this);
    // The debug hook is the only place libcurl shows the commands it sends;
    // replies are told apart by the command they answer.
    curl_easy_setopt(m_easy, CURLOPT_DEBUGFUNCTION, &ApTvoFtp::debugCallback);
    curl_easy_setopt(m_easy, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_VERBOSE, 1L);

    m_aborted = false;
    m_lastErrorCode = 0;
    m_lastErrorText.clear();
    m_bodyAccepted = false;
    m_countedActive = false;
    m_hostKey = ApFtpSessionLimits::hostKey(m_url);
    m_greeted = false;
    m_commands.clear();
    m_lastVerb.clear();
    m_probeSize = -1;
    m_modified.clear();
    m_restartPending = false;
    m_task->thread->curlMulti()->add(m_easy, this);
    m_inMulti = true;
    return true;
}

void ApTvoFtp::stop()
{
    m_aborted = true;
    if (m_countedActive)
        m_task->thread->ftpSessionLimits().closed(m_hostKey);
    m_countedActive = false;
    if (m_inMulti) {
        if (ApCurlMulti *multi = m_task->thread->curlMulti())
            multi->remove(m_easy);
        m_inMulti = false;
    }
    closeFile();
}

int ApTvoFtp::prereqCallback(void *userp, char *, char *, int, int)
{
    // Called once the control connection is up and logged in. Unlike HTTP,
    // FTP connections are counted without an upper bound.
    auto *self = static_cast<ApTvoFtp *>(userp);
    if (!self->m_countedActive) {
        self->m_countedActive = true;
        self->m_task->activeConnections.fetch_add(1);
        self->m_task->thread->ftpSessionLimits().opened(self->m_hostKey);
    }
    return CURL_PREREQFUNC_OK;
}

int ApTvoFtp::debugCallback(CURL *, int type, char *data, size_t size, void *userp)
{
    if (type == CURLINFO_HEADER_OUT)
        static_cast<ApTvoFtp *>(userp)->commandSent(QByteArray(data, int(size)));
    return 0;
}

void ApTvoFtp::commandSent(const QByteArray &raw)
{
    const QList<QByteArray> lines = raw.split('\n');
    for (const QByteArray &l : lines) {
        QByteArray line = l.trimmed();
        if (line.isEmpty())
            continue;
        m_lastVerb = line.left(line.indexOf(' ')).toUpper();
        if (m_lastVerb == "PASS")
            line = "PASS ****";
        m_commands.append(line);
    }
}

size_t ApTvoFtp::headerCallback(char *data, size_t size, size_t count, void *userp)
{
    const size_t n = size * count;
    auto *self = static_cast<ApTvoFtp *>(userp);
    return self->replyLine(QByteArray::fromRawData(data, int(n))) ? n : 0;
}

size_t ApTvoFtp::writeCallback(char *data, size_t size, size_t count, void *userp)
{
    const size_t n = size * count;
    auto *self = static_cast<ApTvoFtp *>(userp);
    if (self->holdBack(self->m_easy, qint64(n)))
        return CURL_WRITEFUNC_PAUSE;
    return self->ftpDataArrived(data, qint64(n)) ? n : 0;
}

bool ApTvoFtp::replyLine(const QByteArray &raw)
{
    if (m_aborted)
        return false;
    // Only the last line of a reply ("213 1234", not "213-...") carries the
    // verdict; anything else libcurl passes on is ignored.
    int code = 0;
    QByteArray detail;
    if (!ReplyParsing::ftpReplyLine(raw, &code, &detail))
        return true;
    if (code >= 400) {
        m_lastErrorCode = code;
        m_lastErrorText = detail;
    }
    if (code == 220 && m_lastVerb.isEmpty())
        m_greeted = true;
    // Replies to the commands of the connection's own sequence; those to
    // libcurl's housekeeping (PWD, EPSV with its PASV fallback) are
    // libcurl's business, and failed logins and retrievals end the transfer
    // with an error.
    if (m_lastVerb != "TYPE" && m_lastVerb != "SIZE" && m_lastVerb != "REST" && m_lastVerb != "MDTM")
        return true;
    return rawCommandReply(code, detail);
}

bool ApTvoFtp::rawCommandReply(int code, const QByteArray &detail)
{
    if (m_lastVerb == "MDTM") {
        // No date is no failure; the file just cannot be resumed later.
        if (code == 213) {
            m_modified = detail;
            if (!m_ranged)
                m_task->thread->setFtpModified(detail);
            if (!m_resumeProbe && !m_task->thread->sameFtpFile(m_url, detail)) {
                // Not a failure of this connection: the whole run starts again.
                setState(Idle);
                m_aborted = true;
                m_task->thread->remoteFileChanged();
                return false;
            }
        }
        return true;
    }
    if (code >= 400)
        return fail(FailureReason::ftpReply(code, detail));
    if (code == 213 && m_lastVerb == "SIZE")
        return sizeReply(detail.toLongLong());
    if (m_lastVerb == "REST" && m_resumeProbe)
        return restartReply();
    return true;
}

bool ApTvoFtp::restartReply()
{
    // Size and date of the resume probe are in: the same file continues
    // where the earlier run stopped, another one is fetched from byte 0.
    const ApTvoResumeState *resume = m_task->thread->resumeToVerify();
    m_resumeProbe = false;
    if (!resume || m_probeSize != resume->size || m_modified.isEmpty() || m_modified != resume->ftpModified) {
        m_task->thread->resumeRejected();
        m_ranged = false;
        setRange(0, 0);
        m_restartPending = true;
        m_aborted = true;
        return false;
    }
    m_blockSize.store(resume->size / m_sliceCount);
    if (!openFile())
        return fail();
    m_bodyAccepted = true;
    m_task->thread->resumeAccepted(this);
    return true;
}

bool ApTvoFtp::sizeReply(qint64 size)
{
    if (m_resumeProbe) {
        m_probeSize = size;
        return true;
    }
    if (m_ranged) {
        // A piece of a file whose size the task already knows: a server
        // that has a file of another size has another file.
        const qint64 total = m_task->total.load();
        if (size > 0 && size != total)
            return fail();
        m_blockSize.store(total / m_sliceCount);
        if (!openFile())
            return fail();
        m_bodyAccepted = true;
        return true;
    }
    if (size <= 0) {
        if (!openFile())
            return fail();
        setState(Streaming);
        m_bodyAccepted = true;
        return true;
    }
    m_task->thread->setRemoteIdentity(size, {}, {});
    m_task->total.store(size);
    m_task->sizeUnknown.store(0);
    m_blockSize.store(size / m_sliceCount);
    if (!openFile())
        return fail();
    setEnd(size);
    if (!allocateFile(size))
        return fail();
    m_bodyAccepted = true;
    m_task->thread->firstResponseWithSize(this);
    m_task->headerReceived.store(true);
    return true;
}

bool ApTvoFtp::ftpDataArrived(const char *data, qint64 n)
{
    if (!m_aborted && !m_bodyAccepted) {
        // Data without a size reply: the task's first connection streams
        // it; a range cannot be placed without knowing the file.
        if (m_ranged || !openFile())
            return fail();
        setState(Streaming);
        m_bodyAccepted = true;
    }
    if (!dataArrived(data, n))
        return false;
    if (state() == RangeDone) {
        // Everything of the range is in: the server's closing reply and
        // the answer to QUIT are not waited for.
        m_aborted = true;
        return false;
    }
    return true;
}

curl_socket_t ApTvoFtp::openSocket(void *userp, curlsocktype, curl_sockaddr *address)
{
    auto *self = static_cast<ApTvoFtp *>(userp);
    const curl_socket_t fd = ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (fd != CURL_SOCKET_BAD) {
        QMutexLocker lock(&self->m_socketsLock);
        self->m_sockets.insert(fd);
    }
    return fd;
}

int ApTvoFtp::closeSocket(void *userp, curl_socket_t fd)
{
    auto *self = static_cast<ApTvoFtp *>(userp);
    QMutexLocker lock(&self->m_socketsLock);
    self->m_sockets.remove(fd);
    return ::close(fd);
}

void ApTvoFtp::cutWaits()
{
    // Under the lock no socket is closed, so no number is reused meanwhile.
    QMutexLocker lock(&m_socketsLock);
    for (const int fd : qAsConst(m_sockets))
        ::shutdown(fd, SHUT_RDWR);
}

void ApTvoFtp::transferFinished(int curlCode)
{
    m_inMulti = false;
    if (m_restartPending || reopenAfterPause(curlCode != CURLE_OK || position() < end())) {
        m_restartPending = false;
        connectionUnconnected();
        if (!startRequest()) {
            m_task->countFailedConnection();
            setState(Failed);
        }
        return;
    }
    if (curlCode != CURLE_OK && !m_aborted && sessionRefused(curlCode) && handleRefusal())
        return;
    if (curlCode != CURLE_OK && !m_aborted) {
        setFailureReason(m_lastErrorCode >= 400 ? FailureReason::ftpReply(m_lastErrorCode, m_lastErrorText)
                                                : FailureReason::transfer(curlCode));
    }
    connectionDone(curlCode != CURLE_OK);
    if (!m_aborted && curlCode == CURLE_OK && state() == Running) {
        // The server ended the retrieval as complete before the range was:
        // the rest must go to another connection.
        m_task->countFailedConnection();
        setState(Failed);
    }
    connectionUnconnected();
}

bool ApTvoFtp::handleRefusal()
{
    m_task->thread->ftpSessionLimits().refused(m_hostKey);
    if (m_task->activeConnections.load() > 0) {
        // Not a failure: the range goes back to the sessions that run.
        m_task->thread->sessionRefused(this);
        connectionUnconnected();
        return true;
    }
    // No other session runs to take the range over, but the server took
    // sessions before: it may still count ones just ended, or ones of this
    // task that are still logging in. After a few tries the refusal counts
    // as a failure.
    if (m_refusalRetries >= MaxRefusalRetries)
        return false;
    ++m_refusalRetries;
    QTimer::singleShot(RefusalRetryMs, this, [this] {
        if (m_aborted || m_inMulti || state() != Running)
            return;
        if (!startRequest()) {
            m_task->countFailedConnection();
            setState(Failed);
        }
    });
    return true;
}

bool ApTvoFtp::sessionRefused(int curlCode) const
{
    // The task's first session, or the first one to a mirror, speaks for
    // the server: its refusal is a failure.
    if (!m_ranged || m_resumeProbe || m_bodyAccepted || m_countedActive || position() != rangeStart()
        || !m_task->thread->ftpSessionLimits().accepted(m_hostKey))
        return false;
    if (curlCode == CURLE_COULDNT_CONNECT)
        return true;
    if (tooManySessions(m_lastErrorCode, m_lastErrorText))
        return true;
    // Closed right after the connection was taken, before any greeting.
    return !m_greeted && m_lastErrorCode == 0
        && (curlCode == CURLE_RECV_ERROR || curlCode == CURLE_GOT_NOTHING || curlCode == CURLE_WEIRD_SERVER_REPLY
            || curlCode == CURLE_SEND_ERROR);
}

void ApTvoFtp::connectionUnconnected()
{
    if (m_countedActive) {
        m_task->thread->ftpSessionLimits().closed(m_hostKey);
        m_countedActive = false;
        int v = m_task->activeConnections.load();
        while (v > 0 && !m_task->activeConnections.compare_exchange_weak(v, v - 1)) {
        }
    }
    if (state() == RangeDone)
        m_task->thread->takeWork(this);
}
