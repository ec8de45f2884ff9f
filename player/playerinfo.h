#pragma once

#include <QString>

namespace Player {

// The fixed application record of the media player, and the folders it
// works in. Tests point the folders elsewhere.
struct PlayerInfo
{
    QString organisation = QStringLiteral("Tarvo");
    QString programFileName = QStringLiteral("clipdeck");
    int versionNumber = 131;
    QString versionText = QStringLiteral("1.3.1");
    QString programKind;  // no executable suffix on this platform
    // Root of the product family web site: help, home and advertisements.
    QString homeUrl;
    QString advertisementBaseUrl;
    QString programFolder;
    QString userDataFolder;

    // The record as the installed program sees it: the site from the
    // ZANTOR_HOME_URL override or the built-in address, the program folder
    // beside the executable, the user data folder "<app data>/Tarvo/clipdeck".
    static PlayerInfo standard();

    // Translated "MP4/FLV Media Player".
    static QString displayName();
    QString playerFolder() const { return userDataFolder + QStringLiteral("/scripts/player"); }
    QString playlistFile() const { return playerFolder() + QStringLiteral("/playlist.xml"); }
};

} // namespace Player
