#pragma once

#include <QNetworkCookie>
#include <QNetworkCookieJar>

// A cookie jar whose whole list can be read and replaced from outside.
class Cookies final : public QNetworkCookieJar
{
    Q_OBJECT

public:
    explicit Cookies(QObject *parent = nullptr);

    QList<QNetworkCookie> cookies() const { return allCookies(); }
    void setCookies(const QList<QNetworkCookie> &cookies) { setAllCookies(cookies); }

private:
    Q_DISABLE_COPY(Cookies)
};
