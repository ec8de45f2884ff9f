#include "applicationinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSysInfo>
#include <QUrl>

#include "commonfunctions.h"

#ifndef ZANTOR_HOME_URL
#define ZANTOR_HOME_URL "http://www.zantor.example.com"
#endif

ApplicationInfo::ApplicationInfo()
    : m_programFileName(QStringLiteral("zantor"))
    , m_displayName(QStringLiteral("Zantor"))
    , m_versionNumber(144)
    , m_versionText(QStringLiteral("1.4.4"))
    , m_programKind()
    , m_platform(QStringLiteral("linux"))
    , m_homeUrl(defaultHomeUrl())
    , m_programFolder(QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                    : QDir::currentPath())
    , m_systemVersion(QSysInfo::prettyProductName())
    , m_languageTable(standardLanguageTable())
{
    m_userDataFolder = QDir(Common::applicationDataFolder() + QLatin1Char('/') + m_displayName
                            + QLatin1Char('/') + m_programFileName)
                           .absolutePath();
}

QString ApplicationInfo::updateFolderUrl() const
{
    return m_homeUrl + QStringLiteral("/tvo/z_tvo_z/") + m_programFileName + QStringLiteral("/update/")
        + m_platform;
}

QString ApplicationInfo::updateManifestUrl() const
{
    return updateFolderUrl() + QStringLiteral("/update.tvoxml");
}

QString ApplicationInfo::executableName(const QString &baseName) const
{
    return m_programKind.isEmpty() ? baseName : baseName + QLatin1Char('.') + m_programKind;
}

QString ApplicationInfo::programPath(const QString &baseName) const
{
    return m_programFolder + QLatin1Char('/') + executableName(baseName);
}

QMap<QString, int> ApplicationInfo::standardLanguageTable()
{
    return {
        {QStringLiteral("german"), QLocale::German},         {QStringLiteral("english"), QLocale::English},
        {QStringLiteral("spanish"), QLocale::Spanish},       {QStringLiteral("french"), QLocale::French},
        {QStringLiteral("portuguese"), QLocale::Portuguese}, {QStringLiteral("russian"), QLocale::Russian},
        {QStringLiteral("arabic"), QLocale::Arabic},         {QStringLiteral("chinese"), QLocale::Chinese},
        {QStringLiteral("japanese"), QLocale::Japanese},     {QStringLiteral("korean"), QLocale::Korean},
    };
}

bool ApplicationInfo::isPlaceholderUrl(const QString &url)
{
    const QString host = QUrl(url).host().toLower();
    if (host.isEmpty())
        return true;
    for (const char *domain : {"example.com", "example.net", "example.org", "example", "invalid", "test"}) {
        const QString reserved = QLatin1String(domain);
        if (host == reserved || host.endsWith(QLatin1Char('.') + reserved))
            return true;
    }
    return false;
}

QString ApplicationInfo::defaultHomeUrl()
{
    const QString fromEnv = qEnvironmentVariable("ZANTOR_HOME_URL");
    QString url = fromEnv.isEmpty() ? QStringLiteral(ZANTOR_HOME_URL) : fromEnv;
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}
