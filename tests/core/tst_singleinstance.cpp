#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>

#include <csignal>

#include "ipcmessage.h"
#include "singleinstance.h"
#include "testsupport.h"

namespace {

// Runs a blocking sender on its own thread while the test's event loop
// serves the receiving end.
class SenderThread final : public QThread
{
public:
    SenderThread(const QString &name, const QString &message, int connectMs, int closeMs)
        : m_name(name), m_message(message), m_connectMs(connectMs), m_closeMs(closeMs)
    {
    }
    bool result = false;

protected:
    void run() override { result = SingleInstance::sendMessage(m_name, m_message, m_connectMs, m_closeMs); }

private:
    QString m_name;
    QString m_message;
    int m_connectMs;
    int m_closeMs;
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void serverName();
    void secondClaimFails();
    void separatePathsAreIndependent();
    void markerReleasedWithOwner();
    void killedOwnerDoesNotBlock();
    void senderDeliversExactBytes_data();
    void senderDeliversExactBytes();
    void senderWaitsForLateEndpoint();
    void senderGivesUpWithoutEndpoint();
    void senderStopsWaitingForClose();

private:
    QString uniquePath(const QString &tag) const;
    QTemporaryDir m_dir;
};

void TestSingleInstance::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_dir.isValid());
}

QString TestSingleInstance::uniquePath(const QString &tag) const
{
    return m_dir.filePath(tag + QStringLiteral("/zantor"));
}

void TestSingleInstance::serverName()
{
    const QString a = SingleInstance::serverNameFor(QStringLiteral("/opt/a/zantor"));
    QCOMPARE(SingleInstance::serverNameFor(QStringLiteral("/opt/a/zantor")), a);
    QVERIFY(a != SingleInstance::serverNameFor(QStringLiteral("/opt/b/zantor")));
    QVERIFY(a != SingleInstance::serverNameFor(QStringLiteral("/opt/a/Zantor")));
    QVERIFY(!a.contains(QLatin1Char('/')));
    QVERIFY(a.startsWith(QStringLiteral("zantor-")));
    QCOMPARE(SingleInstance(QStringLiteral("/opt/a/zantor")).serverName(), a);
}

void TestSingleInstance::secondClaimFails()
{
    const QString path = uniquePath(QStringLiteral("second"));
    SingleInstance first(path);
    QVERIFY(first.claim());
    QVERIFY(first.isFirstInstance());
    SingleInstance second(path);
    QVERIFY(!second.claim());
    QVERIFY(!second.isFirstInstance());
    // Trying again does not disturb the live owner's marker.
    SingleInstance third(path);
    QVERIFY(!third.claim());
}

void TestSingleInstance::separatePathsAreIndependent()
{
    SingleInstance a(uniquePath(QStringLiteral("copy-a")));
    SingleInstance b(uniquePath(QStringLiteral("copy-b")));
    QVERIFY(a.claim());
    QVERIFY(b.claim());
}

void TestSingleInstance::markerReleasedWithOwner()
{
    const QString path = uniquePath(QStringLiteral("released"));
    {
        SingleInstance first(path);
        QVERIFY(first.claim());
    }
    SingleInstance next(path);
    QVERIFY(next.claim());
}

void TestSingleInstance::killedOwnerDoesNotBlock()
{
    const QString path = uniquePath(QStringLiteral("killed"));
    QProcess holder;
    holder.start(QStringLiteral(CORECHILD_PATH), {QStringLiteral("hold"), path});
    QVERIFY(holder.waitForReadyRead(20000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("holding"));

    // While the owner lives, nobody else gets the marker.
    {
        SingleInstance other(path);
        QVERIFY(!other.claim());
    }

    ::kill(pid_t(holder.processId()), SIGKILL);
    QVERIFY(holder.waitForFinished(20000));
    QCOMPARE(holder.exitStatus(), QProcess::CrashExit);

    // Its segment and socket file are left behind; both are mended.
    SingleInstance next(path);
    QVERIFY(next.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, next.serverName()));
    QVERIFY(server.isListening());

    QLocalSocket probe;
    probe.connectToServer(next.serverName());
    QVERIFY(probe.waitForConnected(5000));
}

void TestSingleInstance::senderDeliversExactBytes_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("link") << IpcMessage::build(QStringLiteral("link-url"), QStringLiteral("ftp://127.0.0.1/a b.iso"));
    QTest::newRow("non-ascii") << IpcMessage::build(QStringLiteral("link-url"), QString::fromUtf8("http://h/ünï"));
    QTest::newRow("large") << IpcMessage::build(QStringLiteral("link-url"),
                                                QStringLiteral("http://h/") + QString(300000, QLatin1Char('x')));
}

void TestSingleInstance::senderDeliversExactBytes()
{
    QFETCH(QString, message);
    const QString name = SingleInstance::serverNameFor(uniquePath(QStringLiteral("exact")));
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, name));

    SenderThread sender(name, message, 10000, 10000);
    sender.start();
    QVERIFY(server.waitForNewConnection(10000));
    QLocalSocket *connection = server.nextPendingConnection();
    QByteArray received;
    const QByteArray expected = message.toUtf8();
    while (received.size() < expected.size() && connection->waitForReadyRead(10000))
        received += connection->readAll();
    QCOMPARE(received, expected);
    QVERIFY(sender.isRunning());  // it waits for this side to close
    connection->abort();
    QVERIFY(sender.wait(10000));
    QVERIFY(sender.result);
    delete connection;
}

void TestSingleInstance::senderWaitsForLateEndpoint()
{
    const QString name = SingleInstance::serverNameFor(uniquePath(QStringLiteral("late")));
    SenderThread sender(name, QStringLiteral("{x}"), 10000, 10000);
    sender.start();
    QTest::qWait(300);  // the running instance is still starting
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, name));
    QVERIFY(server.waitForNewConnection(10000));
    QLocalSocket *connection = server.nextPendingConnection();
    QVERIFY(connection->bytesAvailable() > 0 || connection->waitForReadyRead(10000));
    QCOMPARE(connection->readAll(), QByteArray("{x}"));
    connection->abort();
    QVERIFY(sender.wait(10000));
    QVERIFY(sender.result);
    delete connection;
}

void TestSingleInstance::senderGivesUpWithoutEndpoint()
{
    const QString name = SingleInstance::serverNameFor(uniquePath(QStringLiteral("nobody")));
    QVERIFY(!SingleInstance::sendMessage(name, QStringLiteral("{x}"), 300, 300));
}

void TestSingleInstance::senderStopsWaitingForClose()
{
    const QString name = SingleInstance::serverNameFor(uniquePath(QStringLiteral("silent")));
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, name));
    SenderThread sender(name, QStringLiteral("{x}"), 10000, 500);
    sender.start();
    QVERIFY(server.waitForNewConnection(10000));
    std::unique_ptr<QLocalSocket> connection(server.nextPendingConnection());
    // This side never closes; the sender ends on its own after its limit.
    QVERIFY(sender.wait(10000));
    QVERIFY(sender.result);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
