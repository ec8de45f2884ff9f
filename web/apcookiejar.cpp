#include "apcookiejar.h"

#include <QDateTime>
#include <QNetworkCookie>

ApCookieJar::ApCookieJar(QObject *parent)
    : QNetworkCookieJar(parent)
{
}

bool ApCookieJar::setCookiesFromUrl(const QList<QNetworkCookie> &cookieList, const QUrl &url)
{
    // The base class fills in a missing domain and path, refuses foreign
    // domains and public suffixes, replaces a cookie of the same name,
    // domain and path, and treats a past expiry date as a deletion.
    const bool added = QNetworkCookieJar::setCookiesFromUrl(cookieList, url);
    removeExpired();
    return added;
}

void ApCookieJar::removeExpired()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QList<QNetworkCookie> kept = allCookies();
    const int before = kept.size();
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [&now](const QNetworkCookie &cookie) {
                                  return !cookie.isSessionCookie() && cookie.expirationDate() < now;
                              }),
               kept.end());
    if (kept.size() != before)
        setAllCookies(kept);
}

void ApCookieJar::clear()
{
    setAllCookies({});
}
