#include "ipcinbox.h"

#include <QLocalSocket>
#include <QTextCodec>
#include <QTimer>

#include "ipcmessage.h"

struct IpcInbox::Entry
{
    QByteArray buffer;
    int scanned = 0;
    int open = -1;
    std::unique_ptr<QTextDecoder> decoder;
    QTimer *deadline = nullptr;
};

namespace IpcFrame {

int findEnd(const QByteArray &buffer, int from, int *open)
{
    // "{" and "}" are single bytes in UTF-8 and never part of a longer
    // sequence, so the bytes can be searched directly.
    if (*open < 0) {
        *open = buffer.indexOf('{', from);
        if (*open < 0)
            return -1;
        from = *open + 1;
    }
    return buffer.indexOf('}', qMax(from, *open + 1));
}

} // namespace IpcFrame

IpcInbox::IpcInbox(QObject *parent, int deadlineMs)
    : QObject(parent)
    , m_deadlineMs(deadlineMs)
{
}

IpcInbox::~IpcInbox()
{
    qDeleteAll(m_entries);
}

void IpcInbox::admit(QLocalSocket *connection)
{
    if (m_entries.contains(connection))
        return;
    while (m_order.size() >= MaxConnections)
        close(m_order.first());

    auto *entry = new Entry;
    entry->decoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder());
    entry->deadline = new QTimer(connection);
    entry->deadline->setSingleShot(true);
    connect(entry->deadline, &QTimer::timeout, this, [this, connection] { close(connection); });
    entry->deadline->start(m_deadlineMs);
    m_entries.insert(connection, entry);
    m_order.append(connection);
    // A connection deleted by someone else leaves the inbox too.
    connect(connection, &QObject::destroyed, this, [this, connection] {
        if (Entry *gone = m_entries.take(connection)) {
            m_order.removeOne(connection);
            delete gone;
            emit connectionClosed(connection);
        }
    });
}

IpcInbox::Result IpcInbox::read(QLocalSocket *connection, QStringList *pieces)
{
    Entry *entry = m_entries.value(connection);
    if (!entry)
        return Dropped;
    const qint64 available = connection->bytesAvailable();
    if (entry->buffer.size() + available > MaxMessageBytes) {
        close(connection);
        return Dropped;
    }
    const QByteArray data = connection->read(available);
    entry->decoder->toUnicode(data);
    if (entry->decoder->hasFailure()) {
        close(connection);
        return Dropped;
    }
    entry->buffer += data;
    const int end = IpcFrame::findEnd(entry->buffer, entry->scanned, &entry->open);
    entry->scanned = entry->buffer.size();
    if (end < 0)
        return Incomplete;
    entry->deadline->stop();
    IpcMessage::parse(QString::fromUtf8(entry->buffer.constData(), end + 1), pieces);
    return Complete;
}

void IpcInbox::release(QLocalSocket *connection)
{
    if (Entry *entry = m_entries.take(connection)) {
        m_order.removeOne(connection);
        entry->deadline->stop();
        delete entry;
    }
    // Listeners let go of the connection before it is closed, so its
    // disconnected signal reaches nobody who would close it again.
    emit connectionClosed(connection);
    disconnect(connection, nullptr, this, nullptr);
}

void IpcInbox::close(QLocalSocket *connection)
{
    release(connection);
    connection->abort();
    connection->deleteLater();
}

void IpcInbox::reply(QLocalSocket *connection, const QString &frame)
{
    release(connection);
    if (connection->state() != QLocalSocket::ConnectedState) {
        connection->abort();
        connection->deleteLater();
        return;
    }
    // A sender that stops reading cannot hold the connection open.
    auto *deadline = new QTimer(connection);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, connection, [connection] {
        connection->abort();
        connection->deleteLater();
    });
    deadline->start(m_deadlineMs);
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    connection->write(frame.toUtf8());
    // Closes after the pending bytes are written.
    connection->disconnectFromServer();
}
