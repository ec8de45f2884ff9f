#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// One access to a native settings store. It is opened afresh for every read
// or write and dropped right after. The file holds proxy and site passwords,
// so it is created with, and kept at, owner-only permissions.
class SettingsStore final
{
public:
    SettingsStore();  // the main program's store (Zantor / zantor)
    SettingsStore(const QString &organisation, const QString &application);
    ~SettingsStore();

    QSettings &operator*() { return *m_settings; }
    QSettings *operator->() { return m_settings.get(); }
    QSettings *get() { return m_settings.get(); }

    static QString filePath(const QString &organisation, const QString &application);
    static const QString organisation;  // "Zantor"
    static const QString application;   // "zantor"

private:
    Q_DISABLE_COPY(SettingsStore)
    static void ensurePrivateFile(const QString &path);

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};
