#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QScriptEngine>
#include <QScriptValueIterator>
#include <QTemporaryDir>
#include <QtTest>

#include "nginxfixture.h"
#include "testsupport.h"
#include "videoinformationplugin.h"
#include "videoinformationpluginregistry.h"

namespace {

const char *const metadata = "var version = '1.0'; var minVersion = '1.0'; var ID = 'svc'; var caption = 'Service';\n"
                             "function RegistVideoService() {}\n";

} // namespace

// Plugin loading, validation, invocation and the host functions, with real
// scripts written to a temporary folder.
class TestVideoInformationPlugin : public QObject
{
    Q_OBJECT

private slots:
    void compareVersions_data();
    void compareVersions();
    void stageHelpers();
    void loading_data();
    void loading();
    void missingFileIsInvalid();
    void metadataIsRead();
    void iconFromBytes();
    void iconFromCacheFile();
    void oversizedIconIsRefused_data();
    void oversizedIconIsRefused();
    void invocation_data();
    void invocation();
    void outcomeSaysWhatHappened_data();
    void outcomeSaysWhatHappened();
    void invalidPluginReturnsDefault();
    void evaluationErrorIsLoggedAndDefaultReturned();
    void thrownErrorInFunctionIsLogged();
    void definitionConversions();
    void registryLookupAndScriptFunctions();

private:
    QString writePlugin(const QString &name, const QString &text);
    QTemporaryDir m_dir;
};

QString TestVideoInformationPlugin::writePlugin(const QString &name, const QString &text)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(text.toLatin1());
    return path;
}

void TestVideoInformationPlugin::compareVersions_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("equal") << "1.0.1" << "1.0.1" << 0;
    QTest::newRow("shorter is older") << "1.0" << "1.0.1" << 1;
    QTest::newRow("minor beats patch") << "1.1" << "1.0.9" << -1;
    QTest::newRow("alpha is older") << "1.2a" << "1.2" << 1;
    QTest::newRow("comma equals dot") << "1,2" << "1.2" << 0;
    QTest::newRow("beta newer than alpha") << "1.2b" << "1.2a" << -1;
    QTest::newRow("final older than plain") << "1.2f" << "1.2" << 1;
    QTest::newRow("numeric not textual") << "1.10" << "1.9" << -1;
    QTest::newRow("trailing zero equal") << "1.0" << "1.0.0" << 0;
    QTest::newRow("program against newer minimum") << "1.0.2" << "1.0.1" << -1;
    QTest::newRow("older minimum") << "0.9" << "1.0.1" << 1;
}

void TestVideoInformationPlugin::compareVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(VideoInformationPlugin::compareVersions(a, b), expected);
}

void TestVideoInformationPlugin::stageHelpers()
{
    QCOMPARE(VideoInformationPlugin::normalizeVersionStage(QStringLiteral("1.2a")), QStringLiteral("1.2 Alpha"));
    QCOMPARE(VideoInformationPlugin::normalizeVersionStage(QStringLiteral("2b")), QStringLiteral("2 Beta"));
    QCOMPARE(VideoInformationPlugin::normalizeVersionStage(QStringLiteral("3f")), QStringLiteral("3 Final"));
    QCOMPARE(VideoInformationPlugin::normalizeVersionStage(QStringLiteral("3A")), QStringLiteral("3A"));
    QCOMPARE(VideoInformationPlugin::versionStageRank(QStringLiteral("ALPHA")), 1);
    QCOMPARE(VideoInformationPlugin::versionStageRank(QStringLiteral("a")), 1);
    QCOMPARE(VideoInformationPlugin::versionStageRank(QStringLiteral("Beta")), 2);
    QCOMPARE(VideoInformationPlugin::versionStageRank(QStringLiteral("f")), 3);
    QCOMPARE(VideoInformationPlugin::versionStageRank(QString()), 4);
    QCOMPARE(VideoInformationPlugin::versionStageRank(QStringLiteral("rc")), 4);
}

