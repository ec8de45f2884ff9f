#include "settingsservice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "inicodec.h"
#include "settingstree.h"

using namespace SettingsTree;

namespace {

using Clock = std::chrono::steady_clock;

// Who the file on disk is: a different identity means someone wrote it.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    qint64 mtimeNs = -1;

    static FileIdentity of(const struct stat &st)
    {
        FileIdentity id;
        id.device = st.st_dev;
        id.inode = st.st_ino;
        id.size = st.st_size;
        id.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        return id;
    }
    static FileIdentity ofPath(const QByteArray &path)
    {
        struct stat st;
        if (::stat(path.constData(), &st) != 0)
            return FileIdentity();  // missing
        return of(st);
    }
    bool operator==(const FileIdentity &o) const
    {
        return device == o.device && inode == o.inode && size == o.size && mtimeNs == o.mtimeNs;
    }
    bool operator!=(const FileIdentity &o) const { return !(*this == o); }
};

// A change not yet on disk; replayed over the file's values when another
// process has written the file meanwhile.
struct PendingChange
{
    QStringList path;
    QByteArray text;
    bool remove = false;
};

// The text a value is written as; two values that give the same text are
// the same to every reader of the file.
QByteArray valueText(const QVariant &value)
{
    QByteArray text;
    IniCodec::appendValue(text, value);
    return text;
}

