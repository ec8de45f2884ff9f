// Runs copies of the real program as separate processes: each test copies
// it into its own folder, so its instance is independent of any other run.

#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>

#include <csignal>

#include "ipcmessage.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "testsupport.h"

namespace {

// One started copy of the program, with its trace lines collected.
class Zantor final
{
public:
    explicit Zantor(const QString &path) : m_path(path)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zantor.*.debug=true"));
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{time boot} %{category}: %{message}"));
        m_process.setProcessEnvironment(env);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { m_log += m_process.readAllStandardError(); });
    }
    ~Zantor()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(10000))
                m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    void start(const QStringList &arguments = {}) { m_process.start(m_path, arguments); }
    QProcess &process() { return m_process; }
    QString log() const { return QString::fromUtf8(m_log); }
    bool isReady() const { return m_log.contains("main window ready"); }
    bool logged(const QString &text) const { return log().contains(text); }

    // Seconds since boot of the first trace line that contains the text, or -1.
    double timeOf(const QString &text) const
    {
        const QStringList lines = log().split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (line.contains(text))
                return line.trimmed().section(QLatin1Char(' '), 0, 0).toDouble();
        }
        return -1;
    }

private:
    QString m_path;
    QProcess m_process;
    QByteArray m_log;
};

// Runs a second start to its end and returns its exit code (-1: crashed or hung).
int runToEnd(const QString &path, const QStringList &arguments)
{
    Zantor second(path);
    second.start(arguments);
    if (!second.process().waitForFinished(60000) || second.process().exitStatus() != QProcess::NormalExit)
        return -1;
    return second.process().exitCode();
}

} // namespace

class TestZantorInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void secondStartSendsLink_data();
    void secondStartSendsLink();
    void secondStartWithoutLink_data();
    void secondStartWithoutLink();
    void windowState_data();
    void windowState();
    void startupLinkAfterHalfSecond();
    void secondStartReachesRunningInstance();
    void linkWithBracesArrivesWhole();
    void killedInstanceDoesNotBlock();
    void copiesInOtherFoldersAreIndependent();
    void terminationSavesWindowState_data();
    void terminationSavesWindowState();

private:
    QString copyProgram(const QString &folder);
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
};

void TestZantorInstance::initTestCase()
{
    TestSupport::isolateUserFolders();
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString TestZantorInstance::copyProgram(const QString &folder)
{
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/zantor");
    return QFile::copy(QStringLiteral(ZANTOR_PATH), path) ? path : QString();
}

void TestZantorInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_program = copyProgram(m_dir->path());
    QVERIFY(!m_program.isEmpty());
}

void TestZantorInstance::cleanup()
{
    m_dir.reset();
}

void TestZantorInstance::secondStartSendsLink_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("link");

    const QString existing = QCoreApplication::applicationFilePath();
    QTest::newRow("http") << QStringList{"http://127.0.0.1/a.zip"} << "http://127.0.0.1/a.zip";
    QTest::newRow("HTTPS with query") << QStringList{"HTTPS://h/x?a=1&b=2"} << "HTTPS://h/x?a=1&b=2";
    QTest::newRow("/link-url raw") << QStringList{"/link-url", " ftp://h/f b "} << " ftp://h/f b ";
    QTest::newRow("magnet upper case") << QStringList{"MAGNET:?xt=urn:1"} << "MAGNET:?xt=urn:1";
    QTest::newRow("existing file") << QStringList{existing} << existing;
}

// This test holds the marker and the endpoint itself, so it sees exactly
// what a second start sends.
void TestZantorInstance::secondStartSendsLink()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, link);

    SingleInstance holder(m_program);
    QVERIFY(holder.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, holder.serverName()));

    Zantor second(m_program);
    second.start(arguments);
    QVERIFY(server.waitForNewConnection(30000));
    std::unique_ptr<QLocalSocket> connection(server.nextPendingConnection());
    const QByteArray expected = ("{link-url=>[tvo]@" + link + "}").toUtf8();
    QByteArray received;
    while (!received.contains('}') && connection->waitForReadyRead(20000))
        received += connection->readAll();
    QCOMPARE(received, expected);
    QCOMPARE(QString::fromUtf8(received), IpcMessage::build(QStringLiteral("link-url"), link));

    // The second start waits for this side to close, then ends with 0.
    QVERIFY(!connection->waitForDisconnected(300));
    connection->abort();
    QVERIFY(second.process().waitForFinished(20000));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 0);
}

