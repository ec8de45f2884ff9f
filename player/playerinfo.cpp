#include "playerinfo.h"

#include <QCoreApplication>
#include <QDir>

#include "applicationinfo.h"
#include "commonfunctions.h"

namespace Player {

PlayerInfo PlayerInfo::standard()
{
    PlayerInfo info;
    info.homeUrl = ApplicationInfo::defaultHomeUrl();
    info.advertisementBaseUrl = info.homeUrl + QStringLiteral("/ads/");
    info.programFolder = QCoreApplication::applicationDirPath();
    info.userDataFolder = QDir(Common::applicationDataFolder() + QLatin1Char('/') + info.organisation
                               + QLatin1Char('/') + info.programFileName)
                              .absolutePath();
    return info;
}

QString PlayerInfo::displayName()
{
    return QCoreApplication::translate("Player::MainWindow", "MP4/FLV Media Player");
}

} // namespace Player
