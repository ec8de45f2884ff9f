// Fills in what the main program cannot cheaply find out itself:
//   toolbelt /host-ip <host> <task id>    -> "URLHostIP" of the task
//   toolbelt /file-sha1 <path> <task id>  -> "FileHash" of the task
// Both values go into the task's record in the main program's settings
// store, and only while that task still exists.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTextStream>

#include "appsettings.h"
#include "settingsservice.h"
#include "settingsstore.h"

namespace {

enum ExitStatus { Done = 0, BadArguments = 2, NoSuchTask = 3, HostUnresolved = 4, FileUnreadable = 5, StoreUnwritable = 6 };

int fail(ExitStatus status, const QString &message)
{
    QTextStream(stderr) << "toolbelt: " << message << '\n';
    return status;
}

QString usage()
{
    return QStringLiteral("usage: toolbelt /host-ip <host> <task id> | toolbelt /file-sha1 <path> <task id>");
}

// Task ids are decimal numbers; anything else could address another group.
bool isTaskId(const QString &id)
{
    static const QRegularExpression pattern(QStringLiteral("^-?[0-9]{1,19}$"));
    return pattern.match(id).hasMatch();
}

bool taskExists(const QString &id)
{
    SettingsStore store;
    store->beginGroup(SettingsKeys::DownloadTasks);
    return store->childGroups().contains(id);
}

QString firstIpv4Address(const QString &host)
{
    QHostAddress literal;
    if (literal.setAddress(host))
        return literal.protocol() == QAbstractSocket::IPv4Protocol ? literal.toString() : QString();
    const QHostInfo info = QHostInfo::fromName(host);
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return QString();
}

QString fileSha1(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

// Writes the value only if the task is still there: a task deleted while
// this program worked must not come back as a stray group. The check and
// the write happen under the store's file lock, on the file as it is now.
int storeValue(const QString &taskId, const QString &key, const QString &value)
{
    const QString group = SettingsKeys::DownloadTasks + QLatin1Char('/') + taskId;
    bool exists = false;
    const bool written = SettingsService::main().transact([&](SettingsService &store) {
        exists = store.containsGroup(group);
        if (exists)
            store.setValue(group + QLatin1Char('/') + key, value);
    });
    if (!exists)
        return fail(NoSuchTask, QStringLiteral("task %1 no longer exists").arg(taskId));
    if (!written)
        return fail(StoreUnwritable, QStringLiteral("cannot write the settings file"));
    return Done;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 3)
        return fail(BadArguments, usage());

    const QString &command = args.at(0);
    const QString &subject = args.at(1);
    const QString &taskId = args.at(2);
    if (command != QLatin1String("/host-ip") && command != QLatin1String("/file-sha1"))
        return fail(BadArguments, QStringLiteral("unknown command \"%1\"; %2").arg(command, usage()));
    if (subject.isEmpty())
        return fail(BadArguments, usage());
    if (!isTaskId(taskId))
        return fail(BadArguments, QStringLiteral("\"%1\" is not a task id").arg(taskId));
    if (!taskExists(taskId))
        return fail(NoSuchTask, QStringLiteral("task %1 does not exist").arg(taskId));

    if (command == QLatin1String("/host-ip")) {
        const QString address = firstIpv4Address(subject);
        if (address.isEmpty())
            return fail(HostUnresolved, QStringLiteral("cannot resolve host \"%1\" to an IPv4 address").arg(subject));
        return storeValue(taskId, SettingsKeys::TaskURLHostIP, address);
    }

    const QString hash = fileSha1(subject);
    if (hash.isEmpty())
        return fail(FileUnreadable, QStringLiteral("cannot read file \"%1\"").arg(subject));
    return storeValue(taskId, SettingsKeys::TaskFileHash, hash);
}
