// Continuing interrupted downloads, servers without byte ranges, long
// pauses, speed limits and the checksum check, with the real engine against
// nginx, pyftpdlib and Python's own HTTP server.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <utime.h>

#include "applicationinfo.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "aptvoresumestate.h"
#include "enginetestkit.h"
#include "ftptestservers.h"
#include "settingsstore.h"
#include "testsupport.h"

using namespace EngineTestKit;

namespace {
constexpr qint64 MiB = 1024 * 1024;

// Watches a task from the test thread: the worst states it went through.
struct TaskWatch
{
    explicit TaskWatch(ApTvoDownloadTaskThread *t)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, t] {
            failed = failed || t->task().state.load() == ApTvoTask::Failed;
            maxFailedConnections = qMax(maxFailedConnections, t->task().failedConnections.load());
        });
        timer.start(20);
    }
    QTimer timer;
    bool failed = false;
    int maxFailedConnections = 0;
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstResume : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stopAndStartContinues_data();
    void stopAndStartContinues();
    void changedFileStartsAtZero();
    void retryKeepsPartialFile();
    void serverWithoutRanges();
    void longPauseReopensConnections();
    void taskSpeedLimit();
    void globalLimitIsShared();
    void checksum_data();
    void checksum();

private:
    ApTvoDownloadTaskThread *add(const QString &url, const QString &name, const QStringList &mirrors = {},
                                 bool start = true);
    // Bytes nginx sent for path from log line `from` on.
    qint64 servedSince(int from, const QString &path) const;
    // Waits until nginx has logged every connection a stopped run left.
    void waitForQuietLog();
    // What the Start command does to a failed task.
    static void retry(ApTvoDownloadTaskThread *t);

    QTemporaryDir m_root;
    QTemporaryDir m_out;
    LocalNginx m_nginx;
    LocalFtpServer m_ftp;
    ApplicationInfo m_info;
    std::unique_ptr<ApTvoManager> m_manager;
    QHash<QString, QByteArray> m_sha1;
    int m_tasks = 0;
};

void TstResume::initTestCase()
{
    QVERIFY(m_root.isValid() && m_out.isValid());
    QDir(m_root.path()).mkpath(QStringLiteral("m1"));
    const struct { const char *name; qint64 size; } files[] = {
        {"slow.bin", 24 * MiB}, {"changed.bin", 24 * MiB}, {"retry.bin", 24 * MiB}, {"pause.bin", 24 * MiB},
        {"big.bin", 64 * MiB}, {"big2.bin", 64 * MiB}, {"sum.bin", 3 * MiB}, {"flat.bin", 30 * MiB}};
    quint32 seed = 100;
    for (const auto &f : files) {
        const QString path = m_root.filePath(QLatin1String(f.name));
        QVERIFY(writeRandomFile(path, f.size, ++seed));
        m_sha1.insert(QLatin1String(f.name), sha1OfFile(path));
    }
    QVERIFY(QFile::link(m_root.filePath(QStringLiteral("slow.bin")), m_root.filePath(QStringLiteral("m1/slow.bin"))));
    // Throttled paths split well and can be stopped midway; the short one
    // closes connections that stop reading after one second.
    const QString config = QStringLiteral(
        "keepalive_timeout 1s;\n"
        "location /slow/ { alias %1/; limit_rate 1m; }\n"
        "location /short/ { alias %1/; limit_rate 2m; send_timeout 1s; }\n").arg(m_root.path());
    QVERIFY2(m_nginx.start(m_root.path(), config), qPrintable(m_nginx.error()));
    m_ftp.setRateLimit(2 * MiB);
    QVERIFY2(m_ftp.start(m_root.path(), m_root.path(), QStringLiteral("u"), QStringLiteral("p")),
             qPrintable(m_ftp.error()));
}

void TstResume::init()
{
    {
        SettingsStore s;
        s->clear();
    }
    m_manager.reset(new ApTvoManager(nullptr, &m_info));
    m_manager->readSettings();
}

void TstResume::cleanup()
{
    m_manager.reset();
}

ApTvoDownloadTaskThread *TstResume::add(const QString &url, const QString &name, const QStringList &mirrors,
                                        bool start)
{
    EngineTaskInput input;
    input.id = ++m_tasks;
    input.url = url;
    input.protocol = url.startsWith(QLatin1String("ftp")) ? EngineTaskInput::Ftp : EngineTaskInput::Http;
    input.mirrors = mirrors;
    input.urlCount = mirrors.size() + 1;
    input.savePath = m_out.filePath(name);
    input.state = start ? 0 : 4;
    return m_manager->addTask(input, start);
}

