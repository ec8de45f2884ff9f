// Every way a page reaches the desktop's URL opener, with a stand-in
// "xdg-open" first on PATH that records what it is given, on a private Xvfb
// display (the desktop opener is what the X11 platform calls). Pages come
// from a real nginx: the location page in the real mapglance program, the
// search page bridge, the advertisement panels and a first-party view
// navigating away.

#include <QApplication>
#include <QUrlQuery>
#include <QWebElement>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

#include "apfirstpartypage.h"
#include "applicationinfo.h"
#include "apwebframetalker.h"
#include "nginxfixture.h"
#include "programprocess.h"
#include "testsupport.h"
#include "virtualdisplay.h"
#include "webaxwidget.h"

namespace {

QString g_openedLog;

QStringList opened()
{
    QFile file(g_openedLog);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestLinkOpeners : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyWebAndMailLinksReachTheDesktop_data();
    void onlyWebAndMailLinksReachTheDesktop();

private:
    QString accessLog() const;
    // Runs the page action of one surface with link; returns once the page
    // has acted.
    void act(const QString &surface, const QString &link);
    QString home() const { return m_nginx.url(QString()).chopped(1); }

    QTemporaryDir m_site;
    QTemporaryDir m_programDir;
    NginxFixture m_nginx;
};

void TestLinkOpeners::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("no X display: the desktop opener is only called on X11");
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    const auto write = [this](const QString &path, const QByteArray &text) {
        QDir().mkpath(QFileInfo(m_site.filePath(path)).absolutePath());
        QFile file(m_site.filePath(path));
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    // The link comes in the address (the location page's "domain", the
    // others' fragment); each page says when it has acted.
    QVERIFY(write(QStringLiteral("tvo/pub/geo/tvolocation.php"),
                  "<html><body><script>"
                  "var m = /[?&]domain=([^&]*)/.exec(location.search);"
                  "webFrameTalker.openInBrowser(decodeURIComponent(m[1]));"
                  "new Image().src = '/beacon/location';"
                  "</script></body></html>"));
    QVERIFY(write(QStringLiteral("ads/click.html"),
                  "<html><body><button id='go' style='width:200px;height:100px' "
                  "onclick=\"window.open(decodeURIComponent(location.hash.slice(1)))\">go</button></body></html>"));
    QVERIFY(write(QStringLiteral("ads/auto.html"),
                  "<html><body><script>window.open(decodeURIComponent(location.hash.slice(1)));</script>"
                  "<p id='done'>done</p></body></html>"));
    QVERIFY(write(QStringLiteral("away.html"),
                  "<html><body><script>location.href = decodeURIComponent(location.hash.slice(1));</script>"
                  "</body></html>"));
    QVERIFY2(m_nginx.start(m_site.path(), QStringLiteral("location /tvo/pub/geo/ { default_type text/html; }"
                                                         "location /beacon/ { return 204; }"
                                                         "types { text/html html; }")),
             qPrintable(m_nginx.errorString()));
    QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/mapglance"),
                        m_programDir.filePath(QStringLiteral("mapglance"))));
}

