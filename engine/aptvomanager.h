#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>

#include "apftpsessionlimits.h"
#include "aptvosettings.h"
#include "taskstore.h"

class ApGeoLocation;
class ApSearchProxyTarget;
class ApTvoDownloadTaskThread;
struct ApTvoTask;
class ApplicationInfo;

// The download manager: the settings block every task reads, and one task
// thread per task keyed by the task's save path (native separators). It does
// not decide when tasks run; the policing loop does, through the task
// threads' operations. Used from the GUI thread and the policing thread.
class ApTvoManager final : public QObject
{
    Q_OBJECT
public:
    ApTvoManager(QObject *parent, const ApplicationInfo *info,
                 ApSearchProxyTarget *searchProxyTarget = nullptr);
    ~ApTvoManager() override;

    ApTvoSettings &settings() { return m_settings; }
    ApTvoSettingsValues settingsValues() const { return m_settings.values(); }
    bool settingsRead() const { return m_settingsRead.load(); }

    void readSettingsOnce();
    void readSettings();
    // Also called after the proxy page of the settings dialog changed.
    void readProxies();

    // Enters a new task thread under the task's save path, replacing (and
    // stopping) an earlier one under the same path.
    ApTvoDownloadTaskThread *addTask(const EngineTaskInput &input, bool startNow);
    ApTvoDownloadTaskThread *findTask(const QString &savePath) const;
    // Stops the task's thread, removes it from the table and deletes it; the
    // target file goes too when its delete-file flag is set.
    bool removeTask(const QString &savePath);
    QList<ApTvoDownloadTaskThread *> tasks() const;
    QStringList taskPaths() const;
    int taskCount() const;

    static QString tableKey(const QString &savePath);

    // Download limits in bytes per second, 0 = unlimited; both may change
    // while downloads run and take effect within a fraction of a second.
    // The global limit is shared among the running tasks: each gets an
    // equal part, and a task held lower by its own limit leaves the rest
    // to the others.
    void setGlobalSpeedLimit(qint64 bytesPerSecond);
    qint64 globalSpeedLimit() const { return m_globalLimit.load(); }
    bool setTaskSpeedLimit(const QString &savePath, qint64 bytesPerSecond);
    // The rate the task may download at now; 0 = unlimited.
    qint64 rateFor(const ApTvoTask &task) const;

    // The location table "ldb.tvoc" of the program folder, loaded once.
    bool locationDatabaseLoaded() const { return m_locationLoaded.load(); }
    void loadLocationDatabase();
    // Owned by the manager; empty until loadLocationDatabase() has run.
    ApGeoLocation *geoLocation() const { return m_geoLocation; }

    // FTP sessions each server accepts at once, shared by all tasks.
    ApFtpSessionLimits &ftpSessionLimits() { return m_ftpSessionLimits; }

private:
    const ApplicationInfo *m_info;
    ApSearchProxyTarget *m_searchProxyTarget;
    ApTvoSettings m_settings;
    std::atomic<bool> m_settingsRead{false};
    std::atomic<bool> m_locationLoaded{false};
    std::atomic<qint64> m_globalLimit{0};
    ApGeoLocation *m_geoLocation;
    QMutex m_locationLoadLock;
    QMutex m_settingsReadLock;
    mutable QMutex m_tasksLock;
    QHash<QString, ApTvoDownloadTaskThread *> m_tasks;
    ApFtpSessionLimits m_ftpSessionLimits;

    Q_DISABLE_COPY(ApTvoManager)
};
