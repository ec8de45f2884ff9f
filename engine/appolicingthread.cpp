#include "appolicingthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTimer>
#include <QUrl>

#include "applicationinfo.h"
#include "apenginewindow.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "commonfunctions.h"
#include "crashhandler.h"
#include "threadannotations.h"
#include "failurereason.h"
#include "sessioncontrol.h"
#include "sitepaths.h"
#include "taskstore.h"
#include "updatecheck.h"
#include <QElapsedTimer>
#include <QLoggingCategory>

// "progress pass N ms" lines, for measuring the loop at scale.
Q_LOGGING_CATEGORY(lcPolicing, "zantor.policing", QtWarningMsg)

namespace {

// Multiples of the tick.
constexpr int kProgressTicks = 30;      // 3 s
constexpr int kInfoPasses = 2;          // every second progress pass
constexpr int kCompletionTicks = 40;    // 4 s
constexpr int kFirstLoadPasses = 2;     // the location table loads 8 s after start
constexpr int kScheduleTicks = 200;     // 20 s
constexpr int kStallPasses = 8;
constexpr int kProgressSeconds = 3;

QString tr(const char *text) { return QCoreApplication::translate("ApPolicingThread", text); }

// Calls into the window's thread. The arguments are copied into the call
// here, in this thread, before it is queued.
template<typename Call>
void invokeBlocking(QObject *object, Call &&call)
{
    QMetaObject::invokeMethod(object, std::forward<Call>(call), Qt::BlockingQueuedConnection);
}

template<typename Call>
void invokeQueued(QObject *object, Call &&call)
{
    QMetaObject::invokeMethod(object, std::forward<Call>(call), Qt::QueuedConnection);
}

} // namespace

ApPolicingThread::ApPolicingThread(ApEngineWindow *window, ApTvoManager *manager, const ApplicationInfo *info,
                                   QObject *parent, int tickMs)
    : QThread(parent)
    , m_window(window)
    , m_manager(manager)
    , m_info(info)
    , m_tickMs(tickMs)
    , m_store(std::make_unique<ApTaskStore>())
    , m_clock([] { return QDateTime::currentDateTime(); })
    , m_updateSegmentKey(UpdateNotify::segmentKey(info->programFolder()))
{
    qRegisterMetaType<TaskRowData>("TaskRowData");
    qRegisterMetaType<QList<int>>("QList<int>");
}

ApPolicingThread::~ApPolicingThread()
{
    stopAndWait();
}

