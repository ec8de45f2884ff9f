// The page bridge on real QtWebKit views: a page that calls every slot from
// its own script, searches with hostile keywords on the shipped search page,
// the content lock as the settings dialog leaves it, and the page's texts
// after a language change.
#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QMetaMethod>
#include <QResource>
#include <QUrlQuery>
#include <QtTest>

#include "../ui/uitestsupport.h"
#include "apwebframetalker.h"
#include "applicationinfo.h"
#include "languages.h"
#include "settingsstore.h"
#include "videoinformationplugin.h"
#include "webtestsupport.h"

using namespace WebTest;

namespace {

// What the settings dialog writes when the user locks the content.
void lockContent(const QString &password, const QString &keywords)
{
    SettingsStore store;
    store->setValue(SettingsKeys::ContentPhrase,
                    QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex()));
    store->setValue(SettingsKeys::ContentTimeStamp, QDateTime::currentDateTime());
    store->setValue(SettingsKeys::ContentKeywords, keywords);
}

// What it does on Unlock with the right password: the phrase goes, the
// keywords stay.
void unlockContent()
{
    SettingsStore store;
    store->remove(SettingsKeys::ContentPhrase);
}

const char *const SlotPage = R"(<html><body><script>
var r = {};
function DownloadWebVideoFromUrl() { r.formOpened = true; }
function translateAll() { r.translated = (r.translated || 0) + 1; }
var t = webFrameTalker;
r.homeUrl = t.getHomeUrl();
r.version = t.getTarvoVersion();
r.over18 = t.universeMethod('translate', '#over18');
r.search = t.universeMethod('translate', 'Search');
r.otherMethod = t.universeMethod('open', 'Search');
r.missingKey = t.universeMethod('translate', 'No such key');
r.filteredBeforeLockRead = t.containsFilteredKeywords('gore');
r.locked = t.isContentLocked();
r.filtered = t.containsFilteredKeywords('some gore here');
r.selfCode = t.getSelfCCode();
r.submit = typeof t.submitKeywords('ignored');
t.downloadFile('http://127.0.0.1:9/a.bin');
t.downloadFile('http://127.0.0.1:9/b.bin', 'b-renamed.bin');
t.downloadFile('http://127.0.0.1:9/c.bin', 'c.bin', 2);
t.downloadVideoSHttp('nosuchservice', 'http://127.0.0.1:9/watch?v=1');
t.downloadVideoSHttp('nosuchservice', 'http://127.0.0.1:9/watch?v=1', 'clip.mp4');
t.downloadVideoSHttp('nosuchservice', 'http://127.0.0.1:9/watch?v=1', 'clip.mp4', 1);
t.enableSearch(false);
t.enableSearch(true);
t.seachFinished();
t.openInBrowser('https://example.org/help?a=1');
t.openInBrowser('file:///etc/passwd');
t.openInBrowser('javascript:alert(1)');
t.showInfo('Hello from the page');
t.showInfo();
t.alertContentLocked();
t.alertKeywordsFiltered();
r.done = true;
</script></body></html>)";

} // namespace

class TestWebFrameTalker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void slotTable();
    void pageCallsEverySlot_data();
    void pageCallsEverySlot();
    void reattachedAfterReload();
    void bridgeOnlyOnOwnPages_data();
    void bridgeOnlyOnOwnPages();
    void ownCountryCode_data();
    void ownCountryCode();
    void keywordFilter_data();
    void keywordFilter();
    void hostileKeywordsStayText_data();
    void hostileKeywordsStayText();
    void contentLockEndToEnd();
    void textsFollowLanguage();

private:
    void loadShippedPage();

    std::unique_ptr<QWebView> m_view;
    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ApWebFrameTalker> m_talker;
    std::unique_ptr<UrlRecorder> m_urls;
    ApplicationInfo m_info;
    QVariantMap m_slotResults;
    QStringList m_slotMessages;
};

void TestWebFrameTalker::initTestCase()
{
    QVERIFY2(QFile::exists(shippedPackage()), qPrintable(shippedPackage()));
    QVERIFY(QResource::registerResource(shippedPackage()));
}

