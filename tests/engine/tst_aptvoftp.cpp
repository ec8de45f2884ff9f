#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "applicationinfo.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "enginetestkit.h"
#include "ftptestservers.h"
#include "settingsstore.h"
#include "testsupport.h"

using namespace EngineTestKit;

namespace {
constexpr qint64 MiB = 1024 * 1024;
const QString User = QStringLiteral("fetcher");
const QString Password = QStringLiteral("p@ss word");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Verbs of one session's commands, in order.
QList<QByteArray> verbs(const QList<QByteArray> &commands)
{
    QList<QByteArray> list;
    for (const QByteArray &c : commands)
        list << c.left(c.indexOf(' ') < 0 ? c.size() : c.indexOf(' ')).toUpper();
    return list;
}
} // namespace

// FTP connections against a real pyftpdlib server, nginx for HTTP mirrors,
// and a scripted FTP server for the faults a real server does not give.
// The scripted server runs in the test's thread, and libcurl waits for the
// final reply of a retrieval in the task thread, so tests let a connection
// end (no active connection left) before they stop the task.
class TstApTvoFtp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loginsDownloadByteIdentical_data();
    void loginsDownloadByteIdentical();
    void wrongPasswordFailsConnection();
    void mixedMirrorsAssembleOneFile();
    void rangedConnectionRestartsAndStopsAtSegmentEnd();
    void unknownSizeStreams_data();
    void unknownSizeStreams();
    void errorReplyFailsConnection_data();
    void errorReplyFailsConnection();
    void refusedEpsvFallsBackToPasv();
    void earlyEndOfRetrievalFailsConnection();
    void proxiesAreNotUsed();
    void retriedFirstResponseAddsNothing();
    void activeCountHasNoSplitBound();
    void mirrorOfAnotherSizeIsTakenOver();
    void failureReasonNamesTheReply_data();
    void failureReasonNamesTheReply();
    void sessionCapKeepsAcceptedSessions_data();
    void sessionCapKeepsAcceptedSessions();
    void refusedConnectionMidDownload_data();
    void refusedConnectionMidDownload();
    void unreachableMirrorIsAFailure();

private:
    ApTvoDownloadTaskThread *add(const QString &url, const QString &name,
                                 const QStringList &mirrors = {}, bool start = true);

    QTemporaryDir m_root;       // anonymous root, also served by nginx
    QTemporaryDir m_home;       // the user's root
    QTemporaryDir m_out;
    LocalFtpServer m_ftp;
    LocalNginx m_nginx;
    ApplicationInfo m_info;
    std::unique_ptr<ApTvoManager> m_manager;
    std::unique_ptr<ScriptedFtpServer> m_scripted;
    QHash<QString, QByteArray> m_sha1;
    QByteArray m_content;       // 8 MiB for the scripted server
};

void TstApTvoFtp::initTestCase()
{
    QVERIFY(m_root.isValid() && m_home.isValid() && m_out.isValid());
    const struct { const char *name; qint64 size; quint32 seed; } files[] = {
        {"pub/a.bin", 8 * MiB, 1}, {"pub/mixed.bin", 24 * MiB, 2}, {"mirror/mixed.bin", 24 * MiB, 2}};
    for (const auto &f : files) {
        const QString path = m_root.filePath(QLatin1String(f.name));
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(writeRandomFile(path, f.size, f.seed));
        m_sha1.insert(QLatin1String(f.name), sha1OfFile(path));
    }
    // Only the user sees this file, so a download of it proves the login.
    QVERIFY(writeRandomFile(m_home.filePath(QStringLiteral("private.bin")), 8 * MiB, 3));
    m_sha1.insert(QStringLiteral("private.bin"), sha1OfFile(m_home.filePath(QStringLiteral("private.bin"))));
    if (!m_ftp.start(m_root.path(), m_home.path(), User, Password))
        QFAIL(qPrintable(QStringLiteral("pyftpdlib did not start: ") + m_ftp.error()));
    if (!m_nginx.start(m_root.path(), QStringLiteral("limit_rate 8m;")))
        QFAIL(qPrintable(QStringLiteral("nginx did not start: ") + m_nginx.error()));
    m_content = randomBytes(8 * MiB, 21);
}

