#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>
#include <optional>

class SettingsService;

// Keys of one task record: group "DownloadTasks", one subgroup per task id.
namespace TaskKeys {
inline const QString TaskType = QStringLiteral("TaskType");
inline const QString Url = QStringLiteral("URL");
inline const QString Referer = QStringLiteral("Referer");
inline const QString SavePathName = QStringLiteral("SavePathName");
inline const QString Description = QStringLiteral("Description");
inline const QString MirrorUrls = QStringLiteral("MirrorURLs");
inline const QString State = QStringLiteral("State");
inline const QString Size = QStringLiteral("Size");
inline const QString CompletedSize = QStringLiteral("CompletedSize");
inline const QString CreationTime = QStringLiteral("CreationTime");
inline const QString FileHash = QStringLiteral("FileHash");
inline const QString UrlHostIp = QStringLiteral("URLHostIP");
inline const QString UrlCountryCode = QStringLiteral("URLCountryCode");
inline const QString TorrentName = QStringLiteral("TorrentName");
// The task's own download limit in KB/s; missing or 0 means unlimited.
inline const QString SpeedLimit = QStringLiteral("SpeedLimit");
// Hex digest the finished file must have (MD5, SHA-1 or SHA-256 by its
// length); missing or empty means no check.
inline const QString ExpectedChecksum = QStringLiteral("ExpectedChecksum");
// The file was written to its last byte (and passed its checksum): its size
// and modification time in nanoseconds, "size mtime". A later run that finds
// the file unchanged completes the task without fetching it again.
inline const QString FinishedFile = QStringLiteral("FinishedFile");
// A download handed over by a web browser: its cookies ("a=b; c=d"), the
// origin ("scheme://host:port") they are sent to and to no other, and the
// browser's user agent, used instead of the settings' one.
inline const QString Cookies = QStringLiteral("Cookies");
inline const QString CookieOrigin = QStringLiteral("CookieOrigin");
inline const QString UserAgent = QStringLiteral("UserAgent");

// "CreationTime" read when the key is missing.
inline const QString MissingCreationTime = QStringLiteral("-1");
} // namespace TaskKeys

// The kind of task the engine runs (HTTP, HTTPS and FTP files).
constexpr int HttpFtpTaskType = 3;

// Task state numbers, shared by the stored record and the engine. 2 has no
// label; 8 and 9 only ever live inside the engine and mark a task for
// deletion (9 also removes its files). 10 marks a task waiting for a
// transfer slot in the engine and the window; its record says 0 (Loading),
// which every reader of the store takes for a task that is still to run.
enum TaskState : int {
    TaskLoading = 0,
    TaskDownloading = 1,
    TaskPaused = 3,
    TaskStopped = 4,
    TaskCompleted = 5,
    TaskChecking = 6,
    TaskFailed = 7,
    TaskDeleting = 8,
    TaskDeletingWithFiles = 9,
    TaskQueued = 10,
};

// One task record as stored; missing keys hold their defaults.
struct TaskRecord
{
    qint64 id = 0;
    int taskType = -1;
    QString url;
    QString referer;
    QString savePathName;  // native separators
    QString description;
    QStringList mirrorUrls;
    int state = TaskLoading;
    qint64 size = 0;
    qint64 completedSize = 0;
    QString creationTime = TaskKeys::MissingCreationTime;
    QString fileHash;
    QString urlHostIp;
    QString urlCountryCode;
    QString torrentName;
    int speedLimitKBps = 0;
    QString expectedChecksum;
    QString cookies;
    QString cookieOrigin;
    QString userAgent;
};

// What the engine needs to register and run one task.
struct EngineTaskInput
{
    qint64 id = 0;
    QString url, referer;
    QStringList mirrors;
    int urlCount = 1;
    QString savePath;  // native separators; the manager's key for the task
    int state = TaskLoading;
    enum Protocol { Http, Ftp } protocol = Http;
    qint64 speedLimit = 0;      // bytes per second, 0 = unlimited
    QString expectedChecksum;   // hex digest, empty = no check
    QString cookies;            // sent only to cookieOrigin
    QString cookieOrigin;
    QString userAgent;          // empty: the settings' user agent

    // A stopped task is registered but not started.
    bool startsAtOnce() const { return state != TaskStopped; }
};

// Issues task ids: whole seconds since 1970 (UTC), or the last id + 1 when
// the clock has not moved past it, so ids grow strictly within a run.
class TaskIdGenerator final
{
    Q_DISABLE_COPY(TaskIdGenerator)

public:
    using Clock = std::function<qint64()>;

    explicit TaskIdGenerator(Clock clock = {});

    qint64 next();
    qint64 last() const { return m_last.load(); }

    // The generator every store of this process uses by default.
    static TaskIdGenerator &shared();

private:
    Clock m_clock;
    std::atomic<qint64> m_last{0};
};

