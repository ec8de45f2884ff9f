#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "loopbackserver.h"
#include "testsupport.h"
#include "videoinformationplugin.h"

using Response = LoopbackServer::Response;
using Request = LoopbackServer::Request;

// The plugins shipped in plugins/scripts, run against loopback copies of
// their services' pages, directly and through the plugin-run tool.
class TestShippedPlugins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pluginsAreValid_data();
    void pluginsAreValid();
    void resolvesVideoPage_data();
    void resolvesVideoPage();
    void pluginRunTool_data();
    void pluginRunTool();
    void endlessLoopReturnsDefaultWithinBound();
    void loopOfFailingCallsIsStopped_data();
    void loopOfFailingCallsIsStopped();

private:
    static QString scriptPath(const QString &name);
    QString root() const { return m_server.url(QString()); }
    LoopbackServer m_server;
};

QString TestShippedPlugins::scriptPath(const QString &name)
{
    return TestSupport::sourceDir() + QStringLiteral("/plugins/scripts/") + name;
}

void TestShippedPlugins::initTestCase()
{
    QVERIFY(m_server.start());
    const QByteArray base = m_server.url(QString()).toLatin1();

    // VidCrate: watch page -> JSON clip description -> best stream.
    m_server.route("/watch", [](const Request &request) {
        if (!request.target.contains("v=abc123"))
            return Response::text("<html><body>No such clip</body></html>");
        return Response::text("<html><head><title>  Sunset   over the bay - VidCrate</title></head><body>"
                              "<div id=\"player\"></div><script>var player = new Player({\"api\":"
                              "\"/api/clip/abc123.json\",\"autoplay\":true});</script></body></html>");
    });
    m_server.route("/api/clip/abc123.json", [base](const Request &) {
        return Response::text("{\"title\":\"Sunset \\n over the bay\",\"streams\":["
                              "{\"quality\":\"sd\",\"url\":\"" + base + "/media/abc123-sd.mp4\"},"
                              "{\"quality\":\"hd\",\"url\":\"" + QByteArray(base).replace("/", "\\/")
                                  + "\\/media\\/abc123%2Dhd.mp4\"},"
                                    "{\"quality\":\"low\",\"url\":\"" + base + "/media/abc123-low.flv\"}]}",
                              "application/json");
    });

    // StreamNest: redirect that sets a session cookie, then a gate that
    // wants the cookie, the Referer and the client header.
    m_server.route("/v/n42", [](const Request &) {
        return Response::redirect("/gate/n42").withHeader("Set-Cookie", "nest_session=s3cr3t; Path=/");
    });
    m_server.route("/v/nocookie", [](const Request &) { return Response::redirect("/gate/n42"); });
    m_server.route("/gate/n42", [base](const Request &request) {
        const bool allowed = request.header("cookie").contains("nest_session=s3cr3t")
            && request.header("referer").startsWith(base + "/v/") && request.header("x-nest-client") == "zantor";
        if (!allowed) {
            Response response = Response::text("<html>denied</html>");
            response.status = 403;
            return response;
        }
        return Response::text("<html><body><h1>  Night Drive </h1><video controls><source src=\"" + base
                              + "/media/n42.mp4?token=t1\" type=\"video/mp4\"></video></body></html>");
    });
}

void TestShippedPlugins::init()
{
    m_server.clearRequests();
}

void TestShippedPlugins::pluginsAreValid_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("iconName");
    QTest::newRow("vidcrate") << "vidcrate.js" << "vidcrate" << "VidCrate" << "vidcrate";
    QTest::newRow("streamnest") << "streamnest.js" << "streamnest" << "StreamNest" << "";
}

void TestShippedPlugins::pluginsAreValid()
{
    QFETCH(QString, file);
    QFETCH(QString, id);
    QFETCH(QString, caption);
    QFETCH(QString, iconName);
    VideoInformationPlugin plugin(nullptr, scriptPath(file));
    QVERIFY(plugin.isValid());
    QCOMPARE(plugin.id(), id);
    QCOMPARE(plugin.caption(), caption);
    QCOMPARE(plugin.iconName(), iconName);
    QVERIFY(!plugin.version().isEmpty());
    QVERIFY(VideoInformationPlugin::compareVersions(plugin.minVersion(), VideoInformationPlugin::programVersionText) >= 0);
}

void TestShippedPlugins::resolvesVideoPage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("cookies");

    QTest::newRow("vidcrate best stream") << "vidcrate.js" << "/watch?v=abc123" << "/media/abc123-hd.mp4"
                                          << "Sunset over the bay" << ".mp4" << "";
    QTest::newRow("vidcrate unknown clip") << "vidcrate.js" << "/watch?v=zzz" << "" << "" << ".flv" << "";
    QTest::newRow("vidcrate no clip id") << "vidcrate.js" << "/watch" << "" << "" << ".flv" << "";
    QTest::newRow("streamnest via redirect and cookie") << "streamnest.js" << "/v/n42" << "/media/n42.mp4?token=t1"
                                                        << "Night Drive" << ".mp4" << "nest_session=s3cr3t";
    QTest::newRow("streamnest without session") << "streamnest.js" << "/v/nocookie" << "" << "" << ".flv" << "";
}

