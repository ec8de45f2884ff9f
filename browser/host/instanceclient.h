#pragma once

#include <QString>

// Talks to the running `zantor` over its instance socket with plain POSIX
// calls (the host links Qt Core only), starting `zantor` in the background
// when none runs. One message per connection; the instance writes its answer
// frame and closes.
class InstanceClient
{
public:
    struct Answer
    {
        bool delivered = false;  // the message reached a running instance
        bool ok = false;         // the instance answered "ok"
        QString detail;          // its outcome, or its error code
    };

    // zantorPath: the program whose instance is meant (it names the socket
    // and is what gets started).
    explicit InstanceClient(const QString &zantorPath, int timeoutMs = 20000);
    virtual ~InstanceClient() = default;

    // Sends one framed message. With startIfNeeded, a missing instance is
    // started with "/bg" and waited for.
    virtual Answer send(const QString &message, bool startIfNeeded);

private:
    int connectOnce() const;
    bool startProgram() const;

    QString m_zantorPath;
    QString m_serverName;
    int m_timeoutMs;
};
