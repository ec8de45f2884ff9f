#include "browserhostmanifest.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include "browserhandover.h"

namespace BrowserHostManifest {

QByteArray manifest(Family family, const QString &hostPath)
{
    QJsonObject object{
        {QStringLiteral("name"), BrowserHandOver::HostName},
        {QStringLiteral("description"), QStringLiteral("Zantor: downloads handed over from the browser")},
        {QStringLiteral("path"), hostPath},
        {QStringLiteral("type"), QStringLiteral("stdio")},
    };
    if (family == Chromium) {
        object.insert(QStringLiteral("allowed_origins"),
                      QJsonArray{QStringLiteral("chrome-extension://") + ChromiumExtensionId + QLatin1Char('/')});
    } else {
        object.insert(QStringLiteral("allowed_extensions"), QJsonArray{FirefoxExtensionId});
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString fileName()
{
    return BrowserHandOver::HostName + QStringLiteral(".json");
}

QList<Place> userPlaces()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString home = QDir::homePath();
    const auto chromium = [&config](const QString &browser, const QString &folder) {
        const QString browserFolder = config + QLatin1Char('/') + folder;
        return Place{browser, browserFolder, browserFolder + QStringLiteral("/NativeMessagingHosts"), Chromium};
    };
    return {
        chromium(QStringLiteral("Chromium"), QStringLiteral("chromium")),
        chromium(QStringLiteral("Google Chrome"), QStringLiteral("google-chrome")),
        chromium(QStringLiteral("Brave"), QStringLiteral("BraveSoftware/Brave-Browser")),
        chromium(QStringLiteral("Vivaldi"), QStringLiteral("vivaldi")),
        chromium(QStringLiteral("Microsoft Edge"), QStringLiteral("microsoft-edge")),
        Place{QStringLiteral("Firefox"), home + QStringLiteral("/.mozilla"),
              home + QStringLiteral("/.mozilla/native-messaging-hosts"), Firefox},
    };
}

QStringList writeUserManifests(const QString &hostPath)
{
    QStringList written;
    for (const Place &place : userPlaces()) {
        if (!QFileInfo(place.browserFolder).isDir() || !QDir().mkpath(place.manifestFolder))
            continue;
        const QString path = place.manifestFolder + QLatin1Char('/') + fileName();
        const QByteArray text = manifest(place.family, hostPath);
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text) {
            written << path;
            continue;
        }
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
            written << path;
    }
    return written;
}

void removeUserManifests()
{
    for (const Place &place : userPlaces())
        QFile::remove(place.manifestFolder + QLatin1Char('/') + fileName());
}

} // namespace BrowserHostManifest
