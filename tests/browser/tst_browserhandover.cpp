// Downloads handed over from real browsers: Debian's Chromium and Firefox ESR
// on a private X display, each with the extension from the program folder
// and a private profile, open a loopback page that sets a session cookie and
// then goes to a .zip that nginx serves only with that cookie. The new task
// dialog of the real `zantor` opens with the link and is accepted; the file
// must arrive byte-identical, fetched with the cookie and the page as
// Referer, and the browser must keep no copy.

#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>

#include "appsettings.h"
#include "browserhostmanifest.h"
#include "nginxfixture.h"
#include "programprocess.h"
#include "settingsservice.h"
#include "testsupport.h"
#include "virtualdisplay.h"

namespace {
constexpr int FileBytes = 1600 * 1024;  // above the extension's 1 MiB floor
const QString Cookie = QStringLiteral("zsession=abc123");

QString outputFolder()
{
    const QString folder = QDir(TestSupport::binDir()).absoluteFilePath(QStringLiteral("../test-output"));
    QDir().mkpath(folder);
    return folder;
}

QByteArray frame(const QJsonObject &object)
{
    const QByteArray body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    const quint32 length = quint32(body.size());
    return QByteArray(reinterpret_cast<const char *>(&length), 4) + body;
}
} // namespace

class TestBrowserHandOver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void chromiumWithZantorRunning();
    void chromiumStartsZantor();
    void chromiumKeepsWhatZantorRefuses();
    void firefoxWithZantorRunning();
    void cookieStaysWithItsOrigin();

private:
    QProcessEnvironment displayEnvironment() const;
    QString tool(const QString &program, const QStringList &arguments);
    QString waitForWindow(const QString &name, int timeoutMs = 40000);
    void screenshot(const QString &name);
    void startZantor(bool onDisplay);
    void startChromium(const QString &url);
    void startFirefox(const QString &url);
    void acceptDialogAndCheckDownload(const QString &browser, const QString &browserDownloads);
    QStringList logLines(const QString &path) const;
    // What each server logged during the running test.
    QStringList siteLog() const { return logLines(m_logs.filePath(QStringLiteral("site.log"))).mid(m_siteLogStart); }
    QStringList otherLog() const
    {
        return logLines(m_logs.filePath(QStringLiteral("other.log"))).mid(m_otherLogStart);
    }
    void endForeignZantor();
    // Lets the page go to the file once the extension has asked the running
    // program for its state (or after a moment when none runs yet).
    void letPageGo();

    VirtualDisplay m_display;
    QProcess m_windowManager;
    NginxFixture m_site;
    NginxFixture m_other;
    QTemporaryDir m_files;
    QTemporaryDir m_logs;
    QTemporaryDir m_downloads;
    QTemporaryDir m_browserFiles;
    QByteArray m_content;
    std::unique_ptr<ProgramProcess> m_zantor;
    std::unique_ptr<QProcess> m_browser;
    int m_siteLogStart = 0;
    int m_otherLogStart = 0;
};

