#pragma once

#include <QNetworkCookie>
#include <QNetworkCookieJar>

// The cookie store of every web view of the suite, in memory for the life of
// the view's network access. It keeps every cookie a page sets, in the order
// received, without replacing an earlier one of the same name: a server that
// sets two cookies of one name gets both back. Only what would let one site
// plant cookies for another is refused (a domain the page's host does not
// belong to, or a public suffix such as ".com"); a cookie without a domain
// or path is given the page's host and folder, so it is sent back at all.
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
};
