#include "aptvodownloader.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

#include "apcurlmulti.h"
#include "failurereason.h"
#include "aptvodownloadtaskthread.h"
#include "aptvotask.h"

ApTvoHttpFtpDownloader::~ApTvoHttpFtpDownloader()
{
    closeFile();
}

bool ApTvoHttpFtpDownloader::dataArrived(const char *data, qint64 n)
{
    if (m_aborted)
        return false;
    if (!m_bodyAccepted)
        return true;    // the body of a response that is not used
    m_task->bytesFetched.fetch_add(n);

    if (state() == Streaming) {
        if (!writeData(data, n))
            return fail();
        m_position.fetch_add(n);
        m_bytesReceived.fetch_add(n);
        const qint64 done = position();
        m_task->completed.store(done);
        m_task->total.store(done / 2 * 3);
        return true;
    }

    const qint64 pos = position();
    qint64 end = this->end();
    if (pos + n >= end) {
        // This stream goes on into returned ranges that start where it
        // ends: those of a server without ranges, of a refused session.
        while (end < m_task->total.load() && m_task->thread->extendRange(this))
            end = this->end();
    }
    if (pos + n <= end) {
        if (!writeData(data, n))
            return fail();
        m_position.store(pos + n);
        addCompleted(n);
        m_bytesReceived.fetch_add(n);
        if (pos + n == end) {
            rangeDone();
            // More data would follow for a range that others shortened.
            if (end < m_task->total.load()) {
                m_aborted = true;
                return false;
            }
        }
        return true;
    }

    // The server sends past this range: keep exactly the range.
    const qint64 part = end - pos;
    if (part > 0) {
        if (!writeData(data, part))
            return fail();
        addCompleted(part);
        m_bytesReceived.fetch_add(part);
    }
    m_position.store(qMax(pos, end));
    rangeDone();
    m_aborted = true;
    return false;
}

void ApTvoHttpFtpDownloader::connectionDone(bool error)
{
    if (m_aborted) {
        closeFile();
        return;
    }
    if (error) {
        m_task->countFailedConnection();
        setState(Failed);
        closeFile();
        return;
    }
    closeFile();
    if (state() == Streaming) {
        setEnd(position());
        m_task->completed.store(position());
        m_task->thread->allDataWritten();
        m_task->total.store(m_task->completed.load());
    } else if (state() == Running && m_bodyAccepted && position() == end()) {
        // An empty range (a file of length 0) ends without any data.
        m_task->thread->markSlices(this);
        setState(RangeDone);
    }
}

bool ApTvoHttpFtpDownloader::fail(const QString &reason)
{
    setFailureReason(reason);
    return fail();
}

void ApTvoHttpFtpDownloader::setFailureReason(const QString &reason)
{
    if (!reason.isEmpty())
        m_task->setFailureReason(reason);
}

bool ApTvoHttpFtpDownloader::fail()
{
    m_task->countFailedConnection();
    setState(Failed);
    m_aborted = true;
    closeFile();
    return false;
}

void ApTvoHttpFtpDownloader::rangeDone()
{
    closeFile();
    m_task->thread->markSlices(this);
    setState(RangeDone);
}

bool ApTvoHttpFtpDownloader::openFile()
{
    closeFile();
    m_file = new QFile(m_task->savePath);
    const bool existed = m_file->exists();
    // Read-write keeps what other connections already wrote.
    if (!m_file->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        setFailureReason(FailureReason::disk(errno));
        closeFile();
        return false;
    }
    if (!existed)
        m_task->thread->fileCreated();
    if (!m_file->seek(position())) {
        closeFile();
        return false;
    }
    return true;
}

bool ApTvoHttpFtpDownloader::allocateFile(qint64 length)
{
    if (length <= 0)
        return true;
    if (!m_file->resize(length)) {
        setFailureReason(FailureReason::disk(errno));
        return false;
    }
    // Reserve the blocks now, so that a full disk fails here and not in the
    // middle of a range.
    const int rc = posix_fallocate(m_file->handle(), 0, length);
    if (rc == ENOSPC || rc == EFBIG || rc == EIO || rc == EDQUOT) {
        setFailureReason(FailureReason::disk(rc));
        return false;
    }
    return m_file->seek(position());
}

bool ApTvoHttpFtpDownloader::writeData(const char *data, qint64 n)
{
    if (!m_file)
        return false;
    qint64 written = 0;
    while (written < n) {
        const qint64 w = m_file->write(data + written, n - written);
        if (w <= 0) {
            setFailureReason(FailureReason::disk(errno));
            return false;
        }
        written += w;
    }
    return true;
}

void ApTvoHttpFtpDownloader::closeFile()
{
    if (!m_file)
        return;
    m_file->close();
    delete m_file;
    m_file = nullptr;
}

void ApTvoHttpFtpDownloader::addCompleted(qint64 n)
{
    const qint64 total = m_task->total.load();
    // Told before the count reaches the total, so that nobody sees the
    // file complete before a checksum check could begin.
    if (total > 0 && m_task->completed.load() + n == total)
        m_task->thread->allDataWritten();
    m_task->completed.fetch_add(n);
}

bool ApTvoHttpFtpDownloader::holdBack(void *easy, qint64 n)
{
    if (m_task->state.load() == ApTvoTask::Paused) {
        m_heldByPause = true;
    } else if (m_task->thread->admit(n)) {
        return false;
    }
    m_task->thread->curlMulti()->notePaused(easy);
    return true;
}

bool ApTvoHttpFtpDownloader::reopenAfterPause(bool cutShort)
{
    constexpr int MaxReopens = 3;
    if (!cutShort || m_aborted || !m_heldByPause || state() != Running || !m_bodyAccepted
        || position() >= end() || m_task->total.load() <= 0 || m_task->rangesRefused.load()
        || m_reopens >= MaxReopens)
        return false;
    ++m_reopens;
    m_heldByPause = false;
    closeFile();
    // The rest of the range, asked for like any other range.
    m_ranged = true;
    return true;
}

bool ApTvoHttpFtpDownloader::park()
{
    if (state() != Running)
        return false;
    stop();
    m_aborted = false;
    setState(Paused);
    return true;
}

void ApTvoHttpFtpDownloader::unpark()
{
    if (state() != Paused)
        return;
    // A connection that had its answer goes on from its position; one that
    // was still waiting for it asks again as it did.
    if (m_bodyAccepted)
        m_ranged = true;
    setState(Running);
    start();
}
