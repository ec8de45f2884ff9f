#pragma once

#include <QString>

// Start with the desktop session: an XDG autostart entry
// "$XDG_CONFIG_HOME/autostart/zantor.desktop" that runs the program with "/bg".
// The entry being present is what "start with the system" means.
namespace StartupEntry {
QString entryPath();
bool isPresent();
// The Exec line: the program's full path in double quotes followed by " /bg".
QString execLine(const QString &programPath);
bool write(const QString &programPath);
void remove();

// Switching the setting on writes flag 1 and the entry; off writes 0 and
// removes the entry.
void setEnabled(bool on, const QString &programPath);
// The menu toggle: the entry's presence decides, not the check mark.
// Returns the new state.
bool toggle(const QString &programPath);
// At every start of the main window: rewrite the entry while the flag is on
// or missing. Returns the flag.
bool refreshAtStart(const QString &programPath);
} // namespace StartupEntry