void TestZantorInstance::secondStartWithoutLink_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");  // empty: nothing is sent
    const QString show = IpcMessage::build(IpcMessage::showWindowCommand(), QStringList());
    QTest::newRow("no argument") << QStringList{} << show;
    QTest::newRow("/bg") << QStringList{"/bg"} << QString();
    QTest::newRow("two non-links") << QStringList{"mailto:a@b", "mailto:c@d"} << show;
    QTest::newRow("not a link") << QStringList{"mailto:a@b"} << show;
    QTest::newRow("/link-url alone") << QStringList{"/link-url"} << show;
}

// Without a link a second start asks the running instance for its window,
// unless it is the start in the background.
void TestZantorInstance::secondStartWithoutLink()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    SingleInstance holder(m_program);
    QVERIFY(holder.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, holder.serverName()));

    if (message.isEmpty()) {
        QCOMPARE(runToEnd(m_program, arguments), 0);
        QVERIFY(!server.waitForNewConnection(0));
        QVERIFY(!server.hasPendingConnections());
        return;
    }
    Zantor second(m_program);
    second.start(arguments);
    QVERIFY(server.waitForNewConnection(30000));
    std::unique_ptr<QLocalSocket> connection(server.nextPendingConnection());
    QByteArray received;
    while (!received.contains('}') && connection->waitForReadyRead(20000))
        received += connection->readAll();
    QCOMPARE(QString::fromUtf8(received), message);
    connection->abort();
    QVERIFY(second.process().waitForFinished(20000));
    QCOMPARE(second.process().exitCode(), 0);
}

void TestZantorInstance::windowState_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("state");

    QTest::newRow("normal") << QStringList{} << "visible";
    // The offscreen platform has no tray: hidden, the window could not be
    // brought back, so it is only minimised.
    QTest::newRow("/bg without a tray") << QStringList{"/bg"} << "visible, minimised";
    QTest::newRow("/bg with a link") << QStringList{"/bg", "http://a/b"} << "visible, minimised";
    QTest::newRow("--background") << QStringList{"--background"} << "visible, minimised";
}

void TestZantorInstance::windowState()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, state);

    Zantor first(m_program);
    first.start(arguments);
    QTRY_VERIFY_WITH_TIMEOUT(first.isReady(), 30000);
    QVERIFY2(first.logged(QStringLiteral("main window ready: ") + state + QLatin1Char('\n')), qPrintable(first.log()));
}

void TestZantorInstance::startupLinkAfterHalfSecond()
{
    const QString link = QStringLiteral("ftp://127.0.0.1/pub/file.iso");
    Zantor first(m_program);
    first.start({QStringLiteral("/link-url"), link});
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("link requested: ") + link), 30000);
    QVERIFY2(first.isReady(), qPrintable(first.log()));

    const double ready = first.timeOf(QStringLiteral("main window ready"));
    const double requested = first.timeOf(QStringLiteral("link requested: "));
    QVERIFY(ready > 0);
    // Armed once the window is up, the start-up timer waits half a second.
    QVERIFY2(requested - ready >= 0.45, qPrintable(first.log()));
    QVERIFY2(requested - ready < 10.0, qPrintable(first.log()));
    QCOMPARE(first.log().count(QStringLiteral("link requested: ")), 1);
}

void TestZantorInstance::secondStartReachesRunningInstance()
{
    Zantor first(m_program);
    first.start({QStringLiteral("/bg")});
    QTRY_VERIFY_WITH_TIMEOUT(first.isReady(), 30000);

    // Without a link the window comes back; in the background, and with
    // links the running instance does not take, nothing else changes.
    QCOMPARE(runToEnd(m_program, {QStringLiteral("/bg")}), 0);
    QCOMPARE(runToEnd(m_program, {}), 0);
    QTRY_VERIFY(first.logged(QStringLiteral("window brought back")));
    QCOMPARE(first.log().count(QStringLiteral("window brought back")), 1);
    QCOMPARE(runToEnd(m_program, {QStringLiteral("MAGNET:?xt=urn:1")}), 0);
    QCOMPARE(runToEnd(m_program, {QStringLiteral("/link-url"), QStringLiteral("gopher://h/")}), 0);
    QTRY_VERIFY(first.logged(QStringLiteral("ignored link \"gopher://h/\"")));
    QVERIFY(first.logged(QStringLiteral("ignored link \"MAGNET:?xt=urn:1\"")));
    QVERIFY(!first.logged(QStringLiteral("link requested: ")));

    QCOMPARE(runToEnd(m_program, {QStringLiteral("/link-url"), QStringLiteral("  http://127.0.0.1/a b.zip\t")}), 0);
    QTRY_VERIFY(first.logged(QStringLiteral("link requested: http://127.0.0.1/a b.zip\n")));
    // The link opened the new task dialog; while it is up, links are dropped.
    QCOMPARE(runToEnd(m_program, {QStringLiteral("http://127.0.0.1/while-open")}), 0);
    QTRY_VERIFY(first.logged(QStringLiteral("link dropped")));
    QCOMPARE(first.log().count(QStringLiteral("link requested: ")), 1);
    QCOMPARE(first.log().count(QStringLiteral("main window ready")), 1);
    QCOMPARE(first.process().state(), QProcess::Running);

    // Ending it normally releases the marker.
    first.process().terminate();
    QVERIFY(first.process().waitForFinished(20000));
    QCOMPARE(first.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.process().exitCode(), 0);
    SingleInstance after(m_program);
    QVERIFY(after.claim());
}