void TstApTvoFtp::init()
{
    {
        SettingsStore s;
        s->clear();
    }
    m_manager.reset(new ApTvoManager(nullptr, &m_info));
    m_manager->readSettings();
    m_scripted.reset(new ScriptedFtpServer);
    QVERIFY(m_scripted->listen());
    m_scripted->setFile("/f.bin", m_content);
}

void TstApTvoFtp::cleanup()
{
    m_manager.reset();
    m_scripted.reset();
}

ApTvoDownloadTaskThread *TstApTvoFtp::add(const QString &url, const QString &name,
                                          const QStringList &mirrors, bool start)
{
    EngineTaskInput input;
    input.id = 7;
    input.protocol = url.startsWith(QLatin1String("ftp")) ? EngineTaskInput::Ftp : EngineTaskInput::Http;
    input.url = url;
    input.mirrors = mirrors;
    input.urlCount = mirrors.size() + 1;
    input.savePath = m_out.filePath(name);
    QFile::remove(input.savePath);
    return m_manager->addTask(input, start);
}

void TstApTvoFtp::loginsDownloadByteIdentical_data()
{
    QTest::addColumn<QString>("userInfo");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expectedUser");
    QTest::newRow("anonymous") << QString() << QStringLiteral("/pub/a.bin") << QStringLiteral("anonymous");
    QTest::newRow("user and password") << QStringLiteral("fetcher:p%40ss%20word")
                                       << QStringLiteral("/private.bin") << User;
}

