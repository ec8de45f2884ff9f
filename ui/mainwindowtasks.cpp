// The task table of the main window: rows built from the task store, the
// refreshes the policing thread sends, and the task actions.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QTableWidget>

#include "apinfodialog.h"
#include "lefttorighttextdelegate.h"
#include "applicationinfo.h"
#include "apnewtaskdialog.h"
#include "appolicingthread.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "centredtextdelegate.h"
#include "commonfunctions.h"
#include "taskcommand.h"
#include "taskprogressdelegate.h"
#include "taskstore.h"

namespace {
constexpr int DataRole = Qt::UserRole;
constexpr int ColumnCount = 12;

bool isHttpFtpType(const QString &typeText)
{
    return typeText == QLatin1String("HTTPS") || typeText == QLatin1String("HTTP")
        || typeText == QLatin1String("FTP");
}

// Rows share their icons: one per file suffix and one per state, instead
// of a theme lookup and an icon of its own for each of thousands of rows.
QIcon suffixIcon(const QString &suffix)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(suffix);
    if (it == icons.constEnd())
        it = icons.insert(suffix, Common::fileTypeIcon(suffix, false));
    return *it;
}

QIcon stateIcon(const QString &path)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(path);
    if (it == icons.constEnd())
        it = icons.insert(path, QIcon(path));
    return *it;
}

// Set while the stored tasks are listed at start-up: the table scrolls to
// the bottom once at the end instead of after every row.
bool listingStoredTasks = false;
} // namespace

void MainWindow::setupTable()
{
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    table->setColumnCount(ColumnCount);
    QHeaderView *header = table->horizontalHeader();
    if (m_plastique)
        header->setStyle(m_plastique);
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    const int widths[ColumnCount] = {125, 300, 90, 175, 90, 70, 70, 60, 60, 90, 100, 150};
    for (int column = 0; column < ColumnCount; ++column)
        table->setColumnWidth(column, widths[column]);
    table->setItemDelegateForColumn(TaskColumn::Progress, new TaskProgressDelegate(m_plastique, table));
    // The text cells from the size on are centred.
    auto *centred = new CentredTextDelegate(table);
    for (int column = TaskColumn::Size; column < ColumnCount; ++column) {
        if (column != TaskColumn::Progress)
            table->setItemDelegateForColumn(column, centred);
    }
    // File names keep their order in right-to-left languages.
    table->setItemDelegateForColumn(TaskColumn::TaskName, new LeftToRightTextDelegate(table));
}

// Rows

int MainWindow::findRow(const QString &path) const
{
    const QTableWidgetItem *item = m_rowNameItems.value(path);
    return item ? m_ui->maindownloads_tableWidget->row(item) : -1;
}

bool MainWindow::hasTaskWithPath(const QString &path) const
{
    return findRow(path) >= 0;
}

int MainWindow::rowState(int row) const
{
    const QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, TaskColumn::Status);
    return item ? item->data(DataRole).toInt() : -1;
}

QString MainWindow::rowPath(int row) const
{
    const QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, TaskColumn::TaskName);
    return item ? item->data(DataRole).toString() : QString();
}

QString MainWindow::rowKey(int row) const
{
    const QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, TaskColumn::Type);
    return item ? item->data(DataRole).toString() : QString();
}

QProgressBar *MainWindow::rowProgressBar(int row) const
{
    const QTableWidget *table = m_ui->maindownloads_tableWidget;
    auto *delegate = qobject_cast<TaskProgressDelegate *>(table->itemDelegateForColumn(TaskColumn::Progress));
    const QTableWidgetItem *item = table->item(row, TaskColumn::Progress);
    return delegate && item ? delegate->barFor(table->model()->index(row, TaskColumn::Progress)) : nullptr;
}

namespace {
// The progress cell: maximum 100 with the percentage, or 0 for a busy bar.
void setProgress(QTableWidgetItem *item, int maximum, int value)
{
    if (!item)
        return;
    item->setData(TaskProgressDelegate::MaximumRole, maximum);
    item->setData(TaskProgressDelegate::ValueRole, value);
}
} // namespace

