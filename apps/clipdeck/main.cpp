#include <QApplication>
#include <QLoggingCategory>
#include <QProcess>

#include <memory>

#include "mainwindow.h"
#include "playercommandline.h"
#include "playerinfo.h"
#include "programstart.h"
#include "singleinstance.h"

Q_LOGGING_CATEGORY(lcClipdeck, "clipdeck.startup", QtWarningMsg)

namespace {
const char toolTipStyleSheet[] =
    "QToolTip{background-color:rgb(14,63,88);border-color:rgb(130,130,130);border-width:1px;"
    "border-style:solid;color:rgb(202,228,255);opacity:245;}";
} // namespace

// clipdeck [FILE [HIDE BASE]] | clipdeck /file FILE HIDE BASE
int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(zantor);
    Q_INIT_RESOURCE(player);

    const int answered = ProgramStart::answerCompanion(argc, argv, [] {
        return ProgramStart::companionHelp(
            QCoreApplication::translate("PlayerCommandLine", "Media player for MP4 and FLV files, with a play list."),
            QCoreApplication::translate("PlayerCommandLine", "[file [hide-flag advertisement-base]]"),
            QCoreApplication::translate("PlayerCommandLine",
                                        "A file to play, added to the play list; a running player takes it. "
                                        "Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE."));
    });
    if (answered >= 0)
        return answered;
    ProgramStart::enableHighDpi();

    auto app = std::make_unique<QApplication>(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("clipdeck"));
    auto instance = std::make_unique<SingleInstance>(QCoreApplication::applicationFilePath());
    const bool anotherRuns = !instance->claim();
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());

    const Player::PlayerCommandLine commandLine =
        Player::PlayerCommandLine::parse(QCoreApplication::arguments().mid(1));
    if (anotherRuns && commandLine.hasFile()) {
        SingleInstance::sendMessage(instance->serverName(), commandLine.message());
        return 0;
    }

    app->setStyleSheet(QString::fromLatin1(toolTipStyleSheet));

    // A second window (started without a file) leaves the endpoint to the
    // running player.
    auto window = std::make_unique<Player::MainWindow>(Player::PlayerInfo::standard(),
                                                       anotherRuns ? QString() : instance->serverName());
    window->openFile(false, commandLine.file, commandLine.hideFlag, commandLine.advertisementBase);
    window->resize(600, 380);
    window->show();
    qCDebug(lcClipdeck, "window ready%s", anotherRuns ? " (second window)" : "");

    const int status = app->exec();
    const bool restart = window->restartRequested();
    window.reset();
    instance.reset();
    if (restart)
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, QCoreApplication::applicationDirPath());
    app.reset();
    return status;
}
