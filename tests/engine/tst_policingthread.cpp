#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QElapsedTimer>
#include <QTest>

#include "apgeolocation.h"
#include "enginetestkit.h"
#include "applicationinfo.h"
#include "apenginewindow.h"
#include "appolicingthread.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "aptvoresumestate.h"
#include "nginxfixture.h"
#include "sessioncontrol.h"
#include "settingsstore.h"
#include "taskstore.h"
#include "testsupport.h"

namespace {

constexpr int kTick = 10;  // tests run the loop ten times faster; the multiples stay

// Records every call the policing thread makes into the window.
class RecordingWindow final : public ApEngineWindow
{
public:
    struct RowUpdate
    {
        QString path;
        QList<int> columns;
        TaskRowData row;
        int state;
    };
    QList<RowUpdate> rows;
    QStringList completedRows, completions, updateMessages, tooltips, scheduleTexts, calls;
    QList<QPair<QString, QString>> rates;
    QList<qint64> speeds;
    QString shownTask;
    int defaultPageShown = 0;
    int listingsRefreshed = 0;
    int infoShown = 0;
    QString lastInfo;
    QList<int> scheduledActions;

    void updateMainDownloadsTableRow(const QString &path, const QList<int> &columns, const TaskRowData &row,
                                     int state) override
    {
        rows.append({path, columns, row, state});
    }
    void setCompletedDownloadTaskMainDownloadsTableRow(const QString &path) override { completedRows << path; }
    void refreshMainDownloadsListings() override { ++listingsRefreshed; }
    void showDefaultBottomStackedPage() override { ++defaultPageShown; }
    bool isTaskInfoShown(const QString &path) const override { return path == shownTask; }
    void displayDownloadTaskInfo(const QString &infoText) override
    {
        ++infoShown;
        lastInfo = infoText;
    }
    void notifyTaskCompletion(const QString &path, const QString &key) override { completions << path + '|' + key; }
    void showUpdateNotifyMessage(const QString &message, int mode) override
    {
        updateMessages << message + '|' + QString::number(mode);
    }
    void setStatusbarRates(const QString &down, const QString &up) override { rates.append({down, up}); }
    void setSpeed(qint64 down, qint64) override { speeds << down; }
    void setTrayIconToolTip(const QString &tip) override { tooltips << tip; }
    void updateStatusbarScheduleTaskInfo(const QString &text) override { scheduleTexts << text; }
    void resetScheduleStatus() override { calls << QStringLiteral("reset"); }
    void saveWindowSettings() override { calls << QStringLiteral("save"); }
    void runScheduledAction(int action) override { scheduledActions << action; }

    int lastStateOf(const QString &path) const { return lastRowOf(path).state; }
    RowUpdate lastRowOf(const QString &path) const
    {
        for (int i = rows.size() - 1; i >= 0; --i) {
            if (rows.at(i).path == path)
                return rows.at(i);
        }
        return {path, {}, {}, -1};
    }
};

struct RecordingSession final : SessionBackend
{
    QStringList calls;
    bool powerOff() override { calls << QStringLiteral("powerOff"); return true; }
    bool logOff() override { calls << QStringLiteral("logOff"); return true; }
};

// Writes an executable stand-in that appends its arguments to a log file.
void writeRecorder(const QString &path, const QString &log)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$(basename \"$0\") $*\" >> '%1'\n").arg(log).toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestPolicingThread : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;      // served by nginx
    QTemporaryDir m_program;   // program folder with the stand-in companions
    QTemporaryDir m_saves;
    NginxFixture m_nginx;
    QString m_log;

    std::unique_ptr<ApplicationInfo> m_info;
    std::unique_ptr<RecordingWindow> m_window;
    std::unique_ptr<ApTvoManager> m_manager;
    std::unique_ptr<ApPolicingThread> m_loop;

    qint64 createTask(const QString &url, const QString &name, int state = TaskLoading)
    {
        ApTaskStore store;
        NewTask task;
        task.url = url;
        task.savePathName = m_saves.filePath(name);
        const qint64 id = store.create(task);
        if (state != TaskLoading)
            store.writeState(id, state);
        return id;
    }

