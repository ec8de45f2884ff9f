#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "appackagesignature.h"
#include "apsearchproxytarget.h"
#include "apwebframehost.h"

class ApQuickUrlDownloader;
class ApToolbarSearch;
class ApWebFrameTalker;
class ApplicationInfo;
class QLabel;
class QNetworkProxy;
class QProgressBar;
class QStackedWidget;
class QVBoxLayout;
class QWebView;
class QWidget;

// The search page of the main window and everything around it: the page
// widgets in the window's top stack, the web view with its own cookie jar
// and the search proxy, the page bridge, the toolbar search field, and the
// search page package: fetched from the product site at start together with
// its minisign signature and used only when the signature verifies against
// a key in the program folder's "keys/"; else the last verified copy (checked
// again), else the copy shipped beside the program. The package is
// registered, from the bytes that were checked, as the resource tree
// ":/webpane/". The window owns one and keeps only the wiring.
class ApSearchPage final : public QObject, public ApWebFrameHost, public ApSearchProxyTarget
{
    Q_OBJECT
    Q_DISABLE_COPY(ApSearchPage)

public:
    using TaskAdder = std::function<bool(const QString &url, const QString &fileName, int convertType)>;
    using GeoLocationSource = std::function<const ApGeoLocation *()>;

    // The page goes into topStack; the window is the parent of messages.
    ApSearchPage(QWidget *window, const ApplicationInfo *info, QStackedWidget *topStack);
    ~ApSearchPage() override;

    // The side bar's "Search" button, checked whenever the page is shown.
    void setSideButton(QAbstractButton *button);
    // The toggle that sends toolbar searches to the page's video search;
    // without one they always go there.
    void setWebVideoSearchAction(QAction *action) { m_webVideoSearchAction = action; }
    void setTaskAdder(TaskAdder adder) { m_taskAdder = std::move(adder); }
    void setGeoLocationSource(GeoLocationSource source) { m_geoSource = std::move(source); }

    // Fetches the package and shows the page once it is there (or the
    // shipped copy when it cannot be fetched).
    void start();

    QWidget *pageWidget() const { return m_page; }
    QWebView *webView() const { return m_webView; }
    ApWebFrameTalker *talker() const { return m_talker; }
    ApToolbarSearch *toolbarSearch() const { return m_toolbarSearch; }
    QProgressBar *loadingProgressBar() const { return m_progressBar; }
    // Containers of the two side advertisement panels.
    QWidget *sideAdvertisementWidget() const { return m_sideAdWidget; }
    QVBoxLayout *secondSideAdvertisementLayout() const { return m_secondSideAdLayout; }

    bool isPageAvailable() const { return m_pageAvailable; }
    bool isPackageDownloaded() const { return m_packageDownloaded; }
    bool isSearchRunning() const { return m_searchRunning; }
    bool isDownloading() const { return m_downloading; }
    int showAttempts() const { return m_showAttempts; }
    bool isLoadingPageShown() const;
    bool isPageInFront() const;
    // The resource package registered now, empty when none.
    QString registeredPackage() const { return m_registeredPackage; }

    QString remotePackageUrl() const;
    QString downloadedPackagePath() const;
    QString shippedPackagePath() const;
    // Folder of the public keys a downloaded package must be signed with.
    QString keysFolder() const;
    static QString pageResourcePath() { return QStringLiteral(":/webpane/search.html"); }

    // ApWebFrameHost
    QWidget *messageParent() override;
    bool addNewTaskFromUrl(const QString &url, const QString &fileName, int convertType) override;
    void setToolbarSearchEnabled(bool enabled) override;
    void pageSearchFinished() override;
    void refreshSideAdvertisementPanel() override;
    const ApGeoLocation *loadedGeoLocation() const override;

    // ApSearchProxyTarget; may be called from any thread.
    void applySearchProxy(const QNetworkProxy &proxy) override;

signals:
    // Advertisement panel 0 (side), 1 (second side) is to be shown.
    void advertisementPanelRequested(int panel);
    // The task list's selection is to be cleared (the page comes to the front).
    void taskSelectionClearRequested();
    // The page's content was set from the package.
    void searchPageLoaded();
    // The search proxy now used by the page; other page views take it too.
    void searchProxyApplied(const QNetworkProxy &proxy);

public slots:
    // A search from the toolbar field.
    void searchCallback(const QString &keywords);
    // The side bar's "Search" button.
    void sideButtonClicked();
    // Clears the task selection, checks the side button, brings the page to
    // the front.
    void showSearchPageInFront();
    // Brings the page to the front and opens the page's form for a web
    // video address.
    void startWebVideoDownload();
    // Shows the page from the registered package.
    void showSearchPage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void downloadPackage();
    void packageDownloadedCallback();
    void packageFailedCallback();
    void signatureDownloadedCallback();
    void signatureFailedCallback();
    void refuseDownload(const QString &reason);
    void removeDownloadParts();
    void packageProgressCallback(qint64 received, qint64 total);
    void unregisterPackage();
    bool registerPackageData(const QByteArray &data, const QString &path);
    bool registerShippedPackage();
    void setProxyInGuiThread(const QNetworkProxy &proxy);

    QWidget *m_window;
    const ApplicationInfo *m_info;
    QStackedWidget *m_topStack;
    // Kept here: the record may go before this object does.
    QString m_remotePackageUrl;
    QString m_downloadedPackagePath;
    QString m_shippedPackagePath;
    QString m_programFolder;
    QWidget *m_page = nullptr;
    QStackedWidget *m_innerStack = nullptr;
    QWidget *m_loadingPage = nullptr;
    QLabel *m_loadingLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QWidget *m_viewPage = nullptr;
    QWebView *m_webView = nullptr;
    QWidget *m_sideAdWidget = nullptr;
    QVBoxLayout *m_secondSideAdLayout = nullptr;
    ApWebFrameTalker *m_talker = nullptr;
    ApToolbarSearch *m_toolbarSearch = nullptr;
    ApQuickUrlDownloader *m_downloader = nullptr;
    ApQuickUrlDownloader *m_signatureDownloader = nullptr;
    QList<ApPackageSignature::PublicKey> m_keys;
    // The registered package's bytes; the resource system reads them in place.
    QByteArray m_packageData;
    QPointer<QAbstractButton> m_sideButton;
    QPointer<QAction> m_webVideoSearchAction;
    TaskAdder m_taskAdder;
    GeoLocationSource m_geoSource;
    QString m_registeredPackage;
    bool m_pageAvailable = false;
    bool m_packageDownloaded = false;
    bool m_searchRunning = false;
    bool m_downloading = false;
    bool m_oversized = false;
    int m_showAttempts = 0;
};
