#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

#include "apcookiejar.h"
#include "nginxfixture.h"
#include "testsupport.h"

namespace {

QNetworkCookie cookie(const QByteArray &name, const QByteArray &value, const QString &domain = {},
                      const QString &path = {})
{
    QNetworkCookie c(name, value);
    c.setDomain(domain);
    c.setPath(path);
    return c;
}

QStringList pairs(const QList<QNetworkCookie> &cookies)
{
    QStringList result;
    for (const QNetworkCookie &c : cookies)
        result.append(QString::fromLatin1(c.name() + '=' + c.value()));
    return result;
}

} // namespace

class TestCookieJar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyListReportsFalse();
    void sameNameCookieIsReplaced();
    void cookieWithoutDomainGoesBackToItsHost();
    void parentDomainCookieIsShared();
    void foreignDomainsAreRefused_data();
    void foreignDomainsAreRefused();
    void identicalCookieStoredOnce();
    void pathRulesOfTheBaseClass();
    void expiredCookiesAreNotSent();
    void cookiesExpiringWhileStoredAreDropped();
    void replacedAndExpiredThroughAView();
    void clearEmptiesTheJar();
    void throughANetworkAccessManager();
};

void TestCookieJar::initTestCase()
{
    TestSupport::isolateUserFolders();
}

void TestCookieJar::emptyListReportsFalse()
{
    ApCookieJar jar;
    QVERIFY(!jar.setCookiesFromUrl({}, QUrl(QStringLiteral("http://www.example.com/"))));
    QVERIFY(jar.storedCookies().isEmpty());
}

void TestCookieJar::sameNameCookieIsReplaced()
{
    ApCookieJar jar;
    const QUrl url(QStringLiteral("http://www.example.com/page"));
    QVERIFY(jar.setCookiesFromUrl({cookie("id", "1")}, url));
    QVERIFY(jar.setCookiesFromUrl({cookie("id", "2"), cookie("other", "x")}, url));
    QCOMPARE(pairs(jar.storedCookies()), QStringList({"id=2", "other=x"}));
    // Another path is another cookie.
    QVERIFY(jar.setCookiesFromUrl({cookie("id", "3", {}, QStringLiteral("/shop"))}, url));
    QCOMPARE(jar.storedCookies().size(), 3);
}

void TestCookieJar::cookieWithoutDomainGoesBackToItsHost()
{
    ApCookieJar jar;
    QVERIFY(jar.setCookiesFromUrl({cookie("s", "v")}, QUrl(QStringLiteral("http://www.example.com/a/b"))));
    QCOMPARE(jar.storedCookies().first().domain(), QStringLiteral("www.example.com"));
    QCOMPARE(pairs(jar.cookiesForUrl(QUrl(QStringLiteral("http://www.example.com/a/c")))), QStringList{"s=v"});
    QVERIFY(jar.cookiesForUrl(QUrl(QStringLiteral("http://other.example.com/a/c"))).isEmpty());
    QVERIFY(jar.cookiesForUrl(QUrl(QStringLiteral("http://evil.test/a/c"))).isEmpty());
}

void TestCookieJar::parentDomainCookieIsShared()
{
    ApCookieJar jar;
    QVERIFY(jar.setCookiesFromUrl({cookie("p", "1", QStringLiteral(".example.com"), QStringLiteral("/"))},
                                  QUrl(QStringLiteral("http://www.example.com/"))));
    QCOMPARE(pairs(jar.cookiesForUrl(QUrl(QStringLiteral("http://media.example.com/x")))), QStringList{"p=1"});
    QVERIFY(jar.cookiesForUrl(QUrl(QStringLiteral("http://example.org/x"))).isEmpty());
}

void TestCookieJar::foreignDomainsAreRefused_data()
{
    QTest::addColumn<QString>("domain");
    QTest::newRow("other site") << ".bank.test";
    QTest::newRow("sibling host") << "mail.example.com";
    QTest::newRow("public suffix") << ".com";
    QTest::newRow("two-level public suffix") << ".co.uk";
}

void TestCookieJar::foreignDomainsAreRefused()
{
    QFETCH(QString, domain);
    ApCookieJar jar;
    const QUrl url(QStringLiteral("http://www.example.com/"));
    QVERIFY(!jar.setCookiesFromUrl({cookie("planted", "1", domain, QStringLiteral("/"))}, url));
    // A good cookie in the same list is still kept.
    QVERIFY(jar.setCookiesFromUrl({cookie("planted", "1", domain, QStringLiteral("/")), cookie("good", "2")}, url));
    QCOMPARE(pairs(jar.storedCookies()), QStringList{"good=2"});
}

void TestCookieJar::identicalCookieStoredOnce()
{
    ApCookieJar jar;
    const QUrl url(QStringLiteral("http://www.example.com/"));
    for (int i = 0; i < 5; ++i)
        QVERIFY(jar.setCookiesFromUrl({cookie("visit", "same")}, url));
    QCOMPARE(jar.storedCookies().size(), 1);
}

void TestCookieJar::pathRulesOfTheBaseClass()
{
    ApCookieJar jar;
    const QUrl url(QStringLiteral("http://www.example.com/shop/cart"));
    QVERIFY(jar.setCookiesFromUrl({cookie("cart", "1", {}, QStringLiteral("/shop"))}, url));
    QCOMPARE(pairs(jar.cookiesForUrl(QUrl(QStringLiteral("http://www.example.com/shop/item")))), QStringList{"cart=1"});
    QVERIFY(jar.cookiesForUrl(QUrl(QStringLiteral("http://www.example.com/blog")))
                .isEmpty());
}

