#include "browserhandover.h"

#include <QJsonDocument>
#include <QSet>

namespace BrowserHandOver {

namespace {

bool isHeaderSafe(const QString &text)
{
    // A value that becomes a request header may not start a line of its own.
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            return false;
    }
    return true;
}

bool isFileNameSafe(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

// Reads an optional text field; false when present but not a text or too long.
bool optionalText(const QJsonObject &object, const QString &key, int maxChars, QString *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isString())
        return false;
    *out = value.toString();
    return out->size() <= maxChars;
}

} // namespace

QString Download::cookieOrigin() const
{
    return originOf(QUrl(taskUrl()));
}

QString parse(const QJsonObject &object, Download *download)
{
    static const QSet<QString> known{QStringLiteral("type"),    QStringLiteral("url"),
                                     QStringLiteral("finalUrl"), QStringLiteral("referrer"),
                                     QStringLiteral("cookies"), QStringLiteral("userAgent"),
                                     QStringLiteral("fileName"), QStringLiteral("size")};
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key()))
            return QStringLiteral("unknown-field");
    }
    Download d;
    const QJsonValue url = object.value(QStringLiteral("url"));
    if (url.isUndefined() || url.isNull() || (url.isString() && url.toString().isEmpty()))
        return QStringLiteral("missing-url");
    if (!url.isString())
        return QStringLiteral("bad-field");
    d.url = url.toString().trimmed();
    if (d.url.size() > MaxUrlChars || !isDownloadUrl(d.url))
        return QStringLiteral("bad-url");
    if (!optionalText(object, QStringLiteral("finalUrl"), MaxUrlChars, &d.finalUrl))
        return QStringLiteral("bad-field");
    d.finalUrl = d.finalUrl.trimmed();
    if (!d.finalUrl.isEmpty() && !isDownloadUrl(d.finalUrl))
        return QStringLiteral("bad-url");
    if (!optionalText(object, QStringLiteral("referrer"), MaxUrlChars, &d.referrer))
        return QStringLiteral("bad-field");
    d.referrer = d.referrer.trimmed();
    // A referrer goes out as a header: only a web page address will do.
    if (!d.referrer.isEmpty()
        && (!isDownloadUrl(d.referrer) || d.referrer.startsWith(QLatin1String("ftp:"), Qt::CaseInsensitive)
            || !isHeaderSafe(d.referrer)))
        return QStringLiteral("bad-field");
    if (!optionalText(object, QStringLiteral("cookies"), MaxCookieChars, &d.cookies) || !isHeaderSafe(d.cookies))
        return QStringLiteral("bad-field");
    if (!optionalText(object, QStringLiteral("userAgent"), MaxTextChars, &d.userAgent)
        || !isHeaderSafe(d.userAgent))
        return QStringLiteral("bad-field");
    if (!optionalText(object, QStringLiteral("fileName"), MaxTextChars, &d.fileName)
        || !isFileNameSafe(d.fileName))
        return QStringLiteral("bad-field");
    const QJsonValue size = object.value(QStringLiteral("size"));
    if (!size.isUndefined() && !size.isNull()) {
        if (!size.isDouble() || size.toDouble() < -1 || size.toDouble() > 9.0e15)
            return QStringLiteral("bad-field");
        d.size = qint64(size.toDouble());
    }
    *download = d;
    return QString();
}

QJsonObject toJson(const Download &d)
{
    QJsonObject object{{QStringLiteral("url"), d.url}};
    const auto put = [&object](const char *key, const QString &value) {
        if (!value.isEmpty())
            object.insert(QLatin1String(key), value);
    };
    put("finalUrl", d.finalUrl);
    put("referrer", d.referrer);
    put("cookies", d.cookies);
    put("userAgent", d.userAgent);
    put("fileName", d.fileName);
    if (d.size >= 0)
        object.insert(QStringLiteral("size"), double(d.size));
    return object;
}

QString encodeArgument(const Download &download)
{
    const QByteArray json = QJsonDocument(toJson(download)).toJson(QJsonDocument::Compact);
    return QString::fromLatin1(json.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

bool decodeArgument(const QString &argument, Download *download)
{
    const QByteArray json = QByteArray::fromBase64(argument.trimmed().toLatin1(), QByteArray::Base64UrlEncoding);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    return parse(document.object(), download).isEmpty();
}

bool isDownloadUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp");
}

QString originOf(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme.isEmpty() || url.host().isEmpty())
        return QString();
    int defaultPort = -1;
    if (scheme == QLatin1String("http"))
        defaultPort = 80;
    else if (scheme == QLatin1String("https"))
        defaultPort = 443;
    else if (scheme == QLatin1String("ftp"))
        defaultPort = 21;
    return scheme + QStringLiteral("://") + url.host(QUrl::FullyEncoded).toLower() + QLatin1Char(':')
        + QString::number(url.port(defaultPort));
}

bool sendsCookiesTo(const QString &cookieOrigin, const QUrl &target)
{
    return !cookieOrigin.isEmpty() && originOf(target) == cookieOrigin;
}

QStringList fileEndings(const QString &fileTypes)
{
    QStringList endings;
    for (QString ending : fileTypes.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        ending = ending.trimmed().toLower();
        if (ending.isEmpty())
            continue;
        if (!ending.startsWith(QLatin1Char('.')))
            ending.prepend(QLatin1Char('.'));
        if (!endings.contains(ending))
            endings.append(ending);
    }
    return endings;
}

} // namespace BrowserHandOver
