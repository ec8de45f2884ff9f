#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>

#include <QCryptographicHash>
#include <QScopeGuard>
#include <QSharedMemory>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

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
    void runtimeFolderChoice_data();
    void runtimeFolderChoice();
    void foreignNamesDoNotBlock();
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
    QCOMPARE(QFileInfo(a).absolutePath(), SingleInstance::runtimeFolder());
    QVERIFY(QFileInfo(a).fileName().startsWith(QStringLiteral("zantor-")));
    QCOMPARE(SingleInstance(QStringLiteral("/opt/a/zantor")).serverName(), a);
    QCOMPARE(SingleInstance::markerPathFor(QStringLiteral("/opt/a/zantor")), a + QStringLiteral(".lock"));
}

void TestSingleInstance::runtimeFolderChoice_data()
{
    QTest::addColumn<QString>("xdg");      // "" unset; "<dir>" a fresh folder; "<link>" a link to one
    QTest::addColumn<int>("xdgMode");
    QTest::addColumn<bool>("xdgForeign");  // owned by another user
    QTest::addColumn<bool>("tempTaken");   // the temporary fallback is another user's
    QTest::addColumn<QString>("expected"); // "xdg", "temp" or "cache"

    QTest::newRow("private runtime folder") << "<dir>" << 0700 << false << false << "xdg";
    QTest::newRow("loose runtime folder is tightened") << "<dir>" << 0777 << false << false << "xdg";
    QTest::newRow("unset") << "" << 0 << false << false << "temp";
    QTest::newRow("relative") << "runtime" << 0 << false << false << "temp";
    QTest::newRow("missing") << "/nonexistent/zantor-runtime" << 0 << false << false << "temp";
    QTest::newRow("a link") << "<link>" << 0700 << false << false << "temp";
    QTest::newRow("another user's") << "<dir>" << 0777 << true << false << "temp";
    QTest::newRow("temporary fallback taken") << "" << 0 << false << true << "cache";
}

void TestSingleInstance::runtimeFolderChoice()
{
    QFETCH(QString, xdg);
    QFETCH(int, xdgMode);
    QFETCH(bool, xdgForeign);
    QFETCH(bool, tempTaken);
    QFETCH(QString, expected);
    if ((xdgForeign || tempTaken) && ::getuid() != 0)
        QSKIP("giving a folder to another user needs root");

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QByteArray oldXdg = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTmp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", oldXdg);
        if (oldTmp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmp);
    });

    const QString xdgDir = scratch.filePath(QStringLiteral("xdg"));
    if (xdg == QLatin1String("<dir>") || xdg == QLatin1String("<link>")) {
        QVERIFY(QDir().mkpath(xdgDir));
        QVERIFY(::chmod(QFile::encodeName(xdgDir).constData(), mode_t(xdgMode)) == 0);
        if (xdgForeign)
            QVERIFY(::chown(QFile::encodeName(xdgDir).constData(), 65534, 65534) == 0);
    }
    if (xdg == QLatin1String("<dir>")) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(xdgDir));
    } else if (xdg == QLatin1String("<link>")) {
        const QString link = scratch.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(xdgDir, link));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(link));
    } else if (xdg.isEmpty()) {
        qunsetenv("XDG_RUNTIME_DIR");
    } else {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(xdg));
    }

    const QString tmp = scratch.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(tmp));
    qputenv("TMPDIR", QFile::encodeName(tmp));
    const QString tempFallback = tmp + QStringLiteral("/zantor-runtime-") + QString::number(::getuid());
    if (tempTaken) {
        // Another user got there first and left the folder open to all.
        QVERIFY(QDir().mkpath(tempFallback));
        QVERIFY(::chmod(QFile::encodeName(tempFallback).constData(), 0777) == 0);
        QVERIFY(::chown(QFile::encodeName(tempFallback).constData(), 65534, 65534) == 0);
    }

    const QString folder = SingleInstance::runtimeFolder();
    if (expected == QLatin1String("xdg"))
        QCOMPARE(folder, xdgDir);
    else if (expected == QLatin1String("temp"))
        QCOMPARE(folder, tempFallback);
    else
        QVERIFY2(folder.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)),
                 qPrintable(folder));

    // Whatever was chosen is a folder of this user's that nobody else may enter.
    struct stat info{};
    QVERIFY(::lstat(QFile::encodeName(folder).constData(), &info) == 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, ::getuid());
    QCOMPARE(int(info.st_mode & 0777), 0700);

    // And an instance works there.
    const QString path = uniquePath(QStringLiteral("choice-") + QString::fromLatin1(QTest::currentDataTag()));
    SingleInstance first(path);
    QVERIFY(first.claim());
    QVERIFY(first.serverName().startsWith(folder + QLatin1Char('/')));
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, first.serverName()));
    SingleInstance second(path);
    QVERIFY(!second.claim());
}

void TestSingleInstance::foreignNamesDoNotBlock()
{
    // Another local user may create anything in the shared temporary
    // folder and under the well-known segment keys. None of it may keep the
    // program from starting, nor receive its links.
    const QString path = uniquePath(QStringLiteral("foreign"));
    const QString oldKey = path + QStringLiteral("|uid=") + QString::number(::getuid());
    QSharedMemory segment(oldKey);
    QVERIFY(segment.create(4));
    const QString oldName = QStringLiteral("zantor-")
        + QString::fromLatin1(QCryptographicHash::hash(oldKey.toUtf8(), QCryptographicHash::Sha1).toHex());
    QLocalServer decoy;
    decoy.setSocketOptions(QLocalServer::WorldAccessOption);
    QVERIFY(decoy.listen(oldName));
    const auto stopDecoy = qScopeGuard([&] { decoy.close(); });

    // A marker file left in the runtime folder that nobody holds.
    SingleInstance instance(path);
    {
        QFile stale(instance.markerPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("left over");
    }
    QVERIFY(instance.claim());
    QVERIFY(instance.serverName() != decoy.fullServerName());
    QVERIFY(QFileInfo(instance.serverName()).absolutePath() != QDir::tempPath());
    QCOMPARE(QFileInfo(instance.serverName()).absolutePath(), SingleInstance::runtimeFolder());

    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, instance.serverName()));
    SenderThread sender(instance.serverName(), QStringLiteral("{link-url=>[tvo]@http://a/b}"), 5000, 5000);
    sender.start();
    QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), 10000);
    QLocalSocket *received = server.nextPendingConnection();
    QTRY_VERIFY_WITH_TIMEOUT(received->bytesAvailable() > 0, 10000);
    received->abort();
    QVERIFY(sender.wait(10000));
    QVERIFY(!decoy.hasPendingConnections());
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

    // Its lock file and socket file are left behind; neither blocks the next start.
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
