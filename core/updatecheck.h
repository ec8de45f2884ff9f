#pragma once

#include <QString>

#include <memory>

class ApplicationInfo;
class QSharedMemory;

// The 4-byte shared-memory segment through which `updater` reports the
// outcome of a release check to the main program. Both programs live in
// one folder and derive the same key from it.
namespace UpdateNotify {

enum Status { Running = -1, NoUpdate = 0, UpdateAccepted = 1, UpdateCancelled = 2, UpdateFailed = 3 };

QString segmentKey(const QString &programFolder);

// The updater's side: attach read-write, write the status under the lock,
// detach. Returns false when the segment is gone (nothing is written then).
bool writeStatus(const QString &key, int status);

// The text the main program shows for a final status; empty for others.
QString statusText(int status);

} // namespace UpdateNotify

// The main program's side of one release check at a time. Only the
// policing thread uses it.
class ApUpdateCheck final
{
public:
    explicit ApUpdateCheck(const QString &key);
    ~ApUpdateCheck();

    // Creates (or re-uses) the segment and writes -1 into it. A segment
    // left behind by an earlier process is simply taken over and reset.
    // Returns false when no segment could be had; nothing is shown then.
    bool start();
    // start() and then the updater program with display name, manifest URL
    // and release number, detached.
    bool startUpdater(const ApplicationInfo &info);

    bool isRunning() const { return m_running; }

    // Reads the segment; for a final status (0..3) the check ends and the
    // segment is released, so each outcome is reported exactly once.
    // Returns the final status, or -1 while there is none.
    int poll();

private:
    Q_DISABLE_COPY(ApUpdateCheck)
    void release();

    QString m_key;
    std::unique_ptr<QSharedMemory> m_segment;
    bool m_running = false;
};