QVariant decoded(const QByteArray &text)
{
    return IniCodec::parseValue(text.constData(), 0, text.size());
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

using WriteFailureHandler = SettingsService::WriteFailureHandler;

class SettingsServicePrivate
{
public:
    explicit SettingsServicePrivate(const QString &path);

    // --- tree (m_mutex held)
    Node *find(const QStringList &path) const { return SettingsTree::find(m_root.get(), path); }
    bool set(const QStringList &path, const QByteArray &text)
    {
        return SettingsTree::set(m_root.get(), path, text, m_names);
    }
    bool erase(const QStringList &path) { return SettingsTree::erase(m_root, path); }
    QByteArray serialize() { return SettingsTree::serialize(*m_root, m_known.size); }

    // --- disk (m_fileMutex held)
    void ensureFileExists();
    bool reloadIfChanged(bool force);
    bool writeFile();
    bool flushLocked();

    // Sets values with their file texts and notes the changes; returns how
    // many changed (m_mutex held).
    int setTexts(const QVector<QPair<QStringList, QByteArray>> &texts);

    // --- writer thread
    void run();
    void noteChange();

    QString m_path;
    QByteArray m_encodedPath;

    mutable std::mutex m_mutex;
    std::unique_ptr<Node> m_root;
    QVector<PendingChange> m_pending;
    FileIdentity m_known;
    quint64 m_writes = 0;
    QSet<QString> m_names;  // shared key texts, so 10,000 records hold one "URL"

    std::mutex m_fileMutex;  // one disk operation at a time within the process

    std::condition_variable m_wake;
    std::thread m_thread;
    bool m_stop = false;
    bool m_changed = false;  // something to write
    Clock::time_point m_firstChange;
    std::chrono::milliseconds m_delay{1000};
    // Failed background writes in a row; the next one waits until retryAt.
    int m_failures = 0;
    Clock::time_point m_retryAt;
    std::chrono::milliseconds m_retryDelay{5000};
    quint64 m_attempts = 0;
    QSet<QString> m_held;  // held groups, "/"-joined
};

SettingsServicePrivate::SettingsServicePrivate(const QString &path)
    : m_path(path)
    , m_encodedPath(QFile::encodeName(path))
    , m_root(std::make_unique<Node>())
{
}

void SettingsServicePrivate::ensureFileExists()
{
    struct stat st;
    if (::stat(m_encodedPath.constData(), &st) == 0) {
        // A file that someone loosened is made owner-only again; one the
        // user made read-only stays so.
        if ((st.st_mode & 077) != 0)
            ::chmod(m_encodedPath.constData(), st.st_mode & 0700);
        return;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Created empty and owner-only before any value is written, so the
    // passwords it will hold are never readable by others.
    const int fd = ::open(m_encodedPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0)
        ::close(fd);
}

bool SettingsServicePrivate::reloadIfChanged(bool force)
{
    const FileIdentity now = FileIdentity::ofPath(m_encodedPath);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!force && now == m_known)
            return false;
    }
    QByteArray data;
    FileIdentity read;
    const int fd = ::open(m_encodedPath.constData(), O_RDONLY | O_CLOEXEC);
    const int openError = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat st;
        if (::fstat(fd, &st) == 0) {
            read = FileIdentity::of(st);
            data.resize(int(st.st_size));
            qint64 got = 0;
            while (got < st.st_size) {
                const ssize_t n = ::read(fd, data.data() + got, size_t(st.st_size - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                got += n;
            }
            data.resize(int(got));
        }
        ::close(fd);
    }

    // A file deleted from outside is a store cleared from outside: what was
    // written here before is gone with it, as when every write went to disk
    // at once.
    const bool deleted = openError == ENOENT;

    // Parsed without the value lock, so readers are not held up meanwhile.
    auto fresh = std::make_unique<Node>();
    QSet<QString> names;
    IniCodec::parseText(data, [&](const QString &key, const char *text, int length) {
        const QStringList path = splitKey(key);
        // Keys inside a record go into its packed block, as long as the
        // block is all it has and the text is on one line.
        if (path.size() >= 3 && !std::memchr(text, '\n', size_t(length)) && !std::memchr(text, '\r', size_t(length))) {
            Node *section = SettingsTree::create(fresh.get(), path.mid(0, 1), names);
            Node *record = childNode(section, path.at(1));
            if (!record) {
                record = section->children.emplace(path.at(1), std::make_unique<Node>()).first->second.get();
            }
            if (record->values.isEmpty() && record->children.empty()) {
                IniCodec::appendEscapedKey(record->packed, path.mid(2).join(QLatin1Char('/')));
                record->packed += '=';
                record->packed.append(text, length);
                record->packed += '\n';
                return;
            }
        }
        SettingsTree::set(fresh.get(), path, QByteArray(text, length), names);
    });
    // Packed blocks keep no spare room.
    for (auto &section : fresh->children) {
        for (auto &record : section.second->children)
            record.second->packed.squeeze();
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // Held groups the file lost (deleted, or replaced by another file)
        // come back whole, as this process knows them, and are written.
        QVector<QStringList> lost;
        for (const QString &group : qAsConst(m_held)) {
            const QStringList path = splitKey(group);
            const Node *now = SettingsTree::find(fresh.get(), path);
            if ((!now || now->isEmpty()) && SettingsTree::find(m_root.get(), path))
                lost.append(path);
        }
        if (deleted) {
            m_pending.clear();
            m_changed = false;
        }
        // Changes not yet written win over what the file says.
        for (const PendingChange &change : qAsConst(m_pending)) {
            if (change.remove)
                SettingsTree::erase(fresh, change.path);
            else
                SettingsTree::set(fresh.get(), change.path, change.text, names);
        }
        for (const QStringList &path : qAsConst(lost)) {
            SettingsTree::forEachValue(*SettingsTree::find(m_root.get(), path), path,
                                       [&](const QStringList &key, const QByteArray &text) {
                                           SettingsTree::set(fresh.get(), key, text, names);
                                           m_pending.append(PendingChange{key, text, false});
                                       });
        }
        m_root = std::move(fresh);
        m_names = std::move(names);
        m_known = read;
        if (!lost.isEmpty())
            noteChange();
    }
    return true;
}

bool SettingsServicePrivate::writeFile()
{
    // A symbolic link is followed: the file it names is replaced within its
    // own folder, and the link stays a link.
    QByteArray target = m_encodedPath;
    char resolved[PATH_MAX];
    if (::realpath(m_encodedPath.constData(), resolved))
        target = QByteArray(resolved);
    // A file the user made read-only is left as it is (root could write it
    // anyway); the changes wait in memory.
    struct stat current;
    if (::stat(target.constData(), &current) == 0 && (current.st_mode & S_IWUSR) == 0) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_firstChange = Clock::now();
        return false;
    }
    QByteArray data;
    int taken = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        data = serialize();
        taken = m_pending.size();
        m_changed = false;
    }
    const QByteArray temporary = target + ".tmp";
    bool ok = false;
    FileIdentity written;
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, data.constData(), data.size())
            && ::fsync(fd) == 0;
        struct stat st;
        if (ok && ::fstat(fd, &st) == 0)
            written = FileIdentity::of(st);
        ok = ::close(fd) == 0 && ok;
        if (ok)
            ok = ::rename(temporary.constData(), target.constData()) == 0;
        if (!ok)
            ::unlink(temporary.constData());
    }
    if (ok) {
        const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
        const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (ok) {
        m_pending.remove(0, taken);
        m_known = written;
        ++m_writes;
    } else {
        m_changed = true;
    }
    if (m_changed)
        m_firstChange = Clock::now();
    return ok;
}

