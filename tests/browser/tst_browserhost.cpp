// The native messaging host as the browsers run it: messages in the
// browsers' framing on standard input, one reply each on standard output. A
// stand-in listens on the instance socket of the `zantor` beside the host
// and answers as the running program would.

#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>

#include "browserhandover.h"
#include "instancepaths.h"
#include "ipcmessage.h"
#include "testsupport.h"

namespace {

QByteArray frame(const QByteArray &body)
{
    const quint32 length = quint32(body.size());
    return QByteArray(reinterpret_cast<const char *>(&length), 4) + body;
}

QByteArray frameJson(const QJsonObject &object)
{
    return frame(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject download(const QJsonObject &extra = {})
{
    QJsonObject object{{QStringLiteral("type"), QStringLiteral("download")},
                       {QStringLiteral("url"), QStringLiteral("https://files.example.test/get/a.zip")}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// The running program as the host sees it: reads one frame per connection
// and answers with the configured frame, or closes without one.
class StandIn : public QObject
{
public:
    explicit StandIn(const QString &name)
    {
        QLocalServer::removeServer(name);
        server.setSocketOptions(QLocalServer::UserAccessOption);
        listening = server.listen(name);
        connect(&server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    buffer += socket->readAll();
                    QStringList pieces;
                    if (!IpcMessage::parse(QString::fromUtf8(buffer), &pieces))
                        return;
                    buffer.clear();
                    received << pieces;
                    if (!answer.isEmpty())
                        socket->write(answer.toUtf8());
                    socket->disconnectFromServer();
                });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QLocalServer server;
    bool listening = false;
    QString answer;
    QByteArray buffer;
    QList<QStringList> received;
};

} // namespace

class TestBrowserHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messages_data();
    void messages();
    void manifests();
    void cookieOrigins_data();
    void cookieOrigins();

private:
    QString m_host;
};

void TestBrowserHost::initTestCase()
{
    m_host = TestSupport::binDir() + QStringLiteral("/zantor-browser-host");
    QVERIFY(QFileInfo(m_host).isExecutable());
}

void TestBrowserHost::messages_data()
{
    QTest::addColumn<QByteArray>("input");
    // What the stand-in answers: a frame, "" for closing without answer, or
    // "absent" for no running program at all.
    QTest::addColumn<QString>("standIn");
    // One entry per reply: "ok:<detail>" or the error code.
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<int>("forwarded");
    QTest::addColumn<int>("exitCode");

    const QString ok = IpcMessage::build(BrowserHandOver::ReplyWord, {QStringLiteral("ok"), QStringLiteral("dialog")});
    const QString types = IpcMessage::build(BrowserHandOver::ReplyWord, {QStringLiteral("ok"), QStringLiteral(".zip;.iso")});
    const QString busy = IpcMessage::build(BrowserHandOver::ReplyWord, {QStringLiteral("error"), QStringLiteral("busy")});
    const QJsonObject full{{QStringLiteral("finalUrl"), QStringLiteral("https://cdn.example.test/a.zip")},
                           {QStringLiteral("referrer"), QStringLiteral("https://files.example.test/page")},
                           {QStringLiteral("cookies"), QStringLiteral("session=a}b{c; other=\"=>[tvo]@\"")},
                           {QStringLiteral("userAgent"), QStringLiteral("Mozilla/5.0 Test")},
                           {QStringLiteral("fileName"), QStringLiteral("a b.zip")},
                           {QStringLiteral("size"), 2097152}};
    const QByteArray status = frameJson({{QStringLiteral("type"), QStringLiteral("status")}});

    QTest::newRow("download handed over") << frameJson(download(full)) << ok << QStringList{"ok:dialog"} << 1 << 0;
    QTest::newRow("status while running") << status << types << QStringList{"ok:running"} << 1 << 0;
    QTest::newRow("status, nothing running") << status << "absent" << QStringList{"ok:stopped"} << 0 << 0;
    QTest::newRow("zantor refuses") << frameJson(download()) << busy << QStringList{"refused"} << 1 << 0;
    QTest::newRow("zantor closes unanswered") << frameJson(download()) << "" << QStringList{"no-answer"} << 1 << 0;
    QTest::newRow("two messages, one session") << status + frameJson(download()) << ok
                                               << QStringList{"ok:running", "ok:dialog"} << 2 << 0;
    QTest::newRow("empty message") << frame({}) + status << ok << QStringList{"empty", "ok:running"} << 1 << 0;
    QTest::newRow("2 MiB, then a good one")
        << frame(QByteArray(2 * 1024 * 1024, 'x')) + status << types << QStringList{"too-large", "ok:running"} << 1 << 0;
    QTest::newRow("length longer than the data") << QByteArray::fromHex("64000000") + "{\"type\":" << ok
                                                 << QStringList{"truncated"} << 0 << 1;
    QTest::newRow("length cut short") << QByteArray("\x05\x00", 2) << ok << QStringList{"truncated"} << 0 << 1;
    QTest::newRow("broken JSON") << frame("{\"type\": \"download\", \"url\": ") << ok << QStringList{"bad-json"} << 0 << 0;
    QTest::newRow("JSON array") << frame("[1,2]") << ok << QStringList{"bad-json"} << 0 << 0;
    QTest::newRow("broken UTF-8") << frame("{\"type\":\"download\",\"url\":\"http://a.test/\xff\xfe\"}") << ok
                                  << QStringList{"bad-json"} << 0 << 0;
    QTest::newRow("unknown type") << frameJson({{QStringLiteral("type"), QStringLiteral("erase")}}) << ok
                                  << QStringList{"unknown-type"} << 0 << 0;
    QTest::newRow("no type") << frameJson({{QStringLiteral("url"), QStringLiteral("http://a.test/x.zip")}}) << ok
                             << QStringList{"unknown-type"} << 0 << 0;
    QTest::newRow("missing URL") << frameJson({{QStringLiteral("type"), QStringLiteral("download")}}) << ok
                                 << QStringList{"missing-url"} << 0 << 0;
    QTest::newRow("javascript: link")
        << frameJson(download({{QStringLiteral("url"), QStringLiteral("javascript:alert(1)")}})) << ok
        << QStringList{"bad-url"} << 0 << 0;
    QTest::newRow("file: link") << frameJson(download({{QStringLiteral("url"), QStringLiteral("file:///etc/passwd")}}))
                                << ok << QStringList{"bad-url"} << 0 << 0;
    QTest::newRow("final link to file:")
        << frameJson(download({{QStringLiteral("finalUrl"), QStringLiteral("file:///etc/passwd")}})) << ok
        << QStringList{"bad-url"} << 0 << 0;
    QTest::newRow("URL not a text") << frameJson(download({{QStringLiteral("url"), 42}})) << ok
                                    << QStringList{"bad-field"} << 0 << 0;
    QTest::newRow("cookie with a line break")
        << frameJson(download({{QStringLiteral("cookies"), QStringLiteral("a=b\r\nX-Evil: 1")}})) << ok
        << QStringList{"bad-field"} << 0 << 0;
    QTest::newRow("file name with a folder")
        << frameJson(download({{QStringLiteral("fileName"), QStringLiteral("../../.bashrc")}})) << ok
        << QStringList{"bad-field"} << 0 << 0;
    QTest::newRow("javascript: referrer")
        << frameJson(download({{QStringLiteral("referrer"), QStringLiteral("javascript:void(0)")}})) << ok
        << QStringList{"bad-field"} << 0 << 0;
    QTest::newRow("size not a number") << frameJson(download({{QStringLiteral("size"), QStringLiteral("big")}}))
                                       << ok << QStringList{"bad-field"} << 0 << 0;
    QTest::newRow("too long for the program's socket")
        << frameJson(download({{QStringLiteral("cookies"), QString(15000, QChar(0x4e2d))},
                               {QStringLiteral("referrer"), QStringLiteral("https://a.test/") + QString(8000, QChar(0x4e2d))}}))
        << ok << QStringList{"too-large"} << 0 << 0;
    QTest::newRow("unknown field") << frameJson(download({{QStringLiteral("command"), QStringLiteral("rm")}})) << ok
                                   << QStringList{"unknown-field"} << 0 << 0;
}

void TestBrowserHost::messages()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, standIn);
    QFETCH(QStringList, replies);
    QFETCH(int, forwarded);
    QFETCH(int, exitCode);

    std::unique_ptr<StandIn> program;
    if (standIn != QLatin1String("absent")) {
        program = std::make_unique<StandIn>(
            InstancePaths::serverNameFor(TestSupport::binDir() + QStringLiteral("/zantor")));
        QVERIFY(program->listening);
        program->answer = standIn;
    }

    QProcess host;
    host.start(m_host, {QStringLiteral("chrome-extension://test/")});
    QVERIFY(host.waitForStarted(10000));
    host.write(input);
    host.closeWriteChannel();
    QTRY_VERIFY_WITH_TIMEOUT(host.state() == QProcess::NotRunning, 30000);
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QCOMPARE(host.exitCode(), exitCode);

    const QByteArray out = host.readAllStandardOutput();
    QStringList got;
    for (int at = 0; at + 4 <= out.size();) {
        quint32 length = 0;
        memcpy(&length, out.constData() + at, 4);
        const QJsonObject reply = QJsonDocument::fromJson(out.mid(at + 4, int(length))).object();
        at += 4 + int(length);
        if (!reply.value(QStringLiteral("ok")).toBool()) {
            QVERIFY(!reply.value(QStringLiteral("message")).toString().isEmpty());
            got << reply.value(QStringLiteral("error")).toString();
        } else if (reply.value(QStringLiteral("type")) == QLatin1String("status")) {
            got << (reply.value(QStringLiteral("running")).toBool() ? QStringLiteral("ok:running")
                                                                     : QStringLiteral("ok:stopped"));
        } else {
            got << QStringLiteral("ok:") + reply.value(QStringLiteral("outcome")).toString();
        }
    }
    QCOMPARE(got, replies);
    QCOMPARE(program ? program->received.size() : 0, forwarded);

    // What reached the program is exactly what the browser sent.
    if (program && QTest::currentDataTag() == QLatin1String("download handed over")) {
        const QStringList pieces = program->received.first();
        QCOMPARE(pieces.first(), BrowserHandOver::DownloadCommand);
        BrowserHandOver::Download d;
        QVERIFY(BrowserHandOver::decodeArgument(pieces.at(1), &d));
        QCOMPARE(d.cookies, QStringLiteral("session=a}b{c; other=\"=>[tvo]@\""));
        QCOMPARE(d.taskUrl(), QStringLiteral("https://cdn.example.test/a.zip"));
        QCOMPARE(d.cookieOrigin(), QStringLiteral("https://cdn.example.test:443"));
        QCOMPARE(d.referrer, QStringLiteral("https://files.example.test/page"));
        QCOMPARE(d.userAgent, QStringLiteral("Mozilla/5.0 Test"));
        QCOMPARE(d.fileName, QStringLiteral("a b.zip"));
        QCOMPARE(d.size, qint64(2097152));
    }
}

void TestBrowserHost::manifests()
{
    // Only the extension's own identity may start the host.
    QProcess host;
    host.start(m_host, {QStringLiteral("--manifest"), QStringLiteral("chromium"), QStringLiteral("/opt/z/host")});
    QVERIFY(host.waitForFinished(10000));
    const QJsonObject chromium = QJsonDocument::fromJson(host.readAllStandardOutput()).object();
    QCOMPARE(chromium.value(QStringLiteral("name")).toString(), QStringLiteral("org.zantor.host"));
    QCOMPARE(chromium.value(QStringLiteral("path")).toString(), QStringLiteral("/opt/z/host"));
    QCOMPARE(chromium.value(QStringLiteral("type")).toString(), QStringLiteral("stdio"));
    QCOMPARE(chromium.value(QStringLiteral("allowed_origins")).toVariant().toStringList(),
             QStringList{QStringLiteral("chrome-extension://lphkjanheofmjfjakdjcfbbempbeonpm/")});

    host.start(m_host, {QStringLiteral("--manifest"), QStringLiteral("firefox"), QStringLiteral("/opt/z/host")});
    QVERIFY(host.waitForFinished(10000));
    const QJsonObject firefox = QJsonDocument::fromJson(host.readAllStandardOutput()).object();
    QCOMPARE(firefox.value(QStringLiteral("allowed_extensions")).toVariant().toStringList(),
             QStringList{QStringLiteral("{07395772-5950-4071-b628-acfdca3fc932}")});
    QVERIFY(!firefox.contains(QStringLiteral("allowed_origins")));
}

void TestBrowserHost::cookieOrigins_data()
{
    QTest::addColumn<QString>("taskUrl");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("sent");

    QTest::newRow("same address") << "https://a.test/f.zip" << "https://a.test/f.zip" << true;
    QTest::newRow("other path, same site") << "https://a.test/f.zip" << "https://a.test/dl/g.zip?x=1" << true;
    QTest::newRow("default port written out") << "https://a.test/f.zip" << "https://A.TEST:443/f.zip" << true;
    QTest::newRow("redirect to another host") << "https://a.test/f.zip" << "https://cdn.b.test/f.zip" << false;
    QTest::newRow("redirect to a sub-domain") << "https://a.test/f.zip" << "https://x.a.test/f.zip" << false;
    QTest::newRow("another port") << "http://127.0.0.1:8080/f.zip" << "http://127.0.0.1:8081/f.zip" << false;
    QTest::newRow("https down to http") << "https://a.test/f.zip" << "http://a.test/f.zip" << false;
    QTest::newRow("mirror on another host") << "http://a.test/f.zip" << "ftp://mirror.test/f.zip" << false;
    QTest::newRow("mirror, same host over ftp") << "http://a.test/f.zip" << "ftp://a.test/f.zip" << false;
}

void TestBrowserHost::cookieOrigins()
{
    QFETCH(QString, taskUrl);
    QFETCH(QString, target);
    QFETCH(bool, sent);
    BrowserHandOver::Download d;
    d.url = taskUrl;
    QCOMPARE(BrowserHandOver::sendsCookiesTo(d.cookieOrigin(), QUrl(target)), sent);
}

QTEST_GUILESS_MAIN(TestBrowserHost)
#include "tst_browserhost.moc"
