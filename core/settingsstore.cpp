#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const QString SettingsStore::organisation = QStringLiteral("Zantor");
const QString SettingsStore::application = QStringLiteral("zantor");

SettingsStore::SettingsStore()
    : SettingsStore(organisation, application)
{
}

SettingsStore::SettingsStore(const QString &org, const QString &app)
    : m_path(filePath(org, app))
{
    ensurePrivateFile(m_path);
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

SettingsStore::~SettingsStore()
{
    m_settings->sync();
    m_settings.reset();
    // QSettings rewrites the file through a temporary copy; make sure the
    // result still has owner-only permissions.
    if (QFileInfo::exists(m_path))
        ::chmod(QFile::encodeName(m_path).constData(), S_IRUSR | S_IWUSR);
}

QString SettingsStore::filePath(const QString &org, const QString &app)
{
    // The same place QSettings(org, app) uses for its native format on Linux.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + org + QLatin1Char('/') + app + QStringLiteral(".conf");
}

void SettingsStore::ensurePrivateFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return;
    QDir().mkpath(info.absolutePath());
    // Create it empty with 0600 before QSettings ever writes, so the
    // passwords are never readable by others, not even for a moment.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd >= 0)
        ::close(fd);
}