void TstApTvoFtp::loginsDownloadByteIdentical()
{
    QFETCH(QString, userInfo);
    QFETCH(QString, path);
    QFETCH(QString, expectedUser);
    const int before = m_ftp.commands().size();
    ApTvoDownloadTaskThread *t = add(m_ftp.url(path, userInfo), QStringLiteral("login.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 60000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(path.mid(1)));
    QCOMPARE(t->task().total.load(), QFileInfo(t->task().savePath).size());
    QCOMPARE(t->task().failedConnections.load(), 0);
    QCOMPARE(t->task().sizeUnknown.load(), 0);
    QVERIFY(t->task().headerReceived.load());
    QCOMPARE(t->task().state.load(), 1);
    // No mirrors: the one address is split like an HTTP one, the first
    // session and one per range (8 MiB leaves a fifth connection idle).
    QCOMPARE(t->connectionCount(), 5);
    QCOMPARE(connectionsUsed(t), 4);

    // One control connection per range: login, binary type, the size query
    // on the absolute path, a restart offset for every range but the first,
    // the retrieval of the same path; no folder changes.
    QHash<QString, QStringList> sessions;
    for (const QString &c : m_ftp.commands().mid(before))
        sessions[c.section(QLatin1Char('|'), 0, 0)] << c.section(QLatin1Char('|'), 1);
    QCOMPARE(sessions.size(), 4);
    QStringList restarts;
    for (const QStringList &session : qAsConst(sessions)) {
        const QString all = session.join(QLatin1String(", "));
        QVERIFY2(session.contains(QStringLiteral("USER ") + expectedUser), qPrintable(all));
        const int type = session.indexOf(QStringLiteral("TYPE I"));
        const int size = session.indexOf(QStringLiteral("SIZE ") + path);
        const int retr = session.indexOf(QStringLiteral("RETR ") + path);
        QVERIFY2(type >= 0 && size > type && retr > size, qPrintable(all));
        QCOMPARE(session.filter(QRegularExpression(QStringLiteral("^RETR "))).size(), 1);
        const QStringList rest = session.filter(QRegularExpression(QStringLiteral("^REST ")));
        if (!rest.isEmpty()) {
            QVERIFY2(session.indexOf(rest.first()) < retr, qPrintable(all));
            restarts << rest.first();
        }
        for (const QString &c : session) {
            QVERIFY2(!c.startsWith(QLatin1String("CWD")), qPrintable(c));
            QVERIFY(!c.contains(QLatin1String("p@ss")));
        }
    }
    restarts.sort();
    QCOMPARE(restarts, (QStringList{QStringLiteral("REST %1").arg(2 * MiB), QStringLiteral("REST %1").arg(4 * MiB),
                                    QStringLiteral("REST %1").arg(6 * MiB)}));
    t->stopTask();
}

void TstApTvoFtp::wrongPasswordFailsConnection()
{
    ApTvoDownloadTaskThread *t =
        add(m_ftp.url(QStringLiteral("/private.bin"), QStringLiteral("fetcher:wrong")), QStringLiteral("denied.bin"));
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(t->connectionSnapshots().value(0).state, 7);
    QCOMPARE(t->task().completed.load(), qint64(0));
    QVERIFY(!QFile::exists(t->task().savePath));
    t->stopTask();
}

void TstApTvoFtp::mixedMirrorsAssembleOneFile()
{
    const int before = m_ftp.commands().size();
    const int nginxBefore = m_nginx.accessLog().size();
    ApTvoDownloadTaskThread *t = add(m_ftp.url(QStringLiteral("/pub/mixed.bin")), QStringLiteral("mixed.bin"),
                                     {m_nginx.url(QStringLiteral("/mirror/mixed.bin")),
                                      QStringLiteral("gopher://127.0.0.1:9/skipped"),
                                      m_ftp.url(QStringLiteral("/mirror/mixed.bin"))});
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 90000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("pub/mixed.bin")));
    QCOMPARE(t->task().total.load(), 24 * MiB);
    QCOMPARE(t->task().failedConnections.load(), 0);
    // The first connection and one per usable mirror, each with data.
    QCOMPARE(t->connectionCount(), 3);
    QCOMPARE(connectionsUsed(t), 3);

    // The HTTP mirror asked for a range; the FTP mirror restarted at one.
    // nginx logs a request once it sees the connection end.
    QTRY_VERIFY_WITH_TIMEOUT(!m_nginx.accessLog().mid(nginxBefore).filter(QStringLiteral("GET /mirror/mixed.bin ")).isEmpty(), 5000);
    QStringList httpRanges;
    for (const QString &line : m_nginx.accessLog().mid(nginxBefore))
        if (line.startsWith(QLatin1String("GET /mirror/mixed.bin ")))
            httpRanges << line.section(QLatin1Char('|'), 1, 1);
    QVERIFY(!httpRanges.isEmpty());
    QCOMPARE(httpRanges.first(), QStringLiteral("bytes=%1-").arg(12 * MiB));
    const QStringList ftp = m_ftp.commands().mid(before);
    QStringList restarts;
    QString lastRest;
    for (const QString &c : ftp) {
        const QString cmd = c.section(QLatin1Char('|'), 1);
        if (cmd.startsWith(QLatin1String("REST ")))
            lastRest = cmd;
        if (cmd == QLatin1String("RETR /mirror/mixed.bin"))
            restarts << lastRest;
    }
    QVERIFY(!restarts.isEmpty());
    // Half of the largest remaining range: the first connection's
    // [progress, 12 MiB) or the HTTP mirror's [12 MiB + progress, 24 MiB).
    // How far each has come when the split happens depends on timing, so
    // the point lies in the upper half of one of the two.
    const qint64 rest = restarts.first().mid(5).toLongLong();
    QVERIFY2((rest >= 6 * MiB && rest < 12 * MiB) || (rest >= 18 * MiB && rest < 24 * MiB),
             qPrintable(restarts.first()));
    t->stopTask();
}

