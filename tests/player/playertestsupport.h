#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "playerinfo.h"
#include "settingsstore.h"
#include "testsupport.h"

// Shared by the player's window and playback tests.
namespace PlayerTest {

// The record of a player whose page comes from the build tree and whose
// user folder is the given one; no site answers at its addresses.
inline Player::PlayerInfo info(const QString &userFolder)
{
    Player::PlayerInfo info;
    info.homeUrl = QStringLiteral("http://127.0.0.1:9");
    info.advertisementBaseUrl = info.homeUrl + QStringLiteral("/ads/");
    info.programFolder = TestSupport::binDir();
    info.userDataFolder = userFolder;
    return info;
}

inline void clearStore()
{
    QFile::remove(SettingsStore::filePath(QStringLiteral("Tarvo"), QStringLiteral("clipdeck")));
}

inline bool touch(const QString &path, const QByteArray &data = QByteArray("x"))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace PlayerTest

namespace PlayerTest {

// Screenshots go here (build/test-output), never into the source tree.
inline QString outputFolder()
{
    const QString folder = QDir(TestSupport::binDir()).absoluteFilePath(QStringLiteral("../test-output"));
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

} // namespace PlayerTest
