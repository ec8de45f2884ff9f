#include "hostsession.h"

#include <QJsonDocument>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "browserhandover.h"
#include "instanceclient.h"
#include "ipcinbox.h"
#include "ipcmessage.h"

namespace {

QString describe(const QString &code)
{
    if (code == QLatin1String("missing-url"))
        return QStringLiteral("The message has no link.");
    if (code == QLatin1String("bad-url"))
        return QStringLiteral("Only http, https and ftp links can be downloaded.");
    if (code == QLatin1String("unknown-field"))
        return QStringLiteral("The message has a field this host does not know.");
    if (code == QLatin1String("not-running"))
        return QStringLiteral("Zantor could not be started or reached.");
    if (code == QLatin1String("no-answer"))
        return QStringLiteral("Zantor did not take the download (its new task dialog may be open).");
    if (code == QLatin1String("refused"))
        return QStringLiteral("Zantor refused the download.");
    return QStringLiteral("A field of the message has a wrong type, size or content.");
}

} // namespace

HostSession::HostSession(int input, int output, InstanceClient *instance)
    : m_input(input)
    , m_output(output)
    , m_instance(instance)
{
}

QJsonObject HostSession::error(const QString &code, const QString &message)
{
    return QJsonObject{{QStringLiteral("ok"), false},
                       {QStringLiteral("error"), code},
                       {QStringLiteral("message"), message}};
}

HostSession::ReadResult HostSession::readExactly(char *buffer, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(m_input, buffer + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return done == 0 ? EndOfInput : BrokenOff;
        done += n;
    }
    return Complete;
}

HostSession::ReadResult HostSession::discard(qint64 size)
{
    char buffer[65536];
    while (size > 0) {
        const qint64 chunk = qMin<qint64>(size, qint64(sizeof(buffer)));
        if (readExactly(buffer, chunk) != Complete)
            return BrokenOff;
        size -= chunk;
    }
    return Complete;
}

bool HostSession::reply(const QJsonObject &object)
{
    const QByteArray body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    const quint32 length = quint32(body.size());
    QByteArray bytes(reinterpret_cast<const char *>(&length), int(sizeof(length)));
    bytes += body;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_output, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

int HostSession::run()
{
    for (;;) {
        quint32 length = 0;
        const ReadResult header = readExactly(reinterpret_cast<char *>(&length), sizeof(length));
        if (header == EndOfInput)
            return 0;
        if (header == BrokenOff) {
            reply(error(QStringLiteral("truncated"), QStringLiteral("The message ended inside its length.")));
            return 1;
        }
        if (length == 0) {
            if (!reply(error(QStringLiteral("empty"), QStringLiteral("The message is empty."))))
                return 1;
            continue;
        }
        if (length > MaxMessageBytes) {
            // The bytes are read and dropped so that the next message is
            // found where it starts.
            if (discard(length) != Complete) {
                reply(error(QStringLiteral("truncated"), QStringLiteral("The message ended early.")));
                return 1;
            }
            if (!reply(error(QStringLiteral("too-large"), QStringLiteral("The message is larger than 1 MiB."))))
                return 1;
            continue;
        }
        QByteArray body(int(length), Qt::Uninitialized);
        if (readExactly(body.data(), length) != Complete) {
            reply(error(QStringLiteral("truncated"), QStringLiteral("The message ended early.")));
            return 1;
        }
        if (!reply(handle(body)))
            return 1;
    }
}

QJsonObject HostSession::handle(const QByteArray &body)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return error(QStringLiteral("bad-json"), QStringLiteral("The message is not a JSON object."));
    const QJsonObject request = document.object();
    const QString type = request.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("status")) {
        if (request.size() != 1)
            return error(QStringLiteral("unknown-field"), describe(QStringLiteral("unknown-field")));
        return status();
    }
    if (type == QLatin1String("download"))
        return download(request);
    return error(QStringLiteral("unknown-type"), QStringLiteral("The message type is not known."));
}

QJsonObject HostSession::status()
{
    // Asking never starts the program: the popup only shows the state.
    const InstanceClient::Answer answer
        = m_instance->send(IpcMessage::build(BrowserHandOver::StatusCommand, QStringLiteral("1")), false);
    QJsonObject reply{{QStringLiteral("ok"), true},
                      {QStringLiteral("type"), QStringLiteral("status")},
                      {QStringLiteral("running"), answer.delivered && answer.ok}};
    if (answer.delivered && answer.ok)
        reply.insert(QStringLiteral("fileTypes"), answer.detail);
    return reply;
}

QJsonObject HostSession::download(const QJsonObject &request)
{
    BrowserHandOver::Download handOver;
    const QString problem = BrowserHandOver::parse(request, &handOver);
    if (!problem.isEmpty())
        return error(problem, describe(problem));
    const QString message
        = IpcMessage::build(BrowserHandOver::DownloadCommand, BrowserHandOver::encodeArgument(handOver));
    // The running program reads no longer message from its socket.
    if (message.toUtf8().size() > IpcInbox::MaxMessageBytes)
        return error(QStringLiteral("too-large"), QStringLiteral("The link, cookies and names are too long together."));
    const InstanceClient::Answer answer = m_instance->send(message, true);
    if (!answer.delivered)
        return error(QStringLiteral("not-running"), describe(QStringLiteral("not-running")));
    if (!answer.ok) {
        const QString code = answer.detail == QLatin1String("no-answer") ? answer.detail : QStringLiteral("refused");
        return error(code, describe(code) + (code == QLatin1String("refused") ? QLatin1Char(' ') + answer.detail
                                                                                   : QString()));
    }
    return QJsonObject{{QStringLiteral("ok"), true},
                       {QStringLiteral("type"), QStringLiteral("download")},
                       {QStringLiteral("outcome"), answer.detail}};
}