void ApPolicingThread::stopAndWait()
{
    m_stop.store(true);
    if (QThread::currentThread() != thread()) {
        wait();
        return;
    }
    while (!wait(10))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ApPolicingThread::queueCommand(const TaskCommand &command)
{
    QMutexLocker lock(&m_commandsLock);
    m_commands.append(command);
}

void ApPolicingThread::requestUpdateCheck(int messageMode)
{
    QMutexLocker lock(&m_requestLock);
    m_updateMessageMode.store(messageMode);
    m_updateDone.store(false);
    m_updateStarted.store(false);
}

void ApPolicingThread::disableUpdateCheck()
{
    m_updateStarted.store(true);
    m_updateDone.store(true);
}

void ApPolicingThread::armSchedule(int type, int action, int minutes)
{
    QMutexLocker lock(&m_requestLock);
    m_scheduleType = type;
    m_scheduleAction = action;
    m_scheduleMinutes = minutes;
    m_scheduleStart = m_clock();
    m_scheduleActive.store(true);
}

QString ApPolicingThread::infoText() const
{
    QMutexLocker lock(&m_infoLock);
    return m_infoText;
}

void ApPolicingThread::setClock(Clock clock)
{
    QMutexLocker lock(&m_requestLock);
    m_clock = std::move(clock);
}

void ApPolicingThread::setUpdateSegmentKey(const QString &key)
{
    QMutexLocker lock(&m_requestLock);
    m_updateSegmentKey = key;
}

void ApPolicingThread::run()
{
    CrashHandler::prepareCurrentThread();
    while (!m_stop.load()) {
        QThread::msleep(m_tickMs);
        tick();
    }
    m_updateCheck.reset();
    ZANTOR_THREAD_FINISHED(this);
}

void ApPolicingThread::tick()
{
    processCommands();
    if (m_stop.load())
        return;
    admitWaiting();

    if (m_infoRequested.exchange(false))
        invokeBlocking(this, [this] { displayDownloadTaskInfo_TS(); });

    if (++m_threeSecondCounter >= kProgressTicks) {
        m_threeSecondCounter = 0;
        progressPass();
        if (++m_infoCounter >= kInfoPasses) {
            m_infoCounter = 0;
            invokeBlocking(this, [this] { displayDownloadTaskInfo_TS(); });
        }
        if (!m_updateDone.load())
            updateCheck();
    }

    if (++m_fourSecondCounter >= kCompletionTicks) {
        m_fourSecondCounter = 0;
        if (!m_manager->locationDatabaseLoaded() && ++m_firstLoadCounter >= kFirstLoadPasses)
            m_manager->loadLocationDatabase();
        completionPass();
    }

    if (m_scheduleActive.load() && ++m_scheduleCounter >= kScheduleTicks) {
        m_scheduleCounter = 0;
        scheduleCheck();
    }
}

void ApPolicingThread::processCommands()
{
    // Commands are taken out under the lock and carried out without it:
    // stopping a task waits for its thread, and the window must never wait
    // for this loop while it queues a command.
    for (;;) {
        TaskCommand command;
        {
            QMutexLocker lock(&m_commandsLock);
            if (m_commands.isEmpty())
                return;
            command = m_commands.takeFirst();
        }
        runCommand(command);
        if (m_stop.load())
            return;
    }
}

void ApPolicingThread::runCommand(const TaskCommand &command)
{
    switch (command.code) {
    case TaskCommand::Load:
        submitTask(command.text);
        return;
    case TaskCommand::Preview:
        for (const QString &path : command.paths) {
            if (ApTvoDownloadTaskThread *thread = m_manager->findTask(path)) {
                preview(path, command.percentage, thread->task().completed.load());
                break;
            }
        }
        return;
    default:
        break;
    }

    for (const QString &path : command.paths) {
        ApTvoDownloadTaskThread *thread = m_manager->findTask(path);
        if (!thread)
            continue;
        ApTvoTask &task = thread->task();
        const int state = task.state.load();
        switch (command.code) {
        case TaskCommand::Start:
            if (state == TaskQueued) {
                // Starting a waiting task is the user's explicit choice: it
                // gets its slot now, beyond the limit.
                m_queue.remove(path);
                launch(thread);
            } else if ((state == TaskStopped || state == TaskPaused || state == TaskFailed)
                       && !m_queue.hasFreeSlot(activeTaskCount())) {
                if (state == TaskFailed)
                    thread->setFailedConnections(-1);
                putInLine(thread);
            } else if (state == TaskStopped || (state == TaskPaused && !thread->isRunning())) {
                thread->startTask();
                thread->setEngineState(TaskDownloading);
            } else if (state == TaskPaused) {
                // A paused task's thread still runs: it only resumes.
                task.moveState(TaskPaused, TaskDownloading);
            } else if (state == TaskFailed) {
                // Restart as a single stream; it continues the file where
                // the resume record allows, else from the first byte.
                thread->stopTask();
                thread->setEngineState(TaskStopped);
                thread->setFailedConnections(-1);
                thread->startTask();
            }
            break;
        case TaskCommand::Pause:
            // A task whose connection has not started yet is paused too;
            // the start leaves the pause in place.
            if (state == TaskQueued && task.moveState(TaskQueued, TaskPaused))
                m_queue.remove(path);
            else if (!task.moveState(TaskDownloading, TaskPaused))
                task.moveState(TaskLoading, TaskPaused);
            break;
        case TaskCommand::Stop:
            if (state == TaskQueued) {
                m_queue.remove(path);
                thread->setEngineState(TaskStopped);
            } else if (state == TaskDownloading || state == TaskPaused || state == TaskFailed) {
                task.headerReceived.store(false);
                thread->stopTask();
                thread->setEngineState(TaskStopped);
            }
            break;
        case TaskCommand::Delete:
            m_queue.remove(path);
            thread->setEngineState(command.withFiles ? TaskDeletingWithFiles : TaskDeleting);
            break;
        case TaskCommand::MoveUp:
        case TaskCommand::MoveDown:
            m_queue.move(path, command.code == TaskCommand::MoveUp ? -1 : 1);
            break;
        case TaskCommand::ResetFailed:
            if (state == TaskFailed) {
                task.headerReceived.store(false);
                thread->stopTask();
            }
            break;
        default:
            break;
        }
    }

    if (command.code == TaskCommand::Delete && command.allRows)
        deleteAllRows();
}

void ApPolicingThread::deleteAllRows()
{
    m_store->removeAll();
    QDir downloads(m_info->userDataFolder() + QStringLiteral("/downloads"));
    if (!downloads.exists())
        return;
    for (const QString &name : downloads.entryList(QDir::Files | QDir::Hidden | QDir::System))
        downloads.remove(name);
}

void ApPolicingThread::submitTask(const QString &key)
{
    bool ok = false;
    const qint64 id = key.toLongLong(&ok);
    if (!ok)
        return;
    const std::optional<TaskRecord> record = m_store->read(id);
    if (!record || !TaskStore::isSubmittable(*record))
        return;
    if (record->urlHostIp.isEmpty()) {
        Common::startCompanion(*m_info, Common::CompanionToolbelt,
                               {CompanionArgs::HostIp, QUrl(record->url).host(), key});
    }
    const EngineTaskInput input = TaskStore::engineTaskInput(*record);
    m_manager->readSettingsOnce();
    // A task that would run (one paused in an earlier session continues
    // too) joins the line when every slot is taken.
    if (input.startsAtOnce() && !m_queue.hasFreeSlot(activeTaskCount())) {
        putInLine(m_manager->addTask(input, false));
        return;
    }
    m_manager->addTask(input, input.startsAtOnce());
}

void ApPolicingThread::preview(const QString &path, int percentage, qint64 completed)
{
    const QString folder = m_info->userDataFolder() + QStringLiteral("/previews");
    QDir previews(folder);
    previews.mkpath(QStringLiteral("."));
    for (const QString &name : previews.entryList(QDir::Files | QDir::Hidden | QDir::System))
        previews.remove(name);

    const QString suffix = QFileInfo(path).suffix();
    QString playPath = path;
    const qint64 block = m_manager->settingsValues().previewThreshold;
    if (Common::isMediaType(suffix) && percentage < 71 && block > 0 && completed >= 20 * block) {
        // The player gets a copy so that it never reads the file being written.
        const QString copyPath = folder + QLatin1Char('/')
            + QString::number(QDateTime::currentSecsSinceEpoch()) + QLatin1Char('.') + suffix;
        QFile source(path);
        QFile copy(copyPath);
        if (source.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly)) {
            qint64 left = qMin(completed, source.size());
            bool ok = true;
            while (left > 0 && ok) {
                const QByteArray chunk = source.read(qMin(left, block));
                ok = !chunk.isEmpty() && copy.write(chunk) == chunk.size();
                left -= chunk.size();
            }
            copy.close();
            if (ok)
                playPath = copyPath;
            else
                copy.remove();
        }
    }
    Common::startCompanion(*m_info, Common::CompanionPlayer,
                           {CompanionArgs::File, playPath, QStringLiteral("0"), m_info->advertisementBaseUrl()});
}

