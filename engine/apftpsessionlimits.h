#pragma once

#include <QHash>
#include <QMutex>
#include <QString>

// How many FTP sessions each server accepts at once, learnt from the
// servers that refused one more (421, 530 "too many", a refused connection)
// and kept while the program runs. The manager owns one table for all its
// tasks, whose threads use it at once; it is locked.
class ApFtpSessionLimits final
{
public:
    ApFtpSessionLimits() = default;

    // "host:port" of an FTP address, the key of the table.
    static QString hostKey(const QString &url);

    // A session logged in / ended. A server that takes more sessions than
    // it was known to raises its number.
    void opened(const QString &host);
    void closed(const QString &host);
    // A session was refused: the sessions open at once from now on, at
    // least, are the server's number.
    void refused(const QString &host);

    // The server has let a session of this program in before: a refusal
    // now is about their number, not about this client.
    bool accepted(const QString &host) const;
    // The sessions the server accepts at once; 0 while unknown.
    int limit(const QString &host) const;
    // How many more sessions may open now, at most wanted.
    int room(const QString &host, int wanted) const;

private:
    struct Host
    {
        int open = 0;
        int limit = 0;
        bool refusedOnce = false;
        bool accepted = false;
    };
    mutable QMutex m_lock;
    QHash<QString, Host> m_hosts;

    Q_DISABLE_COPY(ApFtpSessionLimits)
};
