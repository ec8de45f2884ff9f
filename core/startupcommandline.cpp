#include "startupcommandline.h"

#include <QFileInfo>

namespace {
bool startsWithScheme(const QString &text, const QString &scheme)
{
    return text.left(scheme.size()).toLower() == scheme;
}
} // namespace

StartupCommandLine StartupCommandLine::parse(const QStringList &arguments)
{
    StartupCommandLine result;
    if (arguments.size() == 1) {
        const QString &argument = arguments.first();
        if (argument == QLatin1String("/bg"))
            result.startHidden = true;
        else if (looksLikeLink(argument))
            result.link = argument;
    } else if (arguments.size() >= 2 && arguments.first() == QLatin1String("/link-url")) {
        result.link = arguments.at(1);
    }
    return result;
}

bool StartupCommandLine::looksLikeLink(const QString &argument)
{
    return isDownloadLink(argument) || startsWithScheme(argument, QStringLiteral("magnet:"))
        || QFileInfo::exists(argument);
}

bool StartupCommandLine::isDownloadLink(const QString &link)
{
    return startsWithScheme(link, QStringLiteral("http://")) || startsWithScheme(link, QStringLiteral("https://"))
        || startsWithScheme(link, QStringLiteral("ftp://"));
}
