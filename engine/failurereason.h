#pragma once

#include <QByteArray>
#include <QString>

// Why a download failed, in words a user understands: the server's answer
// (HTTP status line, FTP reply) or what the transfer library or the disk
// reported. The texts are translated in the context "FailureReason".
namespace FailureReason {

// An HTTP answer that carries no file: "File not found on the server (404)".
QString httpStatus(int status, const QByteArray &reasonPhrase);
// An FTP reply of 400 or more: "File not found on the server (550 ...)".
QString ftpReply(int code, const QByteArray &text);
// A libcurl result code other than success; detail is its error buffer.
QString transfer(int curlCode, const QByteArray &detail = {});
// A failure of the single-stream downloader (QNetworkReply::NetworkError
// and the HTTP status when there was one).
QString network(int networkError, int httpStatus, const QString &detail);
// The file could not be written; error is the errno value.
QString disk(int error);
QString diskFull();
QString noAnswer();
QString tooManyRedirects();
// The file on the server was replaced again and again during the download.
QString remoteFileChanging();
QString proxyRefused();
// The proxy the user chose has no usable host (empty, or written with the
// scheme of another proxy type).
QString proxyUnusable();
// A header value of the task (its referer, the user agent) holds a line
// break, which would add lines of its own to the request.
QString unsafeHeader();

} // namespace FailureReason
