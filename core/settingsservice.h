#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class SettingsServicePrivate;

// The one keeper of a settings file within this process. Every reader and
// writer of the program goes through it instead of opening the file itself:
// reads come from memory, writes change memory at once and reach the disk
// in the background, at most about once a second while values change.
//
// A write to disk goes to a temporary file that is then renamed over the
// old one, so a crash never leaves a half-written file, and keeps the file
// owner-only (0600), as it holds passwords. When another process (QSettings
// in toolbelt, updater, ...) has changed the file meanwhile, its changes are
// read back and this process's pending changes are laid over them; the same
// lock file as QSettings keeps the two from writing at once.
//
// All members are thread-safe: one mutex guards the values; the writing
// runs in a thread of the service's own.
//
// Keys are "/"-separated paths ("DownloadTasks/123/State"); a group is any
// path that has keys below it.
class SettingsService final
{
public:
    // The main program's store ("Zantor" / "zantor").
    static SettingsService &main();
    static SettingsService &forOrganisation(const QString &organisation, const QString &application);
    static SettingsService &forFile(const QString &absolutePath);
    // Writes every service's pending changes now; for quitting, termination
    // signals and the end of the session.
    static void flushAll();
    // Told, from the writing thread, when a file cannot be written (its
    // folder or file read-only, a full disk): once, until a write works
    // again. The changes stay in memory and are written once it can be.
    using WriteFailureHandler = std::function<void(const QString &filePath)>;
    static void setWriteFailureHandler(WriteFailureHandler handler);

    QString filePath() const;

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    bool contains(const QString &key) const;
    // Writes nothing when the value would read back the same.
    void setValue(const QString &key, const QVariant &value);
    // Removes a key, or a group with everything below it.
    void remove(const QString &key);

    // Whether the group has any key below it.
    bool containsGroup(const QString &group) const;
    QStringList childGroups(const QString &group) const;
    QStringList childKeys(const QString &group) const;
    // Keys below the group, relative to it, in file order.
    QStringList allKeys(const QString &group) const;

    // The values directly inside a group, read in one go.
    QMap<QString, QVariant> groupValues(const QString &group) const;
    // Several values of one group set in one go; returns how many changed.
    int setGroupValues(const QString &group, const QList<QPair<QString, QVariant>> &values);
    // The same, only when the group exists, checked under the same lock:
    // a group removed meanwhile is not brought back by a few of its values.
    // False when the group does not exist.
    bool updateGroup(const QString &group, const QList<QPair<QString, QVariant>> &values);

    // Groups this process holds (the records of listed and running tasks).
    // When the file is deleted or replaced from outside, a held group that
    // the file no longer has is written back whole at the next write.
    void holdGroup(const QString &group);
    // Lets go of a group and every held group below it.
    void releaseGroup(const QString &group);

    // Re-reads the file when another process has changed it since it was
    // last read or written here; one stat() when it has not.
    void refresh();
    // Brings pending changes to disk now and waits for it; true when the
    // file holds every change made so far.
    bool flush();
    // Runs edit() while holding the file lock, on values fresh from disk,
    // and writes the result before the lock is released: for a check and a
    // write that must not interleave with another process's writes.
    bool transact(const std::function<void(SettingsService &)> &edit);

    // Files written so far by this service (for measuring and tests).
    quint64 writeCount() const;
    // Delay between the first unwritten change and its write (default
    // 1000 ms); writes never follow each other closer than this.
    void setWriteDelay(int milliseconds);
    // Pause after the first failed write in the background (default 5 s);
    // it doubles with each further failure, up to four times as long.
    void setRetryDelay(int milliseconds);
    // Background writes tried so far, successful or not.
    quint64 writeAttempts() const;

    ~SettingsService();

private:
    explicit SettingsService(const QString &absolutePath);
    Q_DISABLE_COPY(SettingsService)

    std::unique_ptr<SettingsServicePrivate> d;
};
