#include "instancepaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t PrivateFolderMode = 0700;

// A folder only this user can enter: an existing one must be a real folder
// (not a link) owned by the user; looser permissions are tightened.
bool isPrivateFolder(const QByteArray &path, bool create)
{
    if (path.isEmpty() || !path.startsWith('/'))
        return false;
    if (create && ::mkdir(path.constData(), PrivateFolderMode) != 0 && errno != EEXIST)
        return false;
    struct stat info{};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(path.constData(), PrivateFolderMode) != 0)
        return false;
    return true;
}

QString baseNameFor(const QString &executablePath)
{
    // Short enough that the socket path fits a socket address even in a
    // deep runtime folder.
    const QByteArray hash = QCryptographicHash::hash(InstancePaths::markerKey(executablePath).toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(32);
    return QStringLiteral("zantor-") + QString::fromLatin1(hash);
}
} // namespace

namespace InstancePaths {

QString markerKey(const QString &executablePath)
{
    return executablePath + QStringLiteral("|uid=") + QString::number(::getuid());
}

QString runtimeFolder()
{
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (isPrivateFolder(xdg, false))
        return QFile::decodeName(xdg);

    const QString temporary = QDir::tempPath() + QStringLiteral("/zantor-runtime-") + QString::number(::getuid());
    if (isPrivateFolder(QFile::encodeName(temporary), true))
        return temporary;

    // Someone else holds that name: the user's own cache folder cannot be
    // taken over by another user. The host name keeps a shared home folder
    // from mixing instances of different machines.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = cache + QStringLiteral("/zantor-runtime-") + QSysInfo::machineHostName();
    QDir().mkpath(cache);
    isPrivateFolder(QFile::encodeName(folder), true);
    return folder;
}

QString serverNameFor(const QString &executablePath)
{
    return runtimeFolder() + QLatin1Char('/') + baseNameFor(executablePath);
}

QString markerPathFor(const QString &executablePath)
{
    return runtimeFolder() + QLatin1Char('/') + baseNameFor(executablePath) + QStringLiteral(".lock");
}

} // namespace InstancePaths
