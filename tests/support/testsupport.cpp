#include "testsupport.h"

#include <QDir>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

namespace TestSupport {

QString binDir() { return QStringLiteral(ZANTOR_BIN_DIR); }
QString sourceDir() { return QStringLiteral(ZANTOR_SOURCE_DIR); }

void isolateUserFolders()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/zantor-test-XXXXXX"));
    const QString root = home.path();
    for (const char *sub : {"config", "data", "cache", "runtime", "Documents", "Desktop"})
        QDir(root).mkpath(QLatin1String(sub));
    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qunsetenv("APPDATA");
    // No session bus: a window made by a test never claims names on the
    // user's bus, and no bus is started on demand. Tests of the D-Bus
    // interface start a private bus of their own.
    qputenv("DBUS_SESSION_BUS_ADDRESS", QFile::encodeName(QStringLiteral("unix:path=") + root
                                                          + QStringLiteral("/runtime/no-session-bus")));
    // No QStandardPaths test mode: child processes started by a test must
    // find the same settings and data folders as the test itself.
}

quint16 freeLocalPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

QString findProgram(const QString &name, const QStringList &extraDirs)
{
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name, extraDirs + QStringList{QStringLiteral("/usr/sbin"),
                                                                             QStringLiteral("/sbin"),
                                                                             QStringLiteral("/usr/bin")});
    return found;
}

} // namespace TestSupport