void TestWebFrameTalker::init()
{
    SettingsStore()->clear();
    m_view = std::make_unique<QWebView>();
    m_view->resize(900, 600);
    m_host = std::make_unique<RecordingHost>(m_view.get());
    m_talker = std::make_unique<ApWebFrameTalker>(nullptr, m_view->page()->mainFrame(), &m_info, m_host.get(), 0);
    m_urls = std::make_unique<UrlRecorder>();
}

void TestWebFrameTalker::cleanup()
{
    m_talker.reset();
    m_view.reset();
    m_host.reset();
    m_urls.reset();
    Languages::switchTo(Languages::languageFolder(TestSupport::binDir()), QStringLiteral("english"));
}

void TestWebFrameTalker::loadShippedPage()
{
    QFile page(QStringLiteral(":/webpane/search.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(setHtmlAndWait(m_view.get(), QString::fromUtf8(page.readAll()), QUrl(QStringLiteral("qrc:/webpane/"))));
    QTRY_COMPARE(js(m_view.get(), QStringLiteral("$('#search_tabs').tabs('instance') !== undefined")).toBool(),
                 true);
}

void TestWebFrameTalker::slotTable()
{
    const QStringList expected{
        "registerJavaScriptWindowObject()", "getSelfCCode()", "submitKeywords(QString)", "searchBt(QString)",
        "searchWebVid(QString)", "seachFinished()", "downloadFile(QString,QString,int)",
        "downloadFile(QString,QString)", "downloadFile(QString)",
        "downloadVideoSHttp(QString,QString,QString,int)", "downloadVideoSHttp(QString,QString,QString)",
        "downloadVideoSHttp(QString,QString)", "enableSearch(bool)", "isContentLocked()", "alertContentLocked()",
        "containsFilteredKeywords(QString)", "alertKeywordsFiltered()", "getHomeUrl()", "openInBrowser(QString)",
        "showInfo(QString)", "showInfo()", "getTarvoVersion()", "universeMethod(QString,QString)",
        "DownloadWebVideoFromUrl()"};
    const QMetaObject *meta = m_talker->metaObject();
    QStringList found;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).methodType() == QMetaMethod::Slot)
            found << QString::fromLatin1(meta->method(i).methodSignature());
    QCOMPARE(found, expected);
    const QMetaMethod video = meta->method(meta->indexOfSlot("downloadVideoSHttp(QString,QString,QString,int)"));
    QCOMPARE(video.parameterNames(),
             (QList<QByteArray>{"videoService", "videoUrl", "fileName", "convertType"}));
    QCOMPARE(m_talker->pageTextTable().size(), 38);
    QCOMPARE(ApWebFrameTalker(nullptr, nullptr, &m_info, nullptr, 1).pageTextTable().keys(),
             QStringList{"Unable to connect to server"});
    QVERIFY(ApWebFrameTalker(nullptr, nullptr, &m_info, nullptr, 2).pageTextTable().isEmpty());
}

void TestWebFrameTalker::pageCallsEverySlot_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("home") << "homeUrl" << QVariant(QStringLiteral("http://127.0.0.1:9"));
    QTest::newRow("version") << "version" << QVariant(144.0);
    QTest::newRow("#over18") << "over18" << QVariant(QStringLiteral("Please confirm you are over 18 years old"));
    QTest::newRow("Search") << "search" << QVariant(QStringLiteral("Search"));
    QTest::newRow("other method") << "otherMethod" << QVariant(QString());
    QTest::newRow("missing key") << "missingKey" << QVariant(QString());
    QTest::newRow("filter before lock read") << "filteredBeforeLockRead" << QVariant(false);
    QTest::newRow("locked") << "locked" << QVariant(true);
    QTest::newRow("filtered") << "filtered" << QVariant(true);
    QTest::newRow("own country") << "selfCode" << QVariant(QStringLiteral("de"));
    QTest::newRow("submitKeywords") << "submit" << QVariant(QStringLiteral("undefined"));
    QTest::newRow("program called the form") << "formOpened" << QVariant(true);
    QTest::newRow("translateAll") << "translated" << QVariant(1.0);
    QTest::newRow("script ran to its end") << "done" << QVariant(true);
}

