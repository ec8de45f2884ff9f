// The main window's lower information panel, its schedule and its settings
// dialog: the wiring between the window and the classes that do the work.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableWidget>

#include "apconfigdialog.h"
#include "applicationinfo.h"
#include "appolicingthread.h"
#include "appsettings.h"
#include "apschedulecontroller.h"
#include "aptaskinfopanel.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "taskcommand.h"
#include "taskstore.h"

void MainWindow::setupPanels()
{
    // The panel's bars have fixed widths; it scrolls rather than holding the
    // whole window at its width.
    m_taskInfoScroll = new QScrollArea(m_ui->bottom_stackedWidget);
    m_taskInfoScroll->setObjectName(QStringLiteral("taskinfo_scrollArea"));
    m_taskInfoScroll->setFrameShape(QFrame::NoFrame);
    m_taskInfoScroll->setWidgetResizable(true);
    m_taskInfoPanel = new ApTaskInfoPanel(m_appInfo.get(), m_manager, m_taskInfoScroll);
    m_taskInfoScroll->setWidget(m_taskInfoPanel);
    m_ui->bottom_stackedWidget->addWidget(m_taskInfoScroll);
    setupBannerPlaces();
    connect(m_taskInfoPanel, &ApTaskInfoPanel::previewRequested, this, &MainWindow::previewTask);

    m_schedule = new ApScheduleController(this, m_policing, m_ui->actionSchedule_Task);
    m_schedule->setModalFlagHandler([this](bool open) { m_modalDialogOpen = open; });
    // After the lock picture, before the download rate.
    statusBar()->insertPermanentWidget(1, m_schedule->statusWidget());
    statusBar()->insertPermanentWidget(2, m_schedule->statusLabel());

    m_configDialog = new ApConfigDialog(this);
}

QAction *MainWindow::scheduleAction() const { return m_ui->actionSchedule_Task; }
QAction *MainWindow::settingsAction() const { return m_ui->actionSettings; }

// Information panel

void MainWindow::showDefaultBottomStackedPage()
{
    m_ui->bottom_stackedWidget->setCurrentWidget(m_ui->default_bottom_stackedPage);
    if (m_taskInfoPanel)
        m_taskInfoPanel->clear();
}

bool MainWindow::isTaskInfoShown(const QString &path) const
{
    return m_taskInfoPanel && m_ui->bottom_stackedWidget->currentWidget() == m_taskInfoScroll
        && m_taskInfoPanel->shownPath() == path;
}

void MainWindow::displayDownloadTaskInfo(const QString &infoText)
{
    // Kept up to date while a menu or a dialog has the focus; only a window
    // nobody sees is left alone.
    if (!isVisible() || isMinimized())
        return;
    m_ui->defaultbottom_label->setText(infoText.isEmpty() ? tr("Select a task to see its details.") : infoText);

    const QList<int> rows = selectedVisibleRows();
    if (rows.isEmpty()) {
        showDefaultBottomStackedPage();
        return;
    }
    const int row = rows.first();
    const QString path = rowPath(row);
    const QString key = rowKey(row);
    ApTvoDownloadTaskThread *task = m_manager->findTask(path);
    if (!task) {
        const QTableWidgetItem *type = m_ui->maindownloads_tableWidget->item(row, TaskColumn::Type);
        if (type && type->text() == QLatin1String("BT")) {
            showDefaultBottomStackedPage();
            return;
        }
    }
    const bool current = isTaskInfoShown(path) && m_taskInfoPanel->shownTask() == task;
    m_taskInfoPanel->display(task, current ? ApTaskInfoPanel::Refresh : ApTaskInfoPanel::Build, path, key);
    m_ui->bottom_stackedWidget->setCurrentWidget(m_taskInfoScroll);
}

void MainWindow::previewTask(const QString &path)
{
    const QList<int> rows = selectedVisibleRows();
    if (rows.isEmpty())
        return;
    TaskCommand command;
    command.code = TaskCommand::Preview;
    command.paths = QStringList{path};
    if (QProgressBar *bar = rowProgressBar(rows.first()))
        command.percentage = qMax(0, bar->value());
    postCommand(command);
}

QString MainWindow::failureReason(const QString &path) const
{
    if (ApTvoDownloadTaskThread *task = m_manager ? m_manager->findTask(path) : nullptr)
        return task->task().failureReason();
    return QString();
}

// Schedule

void MainWindow::updateStatusbarScheduleTaskInfo(const QString &text)
{
    m_schedule->setStatusText(text);
}

void MainWindow::resetScheduleStatus()
{
    m_schedule->reset();
}

// Settings

void MainWindow::runSettingsDialog()
{
    m_configDialog->run();
    if (m_configDialog->generalSaved())
        applyGeneralSettings(m_configDialog->proxySaved());
    else if (m_configDialog->proxySaved() && m_manager->settingsRead())
        m_manager->readProxies();
}
