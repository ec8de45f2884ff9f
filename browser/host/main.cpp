#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <unistd.h>

#include "browserhostmanifest.h"
#include "hostsession.h"
#include "instanceclient.h"

// The native messaging host: the browsers start it for the extension and talk
// to it over standard input and output. It hands downloads to the `zantor`
// in its own folder.
//
//   zantor-browser-host [origin or manifest path and extension id]
//   zantor-browser-host --manifest chromium|firefox [host path]
//       prints the host manifest (for the package's system-wide copies).
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() >= 3 && arguments.at(1) == QLatin1String("--manifest")) {
        const QString family = arguments.at(2);
        if (family != QLatin1String("chromium") && family != QLatin1String("firefox")) {
            QTextStream(stderr) << "usage: zantor-browser-host --manifest chromium|firefox [host path]\n";
            return 2;
        }
        const QString hostPath
            = arguments.size() >= 4 ? arguments.at(3) : QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
        QTextStream(stdout) << BrowserHostManifest::manifest(
            family == QLatin1String("chromium") ? BrowserHostManifest::Chromium : BrowserHostManifest::Firefox,
            hostPath);
        return 0;
    }

    InstanceClient instance(QCoreApplication::applicationDirPath() + QStringLiteral("/zantor"));
    HostSession session(STDIN_FILENO, STDOUT_FILENO, &instance);
    return session.run();
}
