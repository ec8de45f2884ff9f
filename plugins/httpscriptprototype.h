#pragma once

#include <QObject>
#include <QScriptable>
#include <QString>

class Http;

// The methods of script Http objects. Each call works on the Http held by
// the object it is called on; called on anything else it does nothing.
class HttpScriptPrototype final : public QObject, protected QScriptable
{
    Q_OBJECT

public:
    explicit HttpScriptPrototype(QObject *parent = nullptr);

    // Page requests that ended without reaching the server (refused, no
    // such host, timed out, broken off), counted over the engine's life.
    int unreachableCount() const { return m_unreachable; }

public slots:
    QString downloadWebpage(const QString &url, bool isUtf8 = true);
    QString downloadWebpageEx(const QString &url, bool url_tolerantMode, bool isUtf8 = true);
    QString downloadWebpagePost(const QString &url, const QString &parameters, bool isUtf8 = true);
    QString downloadWebpagePostEx(const QString &url, const QString &parameters, bool url_tolerantMode,
                                  bool isUtf8 = true);
    QString downloadWebpageHeaders(const QString &url, const QString &separator = QStringLiteral("\n"));
    void addCookie(const QString &cookie);
    void addCookies(const QString &cookies, const QString &separator = QStringLiteral("|"));
    QString getCookies(const QString &separator = QStringLiteral("|"));
    void clearCookies();
    void setCookiesEnabled(bool value);
    void addHeaderParameter(const QString &key, const QString &value);
    void clearHeaderParameters();
    void setMaxRetries(int value);
    void setTimeOutOption(bool value);
    void setTimeOut(int value);
    void setMaxAutoJumps(int value);
    void setUserAgent(const QString &value);
    int getLastError();
    int getLastStopReason();

private:
    Q_DISABLE_COPY(HttpScriptPrototype)
    Http *thisHttp() const;
    QString noted(const Http *http, const QString &result);

    int m_unreachable = 0;
};
