#include "aptvodownloadtaskthread.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "apcurlmulti.h"
#include "crashhandler.h"
#include "failurereason.h"
#include "threadannotations.h"
#include "aptvodownloader.h"
#include "aptvoftp.h"
#include "aptvohttp.h"
#include "aptvomanager.h"
#include "aptvosettings.h"
#include "taskstore.h"

namespace {
// How often the resume record is written and the speed share refreshed.
// A crash loses at most this much of the download's progress.
constexpr int HousekeepingMs = 250;
// A pause shorter than this keeps the transfers open (held); a longer one
// closes them, so that no server keeps, or drops, a connection meanwhile.
constexpr qint64 PauseGraceMs = 1000;
// How often the task thread looks at a pause begun or ended.
constexpr int PauseCheckMs = 50;
// How long a stop waits for the run to end before cutting libcurl's waits.
constexpr unsigned long StopGraceMs = 2000;
// The bucket holds at most this share of a second's worth of bytes, so a
// limited task never bursts far above its rate.
constexpr double BurstSeconds = 0.1;
constexpr qint64 MinBurst = 16 * 1024;
} // namespace

ApTvoDownloadTaskThread::ApTvoDownloadTaskThread(ApTvoManager *manager,
                                                 const ApplicationInfo *info, QObject *parent)
    : QThread(parent), m_manager(manager), m_info(info)
{
    m_task.thread = this;
}

ApTvoDownloadTaskThread::~ApTvoDownloadTaskThread()
{
    stopTask();
}

void ApTvoDownloadTaskThread::startTask()
{
    if (!isRunning())
        start(QThread::InheritPriority);
}

void ApTvoDownloadTaskThread::stopTask()
{
    if (isFinished() || !isRunning())
        return;
    quit();
    if (wait(StopGraceMs))
        return;
    // The thread is held in a wait of libcurl's for a server that does not
    // answer (an FTP closing reply): its sockets go down, which ends it.
    {
        QMutexLocker lock(&m_connectionsLock);
        for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections))
            if (c->protocol() == ApTvoTask::Ftp)
                static_cast<ApTvoFtp *>(c)->cutWaits();
    }
    wait();
}

