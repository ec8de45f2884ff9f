// The crash-report program: "tvocr /crash-tarvo <fault name>" keeps a short
// report in the user data folder and tells the user. Nothing is sent.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

#include "applicationinfo.h"
#include "programstart.h"

namespace {

QString writeReport(const ApplicationInfo &info, const QString &faultName)
{
    const QString folder = info.userDataFolder() + QStringLiteral("/crash");
    if (!QDir().mkpath(folder))
        return QString();
    const QDateTime now = QDateTime::currentDateTime();
    const QString path = folder + QStringLiteral("/crash-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))
        + QStringLiteral(".txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::NewOnly))
        return QString();
    QTextStream out(&file);
    out << "Time: " << now.toString(Qt::ISODateWithMs) << '\n'
        << "Exception: " << faultName << '\n'
        << "Program: " << info.displayName() << ' ' << info.versionText() << '\n'
        << "System: " << info.systemVersion() << '\n';
    out.flush();
    return file.error() == QFileDevice::NoError ? path : QString();
}

// On a screen nobody looks at (offscreen, minimal) the box is built and
// shown but closes by itself, so the program never waits for a click.
bool screenIsVisible()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

int main(int argc, char *argv[])
{
    ProgramStart::enableHighDpi();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2 || args.first() != QLatin1String("/crash-tarvo") || args.at(1).isEmpty()) {
        QTextStream(stderr) << "usage: tvocr /crash-tarvo <exception name>\n";
        return 2;
    }

    const ApplicationInfo info;
    const QString faultName = args.at(1);
    const QString reportPath = writeReport(info, faultName);

    const QString title = QApplication::translate("CrashReport", "%1 crash report").arg(info.displayName());
    QString text = QApplication::translate("CrashReport", "%1 %2 ended unexpectedly (%3).")
                       .arg(info.displayName(), info.versionText(), faultName);
    if (!reportPath.isEmpty())
        text += QLatin1Char('\n') + QApplication::translate("CrashReport", "A report was saved to %1.")
                                        .arg(QDir::toNativeSeparators(reportPath));
    text += QLatin1Char('\n') + QApplication::translate("CrashReport", "Nothing has been sent anywhere.");

    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    if (!screenIsVisible())
        QTimer::singleShot(0, &box, &QMessageBox::accept);
    box.exec();
    QTextStream(stdout) << reportPath << '\n';
    return reportPath.isEmpty() ? 1 : 0;
}
