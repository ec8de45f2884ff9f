#include "apdownloadqueue.h"

#include "taskstore.h"

bool ApDownloadQueue::holdsSlot(int state)
{
    return state == TaskLoading || state == TaskDownloading || state == TaskChecking;
}

bool ApDownloadQueue::hasFreeSlot(int activeCount) const
{
    const int limit = m_limit.load();
    return limit <= 0 || activeCount < limit;
}

void ApDownloadQueue::enqueue(const QString &path)
{
    if (!m_order.contains(path))
        m_order.append(path);
}

bool ApDownloadQueue::remove(const QString &path)
{
    return m_order.removeOne(path);
}

bool ApDownloadQueue::move(const QString &path, int delta)
{
    const int from = m_order.indexOf(path);
    if (from < 0 || delta == 0)
        return false;
    const int to = qBound(0, from + delta, m_order.size() - 1);
    if (to == from)
        return false;
    m_order.move(from, to);
    return true;
}

QStringList ApDownloadQueue::takeAdmitted(int activeCount)
{
    const int limit = m_limit.load();
    const int free = limit <= 0 ? m_order.size() : qMax(0, limit - activeCount);
    const QStringList admitted = m_order.mid(0, free);
    m_order = m_order.mid(admitted.size());
    return admitted;
}