void TestBrowserHandOver::initTestCase()
{
    for (const char *program : {"chromium", "firefox-esr", "xdotool", "openbox", "import"}) {
        if (TestSupport::findProgram(QLatin1String(program)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(program))));
    }
    QVERIFY2(m_display.start(), qPrintable(m_display.errorString()));
    m_windowManager.setProcessEnvironment(displayEnvironment());
    m_windowManager.start(TestSupport::findProgram(QStringLiteral("openbox")), {QStringLiteral("--sm-disable")});
    QVERIFY(m_windowManager.waitForStarted(5000));

    // The file behind the session cookie, and a page that sets the cookie
    // and then goes to the file as a person's click would.
    QRandomGenerator random(2612);
    m_content.resize(FileBytes);
    for (char &c : m_content)
        c = char(random.bounded(256));
    QDir(m_files.path()).mkpath(QStringLiteral("files"));
    QFile file(m_files.filePath(QStringLiteral("files/data.zip")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(m_content) == FileBytes);
    file.close();
    QFile page(m_files.filePath(QStringLiteral("page.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<!DOCTYPE html><html><body><p><a href=\"/files/data.zip\">data.zip</a></p>"
               // Goes to the file once the test lets it (when the extension runs).
               "<script>function poll() { fetch('/go.txt', {cache: 'no-store'}).then(function (r) {"
               " if (r.ok) location.href = '/files/data.zip'; else setTimeout(poll, 300); },"
               " function () { setTimeout(poll, 300); }); } poll();</script>"
               "</body></html>");
    page.close();

    const QString format = QStringLiteral(
        "log_format handover '$request|$status|$http_cookie|$http_referer|$http_accept|$http_user_agent';");
    m_other.setHttpConfig(format);
    QVERIFY2(m_other.start(m_files.path(), QStringLiteral("access_log %1/other.log handover;").arg(m_logs.path())),
             qPrintable(m_other.errorString()));
    m_site.setHttpConfig(format);
    QVERIFY2(m_site.start(m_files.path(),
                          QStringLiteral("access_log %1/site.log handover;\n"
                                         "location = /page.html { default_type text/html; "
                                         "add_header Set-Cookie \"%2; Path=/\"; }\n"
                                         "location /files/ { if ($cookie_zsession != \"abc123\") { return 403; } }\n"
                                         "location /away/ { return 302 %3; }\n")
                              .arg(m_logs.path(), Cookie, m_other.url(QStringLiteral("/files/data.zip")))),
             qPrintable(m_site.errorString()));

    // The browsers' per-user folders exist, so the program registers its
    // host with both at start.
    QDir().mkpath(QDir::homePath() + QStringLiteral("/.mozilla"));
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/chromium"));
    AppSettings::setFlag(SettingsKeys::AutoUpdateFlag, false);
    AppSettings::setDownloadedTo(m_downloads.path());
    SettingsService::flushAll();
}

void TestBrowserHandOver::cleanup()
{
    QFile::remove(m_files.filePath(QStringLiteral("go.txt")));
    if (m_browser && m_browser->state() != QProcess::NotRunning) {
        m_browser->terminate();
        if (!m_browser->waitForFinished(15000))
            m_browser->kill();
        m_browser->waitForFinished(5000);
    }
    m_browser.reset();
    m_zantor.reset();
    endForeignZantor();
}

void TestBrowserHandOver::init()
{
    // Each test reads only what the servers logged during it.
    m_siteLogStart = logLines(m_logs.filePath(QStringLiteral("site.log"))).size();
    m_otherLogStart = logLines(m_logs.filePath(QStringLiteral("other.log"))).size();
}

void TestBrowserHandOver::cleanupTestCase()
{
    if (m_windowManager.state() != QProcess::NotRunning) {
        m_windowManager.terminate();
        m_windowManager.waitForFinished(5000);
    }
}

QProcessEnvironment TestBrowserHandOver::displayEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display.name());
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // A program the host starts shows its windows on this display.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

QString TestBrowserHandOver::tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(displayEnvironment());
    process.start(TestSupport::findProgram(program), arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString TestBrowserHandOver::waitForWindow(const QString &name, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString ids = tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                              QStringLiteral("--name"), name});
        if (!ids.isEmpty())
            return ids.split(QLatin1Char('\n')).first();
        QTest::qWait(300);
    }
    return QString();
}

void TestBrowserHandOver::screenshot(const QString &name)
{
    tool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                    outputFolder() + QLatin1Char('/') + name + QStringLiteral(".png")});
}

void TestBrowserHandOver::startZantor(bool onDisplay)
{
    QProcessEnvironment env;
    if (onDisplay) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), m_display.name());
    }
    m_zantor = std::make_unique<ProgramProcess>(TestSupport::binDir() + QStringLiteral("/zantor"),
                                                QStringLiteral("zantor.browser"), env);
    m_zantor->start();
    QVERIFY(m_zantor->process().waitForStarted(10000));
    // Registered at start: the manifest for Chromium's profile folder.
    const QString manifest = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/chromium/NativeMessagingHosts/org.zantor.host.json");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(manifest), 20000);
    // Its window shows once its instance socket listens.
    if (onDisplay)
        QVERIFY(!waitForWindow(QStringLiteral("Zantor 1.4.4"), 30000).isEmpty());
}

