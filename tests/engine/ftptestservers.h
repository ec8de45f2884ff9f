#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QTcpServer;
class QTcpSocket;

namespace EngineTestKit {

// A real FTP server (pyftpdlib under the system interpreter) on 127.0.0.1:
// anonymous logins see anonymousRoot, the user sees userRoot. Its log keeps
// every command it received, in order.
class LocalFtpServer final
{
public:
    LocalFtpServer() = default;
    ~LocalFtpServer();
    bool start(const QString &anonymousRoot, const QString &userRoot, const QString &user,
               const QString &password);
    void stop();
    // Bytes per second each data connection sends at most (0: no limit);
    // set before start().
    void setRateLimit(qint64 bytesPerSecond) { m_rateLimit = bytesPerSecond; }
    // Control connections one address may hold at once (0: no limit); one
    // more is turned away with 421. Set before start().
    void setMaxSessionsPerAddress(int sessions) { m_maxPerAddress = sessions; }
    quint16 port() const { return m_port; }
    // ftp://[userInfo@]127.0.0.1:port/path; userInfo is used as written.
    QString url(const QString &path, const QString &userInfo = {}) const;
    // Commands received, as "peer|COMMAND ARGS" (passwords masked).
    QStringList commands();
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_log;
    quint16 m_port = 0;
    qint64 m_rateLimit = 0;
    int m_maxPerAddress = 0;
    QString m_error;
};

// One control connection of the scripted server, with what it received.
struct ScriptedFtpSession
{
    QList<QByteArray> commands;
};

// A small FTP server of our own for answers a real server will not give on
// demand: a fixed reply to any verb, a refused EPSV, a retrieval that ends
// early, a stream held back after some bytes, extra bytes past the file.
class ScriptedFtpServer final : public QObject
{
    Q_OBJECT
public:
    explicit ScriptedFtpServer(QObject *parent = nullptr);
    bool listen();
    quint16 port() const;
    QString url(const QString &path) const;

    void setFile(const QByteArray &path, const QByteArray &content) { m_files.insert(path, content); }
    // A verb answered with this reply line instead of the usual one
    // ("SIZE" -> "213 0", "SIZE" -> "550 No such file", "EPSV" -> "500 ...").
    void setReply(const QByteArray &verb, const QByteArray &reply) { m_replies.insert(verb, reply); }
    // A retrieval sends only this many bytes and still reports success.
    void setShortRetrieval(qint64 bytes) { m_shortRetrieval = bytes; }
    // Bytes sent after the file's end when a retrieval restarts (REST > 0).
    void setTailAfterRestart(const QByteArray &tail) { m_tail = tail; }
    // The data of a retrieval pauses after this many bytes until release().
    void holdAfter(qint64 bytes) { m_holdAfter = bytes; }
    // Once a retrieval's data is sent, the control connection stays silent:
    // no closing reply, no answer to QUIT (a server that hangs).
    void setSilentAfterData(bool silent) { m_silentAfterData = silent; }
    // Sessions beyond the first `sessions` are turned away while the
    // accepted ones go on: with an empty refusal the server stops listening
    // (the connection is refused), "close" drops them before the greeting,
    // a 421 line comes instead of the greeting, a 530 line answers USER.
    void refuseAfter(int sessions, const QByteArray &refusal = {})
    {
        m_acceptOnly = sessions;
        m_refusal = refusal;
    }
    void release();

    QList<ScriptedFtpSession> sessions() const { return m_sessions; }
    int retrievals() const;

signals:
    void released();

private:
    void incoming();
    void command(QTcpSocket *control, int session, const QByteArray &line);
    void openDataPort(QTcpSocket *control, bool extended);
    void retrieve(QTcpSocket *control, const QByteArray &path);

    QTcpServer *m_server;
    QHash<QByteArray, QByteArray> m_files;
    QHash<QByteArray, QByteArray> m_replies;
    QList<ScriptedFtpSession> m_sessions;
    qint64 m_shortRetrieval = -1;
    qint64 m_holdAfter = -1;
    bool m_released = false;
    bool m_silentAfterData = false;
    int m_acceptOnly = 0;
    QByteArray m_refusal;
    QByteArray m_tail;
};

} // namespace EngineTestKit
