#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

#ifdef ZANTOR_HAVE_MULTIMEDIA
#include <QAudioDeviceInfo>
#include <QSoundEffect>
#endif

#include "apcompletionnotices.h"
#include "apcompletionpopup.h"
#include "browserhandover.h"
#include "apdesktopnotifier.h"
#include "commonfunctions.h"
#include "applicationinfo.h"
#include "aplanguageswitcher.h"
#include "apnewtaskdialog.h"
#include "apsearchpage.h"
#include "appolicingthread.h"
#include "appsettings.h"
#include "apspeedgui.h"
#include "apspeedguifloating.h"
#include "aptrayicon.h"
#include "aptvomanager.h"
#include "apwindowstatesaver.h"
#include "ipcinbox.h"
#include "ipcmessage.h"
#include "languages.h"
#include "settingsservice.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "startupcommandline.h"
#include "startupentry.h"
#include "taskcommand.h"
#include "taskstore.h"

Q_LOGGING_CATEGORY(lcIpc, "zantor.ipc", QtWarningMsg)

namespace {
// Marks an instance connection accepted while the new task dialog was up.
constexpr char ArrivedDuringDialog[] = "zantorArrivedDuringDialog";
constexpr int BringBackActivationRetryMs = 200;
constexpr int BringBackActivationTries = 15;
} // namespace

MainWindow::MainWindow(QWidget *parent, int policingTickMs)
    : QMainWindow(parent)
    , m_ui(new Ui::MainWindow)
    , m_appInfo(std::make_unique<ApplicationInfo>())
    , m_pathOpener(&Common::openPath)
    , m_urlOpener(&QDesktopServices::openUrl)
{
    // The translation goes in before the form is built, so the window shows
    // its language from the first frame.
    m_startLanguage = ApLanguageSwitcher::installAtStart(*m_appInfo);
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(m_appInfo->displayName() + QLatin1Char(' ') + m_appInfo->versionText());
    const ApplicationInfo *info = m_appInfo.get();
    m_programStarter = [info](const QString &program, const QStringList &arguments) {
        return Common::startCompanion(*info, program, arguments);
    };

    m_desktopNotifier = new ApDesktopNotifier(m_appInfo->displayName(), this);

    m_plastique = QStyleFactory::create(QStringLiteral("Plastique"));
    if (!m_plastique)
        m_desktopNotifier = new ApDesktopNotifier(m_appInfo->displayName(), this);

    m_plastique = QStyleFactory::create(QStringLiteral("Fusion"));
    if (m_plastique)
        m_plastique->setParent(this);

    // Told from the store's writing thread; shown in this one.
    QPointer<MainWindow> window(this);
    SettingsService::setWriteFailureHandler([window](const QString &filePath) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [window, filePath] {
                if (window)
                    window->settingsNotWritten(filePath);
            },
            Qt::QueuedConnection);
    });
    setupTable();
    setupShell();
    readSettings();
    setupSearchPage();
    startEngine(policingTickMs);
    setupPanels();
    loadAllTasks();
    startIpcServer();
    startRemoteControl();
    m_searchPage->start();
}

MainWindow::~MainWindow()
{
    SettingsService::setWriteFailureHandler({});
    if (m_policing)
        m_policing->stopAndWait();
    // Task threads end before their manager goes.
    delete m_manager;
    m_manager = nullptr;
    ApTaskStore().releaseAll();
    // Its page bridge reads the application record, which goes before the
    // window's children do.
    delete m_searchPage;
    m_searchPage = nullptr;
    delete m_completionNotices;
    delete m_ui;
}

void MainWindow::readSettings()
{
    m_stateSaver->restore();
    // The autostart entry follows the program wherever it was moved.
    StartupEntry::refreshAtStart(QCoreApplication::applicationFilePath());
    refreshBrowserHostManifests();
    readWindowFlags();
}

void MainWindow::startEngine(int policingTickMs)
{
    m_manager = new ApTvoManager(nullptr, m_appInfo.get(), m_searchPage);
    m_newTaskDialog = new ApNewTaskDialog(this, m_manager);
    connect(m_newTaskDialog, &ApNewTaskDialog::taskDialogFinished, this,
            &MainWindow::newTaskDialogFinishedCallback);
    m_policing = new ApPolicingThread(this, m_manager, m_appInfo.get(), this, policingTickMs);
    m_policing->setMaxActiveDownloads(AppSettings::maxActiveDownloads());
    // Without a product web site the check could only ever fail; the menu's
    // check still runs and reports that.
    if (!AppSettings::autoUpdateFlag() || m_appInfo->hasPlaceholderHomeUrl())
        m_policing->disableUpdateCheck();
    m_policing->start();
}

void MainWindow::postCommand(const TaskCommand &command)
{
    m_policing->queueCommand(command);
    emit taskCommandPosted(command.code, command.paths);
}

// Instance endpoint

QString MainWindow::ipcServerName() const
{
    return m_ipcServer && m_ipcServer->isListening() ? m_ipcServer->serverName() : QString();
}

