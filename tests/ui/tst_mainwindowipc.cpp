#include <QtTest>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <memory>
#include <vector>

#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "ipcmessage.h"
#include "mainwindow.h"
#include "singleinstance.h"
#include "testsupport.h"

class TestMainWindowIpc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listensUnderDerivedName();
    void message_data();
    void message();
    void messageInPieces();
    void senderHangsUpWithoutFrame();
    void misbehavingClients();
    void startupLink_data();
    void startupLink();
    void linksInTurn();

private:
    int openConnections() const;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowIpc::init()
{
    m_window = std::make_unique<MainWindow>();
}

void TestMainWindowIpc::cleanup()
{
    m_window.reset();
}

int TestMainWindowIpc::openConnections() const
{
    auto *server = m_window->findChild<QLocalServer *>();
    return server ? server->findChildren<QLocalSocket *>().size() : -1;
}

void TestMainWindowIpc::listensUnderDerivedName()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zantor 1.4.4"));
    QCOMPARE(m_window->ipcServerName(), SingleInstance::serverNameFor(QCoreApplication::applicationFilePath()));
}

void TestMainWindowIpc::message_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("link");  // empty: no reaction
    QTest::addColumn<bool>("closed");

    QTest::newRow("http") << QByteArray("{link-url=>[tvo]@http://a/b}") << "http://a/b" << true;
    QTest::newRow("spaces around") << QByteArray("{link-url=>[tvo]@  https://a/b \t}") << "https://a/b" << true;
    QTest::newRow("ftp upper case") << QByteArray("{link-url=>[tvo]@FTP://h/f}") << "FTP://h/f" << true;
    QTest::newRow("noise around frame") << QByteArray("xx{link-url=>[tvo]@http://a/b}yy") << "http://a/b" << true;
    QTest::newRow("empty pieces") << QByteArray("{=>[tvo]@link-url=>[tvo]@=>[tvo]@http://a/b}") << "http://a/b"
                                  << true;
    QTest::newRow("utf-8") << QByteArray("{link-url=>[tvo]@http://h/\xc3\xbc}") << QString::fromUtf8("http://h/ü")
                           << true;
    QTest::newRow("magnet") << QByteArray("{link-url=>[tvo]@magnet:?xt=1}") << QString() << true;
    QTest::newRow("MAGNET") << QByteArray("{link-url=>[tvo]@MAGNET:?xt=1}") << QString() << true;
    QTest::newRow("file path") << QByteArray("{link-url=>[tvo]@/etc/hosts}") << QString() << true;
    QTest::newRow("other scheme") << QByteArray("{link-url=>[tvo]@mailto:a@b}") << QString() << true;
    QTest::newRow("unknown word") << QByteArray("{open=>[tvo]@http://a/b}") << QString() << true;
    QTest::newRow("word case") << QByteArray("{LINK-URL=>[tvo]@http://a/b}") << QString() << true;
    QTest::newRow("other program's word") << QByteArray("{file=>[tvo]@http://a/b=>[tvo]@1}") << QString() << true;
    QTest::newRow("no argument") << QByteArray("{link-url}") << QString() << true;
    QTest::newRow("empty argument") << QByteArray("{link-url=>[tvo]@}") << QString() << true;
    QTest::newRow("empty frame") << QByteArray("{}") << QString() << true;
    QTest::newRow("no braces") << QByteArray("link-url=>[tvo]@http://a/b") << QString() << false;
    QTest::newRow("no closing brace") << QByteArray("{link-url=>[tvo]@http://a/b") << QString() << false;
}

void TestMainWindowIpc::message()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, link);
    QFETCH(bool, closed);

    QSignalSpy spy(m_window.get(), &MainWindow::linkRequested);
    QLocalSocket client;
    client.connectToServer(m_window->ipcServerName());
    QVERIFY(client.waitForConnected(5000));
    QTRY_COMPARE(openConnections(), 1);
    client.write(data);
    QVERIFY(client.waitForBytesWritten(5000));

    if (closed) {
        QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
        QTRY_COMPARE(openConnections(), 0);
    } else {
        // Still waiting for the rest of a frame.
        QTest::qWait(200);
        QCOMPARE(client.state(), QLocalSocket::ConnectedState);
        QCOMPARE(openConnections(), 1);
    }
    if (link.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        QVERIFY(m_window->requestedLinks().isEmpty());
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), link);
        QCOMPARE(m_window->requestedLinks(), QStringList{link});
    }
}

