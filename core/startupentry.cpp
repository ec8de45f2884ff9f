#include "startupentry.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "appsettings.h"

namespace StartupEntry {

namespace {

// Quoting of the desktop entry format: inside double quotes the characters
// '"', '`', '$' and '\' are escaped with a backslash, and the value as a
// whole escapes the backslash once more.
QString quotedArgument(const QString &arg)
{
    QString quoted;
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += c;  // a literal percent sign is written twice
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString entryPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/autostart/zantor.desktop");
}

bool isPresent() { return QFile::exists(entryPath()); }

QString execLine(const QString &programPath)
{
    return quotedArgument(QDir::toNativeSeparators(programPath)) + QStringLiteral(" /bg");
}

bool write(const QString &programPath)
{
    const QString path = entryPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Zantor\n"
                                        "Comment=Download manager\n"
                                        "Exec=%1\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execLine(programPath));
    file.write(text.toUtf8());
    return file.commit();
}

void remove()
{
    if (isPresent())
        QFile::remove(entryPath());
}

void setEnabled(bool on, const QString &programPath)
{
    AppSettings::setFlag(SettingsKeys::AutoStartupFlag, on);
    if (on)
        write(programPath);
    else
        remove();
}

bool toggle(const QString &programPath)
{
    const bool on = !isPresent();
    setEnabled(on, programPath);
    return on;
}

bool refreshAtStart(const QString &programPath)
{
    const bool on = AppSettings::autoStartupFlag();
    if (on)
        write(programPath);
    return on;
}

} // namespace StartupEntry