bool SettingsServicePrivate::flushLocked()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_changed)
            return true;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // The lock QSettings takes too, so toolbelt and this process never
    // write over each other.
    QLockFile lockFile(m_path + QStringLiteral(".lock"));
    if (!lockFile.tryLock(10000))
        return false;
    reloadIfChanged(false);
    return writeFile();
}

void SettingsServicePrivate::noteChange()
{
    // m_mutex held
    if (!m_changed) {
        m_changed = true;
        m_firstChange = Clock::now();
        m_wake.notify_one();
    }
}

namespace {
std::mutex failureHandlerMutex;
SettingsService::WriteFailureHandler failureHandler;
} // namespace

void SettingsServicePrivate::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        if (!m_changed) {
            m_wake.wait(lock);
            continue;
        }
        // A failed write is not tried again at once: the file lock and the
        // value lock stay free for the other threads, and a read-only or
        // full disk costs a few attempts a minute.
        const Clock::time_point due = std::max(m_firstChange + m_delay, m_retryAt);
        if (Clock::now() < due) {
            m_wake.wait_until(lock, due);
            continue;
        }
        ++m_attempts;
        lock.unlock();
        bool ok;
        {
            std::lock_guard<std::mutex> fileLock(m_fileMutex);
            ok = flushLocked();
        }
        lock.lock();
        if (ok) {
            m_failures = 0;
            m_retryAt = Clock::time_point();
            continue;
        }
        m_retryAt = Clock::now() + m_retryDelay * (1 << qMin(m_failures, 2));
        if (m_failures++ == 0) {
            lock.unlock();
            WriteFailureHandler handler;
            {
                std::lock_guard<std::mutex> handlerLock(failureHandlerMutex);
                handler = failureHandler;
            }
            if (handler)
                handler(m_path);
            lock.lock();
        }
    }
}

// ---- SettingsService

namespace {

struct Registry
{
    std::mutex mutex;
    std::map<QString, std::unique_ptr<SettingsService>> services;

    ~Registry()
    {
        // Whatever is still pending reaches the disk when the process ends
        // normally.
        services.clear();
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

QString storePath(const QString &organisation, const QString &application)
{
    // The same place QSettings(organisation, application) uses on Linux.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + organisation + QLatin1Char('/') + application + QStringLiteral(".conf");
}

} // namespace

SettingsService::SettingsService(const QString &absolutePath)
    : d(std::make_unique<SettingsServicePrivate>(absolutePath))
{
    {
        std::lock_guard<std::mutex> fileLock(d->m_fileMutex);
        d->ensureFileExists();
        d->reloadIfChanged(true);
    }
    d->m_thread = std::thread([this] { d->run(); });
}

SettingsService::~SettingsService()
{
    {
        std::lock_guard<std::mutex> lock(d->m_mutex);
        d->m_stop = true;
        d->m_wake.notify_one();
    }
    d->m_thread.join();
    flush();
}

SettingsService &SettingsService::main()
{
    static SettingsService &service = forOrganisation(QStringLiteral("Zantor"), QStringLiteral("zantor"));
    return service;
}

SettingsService &SettingsService::forOrganisation(const QString &organisation, const QString &application)
{
    return forFile(storePath(organisation, application));
}

SettingsService &SettingsService::forFile(const QString &absolutePath)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    std::unique_ptr<SettingsService> &slot = r.services[absolutePath];
    if (!slot) {
        slot.reset(new SettingsService(absolutePath));
        static bool postRoutineAdded = false;
        if (!postRoutineAdded && QCoreApplication::instance()) {
            // Write when the application object goes, not only at exit.
            postRoutineAdded = true;
            qAddPostRoutine(&SettingsService::flushAll);
        }
    }
    return *slot;
}

void SettingsService::flushAll()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    for (auto &service : r.services)
        service.second->flush();
}

