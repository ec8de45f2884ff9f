#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// Links to download, from the command line or from a second start, with
// how to take them.
struct LinkRequest
{
    QStringList links;
    QString saveFolder;            // absolute; empty: the usual folder
    bool addWithoutAsking = false; // add and start each link, no dialog

    bool isEmpty() const { return links.isEmpty(); }

    // The arguments of the "link-url" instance message: option pieces
    // ("--add", "--save-dir=" + folder) first, then the links. A single plain
    // link gives exactly the message older programs send and read.
    QStringList messageArguments() const;
    // The reverse; option pieces are read only before the first link.
    static LinkRequest fromMessageArguments(const QStringList &arguments);
};

// What the command line of the download manager asks for. Besides the
// options in the usual form it keeps the older forms "/bg" (start hidden),
// "/link-url" LINK (a link taken unchecked) and a lone link.
struct StartupCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(StartupCommandLine)

public:
    enum Action { Run, ShowHelp, ShowVersion, Fail };

    Action action = Run;
    QString error;             // Fail: one line saying what was wrong
    LinkRequest request;
    bool startHidden = false;  // "/bg" or --background: live in the tray from the start
    QStringList ignored;       // arguments that are neither an option nor a link

    // The first link, or empty.
    QString link() const { return request.links.value(0); }

    // Arguments without the program name. A relative save folder is taken
    // from workingFolder.
    static StartupCommandLine parse(const QStringList &arguments, const QString &workingFolder = QString());

    // The usage text of --help (needs the application object for the
    // program's name).
    static QString helpText();

    // A lone argument counts as a link when it has a download or magnet
    // scheme, or names an existing file.
    static bool looksLikeLink(const QString &argument);
    // What the running instance accepts from a second start: http, https
    // and ftp links only.
    static bool isDownloadLink(const QString &link);

private:
    // The options the parser knows; the same set for parsing and for --help.
    static void addOptions(QCommandLineParser *parser);
};