void TstApTvoFtp::rangedConnectionRestartsAndStopsAtSegmentEnd()
{
    // Every restarted retrieval sends 256 KiB more than the file has; the
    // connection must keep exactly its segment.
    m_scripted->setFile("/mirror.bin", m_content);
    m_scripted->setTailAfterRestart(QByteArray(256 * 1024, char(0xee)));
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("ranged.bin"),
                                     {m_scripted->url(QStringLiteral("/mirror.bin"))});
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    QCOMPARE(t->task().failedConnections.load(), 0);
    qint64 received = 0;
    for (const ApTvoConnectionSnapshot &c : t->connectionSnapshots()) {
        QVERIFY(c.state == 0 || c.state == 5);
        received += c.bytesReceived;
    }
    QCOMPARE(received, qint64(m_content.size()));

    const QList<ScriptedFtpSession> sessions = m_scripted->sessions();
    QVERIFY(sessions.size() >= 2);
    // The first connection: binary type, size, date, retrieval, no restart
    // offset.
    const QList<QByteArray> first = sessions.at(0).commands;
    const int firstType = first.indexOf("TYPE I");
    QVERIFY2(firstType > 0, first.join(", ").constData());
    QCOMPARE(first.mid(firstType, 4),
             (QList<QByteArray>{"TYPE I", "SIZE /f.bin", "MDTM /f.bin", "RETR /f.bin"}));
    // The mirror: binary type, the size and date of its own path, the
    // restart at half the file, the retrieval.
    const QList<QByteArray> mirror = sessions.at(1).commands;
    const QList<QByteArray> expected{"TYPE I", "SIZE /mirror.bin", "MDTM /mirror.bin",
                                     "REST " + QByteArray::number(4 * MiB), "RETR /mirror.bin"};
    const int type = mirror.indexOf("TYPE I");
    QVERIFY2(type > 0, mirror.join(", ").constData());
    QCOMPARE(mirror.mid(type, 5), expected);
    // Any later range restarts where it begins.
    for (int i = 2; i < sessions.size(); ++i)
        QVERIFY(verbs(sessions.at(i).commands).contains("REST"));
    t->stopTask();
}

void TstApTvoFtp::unknownSizeStreams_data()
{
    QTest::addColumn<QByteArray>("sizeReply");
    QTest::newRow("size 0") << QByteArray("213 0");
    QTest::newRow("size -1") << QByteArray("213 -1");
    QTest::newRow("size -5000") << QByteArray("213 -5000");
}

void TstApTvoFtp::unknownSizeStreams()
{
    QFETCH(QByteArray, sizeReply);
    const QByteArray content = randomBytes(3 * MiB, 22);
    m_scripted->setFile("/stream.bin", content);
    m_scripted->setReply("SIZE", sizeReply);
    m_scripted->holdAfter(65536);
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/stream.bin")), QStringLiteral("stream.bin"),
                                     {m_scripted->url(QStringLiteral("/f.bin"))});
    // Held after 64 KiB: the total is an estimate ahead of the data.
    QTRY_COMPARE_WITH_TIMEOUT(t->task().completed.load(), qint64(65536), 30000);
    QCOMPARE(t->task().total.load(), qint64(65536 / 2 * 3));
    QCOMPARE(t->connectionSnapshots().value(0).state, 10);
    QCOMPARE(t->task().sizeUnknown.load(), 1);
    m_scripted->release();
    QTRY_COMPARE_WITH_TIMEOUT(t->task().total.load(), qint64(content.size()), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(t->task().completed.load(), qint64(content.size()));
    QCOMPARE(t->task().failedConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), content);
    // A stream adds no mirror connections.
    QCOMPARE(t->connectionCount(), 1);
    QCOMPARE(m_scripted->retrievals(), 1);
    t->stopTask();
}

void TstApTvoFtp::errorReplyFailsConnection_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("550 to SIZE") << QByteArray("SIZE") << QByteArray("550 No such file");
    QTest::newRow("450 to SIZE") << QByteArray("SIZE") << QByteArray("450 Busy");
    QTest::newRow("504 to TYPE") << QByteArray("TYPE") << QByteArray("504 Type not supported");
}