qint64 TstResume::servedSince(int from, const QString &path) const
{
    qint64 sum = 0;
    for (const QString &line : m_nginx.accessLog().mid(from)) {
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.value(0).contains(path))
            sum += f.value(4).toLongLong();
    }
    return sum;
}

void TstResume::waitForQuietLog()
{
    int last = -1;
    for (int i = 0; i < 40; ++i) {
        const int now = m_nginx.accessLog().size();
        if (now == last)
            return;
        last = now;
        QTest::qWait(500);
    }
}

void TstResume::retry(ApTvoDownloadTaskThread *t)
{
    t->stopTask();
    t->setEngineState(ApTvoTask::Stopped);
    t->setFailedConnections(-1);
    t->startTask();
}

void TstResume::stopAndStartContinues_data()
{
    QTest::addColumn<bool>("ftp");
    QTest::newRow("HTTP, five connections") << false;
    QTest::newRow("FTP with a mirror") << true;
}

void TstResume::stopAndStartContinues()
{
    QFETCH(bool, ftp);
    const QString name = QStringLiteral("slow.bin");
    const QString url = ftp ? m_ftp.url(QStringLiteral("/slow.bin")) : m_nginx.url(QStringLiteral("/slow/slow.bin"));
    const QStringList mirrors = ftp ? QStringList{m_ftp.url(QStringLiteral("/m1/slow.bin"))} : QStringList();
    ApTvoDownloadTaskThread *t = add(url, QStringLiteral("continue-%1.bin").arg(ftp), mirrors);
    const qint64 size = 24 * MiB;
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > size / 3, 60000);
    t->stopTask();

    ApTvoResumeState record;
    QVERIFY(record.load(t->task().savePath));
    QCOMPARE(record.size, size);
    const qint64 done = record.done.bytes();
    QVERIFY2(done > size / 4 && done < size, qPrintable(QString::number(done)));
    QCOMPARE(record.url, url);
    QVERIFY(ftp ? !record.ftpModified.isEmpty() : !record.etag.isEmpty());

    waitForQuietLog();
    const int logFrom = m_nginx.accessLog().size();
    const int ftpFrom = m_ftp.commands().size();
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 120000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(name));
    QTRY_VERIFY(!QFile::exists(ApTvoResumeState::pathFor(t->task().savePath)));
    if (ftp) {
        // Every retrieval of the second run restarts inside the file.
        const QStringList commands = m_ftp.commands().mid(ftpFrom);
        QHash<QString, qint64> restartOf;
        int retrievals = 0;
        for (const QString &c : commands) {
            const QString peer = c.section(QLatin1Char('|'), 0, 0);
            const QString command = c.section(QLatin1Char('|'), 1);
            if (command.startsWith(QLatin1String("REST ")))
                restartOf[peer] = command.mid(5).toLongLong();
            if (command.startsWith(QLatin1String("RETR "))) {
                ++retrievals;
                QVERIFY2(restartOf.value(peer) > 0, qPrintable(commands.join(QLatin1Char('\n'))));
            }
        }
        QVERIFY(retrievals >= 1);
    } else {
        waitForQuietLog();
        const qint64 served = servedSince(logFrom, QStringLiteral("/slow/slow.bin"));
        QVERIFY2(served <= size - done + 4 * MiB,
                 qPrintable(QStringLiteral("%1 served, %2 missing").arg(served).arg(size - done)));
        // The first request of the second run verified the file.
        const QStringList first = m_nginx.accessLog().value(logFrom).split(QLatin1Char('|'));
        QCOMPARE(first.value(2), QStringLiteral("206"));
    }
    t->stopTask();
}

void TstResume::changedFileStartsAtZero()
{
    const QString source = m_root.filePath(QStringLiteral("changed.bin"));
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/slow/changed.bin")), QStringLiteral("changed.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > 6 * MiB, 60000);
    t->stopTask();
    QVERIFY(QFile::exists(ApTvoResumeState::pathFor(t->task().savePath)));

    // The same size, other bytes, a later date: new validators.
    const QByteArray replacement = randomBytes(24 * MiB, 999);
    {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(replacement), replacement.size());
    }
    struct utimbuf later;
    later.actime = later.modtime = time(nullptr) + 3600;
    QCOMPARE(utime(QFile::encodeName(source).constData(), &later), 0);

    waitForQuietLog();
    const int logFrom = m_nginx.accessLog().size();
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 120000);
    QVERIFY(fileBytes(t->task().savePath) == replacement);
    // The verifying request got the whole new file.
    const QStringList first = m_nginx.accessLog().value(logFrom).split(QLatin1Char('|'));
    QVERIFY(!first.value(1).isEmpty() && first.value(1) != QLatin1String("-"));
    QCOMPARE(first.value(2), QStringLiteral("200"));
    t->stopTask();
}