bool MainWindow::addTaskByKey(const QString &key, int *state)
{
    bool ok = false;
    const qint64 id = key.toLongLong(&ok);
    ApTaskStore store;
    std::optional<TaskRecord> record = ok ? store.read(id) : std::nullopt;
    if (!record)
        return false;
    int shownState = TaskLoading;
    if (!buildRow(*record, key, &shownState))
        return false;
    if (state)
        *state = shownState;
    if (record->state != TaskCompleted)
        m_manager->readSettingsOnce();
    return true;
}

bool MainWindow::addNewTask(const QString &key)
{
    if (!addTaskByKey(key)) {
        ApTaskStore().removeKey(key);
        return false;
    }
    TaskCommand command;
    command.code = TaskCommand::Load;
    command.text = key;
    postCommand(command);
    emit taskAdded(key.toLongLong());
    return true;
}

void MainWindow::loadAllTasks()
{
    const QScopedValueRollback<bool> listing(listingStoredTasks, true);
    ApTaskStore store;
    for (const QString &key : store.keys()) {
        int state = TaskLoading;
        if (!addTaskByKey(key, &state)) {
            store.removeKey(key);
            continue;
        }
        if (state != TaskCompleted) {
            TaskCommand command;
            command.code = TaskCommand::Load;
            command.text = key;
            postCommand(command);
        }
    }
    m_ui->maindownloads_tableWidget->scrollToBottom();
}

bool MainWindow::buildRow(const TaskRecord &record, const QString &key, int *shownState)
{
    QStringList paths;
    const QString path = QDir::toNativeSeparators(record.savePathName);
    if (hasTaskWithPath(path))
        paths << path;
    switch (TaskStore::checkListable(record, paths)) {
    case TaskStore::ListCheck::NotHttpFtpTask:
        return false;
    case TaskStore::ListCheck::DuplicatePath:
        showInfoDialog(this, tr("A task with the same path already exists. This task cannot be added."),
                       ApInfoDialog::OkOnly);
        return false;
    case TaskStore::ListCheck::IncorrectUrl:
        showInfoDialog(this, tr("It is an incorrect URL. Please try another one."), ApInfoDialog::OkOnly);
        return false;
    case TaskStore::ListCheck::Listable:
        break;
    }

    TaskRowData row;
    row.savePath = QDir::toNativeSeparators(record.savePathName);
    row.state = TaskStore::shownStateAtLoad(record.state);
    *shownState = row.state;
    row.fileName = QFileInfo(record.savePathName).fileName();
    row.completedSize = record.completedSize;
    const qint64 total = record.state == TaskCompleted ? record.completedSize : record.size;
    row.sizeText = Common::sizeText(double(total));
    row.percentage = TaskStore::percentage(record.completedSize, total);
    row.downloadSpeedText = QStringLiteral("0 B/s");
    row.uploadSpeedText = QStringLiteral("0 B/s");
    row.sourcesText = QStringLiteral("0/0");
    row.typeText = TaskStore::protocolText(record.url);
    row.taskKey = key;
    row.queueText = QStringLiteral("-");
    row.timeLeftText = QStringLiteral("-");
    row.timeElapsedText = QStringLiteral("0 s");
    row.creationTimeText = ApTaskStore().ensureCreationTime(record.id);
    appendRow(row, total);
    return true;
}

