#pragma once

#include <QString>
#include <QStringList>

// What the command line of the download manager asks for.
struct StartupCommandLine
{
    QString link;              // empty: no link given
    bool startHidden = false;  // "/bg": live in the tray from the start

    // Arguments without the program name. Compared exactly, case-sensitive.
    static StartupCommandLine parse(const QStringList &arguments);

    // A lone argument counts as a link when it has a download or magnet
    // scheme, or names an existing file.
    static bool looksLikeLink(const QString &argument);
    // What the running instance accepts from a second start: http, https
    // and ftp links only.
    static bool isDownloadLink(const QString &link);
};
