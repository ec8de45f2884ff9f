#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSharedMemory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include "appluginupdater.h"
#include "apupdatehttp.h"
#include "nginxfixture.h"
#include "testsupport.h"
#include "updatecheck.h"
#include "updatermainwindow.h"

namespace {

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray manifest(int version)
{
    return "<?xml version=\"1.0\"?>\n<Updates><Note/><Product Name=\"Zantor\" Version=\"" + QByteArray::number(version)
        + "\"/><Product Version=\"999\"/></Updates>\n";
}

qint32 readSegment(QSharedMemory &segment)
{
    qint32 v;
    segment.lock();
    std::memcpy(&v, segment.constData(), sizeof v);
    segment.unlock();
    return v;
}

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    NginxFixture m_nginx;
    QString m_manifestPath = QStringLiteral("/tvo/z_tvo_z/zantor/update/linux/update.tvoxml");

    QString manifestUrl() { return m_nginx.url(m_manifestPath); }

private slots:
    void initTestCase()
    {
        writeFile(m_root.filePath(m_manifestPath.mid(1)), manifest(150));
        writeFile(m_root.filePath(QStringLiteral("same.tvoxml")), manifest(144));
        writeFile(m_root.filePath(QStringLiteral("broken.tvoxml")), "this is not xml");
        // Valid XML, but larger than any manifest may be.
        writeFile(m_root.filePath(QStringLiteral("huge.tvoxml")),
                  manifest(150).replace("<Note/>", "<Note>" + QByteArray(2 * 1024 * 1024, 'x') + "</Note>"));
        QVERIFY2(m_nginx.start(m_root.path(),
                               QStringLiteral("location = /moved.tvoxml { return 301 /same.tvoxml; }\n"
                                              "location = /found.tvoxml { return 302 /same.tvoxml; }\n"
                                              "location = /other.tvoxml { return 307 /same.tvoxml; }\n"
                                              "location = /seeother.tvoxml { return 303 /same.tvoxml; }\n"
                                              "location = /error.tvoxml { return 500; }\n")),
                 "nginx could not be started");
    }

