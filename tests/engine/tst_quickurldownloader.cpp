#include <QCryptographicHash>
#include <QFile>
#include <QNetworkProxy>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslCertificate>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include "apquickurldownloader.h"
#include "browserhandover.h"
#include "nginxfixture.h"
#include "testsupport.h"

// A loopback HTTP server answering each path with a fixed raw response and
// closing the connection after it. Records the requests it saw.
class ScriptedServer final : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedServer(QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(&m_server, &QTcpServer::newConnection, this, &ScriptedServer::onNewConnection);
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void setResponse(const QByteArray &path, const QByteArray &raw) { m_responses.insert(path, raw); }

    static QByteArray ok(const QByteArray &body)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    static QByteArray redirect(const QByteArray &location, int code = 302)
    {
        const QByteArray body = "<html>moved to " + location + "</html>";
        return "HTTP/1.1 " + QByteArray::number(code) + " Moved\r\nLocation: " + location
            + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n\r\n" + body;
    }

    QList<QByteArray> paths;
    QList<QByteArray> requests;

private:
    void onNewConnection()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto *buffer = new QByteArray;
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QObject::destroyed, this, [buffer] { delete buffer; });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const int end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray head = buffer->left(end);
                buffer->clear();
                const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
                const QByteArray path = words.value(1);
                paths.append(path);
                requests.append(head);
                socket->write(m_responses.value(path, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n"
                                                      "Connection: close\r\n\r\nnot found"));
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer m_server;
    QHash<QByteArray, QByteArray> m_responses;
};

class TestQuickUrlDownloader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void downloadsFromNginx();
    void truncatesExistingTarget();
    void notFoundFails();
    void redirects_data();
    void redirects();
    void absoluteRedirectFromNginx();
    void redirectToLocalFileRefused();
    void shortBodyFails();
    void sendsUserAgentAndReferer();
    void cookiesStayWithTheirOrigin();
    void startOpensFolders();
    void goesThroughAProxy();
    void refusesOtherSchemes_data();
    void refusesOtherSchemes();
    void abortSendsNothing();
    void nextDownloadFromTheFinishedSlot();
    void untrustedCertificateFails();
    void trustedCertificateWorks();

private:
    static QByteArray randomBytes(int size);
    static QByteArray readFile(const QString &path);
    static bool writeFile(const QString &path, const QByteArray &data);
    bool startTlsNginx(NginxFixture &nginx, quint16 *tlsPort, QString *certPath);

    QTemporaryDir m_root;   // served by nginx
    QTemporaryDir m_out;    // downloads land here
    NginxFixture m_nginx;
    ScriptedServer m_scripted;
    QByteArray m_big;
};

QByteArray TestQuickUrlDownloader::randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(4711);
    for (int i = 0; i < size; ++i)
        data[i] = char(generator.bounded(256));
    return data;
}

QByteArray TestQuickUrlDownloader::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestQuickUrlDownloader::writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

void TestQuickUrlDownloader::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_root.isValid() && m_out.isValid());
    m_big = randomBytes(3 * 1024 * 1024 + 17);
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("big.bin")), m_big));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("small.txt")), "small file\n"));
    QDir(m_root.path()).mkpath(QStringLiteral("slow"));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("slow/file.bin")), randomBytes(2 * 1024 * 1024)));
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed on this machine (scripts/install-deps installs it)");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("location /slow/ { limit_rate 64k; }\n"
                                                         "location = /moved { return 302 %1; }\n")
                                              .arg(QStringLiteral("http://127.0.0.1:$server_port/small.txt"))),
             qPrintable(m_nginx.errorString()));
    QVERIFY(m_scripted.listen());
}

void TestQuickUrlDownloader::downloadsFromNginx()
{
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    QSignalSpy progress(&downloader, &ApQuickUrlDownloader::downloadProgress);
    QSignalSpy toDisk(&downloader, &ApQuickUrlDownloader::fileDownloadedToDisk);
    const QString target = m_out.filePath(QStringLiteral("big.bin"));

    downloader.download(QUrl(m_nginx.url(QStringLiteral("/big.bin"))), target, 77);
    QVERIFY(!downloader.isFinished());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished.at(0).at(0).toLongLong(), qint64(77));
    QCOMPARE(toDisk.count(), 1);
    QVERIFY(downloader.isFinished());
    QCOMPARE(readFile(target), m_big);

    QVERIFY(!progress.isEmpty());
    qint64 previous = -1;
    for (const QList<QVariant> &args : progress) {
        QCOMPARE(args.at(0).toLongLong(), qint64(77));
        QVERIFY(args.at(1).toLongLong() >= previous);
        QCOMPARE(args.at(2).toLongLong(), qint64(m_big.size()));
        previous = args.at(1).toLongLong();
    }
    QCOMPARE(previous, qint64(m_big.size()));
}