// Values a new task is created with.
struct NewTask
{
    QString url;
    QString referer;
    QString savePathName;
    QString description;
    QStringList mirrorUrls;
    int speedLimitKBps = 0;     // written only when not 0
    QString expectedChecksum;   // written only when not empty
    QString cookies;            // with cookieOrigin; written only when not empty
    QString cookieOrigin;
    QString userAgent;          // written only when not empty
};

// The task records in the settings store, served by the process's settings
// service: reads come from memory (after one stat() that picks up what
// another process wrote), writes reach the disk in the background.
class ApTaskStore final
{
    Q_DISABLE_COPY(ApTaskStore)

public:
    // The main program's store.
    explicit ApTaskStore(TaskIdGenerator *ids = nullptr);
    // Any other store, for the companion programs' and the tests' use.
    ApTaskStore(const QString &organisation, const QString &application, TaskIdGenerator *ids = nullptr);

    // Writes a complete new record and returns its id (0 when the store
    // could not be written). Mirror addresses that are not valid are
    // dropped. An id that already names a record is skipped,
    // so a clock set back never overwrites an older task.
    qint64 create(const NewTask &task);

    bool contains(qint64 id) const;
    std::optional<TaskRecord> read(qint64 id) const;
    // Task ids in ascending order; subgroups whose name is not an id are left out.
    QList<qint64> ids() const;
    // Subgroup names exactly as the store lists them.
    QStringList keys() const;
    void remove(qint64 id);
    void removeKey(const QString &key);
    void removeAll();
    // Lets go of every record this process holds, without touching the
    // file: the window that listed them is gone, so a deleted or replaced
    // settings file no longer gets them back.
    void releaseAll();

    // Start, pause and stop actions write the state at once.
    void writeState(qint64 id, int state);
    // One pass of the progress write-back: CompletedSize and State always;
    // Size only when sizeWritten is false and total is known (> 0). Returns
    // true when Size was written on this call.
    bool writeProgress(qint64 id, qint64 completed, int state, qint64 total, bool sizeWritten);
    // The stored creation time; when missing, now in the default text form is
    // written and returned.
    QString ensureCreationTime(qint64 id, const QDateTime &now = QDateTime::currentDateTime());
    void writeValue(qint64 id, const QString &key, const QVariant &value);
    // Notes that the task's file is complete on disk; nothing happens for a
    // task without a record.
    void writeFinishedFile(qint64 id, qint64 size, qint64 mtimeNs);
    // The size of the file when the record notes it as complete and the file
    // is still the one noted; -1 otherwise (a note that no longer fits the
    // file is dropped).
    qint64 finishedFileSize(qint64 id, const QString &savePath);
    void removeValue(qint64 id, const QString &key);
    // Brings every change to the file now, for another program that reads
    // it (toolbelt); true when the file holds them all.
    bool flush();

    static QString keyFor(qint64 id) { return QString::number(id); }

private:
    QString groupFor(qint64 id) const;

    SettingsService *m_service;
    TaskIdGenerator *m_ids;
};

namespace TaskStore {

// Untranslated label ("Loading", ...) and icon path of a state; empty for a
// state without one (2, 8, 9 and unknown numbers). Translate labels in the
// context "ApTaskStore".
QString stateLabelSource(int state);
QString stateLabel(int state);  // translated
QString stateIconPath(int state);

// The number a state is stored as: a waiting task is stored as Loading.
int storedStateFor(int state);

// The state a stored task is shown with when listed: Downloading and Paused
// show as Loading until the engine reports the real state.
int shownStateAtLoad(int storedState);

// "HTTPS", "HTTP" or "FTP" for a listable URL, else empty.
QString protocolText(const QString &url);
// A URL is listed only when longer than 7 characters and its scheme is
// http, https or ftp (any case), followed by "://".
bool isListableUrl(const QString &url);
// A mirror address begins with "http://", "https://" or "ftp://" (any case)
// and has at least 9 characters.
bool isValidMirrorUrl(const QString &url);

// The size shown for a record: a completed task shows the bytes written.
qint64 shownSize(const TaskRecord &record);
// completed * 100 / total, 0 for a total under 100 bytes, never above 100.
int percentage(qint64 completed, qint64 total);

enum class ListCheck { Listable, NotHttpFtpTask, DuplicatePath, IncorrectUrl };
// Whether a record may be listed beside tasks already holding existingPaths
// (native separators).
ListCheck checkListable(const TaskRecord &record, const QStringList &existingPaths);

// Only HTTP/FTP task records whose URL is http(s) or ftp are submitted.
bool isSubmittable(const TaskRecord &record);
// The engine task for a record: protocol by the URL's start, any case
// ("http" and "https" give Http, "ftp" gives Ftp).
EngineTaskInput engineTaskInput(const TaskRecord &record);

} // namespace TaskStore
