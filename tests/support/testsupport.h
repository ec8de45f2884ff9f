#pragma once

#include <QString>
#include <QStringList>

// Helpers shared by the test executables.
namespace TestSupport {

// Folder that holds the built programs (build/bin).
QString binDir();
QString sourceDir();

// Points HOME and the XDG folders at a fresh temporary folder for the rest
// of the process, on top of what CTest already sets, so a test run by hand
// never touches the real user either, and child processes inherit the
// same folders. Call before the application object.
void isolateUserFolders();

// A TCP port on 127.0.0.1 that was free a moment ago.
quint16 freeLocalPort();

// Path of an executable from PATH or the usual system folders, or empty.
QString findProgram(const QString &name, const QStringList &extraDirs = {});

} // namespace TestSupport
