#include <QCoreApplication>
#include <QFile>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QtTest>

#include "applicationinfo.h"
#include "appsettings.h"
#include "apsearchproxytarget.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "enginetestkit.h"
#include "settingsstore.h"
#include "testsupport.h"

namespace {
class RecordingWebPages final : public ApSearchProxyTarget
{
public:
    void applySearchProxy(const QNetworkProxy &proxy) override { proxies.append(proxy); }
    QList<QNetworkProxy> proxies;
};

void clearStore()
{
    SettingsStore s;
    s->clear();
}

EngineTaskInput taskInput(const QString &path, int state = 4)
{
    EngineTaskInput s;
    s.id = 1700000000;
    s.url = QStringLiteral("http://127.0.0.1:9/file.bin");
    s.referer = QStringLiteral("http://127.0.0.1:9/page");
    s.mirrors = QStringList{QStringLiteral("http://127.0.0.1:9/m1"), QStringLiteral("http://127.0.0.1:9/m2")};
    s.urlCount = 3;
    s.savePath = path;
    s.state = state;
    return s;
}
} // namespace

class TstApTvoManager : public QObject
{
    Q_OBJECT
private slots:
    void init() { clearStore(); }

    void userAgentIsDisplayNameAndVersion()
    {
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        QCOMPARE(manager.settingsValues().userAgent,
                 (info.displayName() + QLatin1Char('/') + info.versionText()).toUtf8());
        QVERIFY(!manager.settingsRead());
    }

    void splitBound_data()
    {
        QTest::addColumn<QVariant>("radio");
        QTest::addColumn<QVariant>("maxSplit");
        QTest::addColumn<int>("bound");
        QTest::newRow("automatic") << QVariant() << QVariant() << 4;
        QTest::newRow("custom 10") << QVariant(1) << QVariant(10) << 9;
        QTest::newRow("custom without number") << QVariant(1) << QVariant() << 4;
        QTest::newRow("automatic with number") << QVariant(0) << QVariant(10) << 4;
        QTest::newRow("custom 1") << QVariant(1) << QVariant(1) << 0;
    }

    void splitBound()
    {
        QFETCH(QVariant, radio);
        QFETCH(QVariant, maxSplit);
        QFETCH(int, bound);
        {
            SettingsStore s;
            if (radio.isValid())
                s->setValue(SettingsKeys::MaxSplitNumRadioGroup, radio);
            if (maxSplit.isValid())
                s->setValue(SettingsKeys::MaxSplitNum, maxSplit);
        }
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        const ApTvoSettingsValues v = manager.settingsValues();
        QCOMPARE(v.splitBound, bound);
        QCOMPARE(v.splitThreshold, qint64(2097152));
        QCOMPARE(v.sliceCount, 200);
        QCOMPARE(v.previewThreshold, qint64(1258291));
        QCOMPARE(v.retryCount, 3);
    }

    void readOnceKeepsFirstValues()
    {
        {
            SettingsStore s;
            s->setValue(SettingsKeys::FailureRetryTimes, 5);
        }
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettingsOnce();
        QVERIFY(manager.settingsRead());
        QCOMPARE(manager.settingsValues().retryCount, 5);
        {
            SettingsStore s;
            s->setValue(SettingsKeys::FailureRetryTimes, 7);
        }
        manager.readSettingsOnce();
        QCOMPARE(manager.settingsValues().retryCount, 5);
        manager.readSettings();
        QCOMPARE(manager.settingsValues().retryCount, 7);
    }

    void downloadProxyKeepsAddressWhenSwitchedOff()
    {
        ProxySettings p;
        p.type = ProxySettings::Http;
        p.host = QStringLiteral("proxy.example");
        p.port = 8080;
        p.username = QStringLiteral("u");
        p.password = QStringLiteral("pw");
        AppSettings::setHttpFtpProxy(p);
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        ApTvoSettingsValues v = manager.settingsValues();
        QCOMPARE(v.proxyType, 2);
        QCOMPARE(v.proxyHost, QStringLiteral("proxy.example"));
        QCOMPARE(v.proxyPort, 8080);
        QCOMPARE(v.proxyUser, QStringLiteral("u"));
        QCOMPARE(v.proxyPassword, QStringLiteral("pw"));

        ProxySettings off;
        off.host = QStringLiteral("other.example");
        off.port = 1;
        AppSettings::setHttpFtpProxy(off);
        manager.readProxies();
        v = manager.settingsValues();
        QCOMPARE(v.proxyType, 0);
        QCOMPARE(v.proxyHost, QStringLiteral("proxy.example"));
        QCOMPARE(v.proxyPort, 8080);
    }

