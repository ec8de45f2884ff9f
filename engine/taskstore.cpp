#include "taskstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include "appsettings.h"
#include "settingsservice.h"
#include "settingsview.h"

namespace {

// A view onto the store; fresh = first pick up what another process
// (toolbelt) wrote, at the cost of one stat().
SettingsView openStore(SettingsService *service, bool fresh = true)
{
    if (fresh)
        service->refresh();
    return SettingsView(*service);
}

} // namespace

TaskIdGenerator::TaskIdGenerator(Clock clock)
    : m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentSecsSinceEpoch(); };
}

qint64 TaskIdGenerator::next()
{
    const qint64 now = m_clock();
    qint64 last = m_last.load();
    qint64 id;
    do {
        id = now > last ? now : last + 1;
    } while (!m_last.compare_exchange_weak(last, id));
    return id;
}

TaskIdGenerator &TaskIdGenerator::shared()
{
    static TaskIdGenerator generator;
    return generator;
}

ApTaskStore::ApTaskStore(TaskIdGenerator *ids)
    : m_service(&SettingsService::main())
    , m_ids(ids ? ids : &TaskIdGenerator::shared())
{
}

ApTaskStore::ApTaskStore(const QString &organisation, const QString &application, TaskIdGenerator *ids)
    : m_service(&SettingsService::forOrganisation(organisation, application))
    , m_ids(ids ? ids : &TaskIdGenerator::shared())
{
}

QString ApTaskStore::groupFor(qint64 id) const
{
    return SettingsKeys::DownloadTasks + QLatin1Char('/') + keyFor(id);
}

qint64 ApTaskStore::create(const NewTask &task)
{
    SettingsView s = openStore(m_service);
    s.beginGroup(SettingsKeys::DownloadTasks);
    qint64 id = m_ids->next();
    while (m_service->containsGroup(groupFor(id)))
        id = m_ids->next();
    s.beginGroup(keyFor(id));
    s.setValue(TaskKeys::TaskType, HttpFtpTaskType);
    s.setValue(TaskKeys::Url, task.url);
    s.setValue(TaskKeys::Referer, task.referer);
    s.setValue(TaskKeys::SavePathName, QDir::toNativeSeparators(task.savePathName));
    s.setValue(TaskKeys::Description, task.description);
    QStringList mirrors;
    for (const QString &mirror : task.mirrorUrls) {
        if (TaskStore::isValidMirrorUrl(mirror.trimmed()))
            mirrors.append(mirror.trimmed());
    }
    s.setValue(TaskKeys::MirrorUrls, mirrors);
    if (task.speedLimitKBps > 0)
        s.setValue(TaskKeys::SpeedLimit, task.speedLimitKBps);
    if (!task.expectedChecksum.isEmpty())
        s.setValue(TaskKeys::ExpectedChecksum, task.expectedChecksum);
    if (!task.cookies.isEmpty() && !task.cookieOrigin.isEmpty()) {
        s.setValue(TaskKeys::Cookies, task.cookies);
        s.setValue(TaskKeys::CookieOrigin, task.cookieOrigin);
    }
    if (!task.userAgent.isEmpty())
        s.setValue(TaskKeys::UserAgent, task.userAgent);
    s.endGroup();
    s.endGroup();
    m_service->holdGroup(groupFor(id));
    s.sync();
    return s.status() == QSettings::NoError ? id : 0;
}

bool ApTaskStore::contains(qint64 id) const
{
    m_service->refresh();
    return m_service->containsGroup(groupFor(id));
}

