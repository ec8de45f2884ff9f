#pragma once

#include <QString>
#include <QStringList>

namespace Player {

// The list file the player page reads, and the folder it lies in.
namespace PlaylistFile {

// The entry of the list written at every start; the page shows its idle
// state when it does not exist.
inline const QString DefaultEntry = QStringLiteral("tarvo.flv");

// '<?xml ...?><sources><source src="..."/>...</sources>', one line, UTF-8,
// with the XML special characters of each path escaped.
QByteArray content(const QStringList &paths);
// Writes the file whole; false (and the file left as it was) when it cannot
// be opened.
bool write(const QString &file, const QStringList &paths);

// Creates the player folder, copies into it every file lying directly in
// sourceFolder that it does not hold yet, then writes the default list.
bool prepareFolder(const QString &sourceFolder, const QString &playerFolder, const QString &playlistFile);

// Two playlist paths name the same file when these keys are equal: the
// canonical path of an existing file, else the cleaned absolute path. Letter
// case counts, as it does for the file system.
QString pathKey(const QString &path);

} // namespace PlaylistFile
} // namespace Player
