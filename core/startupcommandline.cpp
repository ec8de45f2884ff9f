#include "startupcommandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
const QString AddPiece = QStringLiteral("--add");
const QString SaveDirPiece = QStringLiteral("--save-dir=");
const QString LinkUrlForm = QStringLiteral("/link-url");
const QString HiddenForm = QStringLiteral("/bg");

bool startsWithScheme(const QString &text, const QString &scheme)
{
    return text.left(scheme.size()).toLower() == scheme;
}

// A file:// address from a desktop's file manager names a local file.
QString localForm(const QString &argument)
{
    if (!startsWithScheme(argument, QStringLiteral("file://")))
        return argument;
    const QUrl url(argument);
    return url.isLocalFile() ? url.toLocalFile() : argument;
}

// The options the toolkit takes from every program's command line before
// the program sees it (-style fusion, -platform xcb, -reverse, ...).
QStringList withoutToolkitOptions(const QStringList &arguments)
{
    static const QStringList withValue = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"),   QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("geometry"),       QStringLiteral("title"),
        QStringLiteral("icon"),     QStringLiteral("display"),            QStringLiteral("style"),
        QStringLiteral("stylesheet"), QStringLiteral("session"),          QStringLiteral("name")};
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};
    QStringList kept;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            kept += arguments.mid(i);
            break;
        }
        QString name = argument;
        if (name.startsWith(QLatin1String("--")))
            name.remove(0, 2);
        else if (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        else {
            kept << argument;
            continue;
        }
        if (withValue.contains(name.section(QLatin1Char('='), 0, 0)) && name.contains(QLatin1Char('=')))
            continue;
        if (withValue.contains(name)) {
            ++i;
            continue;
        }
        if (!flags.contains(name))
            kept << argument;
    }
    return kept;
}
} // namespace

void StartupCommandLine::addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(tr("Download manager for files and web videos."));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addOption({QStringLiteral("add"), tr("Add the links and start them without asking.")});
    parser->addOption({QStringLiteral("save-dir"), tr("Save the files of these links in the given folder."), tr("folder")});
    parser->addOption({QStringLiteral("background"), tr("Start in the tray, without the main window (also \"/bg\").")});
    parser->addPositionalArgument(
        QStringLiteral("links"),
        tr("Links to download (http, https, ftp). A running instance takes them; each opens the new task "
           "dialog in turn."),
        tr("[link...]"));
}

QStringList LinkRequest::messageArguments() const
{
    QStringList pieces;
    if (addWithoutAsking)
        pieces << AddPiece;
    if (!saveFolder.isEmpty())
        pieces << SaveDirPiece + saveFolder;
    return pieces + links;
}

LinkRequest LinkRequest::fromMessageArguments(const QStringList &arguments)
{
    LinkRequest request;
    int i = 0;
    for (; i < arguments.size(); ++i) {
        const QString &piece = arguments.at(i);
        if (piece == AddPiece)
            request.addWithoutAsking = true;
        else if (piece.startsWith(SaveDirPiece) && piece.size() > SaveDirPiece.size())
            request.saveFolder = piece.mid(SaveDirPiece.size());
        else
            break;
    }
    request.links = arguments.mid(i);
    return request;
}

StartupCommandLine StartupCommandLine::parse(const QStringList &arguments, const QString &workingFolder)
{
    StartupCommandLine result;
    // The older forms, exactly as they always were.
    if (!arguments.isEmpty() && arguments.first() == LinkUrlForm) {
        if (arguments.size() >= 2)
            result.request.links << arguments.at(1);
        return result;
    }

    QCommandLineParser parser;
    addOptions(&parser);
    if (!parser.parse(QStringList{QStringLiteral("zantor")} + withoutToolkitOptions(arguments))) {
        result.action = Fail;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = ShowHelp;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = ShowVersion;
        return result;
    }

    result.startHidden = parser.isSet(QStringLiteral("background"));
    for (const QString &argument : parser.positionalArguments()) {
        const QString candidate = localForm(argument);
        if (argument == HiddenForm)
            result.startHidden = true;
        else if (looksLikeLink(candidate))
            result.request.links << candidate;
        else
            result.ignored << argument;
    }
    result.request.addWithoutAsking = parser.isSet(QStringLiteral("add"));
    if (parser.isSet(QStringLiteral("save-dir"))) {
        const QString folder = parser.value(QStringLiteral("save-dir"));
        if (folder.isEmpty()) {
            result.action = Fail;
            result.error = tr("The save folder is empty.");
            return result;
        }
        const QDir base(workingFolder.isEmpty() ? QDir::currentPath() : workingFolder);
        result.request.saveFolder = QDir::cleanPath(base.absoluteFilePath(folder));
    }
    if (result.request.isEmpty() && (result.request.addWithoutAsking || !result.request.saveFolder.isEmpty())) {
        result.action = Fail;
        result.error = tr("--add and --save-dir need at least one link.");
    }
    return result;
}

QString StartupCommandLine::helpText()
{
    QCommandLineParser parser;
    addOptions(&parser);
    return parser.helpText();
}

bool StartupCommandLine::looksLikeLink(const QString &argument)
{
    return isDownloadLink(argument) || startsWithScheme(argument, QStringLiteral("magnet:"))
        || QFileInfo::exists(argument);
}

bool StartupCommandLine::isDownloadLink(const QString &link)
{
    return startsWithScheme(link, QStringLiteral("http://")) || startsWithScheme(link, QStringLiteral("https://"))
        || startsWithScheme(link, QStringLiteral("ftp://"));
}