void TstResume::retryKeepsPartialFile()
{
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/slow/retry.bin")), QStringLiteral("retry.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > 8 * MiB, 60000);
    t->setEngineState(ApTvoTask::Failed);
    t->stopTask();
    ApTvoResumeState record;
    QVERIFY(record.load(t->task().savePath));
    const qint64 done = record.done.bytes();

    waitForQuietLog();
    const int logFrom = m_nginx.accessLog().size();
    retry(t);
    // The retry keeps to one connection and continues the file.
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > done, 30000);
    QVERIFY(t->task().completed.load() >= done);
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 120000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("retry.bin")));
    QCOMPARE(connectionsUsed(t), 1);
    waitForQuietLog();
    const qint64 served = servedSince(logFrom, QStringLiteral("/slow/retry.bin"));
    QVERIFY2(served <= 24 * MiB - done + 4 * MiB, qPrintable(QString::number(served)));
    t->stopTask();
}

void TstResume::serverWithoutRanges()
{
    // Python's own server neither advertises nor serves byte ranges.
    QProcess server;
    const quint16 port = TestSupport::freeLocalPort();
    startServerProcess(server, QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("http.server"), QString::number(port),
                        QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                        m_root.path()});
    QVERIFY(server.waitForStarted(5000) && waitForPort(port, 10000));
    ApTvoDownloadTaskThread *t = add(QStringLiteral("http://127.0.0.1:%1/flat.bin").arg(port), QStringLiteral("flat.bin"));
    TaskWatch watch(t);
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 60000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("flat.bin")));
    QVERIFY(!watch.failed);
    QCOMPARE(watch.maxFailedConnections, 0);
    QCOMPARE(connectionsUsed(t), 1);
    QCOMPARE(t->connectionCount(), 1);
    t->stopTask();
    server.terminate();
    server.waitForFinished(5000);

    // A stopped download from such a server has no record and starts over.
    ScriptedHttpServer scripted;
    QVERIFY(scripted.listen());
    const QByteArray content = randomBytes(8 * MiB, 77);
    scripted.setHandler([&content](const ScriptedRequest &, ScriptedResponder *resp) {
        resp->head(200, {"Content-Length: " + QByteArray::number(content.size()), "ETag: \"fixed\"",
                         "Connection: close"});
        resp->send(content);
        resp->setGated(true);
    });
    ApTvoDownloadTaskThread *s = add(scripted.url(QStringLiteral("/flat")), QStringLiteral("flat2.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(s->task().completed.load() > 0, 30000);
    QTest::qWait(600);
    s->stopTask();
    QVERIFY(!QFile::exists(ApTvoResumeState::pathFor(s->task().savePath)));
    scripted.openGate();
    s->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(s), 60000);
    QCOMPARE(fileBytes(s->task().savePath), content);
    for (const ScriptedRequest &r : scripted.requests())
        QCOMPARE(r.rangeStart(), qint64(-1));
    s->stopTask();
}

void TstResume::longPauseReopensConnections()
{
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/short/pause.bin")), QStringLiteral("pause.bin"));
    TaskWatch watch(t);
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > 4 * MiB, 60000);
    t->setEngineState(ApTvoTask::Paused);
    const int logAtPause = m_nginx.accessLog().size();
    // Long enough for the socket buffers to fill and nginx to give up.
    QTest::qWait(7000);
    const int logBefore = m_nginx.accessLog().size();
    t->setEngineState(ApTvoTask::Downloading);
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 120000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("pause.bin")));
    QVERIFY(!watch.failed);
    QCOMPARE(watch.maxFailedConnections, 0);
    // nginx ended connections during the pause (it logs each as it ends);
    // they were asked again for the rest of their ranges.
    QVERIFY2(logBefore > logAtPause, "nginx kept every paused connection open");
    t->stopTask();
}

