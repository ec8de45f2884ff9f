// The task's view of the remote file: its validators, the resume record
// that lists what is on disk of it, and the restart when it was replaced.

#include "aptvodownloadtaskthread.h"

#include <QFile>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include "apcurlmulti.h"
#include "failurereason.h"
#include "aptvodownloader.h"

namespace {
// A file replaced on the server this often within one run fails the task.
constexpr int MaxChangeRestarts = 3;
} // namespace

bool ApTvoDownloadTaskThread::saveResumeState()
{
    const qint64 total = m_task.total.load();
    if (m_complete || m_task.rangesRefused.load() || total <= 0 || m_identity.size != total
        || (m_identity.ifRangeValue().isEmpty() && m_identity.ftpModified.isEmpty()))
        return false;
    ApTvoResumeState state = m_identity;
    state.done = doneRanges();
    keepShownRanges(state.done, total);
    // The bytes listed reach the disk before the list does.
    const QByteArray path = QFile::encodeName(m_task.savePath);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fdatasync(fd) == 0;
    ::close(fd);
    return synced && state.save(m_task.savePath);
}

void ApTvoDownloadTaskThread::setRemoteIdentity(qint64 size, const QByteArray &etag,
                                                const QByteArray &lastModified)
{
    m_identity.size = size;
    m_identity.etag = etag;
    m_identity.lastModified = lastModified;
}

void ApTvoDownloadTaskThread::setFtpModified(const QByteArray &modified)
{
    m_identity.ftpModified = modified;
}

void ApTvoDownloadTaskThread::resumeAccepted(ApTvoHttpFtpDownloader *probe)
{
    m_probing = false;
    m_validators.insert(probe->url(), {m_resume.etag, m_resume.lastModified, m_resume.ftpModified});
    m_identity.size = m_resume.size;
    m_identity.etag = m_resume.etag;
    m_identity.lastModified = m_resume.lastModified;
    m_identity.ftpModified = m_resume.ftpModified;
    m_task.total.store(m_resume.size);
    m_task.sizeUnknown.store(0);
    firstResponseWithSize(probe);
    m_task.headerReceived.store(true);
}

QByteArray ApTvoDownloadTaskThread::ifRangeFor(const QString &url) const
{
    const auto it = m_validators.constFind(url);
    if (it == m_validators.constEnd())
        return QByteArray();
    if (!it->etag.isEmpty() && !it->etag.startsWith("W/"))
        return it->etag;
    return it->lastModified;
}

bool ApTvoDownloadTaskThread::sameRemoteFile(const QString &url, const QByteArray &etag,
                                             const QByteArray &lastModified)
{
    auto it = m_validators.find(url);
    if (it == m_validators.end()) {
        m_validators.insert(url, {etag, lastModified, {}});
        return true;
    }
    return (etag.isEmpty() || it->etag.isEmpty() || etag == it->etag)
        && (lastModified.isEmpty() || it->lastModified.isEmpty() || lastModified == it->lastModified);
}

bool ApTvoDownloadTaskThread::sameFtpFile(const QString &url, const QByteArray &modified)
{
    Validators &known = m_validators[url];
    if (known.ftpModified.isEmpty())
        known.ftpModified = modified;
    return modified.isEmpty() || modified == known.ftpModified;
}

void ApTvoDownloadTaskThread::remoteFileChanged()
{
    // No byte that still arrives completes the file.
    m_task.total.store(0);
    if (m_restartQueued || !m_multi)
        return;
    m_restartQueued = true;
    QTimer::singleShot(0, m_multi, [this] { restartAtZero(); });
}

void ApTvoDownloadTaskThread::restartAtZero()
{
    m_restartQueued = false;
    dropConnections();
    m_probing = false;
    m_complete = false;
    m_pool.clear();
    m_done.clear();
    m_validators.clear();
    m_identity = ApTvoResumeState();
    m_identity.url = ApTvoResumeState::addressOf(m_task.url);
    ApTvoResumeState::remove(m_task.savePath);
    m_task.total.store(0);
    m_task.sizeUnknown.store(1);
    m_task.completed.store(0);
    m_task.lastCompleted.store(0);
    m_task.activeConnections.store(0);
    m_task.headerReceived.store(false);
    m_task.failedConnections.store(0);
    keepShownRanges(ApByteRanges(), 0);
    if (++m_changeRestarts > MaxChangeRestarts) {
        // Retrying cannot help while the server keeps replacing the file;
        // the policing loop fails the task with this reason.
        m_task.setFailureReason(FailureReason::remoteFileChanging());
        m_task.noRetry.store(true);
        m_task.failedConnections.store(m_task.urlCount);
        return;
    }
    if (ApTvoHttpFtpDownloader *first = createConnection(m_task.protocol, m_task.url, false))
        first->start();
}

void ApTvoDownloadTaskThread::resumeRejected()
{
    m_probing = false;
    m_pool.clear();
    m_done.clear();
    m_task.completed.store(0);
    m_task.lastCompleted.store(0);
    keepShownRanges(ApByteRanges(), 0);
    ApTvoResumeState::remove(m_task.savePath);
}