void TstApTvoFtp::errorReplyFailsConnection()
{
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, reply);
    m_scripted->setReply(verb, reply);
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("error.bin"),
                                     {m_scripted->url(QStringLiteral("/f.bin"))});
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(t->connectionSnapshots().value(0).state, 7);
    // The task itself is still running; the policing loop decides on it.
    QCOMPARE(t->task().state.load(), 1);
    QCOMPARE(t->task().completed.load(), qint64(0));
    QCOMPARE(t->task().total.load(), qint64(0));
    QCOMPARE(t->task().sizeUnknown.load(), 1);
    QCOMPARE(t->connectionCount(), 1);
    QCOMPARE(m_scripted->retrievals(), 0);
    QVERIFY(!QFile::exists(t->task().savePath));
    // Counted once, however libcurl ends the transfer afterwards.
    QTest::qWait(200);
    QCOMPARE(t->task().failedConnections.load(), 1);
    t->stopTask();
}

void TstApTvoFtp::refusedEpsvFallsBackToPasv()
{
    m_scripted->setReply("EPSV", "500 EPSV not understood");
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("pasv.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    QCOMPARE(t->task().failedConnections.load(), 0);
    const QList<QByteArray> v = verbs(m_scripted->sessions().value(0).commands);
    QVERIFY(v.indexOf("EPSV") >= 0 && v.indexOf("PASV") > v.indexOf("EPSV"));
    t->stopTask();
}

void TstApTvoFtp::earlyEndOfRetrievalFailsConnection()
{
    // The server reports success after 1 MiB of an 8 MiB file; one
    // connection, so that one failure is counted.
    m_manager->settings().update([](ApTvoSettingsValues &v) { v.splitBound = 0; });
    m_scripted->setShortRetrieval(1 * MiB);
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("short.bin"));
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    const ApTvoConnectionSnapshot c = t->connectionSnapshots().value(0);
    QCOMPARE(c.state, 7);
    QCOMPARE(c.position, 1 * MiB);
    QCOMPARE(t->task().completed.load(), 1 * MiB);
    QVERIFY(!taskDone(t));
    t->stopTask();
}

void TstApTvoFtp::proxiesAreNotUsed()
{
    // Neither the proxy settings nor the environment's proxies apply to FTP.
    m_manager->settings().update([](ApTvoSettingsValues &v) {
        v.proxyType = 2;
        v.proxyHost = QStringLiteral("127.0.0.1");
        v.proxyPort = 9;
    });
    const QByteArray dead("http://127.0.0.1:9");
    for (const char *name : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
        qputenv(name, dead);
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("noproxy.bin"));
    const bool done = QTest::qWaitFor(
        [t] { return taskDone(t) && t->task().activeConnections.load() == 0; }, 30000);
    for (const char *name : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    QVERIFY(done);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    // Every range went direct to the server.
    QCOMPARE(m_scripted->retrievals(), 4);
    t->stopTask();
}

void TstApTvoFtp::retriedFirstResponseAddsNothing()
{
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("retry.bin"),
                                     {m_scripted->url(QStringLiteral("/f.bin"))}, false);
    // FTP has no single-stream fallback: the retry request is simply reset
    // by the first response, which then adds no mirror connection.
    t->setFailedConnections(-1);
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(t->task().failedConnections.load(), 0);
    QCOMPARE(t->connectionCount(), 1);
    QCOMPARE(m_scripted->retrievals(), 1);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    t->stopTask();
}

void TstApTvoFtp::activeCountHasNoSplitBound()
{
    // A split bound of 1 would hold HTTP at two active connections.
    m_manager->settings().update([](ApTvoSettingsValues &v) { v.splitBound = 1; });
    m_scripted->holdAfter(65536);
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("active.bin"),
                                     {m_scripted->url(QStringLiteral("/f.bin")),
                                      m_scripted->url(QStringLiteral("/f.bin")), m_scripted->url(QStringLiteral("/f.bin"))});
    QTRY_COMPARE_WITH_TIMEOUT(t->task().activeConnections.load(), 4, 30000);
    QCOMPARE(t->connectionCount(), 4);
    m_scripted->release();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    QCOMPARE(t->task().failedConnections.load(), 0);
    t->stopTask();
}

