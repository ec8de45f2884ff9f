// The policing loop's side of the download queue: which tasks hold a
// transfer slot, how a task joins the line, and how waiting tasks get the
// slots that come free. Runs in the loop's thread only.
#include "appolicingthread.h"

#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "taskstore.h"

int ApPolicingThread::activeTaskCount() const
{
    int active = 0;
    for (ApTvoDownloadTaskThread *thread : m_manager->tasks()) {
        if (ApDownloadQueue::holdsSlot(thread->task().state.load()))
            ++active;
    }
    return active;
}

void ApPolicingThread::putInLine(ApTvoDownloadTaskThread *thread)
{
    if (!thread)
        return;
    ApTvoTask &task = thread->task();
    // A waiting task never has a running thread: a paused or failed one
    // ends its run first, as a stop would.
    if (thread->isRunning()) {
        task.headerReceived.store(false);
        thread->stopTask();
    }
    thread->setEngineState(TaskQueued);
    m_queue.enqueue(task.savePath);
    m_store->writeState(task.id, TaskStore::storedStateFor(TaskQueued));
}

void ApPolicingThread::launch(ApTvoDownloadTaskThread *thread)
{
    // The state first: the run's first connection moves it on.
    thread->setEngineState(TaskLoading);
    thread->startTask();
}

void ApPolicingThread::admitWaiting()
{
    if (m_queue.isEmpty())
        return;
    for (const QString &path : m_queue.takeAdmitted(activeTaskCount())) {
        ApTvoDownloadTaskThread *thread = m_manager->findTask(path);
        if (thread && thread->task().state.load() == TaskQueued)
            launch(thread);
    }
}
