// The real clipdeck program as separate processes: its command line, the
// hand-over to a running player and what the running player does with it.
// Each test runs its own copy of the program in its own folder.

#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>
#include <QXmlStreamReader>

#include "playercommandline.h"
#include "programprocess.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "testsupport.h"

namespace {

const QString Trace = QStringLiteral("clipdeck.*");

bool copyFile(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    return QFile::copy(from, to);
}

QStringList playlist()
{
    QFile file(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Tarvo/clipdeck/scripts/player/playlist.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable>")};
    QXmlStreamReader reader(&file);
    QStringList paths;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("source"))
            paths << reader.attributes().value(QStringLiteral("src")).toString();
    }
    return reader.hasError() ? QStringList{QStringLiteral("<malformed>")} : paths;
}

} // namespace

class TestClipdeckInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartHandsOverFile_data();
    void secondStartHandsOverFile();
    void secondStartWithoutFileOpensWindow_data();
    void secondStartWithoutFileOpensWindow();
    void runningPlayerTakesFiles();

private:
    QString media(const QString &name);
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
};

void TestClipdeckInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_program = m_dir->filePath(QStringLiteral("bin/clipdeck"));
    QVERIFY(copyFile(TestSupport::binDir() + QStringLiteral("/clipdeck"), m_program));
    const QStringList page = QDir(TestSupport::binDir() + QStringLiteral("/scripts/player")).entryList(QDir::Files);
    QVERIFY(!page.isEmpty());
    for (const QString &name : page)
        QVERIFY(copyFile(TestSupport::binDir() + QStringLiteral("/scripts/player/") + name,
                         m_dir->filePath(QStringLiteral("bin/scripts/player/") + name)));
    QFile::remove(SettingsStore::filePath(QStringLiteral("Tarvo"), QStringLiteral("clipdeck")));
}

void TestClipdeckInstance::cleanup()
{
    m_dir.reset();
}

QString TestClipdeckInstance::media(const QString &name)
{
    const QString path = m_dir->filePath(QStringLiteral("media/") + name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) ? path : QString();
}

void TestClipdeckInstance::secondStartHandsOverFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("file") << QStringList{"/m/a b.mp4"} << QByteArray("{file=>[tvo]@/m/a b.mp4=>[tvo]@=>[tvo]@}");
    QTest::newRow("file and one more") << QStringList{"/m/a.mp4", "5"} << QByteArray("{file=>[tvo]@/m/a.mp4=>[tvo]@=>[tvo]@}");
    QTest::newRow("three") << QStringList{"/m/a.mp4", "1", "http://h/ads/"}
                           << QByteArray("{file=>[tvo]@/m/a.mp4=>[tvo]@1=>[tvo]@http://h/ads/}");
    QTest::newRow("/file") << QStringList{"/file", "/m/ü.flv", "0", "http://h/ads/"}
                           << QString::fromUtf8("{file=>[tvo]@/m/ü.flv=>[tvo]@0=>[tvo]@http://h/ads/}").toUtf8();
    QTest::newRow("/file and more") << QStringList{"/file", "/m/a.mp4", "0", "http://h/", "x", "y"}
                                    << QByteArray("{file=>[tvo]@/m/a.mp4=>[tvo]@0=>[tvo]@http://h/}");
}

// This test holds the marker and the endpoint itself, so it sees exactly
// what a second start sends; the second start ends with 0 once this side
// closes.
void TestClipdeckInstance::secondStartHandsOverFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);

    SingleInstance holder(m_program);
    QVERIFY(holder.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, holder.serverName()));

    ProgramProcess second(m_program, Trace);
    second.start(arguments);
    QVERIFY(server.waitForNewConnection(30000));
    std::unique_ptr<QLocalSocket> connection(server.nextPendingConnection());
    QByteArray received;
    while (!received.contains('}') && connection->waitForReadyRead(20000))
        received += connection->readAll();
    QCOMPARE(received, message);
    QVERIFY(!connection->waitForDisconnected(300));
    connection->abort();
    QVERIFY(second.process().waitForFinished(20000));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 0);
    QVERIFY2(!second.logged(QStringLiteral("window ready")), qPrintable(second.log()));
}

void TestClipdeckInstance::secondStartWithoutFileOpensWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("four, first not /file") << QStringList{"/files", "/m/a.mp4", "0", "http://h/"};
}

// Without a file a second start opens a window of its own and leaves the
// endpoint to the running player.
void TestClipdeckInstance::secondStartWithoutFileOpensWindow()
{
    QFETCH(QStringList, arguments);

    SingleInstance holder(m_program);
    QVERIFY(holder.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, holder.serverName()));

    ProgramProcess second(m_program, Trace);
    second.start(arguments);
    QTRY_VERIFY_WITH_TIMEOUT(second.logged(QStringLiteral("window ready (second window)")), 30000);
    QVERIFY(!server.hasPendingConnections());
    QCOMPARE(second.process().state(), QProcess::Running);

    // The running player's endpoint is still its own.
    QLocalSocket probe;
    probe.connectToServer(holder.serverName());
    QVERIFY(probe.waitForConnected(5000));
    QVERIFY(server.waitForNewConnection(5000));
}

void TestClipdeckInstance::runningPlayerTakesFiles()
{
    const QString first = media(QStringLiteral("first.mp4"));
    const QString second = media(QStringLiteral("second & <more> {x}}.mp4"));
    const QString ads = QStringLiteral("http://127.0.0.1:9/ads/");

    ProgramProcess player(m_program, Trace);
    player.start({QStringLiteral("/file"), first, QStringLiteral("1"), ads});
    QTRY_VERIFY_WITH_TIMEOUT(player.logged(QStringLiteral("window ready")), 30000);
    QVERIFY(!player.logged(QStringLiteral("second window")));
    QCOMPARE(playlist(), QStringList{first});

    // A file from a second start: one more row, the list rewritten.
    {
        ProgramProcess sender(m_program, Trace);
        QCOMPARE(sender.runToEnd({QStringLiteral("/file"), second, QStringLiteral("1"), ads}), 0);
        QVERIFY(!sender.logged(QStringLiteral("window ready")));
    }
    QTRY_VERIFY_WITH_TIMEOUT(player.logged(QStringLiteral("row added: ") + second), 20000);
    QCOMPARE(playlist(), QStringList{second});
    QCOMPARE(player.count(QStringLiteral("row added: ")), 2);

    // The first file again: no second row, but it is played.
    {
        ProgramProcess sender(m_program, Trace);
        QCOMPARE(sender.runToEnd({QStringLiteral("/file"), m_dir->path() + QStringLiteral("/media/./first.mp4"),
                                  QStringLiteral("1"), ads}),
                 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(playlist(), QStringList{first}, 20000);
    QCOMPARE(player.count(QStringLiteral("row added: ")), 2);

    // Only a path: empty fields, which the running player drops.
    {
        ProgramProcess sender(m_program, Trace);
        QCOMPARE(sender.runToEnd({media(QStringLiteral("third.mp4"))}), 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(player.logged(QStringLiteral("message dropped")), 20000);
    QCOMPARE(player.count(QStringLiteral("row added: ")), 2);
    QCOMPARE(playlist(), QStringList{first});
    QCOMPARE(player.process().state(), QProcess::Running);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestClipdeckInstance test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_clipdeckinstance.moc"