void TestShippedPlugins::resolvesVideoPage()
{
    QFETCH(QString, file);
    QFETCH(QString, page);
    QFETCH(QString, media);
    QFETCH(QString, title);
    QFETCH(QString, extension);
    QFETCH(QString, cookies);
    VideoInformationPlugin plugin(nullptr, scriptPath(file));
    const QString url = root() + page;
    const VideoDefinition definition = plugin.getVideoInformation(url);
    QCOMPARE(definition.URL, media.isEmpty() ? QString() : root() + media);
    QCOMPARE(definition.title, title);
    QCOMPARE(definition.extension, extension);
    QCOMPARE(definition.cookies, cookies);
    if (file == QLatin1String("streamnest.js") && !media.isEmpty()) {
        QCOMPARE(definition.headers, QStringLiteral("Referer: ") + url);
        QVERIFY(!definition.userAgent.isEmpty());
        // The redirect was followed to the gate on the same server.
        QCOMPARE(m_server.requests().last().target, QByteArray("/gate/n42"));
        QCOMPARE(m_server.requests().last().header("user-agent"), definition.userAgent.toLatin1());
    }
}

void TestShippedPlugins::pluginRunTool_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("expectedLines");

    QTest::newRow("vidcrate") << QStringList{scriptPath(QStringLiteral("vidcrate.js")), QStringLiteral("/watch?v=abc123")}
                              << 0
                              << QStringList{"valid: yes", "ID: vidcrate", "caption: VidCrate",
                                             "\"URL\": \"%ROOT%/media/abc123-hd.mp4\"", "\"extension\": \".mp4\""};
    QTest::newRow("streamnest") << QStringList{scriptPath(QStringLiteral("streamnest.js")), QStringLiteral("/v/n42")}
                                << 0
                                << QStringList{"valid: yes", "ID: streamnest",
                                               "\"URL\": \"%ROOT%/media/n42.mp4?token=t1\"",
                                               "\"cookies\": \"nest_session=s3cr3t\""};
    QTest::newRow("no media found") << QStringList{scriptPath(QStringLiteral("vidcrate.js")), QStringLiteral("/watch")}
                                    << 1 << QStringList{"valid: yes", "\"URL\": \"\""};
    QTest::newRow("missing plugin") << QStringList{QStringLiteral("/nonexistent/none.js"), QStringLiteral("/watch")}
                                    << 1 << QStringList{"valid: no", "\"extension\": \".flv\""};
    QTest::newRow("wrong usage") << QStringList{scriptPath(QStringLiteral("vidcrate.js"))} << 2 << QStringList();
}

void TestShippedPlugins::pluginRunTool()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expectedLines);
    if (arguments.size() > 1)
        arguments[1] = root() + arguments[1];

    // The server lives in this process, so wait without blocking its loop.
    QProcess process;
    qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
    QSignalSpy finished(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    process.start(TestSupport::binDir() + QStringLiteral("/plugin-run"), arguments);
    QVERIFY(process.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    for (QString line : qAsConst(expectedLines)) {
        line.replace(QLatin1String("%ROOT%"), root());
        QVERIFY2(output.contains(line), qPrintable(line + QStringLiteral(" not in:\n") + output));
    }
    if (exitCode == 2)
        QVERIFY(process.readAllStandardError().contains("usage"));
}

void TestShippedPlugins::endlessLoopReturnsDefaultWithinBound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forever.js"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("var version = '1'; var minVersion = '1.0'; var ID = 'forever'; var caption = 'Forever';\n"
               "function RegistVideoService() {}\n"
               "function getVideoInformation(url) { var n = 0; while (true) { n++; } return { URL: url }; }\n");
    file.close();

    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : .*10 seconds")));
    // Other GUI work keeps being served while the script spins.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(500);
    QElapsedTimer clock;
    clock.start();
    const VideoDefinition definition = plugin.getVideoInformation(QStringLiteral("http://x/"));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(definition, VideoDefinition());
    QVERIFY2(elapsed >= VideoInformationPlugin::scriptTimeLimitMs(), "stopped before the bound");
    QVERIFY2(elapsed < VideoInformationPlugin::scriptTimeLimitMs() + 5000, qPrintable(QString::number(elapsed)));
    QVERIFY(ticks >= 10);
}

void TestShippedPlugins::loopOfFailingCallsIsStopped_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("empty address") << "for (;;) new Http().downloadWebpage('');";
    QTest::newRow("refused scheme") << "var h = new Http(); for (;;) h.downloadWebpage('file:///etc/hostname');";
    QTest::newRow("headers of nothing") << "for (;;) new Http().downloadWebpageHeaders('');";
}

void TestShippedPlugins::loopOfFailingCallsIsStopped()
{
    // Each call ends at once, so no single stretch of script time is long;
    // their sum is, and the bound stops the loop.
    QFETCH(QString, body);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("failing.js"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("var version = '1'; var minVersion = '1.0'; var ID = 'failing'; var caption = 'Failing';\n"
               "function RegistVideoService() {}\n"
               "function getVideoInformation(url) { "
               + body.toLatin1() + " return { URL: url }; }\n");
    file.close();

    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : .*10 seconds")));
    QElapsedTimer clock;
    clock.start();
    const VideoDefinition definition = plugin.getVideoInformation(QStringLiteral("http://x/"));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(definition, VideoDefinition());
    // Time inside the calls is not the script's own, so the wall clock runs
    // past the bound; well within the bound of a whole call all the same.
    QVERIFY2(elapsed < 60000, qPrintable(QString::number(elapsed)));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestShippedPlugins test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shippedplugins.moc"
