#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>

#include "apftpsessionlimits.h"
#include "aptvoresumestate.h"
#include "aptvotask.h"

class ApCurlMulti;
class ApTvoHttpFtpDownloader;
class ApTvoManager;
class ApplicationInfo;
class QTimer;

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
    // The file's slices as its finished bytes give them: those of earlier
    // runs (the resume record) and those of every connection of this one.
    // Kept after a run ends, so a paused, stopped or failed task shows what
    // it has. Empty while the size is unknown. Safe from any thread.
    QVector<int> fileSlices(int sliceCount);
    int connectionCount();

    // Called by connections, in this thread's event loop.
    ApCurlMulti *curlMulti() const { return m_multi; }
    void takeWork(ApTvoHttpFtpDownloader *connection);
    // A connection was dropped for sending nothing: a new one takes over
    // the rest of its range, where the file's size allows ranges.
    void replaceStalled(ApTvoHttpFtpDownloader *stalled);
    void firstResponseWithSize(ApTvoHttpFtpDownloader *first);
    // Connections of the first one's protocol; FTP ones no more than the
    // server is known to accept besides the sessions already open.
    void addSplitConnections(const QString &url, int protocol = ApTvoTask::Http);
    void addMirrorConnections();
    void markSlices(ApTvoHttpFtpDownloader *connection);
    void sizeSliceVector(ApTvoHttpFtpDownloader *connection, int sliceCount);

    // What identifies the remote file, learnt from the first response; the
    // resume record is kept only once a validator is known.
    void setRemoteIdentity(qint64 size, const QByteArray &etag, const QByteArray &lastModified);
    void setFtpModified(const QByteArray &modified);
    // The record of an earlier run that the first connection verifies
    // (HTTP "If-Range", FTP size and date); null when this run starts at 0.
    const ApTvoResumeState *resumeToVerify() const { return m_probing ? &m_resume : nullptr; }
    // The remote file is the one of the record: the missing ranges are
    // fetched, the probe serving the first of them.
    void resumeAccepted(ApTvoHttpFtpDownloader *probe);
    // The remote file changed or cannot be fetched in ranges: start at 0.
    void resumeRejected();
    // A ranged request was answered with the whole file: the range goes
    // back, and the file is no longer split.
    void rangeRefused(ApTvoHttpFtpDownloader *connection);
    // A server refused one more session of a connection that had not begun
    // its range: the range goes back, to whoever reaches its start first,
    // and the connection stays idle for this run.
    void sessionRefused(ApTvoHttpFtpDownloader *connection);
    ApFtpSessionLimits &ftpSessionLimits();
    // A connection reaching its end takes on a returned range that starts
    // there (a server without ranges, a refused session), so its stream
    // goes on instead of a new one. True when extended.
    bool extendRange(ApTvoHttpFtpDownloader *connection);
    // Validators of the remote file as each URL first reported them. A
    // ranged request to a URL carries "If-Range" with its validator (a
    // strong entity tag, else the date); a later response whose validators
    // differ is of another file. The first response from a URL sets them.
    QByteArray ifRangeFor(const QString &url) const;
    bool sameRemoteFile(const QString &url, const QByteArray &etag, const QByteArray &lastModified);
    bool sameFtpFile(const QString &url, const QByteArray &modified);
    // The file was replaced on the server: what this run wrote is of no
    // use, the run starts again at byte 0 (once the calling callback has
    // returned); a file that keeps changing fails the task.
    void remoteFileChanged();
    // Every byte of the file is written: the resume record goes, and the
    // checksum (when one is expected) is checked in this thread.
    void allDataWritten();
    // The file is complete and its checksum is due: no pause or start lets
    // it pass as completed before the check.
    void beginChecking();

    // Speed limit of this run: false when n bytes must wait.
    bool admit(qint64 n);
    bool hasTokens();
    qint64 rate() const { return m_rate; }
    // Writes the resume record now (also done a few times a second); false
    // when there is none to write (no validator, no ranges, complete).
    bool saveResumeState();
    // A connection created the task's file (it did not exist before).
    void fileCreated() { m_fileCreated = true; }

protected:
    void run() override;

private:
    ApTvoHttpFtpDownloader *createConnection(int protocol, const QString &url, bool ranged);
    void markSlicesLocked(ApTvoHttpFtpDownloader *connection);
    void endRun();
    // Stops and deletes every connection of the run.
    void dropConnections();
    // The file of an earlier run is complete: this run only reports it.
    void completeWithoutTransfer(qint64 size);
    // Notes in the task's record that its file is complete on disk.
    void recordFinished();
    void retire(ApTvoHttpFtpDownloader *connection);
    void refreshRate();
    void refillTokens();
    void verifyChecksum();
    // What the connections of this run and the earlier runs have written.
    ApByteRanges doneRanges() const;
    void keepShownRanges(const ApByteRanges &done, qint64 size);
    // Closes the transfers of a paused task after a short grace and opens
    // them all again, each for the rest of its range, when it goes on.
    void followPause();
    void restartAtZero();

    ApTvoTask m_task;
    ApTvoManager *m_manager;
    const ApplicationInfo *m_info;
    ApCurlMulti *m_multi = nullptr;
    // Guards the list and the connections' slice vectors against the
    // window's readers; the list is only changed in this thread.
    QMutex m_connectionsLock;
    QList<ApTvoHttpFtpDownloader *> m_connections;

    // Resume: the record read at the start of the run, whether the first
    // connection verifies it, what this run knows of the remote file,
    // ranges finished by connections that moved on, and missing ranges that
    // no connection serves yet. Task thread only.
    ApTvoResumeState m_resume;
    bool m_probing = false;
    ApTvoResumeState m_identity;
    ApByteRanges m_done;
    QVector<ApByteRanges::Range> m_pool;
    // Used only without a manager (which owns the table of the program).
    ApFtpSessionLimits m_ownFtpLimits;
    bool m_complete = false;
    bool m_fileCreated = false;
    struct Validators
    {
        QByteArray etag;
        QByteArray lastModified;
        QByteArray ftpModified;
    };
    QHash<QString, Validators> m_validators;
    bool m_restartQueued = false;
    int m_changeRestarts = 0;
    QTimer *m_housekeeping = nullptr;
    QElapsedTimer m_pausedFor;
    // Finished ranges and file size for fileSlices(), under the lock.
    ApByteRanges m_shownDone;
    qint64 m_shownSize = 0;

    // Token bucket of the speed limit; task thread only.
    qint64 m_rate = 0;
    double m_tokens = 0;
    qint64 m_lastRefillNs = 0;
    QElapsedTimer m_clock;

    Q_DISABLE_COPY(ApTvoDownloadTaskThread)
};
