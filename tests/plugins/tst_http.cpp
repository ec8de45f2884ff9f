#include <QElapsedTimer>
#include <QFile>
#include <QScriptEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "cookies.h"
#include "http.h"
#include "httpscriptclass.h"
#include "loopbackserver.h"
#include "nginxfixture.h"
#include "testsupport.h"
#include "toolsscriptclass.h"

using Response = LoopbackServer::Response;
using Request = LoopbackServer::Request;

namespace {

const QByteArray utf8Page = QStringLiteral("Gr\u00fc\u00dfe \u20ac").toUtf8();
const QByteArray fileBody = [] {
    QByteArray body;
    for (int i = 0; i < 4096; ++i)
        body.append(char('a' + i % 26));
    return body;
}();

// Answers a Range request with 206 when the server honours ranges.
Response fileResponse(const Request &request, bool honourRange)
{
    const QByteArray range = request.header("range");
    if (honourRange && range.startsWith("bytes=")) {
        const int from = range.mid(6, range.indexOf('-') - 6).toInt();
        Response response;
        response.status = 206;
        response.body = fileBody.mid(from);
        response.withHeader("Content-Range", "bytes " + QByteArray::number(from) + "-"
                                                 + QByteArray::number(fileBody.size() - 1) + "/"
                                                 + QByteArray::number(fileBody.size()));
        return response;
    }
    return Response::text(fileBody, "application/octet-stream");
}

} // namespace

// The script Http object against a loopback server that can misbehave on
// demand, through a real script engine; the file mode through C++.
class TestHttp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void constructorAndPrototype();
    void redirects_data();
    void redirects();
    void relativeRedirect_data();
    void relativeRedirect();
    void silentServerTimesOut();
    void slowSteadyServerIsNotCutOff();
    void settersKeepAtLeastOne();
    void textDecoding_data();
    void textDecoding();
    void standardAndParameterHeaders();
    void cookieForms();
    void serverCookiesAndDisabledCookies();
    void redirectedPostContinuesAsGet();
    void headRequestHeaders();
    void errorCodes_data();
    void errorCodes();
    void busyObjectRefusesSecondDownload();
    void pageSchemes_data();
    void pageSchemes();
    void oversizedPageIsRefused();
    void copyTakesSettingsNotTransfer();

    void fileDownloadCompletes();
    void fileDownloadResumes();
    void fileDownloadResumeIgnored_data();
    void fileDownloadResumeIgnored();
    void fileDownloadRetries_data();
    void fileDownloadRetries();
    void fileDownloadTimeOutsExhaustAttempts();
    void fileDownloadStartErrors();
    void fileDownloadCancelAndPause();

private:
    QScriptValue run(const QString &code);

    LoopbackServer m_server;
    QScriptEngine *m_engine = nullptr;
    ToolsScriptClass *m_tools = nullptr;
    HttpScriptClass *m_httpClass = nullptr;
    int m_flakyFailures = 0;
};