void ApPolicingThread::progressPass()
{
    QElapsedTimer passTimer;
    passTimer.start();
    const QList<ApTvoDownloadTaskThread *> threads = m_manager->tasks();
    QString info = threads.isEmpty() ? tr("No running task") : QString();
    qint64 totalSum = 0;
    qint64 completedSum = 0;
    qint64 speedSum = 0;
    const int retryLimit = m_manager->settingsValues().retryCount;
    bool stateChanged = false;

    for (ApTvoDownloadTaskThread *thread : threads) {
        ApTvoTask &task = thread->task();
        const QString path = task.savePath;
        PassState &pass = m_passes[path];

        const qint64 completed = task.completed.load();
        const qint64 delta = completed - task.lastCompleted.exchange(completed);
        const qint64 speed = qMax<qint64>(0, delta / kProgressSeconds);
        int state = task.state.load();

        if (state != TaskDownloading) {
            if (state == TaskFailed && pass.retries < retryLimit && task.failedConnections.load() != -1
                && !task.noRetry.load()) {
                TaskCommand retry;
                retry.code = TaskCommand::Start;
                retry.paths = QStringList{path};
                queueCommand(retry);
                ++pass.retries;
            }
        } else {
            if (task.activeConnections.load() <= 0) {
                if (task.idlePasses.fetch_add(1) + 1 > kStallPasses) {
                    task.idlePasses.store(0);
                    task.failedConnections.store(task.urlCount);
                if (task.failureReason().isEmpty())
                    task.setFailureReason(FailureReason::noAnswer());
                }
            }
            if (task.failedConnections.load() >= task.urlCount) {
                task.failedConnections.store(0);
                TaskCommand reset;
                reset.code = TaskCommand::ResetFailed;
                reset.paths = QStringList{path};
                queueCommand(reset);
                if (task.moveState(TaskDownloading, TaskFailed))
                    state = TaskFailed;
                else
                    state = task.state.load();
            }
        }

        const qint64 total = task.total.load();
        const int percentage = TaskStore::percentage(completed, total);
        info += QStringLiteral("<div style=\"margin:10px 5px 10px 5px\"><img src=\":/icons/bullet_down.png\" /> [")
            + QFileInfo(path).fileName() + QStringLiteral("] - ") + QString::number(percentage)
            + QStringLiteral("%</div>");
        totalSum += total;
        completedSum += completed;
        speedSum += speed;

        // The record changes only when the task's progress does: a task that
        // has not run in this session (registered stopped) keeps its record
        // and its last run's figures, and an unchanged one costs nothing.
        bool sizeWrittenNow = false;
        const bool sizeDue = !pass.sizeWritten && total > 0;
        pass.active = pass.active || state == TaskLoading || state == TaskDownloading || state == TaskChecking
            || task.startTimeMs.load() > 0;
        const int storedState = TaskStore::storedStateFor(state);
        if (pass.active && (storedState != pass.storedState || completed != pass.storedCompleted || sizeDue)) {
            sizeWrittenNow = m_store->writeProgress(task.id, completed, storedState, total, pass.sizeWritten);
            pass.storedState = storedState;
            pass.storedCompleted = completed;
        }
        if (sizeWrittenNow)
            pass.sizeWritten = true;

        TaskRowData row;
        QList<int> columns;
        row.state = state;
        row.savePath = path;
        row.fileName = QFileInfo(path).fileName();
        row.taskKey = ApTaskStore::keyFor(task.id);
        row.completedSize = completed;
        row.percentage = percentage;
        columns << TaskColumn::Progress;
        if (sizeWrittenNow) {
            row.sizeText = Common::sizeText(double(total));
            columns << TaskColumn::Size;
        }
        columns << TaskColumn::Status;
        row.downloadSpeedText = Common::speedText(double(speed));
        columns << TaskColumn::Download;
        row.sourcesText = QString::number(task.activeConnections.load()) + QLatin1Char('/')
            + QString::number(task.urlCount);
        columns << TaskColumn::Sources;
        const qint64 startMs = task.startTimeMs.load();
        const qint64 elapsed = startMs > 0 ? qMax<qint64>(0, (QDateTime::currentMSecsSinceEpoch() - startMs) / 1000) : 0;
        row.timeElapsedText = Common::durationText(elapsed);
        columns << TaskColumn::TimeElapsed;
        const int place = m_queue.position(path);
        row.queueText = place > 0 ? QString::number(place) : QStringLiteral("-");
        columns << TaskColumn::Queue;
        if (speed > 0) {
            row.timeLeftText = Common::durationText(qMax<qint64>(0, total - completed) / speed);
            columns << TaskColumn::TimeLeft;
        }
        invokeBlocking(this, [this, path, columns, row, state] {
            updateMainDownloadsTableRow_TS(path, columns, row, state);
        });

        if (state != pass.lastState) {
            pass.lastState = state;
            stateChanged = true;
        }
    }
    // One refresh of the list filter for all the rows that changed state.
    if (stateChanged)
        invokeQueued(this, [this] { refreshMainDownloadsListings_TS(); });

    QString downloadRate = QStringLiteral("0 B/s");
    QString uploadRate = QStringLiteral("0 B/s");
    if (!threads.isEmpty()) {
        downloadRate = Common::speedText(double(speedSum));
        uploadRate = Common::speedText(0.0);
        info.prepend(QStringLiteral("<div style=\"margin:10px 5px 10px 5px\"><img src=\":/icons/download.png\" /> ")
                     + tr("Download rate: ") + downloadRate + QStringLiteral("</div>"));
    }
    {
        QMutexLocker lock(&m_infoLock);
        m_infoText = info;
    }
    invokeQueued(this, [this, downloadRate, uploadRate] { setStatusbarRates_TS(downloadRate, uploadRate); });
    invokeQueued(this, [this, speedSum] { setSpeed_TS(speedSum); });
    invokeQueued(this, [this, completedSum, totalSum] { setTrayIconToolTip_TS(completedSum, totalSum); });
    qCDebug(lcPolicing, "progress pass %d tasks %.3f ms", int(threads.size()), passTimer.nsecsElapsed() / 1e6);
}