// "}" closes a message frame; a link holding one still arrives whole.
void TestZantorInstance::linkWithBracesArrivesWhole()
{
    Zantor first(m_program);
    first.start({QStringLiteral("/bg")});
    QTRY_VERIFY_WITH_TIMEOUT(first.isReady(), 30000);
    const QString link = QStringLiteral("http://127.0.0.1/f}x{y}=>[tvo]@%7D.zip");
    QCOMPARE(runToEnd(m_program, {QStringLiteral("/link-url"), link}), 0);
    QTRY_VERIFY2(first.logged(QStringLiteral("link requested: ") + link + QLatin1Char('\n')), qPrintable(first.log()));
}

void TestZantorInstance::killedInstanceDoesNotBlock()
{
    {
        Zantor first(m_program);
        first.start();
        QTRY_VERIFY_WITH_TIMEOUT(first.isReady(), 30000);
        ::kill(pid_t(first.process().processId()), SIGKILL);
        QVERIFY(first.process().waitForFinished(20000));
        QCOMPARE(first.process().exitStatus(), QProcess::CrashExit);
    }

    Zantor next(m_program);
    next.start();
    QTRY_VERIFY_WITH_TIMEOUT(next.isReady(), 30000);
    QCOMPARE(next.process().state(), QProcess::Running);

    QCOMPARE(runToEnd(m_program, {QStringLiteral("http://127.0.0.1/after-kill")}), 0);
    QTRY_VERIFY(next.logged(QStringLiteral("link requested: http://127.0.0.1/after-kill")));
}

void TestZantorInstance::copiesInOtherFoldersAreIndependent()
{
    const QString otherProgram = copyProgram(m_dir->filePath(QStringLiteral("other")));
    QVERIFY(!otherProgram.isEmpty());
    Zantor first(m_program);
    Zantor other(otherProgram);
    first.start();
    other.start();
    QTRY_VERIFY_WITH_TIMEOUT(first.isReady(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(other.isReady(), 30000);

    QCOMPARE(runToEnd(otherProgram, {QStringLiteral("http://127.0.0.1/for-other")}), 0);
    QTRY_VERIFY(other.logged(QStringLiteral("link requested: http://127.0.0.1/for-other")));
    QVERIFY(!first.logged(QStringLiteral("link requested")));
}

void TestZantorInstance::terminationSavesWindowState_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP, the session ends") << int(SIGHUP);
}

void TestZantorInstance::terminationSavesWindowState()
{
    QFETCH(int, signalNumber);
    const QString file = SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application);
    {
        QSettings store(file, QSettings::IniFormat);
        store.remove(QStringLiteral("UI"));
        store.setValue(QStringLiteral("Language"), QStringLiteral("null"));
    }
    Zantor first(m_program);
    first.start();
    QTRY_VERIFY_WITH_TIMEOUT(first.isReady(), 30000);
    ::kill(pid_t(first.process().processId()), signalNumber);
    QVERIFY(first.process().waitForFinished(30000));
    QCOMPARE(first.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.process().exitCode(), 0);

    // Every way out saves the window state, not only the Exit action.
    QSettings store(file, QSettings::IniFormat);
    QVERIFY2(store.value(QStringLiteral("UI/MainWindowGeometry")).toRect().height() > 0, qPrintable(first.log()));
    QCOMPARE(store.value(QStringLiteral("UI/MainSplitterSizes")).toStringList().size(), 2);
    QVERIFY(store.contains(QStringLiteral("UI/FloatingWindowPosition")));
    QVERIFY(store.value(QStringLiteral("Language")).toString() != QLatin1String("null"));
}

QTEST_GUILESS_MAIN(TestZantorInstance)
#include "tst_zantorinstance.moc"
