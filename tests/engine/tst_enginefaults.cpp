// The engine under conditions a careful user meets rarely: commands that
// race a connection's start, the single-stream retry, servers that stall or
// fall silent, and task records whose header values hold line breaks.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "applicationinfo.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "enginetestkit.h"
#include "failurereason.h"
#include "ftptestservers.h"
#include "settingsstore.h"
#include "testsupport.h"

using namespace EngineTestKit;

namespace {
constexpr qint64 MiB = 1024 * 1024;
}

class TstEngineFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void userCommandWinsOverConnectionStart_data();
    void userCommandWinsOverConnectionStart();
    void fallbackLeavesCompletionToThePass_data();
    void fallbackLeavesCompletionToThePass();
    void silentConnectionIsDropped_data();
    void silentConnectionIsDropped();
    void silentFtpServerDoesNotHoldTheStop_data();
    void silentFtpServerDoesNotHoldTheStop();
    void lineBreakInHeaderValueIsRefused_data();
    void lineBreakInHeaderValueIsRefused();

private:
    ApTvoDownloadTaskThread *add(const QString &url, const QString &name, bool start,
                                 const QString &referer = {});

    QTemporaryDir m_root;
    QTemporaryDir m_out;
    LocalNginx m_nginx;
    ApplicationInfo m_info;
    std::unique_ptr<ApTvoManager> m_manager;
    QByteArray m_sha1;
    int m_tasks = 0;
};

void TstEngineFaults::initTestCase()
{
    QVERIFY(m_root.isValid() && m_out.isValid());
    QVERIFY(writeRandomFile(m_root.filePath(QStringLiteral("f.bin")), 6 * MiB, 77));
    m_sha1 = sha1OfFile(m_root.filePath(QStringLiteral("f.bin")));
    const QString config = QStringLiteral("location /slow/ { alias %1/; limit_rate 1m; }\n").arg(m_root.path());
    QVERIFY2(m_nginx.start(m_root.path(), config), qPrintable(m_nginx.error()));
}

void TstEngineFaults::init()
{
    {
        SettingsStore s;
        s->clear();
    }
    m_manager.reset(new ApTvoManager(nullptr, &m_info));
    m_manager->readSettings();
}

void TstEngineFaults::cleanup()
{
    m_manager.reset();
}

ApTvoDownloadTaskThread *TstEngineFaults::add(const QString &url, const QString &name, bool start,
                                              const QString &referer)
{
    EngineTaskInput input;
    input.id = ++m_tasks;
    input.url = url;
    input.referer = referer;
    input.protocol = url.startsWith(QLatin1String("ftp")) ? EngineTaskInput::Ftp : EngineTaskInput::Http;
    input.savePath = m_out.filePath(name);
    input.state = start ? 0 : 4;
    return m_manager->addTask(input, start);
}

void TstEngineFaults::userCommandWinsOverConnectionStart_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("pause") << int(ApTvoTask::Paused);
    QTest::newRow("delete") << int(ApTvoTask::Deleted);
    QTest::newRow("delete with files") << int(ApTvoTask::DeletedWithFiles);
}

// The window's command lands between the thread's start and its first
// connection's start: the connection does not write "downloading" over it.
void TstEngineFaults::userCommandWinsOverConnectionStart()
{
    QFETCH(int, command);
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/slow/f.bin")),
                                     QStringLiteral("race-%1.bin").arg(command), false);
    t->setEngineState(ApTvoTask::Loading);
    t->setEngineState(command);
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(t->task().headerReceived.load(), 30000);
    QCOMPARE(t->task().state.load(), command);
    // Still so a moment later, when more connections have started.
    QTest::qWait(500);
    QCOMPARE(t->task().state.load(), command);
    t->stopTask();
}

void TstEngineFaults::fallbackLeavesCompletionToThePass_data()
{
    QTest::addColumn<int>("pending");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing pending") << int(ApTvoTask::Loading) << int(ApTvoTask::Downloading);
    QTest::newRow("delete pending") << int(ApTvoTask::Deleted) << int(ApTvoTask::Deleted);
}

// The single-stream retry fetches the whole file; it is the completion
// pass that marks the task complete (and records the file's hash), and a
// delete asked for meanwhile stays.
void TstEngineFaults::fallbackLeavesCompletionToThePass()
{
    QFETCH(int, pending);
    QFETCH(int, expected);
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/f.bin")),
                                     QStringLiteral("fallback-%1.bin").arg(pending), false);
    t->setEngineState(pending);
    t->setFailedConnections(-1);
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t) && t->task().activeConnections.load() == 0, 60000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1);
    QTest::qWait(300);
    QCOMPARE(t->task().state.load(), expected);
    t->stopTask();
}

void TstEngineFaults::silentConnectionIsDropped_data()
{
    QTest::addColumn<bool>("answers");
    QTest::newRow("one range stalls after its first bytes") << true;
    QTest::newRow("the server accepts and never answers") << false;
}