QString SettingsService::filePath() const
{
    return d->m_path;
}

QVariant SettingsService::value(const QString &key, const QVariant &defaultValue) const
{
    const QStringList path = splitKey(key);
    if (path.isEmpty())
        return defaultValue;
    std::lock_guard<std::mutex> lock(d->m_mutex);
    const Node *node = d->find(path.mid(0, path.size() - 1));
    if (!node)
        return defaultValue;
    if (!node->packed.isEmpty()) {
        const QByteArray text = packedValue(node->packed, path.last());
        return text.isNull() ? defaultValue : decoded(text);
    }
    auto it = node->values.constFind(path.last());
    return it == node->values.constEnd() ? defaultValue : decoded(it.value());
}

bool SettingsService::contains(const QString &key) const
{
    const QStringList path = splitKey(key);
    if (path.isEmpty())
        return false;
    std::lock_guard<std::mutex> lock(d->m_mutex);
    const Node *node = d->find(path.mid(0, path.size() - 1));
    if (node && !node->packed.isEmpty())
        return !packedValue(node->packed, path.last()).isNull();
    return node && node->values.contains(path.last());
}

void SettingsService::setValue(const QString &key, const QVariant &value)
{
    const QStringList path = splitKey(key);
    const QByteArray text = valueText(value);
    std::lock_guard<std::mutex> lock(d->m_mutex);
    if (d->set(path, text)) {
        d->m_pending.append(PendingChange{path, text, false});
        d->noteChange();
    }
}

void SettingsService::remove(const QString &key)
{
    const QStringList path = splitKey(key);
    std::lock_guard<std::mutex> lock(d->m_mutex);
    if (d->erase(path)) {
        d->m_pending.append(PendingChange{path, QByteArray(), true});
        d->noteChange();
    }
}

bool SettingsService::containsGroup(const QString &group) const
{
    const QStringList path = splitKey(group);
    std::lock_guard<std::mutex> lock(d->m_mutex);
    const Node *node = d->find(path);
    return node && !path.isEmpty() && !node->isEmpty();
}

QStringList SettingsService::childGroups(const QString &group) const
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    QStringList result;
    if (Node *node = d->find(splitKey(group))) {
        unpack(node);
        result.reserve(int(node->children.size()));
        for (const auto &child : node->children)
            result.append(child.first);
    }
    return result;
}

QStringList SettingsService::childKeys(const QString &group) const
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    Node *node = d->find(splitKey(group));
    if (node)
        unpack(node);
    return node ? node->values.keys() : QStringList();
}

QStringList SettingsService::allKeys(const QString &group) const
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    QStringList result;
    if (const Node *node = d->find(splitKey(group)))
        collectKeys(*node, QString(), result);
    return result;
}

QMap<QString, QVariant> SettingsService::groupValues(const QString &group) const
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    QMap<QString, QVariant> result;
    if (Node *node = d->find(splitKey(group))) {
        unpack(node);
        for (auto it = node->values.cbegin(); it != node->values.cend(); ++it)
            result.insert(it.key(), decoded(it.value()));
    }
    return result;
}

