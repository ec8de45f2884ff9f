#include "aptvomanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkProxy>

#include <curl/curl.h>

#include <algorithm>
#include <limits>

#include "apgeolocation.h"
#include "apsearchproxytarget.h"
#include "aptvodownloadtaskthread.h"
#include "aptvoresumestate.h"
#include "applicationinfo.h"
#include "appsettings.h"
#include "commonfunctions.h"

ApTvoManager::ApTvoManager(QObject *parent, const ApplicationInfo *info,
                           ApSearchProxyTarget *searchProxyTarget)
    : QObject(parent), m_info(info), m_searchProxyTarget(searchProxyTarget)
{
    // Loaded later by the policing thread; readers check
    // locationDatabaseLoaded() first.
    m_geoLocation = new ApGeoLocation(this);
    // Once, before any task thread makes its first handle.
    static const bool curlReady = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(curlReady)
    const QString agent = info ? info->displayName() + QLatin1Char('/') + info->versionText()
                               : QString();
    m_settings.update([&](ApTvoSettingsValues &v) { v.userAgent = agent.toUtf8(); });
}

ApTvoManager::~ApTvoManager()
{
    QHash<QString, ApTvoDownloadTaskThread *> tasks;
    {
        QMutexLocker lock(&m_tasksLock);
        tasks.swap(m_tasks);
    }
    for (ApTvoDownloadTaskThread *t : qAsConst(tasks)) {
        t->stopTask();
        delete t;
    }
}

void ApTvoManager::readSettingsOnce()
{
    QMutexLocker lock(&m_settingsReadLock);
    if (m_settingsRead.load())
        return;
    readSettings();
    m_settingsRead.store(true);
}

void ApTvoManager::readSettings()
{
    const int bound = qMax(0, AppSettings::splitBound());
    const int retries = AppSettings::failureRetryTimes();
    m_globalLimit.store(qint64(AppSettings::downloadSpeedLimit()) * 1024);
    m_settings.update([&](ApTvoSettingsValues &v) {
        v.splitBound = bound;
        v.splitThreshold = 2097152;
        v.sliceCount = 200;
        v.previewThreshold = 1258291;
        v.retryCount = retries;
    });
    readProxies();
}

void ApTvoManager::readProxies()
{
    const ProxySettings search = AppSettings::searchProxy();
    if (search.type != ProxySettings::NoProxy && m_searchProxyTarget) {
        const QNetworkProxy proxy(search.type == ProxySettings::Http ? QNetworkProxy::HttpProxy
                                                                     : QNetworkProxy::Socks5Proxy,
                                  search.host, quint16(search.port), search.username,
                                  search.password);
        m_searchProxyTarget->applySearchProxy(proxy);
    }
    const ProxySettings p = AppSettings::httpFtpProxy();
    m_settings.update([&](ApTvoSettingsValues &v) {
        v.proxyType = p.type;
        if (p.type != ProxySettings::NoProxy) {
            v.proxyHost = p.host;
            v.proxyPort = p.port;
            v.proxyUser = p.username;
            v.proxyPassword = p.password;
        }
    });
}

QString ApTvoManager::tableKey(const QString &savePath)
{
    return QDir::toNativeSeparators(savePath);
}

ApTvoDownloadTaskThread *ApTvoManager::addTask(const EngineTaskInput &input, bool startNow)
{
    auto *thread = new ApTvoDownloadTaskThread(this, m_info);
    ApTvoTask &t = thread->task();
    t.protocol = input.protocol == EngineTaskInput::Ftp ? ApTvoTask::Ftp : ApTvoTask::Http;
    t.settings = &m_settings;
    t.savePath = tableKey(input.savePath);
    t.id = input.id;
    t.url = input.url;
    t.referer = input.referer;
    t.mirrors = input.mirrors;
    t.urlCount = input.urlCount;
    t.storedState = input.state;
    // A task paused in an earlier session continues when it is started at
    // load, as its connection's start would have it.
    t.state.store(startNow && input.state == ApTvoTask::Paused ? int(ApTvoTask::Loading) : input.state);
    t.sizeUnknown.store(1);
    t.mediaFlag = Common::isMediaType(QFileInfo(input.savePath).suffix());
    t.speedLimit.store(qMax<qint64>(0, input.speedLimit));
    t.expectedChecksum = input.expectedChecksum;
    t.cookies = input.cookies.toUtf8();
    t.cookieOrigin = input.cookieOrigin;
    t.userAgent = input.userAgent.toUtf8();

    ApTvoDownloadTaskThread *previous = nullptr;
    {
        QMutexLocker lock(&m_tasksLock);
        previous = m_tasks.value(t.savePath);
        m_tasks.insert(t.savePath, thread);
    }
    if (previous) {
        previous->stopTask();
        delete previous;
    }
    if (startNow)
        thread->startTask();
    return thread;
}