QString TestLinkOpeners::accessLog() const
{
    QFile log(m_nginx.prefixPath() + QStringLiteral("/logs/access.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void TestLinkOpeners::onlyWebAndMailLinksReachTheDesktop_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("reaches");

    const QStringList surfaces{"location page", "search page bridge", "panel click", "panel by itself",
                               "first-party view navigating away"};
    struct Link
    {
        const char *name;
        const char *link;
    };
    const Link links[] = {
        {"https", "https://127.0.0.1:9/secure?a=1"},
        {"http", "http://127.0.0.1:9/plain"},
        {"mailto", "mailto:someone@example.org"},
        {"ftp", "ftp://127.0.0.1:9/file.iso"},
        {"file", "file:///etc/passwd"},
        {"own scheme", "zantorpoc://x"},
    };
    for (const QString &surface : surfaces) {
        for (const Link &link : links) {
            const QString scheme = QUrl(QString::fromLatin1(link.link)).scheme();
            bool reaches = scheme == QLatin1String("https") || scheme == QLatin1String("http")
                || scheme == QLatin1String("mailto");
            // ftp only where the download manager's own page asks for it.
            if (scheme == QLatin1String("ftp"))
                reaches = surface == QLatin1String("search page bridge");
            // A panel opens nothing without the user.
            if (surface == QLatin1String("panel by itself"))
                reaches = false;
            QTest::newRow(qPrintable(surface + QStringLiteral(": ") + QString::fromLatin1(link.name)))
                << surface << QString::fromLatin1(link.link) << reaches;
        }
    }
}

void TestLinkOpeners::act(const QString &surface, const QString &link)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(link));
    if (surface == QLatin1String("location page")) {
        const int before = accessLog().count(QStringLiteral("/beacon/location"));
        QProcessEnvironment env;
        for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "PATH", "ZANTOR_OPENED_LOG"})
            env.insert(QString::fromLatin1(variable), qEnvironmentVariable(variable));
        env.insert(QStringLiteral("ZANTOR_HOME_URL"), home());
        ProgramProcess mapglance(m_programDir.filePath(QStringLiteral("mapglance")), QStringLiteral("mapglance.*"), env);
        mapglance.start({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.1&") + encoded});
        QTRY_VERIFY2_WITH_TIMEOUT(accessLog().count(QStringLiteral("/beacon/location")) > before,
                                  qPrintable(mapglance.log()), 30000);
        QTest::qWait(300);
        return;
    }
    if (surface == QLatin1String("search page bridge")) {
        qputenv("ZANTOR_HOME_URL", home().toUtf8());
        ApplicationInfo info;
        QWebView view;
        view.setPage(new ApFirstPartyPage(info.homeUrl(), ApLinkOpener::WebMailAndFtp, &view));
        ApWebFrameTalker talker(nullptr, view.page()->mainFrame(), &info, nullptr, 0);
        view.setHtml(QStringLiteral("<html><body></body></html>"), QUrl(home() + QStringLiteral("/")));
        QCOMPARE(view.page()->mainFrame()->evaluateJavaScript(QStringLiteral("typeof webFrameTalker")).toString(),
                 QStringLiteral("object"));
        view.page()->mainFrame()->evaluateJavaScript(QStringLiteral("webFrameTalker.openInBrowser('%1')")
                                                         .arg(ApWebFrameTalker::scriptStringLiteralBody(link)));
        return;
    }
    if (surface.startsWith(QLatin1String("panel"))) {
        WebAxWidget panel;
        panel.resize(300, 200);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const bool click = surface == QLatin1String("panel click");
        QSignalSpy loaded(&panel, &QWebView::loadFinished);
        panel.load(QUrl(m_nginx.url(click ? QStringLiteral("/ads/click.html") : QStringLiteral("/ads/auto.html"))
                        + QLatin1Char('#') + encoded));
        QVERIFY(loaded.wait(15000));
        if (click) {
            const QRect box = panel.page()->mainFrame()->findFirstElement(QStringLiteral("#go")).geometry();
            QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, box.center());
        }
        QTest::qWait(300);
        return;
    }
    // A first-party page sets its own address to the link.
    QWebView view;
    view.setPage(new ApFirstPartyPage(home(), ApLinkOpener::WebAndMail, &view));
    QSignalSpy loaded(&view, &QWebView::loadFinished);
    const QUrl start(m_nginx.url(QStringLiteral("/away.html")) + QLatin1Char('#') + encoded);
    view.load(start);
    QVERIFY(loaded.wait(15000));
    QTest::qWait(500);
    // The view itself never leaves the site.
    QCOMPARE(view.url().adjusted(QUrl::RemoveFragment), start.adjusted(QUrl::RemoveFragment));
}

void TestLinkOpeners::onlyWebAndMailLinksReachTheDesktop()
{
    QFETCH(QString, surface);
    QFETCH(QString, link);
    QFETCH(bool, reaches);

    QFile::remove(g_openedLog);
    act(surface, link);
    if (QTest::currentTestFailed())
        return;
    const QString expected = QString::fromLatin1(QUrl(link).toEncoded());
    if (reaches) {
        QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{expected}, 10000);
    } else {
        // The stand-in writes within a moment of being started.
        QTest::qWait(700);
        QCOMPARE(opened(), QStringList{});
    }
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    // The stand-in opener, first on PATH for this process and its children.
    QTemporaryDir stubs;
    g_openedLog = stubs.filePath(QStringLiteral("opened.log"));
    {
        QFile stub(stubs.filePath(QStringLiteral("xdg-open")));
        if (!stub.open(QIODevice::WriteOnly))
            return 1;
        stub.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"$ZANTOR_OPENED_LOG\"\n");
        stub.close();
        stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    }
    qputenv("ZANTOR_OPENED_LOG", g_openedLog.toLocal8Bit());
    qputenv("PATH", stubs.path().toLocal8Bit() + ':' + qgetenv("PATH"));
    // No desktop to detect: the opener is xdg-open.
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("DESKTOP_SESSION");
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    VirtualDisplay display;
    display.startForThisProcess();
    int status = 0;
    {
        QApplication app(argc, argv);
        TestLinkOpeners test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_linkopeners.moc"
