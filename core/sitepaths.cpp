#include "sitepaths.h"

namespace SitePaths {

QString searchPagePackageUrl(const QString &homeUrl, const QString &programFileName)
{
    return homeUrl + QStringLiteral("/tvo/z_tvo_z/") + programFileName + SearchPagePackage;
}

QString locationPageUrl(const QString &homeUrl, const QString &address, const QString &domain)
{
    return homeUrl + LocationPage + QStringLiteral("?ip=") + address + QStringLiteral("&domain=") + domain;
}

QString advertisementPageUrl(const QString &advertisementBase, const QString &kind, int counter)
{
    return advertisementBase + kind + QString::number(counter) + QStringLiteral(".html");
}

} // namespace SitePaths
