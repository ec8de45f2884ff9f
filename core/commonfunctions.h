#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

class ApplicationInfo;

// Free functions shared across the program: folders, companion programs,
// size/speed/duration texts, file-type lists and icons.
namespace Common {

// Companion program kinds.
enum CompanionKind {
    CompanionUpdater = 0,
    CompanionFormshift = 1,
    CompanionCapture = 2,
    CompanionPlayer = 3,
    CompanionLocationViewer = 7,
    CompanionToolbelt = 8,
    CompanionWebImage = 9,
};

QString applicationDataFolder();   // never the file-system root
QString documentsFolder();
QString desktopFolder();
QString recentFolder();            // empty where the desktop keeps none
QString defaultDownloadFolder();   // documents + "/Zantor/downloads", computed once

// Opens a local path with the desktop's default handler.
bool openPath(const QString &path);

// Full path of a companion program, or empty for kinds that name none.
QString companionProgramPath(const ApplicationInfo &info, int kind);
// Starts a program detached, with the program folder as working folder.
// A missing program simply does not start.
bool startCompanion(const ApplicationInfo &info, const QString &programPath, const QStringList &arguments);
bool startCompanion(const ApplicationInfo &info, int kind, const QStringList &arguments);

QString durationText(qint64 seconds);
QString sizeText(double bytes, char format = 'f', int precision = 2);
QString speedText(double bytesPerSecond, char format = 'f', int precision = 2);

const QStringList &mediaTypes();
const QStringList &playerTypes();
bool isMediaType(const QString &suffix);
bool isPlayerType(const QString &suffix);

// The folder picture for folders, else the icon theme's icon for the
// suffix's MIME type, with a generic file icon when there is none.
QIcon fileTypeIcon(const QString &suffix, bool isFolder);

} // namespace Common