    void queue(int code, const QStringList &paths, const QString &text = {}, bool withFiles = false,
               bool allRows = false)
    {
        TaskCommand c;
        c.code = code;
        c.paths = paths;
        c.text = text;
        c.withFiles = withFiles;
        c.allRows = allRows;
        m_loop->queueCommand(c);
    }

    // Bytes nginx logged as sent for path from log line `from` on.
    qint64 bytesLogged(int from, const QString &path) const
    {
        qint64 sum = 0;
        for (const QString &line : readLines(m_nginx.prefixPath() + QStringLiteral("/logs/access.log")).mid(from)) {
            if (!line.contains(path))
                continue;
            // ... "GET /path HTTP/1.1" 206 12345 "-" ...
            const QStringList after = line.section(QLatin1Char('"'), 2, 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            sum += after.value(1).toLongLong();
        }
        return sum;
    }
    int logLines() const { return readLines(m_nginx.prefixPath() + QStringLiteral("/logs/access.log")).size(); }

    int storedState(qint64 id)
    {
        const auto r = ApTaskStore().read(id);
        return r ? r->state : -100;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(EngineTestKit::writeRandomFile(m_root.filePath(QStringLiteral("small.bin")), 300 * 1024, 7));
        QVERIFY(EngineTestKit::writeRandomFile(m_root.filePath(QStringLiteral("big.bin")), 24 * 1024 * 1024, 7));
        QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("location /slow/ { alias %1/; limit_rate 256k; }\n"
                                                            "location /outage/ { alias %1/; limit_rate 1m; }")
                                                 .arg(m_root.path())),
                 qPrintable(m_nginx.errorString()));
        m_log = m_program.filePath(QStringLiteral("companions.log"));
        writeRecorder(m_program.filePath(QStringLiteral("toolbelt")), m_log);
        writeRecorder(m_program.filePath(QStringLiteral("clipdeck")), m_log);
        QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/ldb.tvoc"), m_program.filePath(QStringLiteral("ldb.tvoc"))));
    }

    void init()
    {
        // A test that failed during an outage leaves the server down.
        QVERIFY(m_nginx.isRunning() || m_nginx.restart());
        QFile::remove(m_log);
        ApTaskStore().removeAll();
        m_info = std::make_unique<ApplicationInfo>();
        m_info->setProgramFolder(m_program.path());
        m_window = std::make_unique<RecordingWindow>();
        m_manager = std::make_unique<ApTvoManager>(nullptr, m_info.get());
        m_manager->readSettingsOnce();
        m_loop = std::make_unique<ApPolicingThread>(m_window.get(), m_manager.get(), m_info.get(), nullptr, kTick);
        m_loop->disableUpdateCheck();
        m_loop->start();
    }

    void cleanup()
    {
        m_loop->stopAndWait();
        m_loop.reset();
        m_manager.reset();
        m_window.reset();
    }

    void idleLoopReportsNoTask()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_window->rates.size() >= 1, 5000);
        QCOMPARE(m_window->rates.first(), qMakePair(QStringLiteral("0 B/s"), QStringLiteral("0 B/s")));
        QCOMPARE(m_loop->infoText(), QStringLiteral("No running task"));
        QTRY_VERIFY(!m_window->tooltips.isEmpty());
        QCOMPARE(m_window->tooltips.first(), QStringLiteral("Zantor 1.4.4"));
        QTRY_VERIFY(!m_window->speeds.isEmpty());
        QCOMPARE(m_window->speeds.first(), qint64(0));
        // The panel is refreshed on every second progress pass.
        QTRY_VERIFY_WITH_TIMEOUT(m_window->infoShown >= 1, 5000);
        QVERIFY(m_window->rows.isEmpty());
    }

    // A record written a moment ago (not yet on disk) is submitted: the real
    // toolbelt finds it and stores the host's address.
    void hostLookupFindsTheNewRecord()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/toolbelt"), folder.filePath(QStringLiteral("toolbelt"))));
        m_info->setProgramFolder(folder.path());
        ApTaskStore store;
        const qint64 id = TaskIdGenerator::shared().next();
        // As the new task dialog writes it: value by value, no write to disk.
        store.writeValue(id, TaskKeys::TaskType, HttpFtpTaskType);
        store.writeValue(id, TaskKeys::Url, m_nginx.url(QStringLiteral("/slow/small.bin")));
        store.writeValue(id, TaskKeys::SavePathName, m_saves.filePath(QStringLiteral("lookup.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_COMPARE_WITH_TIMEOUT(ApTaskStore().read(id)->urlHostIp, QStringLiteral("127.0.0.1"), 15000);
        queue(TaskCommand::Delete, {QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("lookup.bin")))});
        QTRY_VERIFY_WITH_TIMEOUT(m_manager->tasks().isEmpty(), 10000);
    }

    void locationTableLoadsOnTheSecondCompletionPass()
    {
        // Not at the first 4-second pass, only from the second one on.
        QVERIFY(!m_manager->locationDatabaseLoaded());
        QTRY_VERIFY_WITH_TIMEOUT(m_manager->locationDatabaseLoaded(), 5000);
        QVERIFY(m_manager->geoLocation()->count() > 100000);
        QCOMPARE(m_manager->geoLocation()->countryCode(QStringLiteral("8.8.8.8")), QStringLiteral("US"));
    }

    void loadedTaskRunsToCompletion()
    {
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("small.bin"));
        const QString key = QString::number(id);
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("small.bin")));
        queue(TaskCommand::Load, {}, key);

        QTRY_VERIFY_WITH_TIMEOUT(m_window->completions.contains(path + '|' + key), 15000);
        QCOMPARE(m_window->completedRows, QStringList{path});
        QCOMPARE(EngineTestKit::sha1OfFile(path), EngineTestKit::sha1OfFile(m_root.filePath(QStringLiteral("small.bin"))));
        const auto record = ApTaskStore().read(id);
        QVERIFY(record);
        QCOMPARE(record->state, int(TaskCompleted));
        QCOMPARE(record->completedSize, qint64(300 * 1024));
        // The task leaves the table right after the completion notice.
        QTRY_COMPARE(m_manager->findTask(path), nullptr);

        const QStringList started = readLines(m_log);
        QVERIFY2(started.contains(QStringLiteral("toolbelt /host-ip 127.0.0.1 ") + key), qPrintable(started.join(';')));
        QTRY_VERIFY(readLines(m_log).contains(QStringLiteral("toolbelt /file-sha1 ") + path + ' ' + key));
    }

    void rowUpdatesCarryTheColumnsInOrder()
    {
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/slow/big.bin")), QStringLiteral("big.bin"));
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("big.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->rows.size() >= 3, 10000);

        // The first pass with a known size carries the size column once.
        int withSize = 0;
        for (const auto &u : m_window->rows) {
            QCOMPARE(u.path, path);
            QCOMPARE(u.columns.first(), 3);
            if (u.columns.contains(2)) {
                ++withSize;
                QCOMPARE(u.columns.mid(0, 6), QList<int>({3, 2, 0, 4, 6, 10}));
                QCOMPARE(u.row.sizeText, QStringLiteral("24.00 MB"));
            } else {
                QCOMPARE(u.columns.mid(0, 5), QList<int>({3, 0, 4, 6, 10}));
            }
            if (u.columns.contains(9))
                QCOMPARE(u.columns.last(), 9);
        }
        QCOMPARE(withSize, 1);
        QVERIFY(m_window->listingsRefreshed >= 1);
        const auto record = ApTaskStore().read(id);
        QCOMPARE(record->size, qint64(24 * 1024 * 1024));
        QVERIFY(m_loop->infoText().contains(QStringLiteral("[big.bin] - ")));
        QVERIFY(m_loop->infoText().startsWith(QStringLiteral("<div style=\"margin:10px 5px 10px 5px\"><img src=\":/icons/download.png\" /> Download rate: ")));
        QTRY_VERIFY(m_window->tooltips.last().startsWith(QLatin1String("Total downloads - ")));

        // Pause, then stop, then start again: the stopped task continues.
        queue(TaskCommand::Pause, {path});
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskPaused), 5000);
        // A paused task takes no more data from its servers (five
        // connections at 256 KiB/s would bring well over 1 MiB meanwhile).
        ApTvoTask &running = m_manager->findTask(path)->task();
        QTest::qWait(500);
        const qint64 atPause = running.completed.load();
        QTest::qWait(1500);
        QVERIFY2(running.completed.load() - atPause < 256 * 1024,
                 qPrintable(QString::number(running.completed.load() - atPause)));
        queue(TaskCommand::Start, {path});
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskDownloading), 5000);
        const qint64 atResume = running.completed.load();
        QTRY_VERIFY_WITH_TIMEOUT(running.completed.load() - atResume > 512 * 1024, 5000);
        queue(TaskCommand::Pause, {path});
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskPaused), 5000);
        queue(TaskCommand::Stop, {path});
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskStopped), 5000);
        QTRY_COMPARE(storedState(id), int(TaskStopped));
        ApTvoDownloadTaskThread *thread = m_manager->findTask(path);
        QVERIFY(thread);
        QVERIFY(!thread->isRunning());
        // The stopped task keeps what its resume record holds.
        ApTvoResumeState resume;
        QVERIFY(resume.load(path));
        QCOMPARE(thread->task().completed.load(), resume.done.bytes());
        QVERIFY(resume.done.bytes() > 0);
        queue(TaskCommand::Start, {path});
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskDownloading), 5000);
        QVERIFY(thread->isRunning());

        // Delete with files while running: the partial file goes too.
        queue(TaskCommand::Delete, {path}, {}, true);
        QTRY_VERIFY_WITH_TIMEOUT(!m_manager->findTask(path), 5000);
        QTRY_VERIFY(!QFile::exists(path));
        QVERIFY(m_window->completions.isEmpty());
    }

    void deleteWithFilesOfAStoppedTask()
    {
        QVERIFY(EngineTestKit::writeRandomFile(m_saves.filePath(QStringLiteral("stopped.bin")), 1000, 7));
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("stopped.bin"),
                                     TaskStopped);
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("stopped.bin")));
        m_window->shownTask = path;
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY(m_manager->findTask(path));
        QVERIFY(!m_manager->findTask(path)->isRunning());
        queue(TaskCommand::Delete, {path}, {}, true);
        QTRY_VERIFY_WITH_TIMEOUT(!m_manager->findTask(path), 5000);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(m_window->defaultPageShown, 1);
    }

    void deleteWithoutFilesKeepsTheFile()
    {
        QVERIFY(EngineTestKit::writeRandomFile(m_saves.filePath(QStringLiteral("keep.bin")), 1000, 7));
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("keep.bin"),
                                     TaskStopped);
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("keep.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY(m_manager->findTask(path));
        queue(TaskCommand::Delete, {path});
        QTRY_VERIFY_WITH_TIMEOUT(!m_manager->findTask(path), 5000);
        QVERIFY(QFile::exists(path));
        QCOMPARE(m_window->defaultPageShown, 0);
    }

    void deleteAllRowsEmptiesStoreAndDownloads()
    {
        createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("a.bin"), TaskStopped);
        createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("b.bin"), TaskCompleted);
        const QString downloads = m_info->userDataFolder() + QStringLiteral("/downloads");
        QDir().mkpath(downloads);
        QVERIFY(EngineTestKit::writeRandomFile(downloads + QStringLiteral("/left.part"), 10, 7));
        QVERIFY(EngineTestKit::writeRandomFile(m_saves.filePath(QStringLiteral("elsewhere.bin")), 10, 7));
        queue(TaskCommand::Delete, {}, {}, true, true);
        QTRY_VERIFY_WITH_TIMEOUT(ApTaskStore().keys().isEmpty(), 5000);
        QVERIFY(QDir(downloads).entryList(QDir::Files).isEmpty());
        QVERIFY(QFile::exists(m_saves.filePath(QStringLiteral("elsewhere.bin"))));
    }

    void unreachableServerFailsAndRetries()
    {
        {
            SettingsStore s;
            s->setValue(QStringLiteral("Config/General/FailureRetryTimes"), 2);
        }
        m_manager->readSettings();
        const QString url = QStringLiteral("http://127.0.0.1:%1/gone.bin").arg(TestSupport::freeLocalPort());
        const qint64 id = createTask(url, QStringLiteral("gone.bin"));
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("gone.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskFailed), 10000);
        QTRY_COMPARE(storedState(id), int(TaskFailed));
        // Retried after growing waits while below the retry count, then left
        // failed with no retry planned.
        QTRY_VERIFY_WITH_TIMEOUT(m_window->lastRowOf(path).row.statusText.startsWith(QLatin1String("Retrying in ")),
                                 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->lastStateOf(path) == TaskFailed
                                     && m_window->lastRowOf(path).row.statusText.isEmpty(),
                                 10000);
        QTest::qWait(3000);
        QCOMPARE(m_window->lastStateOf(path), int(TaskFailed));
        QCOMPARE(m_window->lastRowOf(path).row.statusText, QString());
        {
            SettingsStore s;
            s->remove(QStringLiteral("Config/General/FailureRetryTimes"));
        }
    }

    // A stopped task that has not run in this session keeps its record as
    // it is, its last run's figures included, pass after pass.
    void stoppedTaskRecordIsNeverWritten()
    {
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("kept.bin"), TaskStopped);
        ApTaskStore().writeValue(id, TaskKeys::CompletedSize, 12345);
        ApTaskStore().writeValue(id, TaskKeys::Size, 99999);
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("kept.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY_WITH_TIMEOUT(std::count_if(m_window->rows.cbegin(), m_window->rows.cend(),
                                               [&](const auto &u) { return u.path == path; }) >= 3,
                                 15000);
        const auto record = ApTaskStore().read(id);
        QVERIFY(record);
        QCOMPARE(record->state, int(TaskStopped));
        QCOMPARE(record->completedSize, qint64(12345));
        QCOMPARE(record->size, qint64(99999));

        // Started, it runs and its record follows it again.
        queue(TaskCommand::Start, {path});
        QTRY_VERIFY_WITH_TIMEOUT(m_window->completions.size() == 1, 15000);
        QTRY_COMPARE(storedState(id), int(TaskCompleted));
        QCOMPARE(ApTaskStore().read(id)->completedSize, qint64(300 * 1024));
    }

    void downloadWithoutConnectionFailsOnTheNinthPassAndIsRetried()
    {
        // A task that the engine holds as downloading but that has no
        // connection talking to a server: the stall check counts its passes.
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/small.bin")), QStringLiteral("stall.bin"));
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("stall.bin")));
        const auto record = ApTaskStore().read(id);
        ApTvoDownloadTaskThread *thread = m_manager->addTask(TaskStore::engineTaskInput(*record), false);
        thread->setEngineState(TaskDownloading);

        QTRY_VERIFY_WITH_TIMEOUT(m_window->lastStateOf(path) == TaskFailed, 10000);
        int downloadingPasses = 0;
        for (const auto &u : m_window->rows) {
            if (u.path == path && u.state == TaskDownloading)
                ++downloadingPasses;
        }
        // Eight passes show it downloading; the ninth marks it failed.
        QCOMPARE(downloadingPasses, 8);
        QTRY_COMPARE(storedState(id), int(TaskFailed));

        // The retry restarts it as a single stream, which completes.
        QTRY_VERIFY_WITH_TIMEOUT(m_window->completions.size() == 1, 10000);
        QCOMPARE(EngineTestKit::sha1OfFile(path), EngineTestKit::sha1OfFile(m_root.filePath(QStringLiteral("small.bin"))));
    }

    // Outages, pauses and failures against a real nginx that goes down and
    // comes back on the same port.

    void outageIsRetriedUntilTheServerIsBack()
    {
        const qint64 size = 24 * 1024 * 1024;
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/outage/big.bin")), QStringLiteral("outage.bin"));
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("outage.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY_WITH_TIMEOUT(m_manager->findTask(path), 5000);
        ApTvoTask &task = m_manager->findTask(path)->task();
        QTRY_VERIFY_WITH_TIMEOUT(task.completed.load() > size * 3 / 10, 30000);
        m_nginx.stop();
        qInfo("server stopped at %lld bytes", qint64(task.completed.load()));

        // Failed, with the next attempt announced; neither the row nor the
        // store falls back to 0.
        QTRY_VERIFY_WITH_TIMEOUT(m_window->lastStateOf(path) == TaskFailed
                                     && m_window->lastRowOf(path).row.statusText.startsWith(QLatin1String("Retrying in ")),
                                 10000);
        const qint64 fetchedBefore = task.bytesFetched.load();
        // The failed run has ended; what its record holds is what the task
        // shows from now on.
        ApTvoDownloadTaskThread *thread = m_manager->findTask(path);
        QTRY_VERIFY(!thread->isRunning());
        ApTvoResumeState record;
        QVERIFY(record.load(path));
        const qint64 kept = record.done.bytes();
        qInfo("outage at %lld bytes, %lld kept", qint64(task.completed.load()), kept);
        QVERIFY(kept > 0);
        QCOMPARE(task.completed.load(), kept);
        // Down long enough for two attempts to find nobody (the waits are
        // 0.5 s and 1.5 s at this tick): they use up two of three retries.
        qint64 lowestStored = size;
        int lowestShown = 100;
        for (int i = 0; i < 25; ++i) {
            QTest::qWait(100);
            lowestStored = qMin(lowestStored, ApTaskStore().read(id)->completedSize);
            lowestShown = qMin(lowestShown, m_window->lastRowOf(path).row.percentage);
        }
        QVERIFY2(lowestStored >= kept, qPrintable(QStringLiteral("%1 < %2").arg(lowestStored).arg(kept)));
        QVERIFY(lowestShown >= int(kept * 100 / size));
        const int logFrom = logLines();
        QVERIFY(m_nginx.restart());

        QTRY_VERIFY_WITH_TIMEOUT(m_window->completions.size() == 1, 60000);
        QCOMPARE(EngineTestKit::sha1OfFile(path), EngineTestKit::sha1OfFile(m_root.filePath(QStringLiteral("big.bin"))));
        QTRY_COMPARE(storedState(id), int(TaskCompleted));
        // The retry continued the file with all its connections.
        QTest::qWait(300);
        const QStringList after = readLines(m_nginx.prefixPath() + QStringLiteral("/logs/access.log")).mid(logFrom);
        QVERIFY2(after.filter(QStringLiteral("\" 206 ")).size() >= 5, qPrintable(after.join(QLatin1Char('\n'))));
        const qint64 fetched = fetchedBefore + bytesLogged(logFrom, QStringLiteral("/outage/big.bin"));
        qInfo("outage: %lld bytes fetched for a file of %lld (%.2f %% twice)", fetched, size,
              double(fetched - size) * 100.0 / double(size));
        QVERIFY2(fetched < size + size / 10, qPrintable(QString::number(fetched)));
    }

    void pausedTaskWhoseConnectionsDiedResumesAtOnce()
    {
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/outage/big.bin")), QStringLiteral("paused.bin"));
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("paused.bin")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY_WITH_TIMEOUT(m_manager->findTask(path), 5000);
        ApTvoDownloadTaskThread *thread = m_manager->findTask(path);
        QTRY_VERIFY_WITH_TIMEOUT(thread->task().activeConnections.load() == 5
                                     && thread->task().completed.load() > 2 * 1024 * 1024,
                                 20000);
        queue(TaskCommand::Pause, {path});
        // After a short grace the paused task closes its connections; their
        // rows say that they are paused.
        QTRY_VERIFY_WITH_TIMEOUT(thread->task().activeConnections.load() == 0, 5000);
        QList<ApTvoConnectionSnapshot> parked = thread->connectionSnapshots();
        QCOMPARE(parked.size(), 5);
        for (const ApTvoConnectionSnapshot &c : parked)
            QCOMPARE(c.state, 3);
        m_nginx.stop();
        QVERIFY(m_nginx.restart());

        QElapsedTimer clock;
        clock.start();
        queue(TaskCommand::Start, {path});
        auto receiving = [&] {
            const QList<ApTvoConnectionSnapshot> now = thread->connectionSnapshots();
            int n = 0;
            for (int i = 0; i < now.size() && i < parked.size(); ++i)
                n += now.at(i).bytesReceived > parked.at(i).bytesReceived ? 1 : 0;
            return n;
        };
        QTRY_VERIFY_WITH_TIMEOUT(receiving() == 5, 5000);
        qInfo("all five connections took data again %lld ms after the start", qint64(clock.elapsed()));
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->completions.size() == 1, 60000);
        QCOMPARE(EngineTestKit::sha1OfFile(path), EngineTestKit::sha1OfFile(m_root.filePath(QStringLiteral("big.bin"))));
    }

    void failureLeavesNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not found") << QStringLiteral("404");
        QTest::newRow("nobody listening") << QStringLiteral("refused");
        QTest::newRow("answer without a byte") << QStringLiteral("empty");
    }

    void failureLeavesNoFile()
    {
        QFETCH(QString, kind);
        {
            SettingsStore s;
            s->setValue(QStringLiteral("Config/General/FailureRetryTimes"), 1);
        }
        m_manager->readSettings();
        EngineTestKit::ScriptedHttpServer server;
        QVERIFY(server.listen());
        // A length announced, then the connection closed before the body.
        server.setHandler([](const EngineTestKit::ScriptedRequest &, EngineTestKit::ScriptedResponder *resp) {
            resp->head(200, {"Content-Length: 100000", "Connection: close"});
        });
        QString url = m_nginx.url(QStringLiteral("/missing.bin"));
        if (kind == QLatin1String("refused"))
            url = QStringLiteral("http://127.0.0.1:%1/gone.bin").arg(TestSupport::freeLocalPort());
        else if (kind == QLatin1String("empty"))
            url = server.url(QStringLiteral("/empty.bin"));
        const QString name = kind + QStringLiteral(".bin");
        const qint64 id = createTask(url, name);
        const QString path = QDir::toNativeSeparators(m_saves.filePath(name));
        bool sawFile = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] { sawFile = sawFile || QFile::exists(path); });
        watch.start(5);
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->lastStateOf(path), int(TaskFailed), 10000);
        // The retry (after 0.5 s at this tick) has come and failed as well.
        QTest::qWait(2500);
        QTRY_VERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(ApTvoResumeState::pathFor(path)));
        // Only a successful answer creates the file.
        QCOMPARE(sawFile, kind == QLatin1String("empty"));
        // The retry was announced; then the retries were used up.
        const bool announced = std::any_of(m_window->rows.cbegin(), m_window->rows.cend(), [&](const auto &u) {
            return u.path == path && u.row.statusText.startsWith(QLatin1String("Retrying in "));
        });
        QVERIFY(announced);
        QTRY_VERIFY2_WITH_TIMEOUT(m_window->lastStateOf(path) == TaskFailed
                                      && m_window->lastRowOf(path).row.statusText.isEmpty(),
                                  qPrintable(QStringLiteral("state %1, text %2").arg(m_window->lastStateOf(path))
                                                 .arg(m_window->lastRowOf(path).row.statusText)),
                                  10000);
        {
            SettingsStore s;
            s->remove(QStringLiteral("Config/General/FailureRetryTimes"));
        }
    }

    void whenDoneScheduleFiresWithoutUnfinishedTasks()
    {
        auto *session = new RecordingSession;
        auto previous = SessionControl::setBackend(std::unique_ptr<SessionBackend>(session));
        m_loop->setScheduleGraceMs(0);
        m_loop->armSchedule(ApPolicingThread::ScheduleWhenDone, 0, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!session->calls.isEmpty(), 10000);
        QCOMPARE(session->calls, QStringList{QStringLiteral("powerOff")});
        QCOMPARE(m_window->calls, QStringList({QStringLiteral("reset"), QStringLiteral("save")}));
        QVERIFY(!m_loop->scheduleActive());
        SessionControl::setBackend(std::move(previous));
    }

    void whenDoneScheduleWaitsForRunningTasks()
    {
        auto *session = new RecordingSession;
        auto previous = SessionControl::setBackend(std::unique_ptr<SessionBackend>(session));
        m_loop->setScheduleGraceMs(0);
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/slow/big.bin")), QStringLiteral("sched.bin"));
        queue(TaskCommand::Load, {}, QString::number(id));
        m_loop->armSchedule(ApPolicingThread::ScheduleWhenDone, 0, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->scheduleTexts.isEmpty(), 10000);
        QCOMPARE(m_window->scheduleTexts.first(), QStringLiteral("Unfinished download tasks: 1"));
        QVERIFY(session->calls.isEmpty());
        SessionControl::setBackend(std::move(previous));
    }

    void countdownShowsRemainingTimeAndFires()
    {
        auto *session = new RecordingSession;
        auto previous = SessionControl::setBackend(std::unique_ptr<SessionBackend>(session));
        QDateTime now = QDateTime::currentDateTime();
        m_loop->setClock([&now] { return now; });
        m_loop->setScheduleGraceMs(0);
        m_loop->armSchedule(ApPolicingThread::ScheduleCountdown, ApPolicingThread::ScheduleLogOff, 90);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->scheduleTexts.isEmpty(), 10000);
        QCOMPARE(m_window->scheduleTexts.first(), QStringLiteral("Remaining time: 1:30"));
        now = now.addSecs(89 * 60 + 59);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->scheduleTexts.last() == QStringLiteral("Remaining time: 0:1"), 10000);
        QVERIFY(session->calls.isEmpty());
        now = now.addSecs(1);
        QTRY_COMPARE_WITH_TIMEOUT(session->calls, QStringList{QStringLiteral("logOff")}, 10000);
        SessionControl::setBackend(std::move(previous));
    }

    void countdownRunsTheWindowsActions()
    {
        QDateTime now = QDateTime::currentDateTime();
        m_loop->setClock([&now] { return now; });
        m_loop->armSchedule(ApPolicingThread::ScheduleCountdown, 3, 1);
        now = now.addSecs(61);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->scheduledActions, QList<int>{3}, 10000);
        QCOMPARE(m_window->calls, QStringList{QStringLiteral("reset")});
    }

    void updateCheckThroughTheRealUpdater_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("message");
        QTest::newRow("same release") << true << QStringLiteral("No update|1");
        QTest::newRow("unreachable") << false << QStringLiteral("Update failed - cannot connect to server.|1");
    }

    void updateCheckThroughTheRealUpdater()
    {
        QFETCH(bool, reachable);
        QFETCH(QString, message);
        QVERIFY(QFile::exists(TestSupport::binDir() + QStringLiteral("/updater")));
        const QString manifest = m_root.filePath(QStringLiteral("tvo/z_tvo_z/zantor/update/linux/update.tvoxml"));
        QDir().mkpath(QFileInfo(manifest).absolutePath());
        QFile f(manifest);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<Updates><Product Version=\"144\"/></Updates>");
        f.close();

        const QString home = reachable ? m_nginx.url(QString())
                                       : QStringLiteral("http://127.0.0.1:%1").arg(TestSupport::freeLocalPort());
        qputenv("ZANTOR_HOME_URL", home.toUtf8());
        ApplicationInfo info;  // the updater lives beside the other programs
        info.setProgramFolder(TestSupport::binDir());
        qputenv("ZANTOR_HOME_URL", "http://127.0.0.1:9");
        RecordingWindow window;
        ApTvoManager manager(nullptr, &info);
        ApPolicingThread loop(&window, &manager, &info, nullptr, kTick);
        loop.requestUpdateCheck(1);
        loop.start();
        QTRY_COMPARE_WITH_TIMEOUT(window.updateMessages.size(), 1, 20000);
        QCOMPARE(window.updateMessages.first(), message);
        QTest::qWait(1000);  // shown once, never again
        QCOMPARE(window.updateMessages.size(), 1);
        loop.stopAndWait();
    }

    void previewStartsThePlayer()
    {
        const qint64 id = createTask(m_nginx.url(QStringLiteral("/slow/big.bin")), QStringLiteral("clip.mp4"));
        const QString path = QDir::toNativeSeparators(m_saves.filePath(QStringLiteral("clip.mp4")));
        queue(TaskCommand::Load, {}, QString::number(id));
        QTRY_VERIFY(m_manager->findTask(path));
        const QString previews = m_info->userDataFolder() + QStringLiteral("/previews");
        QDir().mkpath(previews);
        QVERIFY(EngineTestKit::writeRandomFile(previews + QStringLiteral("/old.mp4"), 10, 7));
        TaskCommand c;
        c.code = TaskCommand::Preview;
        c.paths = QStringList{path};
        c.percentage = 5;
        m_loop->queueCommand(c);
        QTRY_VERIFY_WITH_TIMEOUT(!readLines(m_log).filter(QStringLiteral("clipdeck")).isEmpty(), 5000);
        const QString line = readLines(m_log).filter(QStringLiteral("clipdeck")).first();
        QVERIFY2(line.startsWith(QStringLiteral("clipdeck /file ")), qPrintable(line));
        QVERIFY(line.endsWith(QStringLiteral(" 0 ") + m_info->advertisementBaseUrl()));
        QVERIFY(!QFile::exists(previews + QStringLiteral("/old.mp4")));
    }
};

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestPolicingThread test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_policingthread.moc"
