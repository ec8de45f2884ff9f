// Cookies as servers and plugin scripts hand them over: the first line is
// the page address, the rest Set-Cookie text. Both stores get it: the web
// views' jar, and the script Http object's (addCookie / getCookies).

#include <QNetworkCookie>
#include <QUrl>

#include "apcookiejar.h"
#include "fuzzsupport.h"
#include "http.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64 * 1024)
        return 0;
    QByteArray head, body;
    FuzzSupport::split(FuzzSupport::bytes(data, size), &head, &body);
    const QUrl url(QString::fromUtf8(head));

    ApCookieJar jar;
    jar.setCookiesFromUrl(QNetworkCookie::parseCookies(body), url);
    for (const QNetworkCookie &cookie : jar.cookiesForUrl(url))
        cookie.toRawForm();
    jar.storedCookies();

    static Http *http = new Http;
    http->clearCookies();
    http->addCookies(QString::fromLatin1(body), QString::fromLatin1(head.left(4)));
    http->addCookie(QString::fromLatin1(body));
    http->getCookies();
    return 0;
}
