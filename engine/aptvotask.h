#pragma once

#include <QDateTime>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>

#include <atomic>

class ApTvoDownloadTaskThread;
class ApTvoSettings;

// In-memory state of one task run. The task thread and its connections
// write the counters; the policing loop and the window read them from other
// threads, hence atomics. The texts are set before the thread runs and are
// not changed while it runs.
struct ApTvoTask
{
    enum State {
        Loading = 0,
        Downloading = 1,
        Paused = 3,
        Stopped = 4,
        Completed = 5,
        Checking = 6,
        Failed = 7,
        Deleted = 8,
        DeletedWithFiles = 9,
        // Registered, waiting for a transfer slot; its thread is not running.
        Queued = 10
    };
    enum Protocol { Http = 0, Ftp = 1 };

    int protocol = Http;
    ApTvoDownloadTaskThread *thread = nullptr;
    ApTvoSettings *settings = nullptr;
    QString savePath;
    qint64 id = 0;

    std::atomic<qint64> total{0};
    std::atomic<int> sizeUnknown{1};
    std::atomic<qint64> completed{0};
    std::atomic<qint64> lastCompleted{0};
    std::atomic<qint64> startTimeMs{0};      // ms since 1970 UTC when the run began
    std::atomic<int> state{Loading};
    int storedState = 0;
    std::atomic<int> activeConnections{0};
    int urlCount = 1;
    QString url;
    QString referer;
    QStringList mirrors;
    // Connections that failed and whose range nobody has taken over yet;
    // -1 asks the next run for the single-stream fallback.
    std::atomic<int> failedConnections{0};
    std::atomic<int> percentFloor{0};
    bool mediaFlag = false;
    std::atomic<bool> previewReady{false};
    std::atomic<bool> headerReceived{false};
    std::atomic<int> idlePasses{0};
    std::atomic<bool> deleteFile{false};

    // The task's own download limit in bytes per second (0 = none); the
    // window may change it while the task runs.
    std::atomic<qint64> speedLimit{0};
    // Hex digest the finished file must have; empty = no check. Set before
    // the thread runs.
    QString expectedChecksum;
    // The last failure is one a retry cannot mend (a wrong checksum).
    std::atomic<bool> noRetry{false};
    // The server does not serve byte ranges: the file is fetched by the
    // first connection alone. Kept across runs of the task.
    std::atomic<bool> rangesRefused{false};
    // This run keeps to one connection (a retry after a failure).
    std::atomic<bool> singleStream{false};

    // Moves the state from `from` to `to` only while it is still `from`, so
    // that a change another thread made meanwhile is never overwritten.
    bool moveState(int from, int to) { return state.compare_exchange_strong(from, to); }

    // A connection has started: a task that was loading, stopped or failed
    // is downloading again. A pause or a delete the user asked for stays,
    // as does a finished or checked file: the user's commands win over a
    // connection's start.
    void connectionStarted()
    {
        int v = state.load();
        while ((v == Loading || v == Stopped || v == Failed) && !state.compare_exchange_weak(v, Downloading)) {
        }
    }

    // A failure of one connection: the fallback request (-1) counts as 0.
    void countFailedConnection()
    {
        int v = failedConnections.load();
        while (!failedConnections.compare_exchange_weak(v, (v < 0 ? 0 : v) + 1)) {
        }
    }

    // Why the last run failed, in words a user understands; empty while
    // nothing failed. Written by connections and the policing loop, read by
    // the window, so it is behind its own lock.
    void setFailureReason(const QString &reason)
    {
        QMutexLocker lock(&m_reasonLock);
        m_failureReason = reason;
    }
    QString failureReason() const
    {
        QMutexLocker lock(&m_reasonLock);
        return m_failureReason;
    }

    QDateTime startTime() const
    {
        return QDateTime::fromMSecsSinceEpoch(startTimeMs.load(), Qt::UTC);
    }

private:
    mutable QMutex m_reasonLock;
    QString m_failureReason;
};
