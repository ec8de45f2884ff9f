#pragma once

#include <QList>
#include <QString>

struct TaskRowData;

// The main window as the engine sees it. The policing thread calls these
// only from the GUI thread (through its own "_TS" slots), so an
// implementation may touch widgets directly.
class ApEngineWindow
{
public:
    virtual ~ApEngineWindow() = default;

    virtual void updateMainDownloadsTableRow(const QString &path, const QList<int> &columns,
                                             const TaskRowData &row, int state) = 0;
    virtual void setCompletedDownloadTaskMainDownloadsTableRow(const QString &path) = 0;
    virtual void refreshMainDownloadsListings() = 0;
    virtual void showDefaultBottomStackedPage() = 0;
    // Whether the information panel currently shows the task with this path.
    virtual bool isTaskInfoShown(const QString &path) const = 0;
    // Rebuilds the information panel of the selected task; infoText is the
    // latest overview of the running tasks.
    virtual void displayDownloadTaskInfo(const QString &infoText) = 0;
    virtual void notifyTaskCompletion(const QString &path, const QString &key) = 0;
    virtual void showUpdateNotifyMessage(const QString &message, int mode) = 0;
    virtual void setStatusbarRates(const QString &downloadRate, const QString &uploadRate) = 0;
    virtual void setSpeed(qint64 downloadSpeed, qint64 uploadSpeed) = 0;
    virtual void setTrayIconToolTip(const QString &toolTip) = 0;
    virtual void updateStatusbarScheduleTaskInfo(const QString &text) = 0;

    // Scheduled actions: the status bar's schedule items are reset first;
    // before a power off or log off the window saves its settings.
    virtual void resetScheduleStatus() = 0;
    virtual void saveWindowSettings() = 0;
    // Actions 2 to 4 of a countdown schedule.
    virtual void runScheduledAction(int action) = 0;
};
