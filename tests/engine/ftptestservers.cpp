#include "ftptestservers.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

#include "enginetestkit.h"
#include "testsupport.h"

namespace EngineTestKit {

namespace {
// Logs every received command at debug level ("<- COMMAND ARGS"), which
// pyftpdlib prints for each line it reads; the password is masked by it.
const char ServerScript[] = R"(import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer
anonymous_root, user_root, user, password, port = sys.argv[1:6]
rate = int(sys.argv[6]) if len(sys.argv) > 6 else 0
per_address = int(sys.argv[7]) if len(sys.argv) > 7 else 0
if rate > 0:
    ThrottledDTPHandler.write_limit = rate
    FTPHandler.dtp_handler = ThrottledDTPHandler
authorizer = DummyAuthorizer()
authorizer.add_anonymous(anonymous_root)
authorizer.add_user(user, password, user_root, perm="elr")
FTPHandler.authorizer = authorizer
logging.basicConfig(level=logging.DEBUG, stream=sys.stdout, format="%(message)s")
server = FTPServer(("127.0.0.1", int(port)), FTPHandler)
server.max_cons = 64
if per_address > 0:
    server.max_cons_per_ip = per_address
server.serve_forever()
)";
} // namespace

LocalFtpServer::~LocalFtpServer()
{
    stop();
}

bool LocalFtpServer::start(const QString &anonymousRoot, const QString &userRoot,
                           const QString &user, const QString &password)
{
    // Debian's pyftpdlib belongs to the system interpreter; another python3
    // earlier on PATH may not have it.
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFile::exists(python)) {
        m_error = QStringLiteral("/usr/bin/python3 is missing");
        return false;
    }
    const QString script = m_dir.filePath(QStringLiteral("ftpserver.py"));
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly) || f.write(ServerScript) < 0)
        return false;
    f.close();
    m_port = TestSupport::freeLocalPort();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&m_process, &QProcess::readyRead, [this] { m_log += m_process.readAll(); });
    startServerProcess(m_process, python,
                       {QStringLiteral("-u"), script, anonymousRoot, userRoot, user, password,
                        QString::number(m_port), QString::number(m_rateLimit),
                        QString::number(m_maxPerAddress)});
    if (!m_process.waitForStarted(5000) || !waitForPort(m_port, 10000)) {
        m_log += m_process.readAll();
        m_error = QString::fromUtf8(m_log);
        stop();
        return false;
    }
    return true;
}

void LocalFtpServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString LocalFtpServer::url(const QString &path, const QString &userInfo) const
{
    const QString auth = userInfo.isEmpty() ? QString() : userInfo + QLatin1Char('@');
    return QStringLiteral("ftp://") + auth + QStringLiteral("127.0.0.1:") + QString::number(m_port) + path;
}

QStringList LocalFtpServer::commands()
{
    m_process.waitForReadyRead(100);
    m_log += m_process.readAll();
    QStringList list;
    for (const QByteArray &raw : m_log.split('\n')) {
        const QByteArray line = raw.trimmed();
        // "127.0.0.1:40000-[user] <- RETR /f.bin"
        const int arrow = line.indexOf("] <- ");
        const int dash = line.indexOf("-[");
        if (arrow < 0 || dash < 0)
            continue;
        list << QString::fromUtf8(line.left(dash) + '|' + line.mid(arrow + 5));
    }
    return list;
}

ScriptedFtpServer::ScriptedFtpServer(QObject *parent)
    : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &ScriptedFtpServer::incoming);
}

bool ScriptedFtpServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 ScriptedFtpServer::port() const
{
    return m_server->serverPort();
}

QString ScriptedFtpServer::url(const QString &path) const
{
    return QStringLiteral("ftp://127.0.0.1:%1%2").arg(port()).arg(path);
}

void ScriptedFtpServer::release()
{
    m_released = true;
    emit released();
}

int ScriptedFtpServer::retrievals() const
{
    int n = 0;
    for (const ScriptedFtpSession &s : m_sessions)
        for (const QByteArray &c : s.commands)
            n += c.startsWith("RETR ");
    return n;
}

// State of one control connection.
struct FtpSessionState
{
    qint64 rest = 0;
    QPointer<QTcpServer> dataServer;
    QPointer<QTcpSocket> data;
    QByteArray pendingPath;    // a retrieval waiting for its data connection
    bool silent = false;       // says nothing more after a retrieval
};

void ScriptedFtpServer::incoming()
{
    while (QTcpSocket *control = m_server->nextPendingConnection()) {
        if (m_acceptOnly > 0 && m_sessions.size() >= m_acceptOnly && !m_refusal.startsWith("530")) {
            if (m_refusal.startsWith("421"))
                control->write(m_refusal + "\r\n");
            control->disconnectFromHost();
            connect(control, &QTcpSocket::disconnected, control, &QObject::deleteLater);
            continue;
        }
        const int session = m_sessions.size();
        m_sessions.append(ScriptedFtpSession());
        auto state = std::make_shared<FtpSessionState>();
        control->setProperty("session", session);
        control->setProperty("state", QVariant::fromValue(static_cast<void *>(state.get())));
        connect(control, &QTcpSocket::disconnected, control, &QObject::deleteLater);
        connect(control, &QObject::destroyed, this, [state] {
            if (state->dataServer)
                state->dataServer->deleteLater();
        });
        auto buffer = std::make_shared<QByteArray>();
        connect(control, &QTcpSocket::readyRead, this, [this, control, session, buffer, state] {
            *buffer += control->readAll();
            int eol;
            while ((eol = buffer->indexOf("\r\n")) >= 0) {
                const QByteArray line = buffer->left(eol);
                buffer->remove(0, eol + 2);
                command(control, session, line);
            }
        });
        control->write("220 scripted FTP\r\n");
        if (m_acceptOnly > 0 && m_sessions.size() >= m_acceptOnly && m_refusal.isEmpty()) {
            m_server->close();
            return;
        }
    }
}

