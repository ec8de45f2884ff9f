#include "settingsview.h"

#include "settingsservice.h"

namespace {
QString normalized(const QString &key)
{
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}
} // namespace

SettingsView SettingsView::freshMain()
{
    SettingsService &service = SettingsService::main();
    service.refresh();
    return SettingsView(service);
}

SettingsView::SettingsView(SettingsService &service)
    : m_service(&service)
{
}

void SettingsView::beginGroup(const QString &prefix)
{
    m_groups.append(normalized(prefix));
    m_prefix = normalized(m_groups.join(QLatin1Char('/')));
}

void SettingsView::endGroup()
{
    if (m_groups.isEmpty())
        return;
    m_groups.removeLast();
    m_prefix = normalized(m_groups.join(QLatin1Char('/')));
}

QString SettingsView::group() const
{
    return m_prefix;
}

QString SettingsView::fullKey(const QString &key) const
{
    const QString k = normalized(key);
    if (m_prefix.isEmpty())
        return k;
    if (k.isEmpty())
        return m_prefix;
    return m_prefix + QLatin1Char('/') + k;
}

QVariant SettingsView::value(const QString &key, const QVariant &defaultValue) const
{
    return m_service->value(fullKey(key), defaultValue);
}

void SettingsView::setValue(const QString &key, const QVariant &value)
{
    m_service->setValue(fullKey(key), value);
    m_changed = true;
}

bool SettingsView::contains(const QString &key) const
{
    return m_service->contains(fullKey(key));
}

void SettingsView::remove(const QString &key)
{
    m_service->remove(fullKey(key));
    m_changed = true;
}

void SettingsView::clear()
{
    m_service->remove(QString());
    m_changed = true;
}

QStringList SettingsView::childGroups() const
{
    return m_service->childGroups(m_prefix);
}

QStringList SettingsView::childKeys() const
{
    return m_service->childKeys(m_prefix);
}

QStringList SettingsView::allKeys() const
{
    return m_service->allKeys(m_prefix);
}

void SettingsView::sync()
{
    m_status = m_service->flush() ? QSettings::NoError : QSettings::AccessError;
}

QString SettingsView::fileName() const
{
    return m_service->filePath();
}