void TestWebFrameTalker::pageCallsEverySlot()
{
    QFETCH(QString, key);
    QFETCH(QVariant, expected);

    // One page run serves every row: the page calls each slot once.
    if (m_slotResults.isEmpty()) {
        lockContent(QStringLiteral("secret1"), QStringLiteral("gore, violence"));
        SettingsStore()->setValue(QStringLiteral("SelfIP"), QStringLiteral("10.1.2.3"));
        ApGeoLocation geo;
        geo.parse("[DE,167772160,184549375]");
        m_host->geo = &geo;

        UiTest::InfoDialogAnswerer answerer;
        QVERIFY(setHtmlAndWait(m_view.get(), QString::fromLatin1(SlotPage), QUrl(QStringLiteral("http://127.0.0.1:9/"))));
        m_talker->DownloadWebVideoFromUrl();
        m_talker->translateAll();
        m_slotResults = js(m_view.get(), QStringLiteral("r")).toMap();
        m_slotMessages = answerer.texts;
        m_host->geo = nullptr;

        QCOMPARE(m_host->tasks,
                 (QStringList{"http://127.0.0.1:9/a.bin|video.flv|0", "http://127.0.0.1:9/b.bin|b-renamed.bin|0",
                              "http://127.0.0.1:9/c.bin|c.bin|2"}));
        QCOMPARE(m_host->searchEnabled, (QList<bool>{false, true}));
        QCOMPARE(m_host->searchesFinished, 1);
        QCOMPARE(m_host->sidePanelRefreshes, 1);
        // Only web links reach the desktop.
        QCOMPARE(m_urls->urls, (QList<QUrl>{QUrl(QStringLiteral("https://example.org/help?a=1"))}));
        // No plugin for the service: no task, and the user is told why.
        const QString pluginFailed = ApWebFrameTalker::videoErrorText(int(VideoInformationPlugin::Outcome::PluginError));
        QCOMPARE(pluginFailed, QStringLiteral("The plugin for this video service failed. "
                                              "Please try again later or update the program."));
        QCOMPARE(m_slotMessages,
                 (QStringList{pluginFailed, pluginFailed, pluginFailed, "Hello from the page", "Please upgrade to a newer version for better results.",
                              "The selected content has been locked for parental control.",
                              "Your input keywords are filtered by parental control."}));
    }
    QCOMPARE(m_slotResults.value(key), expected);
}

void TestWebFrameTalker::reattachedAfterReload()
{
    for (int i = 0; i < 2; ++i) {
        QVERIFY(setHtmlAndWait(m_view.get(), QStringLiteral("<html><body>%1</body></html>").arg(i),
                               QUrl(QStringLiteral("qrc:/webpane/"))));
        QCOMPARE(js(m_view.get(), QStringLiteral("typeof webFrameTalker.getHomeUrl")).toString(),
                 QStringLiteral("function"));
    }
    // Links inside a page do not navigate.
    QCOMPARE(m_view->page()->linkDelegationPolicy(), QWebPage::DelegateAllLinks);
}

void TestWebFrameTalker::bridgeOnlyOnOwnPages_data()
{
    QTest::addColumn<QString>("before");  // a page shown first, or empty
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("bridged");

    QTest::newRow("package") << "" << "qrc:/webpane/" << true;
    QTest::newRow("home site") << "" << "http://127.0.0.1:9/tvo/pub/" << true;
    QTest::newRow("other port") << "" << "http://127.0.0.1:8/" << false;
    QTest::newRow("other host") << "" << "http://127.0.0.2:9/" << false;
    QTest::newRow("other scheme") << "" << "https://127.0.0.1:9/" << false;
    QTest::newRow("local file") << "" << "file:///tmp/" << false;
    QTest::newRow("other site after the package") << "qrc:/webpane/" << "http://evil.example/" << false;
}

// The bridge goes only to the package's and the home site's pages, never to
// an inner frame.
void TestWebFrameTalker::bridgeOnlyOnOwnPages()
{
    QFETCH(QString, before);
    QFETCH(QString, base);
    QFETCH(bool, bridged);

    if (!before.isEmpty())
        QVERIFY(setHtmlAndWait(m_view.get(), QStringLiteral("<html><body></body></html>"), QUrl(before)));
    QVERIFY(setHtmlAndWait(m_view.get(),
                           QStringLiteral("<html><body><iframe srcdoc=\"<script>parent.inner = 'seen:' + typeof webFrameTalker;"
                                          "</script>\"></iframe></body></html>"),
                           QUrl(base)));
    QCOMPARE(js(m_view.get(), QStringLiteral("typeof webFrameTalker")).toString(),
             bridged ? QStringLiteral("object") : QStringLiteral("undefined"));
    QTRY_COMPARE(js(m_view.get(), QStringLiteral("String(window.inner)")).toString(), QStringLiteral("seen:undefined"));
}

