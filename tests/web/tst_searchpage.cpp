// The search page controller with real widgets, a real web view and a real
// nginx at the home address: fetching and registering the page package, the
// shipped copy when the site cannot serve it, the side bar button, the
// toolbar search driving the page, and the view's own network settings.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrlQuery>
#include <QNetworkProxy>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QtTest>

#include "apcookiejar.h"
#include "apsearchpage.h"
#include "aptoolbarsearch.h"
#include "applicationinfo.h"
#include "nginxfixture.h"
#include "settingsstore.h"
#include "webtestsupport.h"

using namespace WebTest;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// Program folder of the harness: the shipped package and the key that
// signs the site's package (made by initTestCase).
QString g_programFolder;

// A stand-in for the main window: the top stack with a downloads page, and
// the side bar's "Search" button.
struct Harness
{
    explicit Harness(const QString &homeUrl)
    {
        qputenv("ZANTOR_HOME_URL", homeUrl.toUtf8());
        info = std::make_unique<ApplicationInfo>();
        info->setProgramFolder(g_programFolder);
        window.resize(1000, 640);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(&sideButton);
        layout->addWidget(&stack);
        stack.addWidget(&downloadsPage);
        page = std::make_unique<ApSearchPage>(&window, info.get(), &stack);
        page->setSideButton(&sideButton);
        panels = std::make_unique<QSignalSpy>(page.get(), &ApSearchPage::advertisementPanelRequested);
    }
    ~Harness()
    {
        page.reset();
        stack.removeWidget(&downloadsPage);
    }

    QList<int> panelRequests() const
    {
        QList<int> list;
        for (const QList<QVariant> &args : *panels)
            list << args.first().toInt();
        return list;
    }

    std::unique_ptr<ApplicationInfo> info;
    QWidget window;
    QPushButton sideButton{QStringLiteral("Search")};
    QStackedWidget stack;
    QWidget downloadsPage;
    std::unique_ptr<ApSearchPage> page;
    std::unique_ptr<QSignalSpy> panels;
};

class TestSearchPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void provisioning_data();
    void provisioning();
    void loadingProgressFollowsTheDownload();
    void sideButtonWithShippedPackage();
    void sideButtonWithDownloadedPackage();
    void toolbarSearchRunsThePageSearch();
    void viewHasItsOwnJarAndTheSearchProxy();

private:
    QString siteUrl() const
    {
        QString url = m_nginx.url(QString());
        while (url.endsWith(QLatin1Char('/')))
            url.chop(1);
        return url;
    }
    QString downUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_downPort); }
    void waitUntilAvailable(Harness &h);

    QTemporaryDir m_root;
    QTemporaryDir m_programFolder;
    NginxFixture m_nginx;
    quint16 m_downPort = 0;
};

void TestSearchPage::initTestCase()
{
    QVERIFY(QFile::exists(shippedPackage()));
    const QString minisign = TestSupport::findProgram(QStringLiteral("minisign"));
    if (minisign.isEmpty())
        QSKIP("minisign is not installed");
    g_programFolder = m_programFolder.path();
    QVERIFY(QFile::copy(shippedPackage(), m_programFolder.filePath(QStringLiteral("webpane.tvor"))));
    QVERIFY(QDir().mkpath(m_programFolder.filePath(QStringLiteral("keys"))));
    const QString key = m_root.filePath(QStringLiteral("signing.key"));
    QCOMPARE(QProcess::execute(minisign, {QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-p"),
                                          m_programFolder.filePath(QStringLiteral("keys/site.pub")),
                                          QStringLiteral("-s"), key}),
             0);
    const QString views = m_root.filePath(QStringLiteral("tvo/z_tvo_z/zantor/views"));
    QVERIFY(QDir().mkpath(views));
    QVERIFY(QFile::copy(shippedPackage(), views + QStringLiteral("/webpane.tvor")));
    // The site's package is signed; the damaged one below is not.
    QCOMPARE(QProcess::execute(minisign, {QStringLiteral("-S"), QStringLiteral("-s"), key, QStringLiteral("-m"),
                                          views + QStringLiteral("/webpane.tvor")}),
             0);
    QVERIFY(QFile::remove(key));
    QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("damaged/tvo/z_tvo_z/zantor/views"))));
    QFile damaged(m_root.filePath(QStringLiteral("damaged/tvo/z_tvo_z/zantor/views/webpane.tvor")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("location /slow/ { limit_rate 96k; alias %1/; }")
                                              .arg(m_root.path())),
             qPrintable(m_nginx.errorString()));
    m_downPort = TestSupport::freeLocalPort();
}

