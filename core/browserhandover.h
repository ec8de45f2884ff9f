#pragma once

#include <QJsonObject>
#include <QString>
#include <QUrl>

// A download that a web browser hands over: what the extension sends to the
// native messaging host, what the host passes to the running instance, and
// the rules that keep the browser's cookies with the site they came from.
// Qt Core only: the host program shares it.
namespace BrowserHandOver {

// Name under which the browsers know the native messaging host.
inline const QString HostName = QStringLiteral("org.zantor.host");
// Instance-socket commands: a download, and the question whether the running
// instance takes downloads (its answer carries the file-type list).
inline const QString DownloadCommand = QStringLiteral("browser-download");
inline const QString StatusCommand = QStringLiteral("browser-status");
// Instance-socket answer: "reply", then "ok" or "error", then a detail.
inline const QString ReplyWord = QStringLiteral("reply");

// Bounds on what a browser may hand over. Cookies and the user agent become
// request headers; the rest is shown in the new task dialog.
constexpr int MaxUrlChars = 8192;
constexpr int MaxCookieChars = 16384;
constexpr int MaxTextChars = 1024;

struct Download
{
    QString url;        // the link the browser was asked to fetch
    QString finalUrl;   // where it ended after redirects; may be empty
    QString referrer;   // the page the link was on; may be empty
    QString cookies;    // "name=value; name2=value2" for the link's site
    QString userAgent;
    QString fileName;   // the browser's suggestion, a bare name
    qint64 size = -1;   // bytes, -1 when unknown

    // The address the task downloads: the final one when the browser knows it.
    QString taskUrl() const { return finalUrl.isEmpty() ? url : finalUrl; }
    // The site the cookies belong to: the origin of the task address.
    QString cookieOrigin() const;
};

// Checks a hand-over object (every key except "type") and fills download.
// Returns an empty text when it is valid, else the error code: "missing-url",
// "bad-url", "bad-field" (a value of the wrong type, size or content),
// "unknown-field".
QString parse(const QJsonObject &object, Download *download);
QJsonObject toJson(const Download &download);

// The one argument of the instance-socket command: the JSON object in
// unpadded base64url, so that no character of the cookies or addresses can
// touch the message framing.
QString encodeArgument(const Download &download);
// Decodes and checks the argument; false for anything parse() refuses.
bool decodeArgument(const QString &argument, Download *download);

// An address a download may come from: http, https or ftp with a host.
bool isDownloadUrl(const QString &text);
// "scheme://host:port" with the scheme's default port filled in; empty for
// an address without scheme or host.
QString originOf(const QUrl &url);
// Cookies go only to the exact origin they were handed over for: never to
// another host or port, and never from https down to http.
bool sendsCookiesTo(const QString &cookieOrigin, const QUrl &target);
// The browsers' own file-type list text: the endings of a ";" list in lower
// case, each with its dot.
QStringList fileEndings(const QString &fileTypes);

} // namespace BrowserHandOver
