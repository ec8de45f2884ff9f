#include <QApplication>
#include <QLoggingCategory>

#include <memory>

#include "applicationinfo.h"
#include "dialog.h"
#include "ipcmessage.h"
#include "programstart.h"
#include "singleinstance.h"

Q_LOGGING_CATEGORY(lcMapglance, "mapglance.startup", QtWarningMsg)

// mapglance /geo-ip ADDRESS&DOMAIN
int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(zantor);
    Q_INIT_RESOURCE(locationviewer);

    const int answered = ProgramStart::answerCompanion(argc, argv, [] {
        return ProgramStart::companionHelp(
            QCoreApplication::translate("LocationCommandLine", "Shows where a download server is on a map."),
            QStringLiteral("/geo-ip <address>&<domain>"),
            QCoreApplication::translate("LocationCommandLine",
                                        "The server's address and domain; a running viewer takes them."));
    });
    if (answered >= 0)
        return answered;
    ProgramStart::enableHighDpi();

    auto app = std::make_unique<QApplication>(argc, argv);
    auto instance = std::make_unique<SingleInstance>(QCoreApplication::applicationFilePath());
    const bool anotherRuns = !instance->claim();
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2 || arguments.at(0) != QLatin1String("/geo-ip"))
        return 0;
    const QString value = arguments.at(1);

    if (anotherRuns) {
        SingleInstance::sendMessage(instance->serverName(), IpcMessage::build(QStringLiteral("geo-ip"), value));
        return 0;
    }

    auto dialog = std::make_unique<LocationViewer::Dialog>(ApplicationInfo::defaultHomeUrl(), instance->serverName());
    dialog->showLocation(value);
    dialog->show();
    qCDebug(lcMapglance, "window ready");

    const int status = app->exec();
    dialog.reset();
    instance.reset();
    app.reset();
    return status;
}
