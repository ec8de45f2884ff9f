#include "updatecheck.h"

#include <QCoreApplication>
#include <QSharedMemory>

#include <cstring>

#include "applicationinfo.h"
#include "commonfunctions.h"

namespace UpdateNotify {

QString segmentKey(const QString &programFolder)
{
    return programFolder + QStringLiteral("updaterNotifyMemory");
}

bool writeStatus(const QString &key, int status)
{
    QSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadWrite))
        return false;
    if (segment.size() < int(sizeof(qint32)) || !segment.lock()) {
        segment.detach();
        return false;
    }
    const qint32 value = status;
    std::memcpy(segment.data(), &value, sizeof value);
    segment.unlock();
    segment.detach();
    return true;
}

QString statusText(int status)
{
    switch (status) {
    case NoUpdate:
        return QCoreApplication::translate("ApPolicingThread", "No update");
    case UpdateAccepted:
        return QCoreApplication::translate("ApPolicingThread", "Update available.");
    case UpdateCancelled:
        return QCoreApplication::translate("ApPolicingThread", "Update cancelled");
    case UpdateFailed:
        return QCoreApplication::translate("ApPolicingThread", "Update failed - cannot connect to server.");
    default:
        return QString();
    }
}

} // namespace UpdateNotify

ApUpdateCheck::ApUpdateCheck(const QString &key)
    : m_key(key)
{
}

ApUpdateCheck::~ApUpdateCheck() = default;

bool ApUpdateCheck::start()
{
    m_segment = std::make_unique<QSharedMemory>(m_key);
    bool ok = m_segment->create(sizeof(qint32), QSharedMemory::ReadWrite);
    if (!ok)
        ok = m_segment->isAttached() || m_segment->attach(QSharedMemory::ReadWrite);
    if (!ok || m_segment->size() < int(sizeof(qint32)) || !m_segment->lock()) {
        m_running = false;
        m_segment.reset();
        return false;
    }
    const qint32 running = UpdateNotify::Running;
    std::memcpy(m_segment->data(), &running, sizeof running);
    m_segment->unlock();
    m_running = true;
    return true;
}

bool ApUpdateCheck::startUpdater(const ApplicationInfo &info)
{
    if (!start())
        return false;
    Common::startCompanion(info, Common::CompanionUpdater,
                           {info.displayName(), info.updateManifestUrl(), QString::number(info.versionNumber())});
    return true;
}

int ApUpdateCheck::poll()
{
    if (!m_running || !m_segment || !m_segment->isAttached())
        return UpdateNotify::Running;
    if (!m_segment->lock())
        return UpdateNotify::Running;
    qint32 value = UpdateNotify::Running;
    std::memcpy(&value, m_segment->constData(), sizeof value);
    m_segment->unlock();
    if (value < UpdateNotify::NoUpdate || value > UpdateNotify::UpdateFailed)
        return UpdateNotify::Running;
    release();
    return value;
}

void ApUpdateCheck::release()
{
    m_running = false;
    if (m_segment && m_segment->isAttached())
        m_segment->detach();
    m_segment.reset();
}