void TestQuickUrlDownloader::truncatesExistingTarget()
{
    const QString target = m_out.filePath(QStringLiteral("existing.txt"));
    QVERIFY(writeFile(target, QByteArray(100000, 'x')));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    downloader.download(QUrl(m_nginx.url(QStringLiteral("/small.txt"))), target, 1);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(target), QByteArray("small file\n"));
}

void TestQuickUrlDownloader::notFoundFails()
{
    const QString target = m_out.filePath(QStringLiteral("missing.bin"));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    QSignalSpy message(&downloader, &ApQuickUrlDownloader::errorMessageSignal);
    downloader.download(QUrl(m_nginx.url(QStringLiteral("/no/such/file.bin"))), target, 5);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toLongLong(), qint64(5));
    QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("Request failed"));
    QCOMPARE(message.count(), 1);
    QCOMPARE(message.at(0).at(0).toString(), QStringLiteral("Request failed"));
    QCOMPARE(finished.count(), 0);
    QVERIFY(downloader.isFinished());
    // nginx's error page is not taken for the file.
    QCOMPARE(QFileInfo(target).size(), qint64(0));
}

void TestQuickUrlDownloader::redirects_data()
{
    QTest::addColumn<int>("hops");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("none") << 0 << 302 << true;
    QTest::newRow("one 301") << 1 << 301 << true;
    QTest::newRow("two 302") << 2 << 302 << true;
    QTest::newRow("two 303") << 2 << 303 << true;
    QTest::newRow("two 307") << 2 << 307 << true;
    QTest::newRow("three") << 3 << 302 << false;
    QTest::newRow("four") << 4 << 302 << false;
}

void TestQuickUrlDownloader::redirects()
{
    QFETCH(int, hops);
    QFETCH(int, code);
    QFETCH(bool, succeeds);
    const QByteArray body = "final body " + QByteArray::number(hops) + QByteArray::number(code);
    const QByteArray prefix = "/r" + QByteArray::number(code) + "-";
    m_scripted.setResponse(prefix + "0", ScriptedServer::ok(body));
    for (int i = 1; i <= hops; ++i)  // relative locations, resolved against the current URL
        m_scripted.setResponse(prefix + QByteArray::number(i),
                               ScriptedServer::redirect(prefix + QByteArray::number(i - 1), code));
    m_scripted.paths.clear();

    const QString target = m_out.filePath(QStringLiteral("redirected.bin"));
    QVERIFY(writeFile(target, "old content that is longer than the new one ........"));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    downloader.download(QUrl(m_scripted.url(QString::fromLatin1(prefix + QByteArray::number(hops)))), target, 9);
    QTRY_COMPARE(finished.count() + failed.count(), 1);
    if (succeeds) {
        QCOMPARE(finished.count(), 1);
        QCOMPARE(readFile(target), body);  // no redirect page in front of it
        QCOMPARE(m_scripted.paths.size(), hops + 1);
    } else {
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("Request failed"));
        // No final answer came: the earlier file is left as it was.
        QCOMPARE(readFile(target), QByteArray("old content that is longer than the new one ........"));
        // The third redirect is not followed.
        QCOMPARE(m_scripted.paths.size(), 3);
    }
}

void TestQuickUrlDownloader::absoluteRedirectFromNginx()
{
    const QString target = m_out.filePath(QStringLiteral("moved.txt"));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    downloader.download(QUrl(m_nginx.url(QStringLiteral("/moved"))), target, 3);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(target), QByteArray("small file\n"));
}

void TestQuickUrlDownloader::redirectToLocalFileRefused()
{
    const QString secret = m_out.filePath(QStringLiteral("secret.txt"));
    QVERIFY(writeFile(secret, "do not copy"));
    m_scripted.setResponse("/to-file", ScriptedServer::redirect(QUrl::fromLocalFile(secret).toEncoded()));
    const QString target = m_out.filePath(QStringLiteral("to-file.bin"));
    ApQuickUrlDownloader downloader;
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    downloader.download(QUrl(m_scripted.url(QStringLiteral("/to-file"))), target, 4);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(QFileInfo(target).size(), qint64(0));
}

void TestQuickUrlDownloader::shortBodyFails()
{
    m_scripted.setResponse("/short", "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n"
                                         + QByteArray(500, 'a'));
    m_scripted.setResponse("/nolength", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(700, 'b'));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    QSignalSpy progress(&downloader, &ApQuickUrlDownloader::downloadProgress);
    downloader.download(QUrl(m_scripted.url(QStringLiteral("/short"))), m_out.filePath(QStringLiteral("short")), 1);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(finished.count(), 0);

    // Without a length, the end of the connection ends the file.
    progress.clear();
    const QString target = m_out.filePath(QStringLiteral("nolength"));
    downloader.download(QUrl(m_scripted.url(QStringLiteral("/nolength"))), target, 2);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(readFile(target), QByteArray(700, 'b'));
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(1).toLongLong(), qint64(700));
}

