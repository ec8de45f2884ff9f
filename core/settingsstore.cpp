#include "settingsstore.h"

#include <QStandardPaths>

#include "settingsservice.h"

const QString SettingsStore::organisation = QStringLiteral("Zantor");
const QString SettingsStore::application = QStringLiteral("zantor");

SettingsStore::SettingsStore()
    : SettingsStore(organisation, application)
{
}

SettingsStore::SettingsStore(const QString &org, const QString &app)
    : m_view(SettingsService::forOrganisation(org, app))
{
    m_view.service().refresh();
}

SettingsStore::~SettingsStore()
{
    if (m_view.hasChanged())
        m_view.service().flush();
}

QString SettingsStore::filePath(const QString &org, const QString &app)
{
    // The same place QSettings(org, app) uses for its native format on Linux.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + org + QLatin1Char('/') + app + QStringLiteral(".conf");
}
