#include "commonfunctions.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "applicationinfo.h"
#include "settingsstore.h"

namespace Common {

namespace {

QString firstLocation(QStandardPaths::StandardLocation location)
{
    const QStringList paths = QStandardPaths::standardLocations(location);
    return paths.isEmpty() ? QString() : paths.first();
}

QString unitText(double value, const char *const units[5], char format, int precision)
{
    int k = 0;
    do {
        value /= 1024.0;
        ++k;
    } while (qAbs(value) >= 1024.0 && k < 5);
    return QString::number(value, format, precision) + QLatin1Char(' ') + QLatin1String(units[k - 1]);
}

} // namespace

QString applicationDataFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty() || QDir(folder).isRoot())
        folder = QDir::homePath() + QStringLiteral("/.local/share");
    return folder;
}

QString documentsFolder() { return firstLocation(QStandardPaths::DocumentsLocation); }
QString desktopFolder() { return firstLocation(QStandardPaths::DesktopLocation); }

QString recentFolder()
{
    // KDE keeps recent documents as a folder of links; other desktops keep
    // a list file, which is no folder.
    const QString kde = applicationDataFolder() + QStringLiteral("/RecentDocuments");
    return QFileInfo(kde).isDir() ? kde : QString();
}

QString defaultDownloadFolder()
{
    static const QString folder = documentsFolder() + QStringLiteral("/Zantor/downloads");
    return folder;
}

bool openPath(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString companionProgramPath(const ApplicationInfo &info, int kind)
{
    switch (kind) {
    case CompanionUpdater:
        return info.programPath(QStringLiteral("updater"));
    case CompanionFormshift: {
        SettingsStore store(QStringLiteral("Formshift"), QStringLiteral("formshift"));
        const QString stored = store->value(QStringLiteral("FullPathName")).toString();
        if (!stored.isEmpty() && QFileInfo::exists(stored))
            return stored;
        const QString parent = QDir::cleanPath(info.programFolder() + QStringLiteral("/.."));
        return parent + QStringLiteral("/Formshift/") + info.executableName(QStringLiteral("formshift"));
    }
    case CompanionCapture:
        return info.programPath(QStringLiteral("capturer"));
    case CompanionPlayer:
        return info.programPath(QStringLiteral("clipdeck"));
    case CompanionLocationViewer:
        return info.programPath(QStringLiteral("mapglance"));
    case CompanionToolbelt:
        return info.programPath(QStringLiteral("toolbelt"));
    case CompanionWebImage:
        return info.programPath(QStringLiteral("webimager"));
    default:
        return QString();
    }
}

bool startCompanion(const ApplicationInfo &info, const QString &programPath, const QStringList &arguments)
{
    if (programPath.isEmpty() || !QFileInfo(programPath).isExecutable())
        return false;
    return QProcess::startDetached(programPath, arguments, info.programFolder());
}

bool startCompanion(const ApplicationInfo &info, int kind, const QStringList &arguments)
{
    return startCompanion(info, companionProgramPath(info, kind), arguments);
}

QString durationText(qint64 seconds)
{
    const qint64 h = seconds / 3600;
    const qint64 m = (seconds % 3600) / 60;
    const qint64 s = seconds % 60;
    QString text;
    if (h > 0)
        text += QString::number(h) + QStringLiteral("h ");
    if (m > 0)
        text += QString::number(m) + QStringLiteral("m ");
    text += QString::number(s) + QLatin1Char('s');
    return text;
}

QString sizeText(double bytes, char format, int precision)
{
    static const char *const units[5] = {"KB", "MB", "GB", "TB", "PB"};
    return unitText(bytes, units, format, precision);
}

QString speedText(double bytesPerSecond, char format, int precision)
{
    static const char *const units[5] = {"KB/s", "MB/s", "GB/s", "TB/s", "PB/s"};
    return unitText(bytesPerSecond, units, format, precision);
}

const QStringList &mediaTypes()
{
    static const QStringList types = {
        QStringLiteral("mid"), QStringLiteral("aac"),  QStringLiteral("voc"),  QStringLiteral("snd"),
        QStringLiteral("aiff"), QStringLiteral("aif"), QStringLiteral("ogg"),  QStringLiteral("au"),
        QStringLiteral("wav"), QStringLiteral("wma"),  QStringLiteral("mp3"),  QStringLiteral("rmvb"),
        QStringLiteral("rm"),  QStringLiteral("mp4"),  QStringLiteral("flv"),  QStringLiteral("mpe"),
        QStringLiteral("vob"), QStringLiteral("mpeg"), QStringLiteral("wmv"),  QStringLiteral("asf"),
        QStringLiteral("mov"), QStringLiteral("mpg"),  QStringLiteral("avi"),
    };
    return types;
}

const QStringList &playerTypes()
{
    static const QStringList types = {
        QStringLiteral("flv"), QStringLiteral("mp4"),  QStringLiteral("mov"), QStringLiteral("m4a"),
        QStringLiteral("mp4v"), QStringLiteral("3gp"), QStringLiteral("3g2"),
    };
    return types;
}

bool isMediaType(const QString &suffix) { return mediaTypes().contains(suffix, Qt::CaseInsensitive); }
bool isPlayerType(const QString &suffix) { return playerTypes().contains(suffix, Qt::CaseInsensitive); }

QIcon fileTypeIcon(const QString &suffix, bool isFolder)
{
    if (isFolder)
        return QIcon(QStringLiteral(":/icons/folder_files.png"));
    QString dotted = suffix.startsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix;
    static const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(QStringLiteral("file") + dotted, QMimeDatabase::MatchExtension);
    const QIcon generic = QIcon::fromTheme(QStringLiteral("text-x-generic"),
                                           QIcon(QStringLiteral(":/icons/mime_file.png")));
    if (!type.isValid() || type.isDefault())
        return generic;
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName(), generic);
    return icon;
}

} // namespace Common
