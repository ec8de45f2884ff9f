// The real mapglance program as separate processes: its command line, the
// hand-over to a running window and malformed messages. Pages come from a
// real nginx; each test runs its own copy of the program.

#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>
#include <vector>

#include "nginxfixture.h"
#include "programprocess.h"
#include "singleinstance.h"
#include "testsupport.h"

namespace {
const QString Trace = QStringLiteral("mapglance.*");
} // namespace

class TestMapglanceInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void otherCommandLinesEndAtOnce_data();
    void otherCommandLinesEndAtOnce();
    void secondStartSendsValue();
    void runningWindowTakesValue();
    void malformedMessages();
    void misbehavingClientsAreBounded();

private:
    QString accessLog() const;
    QProcessEnvironment siteEnvironment() const;
    QTemporaryDir m_root;
    NginxFixture m_nginx;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
};

void TestMapglanceInstance::initTestCase()
{
    QVERIFY(m_root.isValid());
    QDir().mkpath(m_root.filePath(QStringLiteral("tvo/pub/geo")));
    QFile page(m_root.filePath(QStringLiteral("tvo/pub/geo/tvolocation.php")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><p>Location page</p></body></html>");
    page.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("location /tvo/pub/geo/ { default_type text/html; }")),
             qPrintable(m_nginx.errorString()));
}

void TestMapglanceInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_program = m_dir->filePath(QStringLiteral("mapglance"));
    QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/mapglance"), m_program));
}

void TestMapglanceInstance::cleanup()
{
    m_dir.reset();
}

QString TestMapglanceInstance::accessLog() const
{
    QFile log(m_nginx.prefixPath() + QStringLiteral("/logs/access.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QProcessEnvironment TestMapglanceInstance::siteEnvironment() const
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("ZANTOR_HOME_URL"), m_nginx.url(QString()));
    return env;
}

void TestMapglanceInstance::otherCommandLinesEndAtOnce_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("/geo-ip alone") << QStringList{"/geo-ip"};
    QTest::newRow("other switch") << QStringList{"/geoip", "127.0.0.1&a.b"};
    QTest::newRow("upper case") << QStringList{"/GEO-IP", "127.0.0.1&a.b"};
    QTest::newRow("value first") << QStringList{"127.0.0.1&a.b", "/geo-ip"};
}

void TestMapglanceInstance::otherCommandLinesEndAtOnce()
{
    QFETCH(QStringList, arguments);
    ProgramProcess program(m_program, Trace, siteEnvironment());
    QCOMPARE(program.runToEnd(arguments, 30000), 0);
    QVERIFY2(!program.logged(QStringLiteral("window ready")), qPrintable(program.log()));
    QVERIFY(!accessLog().contains(QStringLiteral("a.b")));
}

// Holding the marker and endpoint here shows the exact message.
void TestMapglanceInstance::secondStartSendsValue()
{
    SingleInstance holder(m_program);
    QVERIFY(holder.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, holder.serverName()));

    ProgramProcess second(m_program, Trace, siteEnvironment());
    second.start({QStringLiteral("/geo-ip"), QStringLiteral("10.1.2.3&host.example&x")});
    QVERIFY(server.waitForNewConnection(30000));
    std::unique_ptr<QLocalSocket> connection(server.nextPendingConnection());
    QByteArray received;
    while (!received.contains('}') && connection->waitForReadyRead(20000))
        received += connection->readAll();
    QCOMPARE(received, QByteArray("{geo-ip=>[tvo]@10.1.2.3&host.example&x}"));
    connection->abort();
    QVERIFY(second.process().waitForFinished(20000));
    QCOMPARE(second.process().exitCode(), 0);
    QVERIFY(!second.logged(QStringLiteral("window ready")));
}