void TestHttp::initTestCase()
{
    qRegisterMetaType<QFileInfo>("QFileInfo");
    QVERIFY(m_server.start());
    m_server.route("/chain", [](const Request &request) {
        const int n = request.target.mid(request.target.indexOf("n=") + 2).toInt();
        if (n == 0)
            return Response::text("end");
        return Response::redirect("/chain?n=" + QByteArray::number(n - 1));
    });
    m_server.route("/relative", [](const Request &request) {
        return Response::redirect(request.target.mid(request.target.indexOf("to=") + 3));
    });
    m_server.route("/next", [](const Request &request) { return Response::text("next:" + request.target); });
    m_server.route("/silent", [](const Request &) {
        Response response;
        response.silent = true;
        return response;
    });
    m_server.route("/slow", [](const Request &) {
        Response response = Response::text("0123456789");
        response.chunkSize = 1;
        response.chunkIntervalMs = 300;
        return response;
    });
    m_server.route("/utf8", [](const Request &) { return Response::text(utf8Page); });
    m_server.route("/latin1", [](const Request &) { return Response::text("caf\xe9", "text/html; charset=iso-8859-1"); });
    m_server.route("/echo", [](const Request &request) {
        QByteArray text = request.method + "\n";
        for (auto it = request.headers.cbegin(); it != request.headers.cend(); ++it)
            text += it.key() + "=" + it.value() + "\n";
        return Response::text(text + "body=" + request.body);
    });
    m_server.route("/postredirect", [](const Request &) { return Response::redirect("/echo", 302); });
    m_server.route("/setcookie", [](const Request &) {
        return Response::text("ok").withHeader("Set-Cookie", "sid=abc; Path=/");
    });
    m_server.route("/headers", [](const Request &) {
        return Response::text("body").withHeader("X-One", "1").withHeader("X-Two", "2");
    });
    m_server.route("/forbidden", [](const Request &) {
        Response response = Response::text("no");
        response.status = 403;
        return response;
    });
    m_server.route("/file", [](const Request &request) { return fileResponse(request, true); });
    m_server.route("/norange", [](const Request &request) { return fileResponse(request, false); });
    m_server.route("/flaky", [this](const Request &request) {
        if (m_flakyFailures > 0) {
            --m_flakyFailures;
            Response response = Response::text("busy");
            response.status = 503;
            return response;
        }
        return fileResponse(request, true);
    });
    m_server.route("/slowfile", [](const Request &) {
        Response response = Response::text(fileBody, "application/octet-stream");
        response.chunkSize = 64;
        response.chunkIntervalMs = 50;
        return response;
    });
}

void TestHttp::init()
{
    m_server.clearRequests();
    m_engine = new QScriptEngine;
    m_tools = new ToolsScriptClass(m_engine);
    m_httpClass = new HttpScriptClass(m_engine);
}

void TestHttp::cleanup()
{
    delete m_engine;
    delete m_httpClass;
    delete m_tools;
}

QScriptValue TestHttp::run(const QString &code)
{
    QString text = code;
    text.replace(QLatin1String("%ROOT%"), m_server.url(QString()));
    const QScriptValue value = m_engine->evaluate(text);
    if (m_engine->hasUncaughtException())
        qWarning() << "script threw" << value.toString();
    return value;
}

void TestHttp::constructorAndPrototype()
{
    QCOMPARE(run(QStringLiteral("typeof Http")).toString(), QStringLiteral("function"));
    QCOMPARE(run(QStringLiteral("var a = new Http(); var b = Http(); a.getLastStopReason() + ',' + b.getLastError()"))
                 .toString(),
             QStringLiteral("100,0"));
    QVERIFY(run(QStringLiteral("Object.getPrototypeOf(Object.getPrototypeOf(a)) === Object.prototype")).toBool());
    QVERIFY(run(QStringLiteral("Object.getPrototypeOf(a) === Object.getPrototypeOf(b)")).toBool());
    // Each object holds its own Http: cookies do not leak between them.
    QCOMPARE(run(QStringLiteral("a.addCookie('x=1'); a.getCookies() + '/' + b.getCookies()")).toString(),
             QStringLiteral("x=1/"));
    // Methods called on a foreign object do nothing and do not throw.
    QCOMPARE(run(QStringLiteral("a.getCookies.call({}) + '|'")).toString(), QStringLiteral("|"));
    QVERIFY(!m_engine->hasUncaughtException());
}

void TestHttp::redirects_data()
{
    QTest::addColumn<int>("hops");
    QTest::addColumn<int>("maxJumps"); // 0: keep the default of 5
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stopReason");
    QTest::addColumn<int>("requests");

    QTest::newRow("no redirect") << 0 << 0 << "end" << 100 << 1;
    QTest::newRow("five redirects followed") << 5 << 0 << "end" << 100 << 6;
    QTest::newRow("sixth redirect not followed") << 6 << 0 << "" << 105 << 6;
    QTest::newRow("limit two, two hops") << 2 << 2 << "end" << 100 << 3;
    QTest::newRow("limit two, three hops") << 3 << 2 << "" << 105 << 3;
    QTest::newRow("limit zero stored as one") << 2 << -1 << "" << 105 << 2;
}