static FtpSessionState *stateOf(QTcpSocket *control)
{
    return static_cast<FtpSessionState *>(control->property("state").value<void *>());
}

void ScriptedFtpServer::command(QTcpSocket *control, int session, const QByteArray &line)
{
    const int space = line.indexOf(' ');
    const QByteArray verb = (space < 0 ? line : line.left(space)).toUpper();
    const QByteArray arg = space < 0 ? QByteArray() : line.mid(space + 1);
    m_sessions[session].commands.append(verb == "PASS" ? QByteArray("PASS ****") : line);
    FtpSessionState *state = stateOf(control);

    if (m_replies.contains(verb)) {
        const QByteArray reply = m_replies.value(verb);
        control->write(reply + "\r\n");
        if (verb == "REST" && reply.startsWith('3'))
            state->rest = arg.toLongLong();
        return;
    }
    if (verb == "USER" && m_acceptOnly > 0 && session >= m_acceptOnly) {
        control->write(m_refusal + "\r\n");
        control->disconnectFromHost();
    } else if (verb == "USER") {
        control->write("331 password please\r\n");
    } else if (verb == "PASS") {
        control->write("230 logged in\r\n");
    } else if (verb == "PWD") {
        control->write("257 \"/\" is the current folder\r\n");
    } else if (verb == "TYPE") {
        control->write("200 type set\r\n");
    } else if (verb == "SIZE") {
        if (m_files.contains(arg))
            control->write("213 " + QByteArray::number(m_files.value(arg).size()) + "\r\n");
        else
            control->write("550 no such file\r\n");
    } else if (verb == "REST") {
        state->rest = arg.toLongLong();
        control->write("350 restarting at " + arg + "\r\n");
    } else if (verb == "EPSV" || verb == "PASV") {
        openDataPort(control, verb == "EPSV");
    } else if (verb == "RETR") {
        if (!m_files.contains(arg)) {
            control->write("550 no such file\r\n");
            return;
        }
        state->pendingPath = arg;
        if (state->data)
            retrieve(control, arg);
    } else if (state->silent) {
        return;
    } else if (verb == "QUIT") {
        control->write("221 bye\r\n");
        control->disconnectFromHost();
    } else {
        control->write("502 not implemented\r\n");
    }
}

void ScriptedFtpServer::openDataPort(QTcpSocket *control, bool extended)
{
    FtpSessionState *state = stateOf(control);
    if (state->dataServer)
        state->dataServer->deleteLater();
    auto *server = new QTcpServer(this);
    server->listen(QHostAddress::LocalHost, 0);
    state->dataServer = server;
    QPointer<QTcpSocket> guard(control);
    connect(server, &QTcpServer::newConnection, this, [this, server, guard] {
        QTcpSocket *data = server->nextPendingConnection();
        if (!guard || !data)
            return;
        FtpSessionState *state = stateOf(guard);
        state->data = data;
        if (!state->pendingPath.isEmpty())
            retrieve(guard, state->pendingPath);
    });
    const quint16 p = server->serverPort();
    if (extended)
        control->write("229 Entering Extended Passive Mode (|||" + QByteArray::number(p) + "|)\r\n");
    else
        control->write("227 Entering Passive Mode (127,0,0,1," + QByteArray::number(p / 256) + ','
                       + QByteArray::number(p % 256) + ")\r\n");
}

void ScriptedFtpServer::retrieve(QTcpSocket *control, const QByteArray &path)
{
    FtpSessionState *state = stateOf(control);
    QTcpSocket *data = state->data;
    state->pendingPath.clear();
    state->data = nullptr;
    QByteArray out = m_files.value(path).mid(int(state->rest));
    if (state->rest > 0)
        out += m_tail;
    if (m_shortRetrieval >= 0)
        out.truncate(int(m_shortRetrieval));
    control->write("150 opening data connection\r\n");
    QPointer<QTcpSocket> guard(control);
    if (m_silentAfterData)
        state->silent = true;
    connect(data, &QTcpSocket::disconnected, this, [guard, data, silent = m_silentAfterData] {
        data->deleteLater();
        if (guard && !silent)
            guard->write("226 transfer complete\r\n");
    });
    const qint64 first = m_holdAfter >= 0 && !m_released ? qMin<qint64>(m_holdAfter, out.size()) : out.size();
    data->write(out.left(int(first)));
    if (first == out.size()) {
        data->disconnectFromHost();
        return;
    }
    const QByteArray rest = out.mid(int(first));
    QPointer<QTcpSocket> dataGuard(data);
    connect(this, &ScriptedFtpServer::released, data, [dataGuard, rest] {
        if (!dataGuard)
            return;
        dataGuard->write(rest);
        dataGuard->disconnectFromHost();
    });
}

} // namespace EngineTestKit