void TestWebFrameTalker::ownCountryCode_data()
{
    QTest::addColumn<QString>("selfIp");
    QTest::addColumn<bool>("tableLoaded");
    QTest::addColumn<QString>("expected");
    QTest::newRow("found, lower case") << "10.1.2.3" << true << "de";
    QTest::newRow("range's last address") << "10.255.255.255" << true << "de";
    QTest::newRow("table not loaded") << "10.1.2.3" << false << "";
    QTest::newRow("no SelfIP") << "" << true << "";
    QTest::newRow("no range") << "192.168.1.1" << true << "";
    QTest::newRow("code -1") << "172.16.0.1" << true << "";
    QTest::newRow("not an address") << "localhost" << true << "";
}

void TestWebFrameTalker::ownCountryCode()
{
    QFETCH(QString, selfIp);
    QFETCH(bool, tableLoaded);
    QFETCH(QString, expected);
    if (!selfIp.isEmpty())
        SettingsStore()->setValue(QStringLiteral("SelfIP"), selfIp);
    ApGeoLocation geo;
    geo.parse("[DE,167772160,184549375][-1,2886729728,2887778303]");
    m_host->geo = tableLoaded ? &geo : nullptr;
    QCOMPARE(m_talker->getSelfCCode(), expected);
    // Found once, the code stays even when the table goes.
    m_host->geo = nullptr;
    QCOMPARE(m_talker->getSelfCCode(), expected);
}

void TestWebFrameTalker::keywordFilter_data()
{
    QTest::addColumn<bool>("phrase");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("filtered");
    QTest::newRow("two words, many blanks") << true << "gore, violence" << "   nice    gore   " << true << true;
    QTest::newRow("part of a word, same case") << true << "gore, violence" << "viol" << true << true;
    QTest::newRow("other letter case") << true << "gore, violence" << "Gore" << true << false;
    QTest::newRow("no match") << true << "gore, violence" << "kittens puppies" << true << false;
    QTest::newRow("blanks only") << true << "gore, violence" << "    " << true << false;
    QTest::newRow("keywords without phrase") << false << "gore, violence" << "gore" << false << false;
}

void TestWebFrameTalker::keywordFilter()
{
    QFETCH(bool, phrase);
    QFETCH(QString, keywords);
    QFETCH(QString, typed);
    QFETCH(bool, locked);
    QFETCH(bool, filtered);
    if (phrase)
        lockContent(QStringLiteral("secret1"), keywords);
    else
        SettingsStore()->setValue(SettingsKeys::ContentKeywords, keywords);
    // The cache is empty until the lock is read.
    QVERIFY(!m_talker->containsFilteredKeywords(typed));
    QCOMPARE(m_talker->isContentLocked(), locked);
    QCOMPARE(m_talker->containsFilteredKeywords(typed), filtered);
}

void TestWebFrameTalker::hostileKeywordsStayText_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::newRow("single quote") << "it's a 'test'";
    QTest::newRow("double quote") << "say \"hi\" now";
    QTest::newRow("backslashes") << "back\\slash \\' \\\\ end";
    QTest::newRow("line breaks") << "first line\nsecond\r\nthird";
    QTest::newRow("closing script tag") << "a</script><script>window.pwned=1</script>b";
    QTest::newRow("string breakout") << "x'; window.pwned=1; var y='";
    QTest::newRow("escaped breakout") << "x\\'; window.pwned=1; //";
    QTest::newRow("line separator") << QString::fromUtf8("a\u2028window.pwned=1\u2029b");
}

