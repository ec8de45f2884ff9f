#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 whose answers the test scripts:
// plain responses, redirects, a server that never answers, and one that
// sends its body in small pieces at a steady pace. Every request is logged.
class LoopbackServer final : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray target;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
        QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
    };

    struct Response
    {
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        bool silent = false;    // read the request, never answer
        int chunkSize = 0;      // > 0: send the body in pieces of this size
        int chunkIntervalMs = 0;

        static Response text(const QByteArray &body, const QByteArray &type = "text/html; charset=utf-8");
        static Response redirect(const QByteArray &location, int status = 302);
        Response &withHeader(const QByteArray &name, const QByteArray &value);
    };

    using Handler = std::function<Response(const Request &)>;

    explicit LoopbackServer(QObject *parent = nullptr);
    ~LoopbackServer() override;

    bool start();
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString &path) const;

    // Exact path (without query) to handler; unknown paths get 404.
    void route(const QByteArray &path, Handler handler);
    QList<Request> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const Request &request);

    QTcpServer m_server;
    QMap<QByteArray, Handler> m_routes;
    QMap<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
};