void MainWindow::appendRow(const TaskRowData &data, qint64 totalSize)
{
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    // Sorting would move the row away while its cells are filled.
    const bool sorting = table->isSortingEnabled();
    table->setSortingEnabled(false);
    const int row = table->rowCount();
    table->insertRow(row);

    table->setItem(row, TaskColumn::Status, new QTableWidgetItem);
    setRowState(row, data.state);

    auto *name = new QTableWidgetItem(data.fileName);
    name->setToolTip(data.fileName);
    name->setIcon(suffixIcon(QFileInfo(data.fileName).suffix()));
    name->setData(DataRole, data.savePath);
    table->setItem(row, TaskColumn::TaskName, name);
    m_rowNameItems.insert(data.savePath, name);

    const QString texts[] = {data.sizeText,   QString(),          data.downloadSpeedText, data.uploadSpeedText,
                             data.sourcesText, data.typeText,     data.queueText,         data.timeLeftText,
                             data.timeElapsedText, data.creationTimeText};
    for (int column = TaskColumn::Size; column < ColumnCount; ++column) {
        table->setItem(row, column, new QTableWidgetItem(texts[column - TaskColumn::Size]));
    }
    table->item(row, TaskColumn::Type)->setData(DataRole, data.taskKey);

    if (totalSize == 0 && data.state == TaskLoading)
        setProgress(table->item(row, TaskColumn::Progress), 0, 0);
    else
        setProgress(table->item(row, TaskColumn::Progress), 100, data.percentage);
    table->setSortingEnabled(sorting);
    if (!listingStoredTasks)
        table->scrollToBottom();
}

void MainWindow::setRowState(int row, int state)
{
    QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, TaskColumn::Status);
    if (!item)
        return;
    const QVariant before = item->data(DataRole);
    item->setData(DataRole, state);
    if (before.isValid())
        noteStateChange(row, before.toInt(), state);
    const QString label = TaskStore::stateLabel(state);
    if (label.isEmpty())
        return;
    item->setText(label);
    // A failed row says why in its tool tip, when the engine knows.
    const QString reason = state == TaskFailed ? failureReason(rowPath(row)) : QString();
    item->setToolTip(reason.isEmpty() ? label : label + QStringLiteral(": ") + reason);
    item->setIcon(stateIcon(TaskStore::stateIconPath(state)));
}

void MainWindow::noteStateChange(int row, int before, int after)
{
    if (before == after)
        return;
    const qint64 id = rowKey(row).toLongLong();
    if (id == 0)
        return;
    if (TaskStore::storedStateFor(before) != TaskStore::storedStateFor(after))
        emit taskStateChanged(id, TaskStore::storedStateFor(after));
    if (after == TaskCompleted)
        emit taskFinished(id, true, QString());
    else if (after == TaskFailed)
        emit taskFinished(id, false, failureReason(rowPath(row)));
}

void MainWindow::setCellText(int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, column))
        item->setText(text);
}

void MainWindow::resetRowTransferCells(int row)
{
    setCellText(row, TaskColumn::Download, QStringLiteral("0 B/s"));
    setCellText(row, TaskColumn::Upload, QStringLiteral("0 B/s"));
    setCellText(row, TaskColumn::Sources, QStringLiteral("0/0"));
    setCellText(row, TaskColumn::Queue, QStringLiteral("-"));
    setCellText(row, TaskColumn::TimeLeft, QStringLiteral("-"));
}

// Refreshes from the policing thread

void MainWindow::updateMainDownloadsTableRow(const QString &path, const QList<int> &columns,
                                             const TaskRowData &data, int state)
{
    const int row = findRow(path);
    if (row < 0)
        return;
    for (int column : columns) {
        switch (column) {
        case TaskColumn::Status:
            if (state == TaskLoading || state == 2) {
                QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, column);
                const int before = item->data(DataRole).toInt();
                item->setData(DataRole, state);
                noteStateChange(row, before, state);
            } else
                setRowState(row, state);
            // A failed task waiting for its retry says when it comes.
            if (!data.statusText.isEmpty()) {
                QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, column);
                item->setText(data.statusText);
                item->setToolTip(item->toolTip() + QLatin1Char('\n') + data.statusText);
            }
            break;
        case TaskColumn::Size: setCellText(row, column, data.sizeText); break;
        case TaskColumn::Progress:
            if (state == TaskLoading)
                setProgress(m_ui->maindownloads_tableWidget->item(row, column), 0, 0);
            else
                setProgress(m_ui->maindownloads_tableWidget->item(row, column), 100, data.percentage);
            break;
        case TaskColumn::Download: setCellText(row, column, data.downloadSpeedText); break;
        case TaskColumn::Upload: setCellText(row, column, data.uploadSpeedText); break;
        case TaskColumn::Sources: setCellText(row, column, data.sourcesText); break;
        case TaskColumn::Queue: setCellText(row, column, data.queueText); break;
        case TaskColumn::TimeLeft: setCellText(row, column, data.timeLeftText); break;
        case TaskColumn::TimeElapsed: setCellText(row, column, data.timeElapsedText); break;
        default: break;  // name, type and creation time never change
        }
    }
}

