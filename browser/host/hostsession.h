#pragma once

#include <QByteArray>
#include <QJsonObject>

class InstanceClient;

// The browsers' native messaging protocol on a pair of file descriptors:
// each message is a 32-bit length in native byte order followed by that
// many bytes of UTF-8 JSON. Every message gets exactly one reply; a message
// that is too long, empty, not JSON, of an unknown type or with a bad field
// gets an error reply and the session goes on.
class HostSession
{
public:
    // Largest message the host accepts from the browser.
    static constexpr quint32 MaxMessageBytes = 1024 * 1024;

    HostSession(int input, int output, InstanceClient *instance);

    // Serves messages until the browser closes the input. Returns the exit
    // status: 0 after a clean end, 1 when the input broke off inside a
    // message.
    int run();

    // The reply to one message body.
    QJsonObject handle(const QByteArray &body);

    static QJsonObject error(const QString &code, const QString &message);

private:
    enum ReadResult { Complete, EndOfInput, BrokenOff };
    ReadResult readExactly(char *buffer, qint64 size);
    ReadResult discard(qint64 size);
    bool reply(const QJsonObject &object);
    QJsonObject status();
    QJsonObject download(const QJsonObject &request);

    int m_input;
    int m_output;
    InstanceClient *m_instance;
};
