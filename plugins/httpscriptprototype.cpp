#include "httpscriptprototype.h"

#include <QScriptEngine>
#include <QScriptValue>

#include "http.h"
#include "scriptwatchdog.h"

HttpScriptPrototype::HttpScriptPrototype(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("HttpScriptPrototype"));
}

QString HttpScriptPrototype::noted(const Http *http, const QString &result)
{
    switch (http->getLastError()) {
    case Http::ConnectionRefusedError:
    case Http::HostNotFoundError:
    case Http::TimeOutError:
    case Http::OtherNetworkError:
        ++m_unreachable;
        break;
    default:
        break;
    }
    return result;
}

Http *HttpScriptPrototype::thisHttp() const
{
    // A pointer into the variant the object holds, so changes stay with it.
    return qscriptvalue_cast<Http *>(thisObject().data());
}

// The page downloads block while the reply arrives; the script does not run
// meanwhile, so that time does not count against its running-time bound,
// only against the bound of the whole plugin call, which also ends the wait.
QString HttpScriptPrototype::downloadWebpage(const QString &url, bool isUtf8)
{
    Http *http = thisHttp();
    if (!http)
        return QString();
    if (ScriptWatchdog::hasStopped(engine()))
        return QString();
    const ScriptWatchdog::WaitGuard guard(engine(), [http] { http->abortPage(); });
    return noted(http, http->downloadWebpage(url, isUtf8));
}

QString HttpScriptPrototype::downloadWebpageEx(const QString &url, bool url_tolerantMode, bool isUtf8)
{
    Http *http = thisHttp();
    if (!http)
        return QString();
    if (ScriptWatchdog::hasStopped(engine()))
        return QString();
    const ScriptWatchdog::WaitGuard guard(engine(), [http] { http->abortPage(); });
    return noted(http, http->downloadWebpageEx(url, url_tolerantMode, isUtf8));
}

QString HttpScriptPrototype::downloadWebpagePost(const QString &url, const QString &parameters, bool isUtf8)
{
    Http *http = thisHttp();
    if (!http)
        return QString();
    if (ScriptWatchdog::hasStopped(engine()))
        return QString();
    const ScriptWatchdog::WaitGuard guard(engine(), [http] { http->abortPage(); });
    return noted(http, http->downloadWebpagePost(url, parameters, isUtf8));
}

QString HttpScriptPrototype::downloadWebpagePostEx(const QString &url, const QString &parameters,
                                                   bool url_tolerantMode, bool isUtf8)
{
    Http *http = thisHttp();
    if (!http)
        return QString();
    if (ScriptWatchdog::hasStopped(engine()))
        return QString();
    const ScriptWatchdog::WaitGuard guard(engine(), [http] { http->abortPage(); });
    return noted(http, http->downloadWebpagePostEx(url, parameters, url_tolerantMode, isUtf8));
}

QString HttpScriptPrototype::downloadWebpageHeaders(const QString &url, const QString &separator)
{
    Http *http = thisHttp();
    if (!http)
        return QString();
    if (ScriptWatchdog::hasStopped(engine()))
        return QString();
    const ScriptWatchdog::WaitGuard guard(engine(), [http] { http->abortPage(); });
    return noted(http, http->downloadWebpageHeaders(url, separator));
}

void HttpScriptPrototype::addCookie(const QString &cookie)
{
    if (Http *http = thisHttp())
        http->addCookie(cookie);
}

void HttpScriptPrototype::addCookies(const QString &cookies, const QString &separator)
{
    if (Http *http = thisHttp())
        http->addCookies(cookies, separator);
}

QString HttpScriptPrototype::getCookies(const QString &separator)
{
    Http *http = thisHttp();
    return http ? http->getCookies(separator) : QString();
}

void HttpScriptPrototype::clearCookies()
{
    if (Http *http = thisHttp())
        http->clearCookies();
}

void HttpScriptPrototype::setCookiesEnabled(bool value)
{
    if (Http *http = thisHttp())
        http->setCookiesEnabled(value);
}

void HttpScriptPrototype::addHeaderParameter(const QString &key, const QString &value)
{
    if (Http *http = thisHttp())
        http->addHeaderParameter(key, value);
}

void HttpScriptPrototype::clearHeaderParameters()
{
    if (Http *http = thisHttp())
        http->clearHeaderParameters();
}

void HttpScriptPrototype::setMaxRetries(int value)
{
    if (Http *http = thisHttp())
        http->setMaxRetries(value);
}

void HttpScriptPrototype::setTimeOutOption(bool value)
{
    if (Http *http = thisHttp())
        http->setTimeOutOption(value);
}

void HttpScriptPrototype::setTimeOut(int value)
{
    if (Http *http = thisHttp())
        http->setTimeOut(value);
}

void HttpScriptPrototype::setMaxAutoJumps(int value)
{
    if (Http *http = thisHttp())
        http->setMaxAutoJumps(value);
}

void HttpScriptPrototype::setUserAgent(const QString &value)
{
    if (Http *http = thisHttp())
        http->setUserAgent(value);
}

int HttpScriptPrototype::getLastError()
{
    Http *http = thisHttp();
    return http ? http->getLastError() : 0;
}

int HttpScriptPrototype::getLastStopReason()
{
    Http *http = thisHttp();
    return http ? http->getLastStopReason() : 0;
}