void TestCookieJar::expiredCookiesAreNotSent()
{
    ApCookieJar jar;
    const QUrl url(QStringLiteral("http://www.example.com/"));
    QNetworkCookie old = cookie("old", "1");
    old.setExpirationDate(QDateTime::currentDateTimeUtc().addDays(-1));
    QNetworkCookie fresh = cookie("fresh", "1");
    fresh.setExpirationDate(QDateTime::currentDateTimeUtc().addDays(1));
    jar.setCookiesFromUrl({old, fresh}, url);
    QCOMPARE(pairs(jar.cookiesForUrl(url)), QStringList{"fresh=1"});
}

void TestCookieJar::cookiesExpiringWhileStoredAreDropped()
{
    ApCookieJar jar;
    const QUrl url(QStringLiteral("http://www.example.com/"));
    QNetworkCookie brief = cookie("brief", "1");
    brief.setExpirationDate(QDateTime::currentDateTimeUtc().addSecs(1));
    QVERIFY(jar.setCookiesFromUrl({brief}, url));
    QTest::qWait(1500);
    QVERIFY(jar.setCookiesFromUrl({cookie("next", "1")}, url));
    QCOMPARE(pairs(jar.storedCookies()), QStringList{"next=1"});
}

// A real page in a real view against nginx: log in, log in again, log out.
// The server echoes the Cookie header the view sends.
void TestCookieJar::replacedAndExpiredThroughAView()
{
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QTemporaryDir root;
    NginxFixture nginx;
    QVERIFY2(nginx.start(root.path(),
                         QStringLiteral("default_type text/plain;"
                                        "location = /login { add_header Set-Cookie \"sid=one; Path=/\"; return 200 \"in\"; }"
                                        "location = /again { add_header Set-Cookie \"sid=two; Path=/\"; return 200 \"in\"; }"
                                        "location = /logout { add_header Set-Cookie \"sid=gone; Path=/; "
                                        "Expires=Thu, 01 Jan 1970 00:00:00 GMT\"; return 200 \"out\"; }"
                                        "location = /echo { return 200 \"[$http_cookie]\"; }")),
             qPrintable(nginx.errorString()));
    QWebView view;
    auto *jar = new ApCookieJar;
    view.page()->networkAccessManager()->setCookieJar(jar);
    const auto visit = [&](const char *path) {
        QSignalSpy done(&view, &QWebView::loadFinished);
        view.load(QUrl(nginx.url(QString::fromLatin1(path))));
        if (!done.wait(15000) || !done.first().first().toBool())
            return QStringLiteral("(no page)");
        return view.page()->mainFrame()->toPlainText().trimmed();
    };
    QCOMPARE(visit("/echo"), QStringLiteral("[]"));
    QCOMPARE(visit("/login"), QStringLiteral("in"));
    QCOMPARE(visit("/echo"), QStringLiteral("[sid=one]"));
    QCOMPARE(visit("/again"), QStringLiteral("in"));
    QCOMPARE(visit("/echo"), QStringLiteral("[sid=two]"));
    QCOMPARE(jar->storedCookies().size(), 1);
    QCOMPARE(visit("/logout"), QStringLiteral("out"));
    QCOMPARE(visit("/echo"), QStringLiteral("[]"));
    QVERIFY(jar->storedCookies().isEmpty());
}

void TestCookieJar::clearEmptiesTheJar()
{
    ApCookieJar jar;
    jar.setCookiesFromUrl({cookie("a", "1"), cookie("b", "2")}, QUrl(QStringLiteral("http://www.example.com/")));
    QCOMPARE(jar.storedCookies().size(), 2);
    jar.clear();
    QVERIFY(jar.storedCookies().isEmpty());
    QVERIFY(jar.cookiesForUrl(QUrl(QStringLiteral("http://www.example.com/"))).isEmpty());
}

void TestCookieJar::throughANetworkAccessManager()
{
    // A loopback server that sets two cookies of one name on its first
    // answer and echoes the Cookie header it receives on the second.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    QByteArray seenCookieHeader;
    int requests = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [&, socket] {
            const QByteArray head = socket->readAll();
            ++requests;
            const int at = head.indexOf("\r\nCookie: ");
            if (at >= 0)
                seenCookieHeader = head.mid(at + 10, head.indexOf("\r\n", at + 2) - at - 10);
            socket->write("HTTP/1.1 200 OK\r\nSet-Cookie: lang=en; Path=/\r\nSet-Cookie: lang=de; Path=/\r\n"
                          "Content-Length: 2\r\nConnection: close\r\n\r\nok");
            socket->disconnectFromHost();
        });
    });

    QNetworkAccessManager manager;
    auto *jar = new ApCookieJar;  // no parent: the manager takes it
    manager.setCookieJar(jar);
    QCOMPARE(jar->parent(), &manager);
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/page").arg(server.serverPort()));
    for (int i = 0; i < 2; ++i) {
        QNetworkReply *reply = manager.get(QNetworkRequest(url));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        reply->deleteLater();
    }
    QCOMPARE(requests, 2);
    QCOMPARE(seenCookieHeader, QByteArray("lang=de"));
    QCOMPARE(jar->storedCookies().size(), 1);
}

QTEST_MAIN(TestCookieJar)
#include "tst_cookiejar.moc"