void TestVideoInformationPlugin::loading_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("valid");

    const auto withMin = [](const char *min) {
        return QStringLiteral("function RegistVideoService() { version = '1'; minVersion = '%1'; ID = 'x'; "
                              "caption = 'X'; }")
            .arg(QLatin1String(min));
    };
    QTest::newRow("minVersion 1.0.2 too new") << withMin("1.0.2") << false;
    QTest::newRow("minVersion 1.0.1") << withMin("1.0.1") << true;
    QTest::newRow("minVersion 1.0") << withMin("1.0") << true;
    QTest::newRow("minVersion 0.9") << withMin("0.9") << true;
    QTest::newRow("minVersion 1.1 too new") << withMin("1.1") << false;
    QTest::newRow("globals at top level, empty regist") << QString::fromLatin1(metadata) << true;
    QTest::newRow("empty caption")
        << "var version='1'; var minVersion='1.0'; var ID='x'; var caption=''; function RegistVideoService(){}"
        << false;
    QTest::newRow("missing ID") << "var version='1'; var minVersion='1.0'; var caption='X'; function RegistVideoService(){}"
                                << false;
    QTest::newRow("missing version") << "var minVersion='1.0'; var ID='x'; var caption='X'; function RegistVideoService(){}"
                                     << false;
    QTest::newRow("no RegistVideoService") << "var version='1'; var minVersion='1.0'; var ID='x'; var caption='X';"
                                           << false;
    QTest::newRow("RegistVideoService not a function")
        << "var version='1'; var minVersion='1.0'; var ID='x'; var caption='X'; var RegistVideoService = 3;" << false;
    QTest::newRow("top level calls a tool") << QString::fromLatin1(metadata) + "var host = getUrlHost('http://a/');"
                                            << false;
    QTest::newRow("top level uses Http") << QString::fromLatin1(metadata) + "var h = new Http();" << false;
    QTest::newRow("top level throws") << QString::fromLatin1(metadata) + "throw new Error('no');" << false;
    QTest::newRow("syntax error") << QString::fromLatin1(metadata) + "function (" << false;
    QTest::newRow("RegistVideoService throws")
        << "var version='1'; var minVersion='1.0'; var ID='x'; var caption='X';"
           "function RegistVideoService(){ throw 'bad'; }"
        << false;
}

void TestVideoInformationPlugin::loading()
{
    QFETCH(QString, script);
    QFETCH(bool, valid);
    const QString path = writePlugin(QStringLiteral("loading.js"), script);
    VideoInformationPlugin plugin(nullptr, path);
    QCOMPARE(plugin.isValid(), valid);
    QCOMPARE(plugin.objectName(), QStringLiteral("VideoInformationPlugin"));
}

void TestVideoInformationPlugin::missingFileIsInvalid()
{
    VideoInformationPlugin plugin(nullptr, m_dir.filePath(QStringLiteral("absent.js")));
    QVERIFY(!plugin.isValid());
    QCOMPARE(plugin.path(true), QStringLiteral("absent.js"));
    QVERIFY(plugin.getVideoInformation(QStringLiteral("http://x/")).URL.isEmpty());
}

void TestVideoInformationPlugin::metadataIsRead()
{
    const QString path = writePlugin(QStringLiteral("meta.svc.js"),
                                     QStringLiteral("function RegistVideoService() { version = '2.1'; minVersion = '1.0';"
                                                    " ID = 'meta'; caption = 'Meta Tube'; author = 'Ann';"
                                                    " website = 'http://meta.example/'; adultContent = 1;"
                                                    " musicSite = 'yes'; }\n"
                                                    "function searchVideos(q) {}\n"
                                                    "function getVideoServiceIcon() { return 'meta-icon'; }"));
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QCOMPARE(plugin.version(), QStringLiteral("2.1"));
    QCOMPARE(plugin.minVersion(), QStringLiteral("1.0"));
    QCOMPARE(plugin.id(), QStringLiteral("meta"));
    QCOMPARE(plugin.caption(), QStringLiteral("Meta Tube"));
    QCOMPARE(plugin.author(), QStringLiteral("Ann"));
    QCOMPARE(plugin.website(), QStringLiteral("http://meta.example/"));
    QVERIFY(plugin.adultContent());
    QVERIFY(plugin.musicSite());
    QVERIFY(plugin.canSearch());
    QCOMPARE(plugin.iconName(), QStringLiteral("meta-icon"));
    QVERIFY(plugin.iconImage().isNull()); // no cached icon file
    QCOMPARE(plugin.path(), path);
    QCOMPARE(plugin.path(true), QStringLiteral("meta.svc.js"));

    VideoInformationPlugin plain(nullptr, writePlugin(QStringLiteral("plain.js"), QString::fromLatin1(metadata)));
    QVERIFY(!plain.canSearch());
    QVERIFY(!plain.adultContent());
    QVERIFY(plain.author().isEmpty());
}