namespace {
// Values of one group as paths and file texts, made before the lock is taken.
QVector<QPair<QStringList, QByteArray>> groupTexts(const QStringList &groupPath,
                                                   const QList<QPair<QString, QVariant>> &values)
{
    QVector<QPair<QStringList, QByteArray>> texts;
    texts.reserve(values.size());
    for (const auto &entry : values)
        texts.append({groupPath + splitKey(entry.first), valueText(entry.second)});
    return texts;
}
} // namespace

int SettingsServicePrivate::setTexts(const QVector<QPair<QStringList, QByteArray>> &texts)
{
    int changed = 0;
    for (const auto &entry : texts) {
        if (set(entry.first, entry.second)) {
            m_pending.append(PendingChange{entry.first, entry.second, false});
            ++changed;
        }
    }
    if (changed)
        noteChange();
    return changed;
}

int SettingsService::setGroupValues(const QString &group, const QList<QPair<QString, QVariant>> &values)
{
    const auto texts = groupTexts(splitKey(group), values);
    std::lock_guard<std::mutex> lock(d->m_mutex);
    return d->setTexts(texts);
}

bool SettingsService::updateGroup(const QString &group, const QList<QPair<QString, QVariant>> &values)
{
    const QStringList groupPath = splitKey(group);
    const auto texts = groupTexts(groupPath, values);
    std::lock_guard<std::mutex> lock(d->m_mutex);
    const Node *node = d->find(groupPath);
    if (groupPath.isEmpty() || !node || node->isEmpty())
        return false;
    d->setTexts(texts);
    return true;
}

void SettingsService::holdGroup(const QString &group)
{
    const QString path = splitKey(group).join(QLatin1Char('/'));
    std::lock_guard<std::mutex> lock(d->m_mutex);
    if (!path.isEmpty())
        d->m_held.insert(path);
}

void SettingsService::releaseGroup(const QString &group)
{
    const QString path = splitKey(group).join(QLatin1Char('/'));
    const QString below = path + QLatin1Char('/');
    std::lock_guard<std::mutex> lock(d->m_mutex);
    for (auto it = d->m_held.begin(); it != d->m_held.end();) {
        if (*it == path || it->startsWith(below))
            it = d->m_held.erase(it);
        else
            ++it;
    }
}

void SettingsService::refresh()
{
    std::lock_guard<std::mutex> fileLock(d->m_fileMutex);
    if (!d->reloadIfChanged(false))
        return;
    // Gone? Recreated empty and owner-only, as for a new user.
    struct stat st;
    if (::stat(d->m_encodedPath.constData(), &st) != 0)
        d->ensureFileExists();
}

bool SettingsService::flush()
{
    std::lock_guard<std::mutex> fileLock(d->m_fileMutex);
    return d->flushLocked();
}

bool SettingsService::transact(const std::function<void(SettingsService &)> &edit)
{
    std::lock_guard<std::mutex> fileLock(d->m_fileMutex);
    QDir().mkpath(QFileInfo(d->m_path).absolutePath());
    QLockFile lockFile(d->m_path + QStringLiteral(".lock"));
    if (!lockFile.tryLock(10000))
        return false;
    d->reloadIfChanged(false);
    edit(*this);
    {
        std::lock_guard<std::mutex> lock(d->m_mutex);
        if (!d->m_changed)
            return true;
    }
    return d->writeFile();
}

quint64 SettingsService::writeCount() const
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    return d->m_writes;
}

void SettingsService::setWriteFailureHandler(WriteFailureHandler handler)
{
    std::lock_guard<std::mutex> lock(failureHandlerMutex);
    failureHandler = std::move(handler);
}

void SettingsService::setRetryDelay(int milliseconds)
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    d->m_retryDelay = std::chrono::milliseconds(qMax(1, milliseconds));
}

quint64 SettingsService::writeAttempts() const
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    return d->m_attempts;
}

void SettingsService::setWriteDelay(int milliseconds)
{
    std::lock_guard<std::mutex> lock(d->m_mutex);
    d->m_delay = std::chrono::milliseconds(qMax(0, milliseconds));
    d->m_wake.notify_one();
}
