#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalSocket;
class QTextDecoder;
class QTimer;

// Reads the one framed message that a second start hands to the running
// instance, without letting a client tie up the process: a message is at
// most MaxMessageBytes, a connection must deliver its frame within the
// deadline and in UTF-8, and only MaxConnections are kept at once (a new one
// pushes out the oldest). Everything else is dropped and the endpoint goes
// on serving. Each read scans only the bytes that arrived since the last.
class IpcInbox final : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxMessageBytes = 64 * 1024;
    static constexpr int DefaultDeadlineMs = 20000;
    static constexpr int MaxConnections = 8;

    enum Result { Incomplete, Complete, Dropped };

    explicit IpcInbox(QObject *parent = nullptr, int deadlineMs = DefaultDeadlineMs);
    ~IpcInbox() override;

    // Puts a newly accepted connection under watch.
    void admit(QLocalSocket *connection);
    // Reads what has arrived. Complete: the frame's pieces are in `pieces`
    // and the caller closes the connection when done. Dropped: the
    // connection broke a rule and is already closed.
    Result read(QLocalSocket *connection, QStringList *pieces);
    // Aborts the connection and schedules its deletion.
    void close(QLocalSocket *connection);
    // Writes an answer frame and then closes the connection once it is out
    // (within the deadline): for senders that wait for an outcome.
    void reply(QLocalSocket *connection, const QString &frame);
    int connectionCount() const { return m_entries.size(); }

signals:
    // Emitted for every connection that leaves the inbox, for any reason.
    void connectionClosed(QLocalSocket *connection);

private:
    Q_DISABLE_COPY(IpcInbox)
    struct Entry;
    // Takes the connection out of the inbox without closing it.
    void release(QLocalSocket *connection);

    int m_deadlineMs;
    QHash<QLocalSocket *, Entry *> m_entries;
    QList<QLocalSocket *> m_order;  // oldest first
};

// The framing check on its own, for one buffer: the pieces of the first
// complete frame. Used by the inbox and by the parser tests.
namespace IpcFrame {
// Scans buffer from `from` for the end of the first frame; returns the
// index of its "}" or -1. `open` is the index of the first "{" (-1 while
// none was seen) and is updated.
int findEnd(const QByteArray &buffer, int from, int *open);
}