void ApTvoDownloadTaskThread::run()
{
    CrashHandler::prepareCurrentThread();
    m_task.setFailureReason(QString());
    m_multi = new ApCurlMulti;
    m_multi->setResumeCheck([this] { return m_task.state.load() != ApTvoTask::Paused && hasTokens(); });
    m_clock.start();
    m_lastRefillNs = 0;
    m_tokens = 0;
    refreshRate();
    m_housekeeping = new QTimer(m_multi);
    m_housekeeping->setInterval(HousekeepingMs);
    connect(m_housekeeping, &QTimer::timeout, m_multi, [this] {
        refreshRate();
        saveResumeState();
    });
    m_housekeeping->start();
    auto *pauseCheck = new QTimer(m_multi);
    pauseCheck->setInterval(PauseCheckMs);
    connect(pauseCheck, &QTimer::timeout, m_multi, [this] { followPause(); });
    pauseCheck->start();
    m_pausedFor.invalidate();
    m_fileCreated = false;

    m_done.clear();
    m_pool.clear();
    m_validators.clear();
    m_restartQueued = false;
    m_changeRestarts = 0;
    m_identity = ApTvoResumeState();
    m_identity.url = ApTvoResumeState::addressOf(m_task.url);
    m_complete = false;
    m_task.noRetry.store(false);
    const bool retry = m_task.failedConnections.load() == -1;

    // An earlier run wrote the whole file, and a stop or an exit came before
    // the task was stored as completed: the file is complete, nothing is
    // fetched again.
    const qint64 finished = ApTaskStore().finishedFileSize(m_task.id, m_task.savePath);
    if (finished > 0) {
        completeWithoutTransfer(finished);
        m_task.startTimeMs.store(QDateTime::currentMSecsSinceEpoch());
        exec();
        endRun();
        ZANTOR_THREAD_FINISHED(this);
        return;
    }

    // An earlier run left a record: verify the remote file and fetch only
    // what is missing. Without a usable record the run starts at byte 0.
    m_probing = !m_task.rangesRefused.load() && m_resume.load(m_task.savePath)
        && m_resume.url == ApTvoResumeState::addressOf(m_task.url) && QFileInfo(m_task.savePath).size() == m_resume.size
        && (m_task.protocol == ApTvoTask::Ftp ? !m_resume.ftpModified.isEmpty()
                                                : !m_resume.ifRangeValue().isEmpty());
    if (m_probing) {
        m_pool = m_resume.done.gaps(m_resume.size);
        m_probing = !m_pool.isEmpty();
    }
    if (!m_probing) {
        m_pool.clear();
        ApTvoResumeState::remove(m_task.savePath);
        // Nothing of an earlier run is kept: this one starts at byte 0.
        m_task.completed.store(0);
        m_task.lastCompleted.store(0);
        m_task.total.store(0);
        keepShownRanges(ApByteRanges(), 0);
    }

    ApTvoHttpFtpDownloader *first = createConnection(m_task.protocol, m_task.url, m_probing);
    if (first && m_probing) {
        if (retry) {
            // The retry keeps to one connection, but continues the file.
            m_task.failedConnections.store(0);
            m_task.singleStream.store(true);
        }
        const ApByteRanges::Range gap = m_pool.takeFirst();
        first->setRange(gap.first, gap.second);
        first->setResumeProbe(true);
        m_done = m_resume.done;
        // The bytes already there count as done, not as this pass's speed.
        m_task.completed.store(m_done.bytes());
        m_task.lastCompleted.store(m_done.bytes());
        keepShownRanges(m_done, m_resume.size);
    } else {
        m_task.singleStream.store(retry);
    }
    if (first) {
        first->start();
    } else {
        // No connection type serves this protocol in this build: the task
        // fails like a connection that cannot reach its server.
        m_task.countFailedConnection();
        m_task.connectionStarted();
    }
    m_task.startTimeMs.store(QDateTime::currentMSecsSinceEpoch());
    exec();
    endRun();
    ZANTOR_THREAD_FINISHED(this);
}

void ApTvoDownloadTaskThread::dropConnections()
{
    QList<ApTvoHttpFtpDownloader *> connections;
    {
        QMutexLocker lock(&m_connectionsLock);
        connections.swap(m_connections);
    }
    for (ApTvoHttpFtpDownloader *c : connections)
        c->stop();
    qDeleteAll(connections);
}

void ApTvoDownloadTaskThread::completeWithoutTransfer(qint64 size)
{
    m_complete = true;
    ApTvoResumeState::remove(m_task.savePath);
    m_task.failedConnections.store(0);
    m_task.total.store(size);
    m_task.sizeUnknown.store(0);
    m_task.completed.store(size);
    m_task.lastCompleted.store(size);
    m_task.headerReceived.store(true);
    // The completion pass completes it like a run that just ended.
    m_task.connectionStarted();
}

void ApTvoDownloadTaskThread::recordFinished()
{
    const QByteArray path = QFile::encodeName(m_task.savePath);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st;
    // On disk before the note says so.
    const bool ok = ::fdatasync(fd) == 0 && ::fstat(fd, &st) == 0;
    ::close(fd);
    if (ok && st.st_size > 0)
        ApTaskStore().writeFinishedFile(m_task.id, st.st_size,
                                        qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec);
}

