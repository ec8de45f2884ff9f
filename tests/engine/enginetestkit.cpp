#include "enginetestkit.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include "aptvodownloadtaskthread.h"
#include "testsupport.h"

namespace EngineTestKit {

QByteArray randomBytes(qint64 size, quint32 seed)
{
    QByteArray data(int(size), Qt::Uninitialized);
    QRandomGenerator gen(seed);
    const qint64 words = size / 4;
    gen.fillRange(reinterpret_cast<quint32 *>(data.data()), qsizetype(words));
    for (qint64 i = words * 4; i < size; ++i)
        data[int(i)] = char(gen.generate());
    return data;
}

bool writeRandomFile(const QString &path, qint64 size, quint32 seed)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator gen(seed);
    const qint64 chunk = 4 << 20;
    QByteArray buf(int(chunk), Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const qint64 n = qMin(chunk, size - done);
        gen.fillRange(reinterpret_cast<quint32 *>(buf.data()), qsizetype(chunk / 4));
        if (f.write(buf.constData(), n) != n)
            return false;
        done += n;
    }
    return true;
}

QByteArray sha1OfFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return h.result().toHex();
}

void startServerProcess(QProcess &process, const QString &program, const QStringList &args)
{
    static const QString setpriv = TestSupport::findProgram(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        process.start(program, args);
    else
        process.start(setpriv, QStringList{QStringLiteral("--pdeathsig"), QStringLiteral("TERM"),
                                           QStringLiteral("--"), program} + args);
}

bool waitForPort(quint16 port, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (s.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    return false;
}

LocalNginx::~LocalNginx()
{
    stop();
}

bool LocalNginx::start(const QString &root, const QString &extraServerConfig)
{
    const QString nginx = TestSupport::findProgram(QStringLiteral("nginx"));
    if (nginx.isEmpty()) {
        m_error = QStringLiteral("nginx is not installed");
        return false;
    }
    const QString d = m_dir.path();
    m_port = TestSupport::freeLocalPort();
    for (const char *sub : {"body", "proxy", "fastcgi", "uwsgi", "scgi"})
        QDir(d).mkpath(QLatin1String(sub));
    const QString conf = QStringLiteral(
        "daemon off;\nmaster_process off;\nworker_processes 1;\npid %1/nginx.pid;\n"
        "error_log %1/error.log;\nevents { worker_connections 512; }\n"
        "http {\n"
        "  log_format ranges '$request|$http_range|$status|$http_via|$body_bytes_sent';\n"
        "  access_log %1/access.log ranges;\n"
        "  client_body_temp_path %1/body; proxy_temp_path %1/proxy;\n"
        "  fastcgi_temp_path %1/fastcgi; uwsgi_temp_path %1/uwsgi; scgi_temp_path %1/scgi;\n"
        "  types { video/mp4 mp4; } default_type application/octet-stream;\n"
        "  sendfile on;\n"
        "  server {\n    listen 127.0.0.1:%2;\n    root %3;\n    %4\n  }\n"
        "}\n")
        .arg(d).arg(m_port).arg(root, extraServerConfig);
    QFile f(d + QStringLiteral("/nginx.conf"));
    if (!f.open(QIODevice::WriteOnly) || f.write(conf.toUtf8()) < 0)
        return false;
    f.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    startServerProcess(m_process, nginx, {QStringLiteral("-p"), d, QStringLiteral("-c"), d + QStringLiteral("/nginx.conf"),
                            QStringLiteral("-e"), d + QStringLiteral("/error.log")});
    if (!m_process.waitForStarted(5000) || !waitForPort(m_port)) {
        m_error = QString::fromUtf8(m_process.readAll());
        QFile err(d + QStringLiteral("/error.log"));
        if (err.open(QIODevice::ReadOnly))
            m_error += QString::fromUtf8(err.readAll());
        stop();
        return false;
    }
    return true;
}

void LocalNginx::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString LocalNginx::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

QStringList LocalNginx::accessLog() const
{
    QFile f(m_dir.path() + QStringLiteral("/access.log"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray ScriptedRequest::header(const QByteArray &name) const
{
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray &l = lines.at(i);
        const int colon = l.indexOf(':');
        if (colon > 0 && l.left(colon).trimmed().toLower() == name.toLower())
            return l.mid(colon + 1).trimmed();
    }
    return {};
}

qint64 ScriptedRequest::rangeStart() const
{
    const QByteArray r = header("Range");
    if (!r.startsWith("bytes=") || !r.endsWith('-'))
        return -1;
    bool ok = false;
    const qint64 v = r.mid(6, r.size() - 7).toLongLong(&ok);
    return ok ? v : -1;
}

ScriptedResponder::ScriptedResponder(ScriptedHttpServer *server, QTcpSocket *socket)
    : QObject(socket), m_server(server), m_socket(socket), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ScriptedResponder::pump);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_interval == 0)
            pump();
    });
    connect(m_server, &ScriptedHttpServer::gateOpened, this, &ScriptedResponder::pump);
}