void TstApTvoFtp::mirrorOfAnotherSizeIsTakenOver()
{
    // The mirror's file is not the task's file: its connection fails before
    // writing, and the first connection takes its range over afterwards.
    m_scripted->setFile("/other.bin", randomBytes(5 * MiB, 23));
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("other.bin"),
                                     {m_scripted->url(QStringLiteral("/other.bin"))});
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    QCOMPARE(t->task().failedConnections.load(), 0);
    const auto snapshots = t->connectionSnapshots();
    QCOMPARE(snapshots.size(), 2);
    QCOMPARE(snapshots.at(1).bytesReceived, qint64(0));
    QCOMPARE(snapshots.at(0).bytesReceived, qint64(m_content.size()));
    // The takeover restarted where the mirror's range began.
    bool restarted = false;
    for (const ScriptedFtpSession &s : m_scripted->sessions())
        restarted |= s.commands.contains("REST " + QByteArray::number(4 * MiB)) && s.commands.contains("RETR /f.bin");
    QVERIFY(restarted);
    t->stopTask();
}

void TstApTvoFtp::failureReasonNamesTheReply_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("reason");
    QTest::newRow("550 to SIZE") << "scripted" << QByteArray("SIZE") << QByteArray("550 No such file")
                                 << "File not found on the server (550 No such file)";
    QTest::newRow("450 to SIZE") << "scripted" << QByteArray("SIZE") << QByteArray("450 Busy")
                                 << "The server refused the request (450 Busy)";
    QTest::newRow("wrong password") << "real" << QByteArray() << QByteArray() << "The server refused the login";
    QTest::newRow("missing file") << "real-missing" << QByteArray() << QByteArray() << "File not found on the server";
}

void TstApTvoFtp::failureReasonNamesTheReply()
{
    QFETCH(QString, server);
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, reply);
    QFETCH(QString, reason);

    QString url;
    if (server == QLatin1String("scripted")) {
        m_scripted->setReply(verb, reply);
        url = m_scripted->url(QStringLiteral("/f.bin"));
    } else if (server == QLatin1String("real")) {
        url = m_ftp.url(QStringLiteral("/private.bin"), QStringLiteral("fetcher:wrong"));
    } else {
        url = m_ftp.url(QStringLiteral("/no-such-file.bin"));
    }
    ApTvoDownloadTaskThread *t = add(url, QStringLiteral("reason.bin"));
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    // The server's own words follow in brackets where it sent any.
    QVERIFY2(t->task().failureReason().startsWith(reason), qPrintable(t->task().failureReason()));
    t->stopTask();
}

void TstApTvoFtp::sessionCapKeepsAcceptedSessions_data()
{
    QTest::addColumn<QString>("userInfo");
    QTest::addColumn<QString>("path");
    QTest::newRow("anonymous") << QString() << QStringLiteral("/pub/a.bin");
    QTest::newRow("user and password") << QStringLiteral("fetcher:p%40ss%20word") << QStringLiteral("/private.bin");
}

