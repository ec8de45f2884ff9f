// plugin-run PLUGIN.js URL
//
// Loads a video service plugin, prints whether it is valid and its metadata,
// runs getVideoInformation(URL) and prints the resulting definition as JSON.
// Exit status 0 when the definition carries a media URL, 1 when it does not,
// 2 on wrong usage.

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "videoinformationplugin.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        err << "usage: plugin-run PLUGIN.js URL\n";
        return 2;
    }

    VideoInformationPlugin plugin(nullptr, arguments.at(1));
    const auto yesNo = [](bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); };
    out << "valid: " << yesNo(plugin.isValid()) << '\n'
        << "file: " << plugin.path(true) << '\n'
        << "ID: " << plugin.id() << '\n'
        << "caption: " << plugin.caption() << '\n'
        << "version: " << plugin.version() << '\n'
        << "minVersion: " << plugin.minVersion() << '\n'
        << "author: " << plugin.author() << '\n'
        << "website: " << plugin.website() << '\n'
        << "adultContent: " << yesNo(plugin.adultContent()) << '\n'
        << "musicSite: " << yesNo(plugin.musicSite()) << '\n'
        << "canSearch: " << yesNo(plugin.canSearch()) << '\n'
        << "iconName: " << plugin.iconName() << '\n'
        << "icon: "
        << (plugin.iconImage().isNull()
                ? QStringLiteral("none")
                : QStringLiteral("%1x%2").arg(plugin.iconImage().width()).arg(plugin.iconImage().height()))
        << '\n';
    out.flush();

    const VideoDefinition definition = plugin.getVideoInformation(arguments.at(2));
    const QJsonObject json{
        {QStringLiteral("URL"), definition.URL},
        {QStringLiteral("title"), definition.title},
        {QStringLiteral("extension"), definition.extension},
        {QStringLiteral("needLogin"), definition.needLogin},
        {QStringLiteral("isAudioFile"), definition.isAudioFile},
        {QStringLiteral("cookies"), definition.cookies},
        {QStringLiteral("headers"), definition.headers},
        {QStringLiteral("userAgent"), definition.userAgent},
    };
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    out.flush();
    return definition.URL.isEmpty() ? 1 : 0;
}