void TestVideoInformationPlugin::iconFromBytes()
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "PNG"));
    QStringList bytes;
    for (const char c : qAsConst(png))
        bytes << QString::number(quint8(c));
    // Values above 255 keep their low 8 bits.
    bytes[0] = QString::number(quint8(png.at(0)) + 256);

    const QString path = writePlugin(QStringLiteral("iconbytes.js"),
                                     QString::fromLatin1(metadata) + QStringLiteral("function getVideoServiceIcon() "
                                                                                    "{ return [%1]; }")
                                                                         .arg(bytes.join(QLatin1Char(','))));
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QCOMPARE(plugin.iconImage().size(), QSize(5, 3));
    QCOMPARE(QColor(plugin.iconImage().pixel(2, 1)), QColor(200, 10, 30));
    QVERIFY(plugin.iconName().isEmpty());
}

void TestVideoInformationPlugin::oversizedIconIsRefused_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("largest array length") << "var a = []; a.length = 4294967295; return a;";
    QTest::newRow("one byte over the bound") << "var a = []; a.length = 1048577; return a;";
}

void TestVideoInformationPlugin::oversizedIconIsRefused()
{
    // Loading stays quick and the plugin usable; only the icon is refused.
    QFETCH(QString, body);
    const QString path = writePlugin(QStringLiteral("bigicon.js"), QString::fromLatin1(metadata)
                                         + QStringLiteral("function getVideoServiceIcon() { %1 }").arg(body));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : icon of \\d+ bytes refused")));
    QElapsedTimer clock;
    clock.start();
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QVERIFY(plugin.iconImage().isNull());
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

void TestVideoInformationPlugin::iconFromCacheFile()
{
    const QString cache = VideoInformationPlugin::pluginsCacheFolder();
    QVERIFY(cache.endsWith(QLatin1String("/plugins-cache/")));
    QVERIFY(QDir().mkpath(cache));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    // Named after the plugin file up to its first dot, with no extension.
    QVERIFY(image.save(cache + QStringLiteral("cachedsvc"), "PNG"));

    const QString path = writePlugin(QStringLiteral("cachedsvc.v2.js"),
                                     QString::fromLatin1(metadata)
                                         + QStringLiteral("function getVideoServiceIcon() { return 'cached'; }"));
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QCOMPARE(plugin.iconName(), QStringLiteral("cached"));
    QCOMPARE(plugin.iconImage().size(), QSize(4, 4));
    QFile::remove(cache + QStringLiteral("cachedsvc"));
}

void TestVideoInformationPlugin::invocation_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("isAudioFile");
    QTest::addColumn<bool>("needLogin");

    QTest::newRow("object without extension") << "return { URL: u, title: 't' };" << "U"
                                              << "t" << "" << false << false;
    QTest::newRow("constructor result unchanged") << "var d = new VideoDefinition(); d.URL = u; return d;" << "U"
                                                  << "" << ".flv" << false << false;
    QTest::newRow("constructor without new") << "var d = VideoDefinition(1, 2); d.URL = u; return d;" << "U"
                                             << "" << ".flv" << false << false;
    QTest::newRow("flags and strings") << "return { URL: u, extension: '.mp4', isAudioFile: 1, needLogin: 'y',"
                                          " cookies: 'c', headers: 'h', userAgent: 'ua' };"
                                       << "U" << "" << ".mp4" << true << true;
    QTest::newRow("string result") << "return 'http://x/';" << "" << "" << "" << false << false;
    QTest::newRow("number result") << "return 7;" << "" << "" << "" << false << false;
    QTest::newRow("undefined result") << "return;" << "" << "" << "" << false << false;
    QTest::newRow("null property") << "return { URL: null, title: undefined };" << "" << "" << "" << false << false;
    QTest::newRow("registry functions undefined")
        << "return { URL: typeof isPluginInstalled('svc') + ',' + typeof isPluginInstalled() + ','"
           " + typeof executePlugin('svc', u) + ',' + typeof executePlugin('svc') };"
        << "undefined,undefined,undefined,undefined" << "" << "" << false << false;
    QTest::newRow("version functions wrapped")
        << "return { URL: programVersion() + '/' + programVersionShort() + '/' + programVersionNumber(),"
           " title: (programVersion() == '1.0.1') + ',' + (programVersion() === '1.0.1') + ','"
           " + (programVersionNumber() == 101) };"
        << "1.0.1/1.0.1/101" << "true,false,true" << "" << false << false;
    QTest::newRow("tools and Http present")
        << "var h = new Http(); return { URL: getUrlHost(u) + '', title: h.getLastStopReason() + ','"
           " + h.getLastError() };"
        << "example.org" << "100,0" << "" << false << false;
    QTest::newRow("argument is the url string") << "return { URL: typeof u + ':' + u };"
                                                << "string:http://example.org/watch?v=1" << "" << "" << false << false;
}