    void manifestVersion_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("version");
        QTest::newRow("first product") << manifest(150) << 150;
        QTest::newRow("not xml") << QByteArray("garbage") << 0;
        QTest::newRow("no product") << QByteArray("<a><b Version=\"5\"/></a>") << 0;
        QTest::newRow("no version") << QByteArray("<a><Product/></a>") << 0;
        QTest::newRow("non-numeric") << QByteArray("<a><Product Version=\"1.4.5\"/></a>") << 0;
        QTest::newRow("grandchild only") << QByteArray("<a><x><Product Version=\"7\"/></x></a>") << 0;
        QTest::newRow("any root name") << QByteArray("<root><Product Version=\"145\"/></root>") << 145;
    }
    void manifestVersion()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, version);
        QCOMPARE(ApPluginUpdater::manifestVersion(xml), version);
    }

    void requestSendsOnlyThePath()
    {
        const QUrl url = ApUpdateHttp::requestUrl(QUrl(QStringLiteral("HTTPS://u:p@h.example:81/a b/c.xml?q=1#f")));
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.port(), 81);
        QCOMPARE(url.userName(), QStringLiteral("u"));
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
        QCOMPARE(url.path(), QStringLiteral("/a b/c.xml"));
        QCOMPARE(ApUpdateHttp::requestUrl(QUrl(QStringLiteral("http://h"))).path(), QStringLiteral("/"));
    }

    void acceptedStatuses()
    {
        for (int s : {200, 301, 302, 303, 307})
            QVERIFY(ApUpdateHttp::isAcceptedStatus(s));
        for (int s : {201, 204, 304, 308, 404, 500})
            QVERIFY(!ApUpdateHttp::isAcceptedStatus(s));
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("release");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("equal") << "/same.tvoxml" << 144 << -1 << "none";
        QTest::newRow("older manifest") << "/same.tvoxml" << 150 << -1 << "none";
        QTest::newRow("newer, OK") << m_manifestPath << 144 << 0 << "has";
        QTest::newRow("newer, cancel") << m_manifestPath << 144 << 1 << "cancelled";
        QTest::newRow("not xml") << "/broken.tvoxml" << 144 << -1 << "none";
        QTest::newRow("301 is no error") << "/moved.tvoxml" << 144 << -1 << "none";
        QTest::newRow("302 is no error") << "/found.tvoxml" << 144 << -1 << "none";
        QTest::newRow("303 is no error") << "/seeother.tvoxml" << 144 << -1 << "none";
        QTest::newRow("307 is no error") << "/other.tvoxml" << 144 << -1 << "none";
        QTest::newRow("404") << "/missing.tvoxml" << 144 << -1 << "error:Request failed: Not Found";
        QTest::newRow("500") << "/error.tvoxml" << 144 << -1 << "error:Request failed: Internal Server Error";
    }

    void outcomes()
    {
        QFETCH(QString, path);
        QFETCH(int, release);
        QFETCH(int, answer);
        QFETCH(QString, outcome);

        ApPluginUpdater updater;
        QStringList asked;
        QList<QUrl> opened;
        updater.setAsker([&](const QString &text) { asked << text; return answer; });
        updater.setUrlOpener([&](const QUrl &url) { opened << url; return true; });
        updater.setHomeUrl(QStringLiteral("http://site.invalid"));

        QStringList seen;
        connect(&updater, &ApPluginUpdater::noPluginUpdate, [&] { seen << QStringLiteral("none"); });
        connect(&updater, &ApPluginUpdater::hasPluginUpdate, [&] { seen << QStringLiteral("has"); });
        connect(&updater, &ApPluginUpdater::pluginUpdateCancelled, [&] { seen << QStringLiteral("cancelled"); });
        connect(updater.http(), &ApUpdateHttp::errorMessageSignal,
                [&](QString &message) { seen << QStringLiteral("error:") + message; });

        updater.start(QStringLiteral("Zantor"), m_nginx.url(path), release);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 1, 10000);
        QTest::qWait(100);  // nothing else may follow
        QCOMPARE(seen, QStringList{outcome});
        QCOMPARE(asked.size(), answer >= 0 ? 1 : 0);
        if (answer >= 0)
            QCOMPARE(asked.first(), QStringLiteral("An update package is available to download, do you want to continue?"));
        QCOMPARE(opened.size(), answer == 0 ? 1 : 0);
        if (answer == 0)
            QCOMPARE(opened.first(), QUrl(QStringLiteral("http://site.invalid/products/zantor.html")));
    }

    void unreachableServerIsAnError()
    {
        ApPluginUpdater updater;
        QStringList errors;
        connect(updater.http(), &ApUpdateHttp::errorMessageSignal, [&](QString &m) { errors << m; });
        updater.start(QStringLiteral("Zantor"),
                      QStringLiteral("http://127.0.0.1:%1/u.tvoxml").arg(TestSupport::freeLocalPort()), 144);
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 10000);
        QVERIFY(errors.first().startsWith(QLatin1String("Download failed: ")));
        QVERIFY(errors.first().endsWith(QLatin1Char('.')));
    }

    // A server that accepts and never answers, and one that sends too much:
    // both end in the failure status instead of a check that never ends.
    void boundedRequest_data()
    {
        QTest::addColumn<QString>("path");  // empty: the silent server
        QTest::addColumn<QString>("error");
        QTest::newRow("silent server") << "" << "Download failed: the server did not answer.";
        QTest::newRow("too large") << "/huge.tvoxml" << "Download failed: the manifest is too large.";
    }
    void boundedRequest()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        ApPluginUpdater updater;
        updater.http()->setInactivityTimeout(1000);
        QStringList seen;
        connect(&updater, &ApPluginUpdater::noPluginUpdate, [&] { seen << QStringLiteral("none"); });
        connect(&updater, &ApPluginUpdater::hasPluginUpdate, [&] { seen << QStringLiteral("has"); });
        connect(updater.http(), &ApUpdateHttp::errorMessageSignal, [&](QString &m) { seen << m; });
        updater.setAsker([](const QString &) { return 1; });
        const QString url = path.isEmpty() ? QStringLiteral("http://127.0.0.1:%1/u.tvoxml").arg(silent.serverPort())
                                           : m_nginx.url(path);
        updater.start(QStringLiteral("Zantor"), url, 144);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 1, 15000);
        QTest::qWait(200);
        QCOMPARE(seen, QStringList{error});
    }

    // The real program with its own 30-second bound: the main program gets
    // the failure status instead of waiting for ever.
    void realProgramAgainstSilentServer()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString program = TestSupport::binDir() + QStringLiteral("/updater");
        ApUpdateCheck check(UpdateNotify::segmentKey(TestSupport::binDir()));
        QVERIFY(check.start());
        QProcess updater;
        updater.setProcessChannelMode(QProcess::ForwardedChannels);
        updater.start(program, {QStringLiteral("Zantor"),
                                QStringLiteral("http://127.0.0.1:%1/u.tvoxml").arg(silent.serverPort()),
                                QStringLiteral("144")});
        const bool ended = updater.waitForFinished(60000);
        if (!ended) {
            updater.kill();
            updater.waitForFinished(5000);
        }
        QVERIFY(ended);
        QCOMPARE(check.poll(), 3);
    }

    void windowReportsThroughTheSegment_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("status");
        QTest::newRow("OK") << 0 << 1;
        QTest::newRow("Cancel") << 1 << 2;
    }

    void windowReportsThroughTheSegment()
    {
        QFETCH(int, answer);
        QFETCH(int, status);
        const QString key = UpdateNotify::segmentKey(m_root.path() + QStringLiteral("/win") + QString::number(answer));
        ApUpdateCheck check(key);
        QVERIFY(check.start());

        Updater::MainWindow window(key);
        window.updater()->setAsker([&](const QString &) { return answer; });
        window.updater()->setUrlOpener([](const QUrl &) { return true; });
        QSignalSpy reported(&window, &Updater::MainWindow::reported);
        window.startCheck(QStringLiteral("Zantor"), manifestUrl(), 144);
        QTRY_COMPARE_WITH_TIMEOUT(reported.count(), 1, 10000);
        QCOMPARE(reported.first().first().toInt(), status);
        QVERIFY(!window.isVisible());
        QCOMPARE(check.poll(), status);
    }

    // The real program, as the main program starts it.
    void realProgram_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("status");
        QTest::newRow("equal") << "/same.tvoxml" << 0;
        QTest::newRow("redirect") << "/moved.tvoxml" << 0;
        QTest::newRow("404") << "/missing.tvoxml" << 3;
        QTest::newRow("unreachable") << "" << 3;
    }

    void realProgram()
    {
        QFETCH(QString, url);
        QFETCH(int, status);
        const QString program = TestSupport::binDir() + QStringLiteral("/updater");
        QVERIFY(QFile::exists(program));
        const QString full = url.isEmpty()
            ? QStringLiteral("http://127.0.0.1:%1/u.tvoxml").arg(TestSupport::freeLocalPort())
            : m_nginx.url(url);

        ApUpdateCheck check(UpdateNotify::segmentKey(TestSupport::binDir()));
        QVERIFY(check.start());
        QProcess updater;
        updater.setProcessChannelMode(QProcess::ForwardedChannels);
        updater.start(program, {QStringLiteral("Zantor"), full, QStringLiteral("144")});
        QVERIFY(updater.waitForFinished(20000));
        QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
        QCOMPARE(updater.exitCode(), 0);
        QCOMPARE(check.poll(), status);
    }

    void realProgramWithTwoArgumentsTouchesNothing()
    {
        const QString program = TestSupport::binDir() + QStringLiteral("/updater");
        ApUpdateCheck check(UpdateNotify::segmentKey(TestSupport::binDir()));
        QVERIFY(check.start());
        QProcess updater;
        updater.start(program, {QStringLiteral("Zantor"), m_nginx.url(QStringLiteral("/same.tvoxml"))});
        QVERIFY(updater.waitForFinished(10000));
        QCOMPARE(updater.exitCode(), 0);
        QCOMPARE(check.poll(), -1);
        QVERIFY(check.isRunning());
    }
};

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestUpdater test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updater.moc"