void TestMainWindowIpc::messageInPieces()
{
    QSignalSpy spy(m_window.get(), &MainWindow::linkRequested);
    QLocalSocket client;
    client.connectToServer(m_window->ipcServerName());
    QVERIFY(client.waitForConnected(5000));
    client.write("{link-url=>[tv");
    QVERIFY(client.waitForBytesWritten(5000));
    QTest::qWait(200);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(client.state(), QLocalSocket::ConnectedState);
    client.write("o]@http://a/b");
    QVERIFY(client.waitForBytesWritten(5000));
    QTest::qWait(100);
    client.write("/c}");
    QVERIFY(client.waitForBytesWritten(5000));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("http://a/b/c"));
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
}

void TestMainWindowIpc::senderHangsUpWithoutFrame()
{
    QSignalSpy spy(m_window.get(), &MainWindow::linkRequested);
    {
        QLocalSocket first;
        QLocalSocket second;
        first.connectToServer(m_window->ipcServerName());
        second.connectToServer(m_window->ipcServerName());
        QVERIFY(first.waitForConnected(5000));
        QVERIFY(second.waitForConnected(5000));
        first.write("partial {link-url");
        QVERIFY(first.waitForBytesWritten(5000));
        QTRY_COMPARE(openConnections(), 2);
        // A newer connection does not cut off an older one's message.
        second.write("{link-url=>[tvo]@http://second/}");
        QVERIFY(second.waitForBytesWritten(5000));
        QTRY_COMPARE(spy.count(), 1);
        QTRY_COMPARE(openConnections(), 1);
        first.write("=>[tvo]@http://first/}");
        QVERIFY(first.waitForBytesWritten(5000));
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(m_window->requestedLinks(), (QStringList{"http://second/", "http://first/"}));

        // The first link opened the new task dialog; the second waited for
        // it and opens it next. While it is up, new connections are
        // dropped, so it is closed both times first.
        QVERIFY(m_window->newTaskDialog()->isVisible());
        m_window->newTaskDialog()->reject();
        QTRY_VERIFY(m_window->newTaskDialog()->isVisible());
        m_window->newTaskDialog()->reject();
        QLocalSocket third;
        third.connectToServer(m_window->ipcServerName());
        QVERIFY(third.waitForConnected(5000));
        QTRY_COMPARE(openConnections(), 1);
    }
    // Hung up without a frame: nothing is left waiting.
    QTRY_COMPARE(openConnections(), 0);
    QCOMPARE(spy.count(), 2);
}

void TestMainWindowIpc::misbehavingClients()
{
    // Hundreds of clients that never send, one that sends far too much and
    // one that sends no text: few descriptors stay in use and a real
    // message still gets through.
    QSignalSpy spy(m_window.get(), &MainWindow::linkRequested);
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 300; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(m_window->ipcServerName());
        QVERIFY(silent.back()->waitForConnected(5000));
        // Accepted as they come, as a running instance would.
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(openConnections() <= 8 && silent.front()->state() == QLocalSocket::UnconnectedState,
                             10000);

    QLocalSocket flood;
    flood.connectToServer(m_window->ipcServerName());
    QVERIFY(flood.waitForConnected(5000));
    flood.write(QByteArray(200 * 1024, '{'));
    QTRY_COMPARE_WITH_TIMEOUT(flood.state(), QLocalSocket::UnconnectedState, 10000);

    QLocalSocket binary;
    binary.connectToServer(m_window->ipcServerName());
    QVERIFY(binary.waitForConnected(5000));
    binary.write(QByteArray("\x00\xff\xfe{link-url=>[tvo]@http://bad/", 31));
    QTRY_COMPARE_WITH_TIMEOUT(binary.state(), QLocalSocket::UnconnectedState, 10000);

    QLocalSocket good;
    good.connectToServer(m_window->ipcServerName());
    QVERIFY(good.waitForConnected(5000));
    good.write("{link-url=>[tvo]@http://good/}");
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    QCOMPARE(m_window->requestedLinks(), QStringList{QStringLiteral("http://good/")});
    m_window->newTaskDialog()->reject();
    QVERIFY(openConnections() <= 8);
}