void TstResume::taskSpeedLimit()
{
    const qint64 limit = 2 * MiB;
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/big.bin")), QStringLiteral("limited.bin"), {}, false);
    t->task().speedLimit.store(limit);
    QElapsedTimer clock;
    clock.start();
    t->startTask();
    // One sample every 100 ms for 8 s.
    QVector<qint64> samples;
    while (clock.elapsed() < 8000) {
        QTest::qWait(100);
        samples.append(t->task().completed.load());
    }
    QTRY_VERIFY(t->connectionCount() == 5);
    const double average = double(samples.last() - samples.value(9)) / 7.0;
    double worst = 0;
    for (int i = 19; i < samples.size(); ++i)
        worst = qMax(worst, double(samples.at(i) - samples.at(i - 10)));
    qInfo("task limit %lld B/s: average %.0f B/s (%.3f x), worst one-second window %.3f x", limit, average,
          average / limit, worst / limit);
    // Wide bounds for a loaded machine; the benchmark measures the figures.
    QVERIFY2(average > 0.8 * limit && average < 1.15 * limit, qPrintable(QString::number(average)));
    QVERIFY2(worst < 1.6 * limit, qPrintable(QString::number(worst)));

    // A new limit applies to the running task.
    QVERIFY(m_manager->setTaskSpeedLimit(t->task().savePath, limit / 2));
    QTest::qWait(1000);
    const qint64 from = t->task().completed.load();
    QTest::qWait(3000);
    const double lowered = double(t->task().completed.load() - from) / 3.0;
    qInfo("lowered to %lld B/s: %.0f B/s", limit / 2, lowered);
    QVERIFY2(lowered > 0.7 * limit / 2 && lowered < 1.3 * limit / 2, qPrintable(QString::number(lowered)));
    t->stopTask();
}

void TstResume::globalLimitIsShared()
{
    const qint64 limit = 2 * MiB;
    m_manager->setGlobalSpeedLimit(limit);
    ApTvoDownloadTaskThread *a = add(m_nginx.url(QStringLiteral("/big.bin")), QStringLiteral("share-a.bin"));
    ApTvoDownloadTaskThread *b = add(m_nginx.url(QStringLiteral("/big2.bin")), QStringLiteral("share-b.bin"));
    QTest::qWait(2000);
    const qint64 a0 = a->task().completed.load();
    const qint64 b0 = b->task().completed.load();
    QTest::qWait(6000);
    const double ra = double(a->task().completed.load() - a0) / 6.0;
    const double rb = double(b->task().completed.load() - b0) / 6.0;
    qInfo("global limit %lld B/s: task a %.0f B/s, task b %.0f B/s, sum %.3f x, a/b %.3f", limit, ra, rb,
          (ra + rb) / limit, ra / rb);
    QVERIFY2((ra + rb) > 0.8 * limit && (ra + rb) < 1.15 * limit, qPrintable(QString::number(ra + rb)));
    QVERIFY2(ra / rb > 0.7 && ra / rb < 1.43, qPrintable(QString::number(ra / rb)));
    a->stopTask();
    b->stopTask();
}

void TstResume::checksum_data()
{
    QTest::addColumn<QByteArray>("digest");
    QTest::addColumn<bool>("good");
    QFile f(m_root.filePath(QStringLiteral("sum.bin")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray content = f.readAll();
    QTest::newRow("right SHA-256") << QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() << true;
    QTest::newRow("right MD5, upper case")
        << QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex().toUpper() << true;
    QTest::newRow("wrong SHA-1") << QByteArray(40, 'a') << false;
    QTest::newRow("not a digest") << QByteArray("12345") << false;
}

void TstResume::checksum()
{
    QFETCH(QByteArray, digest);
    QFETCH(bool, good);
    ApTvoDownloadTaskThread *t = add(m_nginx.url(QStringLiteral("/sum.bin")), QStringLiteral("sum-%1.bin").arg(m_tasks),
                                     {}, false);
    t->task().expectedChecksum = QString::fromLatin1(digest);
    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(t->task().state.load() == ApTvoTask::Completed
                                 || t->task().state.load() == ApTvoTask::Failed, 60000);
    QCOMPARE(t->task().state.load(), good ? int(ApTvoTask::Completed) : int(ApTvoTask::Failed));
    QCOMPARE(t->task().failureReason(), good ? QString() : QStringLiteral("Checksum mismatch"));
    QCOMPARE(t->task().noRetry.load(), !good);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("sum.bin")));
    t->stopTask();
}

ENGINE_TEST_MAIN(TstResume)
#include "tst_resume.moc"
