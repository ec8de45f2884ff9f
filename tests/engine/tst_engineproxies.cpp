#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "applicationinfo.h"
#include "appsettings.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "enginetestkit.h"
#include "failurereason.h"
#include "settingsstore.h"
#include "testsupport.h"

using namespace EngineTestKit;

namespace {
constexpr qint64 MiB = 1024 * 1024;

// A proxy program from the system, run on a loopback port for one test.
class ProxyProcess final
{
public:
    ~ProxyProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000)) {
                m_process.kill();
                m_process.waitForFinished(2000);
            }
        }
    }
    bool start(const QString &program, const QStringList &args, quint16 port)
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        startServerProcess(m_process, program, args);
        return m_process.waitForStarted(5000) && waitForPort(port);
    }
    QString output() { return QString::fromUtf8(m_process.readAll()); }

private:
    QProcess m_process;
};
} // namespace

// Downloads through real SOCKS5 and HTTP proxies on loopback.
class TstEngineProxies : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void throughSocks5_data();
    void throughSocks5();
    void throughHttpProxy_data();
    void throughHttpProxy();
    void unusableProxyNeverGoesDirect_data();
    void unusableProxyNeverGoesDirect();
    void retryKeepsTheProxy_data();
    void retryKeepsTheProxy();

private:
    ApTvoDownloadTaskThread *download(ApTvoManager &manager, const QString &name, bool start = true);
    // tinyproxy on a free loopback port, its configuration in dir.
    bool startTinyproxy(ProxyProcess &proxy, const QTemporaryDir &dir, quint16 port);

    QTemporaryDir m_root;
    QTemporaryDir m_out;
    LocalNginx m_nginx;
    ApplicationInfo m_info;
    QByteArray m_sha1;
};

void TstEngineProxies::initTestCase()
{
    QVERIFY(writeRandomFile(m_root.filePath(QStringLiteral("f.bin")), 8 * MiB, 21));
    m_sha1 = sha1OfFile(m_root.filePath(QStringLiteral("f.bin")));
    if (!m_nginx.start(m_root.path()))
        QFAIL(qPrintable(QStringLiteral("nginx did not start: ") + m_nginx.error()));
}

void TstEngineProxies::init()
{
    SettingsStore s;
    s->clear();
}

ApTvoDownloadTaskThread *TstEngineProxies::download(ApTvoManager &manager, const QString &name, bool start)
{
    EngineTaskInput input;
    input.id = 7;
    input.url = m_nginx.url(QStringLiteral("/f.bin"));
    input.savePath = m_out.filePath(name);
    input.state = start ? 0 : 4;
    return manager.addTask(input, start);
}

bool TstEngineProxies::startTinyproxy(ProxyProcess &proxy, const QTemporaryDir &dir, quint16 port)
{
    const QString conf = dir.filePath(QStringLiteral("tinyproxy.conf"));
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nAllow 127.0.0.1\n"
                           "MaxClients 50\nLogLevel Error\nPidFile \"%2/tinyproxy.pid\"\n")
                .arg(port).arg(dir.path()).toUtf8());
    f.close();
    return proxy.start(TestSupport::findProgram(QStringLiteral("tinyproxy")),
                       {QStringLiteral("-d"), QStringLiteral("-c"), conf}, port);
}

void TstEngineProxies::throughSocks5_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("right credentials") << QStringLiteral("s3cret") << true;
    QTest::newRow("wrong password") << QStringLiteral("wrong") << false;
}

void TstEngineProxies::throughSocks5()
{
    QFETCH(QString, password);
    QFETCH(bool, succeeds);
    const QString microsocks = TestSupport::findProgram(QStringLiteral("microsocks"));
    if (microsocks.isEmpty())
        QSKIP("microsocks is not installed (scripts/install-deps installs it)");
    const quint16 port = TestSupport::freeLocalPort();
    ProxyProcess proxy;
    QVERIFY(proxy.start(microsocks, {QStringLiteral("-i"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                                     QString::number(port), QStringLiteral("-u"), QStringLiteral("zantor"),
                                     QStringLiteral("-P"), QStringLiteral("s3cret")},
                        port));
    ProxySettings p;
    p.type = ProxySettings::Socks5;
    p.host = QStringLiteral("127.0.0.1");
    p.port = port;
    p.username = QStringLiteral("zantor");
    p.password = password;
    AppSettings::setHttpFtpProxy(p);
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t = download(manager, QStringLiteral("socks-%1.bin").arg(succeeds));
    if (succeeds) {
        QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 60000);
        QCOMPARE(sha1OfFile(t->task().savePath), m_sha1);
        QCOMPARE(connectionsUsed(t), 4);
    } else {
        // Refused by the proxy: the download never reaches the server.
        QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
        QCOMPARE(t->task().completed.load(), qint64(0));
    }
    t->stopTask();
}

void TstEngineProxies::throughHttpProxy_data()
{
    QTest::addColumn<bool>("running");
    QTest::newRow("proxy running") << true;
    QTest::newRow("proxy not listening") << false;
}

