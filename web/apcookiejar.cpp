#include "apcookiejar.h"

#include <QNetworkCookie>

ApCookieJar::ApCookieJar(QObject *parent)
    : QNetworkCookieJar(parent)
{
}

bool ApCookieJar::setCookiesFromUrl(const QList<QNetworkCookie> &cookieList, const QUrl &url)
{
    QList<QNetworkCookie> stored = allCookies();
    bool added = false;
    for (QNetworkCookie cookie : cookieList) {
        cookie.normalize(url);
        if (!validateCookie(cookie, url))
            continue;
        // The very same cookie set again (same name, value, domain and path)
        // would only make every request longer.
        bool duplicate = false;
        for (const QNetworkCookie &old : qAsConst(stored)) {
            if (old.hasSameIdentifier(cookie) && old.value() == cookie.value()) {
                duplicate = true;
                break;
            }
        }
        if (!duplicate)
            stored.append(cookie);
        added = true;
    }
    if (added)
        setAllCookies(stored);
    return added;
}

void ApCookieJar::clear()
{
    setAllCookies({});
}