void ApTvoManager::setGlobalSpeedLimit(qint64 bytesPerSecond)
{
    m_globalLimit.store(qMax<qint64>(0, bytesPerSecond));
}

bool ApTvoManager::setTaskSpeedLimit(const QString &savePath, qint64 bytesPerSecond)
{
    QMutexLocker lock(&m_tasksLock);
    ApTvoDownloadTaskThread *thread = m_tasks.value(tableKey(savePath));
    if (!thread)
        return false;
    thread->task().speedLimit.store(qMax<qint64>(0, bytesPerSecond));
    return true;
}

qint64 ApTvoManager::rateFor(const ApTvoTask &task) const
{
    const qint64 own = task.speedLimit.load();
    const qint64 global = m_globalLimit.load();
    if (global <= 0)
        return own;
    // Water-filling: tasks capped below an equal share keep their cap, the
    // rest is split evenly among the others.
    QVector<QPair<qint64, const ApTvoTask *>> caps;
    {
        QMutexLocker lock(&m_tasksLock);
        for (ApTvoDownloadTaskThread *t : m_tasks) {
            const ApTvoTask &other = t->task();
            const int state = other.state.load();
            if (&other != &task && (!t->isRunning() || state == ApTvoTask::Paused || state == ApTvoTask::Stopped))
                continue;
            const qint64 cap = other.speedLimit.load();
            caps.append(qMakePair(cap > 0 ? cap : std::numeric_limits<qint64>::max(), &other));
        }
    }
    if (caps.isEmpty())
        return own > 0 ? qMin(own, global) : global;
    std::sort(caps.begin(), caps.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    qint64 left = global;
    for (int i = 0; i < caps.size(); ++i) {
        const qint64 share = left / (caps.size() - i);
        const qint64 give = qMin(caps.at(i).first, share);
        if (caps.at(i).second == &task)
            return qMax<qint64>(1, give);
        left -= give;
    }
    return own > 0 ? qMin(own, global) : global;
}

ApTvoDownloadTaskThread *ApTvoManager::findTask(const QString &savePath) const
{
    QMutexLocker lock(&m_tasksLock);
    return m_tasks.value(tableKey(savePath));
}

bool ApTvoManager::removeTask(const QString &savePath)
{
    ApTvoDownloadTaskThread *thread;
    {
        QMutexLocker lock(&m_tasksLock);
        thread = m_tasks.take(tableKey(savePath));
    }
    if (!thread)
        return false;
    const bool running = thread->isRunning();
    thread->stopTask();
    // A run removes the file itself when it ends; a thread that was not
    // running leaves that to us.
    if (!running && thread->deleteFile()) {
        QFile::remove(thread->task().savePath);
        ApTvoResumeState::remove(thread->task().savePath);
    }
    delete thread;
    return true;
}

QList<ApTvoDownloadTaskThread *> ApTvoManager::tasks() const
{
    QMutexLocker lock(&m_tasksLock);
    return m_tasks.values();
}

QStringList ApTvoManager::taskPaths() const
{
    QMutexLocker lock(&m_tasksLock);
    return m_tasks.keys();
}

int ApTvoManager::taskCount() const
{
    QMutexLocker lock(&m_tasksLock);
    return m_tasks.size();
}

void ApTvoManager::loadLocationDatabase()
{
    QMutexLocker lock(&m_locationLoadLock);
    if (m_locationLoaded.load())
        return;
    // A missing file leaves the table empty; it is not tried again.
    if (m_info)
        m_geoLocation->load(m_info->programFolder() + QLatin1Char('/') + ApGeoLocation::databaseFileName());
    m_locationLoaded.store(true);
}
