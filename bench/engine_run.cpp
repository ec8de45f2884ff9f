// engine_run URL OUTPUT_PATH [--timeout SECONDS]
//
// Runs one download the whole way the window drives it, without a window:
// a task record in the store, command 9 to the policing loop, the manager
// and its connections, the completion pass, and the store's "State" 5 with
// "CompletedSize". Prints the loop's row updates as they come. The store
// lives in a throw-away configuration folder, so the user's task list is
// never touched. Exits 0 only when the store says the task completed.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "applicationinfo.h"
#include "apenginewindow.h"
#include "appolicingthread.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "taskcommand.h"
#include "taskstore.h"

namespace {

class ConsoleWindow final : public ApEngineWindow
{
public:
    explicit ConsoleWindow(QTextStream &out) : m_out(out) {}
    QString completedKey;

    void updateMainDownloadsTableRow(const QString &, const QList<int> &, const TaskRowData &row, int state) override
    {
        m_out << "state " << state << "  " << row.percentage << "%  " << row.downloadSpeedText << "  sources "
              << row.sourcesText << "  elapsed " << row.timeElapsedText << "\n";
        m_out.flush();
    }
    void setCompletedDownloadTaskMainDownloadsTableRow(const QString &) override {}
    void refreshMainDownloadsListings() override {}
    void showDefaultBottomStackedPage() override {}
    bool isTaskInfoShown(const QString &) const override { return false; }
    void displayDownloadTaskInfo(const QString &) override {}
    void notifyTaskCompletion(const QString &, const QString &key) override
    {
        completedKey = key;
        QCoreApplication::quit();
    }
    void showUpdateNotifyMessage(const QString &, int) override {}
    void setStatusbarRates(const QString &, const QString &) override {}
    void setSpeed(qint64, qint64) override {}
    void setTrayIconToolTip(const QString &) override {}
    void updateStatusbarScheduleTaskInfo(const QString &) override {}
    void resetScheduleStatus() override {}
    void saveWindowSettings() override {}
    void runScheduledAction(int) override {}

private:
    QTextStream &m_out;
};

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config(QDir::tempPath() + QStringLiteral("/engine-run-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: engine_run URL OUTPUT_PATH [--timeout SECONDS]\n";
        return 2;
    }
    int timeoutSeconds = 600;
    if (args.size() == 5 && args.at(3) == QLatin1String("--timeout"))
        timeoutSeconds = args.at(4).toInt();

    ApplicationInfo info;
    ApTaskStore store;
    NewTask task;
    task.url = args.at(1);
    task.savePathName = QDir::toNativeSeparators(QFileInfo(args.at(2)).absoluteFilePath());
    const qint64 id = store.create(task);
    if (id == 0) {
        err << "cannot write the task store\n";
        return 1;
    }

    ConsoleWindow window(out);
    ApTvoManager manager(nullptr, &info);
    ApPolicingThread loop(&window, &manager, &info);
    loop.disableUpdateCheck();
    loop.start();

    TaskCommand load;
    load.code = TaskCommand::Load;
    load.text = ApTaskStore::keyFor(id);
    loop.queueCommand(load);

    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(timeoutSeconds * 1000, &app, [&] {
        err << "no completion within " << timeoutSeconds << " s\n";
        QCoreApplication::exit(1);
    });
    const int status = app.exec();
    loop.stopAndWait();
    for (ApTvoDownloadTaskThread *thread : manager.tasks())
        manager.removeTask(thread->task().savePath);

    const auto record = store.read(id);
    const bool completed = status == 0 && record && record->state == TaskCompleted;
    out << "task " << id << (completed ? " completed" : " not completed") << ": store State "
        << (record ? record->state : -1) << ", CompletedSize " << (record ? record->completedSize : 0) << ", Size "
        << (record ? record->size : 0) << ", " << clock.elapsed() / 1000.0 << " s\n";
    return completed ? 0 : 1;
}
