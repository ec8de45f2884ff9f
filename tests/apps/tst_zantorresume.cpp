// The real program killed in the middle of a download (as a crash or a
// power cut would end it) continues the download at its next start; one
// ended right after the last byte does not fetch the file again.

#include <QtTest>

#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include "appsettings.h"
#include "settingsservice.h"
#include "aptvoresumestate.h"
#include "enginetestkit.h"
#include "taskstore.h"
#include "testsupport.h"

using namespace EngineTestKit;

namespace {
constexpr qint64 MiB = 1024 * 1024;
}

class TestZantorResume : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedProgramContinues();
    void terminatedAfterLastByte();

private:
    void startProgram(QProcess &process);
    qint64 servedSince(int from) const;
    void waitForQuietLog();

    QTemporaryDir m_dir;
    QTemporaryDir m_root;
    LocalNginx m_nginx;
    QString m_program;
};

void TestZantorResume::initTestCase()
{
    TestSupport::isolateUserFolders();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QVERIFY(m_dir.isValid() && m_root.isValid());
    // A copy alone in its folder: no companion program starts beside it.
    m_program = m_dir.filePath(QStringLiteral("zantor"));
    QVERIFY(QFile::copy(QStringLiteral(ZANTOR_PATH), m_program));
    AppSettings::setFlag(SettingsKeys::AutoUpdateFlag, false);
    QVERIFY(writeRandomFile(m_root.filePath(QStringLiteral("big.bin")), 48 * MiB, 4242));
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("location /slow/ { alias %1/; limit_rate 2m; } location /slower/ { alias %1/; limit_rate 512k; }")
                                              .arg(m_root.path())),
             qPrintable(m_nginx.error()));
}

void TestZantorResume::startProgram(QProcess &process)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(m_program, QStringList());
    QVERIFY(process.waitForStarted(10000));
}

qint64 TestZantorResume::servedSince(int from) const
{
    qint64 sum = 0;
    for (const QString &line : m_nginx.accessLog().mid(from))
        sum += line.section(QLatin1Char('|'), 4, 4).toLongLong();
    return sum;
}

void TestZantorResume::waitForQuietLog()
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

void TestZantorResume::killedProgramContinues()
{
    const qint64 size = 48 * MiB;
    const QString target = m_dir.filePath(QStringLiteral("big.bin"));
    NewTask task;
    task.url = m_nginx.url(QStringLiteral("/slow/big.bin"));
    task.savePathName = target;
    const qint64 id = ApTaskStore().create(task);
    QVERIFY(id > 0);

    QProcess first;
    startProgram(first);
    // The record beside the file tells how far the download got.
    ApTvoResumeState record;
    QTRY_VERIFY_WITH_TIMEOUT(record.load(target) && record.done.bytes() >= size * 7 / 10, 120000);
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);
    const qint64 doneBeforeKill = record.done.bytes();
    QVERIFY(record.load(target));
    QVERIFY(record.done.bytes() >= doneBeforeKill);

    waitForQuietLog();
    const int logFrom = m_nginx.accessLog().size();
    QProcess second;
    startProgram(second);
    QTRY_VERIFY_WITH_TIMEOUT(ApTaskStore().read(id)->state == TaskCompleted, 120000);
    QCOMPARE(sha1OfFile(target), sha1OfFile(m_root.filePath(QStringLiteral("big.bin"))));
    QVERIFY(!QFile::exists(ApTvoResumeState::pathFor(target)));
    waitForQuietLog();
    const qint64 served = servedSince(logFrom);
    qInfo("killed at %.1f %% on record; the next start fetched %.1f MiB of %.1f MiB", doneBeforeKill * 100.0 / size,
          served / double(MiB), size / double(MiB));
    QVERIFY2(served <= size - doneBeforeKill + 8 * MiB, qPrintable(QString::number(served)));
    second.terminate();
    if (!second.waitForFinished(10000))
        second.kill();
    second.waitForFinished(5000);
}

void TestZantorResume::terminatedAfterLastByte()
{
    const qint64 size = 16 * MiB;
    QVERIFY(writeRandomFile(m_root.filePath(QStringLiteral("last.bin")), size, 77));
    const QString target = m_dir.filePath(QStringLiteral("last.bin"));
    NewTask task;
    // Slow enough that the resume record is written before the last byte.
    task.url = m_nginx.url(QStringLiteral("/slower/last.bin"));
    task.savePathName = target;
    const qint64 id = ApTaskStore().create(task);
    QVERIFY(id > 0);
    QVERIFY(SettingsService::main().flush());

    // The resume record goes when the last byte is in: the program is told
    // to end at that moment, before its completion pass could notice.
    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    QVERIFY(watch >= 0);
    QVERIFY(inotify_add_watch(watch, QFile::encodeName(m_dir.path()).constData(), IN_DELETE) >= 0);
    const QByteArray recordName = QFileInfo(ApTvoResumeState::pathFor(target)).fileName().toUtf8();
    QProcess first;
    startProgram(first);
    bool removed = false;
    QElapsedTimer clock;
    clock.start();
    while (!removed && clock.elapsed() < 120000) {
        pollfd p{watch, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0)
            continue;
        alignas(inotify_event) char buffer[4096];
        const ssize_t n = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            removed = removed || (event->len > 0 && recordName == event->name);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (removed)
        ::kill(pid_t(first.processId()), SIGTERM);
    ::close(watch);
    QVERIFY(removed);
    QVERIFY(first.waitForFinished(20000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);

    waitForQuietLog();
    const int logFrom = m_nginx.accessLog().size();
    QProcess second;
    startProgram(second);
    QTRY_VERIFY_WITH_TIMEOUT(ApTaskStore().read(id)->state == TaskCompleted, 60000);
    second.terminate();
    QVERIFY(second.waitForFinished(20000));
    waitForQuietLog();
    const qint64 served = servedSince(logFrom);
    qInfo("after the stop at the last byte the next start fetched %lld bytes", served);
    QCOMPARE(served, qint64(0));
    QCOMPARE(ApTaskStore().read(id)->completedSize, size);
    QCOMPARE(sha1OfFile(target), sha1OfFile(m_root.filePath(QStringLiteral("last.bin"))));
}

QTEST_GUILESS_MAIN(TestZantorResume)
#include "tst_zantorresume.moc"
