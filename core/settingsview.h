#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

class SettingsService;

// A QSettings-like cursor onto a settings service: the same calls (groups,
// value, setValue, contains, remove, child lists), served from the
// service's memory. Cheap to make; any number may exist in any thread.
class SettingsView final
{
public:
    explicit SettingsView(SettingsService &service);
    // The main program's store, with what other programs wrote meanwhile.
    static SettingsView freshMain();

    void beginGroup(const QString &prefix);
    void endGroup();
    QString group() const;

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    void setValue(const QString &key, const QVariant &value);
    bool contains(const QString &key) const;
    // A key, or a group with everything in it; "" removes the current group.
    void remove(const QString &key);
    // Removes every key of the store, whatever the current group (as
    // QSettings::clear does).
    void clear();

    QStringList childGroups() const;
    QStringList childKeys() const;
    QStringList allKeys() const;

    // Writes pending changes to disk now.
    void sync();
    QSettings::Status status() const { return m_status; }
    QString fileName() const;
    bool isWritable() const { return true; }
    QSettings::Format format() const { return QSettings::IniFormat; }
    void setFallbacksEnabled(bool) {}
    bool fallbacksEnabled() const { return false; }

    SettingsService &service() const { return *m_service; }
    // True once this view has changed a value.
    bool hasChanged() const { return m_changed; }

private:
    QString fullKey(const QString &key) const;

    SettingsService *m_service;
    QStringList m_groups;
    QString m_prefix;  // joined groups, "" or "a/b"
    bool m_changed = false;
    QSettings::Status m_status = QSettings::NoError;
};