void TestVideoInformationPlugin::invocation()
{
    QFETCH(QString, body);
    QFETCH(QString, url);
    QFETCH(QString, title);
    QFETCH(QString, extension);
    QFETCH(bool, isAudioFile);
    QFETCH(bool, needLogin);

    const QString path = writePlugin(QStringLiteral("invoke.js"),
                                     QString::fromLatin1(metadata)
                                         + QStringLiteral("function getVideoInformation(u) { %1 }").arg(body));
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    const VideoDefinition definition = plugin.getVideoInformation(QStringLiteral("http://example.org/watch?v=1"));
    QCOMPARE(definition.URL, url == QLatin1String("U") ? QStringLiteral("http://example.org/watch?v=1") : url);
    QCOMPARE(definition.title, title);
    QCOMPARE(definition.extension, extension);
    QCOMPARE(definition.isAudioFile, isAudioFile);
    QCOMPARE(definition.needLogin, needLogin);
}

void TestVideoInformationPlugin::outcomeSaysWhatHappened_data()
{
    using Outcome = VideoInformationPlugin::Outcome;
    QTest::addColumn<QString>("body");  // PAGE: a page nginx serves; DEAD: a closed port
    QTest::addColumn<int>("outcome");
    QTest::newRow("media found") << "return { URL: u };" << int(Outcome::Found);
    QTest::newRow("page read, no media on it")
        << "var p = new Http().downloadWebpage('PAGE'); return { URL: p.indexOf('.mp4') > 0 ? 'x' : '' };"
        << int(Outcome::NoMedia);
    QTest::newRow("page missing on the service")
        << "new Http().downloadWebpage('PAGE-gone'); return { URL: '' };" << int(Outcome::NoMedia);
    QTest::newRow("service unreachable") << "new Http().downloadWebpage('DEAD'); return { URL: '' };"
                                         << int(Outcome::Unreachable);
    QTest::newRow("unreachable, then the script throws")
        << "var p = new Http().downloadWebpage('DEAD'); return p.match(/x/)[0];" << int(Outcome::Unreachable);
    QTest::newRow("script error") << "undefinedFunction();" << int(Outcome::PluginError);
    QTest::newRow("no plugin file") << "" << int(Outcome::PluginError);
}