void TestBrowserHandOver::startChromium(const QString &url)
{
    const QString profile = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/chromium");
    // Its own downloads go to a folder of the test, without asking.
    QDir().mkpath(profile + QStringLiteral("/Default"));
    QFile preferences(profile + QStringLiteral("/Default/Preferences"));
    QVERIFY(preferences.open(QIODevice::WriteOnly));
    preferences.write(QJsonDocument(QJsonObject{{QStringLiteral("download"),
                                                 QJsonObject{{QStringLiteral("default_directory"), m_browserFiles.path()},
                                                             {QStringLiteral("prompt_for_download"), false}}}})
                          .toJson());
    preferences.close();
    m_browser = std::make_unique<QProcess>();
    m_browser->setProcessEnvironment(displayEnvironment());
    m_browser->start(TestSupport::findProgram(QStringLiteral("chromium")),
                     {QStringLiteral("--no-sandbox"), QStringLiteral("--user-data-dir=") + profile,
                      QStringLiteral("--load-extension=") + TestSupport::binDir() + QStringLiteral("/browser/chromium"),
                      QStringLiteral("--disable-features=DisableLoadExtensionCommandLineSwitch"),
                      QStringLiteral("--no-first-run"), QStringLiteral("--no-default-browser-check"),
                      QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
                      QStringLiteral("--disable-sync"), QStringLiteral("--disable-default-apps"),
                      QStringLiteral("--disable-breakpad"), QStringLiteral("--password-store=basic"),
                      // Anything not on the loopback goes to a dead local proxy.
                      QStringLiteral("--proxy-server=http://127.0.0.1:9"),
                      QStringLiteral("--window-position=0,0"), QStringLiteral("--window-size=1000,760"), url});
    QVERIFY(m_browser->waitForStarted(10000));
}

void TestBrowserHandOver::startFirefox(const QString &url)
{
    QTemporaryDir *profile = new QTemporaryDir;
    profile->setAutoRemove(true);
    connect(this, &QObject::destroyed, [profile] { delete profile; });
    const QString dir = profile->path();
    QDir(dir).mkpath(QStringLiteral("extensions"));
    QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/browser/zantor-firefox.xpi"),
                        dir + QStringLiteral("/extensions/") + BrowserHostManifest::FirefoxExtensionId
                            + QStringLiteral(".xpi")));
    QFile prefs(dir + QStringLiteral("/user.js"));
    QVERIFY(prefs.open(QIODevice::WriteOnly));
    const QStringList lines{
        QStringLiteral("xpinstall.signatures.required\", false"),
        QStringLiteral("extensions.autoDisableScopes\", 0"),
        QStringLiteral("extensions.enabledScopes\", 15"),
        QStringLiteral("browser.download.dir\", \"%1\"").arg(m_browserFiles.path()),
        QStringLiteral("browser.download.folderList\", 2"),
        QStringLiteral("browser.download.useDownloadDir\", true"),
        QStringLiteral("browser.download.always_ask_before_handling_new_types\", false"),
        QStringLiteral("browser.shell.checkDefaultBrowser\", false"),
        QStringLiteral("browser.aboutwelcome.enabled\", false"),
        QStringLiteral("browser.startup.homepage_override.mstone\", \"ignore\""),
        QStringLiteral("datareporting.policy.dataSubmissionEnabled\", false"),
        QStringLiteral("toolkit.telemetry.reportingpolicy.firstRun\", false"),
        QStringLiteral("app.update.disabledForTesting\", true"),
        QStringLiteral("extensions.update.enabled\", false"),
        QStringLiteral("browser.safebrowsing.downloads.enabled\", false"),
        QStringLiteral("network.captive-portal-service.enabled\", false"),
        QStringLiteral("network.connectivity-service.enabled\", false"),
        // Anything not on the loopback goes to a dead local proxy.
        QStringLiteral("network.proxy.type\", 1"),
        QStringLiteral("network.proxy.http\", \"127.0.0.1\""),
        QStringLiteral("network.proxy.http_port\", 9"),
        QStringLiteral("network.proxy.ssl\", \"127.0.0.1\""),
        QStringLiteral("network.proxy.ssl_port\", 9"),
        QStringLiteral("network.proxy.no_proxies_on\", \"\""),
    };
    for (const QString &line : lines)
        prefs.write("user_pref(\"" + line.toUtf8() + ");\n");
    prefs.close();
    QProcessEnvironment env = displayEnvironment();
    env.insert(QStringLiteral("MOZ_CRASHREPORTER_DISABLE"), QStringLiteral("1"));
    m_browser = std::make_unique<QProcess>();
    m_browser->setProcessEnvironment(env);
    m_browser->start(TestSupport::findProgram(QStringLiteral("firefox-esr")),
                     {QStringLiteral("--no-remote"), QStringLiteral("--new-instance"), QStringLiteral("--profile"), dir,
                      url});
    QVERIFY(m_browser->waitForStarted(10000));
}