void TestHttp::redirects()
{
    QFETCH(int, hops);
    QFETCH(int, maxJumps);
    QFETCH(QString, text);
    QFETCH(int, stopReason);
    QFETCH(int, requests);
    const QString setter = maxJumps == 0 ? QString()
                                         : QStringLiteral("h.setMaxAutoJumps(%1);").arg(maxJumps < 0 ? 0 : maxJumps);
    const QScriptValue result = run(QStringLiteral("var h = new Http(); %1 var t = h.downloadWebpage('%ROOT%/chain?n=%2');"
                                                   "t + '|' + h.getLastStopReason()")
                                        .arg(setter)
                                        .arg(hops));
    QCOMPARE(result.toString(), text + QLatin1Char('|') + QString::number(stopReason));
    QCOMPARE(m_server.requests().size(), requests);
}

void TestHttp::relativeRedirect_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("target");
    QTest::newRow("bare name") << "next" << "/next";
    QTest::newRow("absolute path with query") << "/next?x=1" << "/next?x=1";
}

void TestHttp::relativeRedirect()
{
    QFETCH(QString, location);
    QFETCH(QString, target);
    const QScriptValue result = run(
        QStringLiteral("var h = new Http(); h.downloadWebpage('%ROOT%/relative?to=%1')").arg(location));
    QCOMPARE(result.toString(), QStringLiteral("next:") + target);
    QCOMPARE(m_server.requests().last().header("host"), QByteArray("127.0.0.1:") + QByteArray::number(m_server.port()));
}

void TestHttp::silentServerTimesOut()
{
    QElapsedTimer clock;
    clock.start();
    const QScriptValue result = run(QStringLiteral(
        "var h = new Http(); h.setTimeOut(5); var t = h.downloadWebpage('%ROOT%/silent');"
        "'[' + t + ']' + h.getLastStopReason() + ',' + h.getLastError()"));
    QCOMPARE(result.toString(), QStringLiteral("[]104,29"));
    QVERIFY2(clock.elapsed() >= 4500, "the inactivity time-out must not fire early");
}

void TestHttp::slowSteadyServerIsNotCutOff()
{
    // Ten pieces 300 ms apart take about three seconds, well past the
    // one-second inactivity bound, yet the server is never silent that long.
    const QScriptValue result = run(QStringLiteral(
        "var h = new Http(); h.setTimeOut(1); var t = h.downloadWebpage('%ROOT%/slow');"
        "t + ',' + h.getLastStopReason() + ',' + h.getLastError()"));
    QCOMPARE(result.toString(), QStringLiteral("0123456789,100,0"));
}

void TestHttp::settersKeepAtLeastOne()
{
    Http http;
    QCOMPARE(http.maxAutoJumps(), 5);
    QCOMPARE(http.maxRetries(), 3);
    QCOMPARE(http.timeOutMs(), 30000);
    http.setMaxAutoJumps(0);
    http.setMaxRetries(0);
    http.setTimeOut(0);
    QCOMPARE(http.maxAutoJumps(), 1);
    QCOMPARE(http.maxRetries(), 1);
    QCOMPARE(http.timeOutMs(), 1000);
    http.setMaxAutoJumps(-4);
    http.setMaxRetries(-1);
    http.setTimeOut(-9);
    QCOMPARE(http.maxAutoJumps(), 1);
    QCOMPARE(http.maxRetries(), 1);
    QCOMPARE(http.timeOutMs(), 1000);
    http.setTimeOut(7);
    QCOMPARE(http.timeOutMs(), 7000);
}

void TestHttp::textDecoding_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf8 default") << "h.downloadWebpage('%ROOT%/utf8')" << QString::fromUtf8(utf8Page);
    QTest::newRow("utf8 explicit") << "h.downloadWebpage('%ROOT%/utf8', true)" << QString::fromUtf8(utf8Page);
    QTest::newRow("utf8 read as latin1") << "h.downloadWebpage('%ROOT%/utf8', false)" << QString::fromLatin1(utf8Page);
    QTest::newRow("latin1 page as latin1") << "h.downloadWebpage('%ROOT%/latin1', false)"
                                           << QStringLiteral("caf\u00e9");
    QTest::newRow("latin1 page as utf8") << "h.downloadWebpage('%ROOT%/latin1')" << QStringLiteral("caf\ufffd");
    QTest::newRow("Ex tolerant") << "h.downloadWebpageEx('%ROOT%/utf8', true)" << QString::fromUtf8(utf8Page);
    QTest::newRow("Ex strict latin1") << "h.downloadWebpageEx('%ROOT%/utf8', false, false)"
                                      << QString::fromLatin1(utf8Page);
    QTest::newRow("Ex strict refuses bad url") << "h.downloadWebpageEx('%ROOT%/utf8 x%zz', false)" << QString();
}

