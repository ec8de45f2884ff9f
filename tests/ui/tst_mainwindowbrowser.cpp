// Downloads handed over by a browser's host, as the window receives them on
// its instance socket: the new task dialog filled in, the cookies and user
// agent kept with the task, the next download waiting for the dialog, the
// silent mode, and the host manifests following the setting.

#include <QtTest>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPushButton>

#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "browserhandover.h"
#include "browserhostmanifest.h"
#include "ipcmessage.h"
#include "mainwindow.h"
#include "settingsservice.h"
#include "taskstore.h"
#include "testsupport.h"

class TestMainWindowBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handOverFillsTheDialog();
    void commands_data();
    void commands();
    void addedWithoutAsking();
    void manifestsFollowTheSetting();

private:
    QStringList send(const QString &message);
    QString field(const char *name) const;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowBrowser::init()
{
    AppSettings::setFlag(SettingsKeys::BrowserIntegrationFlag, true);
    AppSettings::setFlag(SettingsKeys::BrowserAddWithoutAskingFlag, false);
    m_window = std::make_unique<MainWindow>();
}

void TestMainWindowBrowser::cleanup()
{
    m_window.reset();
    SettingsService::main().remove(SettingsKeys::DownloadTasks);
}

QStringList TestMainWindowBrowser::send(const QString &message)
{
    QLocalSocket socket;
    socket.connectToServer(m_window->ipcServerName());
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(message.toUtf8());
    QByteArray answer;
    QDeadlineTimer deadline(10000);
    while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
        QTest::qWait(20);
        answer += socket.readAll();
    }
    answer += socket.readAll();
    QStringList pieces;
    IpcMessage::parse(QString::fromUtf8(answer), &pieces);
    return pieces;
}

QString TestMainWindowBrowser::field(const char *name) const
{
    return m_window->newTaskDialog()->findChild<QLineEdit *>(QLatin1String(name))->text();
}

static QString handOver(const QString &url, const QString &fileName)
{
    BrowserHandOver::Download d;
    d.url = url;
    d.referrer = QStringLiteral("https://shop.example.test/account");
    d.cookies = QStringLiteral("sid=42; theme=dark");
    d.userAgent = QStringLiteral("Mozilla/5.0 (HandOver)");
    d.fileName = fileName;
    return IpcMessage::build(BrowserHandOver::DownloadCommand, BrowserHandOver::encodeArgument(d));
}

void TestMainWindowBrowser::handOverFillsTheDialog()
{
    const QString first = QStringLiteral("http://127.0.0.1:9/get/first.zip");
    QCOMPARE(send(handOver(first, QStringLiteral("first.zip"))), (QStringList{"reply", "ok", "dialog"}));
    QTRY_VERIFY(m_window->newTaskDialog()->isVisible());
    QCOMPARE(field("httpftptask_url_lineEdit"), first);
    QCOMPARE(field("httpftptask_referer_lineEdit"), QStringLiteral("https://shop.example.test/account"));
    QCOMPARE(field("httpftptask_rename_lineEdit"), QStringLiteral("first.zip"));

    // The next one waits for the dialog instead of being lost.
    const QString second = QStringLiteral("http://127.0.0.1:9/get/second.iso");
    QCOMPARE(send(handOver(second, QString())), (QStringList{"reply", "ok", "queued"}));
    QCOMPARE(m_window->queuedBrowserDownloads(), 1);
    QCOMPARE(field("httpftptask_url_lineEdit"), first);

    QTest::mouseClick(m_window->newTaskDialog()->findChild<QPushButton *>("httpftptask_startdownload_pushButton"),
                      Qt::LeftButton);
    // The queued download took the dialog over at once; the task is listed.
    const auto record = ApTaskStore().read(m_window->rowKey(0).toLongLong());
    QVERIFY(record);
    QCOMPARE(record->url, first);
    QCOMPARE(record->cookies, QStringLiteral("sid=42; theme=dark"));
    QCOMPARE(record->cookieOrigin, QStringLiteral("http://127.0.0.1:9"));
    QCOMPARE(record->userAgent, QStringLiteral("Mozilla/5.0 (HandOver)"));
    QVERIFY(record->savePathName.endsWith(QLatin1String("_first.zip")));

    QTRY_VERIFY(m_window->newTaskDialog()->isVisible());
    QCOMPARE(field("httpftptask_url_lineEdit"), second);
    QCOMPARE(m_window->queuedBrowserDownloads(), 0);
    m_window->newTaskDialog()->reject();
    QCOMPARE(m_window->requestedLinks(), (QStringList{first, second}));
}

