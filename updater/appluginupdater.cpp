#include "appluginupdater.h"

#include <QDesktopServices>
#include <QDomDocument>
#include <QDomElement>

#include "apupdatehttp.h"
#include "applicationinfo.h"
#include "sitepaths.h"

ApPluginUpdater::ApPluginUpdater(QObject *parent)
    : QObject(parent)
    , m_http(new ApUpdateHttp(this))
    , m_homeUrl(ApplicationInfo::defaultHomeUrl())
    , m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    connect(m_http, &ApUpdateHttp::fileDownloadedToMemory, this, &ApPluginUpdater::fileDownloadedToMemoryCallback);
}

ApPluginUpdater::~ApPluginUpdater() = default;

void ApPluginUpdater::start(const QString &productName, const QString &manifestUrl, int releaseNumber)
{
    m_productName = productName;
    m_releaseNumber = releaseNumber;
    m_manifest.clear();
    m_http->setMemoryTarget(&m_manifest);
    m_http->get(QUrl(manifestUrl));
}

int ApPluginUpdater::manifestVersion(const QByteArray &manifest)
{
    QDomDocument doc;
    if (!doc.setContent(manifest))
        return 0;
    const QDomElement product = doc.documentElement().firstChildElement(QStringLiteral("Product"));
    if (product.isNull())
        return 0;
    bool ok = false;
    const int version = product.attribute(QStringLiteral("Version")).trimmed().toInt(&ok);
    return ok ? version : 0;
}

void ApPluginUpdater::fileDownloadedToMemoryCallback()
{
    const int available = manifestVersion(m_manifest);
    m_http->close();
    if (m_releaseNumber >= available) {
        emit noPluginUpdate();
        return;
    }
    const QString question = tr("An update package is available to download, do you want to continue?");
    const int answer = m_asker ? m_asker(question) : 1;
    if (answer == 0) {
        m_openUrl(QUrl(m_homeUrl + SitePaths::ProductPage));
        emit hasPluginUpdate();
    } else {
        emit pluginUpdateCancelled();
    }
}
