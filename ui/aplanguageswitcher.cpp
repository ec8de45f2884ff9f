#include "aplanguageswitcher.h"

#include <QAction>
#include <QActionGroup>

#include "applicationinfo.h"
#include "appsettings.h"
#include "languages.h"

ApLanguageSwitcher::ApLanguageSwitcher(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_group(new QActionGroup(this))
{
    m_group->setExclusive(true);
}

QString ApLanguageSwitcher::installAtStart(const ApplicationInfo &info)
{
    const QString name = Languages::choose(AppSettings::ensureLanguage(), info.languageTable());
    Languages::install(Languages::languageFolder(info.programFolder()), name);
    return name;
}

void ApLanguageSwitcher::addLanguageAction(QAction *action, const QString &name)
{
    action->setCheckable(true);
    m_group->addAction(action);
    m_names.insert(action, name);
    connect(action, &QAction::triggered, this, [this, name] { switchTo(name); });
    checkCurrent();
}

void ApLanguageSwitcher::setCurrent(const QString &name)
{
    m_current = name;
    checkCurrent();
}

void ApLanguageSwitcher::checkCurrent()
{
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it)
        it.key()->setChecked(it.value() == m_current);
}

void ApLanguageSwitcher::switchTo(const QString &name)
{
    // The installed translator sends every window its language-change
    // event; each retranslates itself.
    Languages::switchTo(m_folder, name);
    AppSettings::setLanguage(name);
    setCurrent(name);
    emit languageSwitched(name);
}