void TestHttp::textDecoding()
{
    QFETCH(QString, call);
    QFETCH(QString, expected);
    QCOMPARE(run(QStringLiteral("var h = new Http(); ") + call).toString(), expected);
}

void TestHttp::standardAndParameterHeaders()
{
    run(QStringLiteral("var h = new Http(); h.setUserAgent('TestAgent/1');"
                       "h.addHeaderParameter('Referer', 'http://ref.example/page');"
                       "h.addHeaderParameter('X-Extra', 'v|ignored');"
                       "h.downloadWebpage('%ROOT%/echo'); h.downloadWebpage('%ROOT%/echo');"
                       "h.clearHeaderParameters(); h.downloadWebpage('%ROOT%/echo');"));
    const QList<Request> requests = m_server.requests();
    QCOMPARE(requests.size(), 3);
    for (const Request &request : requests) {
        QCOMPARE(request.header("user-agent"), QByteArray("TestAgent/1"));
        QCOMPARE(request.header("connection").toLower(), QByteArray("keep-alive"));
        QCOMPARE(request.header("accept-ranges"), QByteArray("bytes"));
    }
    QCOMPARE(requests.at(0).header("referer"), QByteArray("http://ref.example/page"));
    QCOMPARE(requests.at(1).header("referer"), QByteArray("http://ref.example/page"));
    QCOMPARE(requests.at(1).header("x-extra"), QByteArray("v"));
    QVERIFY(!requests.at(2).headers.contains("referer"));
    QVERIFY(!requests.at(2).headers.contains("x-extra"));
}

void TestHttp::cookieForms()
{
    QCOMPARE(run(QStringLiteral("var h = new Http(); '[' + h.getCookies() + ']'")).toString(), QStringLiteral("[]"));
    QCOMPARE(run(QStringLiteral("h.addCookie('a=1'); h.addCookie('b=2'); h.getCookies()")).toString(),
             QStringLiteral("a=1|b=2"));
    QCOMPARE(run(QStringLiteral("h.getCookies(';')")).toString(), QStringLiteral("a=1;b=2"));
    // Only the final character goes, whatever the separator's length.
    QCOMPARE(run(QStringLiteral("h.getCookies('; ')")).toString(), QStringLiteral("a=1; b=2;"));
    QCOMPARE(run(QStringLiteral("h.addCookies('c=3|d=4'); h.getCookies()")).toString(),
             QStringLiteral("a=1|b=2|c=3|d=4"));
    QCOMPARE(run(QStringLiteral("h.clearCookies(); h.addCookies('e=5;f=6', ';'); h.getCookies()")).toString(),
             QStringLiteral("e=5|f=6"));
    QCOMPARE(run(QStringLiteral("h.clearCookies(); '[' + h.getCookies() + ']'")).toString(), QStringLiteral("[]"));
}

void TestHttp::serverCookiesAndDisabledCookies()
{
    QCOMPARE(run(QStringLiteral("var h = new Http(); h.downloadWebpage('%ROOT%/setcookie'); h.getCookies()")).toString(),
             QStringLiteral("sid=abc"));
    run(QStringLiteral("h.downloadWebpage('%ROOT%/echo')"));
    QCOMPARE(m_server.requests().last().header("cookie"), QByteArray("sid=abc"));

    // A cookie added by the script carries no domain, so no host gets it.
    run(QStringLiteral("var g = new Http(); g.addCookie('mine=1'); g.downloadWebpage('%ROOT%/echo')"));
    QVERIFY(!m_server.requests().last().headers.contains("cookie"));
    run(QStringLiteral("g.addCookie('dom=2; Domain=127.0.0.1; Path=/'); g.downloadWebpage('%ROOT%/echo')"));
    QCOMPARE(m_server.requests().last().header("cookie"), QByteArray("dom=2"));

    // With cookies off the jar is emptied before every request.
    QCOMPARE(run(QStringLiteral("h.setCookiesEnabled(false); h.downloadWebpage('%ROOT%/echo'); h.getCookies()"))
                 .toString(),
             QString());
    QVERIFY(!m_server.requests().last().headers.contains("cookie"));
}