void MainWindow::setCompletedDownloadTaskMainDownloadsTableRow(const QString &path)
{
    qint64 total = 0;
    if (ApTvoDownloadTaskThread *thread = m_manager->findTask(path))
        total = thread->task().total.load();
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (rowPath(row) != path)
            continue;
        setRowState(row, TaskCompleted);
        setCellText(row, TaskColumn::Size, Common::sizeText(double(total)));
        setProgress(table->item(row, TaskColumn::Progress), 100, 100);
        setCellText(row, TaskColumn::Download, QStringLiteral("0 B/s"));
        setCellText(row, TaskColumn::Upload, QStringLiteral("0 B/s"));
        setCellText(row, TaskColumn::Sources, QStringLiteral("0/0"));
        setCellText(row, TaskColumn::Queue, QStringLiteral("-"));
        setCellText(row, TaskColumn::TimeLeft, QStringLiteral("0 s"));
    }
}

void MainWindow::refreshMainDownloadsListings()
{
    applyFilter(m_filter);
}

// Filters

void MainWindow::applyFilter(ListFilter filter)
{
    m_filter = filter;
    m_ui->top_stackedWidget->setCurrentWidget(m_ui->downloads_stackedPage);
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    for (int row = 0; row < table->rowCount(); ++row) {
        const int state = rowState(row);
        // Waiting tasks count as downloading: they run as soon as a slot frees.
        const bool shown = filter == AllTasks
            || (filter == DownloadingTasks && (state == TaskDownloading || state == TaskQueued))
            || (filter == CompletedTasks && state == TaskCompleted);
        table->setRowHidden(row, !shown);
    }
}

void MainWindow::on_alltasks_commandLinkButton_clicked() { applyFilter(AllTasks); }
void MainWindow::on_downloading_commandLinkButton_clicked() { applyFilter(DownloadingTasks); }
void MainWindow::on_completed_commandLinkButton_clicked() { applyFilter(CompletedTasks); }

// Task actions

QList<int> MainWindow::selectedVisibleRows() const
{
    const QTableWidget *table = m_ui->maindownloads_tableWidget;
    QList<int> rows;
    for (const QTableWidgetSelectionRange &range : table->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            if (!table->isRowHidden(row) && !rows.contains(row))
                rows << row;
        }
    }
    return rows;
}

QList<int> MainWindow::visibleRows() const
{
    const QTableWidget *table = m_ui->maindownloads_tableWidget;
    QList<int> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (!table->isRowHidden(row))
            rows << row;
    }
    return rows;
}

void MainWindow::changeSelectedTasks(int commandCode, bool startWaiting)
{
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    if (table->selectedRanges().isEmpty())
        return;
    changeTasks(selectedVisibleRows(), commandCode, startWaiting);
    // The selection stays: the rows' states changed, not the user's choice,
    // and the next Start, Pause or Stop acts on the same rows.
}

// The All actions act on every row the filter shows, leaving the user's
// own selection as it is.
void MainWindow::changeAllTasks(int commandCode)
{
    if (m_ui->maindownloads_tableWidget->rowCount() == 0)
        return;
    changeTasks(visibleRows(), commandCode, false);
}

void MainWindow::changeTasks(const QList<int> &rows, int commandCode, bool startWaiting)
{
    TaskCommand command;
    command.code = commandCode;
    ApTaskStore store;
    for (int row : rows) {
        const int state = rowState(row);
        int newState = -1;
        switch (commandCode) {
        case TaskCommand::Start:
            if (state == TaskPaused || state == TaskStopped || state == TaskFailed
                || (startWaiting && state == TaskQueued))
                newState = TaskDownloading;
            break;
        case TaskCommand::Pause:
            if (state == TaskDownloading || state == TaskChecking || state == TaskQueued)
                newState = TaskPaused;
            break;
        case TaskCommand::Stop:
            if (state == TaskDownloading || state == TaskPaused || state == TaskChecking || state == TaskQueued)
                newState = TaskStopped;
            break;
        default: break;
        }
        if (newState < 0)
            continue;
        command.paths << rowPath(row);
        setRowState(row, newState);
        if (commandCode != TaskCommand::Start)
            resetRowTransferCells(row);
        store.writeState(rowKey(row).toLongLong(), newState);
    }
    postCommand(command);
}