void TestSearchPage::init()
{
    SettingsStore()->clear();
    QDir(ApplicationInfo().userDataFolder()).removeRecursively();
}

void TestSearchPage::waitUntilAvailable(Harness &h)
{
    QTRY_VERIFY_WITH_TIMEOUT(h.page->isPageAvailable(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        js(h.page->webView(), QStringLiteral("typeof jQuery != 'undefined' && $('#search_tabs').tabs('instance') != undefined"))
            .toBool(),
        20000);
}

void TestSearchPage::provisioning_data()
{
    QTest::addColumn<QString>("site");  // "up", "down", "missing", "damaged"
    QTest::addColumn<bool>("downloaded");
    QTest::addColumn<bool>("usesDownloadedCopy");
    QTest::newRow("package served") << "up" << true << true;
    QTest::newRow("server down") << "down" << false << false;
    QTest::newRow("package missing") << "missing" << false << false;
    // Served without a signature: refused like any package that does not verify.
    QTest::newRow("damaged package") << "damaged" << false << false;
}

void TestSearchPage::provisioning()
{
    QFETCH(QString, site);
    QFETCH(bool, downloaded);
    QFETCH(bool, usesDownloadedCopy);

    const QString home = site == QLatin1String("up")        ? siteUrl()
        : site == QLatin1String("missing")                  ? siteUrl() + QStringLiteral("/nothing")
        : site == QLatin1String("damaged")                  ? siteUrl() + QStringLiteral("/damaged")
                                                            : downUrl();
    Harness h(home);
    QCOMPARE(h.page->remotePackageUrl(), home + QStringLiteral("/tvo/z_tvo_z/zantor/views/webpane.tvor"));
    ApToolbarSearch *field = h.page->toolbarSearch();
    QVERIFY(!field->isEnabled());
    QCOMPARE(field->width(), 160);
    h.page->start();
    QVERIFY(!h.page->isPageAvailable());
    waitUntilAvailable(h);

    QCOMPARE(h.page->isPackageDownloaded(), downloaded);
    QCOMPARE(h.page->registeredPackage(),
             usesDownloadedCopy ? h.page->downloadedPackagePath() : h.page->shippedPackagePath());
    QCOMPARE(h.page->keysFolder(), m_programFolder.filePath(QStringLiteral("keys")));
    if (site == QLatin1String("up")) {
        QCOMPARE(fileBytes(h.page->downloadedPackagePath()), fileBytes(shippedPackage()));
        QVERIFY(QFile::exists(h.page->downloadedPackagePath() + QStringLiteral(".minisig")));
    } else {
        QVERIFY(!QFile::exists(h.page->downloadedPackagePath()));
    }
    QVERIFY(!QFile::exists(h.page->downloadedPackagePath() + QStringLiteral(".part")));
    QVERIFY(!QFile::exists(h.page->downloadedPackagePath() + QStringLiteral(".minisig.part")));
    QVERIFY(field->isEnabled());
    QVERIFY(!h.page->isLoadingPageShown());
    QCOMPARE(h.page->loadingProgressBar()->value(), h.page->loadingProgressBar()->minimum() - 1);
    // The side panels come with the downloaded package only.
    QCOMPARE(h.panelRequests(), downloaded ? (QList<int>{0, 1}) : QList<int>{});
    QCOMPARE(h.page->webView()->url(), QUrl(QStringLiteral("qrc:/webpane/")));
    QCOMPARE(js(h.page->webView(), QStringLiteral("typeof searchBt + typeof searchWebVid + typeof translateAll + "
                                                  "typeof DownloadWebVideoFromUrl"))
                 .toString(),
             QStringLiteral("functionfunctionfunctionfunction"));
}

void TestSearchPage::loadingProgressFollowsTheDownload()
{
    Harness h(siteUrl() + QStringLiteral("/slow"));
    QProgressBar *bar = h.page->loadingProgressBar();
    const int size = int(QFileInfo(shippedPackage()).size());
    h.page->start();
    QVERIFY(h.page->isLoadingPageShown());
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0, 20000);
    QCOMPARE(bar->maximum(), size);
    QVERIFY(bar->value() <= size);
    waitUntilAvailable(h);
    QVERIFY(h.page->isPackageDownloaded());
    QCOMPARE(bar->value(), bar->minimum() - 1);
}