void TestHttp::redirectedPostContinuesAsGet()
{
    const QString text = run(QStringLiteral("var h = new Http(); h.downloadWebpagePost('%ROOT%/postredirect', 'a=1&b=2')"))
                             .toString();
    const QList<Request> requests = m_server.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).method, QByteArray("POST"));
    QCOMPARE(requests.at(0).body, QByteArray("a=1&b=2"));
    QCOMPARE(requests.at(1).method, QByteArray("GET"));
    QVERIFY(requests.at(1).body.isEmpty());
    QVERIFY(text.startsWith(QLatin1String("GET\n")));
    QVERIFY(text.endsWith(QLatin1String("body=")));

    // Without a redirect the body reaches the page.
    const QString direct = run(QStringLiteral("h.downloadWebpagePostEx('%ROOT%/echo', 'x=\\u00e9', false)")).toString();
    QVERIFY(direct.startsWith(QLatin1String("POST\n")));
    QCOMPARE(m_server.requests().last().body, QByteArray("x=\xe9"));
}

void TestHttp::headRequestHeaders()
{
    const QString joined = run(QStringLiteral("var h = new Http(); h.downloadWebpageHeaders('%ROOT%/headers', '|')")).toString();
    QCOMPARE(m_server.requests().last().method, QByteArray("HEAD"));
    QVERIFY2(joined.contains(QLatin1String("X-One: 1|X-Two: 2")), qPrintable(joined));
    QVERIFY(!joined.endsWith(QLatin1Char('|')));
    const QString lines = run(QStringLiteral("h.downloadWebpageHeaders('%ROOT%/headers')")).toString();
    QVERIFY(lines.contains(QLatin1String("X-One: 1\nX-Two: 2")));
    QVERIFY(lines.contains(QLatin1String("Content-Length: 4")));
    // Also on failure the response headers come back.
    const QString missing = run(QStringLiteral("h.downloadWebpageHeaders('%ROOT%/nothing-here') + '#' + h.getLastError()"))
                                .toString();
    QVERIFY(missing.contains(QLatin1String("Content-Length")));
    QVERIFY(missing.endsWith(QLatin1String("#33")));
}

void TestHttp::errorCodes_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("error");
    QTest::newRow("ok") << "%ROOT%/echo" << 0;
    QTest::newRow("not found") << "%ROOT%/nothing-here" << 33;
    QTest::newRow("forbidden") << "%ROOT%/forbidden" << 32;
    QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:%1/").arg(TestSupport::freeLocalPort()) << 30;
}

void TestHttp::errorCodes()
{
    QFETCH(QString, url);
    QFETCH(int, error);
    const QScriptValue result
        = run(QStringLiteral("var h = new Http(); var t = h.downloadWebpage('%1'); (t == '') + ',' + h.getLastError()")
                  .arg(url));
    QCOMPARE(result.toString(), QStringLiteral("%1,%2").arg(error == 0 ? "false" : "true").arg(error));
}

void TestHttp::pageSchemes_data()
{
    QTest::addColumn<QString>("url");         // %SECRET% is a local file's URL
    QTest::addColumn<bool>("redirected");     // reached through a server's redirect
    QTest::newRow("file") << "%SECRET%" << false;
    QTest::newRow("file with host") << "file://localhost%SECRETPATH%" << false;
    QTest::newRow("data") << "data:text/plain,secret" << false;
    QTest::newRow("qrc") << "qrc:/secret" << false;
    QTest::newRow("ftp") << "ftp://127.0.0.1:1/secret" << false;
    QTest::newRow("redirect to file") << "%SECRET%" << true;
    QTest::newRow("redirect to file with host") << "file://localhost%SECRETPATH%" << true;
    QTest::newRow("redirect to data") << "data:text/plain,secret" << true;
    QTest::newRow("redirect to ftp") << "ftp://127.0.0.1:1/secret" << true;
}