void MainWindow::on_actionStart_triggered() { changeSelectedTasks(TaskCommand::Start, true); }
void MainWindow::on_actionPause_triggered() { changeSelectedTasks(TaskCommand::Pause); }
void MainWindow::on_actionStop_triggered() { changeSelectedTasks(TaskCommand::Stop); }

// Start All leaves waiting tasks in line: starting every one of them at
// once is what the line is there to prevent.
void MainWindow::on_actionStart_All_triggered() { changeAllTasks(TaskCommand::Start); }

void MainWindow::on_actionMove_Up_triggered() { moveSelectedTask(-1); }
void MainWindow::on_actionMove_Down_triggered() { moveSelectedTask(1); }

void MainWindow::moveSelectedTask(int delta)
{
    const QList<int> rows = selectedVisibleRows();
    if (rows.isEmpty() || rowState(rows.first()) != TaskQueued)
        return;
    const int row = rows.first();
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    // The places swap in the table at once; the loop's next pass confirms them.
    bool ok = false;
    const int place = table->item(row, TaskColumn::Queue)->text().toInt(&ok);
    if (ok) {
        const QString other = QString::number(place + delta);
        for (int r = 0; r < table->rowCount(); ++r) {
            if (r != row && rowState(r) == TaskQueued && table->item(r, TaskColumn::Queue)->text() == other) {
                setCellText(r, TaskColumn::Queue, QString::number(place));
                setCellText(row, TaskColumn::Queue, other);
                break;
            }
        }
    }
    TaskCommand command;
    command.code = delta < 0 ? TaskCommand::MoveUp : TaskCommand::MoveDown;
    command.paths << rowPath(row);
    postCommand(command);
}

void MainWindow::on_actionPause_All_triggered() { changeAllTasks(TaskCommand::Pause); }

void MainWindow::on_actionStop_All_triggered() { changeAllTasks(TaskCommand::Stop); }

void MainWindow::on_actionDelete_triggered() { deleteSelectedTasks(false); }
void MainWindow::on_actionDelete_Task_Files_triggered() { deleteSelectedTasks(true); }

void MainWindow::deleteSelectedTasks(bool withFiles)
{
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    if (table->selectedRanges().isEmpty())
        return;
    if (withFiles
        && showInfoDialog(this, tr("Delete both task and files? Press OK to confirm."), ApInfoDialog::OkCancel)
            != ApInfoDialog::Accepted)
        return;
    deleteRows(selectedVisibleRows(), withFiles);
    table->clearSelection();
    showDefaultBottomStackedPage();
}

int MainWindow::deleteRows(const QList<int> &rows, bool withFiles)
{
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    TaskCommand command;
    command.code = TaskCommand::Delete;
    command.withFiles = withFiles;
    ApTaskStore store;
    for (int row : rows) {
        const int state = rowState(row);
        if (state == TaskLoading)
            continue;
        const QString path = rowPath(row);
        const QString type = table->item(row, TaskColumn::Type)->text();
        if (withFiles && isHttpFtpType(type) && state == TaskCompleted)
            QFile::remove(path);
        store.removeKey(rowKey(row));
        command.paths << path;
    }
    command.allRows = command.paths.size() == table->rowCount();
    for (const QString &path : qAsConst(command.paths)) {
        const int row = findRow(path);
        if (row >= 0) {
            m_rowNameItems.remove(path);
            table->removeRow(row);
        }
    }
    postCommand(command);
    return command.paths.size();
}

// Opening files