void ApTvoDownloadTaskThread::endRun()
{
    const bool deleting = m_task.deleteFile.load();
    // What the record keeps is what the task has: its progress does not
    // fall back to 0 while it waits for a retry or a start.
    bool recorded = !deleting && saveResumeState();
    ApByteRanges kept = recorded ? doneRanges() : ApByteRanges();
    qint64 keptSize = m_identity.size;
    if (!recorded && !deleting && m_probing) {
        // The earlier run's record was never put to the test (the server
        // did not answer): it stands as it was.
        recorded = true;
        kept = m_resume.done;
        keptSize = m_resume.size;
    }
    dropConnections();
    delete m_multi;
    m_multi = nullptr;
    m_housekeeping = nullptr;
    m_probing = false;
    m_pool.clear();
    m_done.clear();

    const qint64 total = m_task.total.load();
    const qint64 completed = m_task.completed.load();
    m_task.percentFloor.store(total >= 100 && completed < total ? int(completed * 100 / total) : 0);
    if (recorded) {
        m_task.completed.store(kept.bytes());
        m_task.total.store(keptSize);
        keepShownRanges(kept, keptSize);
    } else if (!m_complete || deleting) {
        m_task.total.store(0);
        m_task.completed.store(0);
        keepShownRanges(ApByteRanges(), 0);
    }
    m_task.lastCompleted.store(m_task.completed.load());
    m_task.sizeUnknown.store(0);
    m_task.activeConnections.store(0);
    m_task.idlePasses.store(0);
    m_task.failedConnections.store(0);
    m_task.headerReceived.store(false);
    m_task.singleStream.store(false);
    // A run that made the file and failed before its first byte leaves
    // nothing behind.
    const bool nothingFetched = !m_complete && completed == 0 && !recorded;
    if (deleting || (m_fileCreated && nothingFetched)) {
        QFile::remove(m_task.savePath);
        ApTvoResumeState::remove(m_task.savePath);
    }
    m_fileCreated = false;
}

ApByteRanges ApTvoDownloadTaskThread::doneRanges() const
{
    ApByteRanges done = m_done;
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections)) {
        if (c->state() != ApTvoHttpFtpDownloader::Streaming)
            done.add(c->rangeStart(), c->position());
    }
    return done;
}

void ApTvoDownloadTaskThread::keepShownRanges(const ApByteRanges &done, qint64 size)
{
    QMutexLocker lock(&m_connectionsLock);
    m_shownDone = done;
    m_shownSize = size;
}

void ApTvoDownloadTaskThread::followPause()
{
    if (m_task.state.load() != ApTvoTask::Paused) {
        if (!m_pausedFor.isValid())
            return;
        m_pausedFor.invalidate();
        // Every parked connection asks again at once for what it lacks.
        const QList<ApTvoHttpFtpDownloader *> connections = m_connections;
        for (ApTvoHttpFtpDownloader *c : connections)
            c->unpark();
        return;
    }
    if (!m_pausedFor.isValid())
        m_pausedFor.start();
    // Without ranges, a closed transfer could only start again at byte 0:
    // such a task stays held, as does a single-stream retry.
    if (m_pausedFor.elapsed() < PauseGraceMs || m_task.rangesRefused.load() || m_task.singleStream.load()
        || m_task.total.load() <= 0)
        return;
    bool parked = false;
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections)) {
        if (c->state() == ApTvoHttpFtpDownloader::Streaming)
            return;
    }
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections))
        parked = c->park() || parked;
    if (!parked)
        return;
    saveResumeState();
    int talking = 0;
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections))
        talking += c->state() == ApTvoHttpFtpDownloader::Running ? 1 : 0;
    m_task.activeConnections.store(talking);
}

void ApTvoDownloadTaskThread::retire(ApTvoHttpFtpDownloader *c)
{
    if (c->state() != ApTvoHttpFtpDownloader::Streaming)
        m_done.add(c->rangeStart(), c->position());
}

void ApTvoDownloadTaskThread::rangeRefused(ApTvoHttpFtpDownloader *c)
{
    m_task.rangesRefused.store(true);
    if (c->remaining() > 0)
        m_pool.append(ApByteRanges::Range(c->position(), c->end()));
    retire(c);
    c->setRange(0, 0);
    c->setState(ApTvoHttpFtpDownloader::Idle);
}

void ApTvoDownloadTaskThread::sessionRefused(ApTvoHttpFtpDownloader *c)
{
    if (c->remaining() > 0)
        m_pool.append(ApByteRanges::Range(c->position(), c->end()));
    c->setRange(0, 0);
    c->setState(ApTvoHttpFtpDownloader::Idle);
}

ApFtpSessionLimits &ApTvoDownloadTaskThread::ftpSessionLimits()
{
    return m_manager ? m_manager->ftpSessionLimits() : m_ownFtpLimits;
}

bool ApTvoDownloadTaskThread::extendRange(ApTvoHttpFtpDownloader *c)
{
    for (int i = 0; i < m_pool.size(); ++i) {
        if (m_pool.at(i).first == c->end()) {
            c->setEnd(m_pool.takeAt(i).second);
            return true;
        }
    }
    return false;
}

