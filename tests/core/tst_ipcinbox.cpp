#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>
#include <vector>

#include "ipcinbox.h"
#include "singleinstance.h"
#include "testsupport.h"

// The instance endpoint's reader against real local sockets: what it
// accepts, and the rules that keep a client from tying the process up.
class TestIpcInbox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void messages_data();
    void messages();
    void deadline_data();
    void deadline();
    void connectionsAreBounded();
    void findEnd_data();
    void findEnd();

private:
    // Accepts every pending connection into the inbox and reads on arrival;
    // finished messages are collected, dropped connections counted.
    void serve();
    QString m_name;
    std::unique_ptr<QLocalServer> m_server;
    std::unique_ptr<IpcInbox> m_inbox;
    QList<QStringList> m_messages;
    int m_dropped = 0;
    int m_deadlineMs = 400;
};

void TestIpcInbox::initTestCase()
{
    TestSupport::isolateUserFolders();
    m_name = SingleInstance::serverNameFor(QCoreApplication::applicationFilePath());
}

void TestIpcInbox::init()
{
    m_server = std::make_unique<QLocalServer>();
    QVERIFY(SingleInstance::listen(m_server.get(), m_name));
    m_inbox = std::make_unique<IpcInbox>(nullptr, m_deadlineMs);
    m_messages.clear();
    m_dropped = 0;
    connect(m_server.get(), &QLocalServer::newConnection, this, &TestIpcInbox::serve);
}

void TestIpcInbox::cleanup()
{
    m_inbox.reset();
    m_server.reset();
}

void TestIpcInbox::serve()
{
    while (QLocalSocket *connection = m_server->nextPendingConnection()) {
        m_inbox->admit(connection);
        const auto readNow = [this, connection] {
            QStringList pieces;
            switch (m_inbox->read(connection, &pieces)) {
            case IpcInbox::Complete:
                m_messages << pieces;
                m_inbox->close(connection);
                break;
            case IpcInbox::Dropped:
                ++m_dropped;
                break;
            case IpcInbox::Incomplete:
                break;
            }
        };
        connect(connection, &QLocalSocket::readyRead, this, readNow);
    }
}

void TestIpcInbox::messages_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<QStringList>("pieces");  // empty: dropped, no message

    const QByteArray big(IpcInbox::MaxMessageBytes - 40, 'x');
    QTest::newRow("whole") << QList<QByteArray>{"{link-url=>[tvo]@http://a/b}"}
                           << QStringList{"link-url", "http://a/b"};
    QTest::newRow("in three pieces") << QList<QByteArray>{"{link-", "url=>[tvo]@http://", "a/b}"}
                                     << QStringList{"link-url", "http://a/b"};
    QTest::newRow("utf-8 split inside a character")
        << QList<QByteArray>{"{file=>[tvo]@/h/\xc3", "\xbc}"} << QStringList{"file", QString::fromUtf8("/h/ü")};
    QTest::newRow("largest allowed") << QList<QByteArray>{"{link-url=>[tvo]@http://a/" + big + "}"}
                                     << QStringList{"link-url", "http://a/" + QString::fromLatin1(big)};
    QTest::newRow("too large without a frame") << QList<QByteArray>{QByteArray(IpcInbox::MaxMessageBytes + 1, '{')}
                                               << QStringList();
    QTest::newRow("too large in pieces")
        << QList<QByteArray>{"{link-url=>[tvo]@", QByteArray(IpcInbox::MaxMessageBytes, 'a'), "}"} << QStringList();
    QTest::newRow("not utf-8") << QList<QByteArray>{"{link-url=>[tvo]@http://a/\xff\xfe}"} << QStringList();
}

void TestIpcInbox::messages()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(QStringList, pieces);

    QLocalSocket client;
    client.connectToServer(m_name);
    QVERIFY(client.waitForConnected(5000));
    for (const QByteArray &part : writes) {
        if (client.state() != QLocalSocket::ConnectedState)
            break;
        client.write(part);
        QTRY_VERIFY_WITH_TIMEOUT(client.bytesToWrite() == 0 || client.state() != QLocalSocket::ConnectedState, 5000);
        QTest::qWait(20);
    }
    if (pieces.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(m_dropped, 1, 5000);
        QVERIFY(m_messages.isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 5000);
        QCOMPARE(m_messages.first(), pieces);
    }
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 5000);
    QCOMPARE(m_inbox->connectionCount(), 0);
}

