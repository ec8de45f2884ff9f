#pragma once

#include <QString>

#include <memory>

class QLocalServer;
class QSharedMemory;

// One running instance per executable path and user. The instance marker is
// a small shared-memory segment; the instance endpoint is a local socket
// server under a name derived from the same path, to which a second start
// hands its one framed message before it quits.
class SingleInstance final
{
public:
    static constexpr int DefaultTimeoutMs = 20000;

    explicit SingleInstance(const QString &executablePath);
    ~SingleInstance();

    // Tries to claim the marker. Returns true when this process is the first
    // instance. A marker left behind by a process that was killed (no process
    // attached any more) is removed together with its socket file, and the
    // claim is made again.
    bool claim();
    bool isFirstInstance() const { return m_first; }
    QString serverName() const { return m_serverName; }

    // The marker key: the executable path, scoped to the current user so
    // that one user's instance never keeps another user's from starting.
    static QString markerKey(const QString &executablePath);
    // A socket name without "/" (Qt would take it as a file path), stable
    // for a path and distinct for different paths.
    static QString serverNameFor(const QString &executablePath);

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
    bool create();

    QString m_serverName;
    std::unique_ptr<QSharedMemory> m_marker;
    bool m_first = false;
};