void TestSearchPage::sideButtonWithShippedPackage()
{
    Harness h(downUrl());
    // Nothing happens while no page is there.
    h.sideButton.click();
    QVERIFY(!h.page->isPageInFront());
    QCOMPARE(h.page->showAttempts(), 0);

    h.page->start();
    waitUntilAvailable(h);
    QVERIFY(!h.page->isPackageDownloaded());

    // The first look tries the site once more, showing the loading page.
    h.sideButton.click();
    QCOMPARE(h.page->showAttempts(), 1);
    QVERIFY(h.page->isPageInFront());
    QVERIFY(!h.page->isPageAvailable());
    QVERIFY(h.page->isLoadingPageShown() || !h.page->isDownloading());
    h.sideButton.click();  // ignored while fetching
    QCOMPARE(h.page->showAttempts(), 1);
    waitUntilAvailable(h);
    QCOMPARE(h.page->registeredPackage(), h.page->shippedPackagePath());

    // From the second look on the page simply comes to the front.
    h.stack.setCurrentWidget(&h.downloadsPage);
    h.sideButton.click();
    QCOMPARE(h.page->showAttempts(), 2);
    QVERIFY(h.page->isPageInFront());
    QVERIFY(h.page->isPageAvailable());
    QVERIFY(!h.page->isDownloading());
    QVERIFY(h.sideButton.isChecked());
    QCOMPARE(h.panelRequests(), QList<int>{});
}

void TestSearchPage::sideButtonWithDownloadedPackage()
{
    Harness h(siteUrl());
    h.page->start();
    waitUntilAvailable(h);
    QVERIFY(h.page->isPackageDownloaded());
    QSignalSpy cleared(h.page.get(), &ApSearchPage::taskSelectionClearRequested);
    h.panels->clear();
    h.sideButton.click();
    QVERIFY(h.page->isPageInFront());
    QCOMPARE(h.page->showAttempts(), 0);
    QCOMPARE(h.panelRequests(), (QList<int>{0, 1}));
    QCOMPARE(cleared.size(), 1);
}

void TestSearchPage::toolbarSearchRunsThePageSearch()
{
    Harness h(downUrl());
    UrlRecorder urls;
    h.page->start();
    waitUntilAvailable(h);

    ApToolbarSearch *field = h.page->toolbarSearch();
    bool runningWhenHandedOn = false;
    // The page's search opens a provider; by then the search counts as running.
    QObject::connect(h.page.get(), &ApSearchPage::taskSelectionClearRequested, [&] {
        runningWhenHandedOn = field->isSearchAnimationRunning();
    });
    field->lineEdit()->setText(QStringLiteral("free \"music\" 'archive'"));
    QTest::keyClick(field->lineEdit(), Qt::Key_Return);

    QVERIFY(runningWhenHandedOn);
    QVERIFY(h.page->isPageInFront());
    QCOMPARE(js(h.page->webView(), QStringLiteral("$('#search_tabs').tabs('option', 'active')")).toInt(), 1);
    QCOMPARE(urls.urls.size(), 1);
    QCOMPARE(QUrlQuery(urls.urls.first()).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
             QStringLiteral("free \"music\" 'archive'"));
    // The page reported the end of its search: the animation and the flag are gone.
    QVERIFY(!h.page->isSearchRunning());
    QVERIFY(!field->isSearchAnimationRunning());
    QCOMPARE(field->history(), QStringList{QStringLiteral("free \"music\" 'archive'")});

    // With the video search switched off the page is shown but not asked.
    QAction videoSearch;
    videoSearch.setCheckable(true);
    videoSearch.setChecked(false);
    h.page->setWebVideoSearchAction(&videoSearch);
    h.page->searchCallback(QStringLiteral("anything"));
    QCOMPARE(urls.urls.size(), 1);
    QVERIFY(h.page->isSearchRunning());
}

void TestSearchPage::viewHasItsOwnJarAndTheSearchProxy()
{
    Harness h(downUrl());
    Harness other(downUrl());
    QNetworkAccessManager *network = h.page->webView()->page()->networkAccessManager();
    QVERIFY(qobject_cast<ApCookieJar *>(network->cookieJar()));
    QVERIFY(network->cookieJar() != other.page->webView()->page()->networkAccessManager()->cookieJar());

    // The manager reads its settings in the policing thread.
    const QNetworkProxy proxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 3128);
    QThread *thread = QThread::create([&] { h.page->applySearchProxy(proxy); });
    thread->start();
    QVERIFY(thread->wait(10000));
    delete thread;
    QTRY_COMPARE(network->proxy().hostName(), QStringLiteral("127.0.0.1"));
    QCOMPARE(network->proxy().port(), quint16(3128));
    QCOMPARE(network->proxy().type(), QNetworkProxy::HttpProxy);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestSearchPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_searchpage.moc"