void TestHttp::pageSchemes()
{
    // Page downloads reach web servers only: a plugin script, or a server
    // it asked, never gets a local file or another kind of resource.
    QFETCH(QString, url);
    QFETCH(bool, redirected);
    QTemporaryDir dir;
    const QString secretPath = dir.filePath(QStringLiteral("secret.txt"));
    QFile secret(secretPath);
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("secret");
    secret.close();
    url.replace(QLatin1String("%SECRETPATH%"), secretPath);
    url.replace(QLatin1String("%SECRET%"), QUrl::fromLocalFile(secretPath).toString());

    m_server.route("/elsewhere", [url](const Request &) { return Response::redirect(url.toUtf8()); });
    Http http;
    const QString target = redirected ? m_server.url(QStringLiteral("/elsewhere")) : url;
    QCOMPARE(http.downloadWebpage(target), QString());
    QCOMPARE(http.getLastError(), int(Http::OtherNetworkError));
    QCOMPARE(http.downloadWebpageHeaders(target), QString());
    QCOMPARE(m_server.requests().size(), redirected ? 2 : 0);
    // The object stays usable.
    QCOMPARE(http.downloadWebpage(m_server.url(QStringLiteral("/utf8"))), QString::fromUtf8(utf8Page));
}

void TestHttp::oversizedPageIsRefused()
{
    // A real server sends a body larger than any page: the request ends with
    // an error instead of growing without bound; a large page within the
    // bound still arrives whole.
    QTemporaryDir root;
    QFile huge(root.filePath(QStringLiteral("huge.html")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(Http::MaxPageBytes + 1));
    huge.close();
    QFile large(root.filePath(QStringLiteral("large.html")));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(4 * 1024 * 1024, 'a'));
    large.close();
    NginxFixture nginx;
    QVERIFY2(nginx.start(root.path()), "nginx could not be started");

    Http http;
    QCOMPARE(http.downloadWebpage(nginx.url(QStringLiteral("/huge.html"))), QString());
    QCOMPARE(http.getLastError(), int(Http::OtherNetworkError));
    QCOMPARE(http.getLastStopReason(), int(Http::Canceled));
    QCOMPARE(http.downloadWebpage(nginx.url(QStringLiteral("/large.html")), false).size(), 4 * 1024 * 1024);
    QCOMPARE(http.getLastError(), int(Http::NoError));
}

void TestHttp::busyObjectRefusesSecondDownload()
{
    Http http;
    http.setTimeOut(1);
    QString second = QStringLiteral("unset");
    QTimer::singleShot(200, this, [&] { second = http.downloadWebpage(m_server.url(QStringLiteral("/echo"))); });
    QCOMPARE(http.downloadWebpage(m_server.url(QStringLiteral("/silent"))), QString());
    QCOMPARE(second, QString());
    QCOMPARE(m_server.requests().size(), 1);
    QCOMPARE(http.getLastStopReason(), 104);
    // Afterwards the object works again.
    QVERIFY(http.downloadWebpage(m_server.url(QStringLiteral("/echo"))).startsWith(QLatin1String("GET")));
}

void TestHttp::copyTakesSettingsNotTransfer()
{
    Http original;
    original.setUserAgent(QStringLiteral("UA"));
    original.setFollowRedirects(false);
    original.setMaxAutoJumps(9);
    original.setMaxRetries(7);
    original.setTimeOutOption(false);
    original.setTimeOut(12);
    original.setCookiesEnabled(false);
    original.setDeleteFileOnFailure(false);
    original.addHeaderParameter(QStringLiteral("Referer"), QStringLiteral("r"));
    original.addCookie(QStringLiteral("a=1; Domain=127.0.0.1; Path=/"));
    original.addCookie(QStringLiteral("b=2"));

    Http copy(original);
    QCOMPARE(copy.objectName(), QStringLiteral("Http"));
    QCOMPARE(copy.userAgent(), QStringLiteral("UA"));
    QCOMPARE(copy.followRedirects(), false);
    QCOMPARE(copy.maxAutoJumps(), 9);
    QCOMPARE(copy.maxRetries(), 7);
    QCOMPARE(copy.timeOutEnabled(), false);
    QCOMPARE(copy.timeOutMs(), 12000);
    QCOMPARE(copy.cookiesEnabled(), false);
    QCOMPARE(copy.deleteFileOnFailure(), false);
    QCOMPARE(copy.headerParameters(), QStringList{QStringLiteral("Referer|r")});
    QCOMPARE(copy.getCookies(), QStringLiteral("a=1|b=2"));
    QCOMPARE(copy.cookieJar()->cookies().first().domain(), QStringLiteral("127.0.0.1"));
    QVERIFY(copy.cookieJar() != original.cookieJar());
    original.clearCookies();
    QCOMPARE(copy.getCookies(), QStringLiteral("a=1|b=2"));
    QCOMPARE(copy.getLastStopReason(), 100);
}

