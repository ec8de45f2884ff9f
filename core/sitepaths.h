#pragma once

#include <QString>

// Addresses on the product web site and the arguments the suite passes to
// its companion programs, gathered in one place.
namespace SitePaths {

inline const QString UpdateManifestFile = QStringLiteral("/update.tvoxml");
inline const QString SearchPagePackage = QStringLiteral("/views/webpane.tvor");
inline const QString LocationPage = QStringLiteral("/tvo/pub/geo/tvolocation.php");
inline const QString HelpFolder = QStringLiteral("/tvo/pub/help/");
inline const QString WebVideoEngines = QStringLiteral("/tvo/pub/res/webvidengines.html");
inline const QString FlashPlayerHelp = QStringLiteral("/tvo/pub/utils/flashplayer.html");
inline const QString ProductPage = QStringLiteral("/products/zantor.html");
inline const QString FormshiftPage = QStringLiteral("/products/fshift.html");

// Advertisement page kinds; a page is the base + kind + counter (0..9) + ".html".
inline const QString AdSky = QStringLiteral("skyshow");
inline const QString AdSky3 = QStringLiteral("sky3show");
inline const QString AdBanner = QStringLiteral("bannershow");
inline const QString AdBanner3 = QStringLiteral("banner3show");
inline const QString AdRectSmall = QStringLiteral("rectsmallshow");

// homeUrl + "/tvo/z_tvo_z/" + program + "/views/webpane.tvor"
QString searchPagePackageUrl(const QString &homeUrl, const QString &programFileName);
// homeUrl + "/tvo/pub/geo/tvolocation.php?ip=" + address + "&domain=" + domain, inserted as they are
QString locationPageUrl(const QString &homeUrl, const QString &address, const QString &domain);
QString advertisementPageUrl(const QString &advertisementBase, const QString &kind, int counter);

} // namespace SitePaths

// Command words and switches understood by the programs of the suite.
namespace CompanionArgs {
inline const QString Background = QStringLiteral("/bg");
inline const QString LinkUrl = QStringLiteral("/link-url");
inline const QString File = QStringLiteral("/file");
inline const QString Files = QStringLiteral("/files");
inline const QString GeoIp = QStringLiteral("/geo-ip");
inline const QString HostIp = QStringLiteral("/host-ip");
inline const QString FileSha1 = QStringLiteral("/file-sha1");
inline const QString CrashReport = QStringLiteral("/crash-tarvo");
} // namespace CompanionArgs