void TestWebFrameTalker::hostileKeywordsStayText()
{
    QFETCH(QString, keywords);
    loadShippedPage();

    const struct
    {
        int tab;
        void (ApWebFrameTalker::*search)(const QString &);
        QString providerHost;
    } searches[] = {{0, &ApWebFrameTalker::searchBt, "duckduckgo.com"},
                    {1, &ApWebFrameTalker::searchWebVid, "duckduckgo.com"}};
    // A text field keeps no line breaks: it drops them from any value it is given.
    QString fieldText = keywords;
    fieldText.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    for (const auto &search : searches) {
        m_urls->urls.clear();
        (m_talker.get()->*search.search)(keywords);
        QCOMPARE(js(m_view.get(), QStringLiteral("document.getElementById('search_input_%1').value").arg(search.tab))
                     .toString(),
                 fieldText);
        QCOMPARE(js(m_view.get(), QStringLiteral("$('#search_tabs').tabs('option', 'active')")).toInt(), search.tab);
        QCOMPARE(js(m_view.get(), QStringLiteral("typeof window.pwned")).toString(), QStringLiteral("undefined"));
        // The page handed exactly the typed text (trimmed) to the provider.
        QCOMPARE(m_urls->urls.size(), 1);
        QCOMPARE(m_urls->urls.first().host(), search.providerHost);
        QCOMPARE(QUrlQuery(m_urls->urls.first()).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                 fieldText.trimmed());
    }
    QCOMPARE(m_host->searchesFinished, 2);
}

void TestWebFrameTalker::contentLockEndToEnd()
{
    loadShippedPage();
    UiTest::InfoDialogAnswerer answerer;
    // A service the package marks as adult, for the lock's second message.
    js(m_view.get(), QStringLiteral("videoServices.push({id: 'vidcrate', caption: 'Adult', "
                                    "hosts: ['adult.test'], adult: true});"));

    lockContent(QStringLiteral("  secret phrase"), QStringLiteral("gore, violence"));
    m_talker->searchBt(QStringLiteral("nice gore"));
    m_talker->searchWebVid(QStringLiteral("violence clips"));
    js(m_view.get(), QStringLiteral("$('#webvideo_url_input').val('http://adult.test/watch?v=1');"
                                    "downloadWebVideo();"));
    QTRY_COMPARE(answerer.texts,
                 (QStringList{"Your input keywords are filtered by parental control.",
                              "Your input keywords are filtered by parental control.",
                              "The selected content has been locked for parental control."}));
    QVERIFY(m_urls->urls.isEmpty());
    QVERIFY(m_host->tasks.isEmpty());
    QVERIFY(js(m_view.get(), QStringLiteral("$('#lock_note_0').css('display') != 'none'")).toBool());
    QVERIFY(m_host->sidePanelRefreshes >= 3);
    QCOMPARE(m_host->searchesFinished, 3);

    // Unlocked, the same searches pass and nothing is shown.
    unlockContent();
    answerer.texts.clear();
    m_talker->searchBt(QStringLiteral("nice gore"));
    m_talker->searchWebVid(QStringLiteral("violence clips"));
    QCOMPARE(m_urls->urls.size(), 2);
    QVERIFY(!js(m_view.get(), QStringLiteral("$('#lock_note_0').css('display') != 'none'")).toBool());
    QTest::qWait(100);
    QVERIFY(answerer.texts.isEmpty());
}

void TestWebFrameTalker::textsFollowLanguage()
{
    loadShippedPage();
    const QString tabText = QStringLiteral("$('#search_tabs > ul li:eq(1) span').text()");
    QCOMPARE(js(m_view.get(), tabText).toString(), QStringLiteral("Web Videos"));
    QVERIFY(Languages::switchTo(Languages::languageFolder(TestSupport::binDir()), QStringLiteral("german")));
    m_talker->translateAll();
    QCOMPARE(js(m_view.get(), tabText).toString(), QStringLiteral("Web-Videos"));
    QCOMPARE(m_talker->universeMethod(QStringLiteral("translate"), QStringLiteral("#over18")),
             QStringLiteral("Bitte bestätigen Sie, dass Sie über 18 Jahre alt sind"));
    QCOMPARE(js(m_view.get(), QStringLiteral("$('#webvideo_url_input').attr('placeholder')")).toString(),
             QStringLiteral("Geben Sie eine gültige Web-Video-URL ein"));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestWebFrameTalker test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webframetalker.moc"
