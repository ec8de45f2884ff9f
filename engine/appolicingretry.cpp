// The policing loop's retries of failed tasks: when the next attempt
// comes, what it runs, and the text that announces it. Runs in the loop's
// thread only.
#include "appolicingthread.h"

#include <QCoreApplication>

#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "taskstore.h"

namespace {
// Waits before the retries of a failed task, in ticks: 5 s, 15 s, 45 s,
// then every 2 minutes, so that a server that is down for a while is not
// given up within seconds.
constexpr int kRetryWaitTicks[] = {50, 150, 450, 1200};
} // namespace

void ApPolicingThread::planRetry(const ApTvoTask &task, PassState &pass, int retryLimit)
{
    if (pass.retryDueTick > 0 || task.noRetry.load())
        return;
    // Only attempts that found the server unreachable or failing use up
    // the retries; one that took the file further than any before gives
    // the task its retries afresh. (A run that has to start at byte 0 and
    // fails at the same place again makes no progress.)
    const qint64 reached = task.completed.load();
    if (reached > pass.bestCompleted) {
        pass.retries = 0;
        pass.bestCompleted = reached;
    }
    if (pass.retries >= retryLimit)
        return;
    const int waits = int(sizeof kRetryWaitTicks / sizeof kRetryWaitTicks[0]);
    pass.retryDueTick = m_tickCount + kRetryWaitTicks[qMin(pass.retries, waits - 1)];
    m_plannedRetries.insert(task.savePath);
}

void ApPolicingThread::runDueRetries()
{
    if (m_plannedRetries.isEmpty())
        return;
    const QSet<QString> planned = m_plannedRetries;
    for (const QString &path : planned) {
        PassState &pass = m_passes[path];
        ApTvoDownloadTaskThread *thread = m_manager->findTask(path);
        if (thread && pass.retryDueTick > m_tickCount && thread->task().state.load() == TaskFailed)
            continue;
        m_plannedRetries.remove(path);
        const bool due = pass.retryDueTick > 0 && pass.retryDueTick <= m_tickCount;
        pass.retryDueTick = 0;
        // A task the user started, stopped or deleted meanwhile is left alone.
        if (!due || !thread || thread->task().state.load() != TaskFailed)
            continue;
        ++pass.retries;
        restartFailed(thread);
    }
}

void ApPolicingThread::restartFailed(ApTvoDownloadTaskThread *thread)
{
    // A server that proved it cannot serve ranges gets one stream from the
    // first byte; any other continues the file with all its connections.
    const int failed = thread->task().rangesRefused.load() ? -1 : 0;
    if (!m_queue.hasFreeSlot(activeTaskCount())) {
        // Every slot is taken: the retry waits in line like any start.
        putInLine(thread);
        thread->setFailedConnections(failed);
        return;
    }
    thread->stopTask();
    thread->setEngineState(TaskStopped);
    thread->setFailedConnections(failed);
    thread->startTask();
}

QString ApPolicingThread::retryText(const PassState &pass) const
{
    if (pass.retryDueTick <= 0)
        return QString();
    const qint64 ms = qMax<qint64>(0, pass.retryDueTick - m_tickCount) * m_tickMs;
    return tr("Retrying in %1 s").arg((ms + 999) / 1000);
}
