#include "failurereason.h"

#include <QCoreApplication>
#include <QNetworkReply>

#include <cerrno>
#include <cstring>

#include <curl/curl.h>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("FailureReason", text); }

QString withCode(const QString &text, const QString &code) { return text + QStringLiteral(" (") + code + QLatin1Char(')'); }

} // namespace

namespace FailureReason {

QString httpStatus(int status, const QByteArray &reasonPhrase)
{
    const QString code = QString::number(status);
    const QString line = reasonPhrase.trimmed().isEmpty() ? code : code + QLatin1Char(' ') + QString::fromLatin1(reasonPhrase.trimmed());
    switch (status) {
    case 404:
    case 410: return withCode(tr("File not found on the server"), code);
    case 401: return withCode(tr("The server asks for a user name and password"), code);
    case 403: return withCode(tr("The server refuses access to the file"), code);
    case 407: return withCode(tr("The proxy server asks for a user name and password"), code);
    case 416: return withCode(tr("The server refused the requested part of the file"), code);
    case 429:
    case 503: return withCode(tr("The server is busy, try again later"), line);
    default: break;
    }
    if (status >= 500)
        return withCode(tr("Server error"), line);
    if (status == 200 || status == 206)
        return withCode(tr("The server does not send parts of this file"), line);
    return withCode(tr("Unexpected answer from the server"), line);
}

QString ftpReply(int code, const QByteArray &text)
{
    const QString line = QString::number(code) + (text.trimmed().isEmpty() ? QString()
                                                                            : QLatin1Char(' ') + QString::fromUtf8(text.trimmed()));
    switch (code) {
    case 550: return withCode(tr("File not found on the server"), line);
    case 530: return withCode(tr("The server refused the login"), line);
    case 421: return withCode(tr("The server is busy, try again later"), line);
    case 552: return withCode(tr("The server stopped the transfer"), line);
    default: return withCode(tr("The server refused the request"), line);
    }
}

QString transfer(int curlCode, const QByteArray &detail)
{
    switch (curlCode) {
    case CURLE_PEER_FAILED_VERIFICATION:
#if LIBCURL_VERSION_NUM < 0x073e00
    case CURLE_SSL_CACERT:
#endif
        return tr("Server certificate is not trusted");
    case CURLE_SSL_CONNECT_ERROR:
        return tr("The secure connection to the server failed");
    case CURLE_COULDNT_RESOLVE_HOST:
        return tr("Server name not found");
    case CURLE_COULDNT_RESOLVE_PROXY:
        return tr("Proxy server name not found");
    case CURLE_COULDNT_CONNECT:
        return tr("The server refused the connection");
    case CURLE_OPERATION_TIMEDOUT:
        return tr("The server did not answer in time");
    case CURLE_GOT_NOTHING:
        return tr("The server closed the connection without an answer");
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
        return tr("The connection to the server was lost");
    case CURLE_LOGIN_DENIED:
        return tr("The server refused the login");
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return tr("File not found on the server");
    case CURLE_REMOTE_ACCESS_DENIED:
        return tr("The server refuses access to the file");
    case CURLE_WRITE_ERROR:
        return tr("The file could not be written");
    case CURLE_TOO_MANY_REDIRECTS:
        return tooManyRedirects();
    default:
        break;
    }
#if LIBCURL_VERSION_NUM >= 0x074900
    if (curlCode == CURLE_PROXY)
        return proxyRefused();
#endif
    const QString text = detail.trimmed().isEmpty() ? QString::fromUtf8(curl_easy_strerror(CURLcode(curlCode)))
                                                    : QString::fromUtf8(detail.trimmed());
    return tr("Connection failed: ") + text;
}

QString network(int networkError, int httpStatus, const QString &detail)
{
    if (httpStatus >= 300)
        return FailureReason::httpStatus(httpStatus, QByteArray());
    switch (networkError) {
    case QNetworkReply::SslHandshakeFailedError:
        return tr("Server certificate is not trusted");
    case QNetworkReply::ConnectionRefusedError:
        return tr("The server refused the connection");
    case QNetworkReply::HostNotFoundError:
        return tr("Server name not found");
    case QNetworkReply::TimeoutError:
        return tr("The server did not answer in time");
    case QNetworkReply::RemoteHostClosedError:
        return tr("The connection to the server was lost");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return proxyRefused();
    case QNetworkReply::ProxyNotFoundError:
        return tr("Proxy server name not found");
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return withCode(tr("The proxy server asks for a user name and password"), QStringLiteral("407"));
    case QNetworkReply::ContentNotFoundError:
        return tr("File not found on the server");
    case QNetworkReply::ContentAccessDenied:
        return tr("The server refuses access to the file");
    case QNetworkReply::AuthenticationRequiredError:
        return tr("The server asks for a user name and password");
    default:
        break;
    }
    return detail.isEmpty() ? tr("Connection failed") : tr("Connection failed: ") + detail;
}

QString disk(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return diskFull();
    if (error == EACCES || error == EPERM || error == EROFS)
        return tr("No permission to write the file");
    if (error == 0)
        return tr("The file could not be written");
    return tr("The file could not be written: ") + QString::fromLocal8Bit(std::strerror(error));
}

QString diskFull() { return tr("Disk full"); }

QString proxyRefused() { return tr("The proxy server refused the connection"); }

QString proxyUnusable() { return tr("The proxy server setting cannot be used"); }

QString unsafeHeader() { return tr("The request holds a line break in a header value"); }

QString tooManyRedirects() { return tr("Too many redirections"); }

QString remoteFileChanging() { return tr("The file keeps changing on the server"); }

QString noAnswer() { return tr("The server stopped sending data"); }

} // namespace FailureReason
