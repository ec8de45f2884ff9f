#include <QApplication>

#include "apinfodialog.h"
#include "applicationinfo.h"
#include "appluginupdater.h"
#include "languages.h"
#include "programstart.h"
#include "settingsstore.h"
#include "updatecheck.h"
#include "updatermainwindow.h"

// updater PRODUCT-NAME MANIFEST-URL RELEASE-NUMBER
int main(int argc, char *argv[])
{
    if (argc < 4)
        return 0;

    ProgramStart::enableHighDpi();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());
    Q_INIT_RESOURCE(zantor);

    Updater::MainWindow window(UpdateNotify::segmentKey(QCoreApplication::applicationDirPath()));

    // The interface language is the main program's choice.
    QString language;
    {
        SettingsStore store;
        language = store->value(QStringLiteral("Language"), QStringLiteral("null")).toString();
    }
    Languages::install(QStringLiteral(":/langs"),
                       Languages::choose(language, ApplicationInfo::standardLanguageTable()));

    window.updater()->setAsker([&window](const QString &text) { return showInfoDialog(&window, text, 2); });

    const QStringList args = QCoreApplication::arguments();
    window.startCheck(args.at(1), args.at(2), args.at(3).toInt());
    return app.exec();
}
