// The window's entry points for other programs (the D-Bus interface): a
// download added, tasks listed, paused, resumed and removed, the queue's
// limit set. They take the paths of the window's own actions and answer
// with an error instead of a message window, so a bad request never leaves
// a half-made task or a dialog waiting for a person.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTableWidget>
#include <QUrl>

#include "apdbusadaptor.h"
#include "appolicingthread.h"
#include "appsettings.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "taskcommand.h"
#include "taskstore.h"

namespace {

MainWindow::RequestResult failure(MainWindow::RequestError error, const QString &message)
{
    MainWindow::RequestResult result;
    result.error = error;
    result.message = message;
    return result;
}

MainWindow::RequestResult unknownTask(qint64 id)
{
    return failure(MainWindow::RequestError::UnknownTask, QStringLiteral("No task has the id %1.").arg(id));
}

// The file name a link gives: the last part of its path, made safe for a
// file system; "download" when the link names none.
QString fileNameFor(const QUrl &url)
{
    QString name = url.fileName(QUrl::FullyDecoded);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QChar(0), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("download");
    return name;
}

} // namespace

MainWindow::RequestResult MainWindow::requestDownload(const DownloadRequest &request)
{
    const QString link = request.url.trimmed();
    const QUrl url(link, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || !TaskStore::isListableUrl(link)
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("ftp")))
        return failure(RequestError::InvalidUrl,
                       QStringLiteral("Not an http, https or ftp link: \"%1\".").arg(request.url.left(200)));
    if (request.speedLimitKiB < 0)
        return failure(RequestError::InvalidArgument, QStringLiteral("The speed limit cannot be negative."));

    // Where the file goes: a folder takes the link's file name; anything
    // else is the full path of the file, in a folder that exists.
    QString target;
    if (request.savePath.isEmpty()) {
        const QString folder = AppSettings::downloadedTo();
        QDir().mkpath(folder);
        target = QDir(folder).filePath(fileNameFor(url));
    } else if (QDir::isRelativePath(request.savePath)) {
        return failure(RequestError::InvalidSavePath,
                       QStringLiteral("The save path must be absolute: \"%1\".").arg(request.savePath));
    } else if (QFileInfo(request.savePath).isDir()) {
        target = QDir(request.savePath).filePath(fileNameFor(url));
    } else {
        target = QDir::cleanPath(request.savePath);
    }
    const QFileInfo file(target);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return failure(RequestError::InvalidSavePath,
                       QStringLiteral("The folder \"%1\" does not exist or cannot be written.")
                           .arg(QDir::toNativeSeparators(file.absolutePath())));
    target = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.exists() || hasTaskWithPath(target))
        return failure(RequestError::InvalidSavePath,
                       QStringLiteral("A file or task already uses the save path \"%1\".").arg(target));

    NewTask task;
    task.url = link;
    task.referer = request.referrer.trimmed();
    task.savePathName = target;
    task.speedLimitKBps = request.speedLimitKiB;
    ApTaskStore store;
    const qint64 id = store.create(task);
    if (id == 0)
        return failure(RequestError::InvalidSavePath, QStringLiteral("The task store cannot be written."));
    // A task added without starting is listed and registered stopped.
    if (!request.start)
        store.writeState(id, TaskStopped);
    if (!addNewTask(ApTaskStore::keyFor(id)))
        return failure(RequestError::InvalidUrl, QStringLiteral("The task could not be listed."));
    RequestResult result;
    result.id = id;
    return result;
}

int MainWindow::findRowByKey(const QString &key) const
{
    for (int row = 0; row < m_ui->maindownloads_tableWidget->rowCount(); ++row) {
        if (rowKey(row) == key)
            return row;
    }
    return -1;
}

QList<MainWindow::TaskSummary> MainWindow::taskSummaries() const
{
    QList<TaskSummary> tasks;
    ApTaskStore store;
    for (int row = 0; row < m_ui->maindownloads_tableWidget->rowCount(); ++row) {
        TaskSummary summary;
        summary.id = rowKey(row).toLongLong();
        summary.savePath = rowPath(row);
        const std::optional<TaskRecord> record = store.read(summary.id);
        if (record) {
            summary.url = record->url;
            summary.state = record->state;
            summary.completed = record->completedSize;
            const qint64 size = TaskStore::shownSize(*record);
            summary.size = size > 0 ? size : -1;
        }
        // A task the engine holds reports what it has now.
        if (ApTvoDownloadTaskThread *thread = m_manager->findTask(summary.savePath)) {
            summary.completed = thread->task().completed.load();
            if (thread->task().total.load() > 0)
                summary.size = thread->task().total.load();
        }
        tasks << summary;
    }
    return tasks;
}

MainWindow::RequestResult MainWindow::pauseTask(qint64 id)
{
    const int row = findRowByKey(ApTaskStore::keyFor(id));
    if (row < 0)
        return unknownTask(id);
    changeTasks({row}, TaskCommand::Pause, false);
    return {};
}

MainWindow::RequestResult MainWindow::resumeTask(qint64 id)
{
    const int row = findRowByKey(ApTaskStore::keyFor(id));
    if (row < 0)
        return unknownTask(id);
    changeTasks({row}, TaskCommand::Start, true);
    return {};
}

MainWindow::RequestResult MainWindow::removeTask(qint64 id, bool withFiles)
{
    const int row = findRowByKey(ApTaskStore::keyFor(id));
    if (row < 0)
        return unknownTask(id);
    if (deleteRows({row}, withFiles) == 0)
        return failure(RequestError::TaskBusy,
                       QStringLiteral("The task %1 is still loading; try again in a moment.").arg(id));
    return {};
}

MainWindow::RequestResult MainWindow::setMaxActiveDownloads(int limit)
{
    if (limit < SettingsRanges::MaxActiveDownloadsMin || limit > SettingsRanges::MaxActiveDownloadsMax)
        return failure(RequestError::InvalidArgument,
                       QStringLiteral("The number of active downloads must lie between %1 and %2 (0 = no limit).")
                           .arg(SettingsRanges::MaxActiveDownloadsMin)
                           .arg(SettingsRanges::MaxActiveDownloadsMax));
    AppSettings::setMaxActiveDownloads(limit);
    m_policing->setMaxActiveDownloads(limit);
    return {};
}

void MainWindow::startRemoteControl()
{
    ApDBusAdaptor::publish(this, QDBusConnection::sessionBus());
}