void TestIpcInbox::deadline_data()
{
    QTest::addColumn<QByteArray>("trickle");  // sent a byte at a time
    QTest::newRow("silent") << QByteArray();
    QTest::newRow("no frame") << QByteArray("link-url=>[tvo]@http://a/b");
    QTest::newRow("frame never closed") << QByteArray("{link-url=>[tvo]@http://a/b");
}

void TestIpcInbox::deadline()
{
    QFETCH(QByteArray, trickle);

    QLocalSocket client;
    client.connectToServer(m_name);
    QVERIFY(client.waitForConnected(5000));
    QTRY_COMPARE(m_inbox->connectionCount(), 1);
    QElapsedTimer clock;
    clock.start();
    // Sending keeps going past the deadline: a slow sender is cut off too.
    for (int i = 0; i < trickle.size() && client.state() == QLocalSocket::ConnectedState; ++i) {
        client.write(trickle.mid(i, 1));
        client.flush();
        QTest::qWait(m_deadlineMs / 8);
    }
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 10000);
    QVERIFY(clock.elapsed() >= m_deadlineMs - 50);
    QCOMPARE(m_inbox->connectionCount(), 0);
    QVERIFY(m_messages.isEmpty());
}

void TestIpcInbox::connectionsAreBounded()
{
    // Far more silent clients than the inbox keeps; the newest stay.
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (int i = 0; i < 60; ++i) {
        clients.push_back(std::make_unique<QLocalSocket>());
        clients.back()->connectToServer(m_name);
        QVERIFY(clients.back()->waitForConnected(5000));
        // Accepted as they come, as a running instance would.
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_inbox->connectionCount() == IpcInbox::MaxConnections
                                 && clients.front()->state() == QLocalSocket::UnconnectedState,
                             10000);
    QTRY_COMPARE_WITH_TIMEOUT(clients.at(60 - IpcInbox::MaxConnections - 1)->state(),
                              QLocalSocket::UnconnectedState, 10000);
    QCOMPARE(clients.back()->state(), QLocalSocket::ConnectedState);

    // The endpoint still serves a real message.
    QLocalSocket late;
    late.connectToServer(m_name);
    QVERIFY(late.waitForConnected(5000));
    late.write("{link-url=>[tvo]@http://late/}");
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(late.state(), QLocalSocket::UnconnectedState, 5000);
    QCOMPARE(m_messages.first(), (QStringList{"link-url", "http://late/"}));
}

void TestIpcInbox::findEnd_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<int>("end");
    QTest::newRow("one chunk") << QList<QByteArray>{"ab{cd}ef"} << 5;
    QTest::newRow("close before open") << QList<QByteArray>{"}x{y}"} << 4;
    QTest::newRow("brace split") << QList<QByteArray>{"{abc", "d", "}"} << 5;
    QTest::newRow("open arrives late") << QList<QByteArray>{"xx}", "{", "a}"} << 5;
    QTest::newRow("never closed") << QList<QByteArray>{"{", "abc"} << -1;
    QTest::newRow("empty frame") << QList<QByteArray>{"{}"} << 1;
}

void TestIpcInbox::findEnd()
{
    // Scanning chunk by chunk finds what one scan of the whole would.
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(int, end);
    QByteArray buffer;
    int open = -1;
    int found = -1;
    int scanned = 0;
    for (const QByteArray &chunk : chunks) {
        buffer += chunk;
        found = IpcFrame::findEnd(buffer, scanned, &open);
        scanned = buffer.size();
        if (found >= 0)
            break;
    }
    QCOMPARE(found, end);
}

QTEST_GUILESS_MAIN(TestIpcInbox)
#include "tst_ipcinbox.moc"
