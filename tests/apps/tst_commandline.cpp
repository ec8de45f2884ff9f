// The programs' command lines, run as real processes: what each argument
// list prints, which exit status it ends with and what it hands to a
// running instance.

#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

#include "ipcmessage.h"
#include "programprocess.h"
#include "singleinstance.h"
#include "testsupport.h"

namespace {

// Without a display, a program that tried to open a window would fail.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return env;
}

// Every piece of the first complete message a connection brings, or
// nothing when none came.
QStringList receivedPieces(QLocalServer *server, int waitMs)
{
    if (!server->waitForNewConnection(waitMs))
        return {};
    std::unique_ptr<QLocalSocket> connection(server->nextPendingConnection());
    QByteArray received;
    QStringList pieces;
    while (!IpcMessage::parse(QString::fromUtf8(received), &pieces) && connection->waitForReadyRead(20000))
        received += connection->readAll();
    connection->abort();
    return pieces;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void outcome_data();
    void outcome();
    void runningInstanceTakesLinks();

private:
    QTemporaryDir m_dir;
    QString m_zantor;
};

void TestCommandLine::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_dir.isValid());
    // A copy of its own, so no other run's instance answers.
    m_zantor = m_dir.filePath(QStringLiteral("zantor"));
    QVERIFY(QFile::copy(QStringLiteral(ZANTOR_PATH), m_zantor));
}

void TestCommandLine::outcome_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");       // part of standard output
    QTest::addColumn<QString>("errors");       // part of standard error
    QTest::addColumn<QStringList>("handedOver"); // the message's pieces; empty: none
    using L = QStringList;
    const QString zantor = QStringLiteral("zantor");
    const QString here = m_dir.path();

    // Answers without a display.
    QTest::newRow("--help") << zantor << L{"--help"} << false << 0 << "--save-dir <folder>" << "" << L{};
    QTest::newRow("-h with links") << zantor << L{"http://a/b", "-h"} << false << 0 << "[link...]" << "" << L{};
    QTest::newRow("--version") << zantor << L{"--version"} << false << 0 << "zantor 1.4.4\n" << "" << L{};
    QTest::newRow("-v") << zantor << L{"-v"} << false << 0 << "1.4.4" << "" << L{};
    QTest::newRow("unknown option") << zantor << L{"--frobnicate", "http://a/b"} << false << 2 << ""
                                    << "zantor: Unknown option 'frobnicate'." << L{};
    QTest::newRow("--add alone") << zantor << L{"--add"} << false << 2 << "" << "need at least one link" << L{};
    QTest::newRow("--save-dir without folder") << zantor << L{"http://a/b", "--save-dir"} << false << 2 << ""
                                               << "Missing value after '--save-dir'." << L{};
    QTest::newRow("clipdeck --help") << "clipdeck" << L{"--help"} << false << 0 << "/file FILE HIDE-FLAG" << "" << L{};
    QTest::newRow("clipdeck --version") << "clipdeck" << L{"--version"} << false << 0 << "clipdeck 1.4.4\n" << ""
                                        << L{};
    QTest::newRow("mapglance -h") << "mapglance" << L{"-h"} << false << 0 << "/geo-ip <address>&<domain>" << ""
                                  << L{};
    QTest::newRow("mapglance -v") << "mapglance" << L{"-v"} << false << 0 << "mapglance 1.4.4\n" << "" << L{};

    // Hand-over to the running instance.
    QTest::newRow("one link, as always") << zantor << L{"http://a/b"} << true << 0 << "" << ""
                                         << L{"link-url", "http://a/b"};
    QTest::newRow("/link-url, as always") << zantor << L{"/link-url", " ftp://h/f "} << true << 0 << "" << ""
                                          << L{"link-url", " ftp://h/f "};
    QTest::newRow("two links") << zantor << L{"http://a/b", "FTP://c/d"} << true << 0 << "" << ""
                               << L{"link-url", "http://a/b", "FTP://c/d"};
    QTest::newRow("--add --save-dir") << zantor << L{"--add", "--save-dir", "in here", "http://a/b"} << true << 0
                                      << "" << ""
                                      << L{"link-url", "--add", "--save-dir=" + here + "/in here", "http://a/b"};
    QTest::newRow("--background with a link") << zantor << L{"--background", "http://a/b"} << true << 0 << "" << ""
                                              << L{"link-url", "http://a/b"};
    QTest::newRow("a non-link beside a link") << zantor << L{"mailto:x@y", "http://a/b"} << true << 0 << ""
                                              << "zantor: not a link, ignored: mailto:x@y"
                                              << L{"link-url", "http://a/b"};
    QTest::newRow("no link: nothing to hand over") << zantor << L{"/bg"} << true << 0 << "" << "" << L{};
    QTest::newRow("option-looking text after --") << zantor << L{"--", "--add"} << true << 0 << ""
                                                  << "not a link, ignored: --add" << L{};
}