void ApTvoDownloadTaskThread::allDataWritten()
{
    if (m_complete)
        return;
    m_complete = true;
    // Noted in the task's record before the resume record goes, so that a
    // stop, pause or exit before the completion pass never leaves the
    // task to be fetched again. A file with a checksum is noted once it
    // passed the check.
    const bool check = !m_task.expectedChecksum.isEmpty() && m_multi;
    if (!check)
        recordFinished();
    ApTvoResumeState::remove(m_task.savePath);
    if (!check)
        return;
    beginChecking();
    QTimer::singleShot(0, m_multi, [this] { verifyChecksum(); });
}

void ApTvoDownloadTaskThread::beginChecking()
{
    // Not complete before the check: the policing loop completes only a
    // downloading task. A file whose last byte came in while it was paused
    // is checked all the same, or a start would complete it unchecked; a
    // task deleted meanwhile stays so.
    if (!m_task.moveState(ApTvoTask::Downloading, ApTvoTask::Checking))
        m_task.moveState(ApTvoTask::Paused, ApTvoTask::Checking);
}

void ApTvoDownloadTaskThread::verifyChecksum()
{
    const QByteArray expected = m_task.expectedChecksum.trimmed().toLower().toLatin1();
    QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha256;
    bool known = true;
    switch (expected.size()) {
    case 32: algorithm = QCryptographicHash::Md5; break;
    case 40: algorithm = QCryptographicHash::Sha1; break;
    case 64: algorithm = QCryptographicHash::Sha256; break;
    default: known = false; break;
    }
    QByteArray actual;
    QFile file(m_task.savePath);
    if (known && file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(algorithm);
        if (hash.addData(&file))
            actual = hash.result().toHex();
    }
    if (!actual.isEmpty() && actual == expected) {
        recordFinished();
        m_task.moveState(ApTvoTask::Checking, ApTvoTask::Completed);
        return;
    }
    if (m_task.moveState(ApTvoTask::Checking, ApTvoTask::Failed)) {
        m_task.setFailureReason(QCoreApplication::translate("ApTvoDownloadTaskThread", "Checksum mismatch"));
        m_task.noRetry.store(true);
    }
}

void ApTvoDownloadTaskThread::refreshRate()
{
    const qint64 rate = m_manager ? m_manager->rateFor(m_task) : m_task.speedLimit.load();
    if (rate != m_rate) {
        refillTokens();
        m_rate = rate;
        if (m_rate > 0)
            m_tokens = qMin(m_tokens, qMax<double>(MinBurst, m_rate * BurstSeconds));
    }
}

void ApTvoDownloadTaskThread::refillTokens()
{
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 elapsed = now - m_lastRefillNs;
    m_lastRefillNs = now;
    if (m_rate <= 0)
        return;
    const double burst = qMax<double>(MinBurst, m_rate * BurstSeconds);
    m_tokens = qMin(burst, m_tokens + double(m_rate) * double(elapsed) / 1e9);
}

bool ApTvoDownloadTaskThread::admit(qint64 n)
{
    if (m_rate <= 0)
        return true;
    refillTokens();
    if (m_tokens <= 0)
        return false;
    // The bucket may go into debt by one chunk; the next ones wait for it.
    m_tokens -= double(n);
    return true;
}

bool ApTvoDownloadTaskThread::hasTokens()
{
    if (m_rate <= 0)
        return true;
    refillTokens();
    return m_tokens > 0;
}

ApTvoHttpFtpDownloader *ApTvoDownloadTaskThread::createConnection(int protocol, const QString &url,
                                                                  bool ranged)
{
    ApTvoHttpFtpDownloader *c;
    if (protocol == ApTvoTask::Http)
        c = new ApTvoHttp(&m_task);
    else if (protocol == ApTvoTask::Ftp)
        c = new ApTvoFtp(&m_task);
    else
        return nullptr;
    c->setUrl(url);
    c->setRanged(ranged);
    QMutexLocker lock(&m_connectionsLock);
    m_connections.append(c);
    return c;
}

