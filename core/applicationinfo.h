#pragma once

#include <QMap>
#include <QString>

// The fixed record of the main program: names, version, server paths and
// folders. One instance is owned by the main window; companion programs keep
// a record of the same kind.
class ApplicationInfo final
{
public:
    ApplicationInfo();

    QString programFileName() const { return m_programFileName; }
    QString displayName() const { return m_displayName; }
    int versionNumber() const { return m_versionNumber; }
    QString versionText() const { return m_versionText; }
    // Executable suffix without the dot; empty on Linux.
    QString programKind() const { return m_programKind; }
    QString platform() const { return m_platform; }
    QString homeUrl() const { return m_homeUrl; }
    // True while no product web site is configured: the home address is
    // empty or lies in a domain reserved for examples (the built-in value),
    // so nothing can be fetched from it.
    bool hasPlaceholderHomeUrl() const { return isPlaceholderUrl(m_homeUrl); }
    static bool isPlaceholderUrl(const QString &url);
    QString advertisementBaseUrl() const { return m_homeUrl + QStringLiteral("/ads/"); }
    QString updateFolderUrl() const;
    QString updateManifestUrl() const;
    QString userDataFolder() const { return m_userDataFolder; }
    QString programFolder() const { return m_programFolder; }
    QString systemVersion() const { return m_systemVersion; }
    // Language name -> QLocale::Language code.
    const QMap<QString, int> &languageTable() const { return m_languageTable; }

    // File name of a program of the suite: the bare name plus "." and the
    // program kind when there is one.
    QString executableName(const QString &baseName) const;
    // Full path of a program of the suite in the program folder.
    QString programPath(const QString &baseName) const;

    // For tests and companion programs that live in another folder.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    static QMap<QString, int> standardLanguageTable();
    // The site root: ZANTOR_HOME_URL from the environment, else the built-in value.
    static QString defaultHomeUrl();

private:
    QString m_programFileName;
    QString m_displayName;
    int m_versionNumber;
    QString m_versionText;
    QString m_programKind;
    QString m_platform;
    QString m_homeUrl;
    QString m_userDataFolder;
    QString m_programFolder;
    QString m_systemVersion;
    QMap<QString, int> m_languageTable;
};