void TestMainWindowBrowser::commands_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("integration");
    QTest::addColumn<QStringList>("answer");

    const QString status = IpcMessage::build(BrowserHandOver::StatusCommand, QStringLiteral("1"));
    QTest::newRow("status") << status << true
                            << QStringList{"reply", "ok", AppSettings::defaultMonitorClipboardFileTypes()};
    QTest::newRow("integration off") << status << false << QStringList{"reply", "error", "disabled"};
    QTest::newRow("download, integration off")
        << handOver(QStringLiteral("http://127.0.0.1:9/a.zip"), QString()) << false
        << QStringList{"reply", "error", "disabled"};
    QTest::newRow("not base64 JSON") << IpcMessage::build(BrowserHandOver::DownloadCommand, QStringLiteral("%%%"))
                                     << true << QStringList{"reply", "error", "bad-message"};
    BrowserHandOver::Download d;
    d.url = QStringLiteral("javascript:alert(1)");
    QTest::newRow("javascript: link")
        << IpcMessage::build(BrowserHandOver::DownloadCommand, BrowserHandOver::encodeArgument(d)) << true
        << QStringList{"reply", "error", "bad-message"};
    QTest::newRow("no argument") << IpcMessage::build(BrowserHandOver::DownloadCommand, QStringList{}) << true
                                 << QStringList{"reply", "error", "bad-message"};
}

void TestMainWindowBrowser::commands()
{
    QFETCH(QString, message);
    QFETCH(bool, integration);
    QFETCH(QStringList, answer);
    AppSettings::setFlag(SettingsKeys::BrowserIntegrationFlag, integration);
    QCOMPARE(send(message), answer);
    QVERIFY(!m_window->newTaskDialog()->isVisible());
}

void TestMainWindowBrowser::addedWithoutAsking()
{
    AppSettings::setFlag(SettingsKeys::BrowserAddWithoutAskingFlag, true);
    const QString url = QStringLiteral("http://127.0.0.1:9/get/quiet.zip");
    QCOMPARE(send(handOver(url, QStringLiteral("quiet.zip"))), (QStringList{"reply", "ok", "added"}));
    QVERIFY(!m_window->newTaskDialog()->isVisible());
    QCOMPARE(m_window->findRow(m_window->rowPath(0)), 0);
    QVERIFY(m_window->rowPath(0).endsWith(QLatin1String("_quiet.zip")));
    const auto record = ApTaskStore().read(m_window->rowKey(0).toLongLong());
    QVERIFY(record);
    QCOMPARE(record->cookieOrigin, QStringLiteral("http://127.0.0.1:9"));
}

void TestMainWindowBrowser::manifestsFollowTheSetting()
{
    // The host beside the program, and two browsers that were started once.
    const QString host = QCoreApplication::applicationDirPath() + QStringLiteral("/zantor-browser-host");
    QFile::remove(host);
    QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/zantor-browser-host"), host));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(QDir().mkpath(config + QStringLiteral("/chromium")));
    QVERIFY(QDir().mkpath(QDir::homePath() + QStringLiteral("/.mozilla")));
    const QString chromium = config + QStringLiteral("/chromium/NativeMessagingHosts/org.zantor.host.json");
    const QString firefox = QDir::homePath() + QStringLiteral("/.mozilla/native-messaging-hosts/org.zantor.host.json");

    m_window->refreshBrowserHostManifests();
    QFile file(chromium);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), BrowserHostManifest::manifest(BrowserHostManifest::Chromium, host));
    QVERIFY(QFileInfo::exists(firefox));
    // A browser never started gets no folder of ours.
    QVERIFY(!QFileInfo::exists(config + QStringLiteral("/vivaldi")));

    AppSettings::setFlag(SettingsKeys::BrowserIntegrationFlag, false);
    m_window->applyGeneralSettings();
    QVERIFY(!QFileInfo::exists(chromium));
    QVERIFY(!QFileInfo::exists(firefox));
    QFile::remove(host);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowbrowser.moc"