void MainWindow::startIpcServer()
{
    m_ipcServer = new QLocalServer(this);
    m_ipcInbox = new IpcInbox(this);
    connect(m_ipcInbox, &IpcInbox::connectionClosed, this, [this](QLocalSocket *connection) {
        disconnect(connection, nullptr, this, nullptr);
        if (m_ipcConnection == connection)
            m_ipcConnection = nullptr;
    });
    const QString name = SingleInstance::serverNameFor(QCoreApplication::applicationFilePath());
    if (!SingleInstance::listen(m_ipcServer, name))
        return;
    connect(m_ipcServer, &QLocalServer::newConnection, this, &MainWindow::ipcServerNewConnectionCallback);
}

void MainWindow::ipcServerNewConnectionCallback()
{
    while (QLocalSocket *connection = m_ipcServer->nextPendingConnection()) {
        // A link cannot arrive while the user is filling in a task; a
        // browser's download is read all the same and waits its turn.
        if (m_newTaskDialog && m_newTaskDialog->isVisible())
            connection->setProperty(ArrivedDuringDialog, true);
        m_ipcConnection = connection;
        m_ipcInbox->admit(connection);
        connect(connection, &QLocalSocket::readyRead, this, &MainWindow::readIpcCommandData);
        // A sender that hangs up before its frame is complete leaves nothing to wait for.
        connect(connection, &QLocalSocket::disconnected, this,
                [this, connection] { closeIpcConnection(connection); });
        if (connection->bytesAvailable() > 0)
            readIpcCommandData();
    }
}

void MainWindow::readIpcCommandData()
{
    auto *connection = qobject_cast<QLocalSocket *>(sender());
    if (!connection)
        connection = m_ipcConnection;
    if (!connection)
        return;

    // A message may arrive in pieces; the inbox keeps what came so far and
    // drops a connection that breaks its rules.
    QStringList pieces;
    if (m_ipcInbox->read(connection, &pieces) != IpcInbox::Complete)
        return;
    // A browser's host waits for the outcome before the connection closes.
    if (!pieces.isEmpty()
        && (pieces.first() == BrowserHandOver::DownloadCommand || pieces.first() == BrowserHandOver::StatusCommand)) {
        m_ipcInbox->reply(connection, browserCommandReply(pieces));
        return;
    }
    const bool duringDialog = connection->property(ArrivedDuringDialog).toBool();
    closeIpcConnection(connection);
    // A second start without a link: the user is looking for this window,
    // even while the new task dialog is up.
    if (pieces.size() == 1 && pieces.first() == IpcMessage::showWindowCommand()) {
        bringWindowBack();
        return;
    }
    if (duringDialog) {
        qCDebug(lcIpc) << "link dropped: the new task dialog is open";
        return;
    }
    if (pieces.size() < 2 || pieces.first() != QLatin1String("link-url")) {
        qCDebug(lcIpc) << "ignored message" << pieces;
        return;
    }
    takeLinkRequest(LinkRequest::fromMessageArguments(pieces.mid(1)));
}

void MainWindow::bringWindowBack()
{
    qCDebug(lcIpc) << "window brought back by a second start";
    m_tray->showWindow();
    // A window mapped again can be activated only once the window manager
    // has framed it; a request made earlier is lost. Asked again until it
    // took, for a while.
    auto *retry = new QTimer(this);
    retry->setInterval(BringBackActivationRetryMs);
    connect(retry, &QTimer::timeout, this, [this, retry, tries = 0]() mutable {
        if (isActiveWindow() || ++tries > BringBackActivationTries) {
            retry->stop();
            retry->deleteLater();
            return;
        }
        // A window hidden while it had the focus gets it back from the
        // window manager without the toolkit noticing the change, and the
        // keyboard would stay with no widget.
        if (windowHandle() && QGuiApplication::focusWindow() == windowHandle()) {
            QApplication::setActiveWindow(this);
            return;
        }
        raise();
        activateWindow();
    });
    retry->start();
    emit windowBroughtBack();
}

void MainWindow::startupLoadLinkCallback()
{
    takeLinkRequest(m_startupRequest);
}

void MainWindow::openNewTaskDialogForLink(const QString &link)
{
    takeLinkRequest(LinkRequest{{link}, {}, false});
}

void MainWindow::runNewTaskDialog(const QString &link)
{
    // The dialog is application-modal but does not block here: the window
    // goes on serving the engine's calls while the user fills it in.
    if (m_newTaskDialog->isVisible())
        return;
    if (!m_newTaskDialog->showForNewTask(HttpFtpTaskType, link))
        return;
    m_modalDialogOpen = true;
    m_awaitingNewTask = true;
}

void MainWindow::newTaskDialogFinishedCallback(int result)
{
    // The next link waits until this one's task is listed.
    QMetaObject::invokeMethod(this, &MainWindow::openNextQueuedLink, Qt::QueuedConnection);
    if (m_awaitingNewTask) {
        m_awaitingNewTask = false;
        m_modalDialogOpen = false;
        if (result == ApNewTaskDialog::TaskWritten)
            addNewTask(m_newTaskDialog->taskKey());
    }
    // Browser downloads waiting for the dialog come before queued links.
    showNextBrowserDownload();
}