void TestCommandLine::outcome()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QFETCH(QStringList, handedOver);

    // The test is the running instance: it holds the marker and the endpoint.
    const QString path = program == QLatin1String("zantor") ? m_zantor
        : program == QLatin1String("clipdeck")              ? QStringLiteral(CLIPDECK_PATH)
                                                            : QStringLiteral(MAPGLANCE_PATH);
    SingleInstance holder(path);
    QVERIFY(holder.claim());
    QLocalServer server;
    QVERIFY(SingleInstance::listen(&server, holder.serverName()));

    QProcess process;
    QProcessEnvironment env = display ? QProcessEnvironment::systemEnvironment() : withoutDisplay();
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.start(path, arguments);
    QVERIFY(process.waitForStarted(10000));

    const QStringList pieces = receivedPieces(&server, handedOver.isEmpty() ? 0 : 30000);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(process.exitCode() == exitCode, qPrintable(err));
    QVERIFY2(out.contains(output), qPrintable(out));
    QVERIFY2(err.contains(errors), qPrintable(err));
    if (exitCode != 0)
        QVERIFY2(out.isEmpty(), qPrintable(out));
    QCOMPARE(pieces, handedOver);
    if (handedOver.isEmpty())
        QVERIFY(!server.hasPendingConnections());
}

// The real program as the running instance: links with --add are listed
// and started at once, in a folder made for them; plain links open the new
// task dialog one after the other.
void TestCommandLine::runningInstanceTakesLinks()
{
    const QString program = m_dir.filePath(QStringLiteral("running/zantor"));
    QVERIFY(QDir().mkpath(QFileInfo(program).path()));
    QVERIFY(QFile::copy(QStringLiteral(ZANTOR_PATH), program));
    ProgramProcess first(program, QStringLiteral("zantor.*"));
    first.start();
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("main window ready")), 30000);

    const QString folder = m_dir.filePath(QStringLiteral("made for the links"));
    ProgramProcess adder(program, QStringLiteral("zantor.*"));
    QCOMPARE(adder.runToEnd({QStringLiteral("--add"), QStringLiteral("--save-dir"), folder,
                             QStringLiteral("http://127.0.0.1:9/one.bin"), QStringLiteral("http://127.0.0.1:9/two.bin")}),
             0);
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("link added: http://127.0.0.1:9/two.bin")), 20000);
    QVERIFY2(first.logged(QStringLiteral("link added: http://127.0.0.1:9/one.bin")), qPrintable(first.log()));
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(!first.logged(QStringLiteral("new task dialog for:")));

    ProgramProcess asker(program, QStringLiteral("zantor.*"));
    QCOMPARE(asker.runToEnd({QStringLiteral("http://127.0.0.1:9/a"), QStringLiteral("http://127.0.0.1:9/b")}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(first.logged(QStringLiteral("link requested: http://127.0.0.1:9/b")), 20000);
    // The second waits for the dialog of the first to end.
    QVERIFY(first.logged(QStringLiteral("new task dialog for: http://127.0.0.1:9/a")));
    QVERIFY(!first.logged(QStringLiteral("new task dialog for: http://127.0.0.1:9/b")));
    QCOMPARE(first.process().state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
