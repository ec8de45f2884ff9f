#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

// The tasks waiting for a transfer slot, in the order they get one, and the
// number of tasks allowed to transfer at once. The order belongs to the
// policing loop alone; the limit may be set from any thread.
class ApDownloadQueue final
{
public:
    ApDownloadQueue() = default;

    // 0 means no limit; negative numbers count as 0.
    void setLimit(int limit) { m_limit.store(limit < 0 ? 0 : limit); }
    int limit() const { return m_limit.load(); }

    // Whether a task in this engine state holds a slot: it is loading,
    // transferring or checking. Paused, stopped, failed, finished and
    // waiting tasks leave theirs to the others.
    static bool holdsSlot(int state);
    bool hasFreeSlot(int activeCount) const;

    bool isEmpty() const { return m_order.isEmpty(); }
    QStringList waiting() const { return m_order; }
    // Places the task at the end of the line (once).
    void enqueue(const QString &path);
    bool remove(const QString &path);
    // Moves a waiting task towards the front (delta < 0) or the back;
    // false when it is not waiting or already at that end.
    bool move(const QString &path, int delta);
    // 1 for the task that starts next, 0 for a task that is not waiting.
    int position(const QString &path) const { return m_order.indexOf(path) + 1; }
    // Takes from the front as many tasks as the free slots allow.
    QStringList takeAdmitted(int activeCount);

private:
    // No limit until the owner sets one from the settings.
    std::atomic<int> m_limit{0};
    QStringList m_order;
};