void TstEngineProxies::throughHttpProxy()
{
    QFETCH(bool, running);
    const QString tinyproxy = TestSupport::findProgram(QStringLiteral("tinyproxy"));
    if (tinyproxy.isEmpty())
        QSKIP("tinyproxy is not installed (scripts/install-deps installs it)");
    const quint16 port = TestSupport::freeLocalPort();
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("tinyproxy.conf"));
    {
        QFile f(conf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nAllow 127.0.0.1\n"
                               "MaxClients 50\nLogLevel Error\nPidFile \"%2/tinyproxy.pid\"\n")
                    .arg(port).arg(dir.path()).toUtf8());
    }
    ProxyProcess proxy;
    if (running)
        QVERIFY2(proxy.start(tinyproxy, {QStringLiteral("-d"), QStringLiteral("-c"), conf}, port),
                 qPrintable(proxy.output()));
    ProxySettings p;
    p.type = ProxySettings::Http;
    p.host = QStringLiteral("127.0.0.1");
    p.port = port;
    AppSettings::setHttpFtpProxy(p);
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    const int before = m_nginx.accessLog().size();
    ApTvoDownloadTaskThread *t = download(manager, QStringLiteral("http-%1.bin").arg(running));
    if (running) {
        QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 60000);
        QCOMPARE(sha1OfFile(t->task().savePath), m_sha1);
        // nginx saw the requests arrive through the proxy.
        QTRY_VERIFY(m_nginx.accessLog().size() >= before + 4);
        const QStringList log = m_nginx.accessLog().mid(before);
        for (const QString &line : log)
            QVERIFY2(line.contains(QLatin1String("tinyproxy")), qPrintable(line));
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
        QCOMPARE(m_nginx.accessLog().size(), before);
    }
    t->stopTask();
}

void TstEngineProxies::unusableProxyNeverGoesDirect_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("retry");
    QTest::newRow("HTTP proxy without a host") << int(ProxySettings::Http) << QString() << false;
    QTest::newRow("SOCKS5 proxy of blanks") << int(ProxySettings::Socks5) << QStringLiteral("  ") << false;
    QTest::newRow("HTTP proxy written as socks4://") << int(ProxySettings::Http)
                                                      << QStringLiteral("socks4://127.0.0.1") << false;
    QTest::newRow("SOCKS5 proxy written as http://") << int(ProxySettings::Socks5)
                                                      << QStringLiteral("http://127.0.0.1") << false;
    QTest::newRow("HTTP proxy without a host, retry") << int(ProxySettings::Http) << QString() << true;
}

// A download the user routed through a proxy fails with a reason when the
// proxy cannot be used; it never reaches the server directly, also not on
// the single-stream retry.
void TstEngineProxies::unusableProxyNeverGoesDirect()
{
    QFETCH(int, type);
    QFETCH(QString, host);
    QFETCH(bool, retry);
    ProxySettings p;
    p.type = ProxySettings::Type(type);
    p.host = host;
    p.port = TestSupport::freeLocalPort();
    AppSettings::setHttpFtpProxy(p);
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    // The host as stored may differ from the one written (trimmed).
    manager.settings().update([&](ApTvoSettingsValues &v) { v.proxyHost = host; });
    const int before = m_nginx.accessLog().size();
    ApTvoDownloadTaskThread *t = download(manager, QStringLiteral("unusable-%1-%2.bin").arg(type).arg(retry), false);
    if (retry)
        t->setFailedConnections(-1);
    t->startTask();
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QCOMPARE(t->task().failureReason(), FailureReason::proxyUnusable());
    QTest::qWait(300);
    QCOMPARE(m_nginx.accessLog().size(), before);
    QCOMPARE(t->task().completed.load(), qint64(0));
    t->stopTask();
}

void TstEngineProxies::retryKeepsTheProxy_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("plain host") << QStringLiteral("127.0.0.1");
    QTest::newRow("host written with http://") << QStringLiteral("http://127.0.0.1");
}

// The single-stream retry goes through the same HTTP proxy as the split
// download; a scheme that names the chosen type is accepted.
void TstEngineProxies::retryKeepsTheProxy()
{
    QFETCH(QString, host);
    if (TestSupport::findProgram(QStringLiteral("tinyproxy")).isEmpty())
        QSKIP("tinyproxy is not installed (scripts/install-deps installs it)");
    const quint16 port = TestSupport::freeLocalPort();
    QTemporaryDir dir;
    ProxyProcess proxy;
    QVERIFY(startTinyproxy(proxy, dir, port));
    ProxySettings p;
    p.type = ProxySettings::Http;
    p.host = host;
    p.port = port;
    AppSettings::setHttpFtpProxy(p);
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    const int before = m_nginx.accessLog().size();
    ApTvoDownloadTaskThread *t = download(manager, QStringLiteral("retry-proxy-%1.bin").arg(host.size()), false);
    t->setFailedConnections(-1);
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 60000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1);
    QTRY_VERIFY(m_nginx.accessLog().size() > before);
    const QStringList log = m_nginx.accessLog().mid(before);
    for (const QString &line : log)
        QVERIFY2(line.contains(QLatin1String("tinyproxy")), qPrintable(line));
    t->stopTask();
}

ENGINE_TEST_MAIN(TstEngineProxies)
#include "tst_engineproxies.moc"
