#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVector>

#include <functional>

typedef void CURL;
typedef void CURLM;
typedef void CURLSH;

class QTimer;

// Receives the end of a transfer that was added to an ApCurlMulti.
class ApCurlTransfer
{
public:
    virtual ~ApCurlTransfer() = default;
    // Runs in the owning thread's event loop, never inside a libcurl callback.
    virtual void transferFinished(int curlCode) = 0;
};

// One libcurl multi handle driven by the event loop of the thread it lives
// in: socket notifiers and a timer feed curl_multi_socket_action, finished
// transfers are handed back to their ApCurlTransfer.
class ApCurlMulti final : public QObject
{
    Q_OBJECT
public:
    explicit ApCurlMulti(QObject *parent = nullptr);
    ~ApCurlMulti() override;

    // Puts a transfer on what the transfers of this handle share: TLS
    // sessions (a new connection to a server resumes the session of an
    // earlier one instead of a full handshake), and the server's
    // certificate authorities read once, not per connection. To be called
    // after every reset of the easy handle.
    void prepare(CURL *easy) const;

    // Adding or removing from inside a libcurl callback is deferred until
    // the callback has returned.
    void add(CURL *easy, ApCurlTransfer *transfer);
    void remove(CURL *easy);
    int transferCount() const { return m_transfers.size(); }

    // A transfer whose write callback asked libcurl to pause it (a paused
    // task, or one at its speed limit). It is resumed once canResume() says
    // so, checked every few milliseconds, so a paused task takes no more
    // data from its servers. Transfers resume in the order they paused, so
    // a limited task's connections take turns.
    void notePaused(CURL *easy);
    void setResumeCheck(std::function<bool()> canResume) { m_canResume = std::move(canResume); }
    int pausedCount() const { return m_paused.size(); }

private:
    struct SocketWatch;
    static int socketCallback(CURL *easy, int fd, int what, void *userp, void *socketp);
    static int timerCallback(CURLM *multi, long timeoutMs, void *userp);
    void updateSocket(int fd, int what, SocketWatch *watch);
    void socketActivated(int fd, int eventMask);
    void timeout();
    void action(int fd, int eventMask);
    void finishTransfers();
    void applyDeferred();
    void resumePaused();

    CURLM *m_multi;
    CURLSH *m_share;
    QTimer *m_timer;
    QHash<CURL *, ApCurlTransfer *> m_transfers;
    QSet<SocketWatch *> m_watches;
    QVector<CURL *> m_deferredAdds;
    QVector<CURL *> m_deferredRemoves;
    int m_actionDepth = 0;
    QVector<CURL *> m_paused;
    QTimer *m_resumeTimer;
    std::function<bool()> m_canResume;

    Q_DISABLE_COPY(ApCurlMulti)
};
