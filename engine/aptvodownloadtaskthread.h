#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>

#include "aptvotask.h"

class ApCurlMulti;
class ApTvoHttpFtpDownloader;
class ApTvoManager;
class ApplicationInfo;

// What the window may show of one connection, copied under the lock.
struct ApTvoConnectionSnapshot
{
    int state = 0;
    qint64 start = 0;
    qint64 position = 0;
    qint64 end = 0;
    qint64 bytesReceived = 0;
    QString url;
    QVector<int> sliceFlags;   // empty until the connection has started once
};

// One download task: its thread runs an event loop in which the task's
// connections live. The first connection asks for the whole file; further
// connections split the largest remaining range among themselves.
class ApTvoDownloadTaskThread final : public QThread
{
    Q_OBJECT
public:
    ApTvoDownloadTaskThread(ApTvoManager *manager, const ApplicationInfo *info,
                            QObject *parent = nullptr);
    ~ApTvoDownloadTaskThread() override;

    ApTvoTask &task() { return m_task; }
    const ApTvoTask &task() const { return m_task; }
    ApTvoManager *manager() const { return m_manager; }
    const ApplicationInfo *applicationInfo() const { return m_info; }

    // Operations of the policing loop, called from other threads.
    void startTask();
    // Ends the event loop and waits for the run to finish, without time limit.
    void stopTask();
    void setEngineState(int state) { m_task.state.store(state); }
    void setFailedConnections(int count) { m_task.failedConnections.store(count); }
    void setDeleteFile(bool on) { m_task.deleteFile.store(on); }
    bool deleteFile() const { return m_task.deleteFile.load(); }

    // Connections of the current run, with their slices marked up to their
    // position. Safe from any thread.
    QList<ApTvoConnectionSnapshot> connectionSnapshots();
    // Slice i is done when any connection that has started has it set.
    QVector<int> sliceUnion();
    int connectionCount();

    // Called by connections, in this thread's event loop.
    ApCurlMulti *curlMulti() const { return m_multi; }
    void takeWork(ApTvoHttpFtpDownloader *connection);
    void firstResponseWithSize(ApTvoHttpFtpDownloader *first);
    void addSplitConnections(const QString &url);
    void addMirrorConnections();
    void markSlices(ApTvoHttpFtpDownloader *connection);
    void sizeSliceVector(ApTvoHttpFtpDownloader *connection, int sliceCount);

protected:
    void run() override;

private:
    ApTvoHttpFtpDownloader *createConnection(int protocol, const QString &url, bool ranged);
    void markSlicesLocked(ApTvoHttpFtpDownloader *connection);
    void endRun();

    ApTvoTask m_task;
    ApTvoManager *m_manager;
    const ApplicationInfo *m_info;
    ApCurlMulti *m_multi = nullptr;
    // Guards the list and the connections' slice vectors against the
    // window's readers; the list is only changed in this thread.
    QMutex m_connectionsLock;
    QList<ApTvoHttpFtpDownloader *> m_connections;

    Q_DISABLE_COPY(ApTvoDownloadTaskThread)
};