void MainWindow::on_actionHttp_Ftp_triggered()
{
    runNewTaskDialog(QString());
}

void MainWindow::closeIpcConnection(QLocalSocket *connection)
{
    m_ipcInbox->close(connection);
}

// Engine window interface: everything here runs in the GUI thread.

void MainWindow::showUpdateNotifyMessage(const QString &message, int mode)
{
    m_ui->actionCheck_Updates->setEnabled(true);
    statusBar()->showMessage(message, 8000);
    // Mode 1: the user asked for the check, so the answer also pops up.
    if (mode == 1)
        m_tray->showBalloon(tr("Update Notification"), message, 10000);
}

void MainWindow::settingsNotWritten(const QString &filePath)
{
    statusBar()->showMessage(tr("Settings cannot be saved to %1. Changes are kept and saved as soon as the file "
                                "can be written.")
                                 .arg(QDir::toNativeSeparators(filePath)));
}

void MainWindow::setStatusbarRates(const QString &downloadRate, const QString &uploadRate)
{
    m_downloadRateLabel->setText(downloadRate);
    m_uploadRateLabel->setText(uploadRate);
    m_speedGui->setRateText(downloadRate);
    if (m_floating)
        m_floating->setRateText(downloadRate);
}

void MainWindow::setSpeed(qint64 downloadSpeed, qint64 uploadSpeed)
{
    m_speedGui->addDownloadSample(downloadSpeed);
    m_speedGui->addUploadSample(uploadSpeed);
    if (m_floating && m_floating->isVisible()) {
        m_floating->addDownloadSample(downloadSpeed);
        m_floating->addUploadSample(uploadSpeed);
    }
}

void MainWindow::setTrayIconToolTip(const QString &toolTip)
{
    m_trayToolTip = toolTip;
    m_tray->setToolTip(toolTip);
}

void MainWindow::saveWindowSettings()
{
    m_stateSaver->save();
}

void MainWindow::runScheduledAction(int action)
{
    switch (action) {
    case 2: on_actionStart_All_triggered(); break;
    case 3: on_actionPause_All_triggered(); break;
    case 4: on_actionStop_All_triggered(); break;
    default: break;
    }
}

// Completion notice

void MainWindow::notifyTaskCompletion(const QString &path, const QString &key)
{
    // A minimised window may still count as the active one.
    handleTaskCompletion(path, key, isActiveWindow() && isVisible() && !isMinimized());
}

void MainWindow::handleTaskCompletion(const QString &path, const QString &key, bool windowActive)
{
    playCompletionSound();
    startVirusScan(path);
    if (!AppSettings::completionPopupDialogFlag() || windowActive)
        return;

    QString name;
    for (int row = 0; row < m_ui->maindownloads_tableWidget->rowCount(); ++row) {
        if (rowKey(row) == key) {
            if (QTableWidgetItem *item = m_ui->maindownloads_tableWidget->item(row, 1))
                name = item->text();
            break;
        }
    }
    if (!m_completionNotices) {
        m_completionNotices = new ApCompletionNotices(m_appInfo.get());
        m_completionNotices->setPathOpener(m_pathOpener);
    }
    m_completionNotices->announce(path, SettingsStore::organisation, SettingsStore::application, key, name);

    // A popup may go unseen behind other windows or on another desktop;
    // with the window out of sight the desktop shows its own notice too.
    if (!isVisible() || isMinimized()) {
        const QString shownName = name.isEmpty() ? QFileInfo(path).fileName() : name;
        m_desktopNotifier->notify(tr("Download completed"),
                                  shownName + QLatin1Char('\n') + QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                                  QStringLiteral("folder-download"));
    }
}

ApCompletionPopup *MainWindow::completionPopup() const
{
    return m_completionNotices ? m_completionNotices->latest() : nullptr;
}

void MainWindow::playCompletionSound()
{
    const QString soundPath = m_appInfo->programFolder() + QStringLiteral("/assets/avs/done.tvoau");
    if (!QFileInfo::exists(soundPath))
        return;
#ifdef ZANTOR_HAVE_MULTIMEDIA
    // The sound classes stay silent without reporting anything when there
    // is no output device, so the device is asked first.
    if (QAudioDeviceInfo::defaultOutputDevice().isNull())
        return;
    auto *effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(soundPath));
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    effect->play();
    emit completionSoundPlayed(soundPath);
#endif
}

void MainWindow::startVirusScan(const QString &path)
{
    if (!AppSettings::virusScanFlag())
        return;
    const QString program = AppSettings::virusScanProgramPath();
    // The argument text goes to the scanner whole, as one argument.
    const QStringList arguments{AppSettings::virusScanProgramArgs(), path};
    QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
    emit virusScanStarted(program, arguments);
}