std::optional<TaskRecord> ApTaskStore::read(qint64 id) const
{
    SettingsView s = openStore(m_service);
    s.beginGroup(SettingsKeys::DownloadTasks);
    if (!m_service->containsGroup(groupFor(id)))
        return std::nullopt;
    // A record that was read is listed or run: it outlives a settings file
    // deleted or replaced from outside.
    m_service->holdGroup(groupFor(id));
    s.beginGroup(keyFor(id));
    TaskRecord r;
    r.id = id;
    r.taskType = s.value(TaskKeys::TaskType, -1).toInt();
    r.url = s.value(TaskKeys::Url).toString();
    r.referer = s.value(TaskKeys::Referer).toString();
    r.savePathName = QDir::toNativeSeparators(s.value(TaskKeys::SavePathName).toString());
    r.description = s.value(TaskKeys::Description).toString();
    r.mirrorUrls = s.value(TaskKeys::MirrorUrls).toStringList();
    r.state = s.value(TaskKeys::State, 0).toInt();
    r.size = s.value(TaskKeys::Size, 0).toLongLong();
    r.completedSize = s.value(TaskKeys::CompletedSize, 0).toLongLong();
    r.creationTime = s.value(TaskKeys::CreationTime, TaskKeys::MissingCreationTime).toString();
    r.fileHash = s.value(TaskKeys::FileHash).toString();
    r.urlHostIp = s.value(TaskKeys::UrlHostIp).toString();
    r.urlCountryCode = s.value(TaskKeys::UrlCountryCode).toString();
    r.torrentName = s.value(TaskKeys::TorrentName).toString();
    r.speedLimitKBps = qMax(0, s.value(TaskKeys::SpeedLimit, 0).toInt());
    r.expectedChecksum = s.value(TaskKeys::ExpectedChecksum).toString().trimmed();
    r.cookies = s.value(TaskKeys::Cookies).toString();
    r.cookieOrigin = s.value(TaskKeys::CookieOrigin).toString();
    r.userAgent = s.value(TaskKeys::UserAgent).toString();
    return r;
}

QStringList ApTaskStore::keys() const
{
    SettingsView s = openStore(m_service);
    s.beginGroup(SettingsKeys::DownloadTasks);
    return s.childGroups();
}

QList<qint64> ApTaskStore::ids() const
{
    QList<qint64> result;
    for (const QString &key : keys()) {
        bool ok = false;
        const qint64 id = key.toLongLong(&ok);
        if (ok && keyFor(id) == key)
            result.append(id);
    }
    std::sort(result.begin(), result.end());
    return result;
}

void ApTaskStore::remove(qint64 id)
{
    removeKey(keyFor(id));
}

void ApTaskStore::removeKey(const QString &key)
{
    if (key.isEmpty())
        return;  // an empty key would remove the whole group
    SettingsView s = openStore(m_service);
    m_service->releaseGroup(SettingsKeys::DownloadTasks + QLatin1Char('/') + key);
    s.remove(SettingsKeys::DownloadTasks + QLatin1Char('/') + key);
}

void ApTaskStore::releaseAll()
{
    m_service->releaseGroup(SettingsKeys::DownloadTasks);
}

void ApTaskStore::removeAll()
{
    SettingsView s = openStore(m_service);
    m_service->releaseGroup(SettingsKeys::DownloadTasks);
    s.beginGroup(SettingsKeys::DownloadTasks);
    for (const QString &key : s.childGroups())
        s.remove(key);
}

void ApTaskStore::writeState(qint64 id, int state)
{
    writeValue(id, TaskKeys::State, state);
}

bool ApTaskStore::writeProgress(qint64 id, qint64 completed, int state, qint64 total, bool sizeWritten)
{
    // A task deleted while its thread still ran must not come back as a
    // stray record holding only its progress: the check and the write are
    // one step of the store.
    QList<QPair<QString, QVariant>> values{{TaskKeys::CompletedSize, completed}, {TaskKeys::State, state}};
    const bool writeSize = !sizeWritten && total > 0;
    if (writeSize)
        values.append({TaskKeys::Size, total});
    return m_service->updateGroup(groupFor(id), values) && writeSize;
}

QString ApTaskStore::ensureCreationTime(qint64 id, const QDateTime &now)
{
    SettingsView s = openStore(m_service, false);
    s.beginGroup(groupFor(id));
    QString text = s.value(TaskKeys::CreationTime, TaskKeys::MissingCreationTime).toString();
    if (text == TaskKeys::MissingCreationTime) {
        text = now.toString();
        s.setValue(TaskKeys::CreationTime, text);
    }
    return text;
}

void ApTaskStore::writeValue(qint64 id, const QString &key, const QVariant &value)
{
    SettingsView s = openStore(m_service, false);
    s.setValue(groupFor(id) + QLatin1Char('/') + key, value);
}

void ApTaskStore::writeFinishedFile(qint64 id, qint64 size, qint64 mtimeNs)
{
    m_service->updateGroup(groupFor(id), {{TaskKeys::FinishedFile, QStringLiteral("%1 %2").arg(size).arg(mtimeNs)}});
}

qint64 ApTaskStore::finishedFileSize(qint64 id, const QString &savePath)
{
    const QString note = m_service->value(groupFor(id) + QLatin1Char('/') + TaskKeys::FinishedFile).toString();
    if (note.isEmpty())
        return -1;
    struct stat st {};
    const bool present = ::stat(QFile::encodeName(savePath).constData(), &st) == 0 && S_ISREG(st.st_mode);
    const qint64 mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (present && note == QStringLiteral("%1 %2").arg(qint64(st.st_size)).arg(mtimeNs))
        return st.st_size;
    removeValue(id, TaskKeys::FinishedFile);
    return -1;
}