void MainWindow::openTaskFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.suffix().isEmpty()) {
        m_pathOpener(info.absolutePath());
        emit taskFileOpened(info.absolutePath(), 1);
    } else if (Common::isPlayerType(info.suffix())) {
        Common::startCompanion(*m_appInfo, Common::CompanionPlayer,
                               {QStringLiteral("/file"), path, QStringLiteral("0"), m_appInfo->advertisementBaseUrl()});
        emit taskFileOpened(path, 2);
    } else {
        m_pathOpener(path);
        emit taskFileOpened(path, 0);
    }
}

void MainWindow::on_actionOpen_Task_File_Maindownloadtable_triggered()
{
    const QList<int> rows = selectedVisibleRows();
    if (!rows.isEmpty())
        openTaskFile(rowPath(rows.first()));
}

void MainWindow::on_maindownloads_tableWidget_itemDoubleClicked(QTableWidgetItem *item)
{
    const QString path = rowPath(item->row());
    if (QFileInfo::exists(path))
        openTaskFile(path);
}

void MainWindow::on_actionOpen_Task_File_Folder_Maindownloadtable_triggered()
{
    const QList<int> rows = selectedVisibleRows();
    if (rows.isEmpty())
        return;
    const QFileInfo info(rowPath(rows.first()));
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.isFile() ? info.absolutePath() : QString();
    if (folder.isEmpty())
        return;
    m_pathOpener(folder);
    emit taskFileOpened(folder, 1);
}

void MainWindow::on_actionDownload_Task_Properties_triggered()
{
    for (int row : selectedVisibleRows()) {
        if (!isHttpFtpType(m_ui->maindownloads_tableWidget->item(row, TaskColumn::Type)->text()))
            continue;
        m_modalDialogOpen = true;
        m_newTaskDialog->openForProperties(HttpFtpTaskType, rowKey(row));
        m_modalDialogOpen = false;
        return;
    }
}

void MainWindow::on_maindownloads_tableWidget_itemSelectionChanged()
{
    const QList<int> rows = selectedVisibleRows();
    if (rows.isEmpty()) {
        showDefaultBottomStackedPage();
        return;
    }
    // The information panel fills itself from the policing thread's answer.
    m_policing->requestTaskInfo();
    showBannerAdvertisements(rowKey(rows.first()));
}

void MainWindow::on_maindownloads_tableWidget_customContextMenuRequested(const QPoint &pos)
{
    QTableWidget *table = m_ui->maindownloads_tableWidget;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("maindownloads_contextMenu"));
    const QList<int> rows = selectedVisibleRows();
    if (rows.isEmpty()) {
        menu.addAction(m_ui->actionWeb_Video_Download);
        menu.addAction(m_ui->actionHttp_Ftp);
    } else {
        const int row = rows.first();
        const int state = rowState(row);
        if (QFileInfo(rowPath(row)).isFile())
            menu.addAction(m_ui->actionOpen_Task_File_Maindownloadtable);
        menu.addAction(m_ui->actionOpen_Task_File_Folder_Maindownloadtable);
        menu.addSeparator();
        menu.addAction(m_ui->actionShow_Search_Page);
        menu.addSeparator();
        menu.addAction(m_ui->actionConvert_Media);
        menu.addSeparator();
        if (state != TaskCompleted) {
            menu.addAction(m_ui->actionStart);
            if (state != TaskFailed) {
                menu.addAction(m_ui->actionPause);
                menu.addAction(m_ui->actionStop);
            }
            // The place in line of a waiting task.
            m_ui->actionMove_Up->setEnabled(state == TaskQueued);
            m_ui->actionMove_Down->setEnabled(state == TaskQueued);
            menu.addAction(m_ui->actionMove_Up);
            menu.addAction(m_ui->actionMove_Down);
        }
        menu.addAction(m_ui->actionDelete);
        menu.addAction(m_ui->actionDelete_Task_Files);
        menu.addSeparator();
        m_ui->actionDownload_Task_Properties->setEnabled(true);
        menu.addAction(m_ui->actionDownload_Task_Properties);
    }
    emit contextMenuAboutToShow(&menu);
    menu.exec(table->viewport()->mapToGlobal(pos));
}