void ApTvoDownloadTaskThread::firstResponseWithSize(ApTvoHttpFtpDownloader *first)
{
    int failed = m_task.failedConnections.load();
    if (failed != 0 || m_task.singleStream.load()) {
        // A retried task keeps to its first connection.
        m_task.failedConnections.store(0);
        return;
    }
    // A server without byte ranges: the first connection fetches it all.
    if (m_task.rangesRefused.load())
        return;
    if (!m_task.mirrors.isEmpty())
        addMirrorConnections();
    else
        addSplitConnections(first->url(), first->protocol());
}

void ApTvoDownloadTaskThread::addSplitConnections(const QString &url, int protocol)
{
    int count = m_task.settings ? m_task.settings->values().splitBound : 4;
    if (protocol == ApTvoTask::Ftp)
        count = ftpSessionLimits().room(ApFtpSessionLimits::hostKey(url), count);
    for (int i = 0; i < count; ++i) {
        ApTvoHttpFtpDownloader *c = createConnection(protocol, url, true);
        takeWork(c);
    }
}

void ApTvoDownloadTaskThread::addMirrorConnections()
{
    for (const QString &mirror : qAsConst(m_task.mirrors)) {
        int protocol;
        if (mirror.startsWith(QLatin1String("http://")) || mirror.startsWith(QLatin1String("https://")))
            protocol = ApTvoTask::Http;
        else if (mirror.startsWith(QLatin1String("ftp://")))
            protocol = ApTvoTask::Ftp;
        else
            continue;
        if (ApTvoHttpFtpDownloader *c = createConnection(protocol, mirror, true))
            takeWork(c);
    }
}

void ApTvoDownloadTaskThread::takeWork(ApTvoHttpFtpDownloader *x)
{
    retire(x);
    x->setRange(0, 0);
    x->setState(ApTvoHttpFtpDownloader::Idle);
    x->setResumeProbe(false);
    if (m_task.rangesRefused.load())
        return;

    const qint64 threshold =
        m_task.settings ? m_task.settings->values().splitThreshold : 2097152;
    ApTvoHttpFtpDownloader *donor = nullptr;
    bool donorFailed = false;
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections)) {
        if (c == x || c->state() != ApTvoHttpFtpDownloader::Failed)
            continue;
        if (c->remaining() > 0) {
            donor = c;
            donorFailed = true;
            break;
        }
        // A failed connection with nothing left to fetch needs no successor.
        retire(c);
        c->setRange(0, 0);
        c->setState(ApTvoHttpFtpDownloader::Idle);
        if (m_task.failedConnections.load() > 0)
            --m_task.failedConnections;
    }
    if (!donor && !m_pool.isEmpty()) {
        // Ranges an earlier run did not finish come first, largest first;
        // they are taken whole whatever their size.
        int best = 0;
        for (int i = 1; i < m_pool.size(); ++i) {
            if (m_pool.at(i).second - m_pool.at(i).first > m_pool.at(best).second - m_pool.at(best).first)
                best = i;
        }
        const ApByteRanges::Range gap = m_pool.takeAt(best);
        x->setRange(gap.first, gap.second);
        x->setRanged(true);
        x->start();
        return;
    }
    if (!donor) {
        qint64 largest = 0;
        for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections)) {
            if (c->remaining() > largest) {
                largest = c->remaining();
                donor = c;
            }
        }
        if (!donor || largest <= threshold)
            return;
    }

    qint64 first;
    qint64 end = donor->end();
    if (donorFailed) {
        first = donor->position();
        retire(donor);
        donor->setRange(0, 0);
        donor->setState(ApTvoHttpFtpDownloader::Idle);
        if (m_task.failedConnections.load() > 0)
            --m_task.failedConnections;
    } else {
        first = donor->position() + (end - donor->position()) / 2;
        donor->setEnd(first);
    }
    x->setRange(first, end);
    x->setRanged(true);
    x->start();
}

void ApTvoDownloadTaskThread::replaceStalled(ApTvoHttpFtpDownloader *stalled)
{
    if (m_task.total.load() <= 0 || m_task.rangesRefused.load() || stalled->remaining() <= 0
        || stalled->state() != ApTvoHttpFtpDownloader::Failed)
        return;
    // takeWork hands the new connection the range of a failed one, from
    // where that one stopped.
    if (ApTvoHttpFtpDownloader *c = createConnection(stalled->protocol(), stalled->url(), true))
        takeWork(c);
}

