#pragma once

#include <QString>

#include "settingsview.h"

class SettingsService;

// One scoped access to a settings store, kept for code that reads and writes
// through "store->value(...)". It is a view onto the process's one settings
// service (SettingsService): opening it costs one stat() of the file, to
// pick up what another process wrote; reads come from memory. What it
// changed is written when it goes out of scope, so a program started right
// after sees it. The file holds proxy and site passwords, so it is created
// with, and kept at, owner-only permissions.
class SettingsStore final
{
public:
    SettingsStore();  // the main program's store (Zantor / zantor)
    SettingsStore(const QString &organisation, const QString &application);
    ~SettingsStore();

    SettingsView &operator*() { return m_view; }
    SettingsView *operator->() { return &m_view; }
    SettingsView *get() { return &m_view; }

    static QString filePath(const QString &organisation, const QString &application);
    static const QString organisation;  // "Zantor"
    static const QString application;   // "zantor"

private:
    Q_DISABLE_COPY(SettingsStore)

    SettingsView m_view;
};