void TestQuickUrlDownloader::sendsUserAgentAndReferer()
{
    m_scripted.setResponse("/headers", ScriptedServer::ok("x"));
    m_scripted.requests.clear();
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    downloader.download(QUrl(m_scripted.url(QStringLiteral("/headers"))), m_out.filePath(QStringLiteral("h")), 1,
                        "ZantorTest/1.0", "http://referer.example/page");
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m_scripted.requests.size(), 1);
    const QByteArray head = m_scripted.requests.first();
    QVERIFY2(head.contains("\r\nUser-Agent: ZantorTest/1.0"), head.constData());
    QVERIFY2(head.contains("\r\nReferer: http://referer.example/page"), head.constData());
}

void TestQuickUrlDownloader::cookiesStayWithTheirOrigin()
{
    // A browser's cookies go with the first request; the redirect leads to
    // another host name of the same machine, which must not get them.
    const QString origin = BrowserHandOver::originOf(QUrl(m_scripted.url(QStringLiteral("/away"))));
    QString elsewhere = m_scripted.url(QStringLiteral("/headers"));
    elsewhere.replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost"));
    m_scripted.setResponse("/away", ScriptedServer::redirect(elsewhere.toUtf8()));
    m_scripted.setResponse("/headers", ScriptedServer::ok("x"));
    m_scripted.requests.clear();
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    downloader.setCookies("sid=42", origin);
    downloader.download(QUrl(m_scripted.url(QStringLiteral("/away"))), m_out.filePath(QStringLiteral("c")), 1);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m_scripted.requests.size(), 2);
    QVERIFY2(m_scripted.requests.at(0).contains("\r\nCookie: sid=42"), m_scripted.requests.at(0).constData());
    QVERIFY2(!m_scripted.requests.at(1).contains("Cookie"), m_scripted.requests.at(1).constData());
}

void TestQuickUrlDownloader::startOpensFolders()
{
    ApQuickUrlDownloader downloader(12);
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::fileDownloadedToDisk);
    QSignalSpy message(&downloader, &ApQuickUrlDownloader::errorMessageSignal);

    const QString nested = m_out.filePath(QStringLiteral("a/b/c/small.txt"));
    QVERIFY(!downloader.start(m_nginx.url(QStringLiteral("/small.txt")), nested, false));
    QCOMPARE(message.count(), 1);
    QCOMPARE(message.at(0).at(0).toString(), QStringLiteral("Failed to open file"));
    QVERIFY(downloader.isFinished());

    QVERIFY(downloader.start(QStringLiteral("  ") + m_nginx.url(QStringLiteral("/small.txt")), nested, true));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toLongLong(), qint64(12));
    QCOMPARE(readFile(nested), QByteArray("small file\n"));
}

void TestQuickUrlDownloader::goesThroughAProxy()
{
    // The scripted server plays an HTTP proxy: it sees the absolute URL.
    const QByteArray remote = "http://files.example.invalid/via-proxy.bin";
    m_scripted.setResponse(remote, ScriptedServer::ok("proxied body"));
    m_scripted.paths.clear();
    const QUrl proxyUrl(m_scripted.url(QStringLiteral("/")));
    ApQuickUrlDownloader downloader;
    downloader.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), quint16(proxyUrl.port())));
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    const QString target = m_out.filePath(QStringLiteral("via-proxy.bin"));
    downloader.download(QUrl(QString::fromLatin1(remote)), target, 1);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m_scripted.paths, QList<QByteArray>{remote});
    QCOMPARE(readFile(target), QByteArray("proxied body"));
}

void TestQuickUrlDownloader::refusesOtherSchemes_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("file") << QUrl::fromLocalFile(QStringLiteral("/etc/hostname")).toString();
    QTest::newRow("data") << QStringLiteral("data:text/plain,hello");
    QTest::newRow("no host") << QStringLiteral("http:///path");
    QTest::newRow("relative") << QStringLiteral("just/a/path");
}

void TestQuickUrlDownloader::refusesOtherSchemes()
{
    QFETCH(QString, url);
    const QString target = m_out.filePath(QStringLiteral("scheme.bin"));
    ApQuickUrlDownloader downloader;
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    downloader.download(QUrl(url), target, 8);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("Request failed"));
    QVERIFY(!QFileInfo(target).exists() || QFileInfo(target).size() == 0);
}