void TestHttp::fileDownloadCompletes()
{
    QTemporaryDir dir;
    Http http;
    QSignalSpy started(&http, &Http::downloadStarted);
    QSignalSpy finished(&http, &Http::downloadFinished);
    QSignalSpy events(&http, &Http::downloadEvent);
    QSignalSpy errors(&http, &Http::downloadError);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/file")), dir.filePath(QStringLiteral("sub/deeper")),
                               QStringLiteral("odd:name?.bin"), false),
             0);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(started.count(), 1);
    QVERIFY(!events.isEmpty());
    QCOMPARE(events.last().at(0).toInt(), fileBody.size());
    QCOMPARE(events.last().at(1).toInt(), fileBody.size());
    QVERIFY(errors.isEmpty());
    QCOMPARE(http.getLastStopReason(), 101);
    const QFileInfo info = finished.first().first().value<QFileInfo>();
    QCOMPARE(info.fileName(), QStringLiteral("odd name .bin"));
    QFile file(info.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), fileBody);

    // With the rename flag a second download gets a free name.
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/file")), dir.filePath(QStringLiteral("sub/deeper")),
                               QStringLiteral("odd:name?.bin"), true),
             0);
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(finished.last().first().value<QFileInfo>().fileName(), QStringLiteral("odd name (1).bin"));
}

void TestHttp::fileDownloadResumes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("part.bin"));
    QFile part(path);
    QVERIFY(part.open(QIODevice::WriteOnly));
    part.write(fileBody.left(1000));
    part.close();

    Http http;
    QSignalSpy resumed(&http, &Http::downloadResumed);
    QSignalSpy finished(&http, &Http::downloadFinished);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/file")), dir.path(), QStringLiteral("part.bin"), false), 0);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(resumed.count(), 1);
    QCOMPARE(m_server.requests().last().header("range"), QByteArray("bytes=1000-"));
    QCOMPARE(http.totalSize(), qint64(fileBody.size()));
    QVERIFY(part.open(QIODevice::ReadOnly));
    QCOMPARE(part.readAll(), fileBody);
}

void TestHttp::fileDownloadResumeIgnored_data()
{
    QTest::addColumn<bool>("restart");
    QTest::newRow("restart from the beginning") << true;
    QTest::newRow("fail") << false;
}

void TestHttp::fileDownloadResumeIgnored()
{
    QFETCH(bool, restart);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("part.bin"));
    QFile part(path);
    QVERIFY(part.open(QIODevice::WriteOnly));
    part.write("stale bytes");
    part.close();

    Http http;
    http.setRestartWhenResumeIgnored(restart);
    QSignalSpy finished(&http, &Http::downloadFinished);
    QSignalSpy errors(&http, &Http::downloadError);
    QSignalSpy restarts(&http, &Http::restartDownloadSignal);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/norange")), dir.path(), QStringLiteral("part.bin"), false),
             0);
    if (restart) {
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(restarts.count(), 1);
        QVERIFY(part.open(QIODevice::ReadOnly));
        QCOMPARE(part.readAll(), fileBody);
    } else {
        QTRY_COMPARE(errors.count(), 1);
        QCOMPARE(errors.first().first().toInt(), 26);
        QCOMPARE(http.getLastError(), 26);
        QCOMPARE(http.getLastStopReason(), 107);
        QVERIFY(!QFile::exists(path));
    }
}

