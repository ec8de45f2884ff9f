#include "aptvodownloadtaskthread.h"

#include <QDateTime>
#include <QFile>
#include <QMutexLocker>

#include "apcurlmulti.h"
#include "crashhandler.h"
#include "aptvodownloader.h"
#include "aptvoftp.h"
#include "aptvohttp.h"
#include "aptvosettings.h"

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
    wait();
}

void ApTvoDownloadTaskThread::run()
{
    CrashHandler::prepareCurrentThread();
    m_task.setFailureReason(QString());
    m_multi = new ApCurlMulti;
    m_multi->setResumeCheck([this] { return m_task.state.load() != ApTvoTask::Paused; });
    ApTvoHttpFtpDownloader *first = createConnection(m_task.protocol, m_task.url, false);
    if (first) {
        first->start();
    } else {
        // No connection type serves this protocol in this build: the task
        // fails like a connection that cannot reach its server.
        m_task.countFailedConnection();
        m_task.state.store(ApTvoTask::Downloading);
    }
    m_task.startTimeMs.store(QDateTime::currentMSecsSinceEpoch());
    exec();
    endRun();
}

void ApTvoDownloadTaskThread::endRun()
{
    QList<ApTvoHttpFtpDownloader *> connections;
    {
        QMutexLocker lock(&m_connectionsLock);
        connections.swap(m_connections);
    }
    for (ApTvoHttpFtpDownloader *c : connections)
        c->stop();
    qDeleteAll(connections);
    delete m_multi;
    m_multi = nullptr;

    const qint64 total = m_task.total.load();
    const qint64 completed = m_task.completed.load();
    m_task.percentFloor.store(total >= 100 && completed < total ? int(completed * 100 / total) : 0);
    m_task.total.store(0);
    m_task.sizeUnknown.store(0);
    m_task.completed.store(0);
    m_task.lastCompleted.store(0);
    m_task.activeConnections.store(0);
    m_task.idlePasses.store(0);
    m_task.failedConnections.store(0);
    m_task.headerReceived.store(false);
    if (m_task.deleteFile.load())
        QFile::remove(m_task.savePath);
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
    if (failed != 0) {
        // A retried task keeps to its first connection.
        m_task.failedConnections.store(0);
        return;
    }
    if (!m_task.mirrors.isEmpty())
        addMirrorConnections();
    else if (m_task.protocol == ApTvoTask::Http)
        addSplitConnections(first->url());
}

void ApTvoDownloadTaskThread::addSplitConnections(const QString &url)
{
    const int bound = m_task.settings ? m_task.settings->values().splitBound : 4;
    for (int i = 0; i < bound; ++i) {
        ApTvoHttpFtpDownloader *c = createConnection(ApTvoTask::Http, url, true);
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
    x->setRange(0, 0);
    x->setState(ApTvoHttpFtpDownloader::Idle);

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
        c->setRange(0, 0);
        c->setState(ApTvoHttpFtpDownloader::Idle);
        if (m_task.failedConnections.load() > 0)
            --m_task.failedConnections;
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

int ApTvoDownloadTaskThread::connectionCount()
{
    QMutexLocker lock(&m_connectionsLock);
    return m_connections.size();
}