void ApPolicingThread::completionPass()
{
    for (ApTvoDownloadTaskThread *thread : m_manager->tasks()) {
        ApTvoTask &task = thread->task();
        const QString path = task.savePath;
        const QString key = ApTaskStore::keyFor(task.id);
        int state = task.state.load();
        const qint64 total = task.total.load();
        if (state == TaskDownloading && total != 0 && task.completed.load() == total) {
            // A pause or delete that came in meanwhile wins.
            if (!task.moveState(TaskDownloading, TaskCompleted))
                continue;
            state = TaskCompleted;
            Common::startCompanion(*m_info, Common::CompanionToolbelt, {CompanionArgs::FileSha1, path, key});
        }
        if (state == TaskCompleted) {
            m_store->writeProgress(task.id, task.completed.load(), TaskCompleted, total, true);
            invokeBlocking(this, [this, path] { setCompletedDownloadTaskMainDownloadsTableRow_TS(path); });
            invokeQueued(this, [this] { refreshMainDownloadsListings_TS(); });
            invokeBlocking(this, [this, path, key] { notifyTaskCompletion_TS(path, key); });
            removeTask(thread, path);
        } else if (state == TaskDeleting || state == TaskDeletingWithFiles) {
            if (state == TaskDeletingWithFiles)
                thread->setDeleteFile(true);
            removeTask(thread, path);
        }
    }
}

