#include "apsearchpage.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QResource>
#include <QStackedWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>
#include <QWebView>

#include <limits>

#include "apcookiejar.h"
#include "apfirstpartypage.h"
#include "appackagesignature.h"
#include "apquickurldownloader.h"
#include "aptoolbarsearch.h"
#include "apwebframetalker.h"
#include "applicationinfo.h"

Q_LOGGING_CATEGORY(lcSearchPage, "zantor.searchpage", QtWarningMsg)

namespace {
const QString PackageFileName = QStringLiteral("webpane.tvor");
const QString SignatureSuffix = QStringLiteral(".minisig");
const QString PartSuffix = QStringLiteral(".part");
// Width and height the window gives the toolbar field.
constexpr int SearchFieldWidth = 160;
constexpr int SearchFieldMinHeight = 26;
constexpr int SideColumnWidth = 170;
} // namespace

ApSearchPage::ApSearchPage(QWidget *window, const ApplicationInfo *info, QStackedWidget *topStack)
    : QObject(window)
    , m_window(window)
    , m_info(info)
    , m_topStack(topStack)
    , m_remotePackageUrl(info->homeUrl() + QStringLiteral("/tvo/z_tvo_z/") + info->programFileName()
                         + QStringLiteral("/views/webpane.tvor"))
    , m_downloadedPackagePath(info->userDataFolder() + QStringLiteral("/views/webpane.tvor"))
    , m_shippedPackagePath(info->programFolder() + QStringLiteral("/webpane.tvor"))
    , m_programFolder(info->programFolder())
{
    buildWidgets();

    m_toolbarSearch = new ApToolbarSearch(window, info->displayName(), info->programFileName());
    m_toolbarSearch->setMinimumHeight(SearchFieldMinHeight);
    m_toolbarSearch->setFixedWidth(SearchFieldWidth);
    m_toolbarSearch->setEnabled(false);
    connect(m_toolbarSearch, &ApToolbarSearch::search, this, &ApSearchPage::searchCallback);

    m_talker = new ApWebFrameTalker(this, m_webView->page()->mainFrame(), info, this, 0);

    m_downloader = new ApQuickUrlDownloader(0, this);
    connect(m_downloader, &ApQuickUrlDownloader::downloadFinished, this,
            &ApSearchPage::packageDownloadedCallback);
    connect(m_downloader, &ApQuickUrlDownloader::downloadFailed, this, &ApSearchPage::packageFailedCallback);
    connect(m_downloader, &ApQuickUrlDownloader::downloadProgress, this,
            [this](qint64, qint64 received, qint64 total) { packageProgressCallback(received, total); });
    m_signatureDownloader = new ApQuickUrlDownloader(1, this);
    connect(m_signatureDownloader, &ApQuickUrlDownloader::downloadFinished, this,
            &ApSearchPage::signatureDownloadedCallback);
    connect(m_signatureDownloader, &ApQuickUrlDownloader::downloadFailed, this,
            &ApSearchPage::signatureFailedCallback);
}

ApSearchPage::~ApSearchPage()
{
    unregisterPackage();
}