void ScriptedResponder::head(int status, const QList<QByteArray> &headers)
{
    QByteArray h = "HTTP/1.1 " + QByteArray::number(status) + " Scripted\r\n";
    for (const QByteArray &line : headers)
        h += line + "\r\n";
    h += "\r\n";
    m_out += h;
}

void ScriptedResponder::startAfter(int ms)
{
    m_deferred = true;
    QTimer::singleShot(ms, this, &ScriptedResponder::go);
}

void ScriptedResponder::go()
{
    m_started = true;
    if (m_dropBody >= 0) {
        const int headEnd = m_out.indexOf("\r\n\r\n");
        m_dropAt = (headEnd < 0 ? 0 : headEnd + 4) + m_dropBody;
    }
    pump();
}

void ScriptedResponder::pump()
{
    if (!m_started || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    // Headers go out at once; the gate holds the body back.
    if (m_gated && !m_server->gateOpen() && m_sent > 0)
        return;
    if (m_socket->bytesToWrite() > (4 << 20))
        return;
    qint64 n = qMin<qint64>(m_chunk, m_out.size() - m_sent);
    if (m_sent == 0 && m_gated && !m_server->gateOpen()) {
        const int headEnd = m_out.indexOf("\r\n\r\n");
        n = headEnd < 0 ? n : headEnd + 4 + qMin<qint64>(65536, m_out.size() - headEnd - 4);
    }
    if (m_dropAt >= 0 && m_sent + n >= m_dropAt) {
        m_socket->write(m_out.constData() + m_sent, m_dropAt - m_sent);
        m_socket->flush();
        m_socket->abort();
        return;
    }
    if (n > 0) {
        m_socket->write(m_out.constData() + m_sent, n);
        m_sent += n;
    }
    if (m_sent >= m_out.size()) {
        m_socket->disconnectFromHost();
        return;
    }
    if (m_interval > 0)
        m_timer->start(m_interval);
}

ScriptedHttpServer::ScriptedHttpServer(QObject *parent)
    : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &ScriptedHttpServer::incoming);
}

bool ScriptedHttpServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 ScriptedHttpServer::port() const
{
    return m_server->serverPort();
}

QString ScriptedHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

QList<ScriptedRequest> ScriptedHttpServer::requestsFor(const QByteArray &target) const
{
    QList<ScriptedRequest> list;
    for (const ScriptedRequest &r : m_requests)
        if (r.target == target)
            list.append(r);
    return list;
}

void ScriptedHttpServer::openGate()
{
    m_gateOpen = true;
    emit gateOpened();
}

void ScriptedHttpServer::incoming()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0 || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            ScriptedRequest req;
            req.lines = buffer->left(end).split('\n');
            for (QByteArray &l : req.lines)
                l = l.trimmed();
            const QList<QByteArray> first = req.lines.value(0).split(' ');
            req.method = first.value(0);
            req.target = first.value(1);
            m_requests.append(req);
            auto *resp = new ScriptedResponder(this, socket);
            if (m_handler)
                m_handler(req, resp);
            if (!resp->isDeferred())
                resp->go();
        });
    }
}

void ScriptedHttpServer::serveContent(const ScriptedRequest &req, ScriptedResponder *resp,
                                      const QByteArray &content)
{
    const qint64 size = content.size();
    const qint64 from = req.rangeStart();
    if (from >= 0 && from <= size) {
        resp->head(206, {"Content-Range: bytes " + QByteArray::number(from) + '-'
                             + QByteArray::number(size - 1) + '/' + QByteArray::number(size),
                         "Content-Length: " + QByteArray::number(size - from),
                         "Connection: close"});
        resp->send(content.mid(int(from)));
    } else {
        resp->head(200, {"Content-Length: " + QByteArray::number(size), "Accept-Ranges: bytes",
                         "Connection: close"});
        resp->send(content);
    }
}

bool taskDone(ApTvoDownloadTaskThread *task)
{
    const qint64 total = task->task().total.load();
    return total > 0 && task->task().completed.load() == total;
}

int connectionsUsed(ApTvoDownloadTaskThread *task)
{
    int used = 0;
    for (const ApTvoConnectionSnapshot &c : task->connectionSnapshots())
        if (c.bytesReceived > 0)
            ++used;
    return used;
}

} // namespace EngineTestKit
