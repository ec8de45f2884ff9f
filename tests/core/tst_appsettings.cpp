#include <QFileInfo>
#include <QTest>

#include "appsettings.h"
#include "settingsservice.h"
#include "settingsstore.h"
#include "testsupport.h"

#include <sys/stat.h>

namespace K = SettingsKeys;

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application)); }

    void emptyStoreGivesDefaults()
    {
        QVERIFY(AppSettings::autoStartupFlag());
        QVERIFY(AppSettings::autoUpdateFlag());
        QVERIFY(AppSettings::minToTrayFlag());
        QVERIFY(AppSettings::completionPopupDialogFlag());
        QVERIFY(AppSettings::showFloatingWindowFlag());
        QVERIFY(AppSettings::showFloatingWindowExact());
        QVERIFY(AppSettings::monitorClipboardFlag());
        QVERIFY(!AppSettings::virusScanFlag());
        QCOMPARE(AppSettings::maxSplitNumRadioGroup(), 0);
        QCOMPARE(AppSettings::splitBound(), 4);
        QCOMPARE(AppSettings::failureRetryTimes(), 3);
        QCOMPARE(AppSettings::speedPanelBandwidth(), 300);
        QCOMPARE(AppSettings::speedPanelBandwidthBytes(), qint64(300000));
        QCOMPARE(AppSettings::maxSplitNum(), 6);
        QCOMPARE(AppSettings::toolbarSearchMaxNum(), 30);
        QCOMPARE(AppSettings::floatingWindowPosition(1920), QPoint(1700, 120));
        QVERIFY(AppSettings::mainWindowGeometry().isNull());
        QCOMPARE(AppSettings::mainSplitterSizes(), QStringList({QString(), QString()}));
        QVERIFY(AppSettings::downloadedTo().endsWith(QLatin1String("/Zantor/downloads")));
        QVERIFY(AppSettings::monitorClipboardFileTypes().startsWith(QLatin1String(".exe;.bin;.zip;")));
        QVERIFY(AppSettings::monitorClipboardFileTypes().endsWith(QLatin1String(";.wav;.jar")));

        const ProxySettings proxy = AppSettings::httpFtpProxy();
        QCOMPARE(proxy.type, 0);
        QCOMPARE(proxy.port, 3128);
        QVERIFY(proxy.host.isEmpty());
    }

    void flagRule_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("exactOn");
        QTest::newRow("0") << QVariant(0) << false << false;
        QTest::newRow("1") << QVariant(1) << true << true;
        QTest::newRow("2") << QVariant(2) << true << false;
        QTest::newRow("-1") << QVariant(-1) << true << false;
        QTest::newRow("text") << QVariant(QStringLiteral("yes")) << false << false;
    }

    void flagRule()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, on);
        QFETCH(bool, exactOn);
        {
            SettingsStore s;
            s->setValue(K::MinToTrayFlag, stored);
            s->setValue(K::ShowFloatingWindowFlag, stored);
            s->setValue(K::VirusScanFlag, stored);
        }
        QCOMPARE(AppSettings::minToTrayFlag(), on);
        QCOMPARE(AppSettings::showFloatingWindowFlag(), on);
        QCOMPARE(AppSettings::showFloatingWindowExact(), exactOn);
        // The scanner runs only for an explicit 1.
        QCOMPARE(AppSettings::virusScanFlag(), exactOn);
    }

    void setFlagWritesOneOrZero()
    {
        AppSettings::setFlag(K::MonitorClipboardFlag, false);
        {
            SettingsStore s;
            QCOMPARE(s->value(K::MonitorClipboardFlag).toInt(), 0);
        }
        QVERIFY(!AppSettings::monitorClipboardFlag());
        AppSettings::setFlag(K::MonitorClipboardFlag, true);
        SettingsStore s;
        QCOMPARE(s->value(K::MonitorClipboardFlag).toInt(), 1);
    }

    void missingLanguageWrittenBackAsNull()
    {
        QCOMPARE(AppSettings::language(), QStringLiteral("null"));
        {
            SettingsStore s;
            QVERIFY(!s->contains(K::Language));
        }
        QCOMPARE(AppSettings::ensureLanguage(), QStringLiteral("null"));
        {
            SettingsStore s;
            QCOMPARE(s->value(K::Language).toString(), QStringLiteral("null"));
        }
        AppSettings::setLanguage(QStringLiteral("german"));
        QCOMPARE(AppSettings::ensureLanguage(), QStringLiteral("german"));
    }

    void splitBoundFollowsCustomChoice()
    {
        {
            SettingsStore s;
            s->setValue(K::MaxSplitNumRadioGroup, 1);
        }
        QCOMPARE(AppSettings::splitBound(), 4);  // custom chosen but no count stored
        {
            SettingsStore s;
            s->setValue(K::MaxSplitNum, 10);
        }
        QCOMPARE(AppSettings::splitBound(), 9);
        {
            SettingsStore s;
            s->setValue(K::MaxSplitNumRadioGroup, 0);
        }
        QCOMPARE(AppSettings::splitBound(), 4);
    }

    void generalPageSaveAndReset()
    {
        GeneralSettings g;
        g.autoStartup = false;
        g.minToTray = false;
        g.speedPanelBandwidth = 500;
        g.downloadedTo = QStringLiteral("/tmp/somewhere");
        g.customSplit = true;
        g.maxSplitNum = 8;
        g.failureRetryTimes = 5;
        g.monitorClipboardFileTypes = QStringLiteral(".zip");
        AppSettings::saveGeneralPage(g);
        {
            SettingsStore s;
            s->setValue(K::SpeedOptimizationFlag, 1);
            s->setValue(K::ScheduleTaskOption, 2);
        }
        const GeneralSettings back = AppSettings::readGeneralPage();
        QCOMPARE(back.autoStartup, false);
        QCOMPARE(back.minToTray, false);
        QCOMPARE(back.speedPanelBandwidth, 500);
        QCOMPARE(back.downloadedTo, QStringLiteral("/tmp/somewhere"));
        QCOMPARE(back.customSplit, true);
        QCOMPARE(AppSettings::splitBound(), 7);
        QCOMPARE(back.failureRetryTimes, 5);

        // An automatic split writes 0 and leaves the custom count alone.
        g.customSplit = false;
        g.maxSplitNum = 3;
        AppSettings::saveGeneralPage(g);
        QCOMPARE(AppSettings::maxSplitNumRadioGroup(), 0);
        QCOMPARE(AppSettings::maxSplitNum(), 8);

        AppSettings::resetGeneralPage();
        SettingsStore s;
        QVERIFY(!s->contains(K::AutoStartupFlag));
        QVERIFY(!s->contains(K::SpeedOptimizationFlag));
        QVERIFY(!s->contains(K::MaxSplitNum));
        QVERIFY(!s->contains(K::FailureRetryTimes));
        QVERIFY(s->contains(K::ScheduleTaskOption));  // not a key of the page
    }

    void proxyAndVirusPagesResetOnlyTheirGroups()
    {
        ProxySettings search;
        search.type = ProxySettings::Socks5;
        search.host = QStringLiteral("127.0.0.1");
        search.port = 1080;
        search.username = QStringLiteral("u");
        search.password = QStringLiteral("p w");
        ProxySettings http;
        http.type = ProxySettings::Http;
        http.host = QStringLiteral("proxy.local");
        AppSettings::saveProxyPage(search, http);
        AppSettings::saveVirusScanPage(true, QStringLiteral("/usr/bin/clamscan"), QStringLiteral("--no-summary -i"));
        QCOMPARE(AppSettings::searchProxy(), search);
        QCOMPARE(AppSettings::httpFtpProxy(), http);
        QVERIFY(AppSettings::virusScanFlag());
        QCOMPARE(AppSettings::virusScanProgramArgs(), QStringLiteral("--no-summary -i"));

        AppSettings::resetProxyPage();
        QCOMPARE(AppSettings::searchProxy(), ProxySettings());
        QVERIFY(AppSettings::virusScanFlag());
        AppSettings::resetVirusScanPage();
        QVERIFY(!AppSettings::virusScanFlag());
        QVERIFY(AppSettings::virusScanProgramPath().isEmpty());
    }

    void storeFileIsPrivate()
    {
        const QString path = SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application);
        QVERIFY(path.endsWith(QLatin1String("/Zantor/zantor.conf")));
        AppSettings::setHttpFtpProxy(ProxySettings{ProxySettings::Http, QStringLiteral("h"), 1, QStringLiteral("u"),
                                                   QStringLiteral("secret")});
        // Writes reach the disk in the background; wait for this one.
        QVERIFY(SettingsService::main().flush());
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);

        // A file that someone loosened is tightened again by the next write.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        AppSettings::setLanguage(QStringLiteral("english"));
        QVERIFY(SettingsService::main().flush());
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
    }

    void nativeStoreSeesTheSameFile()
    {
        // Other programs of the suite open the store as QSettings(org, app).
        // (once the background write has happened, within about a second).
        AppSettings::setLanguage(QStringLiteral("french"));
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(QStringLiteral("Zantor"), QStringLiteral("zantor")).value(K::Language).toString(),
                                  QStringLiteral("french"), 10000);
    }
};

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestAppSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appsettings.moc"
