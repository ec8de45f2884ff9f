#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>

class QFile;
struct ApTvoTask;

// Base of everything that downloads for a task.
class ApTvoDownloader : public QObject
{
    Q_OBJECT
public:
    explicit ApTvoDownloader(QObject *parent = nullptr) : QObject(parent) {}

private:
    Q_DISABLE_COPY(ApTvoDownloader)
};

// One connection of a split download: it serves the byte range
// [start, end) and writes it into the task's file from position on.
// Range fields are atomics because the information panel reads them from
// the GUI thread while the task thread moves them.
class ApTvoHttpFtpDownloader : public ApTvoDownloader
{
    Q_OBJECT
public:
    // Paused: the transfer was closed while the task is paused; the range
    // stays and is asked for again when the task goes on.
    enum State { Idle = 0, Running = 1, Paused = 3, RangeDone = 5, Failed = 7, Streaming = 10 };

    ApTvoHttpFtpDownloader(ApTvoTask *task, int protocol, QObject *parent = nullptr)
        : ApTvoDownloader(parent), m_task(task), m_protocol(protocol)
    {
    }
    ~ApTvoHttpFtpDownloader() override;

    ApTvoTask *task() const { return m_task; }
    int protocol() const { return m_protocol; }

    int state() const { return m_state.load(); }
    void setState(int state) { m_state.store(state); }
    bool isRanged() const { return m_ranged; }
    void setRanged(bool ranged) { m_ranged = ranged; }
    qint64 rangeStart() const { return m_start.load(); }
    qint64 position() const { return m_position.load(); }
    qint64 end() const { return m_end.load(); }
    qint64 remaining() const { return m_end.load() - m_position.load(); }
    void setRange(qint64 first, qint64 end)
    {
        m_start.store(first);
        m_position.store(first);
        m_end.store(end);
    }
    void setEnd(qint64 end) { m_end.store(end); }
    // The connection verifies an earlier run's record with its request.
    bool isResumeProbe() const { return m_resumeProbe; }
    void setResumeProbe(bool on) { m_resumeProbe = on; }
    // The window copies the URL while redirects change it.
    QString url() const
    {
        QMutexLocker lock(&m_urlLock);
        return m_url;
    }
    void setUrl(const QString &url)
    {
        QMutexLocker lock(&m_urlLock);
        m_url = url;
    }
    qint64 blockSize() const { return m_blockSize.load(); }
    qint64 bytesReceived() const { return m_bytesReceived.load(); }

    // Guarded by the task thread's connection lock.
    QVector<int> &sliceFlags() { return m_sliceFlags; }
    bool sliceVectorSized() const { return m_sliceVectorSized; }
    void sizeSliceVector(int sliceCount)
    {
        if (m_sliceVectorSized)
            return;
        m_sliceFlags.fill(0, sliceCount);
        m_sliceVectorSized = true;
    }

    // Closes a running transfer of a paused task and keeps its range;
    // false when this connection has no transfer to close.
    bool park();
    // Asks again for the rest of the range of a parked connection.
    void unpark();

public slots:
    virtual void start() = 0;
    virtual void stop() = 0;

protected:
    // True while the task is paused, or while n more bytes would take it
    // past its speed limit: the write callback then hands libcurl
    // CURL_WRITEFUNC_PAUSE and the transfer waits until it may go on.
    bool holdBack(void *easy, qint64 n);
    // Whether a transfer that ended before its range did is to be asked
    // again for the rest: after a pause, the server may have closed the
    // connection meanwhile. Prepares the connection for the new request.
    bool reopenAfterPause(bool cutShort);

    // Data of the accepted response, written by the rules both protocols
    // share: a stream of unknown size (with a total estimated ahead of the
    // data), or this connection's range, cut at its end. Returns false when
    // the transfer is to end here (range complete, cut, or failure).
    bool dataArrived(const char *data, qint64 n);
    // End of a transfer; error is the client's verdict.
    void connectionDone(bool error);
    // Counts a failure, marks the connection failed and ends its transfer.
    bool fail();
    // The same, with why it failed for the task's failure reason.
    bool fail(const QString &reason);
    void setFailureReason(const QString &reason);
    // Opens the task's file read-write (never truncating what other
    // connections wrote) and seeks to this connection's range start.
    bool openFile();
    // Gives the open file its full length and reserves the blocks.
    bool allocateFile(qint64 length);
    bool writeData(const char *data, qint64 n);
    void closeFile();
    void rangeDone();
    // Adds n written bytes to the task; the last ones complete the file.
    void addCompleted(qint64 n);

    ApTvoTask *m_task;
    int m_protocol;
    std::atomic<int> m_state{Idle};
    bool m_ranged = false;
    std::atomic<qint64> m_start{0};
    std::atomic<qint64> m_position{0};
    std::atomic<qint64> m_end{0};
    QString m_url;
    mutable QMutex m_urlLock;
    QVector<int> m_sliceFlags;
    bool m_sliceVectorSized = false;
    std::atomic<qint64> m_blockSize{0};
    std::atomic<qint64> m_bytesReceived{0};
    QFile *m_file = nullptr;
    // Set when this side ends the transfer itself; its end is no failure.
    bool m_aborted = false;
    // Set once a response was accepted whose data belongs in the file.
    bool m_bodyAccepted = false;
    bool m_resumeProbe = false;
    // The transfer was held by a pause since it last started.
    bool m_heldByPause = false;
    int m_reopens = 0;

private:
    Q_DISABLE_COPY(ApTvoHttpFtpDownloader)
};
