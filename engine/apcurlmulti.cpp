#include "apcurlmulti.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <curl/curl.h>

#include <utility>

namespace {
// Short enough for an even speed limit, long enough to cost nothing.
constexpr int ResumeCheckMs = 20;

// libcurl's own authorities file, when it has one. libcurl keeps the
// certificates it read for the next connections of a multi handle only when
// they come from a file alone; with its default folder beside the file it
// reads the whole system bundle again for every connection, which costs more
// than the handshake. Where a file is there, the folder is left out: the
// system's file holds the certificates of its folder.
QByteArray defaultCaFile()
{
    static const QByteArray file = [] {
        QByteArray path;
#if LIBCURL_VERSION_NUM >= 0x075400
        if (CURL *probe = curl_easy_init()) {
            char *info = nullptr;
            if (curl_easy_getinfo(probe, CURLINFO_CAINFO, &info) == CURLE_OK && info)
                path = info;
            curl_easy_cleanup(probe);
        }
#endif
        return !path.isEmpty() && QFileInfo(QFile::decodeName(path)).isReadable() ? path : QByteArray();
    }();
    return file;
}
} // namespace

struct ApCurlMulti::SocketWatch
{
    QSocketNotifier *read = nullptr;
    QSocketNotifier *write = nullptr;
};

ApCurlMulti::ApCurlMulti(QObject *parent)
    : QObject(parent), m_multi(curl_multi_init()), m_share(curl_share_init()), m_timer(new QTimer(this))
{
    // All transfers of this handle run in its thread: the share needs no
    // locks.
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ApCurlMulti::timeout);
    m_resumeTimer = new QTimer(this);
    m_resumeTimer->setInterval(ResumeCheckMs);
    connect(m_resumeTimer, &QTimer::timeout, this, &ApCurlMulti::resumePaused);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &ApCurlMulti::socketCallback);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &ApCurlMulti::timerCallback);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
}

ApCurlMulti::~ApCurlMulti()
{
    const auto easies = m_transfers.keys();
    for (CURL *easy : easies)
        curl_multi_remove_handle(m_multi, easy);
    curl_multi_cleanup(m_multi);
    curl_share_cleanup(m_share);
    // Notifiers are children of this object and go with it.
    qDeleteAll(m_watches);
}

void ApCurlMulti::prepare(CURL *easy) const
{
    curl_easy_setopt(easy, CURLOPT_SHARE, m_share);
    const QByteArray caFile = defaultCaFile();
    if (!caFile.isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.constData());
        curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
    }
}

void ApCurlMulti::add(CURL *easy, ApCurlTransfer *transfer)
{
    m_transfers.insert(easy, transfer);
    m_deferredRemoves.removeAll(easy);
    if (m_actionDepth > 0) {
        m_deferredAdds.append(easy);
        return;
    }
    curl_multi_add_handle(m_multi, easy);
}

void ApCurlMulti::remove(CURL *easy)
{
    m_paused.removeAll(easy);
    if (!m_transfers.remove(easy))
        return;
    if (m_deferredAdds.removeAll(easy) > 0)
        return;
    if (m_actionDepth > 0) {
        m_deferredRemoves.append(easy);
        return;
    }
    curl_multi_remove_handle(m_multi, easy);
}

int ApCurlMulti::socketCallback(CURL *, int fd, int what, void *userp, void *socketp)
{
    static_cast<ApCurlMulti *>(userp)->updateSocket(fd, what, static_cast<SocketWatch *>(socketp));
    return 0;
}

int ApCurlMulti::timerCallback(CURLM *, long timeoutMs, void *userp)
{
    auto *self = static_cast<ApCurlMulti *>(userp);
    if (timeoutMs < 0)
        self->m_timer->stop();
    else
        self->m_timer->start(int(timeoutMs));
    return 0;
}

void ApCurlMulti::updateSocket(int fd, int what, SocketWatch *watch)
{
    if (what == CURL_POLL_REMOVE) {
        if (watch) {
            // This may run inside the notifier's own activated signal, so the
            // notifier is only disabled here and deleted later.
            for (QSocketNotifier *n : {watch->read, watch->write}) {
                if (n) {
                    n->setEnabled(false);
                    n->deleteLater();
                }
            }
            m_watches.remove(watch);
            delete watch;
            curl_multi_assign(m_multi, fd, nullptr);
        }
        return;
    }
    if (!watch) {
        watch = new SocketWatch;
        m_watches.insert(watch);
        curl_multi_assign(m_multi, fd, watch);
    }
    const bool wantRead = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool wantWrite = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    if (wantRead && !watch->read) {
        watch->read = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(watch->read, &QSocketNotifier::activated, this,
                [this](int s) { socketActivated(s, CURL_CSELECT_IN); });
    }
    if (wantWrite && !watch->write) {
        watch->write = new QSocketNotifier(fd, QSocketNotifier::Write, this);
        connect(watch->write, &QSocketNotifier::activated, this,
                [this](int s) { socketActivated(s, CURL_CSELECT_OUT); });
    }
    if (watch->read)
        watch->read->setEnabled(wantRead);
    if (watch->write)
        watch->write->setEnabled(wantWrite);
}

void ApCurlMulti::socketActivated(int fd, int eventMask)
{
    action(fd, eventMask);
}

void ApCurlMulti::timeout()
{
    action(CURL_SOCKET_TIMEOUT, 0);
}

void ApCurlMulti::action(int fd, int eventMask)
{
    int running = 0;
    ++m_actionDepth;
    curl_multi_socket_action(m_multi, fd, eventMask, &running);
    --m_actionDepth;
    applyDeferred();
    finishTransfers();
}

void ApCurlMulti::applyDeferred()
{
    const auto removes = std::exchange(m_deferredRemoves, {});
    for (CURL *easy : removes)
        curl_multi_remove_handle(m_multi, easy);
    const auto adds = std::exchange(m_deferredAdds, {});
    for (CURL *easy : adds)
        curl_multi_add_handle(m_multi, easy);
}

void ApCurlMulti::finishTransfers()
{
    int left = 0;
    while (CURLMsg *msg = curl_multi_info_read(m_multi, &left)) {
        if (msg->msg != CURLMSG_DONE)
            continue;
        CURL *easy = msg->easy_handle;
        const int code = msg->data.result;
        curl_multi_remove_handle(m_multi, easy);
        ApCurlTransfer *transfer = m_transfers.take(easy);
        // The transfer may add new handles (a new range, a redirect); that is
        // allowed between reads of the message queue.
        if (transfer)
            transfer->transferFinished(code);
    }
}

void ApCurlMulti::notePaused(CURL *easy)
{
    if (!m_paused.contains(easy))
        m_paused.append(easy);
    if (!m_resumeTimer->isActive())
        m_resumeTimer->start();
}

void ApCurlMulti::resumePaused()
{
    if (m_canResume && !m_canResume())
        return;
    m_resumeTimer->stop();
    const QVector<CURL *> paused = std::exchange(m_paused, {});
    // Unpausing delivers the data libcurl kept back through the write
    // callbacks right away; handles added or removed meanwhile wait, as
    // inside any other libcurl call.
    ++m_actionDepth;
    for (CURL *easy : paused) {
        if (m_transfers.contains(easy))
            curl_easy_pause(easy, CURLPAUSE_CONT);
    }
    --m_actionDepth;
    applyDeferred();
    finishTransfers();
}
