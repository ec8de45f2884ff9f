#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class ApplicationInfo;
class QAction;
class QActionGroup;

// The interface language: chosen and installed before any window is built,
// switched from the language menu while the program runs, and saved.
class ApLanguageSwitcher final : public QObject
{
    Q_OBJECT
public:
    explicit ApLanguageSwitcher(const QString &folder, QObject *parent = nullptr);

    // Reads "Language" (writing "null" when missing), resolves "null" to the
    // system's language and installs its translation. Returns the name.
    static QString installAtStart(const ApplicationInfo &info);

    // The action switches to the named language when triggered.
    void addLanguageAction(QAction *action, const QString &name);
    void setCurrent(const QString &name);
    QString current() const { return m_current; }

    // Installs the translation (none for English), sets the layout
    // direction and saves the name.
    void switchTo(const QString &name);

signals:
    void languageSwitched(const QString &name);

private:
    Q_DISABLE_COPY(ApLanguageSwitcher)
    void checkCurrent();

    QString m_folder;
    QString m_current;
    QActionGroup *m_group;
    QHash<QAction *, QString> m_names;
};
