#include "loopbackserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

LoopbackServer::Response LoopbackServer::Response::text(const QByteArray &body, const QByteArray &type)
{
    Response response;
    response.body = body;
    response.headers << qMakePair(QByteArray("Content-Type"), type);
    return response;
}

LoopbackServer::Response LoopbackServer::Response::redirect(const QByteArray &location, int status)
{
    Response response;
    response.status = status;
    response.headers << qMakePair(QByteArray("Location"), location);
    return response;
}

LoopbackServer::Response &LoopbackServer::Response::withHeader(const QByteArray &name, const QByteArray &value)
{
    headers << qMakePair(name, value);
    return *this;
}

LoopbackServer::LoopbackServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
}

LoopbackServer::~LoopbackServer() = default;

bool LoopbackServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString LoopbackServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LoopbackServer::route(const QByteArray &path, Handler handler)
{
    m_routes.insert(path, std::move(handler));
}

void LoopbackServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackServer::readFrom(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    for (;;) {
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
        request.method = start.value(0);
        request.target = start.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
        }
        const int length = request.header("content-length").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);
        m_requests << request;
        respond(socket, request);
    }
}

void LoopbackServer::respond(QTcpSocket *socket, const Request &request)
{
    const QByteArray path = request.target.left(request.target.indexOf('?') < 0 ? request.target.size()
                                                                                 : request.target.indexOf('?'));
    Response response;
    if (m_routes.contains(path))
        response = m_routes.value(path)(request);
    else
        response = Response::text("not found", "text/plain");
    if (!m_routes.contains(path))
        response.status = 404;
    if (response.silent)
        return;

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    for (const auto &header : qAsConst(response.headers))
        head += header.first + ": " + header.second + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    const bool withBody = request.method != "HEAD";
    if (!withBody || response.chunkSize <= 0) {
        if (withBody)
            socket->write(response.body);
        socket->disconnectFromHost();
        return;
    }

    // Steady trickle: one piece per interval until the body is out.
    auto *timer = new QTimer(socket);
    auto remaining = std::make_shared<QByteArray>(response.body);
    const int chunkSize = response.chunkSize;
    connect(timer, &QTimer::timeout, socket, [socket, timer, remaining, chunkSize] {
        socket->write(remaining->left(chunkSize));
        remaining->remove(0, chunkSize);
        if (remaining->isEmpty()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(response.chunkIntervalMs);
}