QStringList TestBrowserHandOver::logLines(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestBrowserHandOver::acceptDialogAndCheckDownload(const QString &browser, const QString &browserDownloads)
{
    const QString dialog = waitForWindow(QStringLiteral("New Task"));
    if (dialog.isEmpty())
        screenshot(QStringLiteral("browser-%1-no-dialog").arg(browser));
    QVERIFY2(!dialog.isEmpty(), qPrintable(QStringLiteral("the new task dialog did not open\n")
                                           + (m_zantor ? m_zantor->log() : QString())
                                           + QString::fromUtf8(m_browser->readAll().right(3000))));
    QTest::qWait(500);
    screenshot(QStringLiteral("browser-%1-new-task-dialog").arg(browser));
    tool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), dialog});
    // Start Download is the dialog's default button.
    tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});

    QString arrived;
    QDeadlineTimer deadline(60000);
    while (arrived.isEmpty() && !deadline.hasExpired()) {
        for (const QFileInfo &info : QDir(m_downloads.path()).entryInfoList({QStringLiteral("*_data.zip")}, QDir::Files)) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly) && file.readAll() == m_content)
                arrived = info.filePath();
        }
        if (arrived.isEmpty())
            QTest::qWait(300);
    }
    QVERIFY2(!arrived.isEmpty(), "the accepted download did not arrive byte-identical");
    QFile::remove(arrived);

    // The program's own request ("Accept: */*") carried the browser's
    // cookie and the page as Referer.
    // nginx logs a request once its answer is out, a moment after the
    // last byte arrived.
    const auto programRequests = [this] {
        QStringList found;
        for (const QString &line : siteLog()) {
            const QStringList f = line.split(QLatin1Char('|'));
            if (f.size() >= 5 && f.at(0).startsWith(QLatin1String("GET /files/data.zip"))
                && f.at(1) == QLatin1String("200") && f.at(4) == QLatin1String("*/*"))
                found << line;
        }
        return found;
    };
    QTRY_VERIFY_WITH_TIMEOUT(!programRequests().isEmpty(), 10000);
    for (const QString &line : programRequests()) {
        const QStringList f = line.split(QLatin1Char('|'));
        QCOMPARE(f.at(2), Cookie);
        QCOMPARE(f.at(3), m_site.url(QStringLiteral("/page.html")));
    }
    const bool seen = !programRequests().isEmpty();
    QVERIFY2(seen, qPrintable(siteLog().join(QLatin1Char('\n'))));
    // The browser kept nothing, not even a partial file.
    QTest::qWait(1000);
    QCOMPARE(QDir(browserDownloads).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestBrowserHandOver::letPageGo()
{
    QDeadlineTimer deadline(m_zantor ? 30000 : 3000);
    while (!deadline.hasExpired() && !(m_zantor && m_zantor->logged(QStringLiteral("status asked by the browser"))))
        QTest::qWait(200);
    QFile go(m_files.filePath(QStringLiteral("go.txt")));
    QVERIFY(go.open(QIODevice::WriteOnly));
}

void TestBrowserHandOver::endForeignZantor()
{
    // A program the host started is no child of this test: it is found by
    // its executable and this test's home folder.
    const QString program = QFileInfo(TestSupport::binDir() + QStringLiteral("/zantor")).canonicalFilePath();
    const QByteArray home = "HOME=" + qgetenv("HOME");
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (pid.toInt() <= 0 || QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath() != program)
            continue;
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (!environ.open(QIODevice::ReadOnly) || !environ.readAll().split('\0').contains(home))
            continue;
        ::kill(pid.toInt(), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(QStringLiteral("/proc/%1/exe").arg(pid))
                                     || QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath() != program,
                                 15000);
    }
}

void TestBrowserHandOver::chromiumWithZantorRunning()
{
    startZantor(true);
    startChromium(m_site.url(QStringLiteral("/page.html")));
    letPageGo();
    acceptDialogAndCheckDownload(QStringLiteral("chromium"), m_browserFiles.path());

    // The context menu on a link, and the popup, for a person to look at.
    const QString window = waitForWindow(QStringLiteral("Chromium"), 10000);
    tool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    tool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                     QStringLiteral("40"), QStringLiteral("168"), QStringLiteral("click"),
                                     QStringLiteral("3")});
    QTest::qWait(1500);
    screenshot(QStringLiteral("browser-chromium-context-menu"));
    tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});
    tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+l")});
    tool(QStringLiteral("xdotool"),
         {QStringLiteral("type"), QStringLiteral("chrome-extension://%1/popup.html\n")
                                      .arg(BrowserHostManifest::ChromiumExtensionId)});
    QTest::qWait(3000);
    screenshot(QStringLiteral("browser-chromium-popup"));
}

