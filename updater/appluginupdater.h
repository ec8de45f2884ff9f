#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class ApUpdateHttp;
class QWidget;

// Fetches the update manifest, compares its release number with the
// caller's and asks the user whether to get the newer release.
class ApPluginUpdater final : public QObject
{
    Q_OBJECT

public:
    // Shows the OK/Cancel question; returns 0 for OK.
    using Asker = std::function<int(const QString &text)>;
    using UrlOpener = std::function<bool(const QUrl &url)>;

    explicit ApPluginUpdater(QObject *parent = nullptr);
    ~ApPluginUpdater() override;

    void start(const QString &productName, const QString &manifestUrl, int releaseNumber);

    ApUpdateHttp *http() const { return m_http; }
    void setAsker(Asker asker) { m_asker = std::move(asker); }
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    // The product's download page is opened on this site.
    void setHomeUrl(const QString &homeUrl) { m_homeUrl = homeUrl; }

    // First "Product" child of the root, its "Version"; 0 when missing or not a number.
    static int manifestVersion(const QByteArray &manifest);

signals:
    void pluginUpdateCancelled();
    void noPluginUpdate();
    void hasPluginUpdate();

public slots:
    void fileDownloadedToMemoryCallback();

private:
    Q_DISABLE_COPY(ApPluginUpdater)

    ApUpdateHttp *m_http;
    QString m_productName;
    QByteArray m_manifest;
    int m_releaseNumber = 0;
    QString m_homeUrl;
    Asker m_asker;
    UrlOpener m_openUrl;
};
