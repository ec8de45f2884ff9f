#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

#include "apdownloadqueue.h"
#include "taskcommand.h"

class ApEngineWindow;
class ApTaskStore;
class ApTvoDownloadTaskThread;
class ApTvoManager;
class ApUpdateCheck;
class ApplicationInfo;

// The one background loop between the download manager, the task store
// and the window. It wakes every tick (100 ms), carries out the commands the
// window queued, and on fixed multiples of the tick copies progress into the
// store and the window (3 s), completes and removes tasks (4 s), checks the
// schedule (20 s) and runs the update check. It never touches the window
// itself: every visible change goes through its "_TS" slots, which it
// invokes on itself so that they run in the GUI thread where it was created.
class ApPolicingThread final : public QThread
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    enum ScheduleType { ScheduleWhenDone = 0, ScheduleCountdown = 1 };
    enum ScheduleAction { SchedulePowerOff = 0, ScheduleLogOff = 1 };

    // tickMs is only ever changed by tests; the multiples stay as they are.
    ApPolicingThread(ApEngineWindow *window, ApTvoManager *manager, const ApplicationInfo *info,
                     QObject *parent = nullptr, int tickMs = 100);
    ~ApPolicingThread() override;

    // Requests from the GUI thread.
    void queueCommand(const TaskCommand &command);
    void requestTaskInfo() { m_infoRequested.store(true); }
    void requestUpdateCheck(int messageMode);
    void disableUpdateCheck();
    void armSchedule(int type, int action, int minutes);
    void disarmSchedule() { m_scheduleActive.store(false); }
    bool scheduleActive() const { return m_scheduleActive.load(); }
    void stopLoop() { m_stop.store(true); }
    // Tasks allowed to transfer at once (0 = no limit); the rest wait in
    // line and start as slots come free.
    void setMaxActiveDownloads(int limit) { m_queue.setLimit(limit); }
    int maxActiveDownloads() const { return m_queue.limit(); }
    // Stops the loop and waits for it. Called from the GUI thread, it keeps
    // serving the loop's blocking calls meanwhile, so the two never wait
    // for each other.
    void stopAndWait();

    QString infoText() const;

    // For tests: the clock of the countdown and the pause before a power off.
    void setClock(Clock clock);
    void setScheduleGraceMs(int ms) { m_scheduleGraceMs = ms; }
    int scheduleGraceMs() const { return m_scheduleGraceMs; }
    void setUpdateSegmentKey(const QString &key);

public slots:
    void updateMainDownloadsTableRow_TS(const QString &path, const QList<int> &columns, const TaskRowData &row,
                                        int state);
    void setCompletedDownloadTaskMainDownloadsTableRow_TS(const QString &path);
    void setSpeed_TS(qint64 downloadSpeed);
    void setTrayIconToolTip_TS(qint64 completedSum, qint64 totalSum);
    void setStatusbarRates_TS(const QString &downloadRate, const QString &uploadRate);
    void displayDownloadTaskInfo_TS();
    void showUpdateNotifyMessage_TS(const QString &message, int mode);
    // Shows the default bottom page when the panel shows the task at path.
    void showDefaultBottomStackedPage_TS(const QString &path);
    void refreshMainDownloadsListings_TS();
    void notifyTaskCompletion_TS(const QString &path, const QString &key);
    void handleScheduleTask_TS(int type, int action);
    void updateStatusbarScheduleTaskInfo_TS(const QString &text);

protected:
    void run() override;

private:
    struct PassState
    {
        int retries = 0;
        int lastState = -1;
        bool sizeWritten = false;
        // Whether the task has run (or been running) in this session, and
        // what its record was last given: a record is written only for a
        // task that has run, and only when these change.
        bool active = false;
        int storedState = -1;
        qint64 storedCompleted = -1;
    };

    void tick();
    void processCommands();
    void runCommand(const TaskCommand &command);
    void submitTask(const QString &key);
    // The queue: how many tasks hold a slot, a task put in line, a task
    // given its slot, and the waiting tasks started while slots are free.
    int activeTaskCount() const;
    void putInLine(ApTvoDownloadTaskThread *thread);
    void launch(ApTvoDownloadTaskThread *thread);
    void admitWaiting();
    void preview(const QString &path, int percentage, qint64 completed);
    void progressPass();
    void completionPass();
    void removeTask(ApTvoDownloadTaskThread *thread, const QString &path);
    void scheduleCheck();
    void updateCheck();
    void deleteAllRows();

    QString trayToolTip(qint64 completedSum, qint64 totalSum) const;

    ApEngineWindow *m_window;
    ApTvoManager *m_manager;
    const ApplicationInfo *m_info;
    const int m_tickMs;
    std::unique_ptr<ApTaskStore> m_store;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_infoRequested{false};

    mutable QMutex m_commandsLock;
    QList<TaskCommand> m_commands;

    // Written by the GUI thread, read by the loop.
    mutable QMutex m_requestLock;
    std::atomic<bool> m_scheduleActive{false};
    int m_scheduleType = ScheduleWhenDone;
    int m_scheduleAction = SchedulePowerOff;
    int m_scheduleMinutes = 0;
    QDateTime m_scheduleStart;
    Clock m_clock;
    int m_scheduleGraceMs = 20000;

    std::atomic<bool> m_updateStarted{false};
    std::atomic<bool> m_updateDone{false};
    std::atomic<int> m_updateMessageMode{0};
    QString m_updateSegmentKey;
    std::unique_ptr<ApUpdateCheck> m_updateCheck;

    // Loop-only state.
    int m_threeSecondCounter = 0;
    int m_infoCounter = 0;
    int m_fourSecondCounter = 0;
    int m_firstLoadCounter = 0;
    int m_scheduleCounter = 0;
    QHash<QString, PassState> m_passes;
    ApDownloadQueue m_queue;

    mutable QMutex m_infoLock;
    QString m_infoText;

    Q_DISABLE_COPY(ApPolicingThread)
};
