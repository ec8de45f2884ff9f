// The search page in the real main window: the page package comes from the
// site (a real nginx at the home address), a web video address typed into
// the shipped page is resolved by the package's plugin and its media file
// lands in the task list, byte for byte. Leaves a picture of the window.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWebFrame>
#include <QWebView>

#include <memory>

#include "apadvertisementpanels.h"
#include "apsearchpage.h"
#include "webadpanel.h"
#include "webaxwidget.h"
#include "aptoolbarsearch.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;
constexpr int DownloadTimeout = 30000;

QByteArray payload(int size)
{
    QByteArray data;
    data.reserve(size);
    quint32 x = 88172645u;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        data.append(char(x & 0xff));
    }
    return data;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestMainWindowSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void webVideoFromShippedPageLandsInTaskList();

private:
    QVariant js(const QString &script) const
    {
        return m_window->searchPage()->webView()->page()->mainFrame()->evaluateJavaScript(script);
    }

    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    QString m_trustedKey;
    QByteArray m_media;
    NginxFixture m_nginx;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowSearch::initTestCase()
{
    const QString package = TestSupport::binDir() + QStringLiteral("/webpane.tvor");
    QVERIFY(QFile::exists(package));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("tvo/z_tvo_z/zantor/views/webpane.tvor")), fileBytes(package)));
    m_media = payload(700 * 1024 + 17);
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("media/abc123-hd.mp4")), m_media));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("media/abc123-sd.mp4")), "wrong stream"));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("watch")),
                      "<html><head><title>Sunset - VidCrate</title></head><body><script>var player = new Player("
                      "{\"api\":\"/api/clip/abc123.json\",\"autoplay\":true});</script></body></html>"));
    for (const char *name : {"skyshow", "sky3show"})
        QVERIFY(writeFile(m_root.filePath(QStringLiteral("ads/") + QLatin1String(name) + QStringLiteral("0.html")),
                          QByteArray("<html><body style='margin:0;background:#dde7f3;font:13px sans-serif'>"
                                     "<p id='n' style='padding:8px'>") + name + "</p></body></html>"));
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("types { text/html html; }")),
             qPrintable(m_nginx.errorString()));
    QString base = m_nginx.url(QString());
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("api/clip/abc123.json")),
                      "{\"title\":\"Sunset\",\"streams\":[{\"quality\":\"sd\",\"url\":\"" + base.toUtf8()
                          + "/media/abc123-sd.mp4\"},{\"quality\":\"hd\",\"url\":\"" + base.toUtf8()
                          + "/media/abc123-hd.mp4\"}]}"));
    qputenv("ZANTOR_HOME_URL", base.toUtf8());

    // The window trusts keys in its program folder (this test's folder): a
    // key pair made now signs the site's package; the secret goes at once.
    const QString minisign = TestSupport::findProgram(QStringLiteral("minisign"));
    QVERIFY2(!minisign.isEmpty(), "minisign is not installed");
    const QString keys = QCoreApplication::applicationDirPath() + QStringLiteral("/keys");
    QVERIFY(QDir().mkpath(keys));
    m_trustedKey = keys + QStringLiteral("/mainwindowsearch-%1.pub").arg(QCoreApplication::applicationPid());
    const QString secret = m_root.filePath(QStringLiteral("site.key"));
    QCOMPARE(QProcess::execute(minisign, {QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-p"), m_trustedKey,
                                          QStringLiteral("-s"), secret}),
             0);
    QCOMPARE(QProcess::execute(minisign, {QStringLiteral("-S"), QStringLiteral("-s"), secret, QStringLiteral("-m"),
                                          m_root.filePath(QStringLiteral("tvo/z_tvo_z/zantor/views/webpane.tvor"))}),
             0);
    QVERIFY(QFile::remove(secret));
}

void TestMainWindowSearch::cleanupTestCase()
{
    if (!m_trustedKey.isEmpty()) {
        QFile::remove(m_trustedKey);
        QDir().rmdir(QFileInfo(m_trustedKey).absolutePath());
    }
}

void TestMainWindowSearch::init()
{
    ApTaskStore().removeAll();
    UiTest::prepareSettings(m_downloads.path());
}

void TestMainWindowSearch::cleanup()
{
    m_window.reset();
}

void TestMainWindowSearch::webVideoFromShippedPageLandsInTaskList()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->resize(1100, 700);
    m_window->show();
    ApSearchPage *page = m_window->searchPage();
    QTRY_VERIFY_WITH_TIMEOUT(page->isPackageDownloaded(), 20000);
    QCOMPARE(page->registeredPackage(), page->downloadedPackagePath());
    QVERIFY(page->toolbarSearch()->isEnabled());
    // With the downloaded package both side places show their first page.
    ApAdvertisementPanels *panels = m_window->advertisementPanels();
    for (int panel : {ApAdvertisementPanels::SidePanel, ApAdvertisementPanels::SecondSidePanel}) {
        QVERIFY(panels->panel(panel)->isCreated());
        QCOMPARE(panels->panel(panel)->currentUrl().path(),
                 QStringLiteral("/ads/%1%2.html").arg(ApAdvertisementPanels::pageName(panel)).arg(0));
    }
    QTRY_COMPARE_WITH_TIMEOUT(panels->panel(ApAdvertisementPanels::SidePanel)
                                  ->host()->page()->mainFrame()->toPlainText(),
                              QStringLiteral("skyshow"), 15000);
    QVERIFY(!panels->panel(ApAdvertisementPanels::SidePanel)->isFailed());
    QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("typeof jQuery != 'undefined' && "
                                               "$('#search_tabs').tabs('instance') != undefined"))
                                 .toBool(),
                             20000);

    // "Web Video Download" brings the page with its address form.
    m_window->findChild<QAction *>(QStringLiteral("actionWeb_Video_Download"))->trigger();
    QVERIFY(page->isPageInFront());
    QCOMPARE(js(QStringLiteral("$('#search_tabs').tabs('option', 'active')")).toInt(), 1);
    QVERIFY(m_window->findChild<QAbstractButton *>(QStringLiteral("search_commandLinkButton"))->isChecked());

    // The test's video site stands in for the service's own host.
    js(QStringLiteral("videoServices[0].hosts.push('127.0.0.1');"));
    QCOMPARE(js(QStringLiteral("videoServices[0].id")).toString(), QStringLiteral("vidcrate"));
    const QString videoPage = m_nginx.url(QStringLiteral("/watch?v=abc123"));
    js(QStringLiteral("$('#webvideo_url_input').val('%1');").arg(videoPage));
    QTest::qWait(200);
    page->webView()->grab().save(UiTest::outputFolder() + QStringLiteral("/mainwindow_searchpage_view.png"));
    m_window->grab().save(UiTest::outputFolder() + QStringLiteral("/mainwindow_searchpage.png"));

    js(QStringLiteral("$('#webvideo_download_button').click();"));
    auto *table = m_window->findChild<QTableWidget *>(QStringLiteral("maindownloads_tableWidget"));
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 1, 10000);
    const QString key = m_window->rowKey(0);
    const std::optional<TaskRecord> record = ApTaskStore().read(key.toLongLong());
    QVERIFY(record);
    QCOMPARE(record->url, m_nginx.url(QStringLiteral("/media/abc123-hd.mp4")));
    QVERIFY(m_window->rowPath(0).endsWith(QStringLiteral("video.flv")));
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(0), int(TaskCompleted), DownloadTimeout);
    QCOMPARE(fileBytes(m_window->rowPath(0)), m_media);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowsearch.moc"
