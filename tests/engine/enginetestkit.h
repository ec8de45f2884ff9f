#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class ApTvoDownloadTaskThread;
class QTcpServer;
class QTcpSocket;
class QTimer;

namespace EngineTestKit {

// Writes size pseudo-random bytes (same seed, same bytes) to path.
bool writeRandomFile(const QString &path, qint64 size, quint32 seed);
QByteArray randomBytes(qint64 size, quint32 seed);
QByteArray sha1OfFile(const QString &path);

// A real nginx on 127.0.0.1 with a temporary configuration. Its access log
// records each request as "request|Range|status|Via".
class LocalNginx final
{
public:
    LocalNginx() = default;
    ~LocalNginx();
    bool start(const QString &root, const QString &extraServerConfig = {});
    void stop();
    quint16 port() const { return m_port; }
    QString url(const QString &path) const;
    QStringList accessLog() const;
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};

// Waits until something accepts TCP connections on 127.0.0.1:port.
bool waitForPort(quint16 port, int timeoutMs = 5000);

struct ScriptedRequest
{
    QByteArray method;
    QByteArray target;
    QList<QByteArray> lines;   // request line and header lines, in order
    QByteArray header(const QByteArray &name) const;
    qint64 rangeStart() const;  // -1 without "Range: bytes=N-"
};

class ScriptedHttpServer;

// One answer of the scripted server: bytes are sent in paced chunks, may be
// held back, and the connection may be dropped after a number of bytes.
class ScriptedResponder final : public QObject
{
    Q_OBJECT
public:
    ScriptedResponder(ScriptedHttpServer *server, QTcpSocket *socket);
    void send(const QByteArray &bytes) { m_out += bytes; }
    void head(int status, const QList<QByteArray> &headers);
    void setPacing(int chunk, int intervalMs) { m_chunk = chunk; m_interval = intervalMs; }
    void dropAfter(qint64 bodyBytes) { m_dropBody = bodyBytes; }
    void setGated(bool gated) { m_gated = gated; }
    void startAfter(int ms);
    bool isDeferred() const { return m_deferred; }
    void go();
    void pump();

private:
    ScriptedHttpServer *m_server;
    QTcpSocket *m_socket;
    QTimer *m_timer;
    QByteArray m_out;
    qint64 m_sent = 0;
    int m_chunk = 1 << 20;
    int m_interval = 0;
    qint64 m_dropBody = -1;
    qint64 m_dropAt = -1;
    bool m_deferred = false;
    bool m_gated = false;
    bool m_started = false;
};

// A small HTTP/1.1 server on 127.0.0.1 for answers nginx will not give on
// demand. The handler decides each answer; every request is recorded.
class ScriptedHttpServer final : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const ScriptedRequest &, ScriptedResponder *)>;
    explicit ScriptedHttpServer(QObject *parent = nullptr);
    bool listen();
    quint16 port() const;
    QString url(const QString &path) const;
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    QList<ScriptedRequest> requests() const { return m_requests; }
    QList<ScriptedRequest> requestsFor(const QByteArray &target) const;
    bool gateOpen() const { return m_gateOpen; }
    void openGate();

    // Serves content with "Range: bytes=N-" support (206), else 200.
    static void serveContent(const ScriptedRequest &req, ScriptedResponder *resp,
                             const QByteArray &content);

signals:
    void gateOpened();

private:
    void incoming();
    QTcpServer *m_server;
    Handler m_handler;
    QList<ScriptedRequest> m_requests;
    bool m_gateOpen = false;
};

// The task's file is complete: total known and every byte written.
bool taskDone(ApTvoDownloadTaskThread *task);
// Connections of the current run that received any data.
int connectionsUsed(ApTvoDownloadTaskThread *task);

} // namespace EngineTestKit

// main() of an engine test: isolated user folders, a core application.
#define ENGINE_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                              \
    {                                                                                            \
        TestSupport::isolateUserFolders();                                                       \
        QCoreApplication app(argc, argv);                                                        \
        TestClass tc;                                                                            \
        return QTest::qExec(&tc, argc, argv);                                                    \
    }