void TestBrowserHandOver::chromiumStartsZantor()
{
    // Registered as the program would at its start; the host starts it.
    QVERIFY(!BrowserHostManifest::writeUserManifests(TestSupport::binDir() + QStringLiteral("/zantor-browser-host"))
                 .isEmpty());
    startChromium(m_site.url(QStringLiteral("/page.html")));
    letPageGo();
    acceptDialogAndCheckDownload(QStringLiteral("chromium-started"), m_browserFiles.path());
}

void TestBrowserHandOver::chromiumKeepsWhatZantorRefuses()
{
    // The program runs and is registered, but no longer takes downloads:
    // the browser goes on with its own download, nothing is lost.
    startZantor(true);
    AppSettings::setFlag(SettingsKeys::BrowserIntegrationFlag, false);
    SettingsService::flushAll();
    startChromium(m_site.url(QStringLiteral("/page.html")));
    letPageGo();
    const QString kept = QDir(m_browserFiles.path()).filePath(QStringLiteral("data.zip"));
    QDeadlineTimer deadline(40000);
    bool complete = false;
    while (!complete && !deadline.hasExpired()) {
        QFile file(kept);
        complete = file.open(QIODevice::ReadOnly) && file.readAll() == m_content;
        if (!complete)
            QTest::qWait(300);
    }
    AppSettings::setFlag(SettingsKeys::BrowserIntegrationFlag, true);
    SettingsService::flushAll();
    QVERIFY2(complete, "the browser did not finish its own download");
    QVERIFY(waitForWindow(QStringLiteral("New Task"), 1000).isEmpty());
    QVERIFY(m_zantor->logged(QStringLiteral("zantor.browser")) == false);
    QFile::remove(kept);
}

void TestBrowserHandOver::firefoxWithZantorRunning()
{
    startZantor(true);
    QVERIFY(QFileInfo::exists(QDir::homePath() + QStringLiteral("/.mozilla/native-messaging-hosts/org.zantor.host.json")));
    startFirefox(m_site.url(QStringLiteral("/page.html")));
    letPageGo();
    acceptDialogAndCheckDownload(QStringLiteral("firefox"), m_browserFiles.path());
}

void TestBrowserHandOver::cookieStaysWithItsOrigin()
{
    // Added without asking; the link on the cookie's host sends the program
    // on to another host (another port), which must not get the cookie.
    AppSettings::setFlag(SettingsKeys::BrowserAddWithoutAskingFlag, true);
    SettingsService::flushAll();
    startZantor(false);
    QProcess host;
    host.start(TestSupport::binDir() + QStringLiteral("/zantor-browser-host"), QStringList());
    QVERIFY(host.waitForStarted(10000));
    host.write(frame({{QStringLiteral("type"), QStringLiteral("download")},
                      {QStringLiteral("url"), m_site.url(QStringLiteral("/away/data.zip"))},
                      {QStringLiteral("referrer"), m_site.url(QStringLiteral("/page.html"))},
                      {QStringLiteral("cookies"), Cookie},
                      {QStringLiteral("userAgent"), QStringLiteral("HandOverTest/1")}}));
    host.closeWriteChannel();
    QVERIFY(host.waitForFinished(30000));
    const QByteArray reply = host.readAllStandardOutput().mid(4);
    QCOMPARE(QJsonDocument::fromJson(reply).object().value(QStringLiteral("outcome")).toString(),
             QStringLiteral("added"));
    AppSettings::setFlag(SettingsKeys::BrowserAddWithoutAskingFlag, false);
    SettingsService::flushAll();

    QTRY_VERIFY_WITH_TIMEOUT(!otherLog().isEmpty(), 30000);
    bool toSite = false;
    for (const QString &line : siteLog()) {
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.at(0).startsWith(QLatin1String("GET /away/data.zip")) && f.at(5) == QLatin1String("HandOverTest/1")) {
            QCOMPARE(f.at(2), Cookie);
            toSite = true;
        }
    }
    QVERIFY2(toSite, qPrintable(siteLog().join(QLatin1Char('\n'))));
    for (const QString &line : otherLog()) {
        const QStringList f = line.split(QLatin1Char('|'));
        QCOMPARE(f.at(2), QStringLiteral("-"));
        QCOMPARE(f.at(5), QStringLiteral("HandOverTest/1"));
    }
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestBrowserHandOver test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browserhandover.moc"