void ApSearchPage::buildWidgets()
{
    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("search_stackedPage"));
    auto *pageLayout = new QHBoxLayout(m_page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);

    m_innerStack = new QStackedWidget(m_page);
    m_innerStack->setObjectName(QStringLiteral("search_inner_stackedWidget"));
    pageLayout->addWidget(m_innerStack, 1);

    m_loadingPage = new QWidget;
    m_loadingPage->setObjectName(QStringLiteral("search_loading_stackedPage"));
    auto *loadingLayout = new QVBoxLayout(m_loadingPage);
    loadingLayout->addStretch(1);
    m_loadingLabel = new QLabel(tr("Loading..."), m_loadingPage);
    m_loadingLabel->setObjectName(QStringLiteral("search_loading_label"));
    m_loadingLabel->setAlignment(Qt::AlignCenter);
    loadingLayout->addWidget(m_loadingLabel);
    m_progressBar = new QProgressBar(m_loadingPage);
    m_progressBar->setObjectName(QStringLiteral("search_loading_progressBar"));
    m_progressBar->setMaximumWidth(320);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    loadingLayout->addWidget(m_progressBar, 0, Qt::AlignHCenter);
    loadingLayout->addStretch(1);
    m_innerStack->addWidget(m_loadingPage);

    m_viewPage = new QWidget;
    m_viewPage->setObjectName(QStringLiteral("search_webview_stackedPage"));
    auto *viewLayout = new QVBoxLayout(m_viewPage);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    m_webView = new QWebView(m_viewPage);
    m_webView->setObjectName(QStringLiteral("search_webView"));
    // The page's own navigation stays on the package and the product site.
    m_webView->setPage(new ApFirstPartyPage(m_info->homeUrl(), ApLinkOpener::WebMailAndFtp, m_webView));
    // Cookies stay with this view; the view's network access owns the jar.
    m_webView->page()->networkAccessManager()->setCookieJar(new ApCookieJar(nullptr));
    m_webView->settings()->setAttribute(QWebSettings::JavascriptEnabled, true);
    m_webView->settings()->setAttribute(QWebSettings::PluginsEnabled, false);
    m_webView->setContextMenuPolicy(Qt::NoContextMenu);
    viewLayout->addWidget(m_webView);
    m_innerStack->addWidget(m_viewPage);
    m_innerStack->setCurrentWidget(m_loadingPage);

    // The side advertisement places: panel 0 in its container, panel 1 in
    // the layout below it.
    // Skyscraper-wide, beside the page.
    auto *sideColumn = new QWidget(m_page);
    sideColumn->setObjectName(QStringLiteral("search_side_widget"));
    sideColumn->setFixedWidth(SideColumnWidth);
    auto *sideLayout = new QVBoxLayout(sideColumn);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    m_sideAdWidget = new QWidget(sideColumn);
    m_sideAdWidget->setObjectName(QStringLiteral("ad_window_sky_widget"));
    auto *skyLayout = new QVBoxLayout(m_sideAdWidget);
    skyLayout->setContentsMargins(0, 0, 0, 0);
    m_sideAdWidget->hide();
    sideLayout->addWidget(m_sideAdWidget);
    m_secondSideAdLayout = new QVBoxLayout;
    m_secondSideAdLayout->setObjectName(QStringLiteral("ad_window_sky3_verticalLayout"));
    sideLayout->addLayout(m_secondSideAdLayout);
    pageLayout->addWidget(sideColumn);

    if (m_topStack)
        m_topStack->addWidget(m_page);
    m_page->installEventFilter(this);
}

bool ApSearchPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::LanguageChange) {
        m_loadingLabel->setText(tr("Loading..."));
        m_talker->translateAll();
    }
    return QObject::eventFilter(watched, event);
}

void ApSearchPage::setSideButton(QAbstractButton *button)
{
    if (m_sideButton)
        disconnect(m_sideButton, nullptr, this, nullptr);
    m_sideButton = button;
    if (button)
        connect(button, &QAbstractButton::clicked, this, &ApSearchPage::sideButtonClicked);
}

// Package locations

QString ApSearchPage::remotePackageUrl() const
{
    return m_remotePackageUrl;
}

QString ApSearchPage::downloadedPackagePath() const
{
    return m_downloadedPackagePath;
}

QString ApSearchPage::shippedPackagePath() const
{
    return m_shippedPackagePath;
}

// Provisioning

QString ApSearchPage::keysFolder() const
{
    return m_programFolder + QStringLiteral("/keys");
}

void ApSearchPage::start()
{
    m_toolbarSearch->setEnabled(false);
    m_pageAvailable = false;
    m_packageDownloaded = false;
    QStringList problems;
    m_keys = ApPackageSignature::loadKeys(keysFolder(), &problems);
    for (const QString &problem : qAsConst(problems))
        qCWarning(lcSearchPage).noquote() << "not a public key, skipped:" << problem;
    qCDebug(lcSearchPage).noquote() << "trusted package keys:" << m_keys.size() << "in" << keysFolder();
    downloadPackage();
}

void ApSearchPage::downloadPackage()
{
    // The package and its signature arrive beside their final place: a
    // fetch that fails or does not verify must not touch the kept copy.
    m_downloading = true;
    m_progressBar->setRange(0, 0);
    m_progressBar->setValue(0);
    removeDownloadParts();
    m_downloader->start(remotePackageUrl(), downloadedPackagePath() + PartSuffix, true);
}

void ApSearchPage::removeDownloadParts()
{
    QFile::remove(downloadedPackagePath() + PartSuffix);
    QFile::remove(downloadedPackagePath() + SignatureSuffix + PartSuffix);
}

