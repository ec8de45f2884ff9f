#include "cookies.h"

Cookies::Cookies(QObject *parent)
    : QNetworkCookieJar(parent)
{
    setObjectName(QStringLiteral("Cookies"));
}