void TestHttp::fileDownloadRetries_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("maxRetries");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("two failures, three attempts") << 2 << 3 << true;
    QTest::newRow("one failure, one attempt") << 1 << 1 << false;
    QTest::newRow("three failures, three attempts") << 3 << 3 << false;
}

void TestHttp::fileDownloadRetries()
{
    QFETCH(int, failures);
    QFETCH(int, maxRetries);
    QFETCH(bool, succeeds);
    m_flakyFailures = failures;
    QTemporaryDir dir;
    Http http;
    http.setMaxRetries(maxRetries);
    QSignalSpy finished(&http, &Http::downloadFinished);
    QSignalSpy errors(&http, &Http::downloadError);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/flaky")), dir.path(), QString(), false), 0);
    QTRY_COMPARE(finished.count() + errors.count(), 1);
    QCOMPARE(finished.count(), succeeds ? 1 : 0);
    if (succeeds) {
        QCOMPARE(finished.first().first().value<QFileInfo>().fileName(), QStringLiteral("download.file"));
        QCOMPARE(m_server.requests().size(), failures + 1);
        QFile file(finished.first().first().value<QFileInfo>().filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), fileBody); // no error page inside
    } else {
        QCOMPARE(errors.first().first().toInt(), 34);
        QCOMPARE(m_server.requests().size(), maxRetries);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("download.file"))));
    }
    m_flakyFailures = 0;
}

void TestHttp::fileDownloadTimeOutsExhaustAttempts()
{
    QTemporaryDir dir;
    Http http;
    http.setTimeOut(1);
    http.setMaxRetries(2);
    QSignalSpy errors(&http, &Http::downloadError);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/silent")), dir.path(), QStringLiteral("x.bin"), false), 0);
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 10000);
    QCOMPARE(errors.first().first().toInt(), 29);
    QCOMPARE(m_server.requests().size(), 2);
}

void TestHttp::fileDownloadStartErrors()
{
    QTemporaryDir dir;
    Http http;
    QCOMPARE(http.downloadFile(QStringLiteral("https://127.0.0.1/x"), dir.path(), QString(), false), 22);
    QCOMPARE(http.downloadFile(QStringLiteral("ftp://127.0.0.1/x"), dir.path(), QString(), false), 22);
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/file")), dir.filePath(QStringLiteral("blocker/sub")),
                               QString(), false),
             20);
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("taken.bin")));
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/file")), dir.path(), QStringLiteral("taken.bin"), false), 21);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/slowfile")), dir.path(), QStringLiteral("a.bin"), false), 0);
    QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/file")), dir.path(), QStringLiteral("b.bin"), false), 23);
    // A page download on a busy object is refused too.
    QCOMPARE(http.downloadWebpage(m_server.url(QStringLiteral("/echo"))), QString());
    http.cancel();
}

void TestHttp::fileDownloadCancelAndPause()
{
    QTemporaryDir dir;
    {
        Http http;
        QSignalSpy started(&http, &Http::downloadStarted);
        QSignalSpy canceled(&http, &Http::downloadCanceled);
        QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/slowfile")), dir.path(), QStringLiteral("c.bin"), false),
                 0);
        QTRY_COMPARE(started.count(), 1);
        http.cancel();
        QTRY_COMPARE(canceled.count(), 1);
        QCOMPARE(http.getLastStopReason(), 102);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("c.bin"))));
    }
    {
        Http http;
        QSignalSpy events(&http, &Http::downloadEvent);
        QSignalSpy paused(&http, &Http::downloadPaused);
        QCOMPARE(http.downloadFile(m_server.url(QStringLiteral("/slowfile")), dir.path(), QStringLiteral("p.bin"), false),
                 0);
        QTRY_VERIFY(!events.isEmpty());
        http.pause();
        QTRY_COMPARE(paused.count(), 1);
        QCOMPARE(http.getLastStopReason(), 103);
        const QFileInfo info = paused.first().first().value<QFileInfo>();
        QVERIFY(info.exists());
        QVERIFY(info.size() > 0 && info.size() < fileBody.size());
    }
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestHttp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_http.moc"
