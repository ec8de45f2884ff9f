#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSet>

#include <curl/curl.h>

#include "apcurlmulti.h"
#include "aptvodownloader.h"

struct curl_slist;

// One FTP connection of a task, on a libcurl easy handle driven by the task
// thread's multi handle. Every start is a fresh control connection: log in
// (from the URL's user-info, else anonymously), binary type, the size query,
// a restart offset when the connection serves a range, retrieval in passive
// mode. Data is written by the same rules as the HTTP connection.
class ApTvoFtp final : public ApTvoHttpFtpDownloader, private ApCurlTransfer
{
    Q_OBJECT
public:
    explicit ApTvoFtp(ApTvoTask *task, QObject *parent = nullptr);
    ~ApTvoFtp() override;

    // Commands sent on the control connection since the last start, in
    // order (the password masked), for diagnostics and tests.
    QList<QByteArray> commandLog() const { return m_commands; }

    // Shuts this connection's sockets down, so that libcurl gives up a wait
    // for a server's reply at once. Safe from any thread.
    void cutWaits();

public slots:
    void start() override;
    void stop() override;

private:
    bool startRequest();
    void transferFinished(int curlCode) override;
    void connectionUnconnected();

    static size_t headerCallback(char *data, size_t size, size_t count, void *userp);
    static size_t writeCallback(char *data, size_t size, size_t count, void *userp);
    static int prereqCallback(void *userp, char *, char *, int, int);
    static int debugCallback(CURL *, int type, char *data, size_t size, void *userp);
    void commandSent(const QByteArray &line);
    bool replyLine(const QByteArray &line);
    bool rawCommandReply(int code, const QByteArray &detail);
    bool sizeReply(qint64 size);
    bool restartReply();
    bool ftpDataArrived(const char *data, qint64 n);
    // The server turned this session away for having too many (a ranged
    // connection that had not begun its range).
    bool sessionRefused(int curlCode) const;
    // Gives the range back, or tries again shortly when no other session
    // runs to take it; false when the refusal is to count as a failure.
    bool handleRefusal();
    static curl_socket_t openSocket(void *userp, curlsocktype purpose, curl_sockaddr *address);
    static int closeSocket(void *userp, curl_socket_t fd);

    CURL *m_easy = nullptr;
    curl_slist *m_preQuote = nullptr;
    QList<QByteArray> m_commands;
    QByteArray m_lastVerb;
    // The last refusal the server sent (code 400 or more), for the reason.
    int m_lastErrorCode = 0;
    QByteArray m_lastErrorText;
    int m_sliceCount = 200;
    bool m_inMulti = false;
    bool m_countedActive = false;
    // "host:port" in the manager's table of FTP session limits.
    QString m_hostKey;
    bool m_greeted = false;
    int m_refusalRetries = 0;
    // The resume probe's answers, verified at the restart reply.
    qint64 m_probeSize = -1;
    QByteArray m_modified;
    // A new retrieval of the whole file follows once this one has ended.
    bool m_restartPending = false;
    int m_stallSeconds = 60;
    QMutex m_socketsLock;
    QSet<int> m_sockets;
};
