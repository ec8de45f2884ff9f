#pragma once

#include <QString>

// Where a program's instance marker and instance endpoint live. Qt Core
// only, so that helper programs that talk to a running instance without the
// network module find the same endpoint.
namespace InstancePaths {
// The identity the names are derived from: the executable path, scoped to
// the current user.
QString markerKey(const QString &executablePath);
// Full path of the endpoint socket in the runtime folder, stable for a path
// and distinct for different paths.
QString serverNameFor(const QString &executablePath);
QString markerPathFor(const QString &executablePath);
// The user's private runtime folder: $XDG_RUNTIME_DIR when it is an absolute
// folder owned by the user (tightened to mode 0700 if needed), else a 0700
// folder of the user's own below the temporary folder, else one in the
// user's cache folder. Created on first use.
QString runtimeFolder();
} // namespace InstancePaths