void ApPolicingThread::removeTask(ApTvoDownloadTaskThread *thread, const QString &path)
{
    Q_UNUSED(thread)
    invokeBlocking(this, [this, path] { showDefaultBottomStackedPage_TS(path); });
    m_manager->removeTask(path);
    m_passes.remove(path);
    m_queue.remove(path);
}

void ApPolicingThread::scheduleCheck()
{
    int type;
    int action;
    int minutes;
    QDateTime start;
    QDateTime now;
    {
        QMutexLocker lock(&m_requestLock);
        type = m_scheduleType;
        action = m_scheduleAction;
        minutes = m_scheduleMinutes;
        start = m_scheduleStart;
        now = m_clock();
    }

    QString text;
    if (type == ScheduleWhenDone) {
        int unfinished = 0;
        for (ApTvoDownloadTaskThread *thread : m_manager->tasks()) {
            const int state = thread->task().state.load();
            if (state == TaskLoading || state == TaskDownloading || state == TaskChecking || state == TaskQueued)
                ++unfinished;
        }
        if (unfinished == 0) {
            m_scheduleActive.store(false);
            invokeQueued(this, [this, type, action] { handleScheduleTask_TS(type, action); });
            return;
        }
        text = tr("Unfinished download tasks: ") + QString::number(unfinished);
    } else {
        const qint64 left = minutes - start.secsTo(now) / 60;
        if (left <= 0) {
            m_scheduleActive.store(false);
            invokeQueued(this, [this, type, action] { handleScheduleTask_TS(type, action); });
            return;
        }
        text = tr("Remaining time: ") + QString::number(left / 60) + QLatin1Char(':') + QString::number(left % 60);
    }
    invokeQueued(this, [this, text] { updateStatusbarScheduleTaskInfo_TS(text); });
}

