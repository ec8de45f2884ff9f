// A failed download says why: the row's tool tip and the information panel
// show the reason the engine kept, for an untrusted certificate, a missing
// file and a refused connection, on the real window, engine and nginx.
#include <QLabel>
#include <QNetworkProxy>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "apquickurldownloader.h"
#include "aptaskinfopanel.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "failurereason.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "settingsstore.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;
} // namespace

class TestFailureReasons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void failedTaskShowsItsReason_data();
    void failedTaskShowsItsReason();
    void singleStreamFallbackKeepsAReason_data();
    void singleStreamFallbackKeepsAReason();
    void texts_data();
    void texts();

private:
    QString url(const QString &kind, const QString &name) const;
    QTableWidget *table() const { return m_window->findChild<QTableWidget *>("maindownloads_tableWidget"); }

    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    NginxFixture m_nginx;
    quint16 m_tlsPort = 0;
    quint16 m_closedPort = 0;
    std::unique_ptr<MainWindow> m_window;
};

void TestFailureReasons::initTestCase()
{
    QVERIFY(m_root.isValid());
    QFile file(m_root.filePath(QStringLiteral("small.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(64 * 1024, 's'));
    file.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    const QString openssl = TestSupport::findProgram(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        QSKIP("openssl is not installed");
    // A certificate nobody vouches for.
    const QString cert = m_root.filePath(QStringLiteral("self.crt"));
    const QString key = m_root.filePath(QStringLiteral("self.key"));
    QProcess make;
    make.start(openssl, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                         "-keyout", key, "-out", cert});
    QVERIFY(make.waitForFinished(60000));
    QCOMPARE(make.exitCode(), 0);
    m_tlsPort = TestSupport::freeLocalPort();
    m_closedPort = TestSupport::freeLocalPort();
    QVERIFY(m_tlsPort != m_closedPort);
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("listen 127.0.0.1:%1 ssl;\nssl_certificate %2;\n"
                                                         "ssl_certificate_key %3;\n")
                                              .arg(m_tlsPort)
                                              .arg(cert, key)),
             qPrintable(m_nginx.errorString()));
}

QString TestFailureReasons::url(const QString &kind, const QString &name) const
{
    if (kind == QLatin1String("tls"))
        return QStringLiteral("https://127.0.0.1:%1/%2").arg(m_tlsPort).arg(name);
    if (kind == QLatin1String("closed"))
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_closedPort).arg(name);
    return m_nginx.url(QLatin1Char('/') + name);
}

void TestFailureReasons::init()
{
    QFile::remove(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application));
    UiTest::prepareSettings(m_downloads.path());
}

void TestFailureReasons::cleanup()
{
    m_window.reset();
    for (const QString &name : QDir(m_downloads.path()).entryList(QDir::Files))
        QFile::remove(m_downloads.filePath(name));
}

void TestFailureReasons::failedTaskShowsItsReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("retries");
    QTest::addColumn<QString>("reason");

    QTest::newRow("self-signed certificate") << "tls" << "small.bin" << 0 << "Server certificate is not trusted";
    QTest::newRow("404") << "plain" << "missing.bin" << 0 << "File not found on the server (404)";
    QTest::newRow("refused") << "closed" << "small.bin" << 0 << "The server refused the connection";
    QTest::newRow("proxy refused") << "proxy" << "small.bin" << 0 << "The proxy server refused the connection";
    // After a retry the single-stream fallback fails last.
    QTest::newRow("certificate after a retry") << "tls" << "small.bin" << 1 << "Server certificate is not trusted";
    QTest::newRow("404 after a retry") << "plain" << "missing.bin" << 1 << "File not found on the server (404)";
}

