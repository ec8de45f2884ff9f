#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSessionManager>
#include <QTimer>

#include <memory>

#include "apinfodialog.h"
#include "apspeedguifloating.h"
#include "crashhandler.h"
#include "ipcmessage.h"
#include "mainwindow.h"
#include "programstart.h"
#include "settingsservice.h"
#include "singleinstance.h"
#include "startupcommandline.h"
#include "terminationsignals.h"

Q_LOGGING_CATEGORY(lcStartup, "zantor.startup", QtWarningMsg)

namespace {
constexpr int StartupLinkDelayMs = 500;

const char toolTipStyleSheet[] =
    "QToolTip{background-color:rgb(14,63,88);border-color:rgb(130,130,130);border-width:1px;"
    "border-style:solid;color:rgb(202,228,255);opacity:245;}";
} // namespace

int main(int argc, char *argv[])
{
    // The command line is read before the application object exists, so
    // --help, --version and a mistyped option need no display.
    const StartupCommandLine commandLine = StartupCommandLine::parse(ProgramStart::arguments(argc, argv));
    const QString programName = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    switch (commandLine.action) {
    case StartupCommandLine::ShowHelp:
        return ProgramStart::printAnswer(argc, argv, ProgramStart::Answer::Help, &StartupCommandLine::helpText, {});
    case StartupCommandLine::ShowVersion:
        return ProgramStart::printAnswer(argc, argv, ProgramStart::Answer::Version, {}, {});
    case StartupCommandLine::Fail:
        return ProgramStart::printUsageError(programName, commandLine.error);
    case StartupCommandLine::Run:
        break;
    }
    for (const QString &argument : commandLine.ignored)
        ProgramStart::printWarning(programName,
                                   QCoreApplication::translate("StartupCommandLine", "not a link, ignored: %1")
                                       .arg(argument));

    Q_INIT_RESOURCE(zantor);
    CrashHandler::install();
    ProgramStart::enableHighDpi();

    // No widget of this program draws with OpenGL. Plain raster windows
    // keep the X server's GL driver (and the compiler it brings along, some
    // fifty megabytes) out of the process.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    auto app = std::make_unique<QApplication>(argc, argv);
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zantor"));

    auto instance = std::make_unique<SingleInstance>(QCoreApplication::applicationFilePath());
    const bool anotherRuns = !instance->claim();

    // Qt plug-ins may lie next to the program.
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());

    if (anotherRuns) {
        // The running instance is the only acknowledgement; whatever happens,
        // this process ends quietly.
        if (!commandLine.request.isEmpty())
            SingleInstance::sendMessage(
                instance->serverName(),
                IpcMessage::build(QStringLiteral("link-url"), commandLine.request.messageArguments()));
        // A plain start asks for the running window; a start in the
        // background (the session's autostart) leaves it where it is.
        else if (!commandLine.startHidden)
            SingleInstance::sendMessage(instance->serverName(),
                                        IpcMessage::build(IpcMessage::showWindowCommand(), QStringList()));
        return 0;
    }

    TerminationSignals::quitApplicationOnTermination();
    // The program lives on in the tray when its last window closes; it
    // ends through Exit, a close that quits, or a termination signal.
    app->setQuitOnLastWindowClosed(false);
    // Settings reach the disk in the background; whatever is still pending
    // is written when the program quits (also on SIGTERM, SIGINT, SIGHUP)
    // and when the desktop session ends.
    QObject::connect(app.get(), &QCoreApplication::aboutToQuit, [] { SettingsService::flushAll(); });
    QObject::connect(app.get(), &QGuiApplication::commitDataRequest,
                     [](QSessionManager &) { SettingsService::flushAll(); });
    app->setStyleSheet(QString::fromLatin1(toolTipStyleSheet));
    ApInfoDialog::setProgramWindowIcon(QStringLiteral(":/icons/mime_file.png"));

    auto window = std::make_unique<MainWindow>();
    if (commandLine.startHidden) {
        window->startHidden();
    } else {
        window->show();
    }
    qCDebug(lcStartup, "main window ready: %s%s", window->isVisible() ? "visible" : "hidden",
            window->isMinimized() ? ", minimised" : "");

    if (!commandLine.request.isEmpty()) {
        window->setStartupRequest(commandLine.request);
        QTimer::singleShot(StartupLinkDelayMs, window.get(), &MainWindow::startupLoadLinkCallback);
    }

    std::unique_ptr<ApSpeedGuiFloating> floating = window->createFloatingWindow();

    const int status = app->exec();
    floating.reset();
    window.reset();
    SettingsService::flushAll();
    instance.reset();
    app.reset();
    return status;
}
