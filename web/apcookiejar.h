#pragma once

#include <QNetworkCookie>
#include <QNetworkCookieJar>

// The cookie store of every web view of the suite, in memory for the life of
// the view's network access. A cookie replaces the stored one with the same
// name, domain and path; one whose expiry date has passed deletes it (that
// is how a site logs out), and cookies that expire while stored are dropped
// at the next change, so they are neither sent nor kept. Only what would let
// one site plant cookies for another is refused (a domain the page's host
// does not belong to, or a public suffix such as ".com"); a cookie without a
// domain or path is given the page's host and folder, so it is sent back at
// all.
class ApCookieJar final : public QNetworkCookieJar
{
    Q_OBJECT
    Q_DISABLE_COPY(ApCookieJar)

public:
    explicit ApCookieJar(QObject *parent = nullptr);

    // Returns true when at least one cookie of the list was stored.
    bool setCookiesFromUrl(const QList<QNetworkCookie> &cookieList, const QUrl &url) override;

    // Every stored cookie, in the order received.
    QList<QNetworkCookie> storedCookies() const { return allCookies(); }

public slots:
    void clear();

private:
    void removeExpired();
};