void TestVideoInformationPlugin::outcomeSaysWhatHappened()
{
    QFETCH(QString, body);
    QFETCH(int, outcome);
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QTemporaryDir root;
    QFile page(root.filePath(QStringLiteral("watch.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body>This video is private.</body></html>");
    page.close();
    NginxFixture nginx;
    QVERIFY2(nginx.start(root.path()), qPrintable(nginx.errorString()));
    body.replace(QLatin1String("PAGE"), nginx.url(QStringLiteral("/watch.html")));
    body.replace(QLatin1String("DEAD"), QStringLiteral("http://127.0.0.1:%1/watch").arg(TestSupport::freeLocalPort()));

    const QString path = body.isEmpty() ? m_dir.filePath(QStringLiteral("absent.js"))
                                        : writePlugin(QStringLiteral("outcome.js"),
                                                      QString::fromLatin1(metadata)
                                                          + QStringLiteral("function getVideoInformation(u) { %1 }").arg(body));
    VideoInformationPlugin plugin(nullptr, path);
    if (outcome == int(VideoInformationPlugin::Outcome::PluginError) && !body.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : ")));
    if (body.contains(QLatin1String("match(")))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : TypeError")));
    plugin.getVideoInformation(QStringLiteral("http://127.0.0.1/watch?v=1"));
    QCOMPARE(int(plugin.lastOutcome()), outcome);
}

void TestVideoInformationPlugin::invalidPluginReturnsDefault()
{
    const QString path = writePlugin(QStringLiteral("invalid.js"),
                                     QStringLiteral("var version='1'; var minVersion='9.0'; var ID='x'; var caption='X';"
                                                    "function RegistVideoService(){}"
                                                    "function getVideoInformation(u) { return { URL: u }; }"));
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(!plugin.isValid());
    QCOMPARE(plugin.getVideoInformation(QStringLiteral("http://x/")), VideoDefinition());
}

void TestVideoInformationPlugin::evaluationErrorIsLoggedAndDefaultReturned()
{
    // Host functions exist only while a video is requested, so this throws
    // then and not at load.
    const QString path = writePlugin(QStringLiteral("throwsonrun.js"),
                                     QString::fromLatin1(metadata)
                                         + QStringLiteral("if (typeof programVersion == 'function') throw new Error('boom');"
                                                          "function getVideoInformation(u) { return { URL: u }; }"));
    VideoInformationPlugin plugin(nullptr, path);
    QVERIFY(plugin.isValid());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : Error: boom")));
    QCOMPARE(plugin.getVideoInformation(QStringLiteral("http://x/")), VideoDefinition());
}

void TestVideoInformationPlugin::thrownErrorInFunctionIsLogged()
{
    const QString path = writePlugin(QStringLiteral("throwsinside.js"),
                                     QString::fromLatin1(metadata)
                                         + QStringLiteral("function getVideoInformation(u) { undefinedFunction(); }"));
    VideoInformationPlugin plugin(nullptr, path);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plugin error : ReferenceError")));
    const VideoDefinition definition = plugin.getVideoInformation(QStringLiteral("http://x/"));
    QVERIFY(definition.URL.isEmpty());
}

void TestVideoInformationPlugin::definitionConversions()
{
    QScriptEngine engine;
    VideoDefinition::registerWith(&engine);
    VideoDefinition definition;
    definition.URL = QStringLiteral("http://m/a.flv");
    definition.title = QStringLiteral("T");
    definition.isAudioFile = true;
    definition.cookies = QStringLiteral("a=1");
    const QScriptValue value = engine.toScriptValue(definition);
    QStringList names;
    QScriptValueIterator it(value);
    while (it.hasNext()) {
        it.next();
        names << it.name();
    }
    QCOMPARE(names, QStringList({"title", "URL", "extension", "isAudioFile", "needLogin", "cookies", "headers",
                                 "userAgent"}));
    QVERIFY(value.property(QStringLiteral("isAudioFile")).isBool());
    QVERIFY(value.property(QStringLiteral("title")).isString());
    QCOMPARE(engine.fromScriptValue<VideoDefinition>(value), definition);
    QCOMPARE(VideoDefinition::fromScriptValue(QScriptValue(QStringLiteral("text"))).extension, QString());
    QCOMPARE(VideoDefinition::fromScriptValue(engine.newObject()).extension, QString());
    QCOMPARE(qMetaTypeId<VideoDefinition>(), QMetaType::type("VideoDefinition"));
}

void TestVideoInformationPlugin::registryLookupAndScriptFunctions()
{
    VideoInformationPluginRegistry registry;
    const QString inner = writePlugin(QStringLiteral("inner.js"),
                                      QString::fromLatin1(metadata)
                                          + QStringLiteral("function getVideoInformation(u) {"
                                                           " return { URL: u + '#inner', extension: '.mp4' }; }"));
    const QString outer = writePlugin(QStringLiteral("outer.js"),
                                      QString::fromLatin1(metadata)
                                          + QStringLiteral("function getVideoInformation(u) {"
                                                           " var r = executePlugin('inner', u);"
                                                           " return { URL: r.URL, title: isPluginInstalled('inner') + ','"
                                                           " + isPluginInstalled('Inner') + ',' + typeof executePlugin('none', u),"
                                                           " extension: r.extension }; }"));
    const QString broken = writePlugin(QStringLiteral("broken.js"), QStringLiteral("var x = ;"));

    auto *innerPlugin = new VideoInformationPlugin(&registry, inner);
    auto *brokenPlugin = new VideoInformationPlugin(&registry, broken);
    VideoInformationPlugin *outerPlugin = registry.load(outer);
    QVERIFY(outerPlugin);
    QCOMPARE(registry.plugins(), QList<VideoInformationPlugin *>({innerPlugin, outerPlugin}));
    delete brokenPlugin; // invalid plugins are not taken over
    QCOMPARE(registry.find(QStringLiteral("inner.js")), innerPlugin);
    QCOMPARE(registry.find(QStringLiteral("Inner.js")), nullptr);
    QCOMPARE(registry.find(QStringLiteral("inner")), nullptr);
    QVERIFY(!registry.load(broken));

    VideoInformationPluginRegistry::setGlobal(&registry);
    const VideoDefinition definition = outerPlugin->getVideoInformation(QStringLiteral("http://v/1"));
    VideoInformationPluginRegistry::setGlobal(nullptr);
    QCOMPARE(definition.URL, QStringLiteral("http://v/1#inner"));
    QCOMPARE(definition.extension, QStringLiteral(".mp4"));
    QCOMPARE(definition.title, QStringLiteral("true,false,undefined"));

    // A plugin destroyed elsewhere leaves the registry.
    delete innerPlugin;
    QCOMPARE(registry.plugins(), QList<VideoInformationPlugin *>({outerPlugin}));
    QCOMPARE(registry.find(QStringLiteral("inner.js")), nullptr);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestVideoInformationPlugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_videoinformationplugin.moc"
