// store_writeback [N...]
//
// What one download's progress write-back costs beside N stored tasks
// (default 10, 1000, 10000, 50000): the policing loop's write into the task
// store, and the background file write it leads to. Runs on a throw-away
// settings file; prints microseconds per write-back and milliseconds per
// file write.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include "settingsservice.h"
#include "taskstore.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    QList<int> counts;
    for (const QString &arg : QCoreApplication::arguments().mid(1))
        counts << arg.toInt();
    if (counts.isEmpty())
        counts = {10, 1000, 10000, 50000};

    QTextStream out(stdout);
    for (int n : qAsConst(counts)) {
        const QString organisation = QStringLiteral("Bench%1").arg(n);
        SettingsService &service = SettingsService::forOrganisation(organisation, QStringLiteral("zantor"));
        service.setWriteDelay(60000);  // file writes only when asked for below
        ApTaskStore store(organisation, QStringLiteral("zantor"));
        for (int i = 0; i < n; ++i) {
            NewTask task;
            task.url = QStringLiteral("http://127.0.0.1:9/mirror/releases/files/archive-%1.zip").arg(i);
            task.savePathName = QStringLiteral("/home/user/Downloads/archive-%1.zip").arg(i);
            const QString group = QStringLiteral("DownloadTasks/%1").arg(1600000000 + i);
            service.setGroupValues(group, {{QStringLiteral("TaskType"), 3},
                                           {QStringLiteral("URL"), task.url},
                                           {QStringLiteral("SavePathName"), task.savePathName},
                                           {QStringLiteral("State"), 5},
                                           {QStringLiteral("Size"), 10485760},
                                           {QStringLiteral("CompletedSize"), 10485760},
                                           {QStringLiteral("CreationTime"), QStringLiteral("Mon Mar 4 10:00:00 2024")},
                                           {QStringLiteral("URLHostIP"), QStringLiteral("127.0.0.1")}});
        }
        service.flush();

        const qint64 id = 1600000000 + n / 2;
        const int rounds = 20000;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < rounds; ++i)
            store.writeProgress(id, 1000 + i, 1, 10485760, i > 0);
        const double perWrite = timer.nsecsElapsed() / 1000.0 / rounds;

        timer.restart();
        const int flushes = 5;
        for (int i = 0; i < flushes; ++i) {
            store.writeProgress(id, 50000 + i, 1, 10485760, true);
            service.flush();
        }
        const double perFlush = timer.nsecsElapsed() / 1e6 / flushes;
        out << n << " tasks: write-back " << QString::number(perWrite, 'f', 2) << " us, file write "
            << QString::number(perFlush, 'f', 2) << " ms\n";
        out.flush();
    }
    return 0;
}