// A connection that receives nothing for the stall time is dropped: its
// range goes to a new connection, or, for a lone connection without a known
// size, the connection fails so the task can be retried.
void TstEngineFaults::silentConnectionIsDropped()
{
    QFETCH(bool, answers);
    m_manager->settings().update([](ApTvoSettingsValues &v) { v.stallSeconds = 3; });
    const QByteArray content = randomBytes(8 * MiB, 5);
    ScriptedHttpServer server;
    QVERIFY(server.listen());
    int ranged = 0;
    qint64 stalledFrom = -1;
    server.setHandler([&](const ScriptedRequest &r, ScriptedResponder *resp) {
        if (!answers) {
            // Held open, never answered.
            resp->startAfter(24 * 3600 * 1000);
            return;
        }
        ScriptedHttpServer::serveContent(r, resp, content);
        resp->setPacing(64 * 1024, 20);
        // The second ranged request sends 64 KiB, then nothing more.
        if (r.rangeStart() > 0 && ++ranged == 2) {
            stalledFrom = r.rangeStart();
            resp->setGated(true);
        }
    });
    ApTvoDownloadTaskThread *t = add(server.url(QStringLiteral("/s.bin")),
                                     QStringLiteral("stall-%1.bin").arg(answers), true);
    if (answers) {
        QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 90000);
        QCOMPARE(sha1OfFile(t->task().savePath), QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex());
        // The rest of the stalled range was asked for again.
        bool takenOver = false;
        for (const ScriptedRequest &r : server.requests())
            takenOver = takenOver || r.rangeStart() == stalledFrom + 65536;
        QVERIFY2(takenOver, qPrintable(QString::number(stalledFrom)));
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 60000);
        QCOMPARE(t->task().completed.load(), qint64(0));
    }
    t->stopTask();
}

void TstEngineFaults::silentFtpServerDoesNotHoldTheStop_data()
{
    QTest::addColumn<bool>("sizeKnown");
    QTest::newRow("size known") << true;
    QTest::newRow("size unknown") << false;
}

// After the data, the server sends neither its closing reply nor an answer
// to QUIT: the file is complete at once, and stopping the task (as the
// program's exit does) does not wait for the server.
void TstEngineFaults::silentFtpServerDoesNotHoldTheStop()
{
    QFETCH(bool, sizeKnown);
    const QByteArray content = randomBytes(3 * MiB, 9);
    ScriptedFtpServer server;
    QVERIFY(server.listen());
    server.setFile("/quiet.bin", content);
    server.setSilentAfterData(true);
    if (!sizeKnown)
        server.setReply("SIZE", "213 0");
    ApTvoDownloadTaskThread *t = add(server.url(QStringLiteral("/quiet.bin")),
                                     QStringLiteral("quiet-%1.bin").arg(sizeKnown), true);
    QTRY_COMPARE_WITH_TIMEOUT(t->task().completed.load(), qint64(content.size()), 30000);
    if (sizeKnown)
        QTRY_COMPARE_WITH_TIMEOUT(t->task().activeConnections.load(), 0, 20000);
    QElapsedTimer clock;
    clock.start();
    t->stopTask();
    // libcurl would wait a minute for the silent server.
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(sha1OfFile(t->task().savePath), QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex());
}

void TstEngineFaults::lineBreakInHeaderValueIsRefused_data()
{
    QTest::addColumn<QString>("referer");
    QTest::addColumn<bool>("fallback");
    QTest::newRow("CR LF, split connection") << QStringLiteral("http://a/\r\nX-Injected: 1") << false;
    QTest::newRow("LF, split connection") << QStringLiteral("http://a/\nX-Injected: 1") << false;
    QTest::newRow("CR, single-stream retry") << QStringLiteral("http://a/\rX-Injected: 1") << true;
    QTest::newRow("CR LF, single-stream retry") << QStringLiteral("http://a/\r\nX-Injected: 1") << true;
}

// A referer from a task record that would add lines of its own to the
// request: nothing is sent, and the task fails with a reason.
void TstEngineFaults::lineBreakInHeaderValueIsRefused()
{
    QFETCH(QString, referer);
    QFETCH(bool, fallback);
    ScriptedHttpServer server;
    QVERIFY(server.listen());
    const QByteArray content = randomBytes(64 * 1024, 3);
    server.setHandler([&](const ScriptedRequest &r, ScriptedResponder *resp) {
        ScriptedHttpServer::serveContent(r, resp, content);
    });
    ApTvoDownloadTaskThread *t = add(server.url(QStringLiteral("/r.bin")), QStringLiteral("referer-%1.bin").arg(fallback),
                                     false, referer);
    if (fallback)
        t->setFailedConnections(-1);
    t->startTask();
    QTRY_COMPARE_WITH_TIMEOUT(t->task().failedConnections.load(), 1, 30000);
    QCOMPARE(t->task().failureReason(), FailureReason::unsafeHeader());
    QTest::qWait(300);
    QCOMPARE(server.requests().size(), 0);
    t->stopTask();
}

ENGINE_TEST_MAIN(TstEngineFaults)
#include "tst_enginefaults.moc"