void ApSearchPage::packageProgressCallback(qint64 received, qint64 total)
{
    if (received > ApPackageSignature::MaxPackageBytes || total > ApPackageSignature::MaxPackageBytes) {
        // Stopped outside the downloader's own signal.
        if (m_downloading && !m_oversized) {
            m_oversized = true;
            QMetaObject::invokeMethod(this, [this] {
                m_downloader->abort();
                m_signatureDownloader->abort();
                m_oversized = false;
                refuseDownload(QStringLiteral("package larger than %1 bytes").arg(ApPackageSignature::MaxPackageBytes));
            }, Qt::QueuedConnection);
        }
        return;
    }
    if (total < 0) {
        m_progressBar->setRange(0, 0);
        return;
    }
    // Kilobytes keep large packages inside the bar's integer range.
    const bool large = total > std::numeric_limits<int>::max();
    const qint64 scale = large ? 1024 : 1;
    m_progressBar->setRange(0, int(total / scale));
    m_progressBar->setValue(int(qMin(received, total) / scale));
}

void ApSearchPage::packageDownloadedCallback()
{
    // The signature comes next, from beside the package.
    m_signatureDownloader->start(remotePackageUrl() + SignatureSuffix,
                                 downloadedPackagePath() + SignatureSuffix + PartSuffix, true);
}

void ApSearchPage::signatureFailedCallback()
{
    refuseDownload(QStringLiteral("no signature at ") + remotePackageUrl() + SignatureSuffix);
}

void ApSearchPage::signatureDownloadedCallback()
{
    const QString target = downloadedPackagePath();
    const QString signatureTarget = target + SignatureSuffix;
    QByteArray data;
    const QString reason = ApPackageSignature::verifyFile(target + PartSuffix, signatureTarget + PartSuffix, m_keys,
                                                          PackageFileName, &data);
    if (!reason.isEmpty()) {
        refuseDownload(reason);
        return;
    }
    m_downloading = false;
    unregisterPackage();
    // Package and signature are kept together: the pair is checked again
    // whenever the kept copy is used later.
    QFile::remove(target);
    QFile::remove(signatureTarget);
    const bool placed = QFile::rename(target + PartSuffix, target)
        && QFile::rename(signatureTarget + PartSuffix, signatureTarget);
    if (!placed) {
        qCWarning(lcSearchPage).noquote() << "the verified package could not be kept in" << target;
        QFile::remove(target);
        QFile::remove(signatureTarget);
    }
    removeDownloadParts();
    // The bytes that were verified are the ones used, whatever happens to
    // the file from now on.
    if (!registerPackageData(data, target))
        registerShippedPackage();
    showSearchPage();
    m_pageAvailable = true;
    m_packageDownloaded = true;
    m_toolbarSearch->setEnabled(true);
    emit advertisementPanelRequested(0);
    emit advertisementPanelRequested(1);
}

void ApSearchPage::refuseDownload(const QString &reason)
{
    qCWarning(lcSearchPage).noquote() << "search page package from" << remotePackageUrl()
                                      << "refused:" << reason;
    packageFailedCallback();
}

void ApSearchPage::packageFailedCallback()
{
    m_downloading = false;
    removeDownloadParts();
    unregisterPackage();
    // The last verified copy, checked again, else the copy shipped with the
    // program.
    const QString kept = downloadedPackagePath();
    QByteArray data;
    bool registered = false;
    if (QFile::exists(kept)) {
        const QString reason =
            ApPackageSignature::verifyFile(kept, kept + SignatureSuffix, m_keys, PackageFileName, &data);
        if (reason.isEmpty())
            registered = registerPackageData(data, kept);
        else
            qCWarning(lcSearchPage).noquote() << "kept search page package refused:" << reason;
    }
    if (!registered)
        registerShippedPackage();
    showSearchPage();
    m_pageAvailable = true;
    m_toolbarSearch->setEnabled(true);
}

void ApSearchPage::unregisterPackage()
{
    if (!m_packageData.isEmpty())
        QResource::unregisterResource(reinterpret_cast<const uchar *>(m_packageData.constData()));
    m_packageData.clear();
    m_registeredPackage.clear();
}

