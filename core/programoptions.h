#pragma once

#include <QObject>
#include <QString>

// The per-user options folder of the plugin host. Created on first use and
// kept until exit.
class ProgramOptions final : public QObject
{
    Q_OBJECT

public:
    static ProgramOptions *instance();

    QString optionsFolder() const { return m_folder; }
    QString optionsFilePath() const { return m_filePath; }

    // Exposed for tests: sets up the folder from the given program folder and
    // application-data base, copying the shipped files on first use.
    ProgramOptions(const QString &programFolder, const QString &appDataBase, QObject *parent = nullptr);

signals:
    void optionsLoadBefore();
    void optionsLoadAfter();
    void optionsSaveBefore();
    void optionsSaveAfter();
    void optionsUpdated();

private:
    Q_DISABLE_COPY(ProgramOptions)
    QString m_folder;
    QString m_filePath;
};