void TestFailureReasons::failedTaskShowsItsReason()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(int, retries);
    QFETCH(QString, reason);

    {
        SettingsStore s;
        s->setValue(SettingsKeys::FailureRetryTimes, retries);
        if (kind == QLatin1String("proxy")) {
            // An HTTP proxy on a port where nobody listens.
            s->setValue(SettingsKeys::HttpFtpProxyGroup + QStringLiteral("/Type"), 2);
            s->setValue(SettingsKeys::HttpFtpProxyGroup + QStringLiteral("/Host"), QStringLiteral("127.0.0.1"));
            s->setValue(SettingsKeys::HttpFtpProxyGroup + QStringLiteral("/Port"), m_closedPort);
        }
    }
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->resize(1000, 650);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);

    NewTask task;
    task.url = url(kind, name);
    task.savePathName = m_downloads.filePath(QStringLiteral("failing.bin"));
    const QString key = ApTaskStore::keyFor(ApTaskStore().create(task));
    QVERIFY(m_window->addNewTask(key));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->manager()->taskCount() == 1, 10000);
    ApTvoDownloadTaskThread *thread = m_window->manager()->tasks().first();

    // Failed for good: the state holds and every retry has been used.
    QTRY_VERIFY_WITH_TIMEOUT(m_window->rowState(0) == TaskFailed && thread->task().failureReason() == reason, 30000);
    if (retries > 0) {
        // The retry runs the task again as one stream, which fails too.
        const qint64 firstRun = thread->task().startTimeMs.load();
        QTRY_VERIFY_WITH_TIMEOUT(thread->task().startTimeMs.load() != firstRun, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->rowState(0) == TaskFailed && thread->task().failureReason() == reason,
                                 30000);
    }
    QTRY_COMPARE_WITH_TIMEOUT(table()->item(0, 0)->toolTip(), QStringLiteral("Failed: ") + reason, 10000);

    table()->selectRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isTaskInfoShown(thread->task().savePath), 10000);
    auto *line = m_window->taskInfoPanel()->findChild<QLabel *>("taskinfo_httpftp_failurereason_label");
    QTRY_COMPARE_WITH_TIMEOUT(line->text(), reason, 10000);
    QVERIFY(!line->isHidden());
    if (kind == QLatin1String("tls") && retries == 0)
        m_window->grab().save(UiTest::outputFolder() + QStringLiteral("/failurereason_certificate.png"));
}

void TestFailureReasons::singleStreamFallbackKeepsAReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("certificate") << "tls" << "small.bin" << "Server certificate is not trusted";
    QTest::newRow("404") << "plain" << "missing.bin" << "File not found on the server (404)";
    QTest::newRow("refused") << "closed" << "small.bin" << "The server refused the connection";
    QTest::newRow("disk full") << "plain" << "small.bin" << "Disk full";
    QTest::newRow("proxy refused") << "proxy" << "small.bin" << "The proxy server refused the connection";
}

void TestFailureReasons::singleStreamFallbackKeepsAReason()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, reason);

    ApQuickUrlDownloader downloader;
    if (kind == QLatin1String("proxy"))
        downloader.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), m_closedPort));
    QSignalSpy failed(&downloader, &ApQuickUrlDownloader::downloadFailed);
    // /dev/full takes every byte and answers that the disk is full.
    const QString target = reason == QLatin1String("Disk full") ? QStringLiteral("/dev/full")
                                                                 : m_downloads.filePath(QStringLiteral("quick.bin"));
    downloader.download(QUrl(url(kind, name)), target, 7);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    QCOMPARE(downloader.failureReason(), reason);
}

void TestFailureReasons::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("http 404") << FailureReason::httpStatus(404, "Not Found") << "File not found on the server (404)";
    QTest::newRow("http 403") << FailureReason::httpStatus(403, "Forbidden")
                              << "The server refuses access to the file (403)";
    QTest::newRow("http 500") << FailureReason::httpStatus(500, "Internal Server Error")
                              << "Server error (500 Internal Server Error)";
    QTest::newRow("http 418") << FailureReason::httpStatus(418, "I'm a teapot")
                              << "Unexpected answer from the server (418 I'm a teapot)";
    QTest::newRow("http 407") << FailureReason::httpStatus(407, "")
                              << "The proxy server asks for a user name and password (407)";
    QTest::newRow("ftp 550") << FailureReason::ftpReply(550, "No such file")
                             << "File not found on the server (550 No such file)";
    QTest::newRow("ftp 530") << FailureReason::ftpReply(530, "Login incorrect.")
                             << "The server refused the login (530 Login incorrect.)";
    QTest::newRow("no space") << FailureReason::disk(ENOSPC) << "Disk full";
    QTest::newRow("quota") << FailureReason::disk(EDQUOT) << "Disk full";
    QTest::newRow("read-only") << FailureReason::disk(EROFS) << "No permission to write the file";
}

void TestFailureReasons::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestFailureReasons test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_failurereasons.moc"