bool ApSearchPage::registerPackageData(const QByteArray &data, const QString &path)
{
    // The resource system reads the bytes in place; they live here until
    // they are unregistered.
    m_packageData = data;
    if (m_packageData.isEmpty()
        || !QResource::registerResource(reinterpret_cast<const uchar *>(m_packageData.constData()))) {
        m_packageData.clear();
        return false;
    }
    m_registeredPackage = path;
    qCDebug(lcSearchPage).noquote() << "search page package:" << path;
    return true;
}

bool ApSearchPage::registerShippedPackage()
{
    // The shipped copy is installed with the program and trusted as it is.
    QFile file(shippedPackagePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return registerPackageData(file.readAll(), shippedPackagePath());
}

void ApSearchPage::showSearchPage()
{
    QFile file(pageResourcePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Files of an earlier package must not come from the cache.
    QWebSettings::clearMemoryCaches();
    m_webView->setHtml(QString::fromUtf8(file.readAll()), QUrl(QStringLiteral("qrc:/webpane/")));
    m_progressBar->setRange(0, 100);
    m_progressBar->reset();
    m_innerStack->setCurrentWidget(m_viewPage);
    emit searchPageLoaded();
}

bool ApSearchPage::isLoadingPageShown() const
{
    return m_innerStack->currentWidget() == m_loadingPage;
}

bool ApSearchPage::isPageInFront() const
{
    return m_topStack && m_topStack->currentWidget() == m_page;
}

// Window entry points

void ApSearchPage::showSearchPageInFront()
{
    emit taskSelectionClearRequested();
    if (m_sideButton) {
        m_sideButton->setCheckable(true);
        m_sideButton->setChecked(true);
    }
    if (m_topStack)
        m_topStack->setCurrentWidget(m_page);
}

void ApSearchPage::sideButtonClicked()
{
    if (!m_pageAvailable)
        return;
    if (m_packageDownloaded) {
        showSearchPageInFront();
        emit advertisementPanelRequested(0);
        emit advertisementPanelRequested(1);
        return;
    }
    ++m_showAttempts;
    if (m_showAttempts >= 2) {
        showSearchPageInFront();
        return;
    }
    // First look at the shipped page: try the product site once more.
    m_pageAvailable = false;
    showSearchPageInFront();
    m_innerStack->setCurrentWidget(m_loadingPage);
    downloadPackage();
}

void ApSearchPage::searchCallback(const QString &keywords)
{
    m_toolbarSearch->startSearchAnimation();
    m_searchRunning = true;
    showSearchPageInFront();
    if (!m_webVideoSearchAction || m_webVideoSearchAction->isChecked())
        m_talker->searchWebVid(keywords);
}

void ApSearchPage::startWebVideoDownload()
{
    showSearchPageInFront();
    m_window->showNormal();
    m_window->activateWindow();
    m_talker->DownloadWebVideoFromUrl();
}

// ApWebFrameHost

QWidget *ApSearchPage::messageParent()
{
    return m_window;
}

bool ApSearchPage::addNewTaskFromUrl(const QString &url, const QString &fileName, int convertType)
{
    return m_taskAdder && m_taskAdder(url, fileName, convertType);
}

void ApSearchPage::setToolbarSearchEnabled(bool enabled)
{
    m_toolbarSearch->setEnabled(enabled);
}

void ApSearchPage::pageSearchFinished()
{
    if (!m_searchRunning)
        return;
    m_toolbarSearch->stopSearchAnimation();
    m_searchRunning = false;
}

void ApSearchPage::refreshSideAdvertisementPanel()
{
    emit advertisementPanelRequested(0);
}

const ApGeoLocation *ApSearchPage::loadedGeoLocation() const
{
    return m_geoSource ? m_geoSource() : nullptr;
}

// Search proxy

void ApSearchPage::applySearchProxy(const QNetworkProxy &proxy)
{
    if (QThread::currentThread() == thread()) {
        setProxyInGuiThread(proxy);
        return;
    }
    // The settings are read by the policing thread; the view lives here.
    QMetaObject::invokeMethod(this, [this, proxy] { setProxyInGuiThread(proxy); }, Qt::QueuedConnection);
}

void ApSearchPage::setProxyInGuiThread(const QNetworkProxy &proxy)
{
    m_webView->page()->networkAccessManager()->setProxy(proxy);
    emit searchProxyApplied(proxy);
}