bool ApTaskStore::flush()
{
    return m_service->flush();
}

void ApTaskStore::removeValue(qint64 id, const QString &key)
{
    SettingsView s = openStore(m_service, false);
    s.remove(groupFor(id) + QLatin1Char('/') + key);
}

namespace TaskStore {

QString stateLabelSource(int state)
{
    switch (state) {
    case TaskLoading: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Loading"));
    case TaskDownloading: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Downloading"));
    case TaskPaused: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Paused"));
    case TaskStopped: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Stopped"));
    case TaskCompleted: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Completed"));
    case TaskChecking: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Checking"));
    case TaskFailed: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Failed"));
    case TaskQueued: return QStringLiteral(QT_TRANSLATE_NOOP("ApTaskStore", "Queued"));
    default: return QString();
    }
}

QString stateLabel(int state)
{
    const QString source = stateLabelSource(state);
    return source.isEmpty() ? source : QCoreApplication::translate("ApTaskStore", source.toUtf8().constData());
}

QString stateIconPath(int state)
{
    switch (state) {
    case TaskLoading:
    case TaskChecking: return QStringLiteral(":/icons/load.png");
    case TaskDownloading: return QStringLiteral(":/icons/download.png");
    case TaskPaused: return QStringLiteral(":/icons/paused.png");
    case TaskStopped: return QStringLiteral(":/icons/stopped.png");
    case TaskCompleted: return QStringLiteral(":/icons/ok.png");
    case TaskFailed: return QStringLiteral(":/icons/failed.png");
    case TaskQueued: return QStringLiteral(":/icons/timer.png");
    default: return QString();
    }
}

int storedStateFor(int state)
{
    return state == TaskQueued ? int(TaskLoading) : state;
}

int shownStateAtLoad(int storedState)
{
    return storedState == TaskDownloading || storedState == TaskPaused ? int(TaskLoading) : storedState;
}

QString protocolText(const QString &url)
{
    if (url.size() <= 7)
        return QString();
    if (url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return QStringLiteral("HTTPS");
    if (url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        return QStringLiteral("HTTP");
    if (url.startsWith(QLatin1String("ftp://"), Qt::CaseInsensitive))
        return QStringLiteral("FTP");
    return QString();
}

bool isListableUrl(const QString &url)
{
    return !protocolText(url).isEmpty();
}

bool isValidMirrorUrl(const QString &url)
{
    return url.size() >= 9 && isListableUrl(url);
}

qint64 shownSize(const TaskRecord &record)
{
    return record.state == TaskCompleted ? record.completedSize : record.size;
}

int percentage(qint64 completed, qint64 total)
{
    if (total < 100 || completed <= 0)
        return 0;
    if (completed >= total)
        return 100;
    return int(completed * 100 / total);
}

ListCheck checkListable(const TaskRecord &record, const QStringList &existingPaths)
{
    if (record.taskType != HttpFtpTaskType)
        return ListCheck::NotHttpFtpTask;
    if (existingPaths.contains(QDir::toNativeSeparators(record.savePathName)))
        return ListCheck::DuplicatePath;
    if (!isListableUrl(record.url))
        return ListCheck::IncorrectUrl;
    return ListCheck::Listable;
}

bool isSubmittable(const TaskRecord &record)
{
    return record.taskType == HttpFtpTaskType && isListableUrl(record.url);
}

EngineTaskInput engineTaskInput(const TaskRecord &record)
{
    EngineTaskInput task;
    task.id = record.id;
    task.url = record.url;
    task.referer = record.referer;
    task.mirrors = record.mirrorUrls;
    task.urlCount = record.mirrorUrls.size() + 1;
    task.savePath = QDir::toNativeSeparators(record.savePathName);
    task.state = record.state;
    task.protocol = record.url.startsWith(QLatin1String("ftp"), Qt::CaseInsensitive) ? EngineTaskInput::Ftp
                                                                                      : EngineTaskInput::Http;
    task.speedLimit = qint64(record.speedLimitKBps) * 1024;
    task.expectedChecksum = record.expectedChecksum;
    task.cookies = record.cookies;
    task.cookieOrigin = record.cookieOrigin;
    task.userAgent = record.userAgent;
    return task;
}

} // namespace TaskStore
