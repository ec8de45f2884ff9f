#include <QtTest>
#include <QSharedMemory>

#include <cstring>
#include <memory>

#include "applicationinfo.h"
#include "mainwindow.h"
#include "testsupport.h"
#include "updatecheck.h"

// What the main window starts on its own when it opens.
class TestMainWindowStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placeholderAddress_data();
    void placeholderAddress();
    void automaticUpdateCheck_data();
    void automaticUpdateCheck();
};

void TestMainWindowStartup::initTestCase()
{
    TestSupport::isolateUserFolders();
}

void TestMainWindowStartup::placeholderAddress_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("built-in") << "http://www.zantor.example.com" << true;
    QTest::newRow("bare example domain") << "https://example.org/" << true;
    QTest::newRow("upper case") << "HTTP://WWW.EXAMPLE.NET" << true;
    QTest::newRow("invalid domain") << "http://site.invalid" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("real site") << "http://www.zantor.com" << false;
    QTest::newRow("look-alike") << "http://notexample.com" << false;
    QTest::newRow("loopback") << "http://127.0.0.1:9" << false;
}

void TestMainWindowStartup::placeholderAddress()
{
    QFETCH(QString, url);
    QFETCH(bool, placeholder);
    QCOMPARE(ApplicationInfo::isPlaceholderUrl(url), placeholder);
}

void TestMainWindowStartup::automaticUpdateCheck_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<bool>("started");
    QTest::newRow("placeholder home address") << "http://www.zantor.example.com" << false;
    QTest::newRow("configured home address") << "http://127.0.0.1:9" << true;
}

void TestMainWindowStartup::automaticUpdateCheck()
{
    QFETCH(QString, home);
    QFETCH(bool, started);

    // A started check holds the notification segment with -1 until the
    // updater answers; there is no updater beside the test, so it stays.
    const QString key = UpdateNotify::segmentKey(QCoreApplication::applicationDirPath());
    const QByteArray oldHome = qgetenv("ZANTOR_HOME_URL");
    qputenv("ZANTOR_HOME_URL", home.toUtf8());
    auto window = std::make_unique<MainWindow>(nullptr, 10);
    qputenv("ZANTOR_HOME_URL", oldHome);

    QSharedMemory segment(key);
    const auto attached = [&] {
        if (!segment.isAttached())
            segment.attach(QSharedMemory::ReadOnly);
        return segment.isAttached();
    };
    if (started) {
        QTRY_VERIFY_WITH_TIMEOUT(attached(), 10000);
        qint32 value = 0;
        segment.lock();
        std::memcpy(&value, segment.constData(), sizeof value);
        segment.unlock();
        QCOMPARE(value, -1);
        segment.detach();
    } else {
        // Far more than the loop needs to start a check at this tick.
        QTest::qWait(1500);
        QVERIFY(!attached());
    }
    window.reset();
}

QTEST_MAIN(TestMainWindowStartup)
#include "tst_mainwindowstartup.moc"