void TestMapglanceInstance::runningWindowTakesValue()
{
    ProgramProcess first(m_program, Trace, siteEnvironment());
    first.start({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.1&first.example&third")});
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("window ready")), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(accessLog().contains(QStringLiteral("?ip=127.0.0.1&domain=first.example HTTP")), 20000);

    ProgramProcess second(m_program, Trace, siteEnvironment());
    QCOMPARE(second.runToEnd({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.2&second.example")}), 0);
    QVERIFY(!second.logged(QStringLiteral("window ready")));
    QTRY_VERIFY_WITH_TIMEOUT(accessLog().contains(QStringLiteral("?ip=127.0.0.2&domain=second.example HTTP")), 20000);
    QTRY_VERIFY(first.logged(QStringLiteral("domain=second.example")));

    // "}" closes a message frame; a value holding one still arrives whole.
    QCOMPARE(second.runToEnd({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.3&br}ace.example")}), 0);
    QTRY_VERIFY(first.logged(QStringLiteral("domain=br}ace.example")) || first.logged(QStringLiteral("domain=br%7Dace.example")));
    QCOMPARE(first.process().state(), QProcess::Running);
}

// A frame without braces is left for the sender to close; a framed message
// that is not a location is dropped and its connection closed at once.
void TestMapglanceInstance::malformedMessages()
{
    ProgramProcess first(m_program, Trace, siteEnvironment());
    first.start({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.1&start.example")});
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("window ready")), 30000);
    const QString name = SingleInstance::serverNameFor(m_program);

    {
        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(10000));
        socket.write("geo-ip=>[tvo]@127.0.0.9&nobrace.example");
        QVERIFY(socket.waitForBytesWritten(5000));
        QVERIFY(!socket.waitForDisconnected(1000));
        socket.disconnectFromServer();
    }

    const QList<QByteArray> dropped{"{geo-ip}", "{where=>[tvo]@127.0.0.8&other.example}", "{geo-ip=>[tvo]@}"};
    for (const QByteArray &message : dropped) {
        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(10000));
        socket.write(message);
        QVERIFY(socket.waitForBytesWritten(5000));
        QVERIFY2(socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(10000), message.constData());
    }
    QTRY_COMPARE_WITH_TIMEOUT(first.count(QStringLiteral("message dropped")), 3, 10000);

    // Neither reached the page; the window still takes a good message.
    QVERIFY(!accessLog().contains(QStringLiteral("other.example")));
    QVERIFY(!accessLog().contains(QStringLiteral("nobrace.example")));
    QCOMPARE(first.count(QStringLiteral("location: ")), 1);
    ProgramProcess second(m_program, Trace, siteEnvironment());
    QCOMPARE(second.runToEnd({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.4&after.example")}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(accessLog().contains(QStringLiteral("domain=after.example HTTP")), 20000);
}

// Many clients that never send, and one that sends far more than a
// message: the window keeps only a few connections, drops the flood, and
// still takes a good message.
void TestMapglanceInstance::misbehavingClientsAreBounded()
{
    ProgramProcess first(m_program, Trace, siteEnvironment());
    first.start({QStringLiteral("/geo-ip"), QStringLiteral("127.0.0.1&start.example")});
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("window ready")), 30000);
    const QString name = SingleInstance::serverNameFor(m_program);

    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 40; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(name);
        QVERIFY(silent.back()->waitForConnected(5000));
    }
    // The oldest silent ones are let go as newer ones come.
    QTRY_VERIFY_WITH_TIMEOUT(silent.front()->state() == QLocalSocket::UnconnectedState, 15000);
    // The window's closes reach these sockets as events: counted once they
    // have arrived.
    const auto stillOpen = [&silent] {
        int open = 0;
        for (const auto &s : silent)
            open += s->state() == QLocalSocket::ConnectedState ? 1 : 0;
        return open;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(stillOpen() <= 8, qPrintable(QString::number(stillOpen())), 15000);

    QLocalSocket flood;
    flood.connectToServer(name);
    QVERIFY(flood.waitForConnected(5000));
    flood.write(QByteArray(200 * 1024, '{'));
    QTRY_COMPARE_WITH_TIMEOUT(flood.state(), QLocalSocket::UnconnectedState, 15000);

    QLocalSocket good;
    good.connectToServer(name);
    QVERIFY(good.waitForConnected(5000));
    good.write("{geo-ip=>[tvo]@127.0.0.7&good.example}");
    QTRY_VERIFY_WITH_TIMEOUT(accessLog().contains(QStringLiteral("?ip=127.0.0.7&domain=good.example HTTP")), 20000);
    QCOMPARE(first.process().state(), QProcess::Running);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestMapglanceInstance test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mapglanceinstance.moc"