void TestMainWindowIpc::startupLink_data()
{
    QTest::addColumn<QString>("startupLink");
    QTest::addColumn<QString>("link");

    QTest::newRow("ftp") << "ftp://127.0.0.1/file.iso" << "ftp://127.0.0.1/file.iso";
    QTest::newRow("trimmed") << " \thttp://a/b " << "http://a/b";
    QTest::newRow("magnet ignored") << "magnet:?xt=1" << QString();
    QTest::newRow("file ignored") << "/etc/hosts" << QString();
    QTest::newRow("none") << QString() << QString();
}

void TestMainWindowIpc::startupLink()
{
    QFETCH(QString, startupLink);
    QFETCH(QString, link);

    QSignalSpy spy(m_window.get(), &MainWindow::linkRequested);
    m_window->setStartupLink(startupLink);
    QCOMPARE(m_window->startupLink(), startupLink);
    m_window->startupLoadLinkCallback();
    QCOMPARE(m_window->requestedLinks(), link.isEmpty() ? QStringList{} : QStringList{link});
    QCOMPARE(spy.count(), link.isEmpty() ? 0 : 1);
}

// Several links in one message open the dialog one after the other; added
// links skip it; a folder given with the links is used for them only.
void TestMainWindowIpc::linksInTurn()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = QDir::toNativeSeparators(dir.filePath(QStringLiteral("for these links")));
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    auto *url = dialog->findChild<QLineEdit *>(QStringLiteral("httpftptask_url_lineEdit"));
    auto *saveTo = dialog->findChild<QComboBox *>(QStringLiteral("httpftptask_saveto_comboBox"));
    QVERIFY(url && saveTo);
    const QString rememberedFolder = AppSettings::downloadedTo();

    QSignalSpy spy(m_window.get(), &MainWindow::linkRequested);
    QLocalSocket client;
    client.connectToServer(m_window->ipcServerName());
    QVERIFY(client.waitForConnected(5000));
    client.write(IpcMessage::build(QStringLiteral("link-url"),
                                   {QStringLiteral("--save-dir=") + folder, QStringLiteral("http://127.0.0.1:9/a"),
                                    QStringLiteral("mailto:x@y"), QStringLiteral("http://127.0.0.1:9/b")})
                     .toUtf8());
    QTRY_COMPARE(spy.count(), 2);
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
    for (const char *link : {"http://127.0.0.1:9/a", "http://127.0.0.1:9/b"}) {
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(url->text(), QLatin1String(link));
        QCOMPARE(saveTo->currentText(), folder);
        QVERIFY(QFileInfo(folder).isDir());
        dialog->reject();
    }
    QTest::qWait(100);
    QVERIFY(!dialog->isVisible());

    const int rows = m_window->findChild<QTableWidget *>(QStringLiteral("maindownloads_tableWidget"))->rowCount();
    m_window->takeLinkRequest(LinkRequest{{QStringLiteral("http://127.0.0.1:9/c.bin"),
                                           QStringLiteral("ftp://127.0.0.1:9/d.bin")},
                                          folder,
                                          true});
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_window->findChild<QTableWidget *>(QStringLiteral("maindownloads_tableWidget"))->rowCount(), rows + 2);
    QCOMPARE(QFileInfo(m_window->rowPath(rows)).absolutePath(), QDir::fromNativeSeparators(folder));
    QVERIFY(m_window->rowPath(rows + 1).endsWith(QStringLiteral("d.bin")));
    QCOMPARE(AppSettings::downloadedTo(), rememberedFolder);
    QCOMPARE(m_window->requestedLinks().size(), 4);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestMainWindowIpc test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowipc.moc"
