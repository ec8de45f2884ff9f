#pragma once

#include <QString>

#include <memory>

class QLocalServer;

// One running instance per executable path and user. The instance marker is
// a lock file held with flock() for the life of the process; the kernel
// drops the lock when the process ends, however it ends, so nothing stale is
// ever left behind. The instance endpoint is a local socket beside it. Both
// live in the user's private runtime folder, where no other user can create
// or replace them.
class SingleInstance final
{
public:
    static constexpr int DefaultTimeoutMs = 20000;

    explicit SingleInstance(const QString &executablePath);
    ~SingleInstance();

    // Tries to claim the marker. Returns true when this process is the first
    // instance.
    bool claim();
    bool isFirstInstance() const { return m_first; }
    QString serverName() const { return m_serverName; }
    QString markerPath() const { return m_markerPath; }

    // The identity the names are derived from: the executable path, scoped
    // to the current user.
    static QString markerKey(const QString &executablePath);
    // Full path of the endpoint socket in the runtime folder, stable for a
    // path and distinct for different paths.
    static QString serverNameFor(const QString &executablePath);
    static QString markerPathFor(const QString &executablePath);

    // The user's private runtime folder: $XDG_RUNTIME_DIR when it is an
    // absolute folder owned by the user (tightened to mode 0700 if needed),
    // else a 0700 folder of the user's own below the temporary folder, else
    // one in the user's cache folder. Created on first use.
    static QString runtimeFolder();

    // Makes the endpoint listen, clearing a socket file that a killed owner
    // left behind. Only the marker owner may call this.
    static bool listen(QLocalServer *server, const QString &serverName);

    // Sender side: connects within connectTimeoutMs (retrying while the
    // running instance has not opened its endpoint yet), writes the message
    // as UTF-8 and waits up to closeTimeoutMs for the receiver to close the
    // connection. Returns whether the message was written; the caller exits
    // with 0 either way.
    static bool sendMessage(const QString &serverName, const QString &message,
                            int connectTimeoutMs = DefaultTimeoutMs, int closeTimeoutMs = DefaultTimeoutMs);

private:
    Q_DISABLE_COPY(SingleInstance)

    QString m_serverName;
    QString m_markerPath;
    int m_markerFd = -1;
    bool m_first = false;
};