void ApTvoDownloadTaskThread::markSlices(ApTvoHttpFtpDownloader *connection)
{
    QMutexLocker lock(&m_connectionsLock);
    markSlicesLocked(connection);
}

void ApTvoDownloadTaskThread::markSlicesLocked(ApTvoHttpFtpDownloader *c)
{
    const qint64 block = c->blockSize();
    if (block <= 0 || !c->sliceVectorSized())
        return;
    QVector<int> &flags = c->sliceFlags();
    const qint64 start = c->rangeStart();
    qint64 first = start / block;
    if (start % block > block / 2)
        ++first;
    const qint64 last = qMin<qint64>(c->position() / block, flags.size());
    for (qint64 i = first; i < last; ++i)
        flags[int(i)] = 1;
    if (m_task.mediaFlag && !m_task.previewReady.load() && first == 0) {
        const qint64 threshold =
            m_task.settings ? m_task.settings->values().previewThreshold : 1258291;
        if (threshold < last * block)
            m_task.previewReady.store(true);
    }
}

void ApTvoDownloadTaskThread::sizeSliceVector(ApTvoHttpFtpDownloader *connection, int sliceCount)
{
    QMutexLocker lock(&m_connectionsLock);
    connection->sizeSliceVector(sliceCount);
}

QList<ApTvoConnectionSnapshot> ApTvoDownloadTaskThread::connectionSnapshots()
{
    QMutexLocker lock(&m_connectionsLock);
    QList<ApTvoConnectionSnapshot> list;
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections)) {
        markSlicesLocked(c);
        ApTvoConnectionSnapshot s;
        s.state = c->state();
        // A transfer held in the grace of a pause is paused as well.
        if (m_task.state.load() == ApTvoTask::Paused
            && (s.state == ApTvoHttpFtpDownloader::Running || s.state == ApTvoHttpFtpDownloader::Streaming))
            s.state = ApTvoHttpFtpDownloader::Paused;
        s.start = c->rangeStart();
        s.position = c->position();
        s.end = c->end();
        s.bytesReceived = c->bytesReceived();
        s.url = c->url();
        s.sliceFlags = c->sliceVectorSized() ? c->sliceFlags() : QVector<int>();
        list.append(s);
    }
    return list;
}

QVector<int> ApTvoDownloadTaskThread::sliceUnion()
{
    QVector<int> result;
    for (const ApTvoConnectionSnapshot &s : connectionSnapshots()) {
        if (s.sliceFlags.isEmpty())
            continue;
        if (result.size() < s.sliceFlags.size())
            result.resize(s.sliceFlags.size());
        for (int i = 0; i < s.sliceFlags.size(); ++i)
            result[i] |= s.sliceFlags[i];
    }
    return result;
}

QVector<int> ApTvoDownloadTaskThread::fileSlices(int sliceCount)
{
    QMutexLocker lock(&m_connectionsLock);
    const qint64 size = m_task.total.load() > 0 ? m_task.total.load() : m_shownSize;
    if (size <= 0 || sliceCount <= 0)
        return {};
    ApByteRanges done = m_shownDone;
    for (ApTvoHttpFtpDownloader *c : qAsConst(m_connections)) {
        if (c->state() != ApTvoHttpFtpDownloader::Streaming)
            done.add(c->rangeStart(), c->position());
    }
    // A slice counts once the bytes cover it all; the last one ends with
    // the file.
    QVector<int> slices(sliceCount, 0);
    for (const ApByteRanges::Range &r : done.ranges()) {
        for (int i = 0; i < sliceCount; ++i) {
            const qint64 first = size * i / sliceCount;
            const qint64 end = size * (i + 1) / sliceCount;
            if (first >= r.first && end <= r.second)
                slices[i] = 1;
        }
    }
    return slices;
}

int ApTvoDownloadTaskThread::connectionCount()
{
    QMutexLocker lock(&m_connectionsLock);
    return m_connections.size();
}