    void searchProxyGoesToWebPages_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("kind");
        QTest::newRow("none") << 0 << 0 << int(QNetworkProxy::NoProxy);
        QTest::newRow("socks5") << 1 << 1 << int(QNetworkProxy::Socks5Proxy);
        QTest::newRow("http") << 2 << 1 << int(QNetworkProxy::HttpProxy);
        QTest::newRow("unknown type counts as socks5") << 5 << 1 << int(QNetworkProxy::Socks5Proxy);
    }

    void searchProxyGoesToWebPages()
    {
        QFETCH(int, type);
        QFETCH(int, calls);
        QFETCH(int, kind);
        ProxySettings p;
        p.type = type;
        p.host = QStringLiteral("search.example");
        p.port = 1080;
        p.username = QStringLiteral("su");
        p.password = QStringLiteral("sp");
        AppSettings::setSearchProxy(p);
        RecordingWebPages pages;
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info, &pages);
        manager.readSettings();
        QCOMPARE(pages.proxies.size(), calls);
        if (calls) {
            const QNetworkProxy &proxy = pages.proxies.constFirst();
            QCOMPARE(int(proxy.type()), kind);
            QCOMPARE(proxy.hostName(), QStringLiteral("search.example"));
            QCOMPARE(proxy.port(), quint16(1080));
            QCOMPARE(proxy.user(), QStringLiteral("su"));
            QCOMPARE(proxy.password(), QStringLiteral("sp"));
        }
    }

    void searchProxySwitchedOffLeavesPagesAlone()
    {
        ProxySettings p;
        p.type = ProxySettings::Socks5;
        p.host = QStringLiteral("search.example");
        AppSettings::setSearchProxy(p);
        RecordingWebPages pages;
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info, &pages);
        manager.readSettings();
        QCOMPARE(pages.proxies.size(), 1);
        p.type = ProxySettings::NoProxy;
        AppSettings::setSearchProxy(p);
        manager.readProxies();
        QCOMPARE(pages.proxies.size(), 1);
    }

    void addTaskFillsRecord()
    {
        QTemporaryDir dir;
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        ApTvoDownloadTaskThread *t = manager.addTask(taskInput(dir.filePath(QStringLiteral("clip.mp4"))), false);
        QVERIFY(t);
        const ApTvoTask &r = t->task();
        QCOMPARE(r.id, qint64(1700000000));
        QCOMPARE(r.url, QStringLiteral("http://127.0.0.1:9/file.bin"));
        QCOMPARE(r.referer, QStringLiteral("http://127.0.0.1:9/page"));
        QCOMPARE(r.mirrors.size(), 2);
        QCOMPARE(r.urlCount, 3);
        QCOMPARE(r.state.load(), 4);
        QCOMPARE(r.storedState, 4);
        QCOMPARE(r.sizeUnknown.load(), 1);
        QCOMPARE(r.total.load(), qint64(0));
        QCOMPARE(r.protocol, int(ApTvoTask::Http));
        QVERIFY(r.mediaFlag);
        QCOMPARE(r.settings, &manager.settings());
        QCOMPARE(r.thread, t);
        QVERIFY(!t->isRunning());
        QCOMPARE(t->manager(), &manager);
        QCOMPARE(t->applicationInfo(), &info);

        ApTvoDownloadTaskThread *other =
            manager.addTask(taskInput(dir.filePath(QStringLiteral("notes.txt"))), false);
        QVERIFY(!other->task().mediaFlag);
    }

    void tableIsKeyedByNativePath()
    {
        QTemporaryDir dir;
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        const QString path = dir.filePath(QStringLiteral("a.bin"));
        ApTvoDownloadTaskThread *first = manager.addTask(taskInput(path), false);
        QCOMPARE(manager.findTask(path), first);
        QCOMPARE(manager.findTask(QDir::toNativeSeparators(path)), first);
        QVERIFY(!manager.findTask(dir.filePath(QStringLiteral("b.bin"))));

        ApTvoDownloadTaskThread *second = manager.addTask(taskInput(path), false);
        QVERIFY(second != first);
        QCOMPARE(manager.findTask(path), second);
        QCOMPARE(manager.taskCount(), 1);
        QCOMPARE(manager.taskPaths(), QStringList{QDir::toNativeSeparators(path)});
    }

    void threadOperations()
    {
        QTemporaryDir dir;
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        ApTvoDownloadTaskThread *t = manager.addTask(taskInput(dir.filePath(QStringLiteral("x.bin"))), false);
        t->stopTask();   // not running: returns at once
        t->setEngineState(3);
        QCOMPARE(t->task().state.load(), 3);
        t->setFailedConnections(-1);
        QCOMPARE(t->task().failedConnections.load(), -1);
        t->task().countFailedConnection();
        QCOMPARE(t->task().failedConnections.load(), 1);
        t->setDeleteFile(true);
        QVERIFY(t->deleteFile());
    }

    void removeTask_data()
    {
        QTest::addColumn<bool>("deleteFile");
        QTest::newRow("keep file") << false;
        QTest::newRow("delete file") << true;
    }

    void removeTask()
    {
        QFETCH(bool, deleteFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone.bin"));
        QVERIFY(EngineTestKit::writeRandomFile(path, 1000, 1));
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        ApTvoDownloadTaskThread *t = manager.addTask(taskInput(path), false);
        t->setDeleteFile(deleteFile);
        QVERIFY(manager.removeTask(path));
        QVERIFY(!manager.findTask(path));
        QCOMPARE(QFile::exists(path), !deleteFile);
        QVERIFY(!manager.removeTask(path));
    }
};

ENGINE_TEST_MAIN(TstApTvoManager)
#include "tst_aptvomanager.moc"