void TstApTvoFtp::sessionCapKeepsAcceptedSessions()
{
    QFETCH(QString, userInfo);
    QFETCH(QString, path);
    // Two sessions per address, each held to 1 MiB/s so that they overlap:
    // the split connections beyond the second are turned away with 421.
    LocalFtpServer capped;
    capped.setMaxSessionsPerAddress(2);
    capped.setRateLimit(1 * MiB);
    QVERIFY2(capped.start(m_root.path(), m_home.path(), User, Password), qPrintable(capped.error()));
    const QString host = ApFtpSessionLimits::hostKey(capped.url(path));

    ApTvoDownloadTaskThread *t = add(capped.url(path, userInfo), QStringLiteral("capped.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 90000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(path.mid(1)));
    // Refusals are no failures: the task went on with the two sessions.
    QCOMPARE(t->task().failedConnections.load(), 0);
    QCOMPARE(t->task().state.load(), 1);
    QVERIFY2(t->task().failureReason().isEmpty(), qPrintable(t->task().failureReason()));
    // A session turned away while none ran (the server still counting one
    // just ended) tries again: a third connection may carry data, never a
    // third session at once.
    QVERIFY(connectionsUsed(t) >= 2);
    QCOMPARE(m_manager->ftpSessionLimits().limit(host), 2);
    t->stopTask();

    // The next task from that server asks for no more than it accepts.
    const int before = capped.commands().size();
    ApTvoDownloadTaskThread *next = add(capped.url(path, userInfo), QStringLiteral("capped2.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(next), 90000);
    QTRY_COMPARE(next->task().activeConnections.load(), 0);
    QCOMPARE(sha1OfFile(next->task().savePath), m_sha1.value(path.mid(1)));
    QCOMPARE(next->connectionCount(), 2);
    QCOMPARE(next->task().failedConnections.load(), 0);
    QVERIFY(capped.commands().mid(before).filter(QStringLiteral("|USER ")).size() >= 2);
    next->stopTask();
}

void TstApTvoFtp::refusedConnectionMidDownload_data()
{
    QTest::addColumn<QByteArray>("refusal");
    QTest::newRow("connection refused") << QByteArray();
    QTest::newRow("closed before the greeting") << QByteArray("close");
    QTest::newRow("421 instead of the greeting") << QByteArray("421 Too many connections from your address.");
    QTest::newRow("530 to the login") << QByteArray("530 Sorry, the maximum number of clients is reached.");
}

void TstApTvoFtp::refusedConnectionMidDownload()
{
    QFETCH(QByteArray, refusal);
    // The server takes the first session, then turns every other one away
    // while that one is held after 64 KiB. The returned ranges follow the
    // first one's range, so its one retrieval carries the whole file.
    m_scripted->refuseAfter(1, refusal);
    m_scripted->holdAfter(65536);
    const QString url = m_scripted->url(QStringLiteral("/f.bin"));
    ApTvoDownloadTaskThread *t = add(url, QStringLiteral("refused.bin"));
    QTRY_COMPARE_WITH_TIMEOUT(m_manager->ftpSessionLimits().limit(ApFtpSessionLimits::hostKey(url)), 1, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        [t] {
            int idle = 0;
            for (const ApTvoConnectionSnapshot &c : t->connectionSnapshots())
                idle += c.state == 0;
            return idle == t->connectionCount() - 1;
        }(),
        30000);
    QCOMPARE(t->task().failedConnections.load(), 0);
    m_scripted->release();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    QCOMPARE(t->task().failedConnections.load(), 0);
    QCOMPARE(connectionsUsed(t), 1);
    QCOMPARE(m_scripted->retrievals(), 1);
    t->stopTask();
}

void TstApTvoFtp::unreachableMirrorIsAFailure()
{
    // A mirror that never let a session in is no server at its session
    // limit: its refused connection is a failure, taken over afterwards.
    m_scripted->holdAfter(65536);
    const QString dead = QStringLiteral("ftp://127.0.0.1:%1/f.bin").arg(TestSupport::freeLocalPort());
    ApTvoDownloadTaskThread *t = add(m_scripted->url(QStringLiteral("/f.bin")), QStringLiteral("dead.bin"), {dead});
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QCOMPARE(t->connectionSnapshots().value(1).state, 7);
    m_scripted->release();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QTRY_COMPARE(t->task().activeConnections.load(), 0);
    QCOMPARE(fileBytes(t->task().savePath), m_content);
    t->stopTask();
}

ENGINE_TEST_MAIN(TstApTvoFtp)
#include "tst_aptvoftp.moc"