void TestQuickUrlDownloader::abortSendsNothing()
{
    const QString target = m_out.filePath(QStringLiteral("aborted.bin"));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    QSignalSpy progress(&downloader, &ApQuickUrlDownloader::downloadProgress);
    downloader.download(QUrl(m_nginx.url(QStringLiteral("/slow/file.bin"))), target, 6);
    QTRY_VERIFY(!progress.isEmpty());
    downloader.abort();
    QVERIFY(downloader.isFinished());
    // Let any late network events arrive: none may turn into a signal.
    QSignalSpy none(&downloader, &ApQuickUrlDownloader::downloadProgress);
    QTest::qWait(300);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(none.count(), 0);
    QVERIFY(QFileInfo(target).size() < 2 * 1024 * 1024);

    // The same object downloads again afterwards.
    downloader.download(QUrl(m_nginx.url(QStringLiteral("/small.txt"))), target, 7);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(target), QByteArray("small file\n"));
}

void TestQuickUrlDownloader::nextDownloadFromTheFinishedSlot()
{
    ApQuickUrlDownloader downloader;
    QList<qint64> finishedIds;
    QList<qint64> diskIds;
    const QString first = m_out.filePath(QStringLiteral("chain-1.txt"));
    const QString second = m_out.filePath(QStringLiteral("chain-2.bin"));
    connect(&downloader, &ApQuickUrlDownloader::downloadFinished, this, [&](qint64 id) {
        finishedIds.append(id);
        if (id == 1)
            downloader.download(QUrl(m_nginx.url(QStringLiteral("/big.bin"))), second, 2);
    });
    connect(&downloader, &ApQuickUrlDownloader::fileDownloadedToDisk, this, [&](qint64 id) { diskIds.append(id); });
    downloader.download(QUrl(m_nginx.url(QStringLiteral("/small.txt"))), first, 1);
    QTRY_COMPARE_WITH_TIMEOUT(finishedIds.size(), 2, 20000);
    QCOMPARE(finishedIds, QList<qint64>({1, 2}));
    QCOMPARE(diskIds, QList<qint64>({1, 2}));
    QCOMPARE(readFile(first), QByteArray("small file\n"));
    QCOMPARE(readFile(second), m_big);
}

bool TestQuickUrlDownloader::startTlsNginx(NginxFixture &nginx, quint16 *tlsPort, QString *certPath)
{
    const QString openssl = TestSupport::findProgram(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        return false;
    const QString cert = m_out.filePath(QStringLiteral("tls-cert.pem"));
    const QString key = m_out.filePath(QStringLiteral("tls-key.pem"));
    if (!QFile::exists(cert)) {
        QProcess process;
        process.start(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                                QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                                QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                                QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                                QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return false;
    }
    *tlsPort = TestSupport::freeLocalPort();
    *certPath = cert;
    return nginx.start(m_root.path(), QStringLiteral("listen 127.0.0.1:%1 ssl;\n"
                                                     "ssl_certificate %2;\n"
                                                     "ssl_certificate_key %3;\n")
                                          .arg(*tlsPort)
                                          .arg(cert, key));
}

void TestQuickUrlDownloader::untrustedCertificateFails()
{
    if (!QSslSocket::supportsSsl())
        QSKIP("this Qt build has no TLS support");
    NginxFixture tls;
    quint16 port = 0;
    QString cert;
    if (!startTlsNginx(tls, &port, &cert))
        QSKIP("could not make a certificate with openssl or start nginx with TLS");
    const QString target = m_out.filePath(QStringLiteral("untrusted.txt"));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    downloader.download(QUrl(QStringLiteral("https://127.0.0.1:%1/small.txt").arg(port)), target, 1);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("Request failed"));
    QCOMPARE(QFileInfo(target).size(), qint64(0));
}

void TestQuickUrlDownloader::trustedCertificateWorks()
{
    if (!QSslSocket::supportsSsl())
        QSKIP("this Qt build has no TLS support");
    NginxFixture tls;
    quint16 port = 0;
    QString cert;
    if (!startTlsNginx(tls, &port, &cert))
        QSKIP("could not make a certificate with openssl or start nginx with TLS");
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    const QSslConfiguration original = config;
    config.addCaCertificates(QSslCertificate::fromPath(cert));
    QSslConfiguration::setDefaultConfiguration(config);

    const QString target = m_out.filePath(QStringLiteral("trusted.txt"));
    ApQuickUrlDownloader downloader;
    QSignalSpy finished(&downloader, &ApQuickUrlDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    downloader.download(QUrl(QStringLiteral("https://127.0.0.1:%1/small.txt").arg(port)), target, 1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count() + failed.count(), 1, 20000);
    QSslConfiguration::setDefaultConfiguration(original);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(readFile(target), QByteArray("small file\n"));
}

QTEST_GUILESS_MAIN(TestQuickUrlDownloader)
#include "tst_quickurldownloader.moc"
