#include "programoptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "commonfunctions.h"

ProgramOptions::ProgramOptions(const QString &programFolder, const QString &appDataBase, QObject *parent)
    : QObject(parent)
    , m_folder(appDataBase + QStringLiteral("/tv"))
{
    const QDir program(programFolder);
    if (program.exists(QStringLiteral("config.conf")) && !QDir(m_folder).exists()) {
        QDir().mkpath(m_folder);
        for (const char *name : {"config.conf", "historic.log", "session.conf"}) {
            const QString source = program.filePath(QLatin1String(name));
            if (QFile::exists(source))
                QFile::copy(source, m_folder + QLatin1Char('/') + QLatin1String(name));
        }
    }
    m_filePath = m_folder + QStringLiteral("/config.conf");
}

ProgramOptions *ProgramOptions::instance()
{
    // "APPDATA" when set, else the application-data folder; never the root.
    static ProgramOptions *options = [] {
        QString base = qEnvironmentVariable("APPDATA");
        if (base.isEmpty() || QDir(base).isRoot())
            base = Common::applicationDataFolder();
        return new ProgramOptions(QCoreApplication::applicationDirPath(), base, QCoreApplication::instance());
    }();
    return options;
}