void ApPolicingThread::updateCheck()
{
    if (!m_updateStarted.load()) {
        QString key;
        {
            QMutexLocker lock(&m_requestLock);
            key = m_updateSegmentKey;
        }
        m_updateCheck = std::make_unique<ApUpdateCheck>(key);
        m_updateStarted.store(true);
        if (!m_updateCheck->startUpdater(*m_info)) {
            m_updateDone.store(true);
            m_updateCheck.reset();
        }
        return;
    }
    if (!m_updateCheck)
        return;
    const int status = m_updateCheck->poll();
    if (status < UpdateNotify::NoUpdate)
        return;
    m_updateDone.store(true);
    m_updateCheck.reset();
    const QString message = UpdateNotify::statusText(status);
    const int mode = m_updateMessageMode.load();
    invokeQueued(this, [this, message, mode] { showUpdateNotifyMessage_TS(message, mode); });
}

QString ApPolicingThread::trayToolTip(qint64 completedSum, qint64 totalSum) const
{
    if (totalSum < 100 || totalSum < completedSum)
        return m_info->displayName() + QLatin1Char(' ') + m_info->versionText();
    return tr("Total downloads - ") + QString::number(completedSum * 100 / totalSum) + QLatin1Char('%');
}

// ---- slots run in the GUI thread ----

void ApPolicingThread::updateMainDownloadsTableRow_TS(const QString &path, const QList<int> &columns,
                                                      const TaskRowData &row, int state)
{
    m_window->updateMainDownloadsTableRow(path, columns, row, state);
}

void ApPolicingThread::setCompletedDownloadTaskMainDownloadsTableRow_TS(const QString &path)
{
    m_window->setCompletedDownloadTaskMainDownloadsTableRow(path);
}

void ApPolicingThread::setSpeed_TS(qint64 downloadSpeed) { m_window->setSpeed(downloadSpeed, 0); }

void ApPolicingThread::setTrayIconToolTip_TS(qint64 completedSum, qint64 totalSum)
{
    m_window->setTrayIconToolTip(trayToolTip(completedSum, totalSum));
}

void ApPolicingThread::setStatusbarRates_TS(const QString &downloadRate, const QString &uploadRate)
{
    m_window->setStatusbarRates(downloadRate, uploadRate);
}

void ApPolicingThread::displayDownloadTaskInfo_TS() { m_window->displayDownloadTaskInfo(infoText()); }

void ApPolicingThread::showUpdateNotifyMessage_TS(const QString &message, int mode)
{
    m_window->showUpdateNotifyMessage(message, mode);
}

void ApPolicingThread::showDefaultBottomStackedPage_TS(const QString &path)
{
    if (m_window->isTaskInfoShown(path))
        m_window->showDefaultBottomStackedPage();
}

void ApPolicingThread::refreshMainDownloadsListings_TS() { m_window->refreshMainDownloadsListings(); }

void ApPolicingThread::notifyTaskCompletion_TS(const QString &path, const QString &key)
{
    m_window->notifyTaskCompletion(path, key);
}

void ApPolicingThread::handleScheduleTask_TS(int type, int action)
{
    m_window->resetScheduleStatus();
    if (type == ScheduleCountdown && action != SchedulePowerOff && action != ScheduleLogOff) {
        m_window->runScheduledAction(action);
        return;
    }
    m_window->saveWindowSettings();
    // The user gets a moment to see what is coming; the window keeps
    // answering meanwhile, as the wait is a timer and not a loop.
    const bool logOff = type == ScheduleCountdown && action == ScheduleLogOff;
    QTimer::singleShot(m_scheduleGraceMs, this, [logOff] {
        if (logOff)
            SessionControl::logOff();
        else
            SessionControl::shutDown();
    });
}

void ApPolicingThread::updateStatusbarScheduleTaskInfo_TS(const QString &text)
{
    m_window->updateStatusbarScheduleTaskInfo(text);
}
