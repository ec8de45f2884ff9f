#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

#include "apenginewindow.h"
#include "apnewtaskdialog.h"
#include "startupcommandline.h"

class ApAdvertisementPanels;
class ApClipboardMonitor;
class ApCompletionNotices;
class ApCompletionPopup;
class ApDesktopNotifier;
class ApConfigDialog;
class ApLanguageSwitcher;
class ApPolicingThread;
class ApScheduleController;
class ApSearchPage;
class ApSpeedGui;
class ApSpeedGuiFloating;
class ApTaskInfoPanel;
class ApToolBox;
class ApTrayIcon;
class ApTvoManager;
class ApWindowStateSaver;
class ApplicationInfo;
class QAction;
class QLabel;
class QLocalServer;
class QLocalSocket;
class IpcInbox;
class QMenu;
class QProgressBar;
class QScrollArea;
class QStyle;
class QTableWidgetItem;
class QToolButton;
class QUrl;
struct TaskCommand;
struct TaskRecord;
namespace Ui {
class MainWindow;
}

// The main window of the download manager: the task table and its actions,
// the engine's window, and the receiver of links from other instances. Its
// shell (tray, clipboard monitor, languages, window state, tool box and
// speed panels) lives in objects it owns; the window keeps the wiring.
class MainWindow final : public QMainWindow, public ApEngineWindow
{
    Q_OBJECT

public:
    enum ListFilter { AllTasks = 0, DownloadingTasks = 1, CompletedTasks = 2 };

    // policingTickMs is only ever changed by tests.
    explicit MainWindow(QWidget *parent = nullptr, int policingTickMs = 100);
    ~MainWindow() override;

    const ApplicationInfo &applicationInfo() const { return *m_appInfo; }
    ApTvoManager *manager() const { return m_manager; }
    ApPolicingThread *policingThread() const { return m_policing; }
    ApNewTaskDialog *newTaskDialog() const { return m_newTaskDialog; }
    // The completion popup shown last; null before the first.
    ApCompletionPopup *completionPopup() const;
    ApCompletionNotices *completionNotices() const { return m_completionNotices; }
    ApDesktopNotifier *desktopNotifier() const { return m_desktopNotifier; }
    ApSearchPage *searchPage() const { return m_searchPage; }
    ApAdvertisementPanels *advertisementPanels() const { return m_advertisementPanels; }

    // Name under which the instance endpoint listens; empty when it could
    // not listen.
    QString ipcServerName() const;

    // The links the process was started with, taken shortly after start-up.
    void setStartupRequest(const LinkRequest &request) { m_startupRequest = request; }
    void setStartupLink(const QString &link) { m_startupRequest = LinkRequest{{link}, {}, false}; }
    QString startupLink() const { return m_startupRequest.links.value(0); }

    // Links from the command line or a second start. Each http, https or
    // ftp link opens the new task dialog in turn (one after the other has
    // ended), or with addWithoutAsking is added and started at once; others
    // are ignored. Folded into the same queue, so an open dialog is never
    // reset under the user's hands.
    void takeLinkRequest(const LinkRequest &request);

    // Downloads handed over by web browsers (mainwindowbrowser.cpp): the
    // answer frame to a browser command of the instance socket.
    QString browserCommandReply(const QStringList &pieces);
    // Writes or removes the browsers' host manifests as the setting says.
    void refreshBrowserHostManifests();
    // Browser downloads waiting for the new task dialog, oldest first.
    int queuedBrowserDownloads() const { return m_browserQueue.size(); }

    // Links handed to the window so far, oldest first.
    QStringList requestedLinks() const { return m_requestedLinks; }

    // Set while the new task dialog runs; the tray ignores activations then.
    bool isModalDialogOpen() const { return m_modalDialogOpen; }
    // For the other modal dialogs of the window (schedule, settings).
    void setModalDialogOpen(bool open) { m_modalDialogOpen = open; }

    // Shell parts.
    ApTrayIcon *trayIcon() const { return m_tray; }
    ApClipboardMonitor *clipboardMonitor() const { return m_clipboardMonitor; }
    ApLanguageSwitcher *languageSwitcher() const { return m_languages; }
    ApWindowStateSaver *windowStateSaver() const { return m_stateSaver; }
    ApToolBox *toolBox() const { return m_toolBox; }
    ApSpeedGui *speedGui() const { return m_speedGui; }
    ApSpeedGuiFloating *floatingWindow() const;
    bool minToTray() const { return m_minToTray; }

    // Creates the floating speed window for this window at its saved place,
    // shown when the settings say so. The caller owns it and destroys it
    // before the window.
    std::unique_ptr<ApSpeedGuiFloating> createFloatingWindow();

    // The start in the background: minimised and hidden in the tray, or
    // only minimised where the desktop has no tray.
    void startHidden();

    // Applies the General settings again (after the settings dialog):
    // speed panel scale, floating window, start-up, clipboard, minimise to
    // tray, completion popup, split bound and retries; with proxiesSaved,
    // a download manager that has read its settings takes the new proxies.
    void applyGeneralSettings(bool proxiesSaved = false);

    // Where the search box of the search toolbar goes, before its go button.
    void setSearchBox(QWidget *box);

    // Entry points for other programs (the D-Bus interface): the same paths
    // as the window's own actions, answering with an error instead of a
    // message window.
    struct DownloadRequest
    {
        QString url;
        QString savePath;   // a folder, or the full path of the file; empty: the download folder
        QString referrer;
        bool start = true;
        int speedLimitKiB = 0;  // KiB/s, 0 = none
    };
    struct TaskSummary
    {
        qint64 id = 0;
        QString url;
        int state = 0;      // the stored State value
        QString savePath;
        qint64 completed = 0;
        qint64 size = -1;   // -1 while unknown
    };
    enum class RequestError { None, UnknownTask, InvalidUrl, InvalidSavePath, InvalidArgument, TaskBusy };
    struct RequestResult
    {
        RequestError error = RequestError::None;
        QString message;
        qint64 id = 0;
        bool ok() const { return error == RequestError::None; }
    };
    RequestResult requestDownload(const DownloadRequest &request);
    QList<TaskSummary> taskSummaries() const;
    RequestResult pauseTask(qint64 id);
    // A waiting task starts at once, as with Start in the table.
    RequestResult resumeTask(qint64 id);
    RequestResult removeTask(qint64 id, bool withFiles);
    RequestResult setMaxActiveDownloads(int limit);

    // Task table.
    // Lists the stored task with this key; returns whether a row was added.
    // The state shown for the row is put into state when given.
    bool addTaskByKey(const QString &key, int *state = nullptr);
    // Lists a newly stored task and submits it; a task that cannot be listed
    // is removed from the store again.
    bool addNewTask(const QString &key);
    // The add-a-new-task operation of pages: writes the task without showing
    // the new task dialog, lists it and starts it.
    bool addNewTaskFromUrl(const QString &url, const QString &fileName, int convertType);
    void loadAllTasks();
    bool hasTaskWithPath(const QString &path) const;
    int findRow(const QString &path) const;
    int rowState(int row) const;
    QString rowPath(int row) const;
    QString rowKey(int row) const;
    QProgressBar *rowProgressBar(int row) const;
    ListFilter currentFilter() const { return m_filter; }
    QString trayToolTip() const { return m_trayToolTip; }

    // Engine window interface; the policing thread calls these in the GUI thread.
    void updateMainDownloadsTableRow(const QString &path, const QList<int> &columns, const TaskRowData &row,
                                     int state) override;
    void setCompletedDownloadTaskMainDownloadsTableRow(const QString &path) override;
    void refreshMainDownloadsListings() override;
    void showDefaultBottomStackedPage() override;
    bool isTaskInfoShown(const QString &path) const override;
    void displayDownloadTaskInfo(const QString &infoText) override;
    void notifyTaskCompletion(const QString &path, const QString &key) override;
    void showUpdateNotifyMessage(const QString &message, int mode) override;
    void setStatusbarRates(const QString &downloadRate, const QString &uploadRate) override;
    void setSpeed(qint64 downloadSpeed, qint64 uploadSpeed) override;
    void setTrayIconToolTip(const QString &toolTip) override;
    void updateStatusbarScheduleTaskInfo(const QString &text) override;
    void resetScheduleStatus() override;
    void saveWindowSettings() override;
    void runScheduledAction(int action) override;

    // Plays the completion sound, scans the file and shows a popup when
    // the window is not the active one; while the window is hidden or
    // minimised the desktop's notification service is told as well.
    void handleTaskCompletion(const QString &path, const QString &key, bool windowActive);

    // How files and folders are handed to the desktop; tests replace it.
    using PathOpener = std::function<bool(const QString &)>;
    void setPathOpener(PathOpener opener) { m_pathOpener = std::move(opener); }
    // How web pages are handed to the desktop; tests replace it.
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }
    // How companion programs are started (detached, in the program folder).
    using ProgramStarter = std::function<bool(const QString &program, const QStringList &arguments)>;
    void setProgramStarter(ProgramStarter starter) { m_programStarter = std::move(starter); }
    // How the event loop is ended once the state is saved; tests replace it.
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }

    // Information panel, schedule and settings dialog (mainwindowpanels.cpp).
    ApTaskInfoPanel *taskInfoPanel() const { return m_taskInfoPanel; }
    ApScheduleController *scheduleController() const { return m_schedule; }
    ApConfigDialog *configDialog() const { return m_configDialog; }
    QAction *scheduleAction() const;
    QAction *settingsAction() const;
    // Runs the settings dialog and applies what it saved.
    void runSettingsDialog();
    // Why the task at path failed last, in words for the user; empty if unknown.
    QString failureReason(const QString &path) const;


signals:
    // A link from the command line or a second start is to be downloaded.
    void linkRequested(const QString &link);
    // A browser's download was taken: outcome "dialog" or "added".
    void browserDownloadTaken(const QString &url, const QString &outcome);
    // A new task was listed and handed to the engine.
    void taskAdded(qint64 id);
    // A listed task's state changed; state is the number its record holds.
    void taskStateChanged(qint64 id, int state);
    // A task completed (ok) or failed (with the reason, when known).
    void taskFinished(qint64 id, bool ok, const QString &reason);
    // Every command queued to the policing thread, as it is queued.
    void taskCommandPosted(int code, const QStringList &paths);
    // The virus scanner was started for a completed file.
    void virusScanStarted(const QString &program, const QStringList &arguments);
    void completionSoundPlayed(const QString &soundPath);
    // Open File, double-click or Open Containing Folder handed this on:
    // how is 0 for the desktop's handler, 1 for the file's folder, 2 for the player.
    void taskFileOpened(const QString &target, int how);
    // The table's context menu is filled and about to open.
    void contextMenuAboutToShow(QMenu *menu);
    // Asks the toolbar search box for a search.
    void toolbarSearchRequested();
    // A second start without a link brought the window to the front.
    void windowBroughtBack();
    // The window has retranslated its own texts after a language change.
    void retranslated();
    // The floating window's menu is filled and about to open.
    void floatingMenuAboutToShow(QMenu *menu);

public slots:
    void ipcServerNewConnectionCallback();
    void readIpcCommandData();
    void startupLoadLinkCallback();

    // Shows the window normal, raised and active, wherever it was (hidden,
    // minimised, behind others): what a second start without a link asks.
    void bringWindowBack();

    // Starts a new download from an accepted link.
    void openNewTaskDialogForLink(const QString &link);

    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void clipboardDataChangedCallback();
    void tarvoQuitCallback();
    // Hides everything, saves the window state and ends the event loop.
    void quitApplication();

private slots:
    void on_actionStart_triggered();
    void on_actionPause_triggered();
    void on_actionStop_triggered();
    void on_actionDelete_triggered();
    void on_actionDelete_Task_Files_triggered();
    void on_actionStart_All_triggered();
    void on_actionMove_Up_triggered();
    void on_actionMove_Down_triggered();
    void on_actionPause_All_triggered();
    void on_actionStop_All_triggered();
    void on_actionOpen_Task_File_Maindownloadtable_triggered();
    void on_actionOpen_Task_File_Folder_Maindownloadtable_triggered();
    void on_actionDownload_Task_Properties_triggered();
    void on_actionHttp_Ftp_triggered();
    void on_actionHttp_Ftp_quickmenu_triggered();
    void on_actionWeb_Video_Download_triggered();
    void on_actionShow_Search_Page_triggered();
    void on_actionSearch_Web_Video_triggered();
    void on_actionSearch_More_Online_triggered();
    void on_actionSchedule_Task_triggered();
    void on_actionSettings_triggered();
    void on_actionSettings_menu_triggered();
    void on_actionDownload_Folder_triggered();
    void on_actionDownload_Folder_quickmenu_triggered();
    void on_actionMyRecentDocumentsFolder_triggered();
    void on_actionMyDocumentsFolder_triggered();
    void on_actionDesktopFolder_triggered();
    void on_actionRootFolder_triggered();
    void on_actionHomeFolder_triggered();
    void on_actionShow_Drop_Window_triggered();
    void on_actionRun_at_System_Startup_triggered();
    void on_actionMonitor_Clipboard_triggered();
    void on_actionCompletion_Popup_Dialog_triggered();
    void on_actionFull_Screen_triggered();
    void on_actionFull_Screen_menu_triggered();
    void on_actionCheck_Updates_triggered();
    void on_actionCheck_Updates_menu_triggered();
    void on_actionConvert_Media_triggered();
    void on_actionCapture_Media_triggered();
    void on_actionPlay_Media_triggered();
    void on_actionWeb_Image_Download_triggered();
    void on_actionHome_triggered();
    void on_actionHome_menu_triggered();
    void on_actionHelp_triggered();
    void on_actionHelp_menu_triggered();
    void on_actionFAQs_triggered();
    void on_actionTell_a_Friend_triggered();
    void on_actionLink_to_Us_triggered();
    void on_actionReport_Bugs_triggered();
    void on_actionContacts_triggered();
    void on_actionAbout_Tarvo_triggered();
    void on_actionShow_Tarvo_triggered();
    void on_actionShow_Tarvo_2_triggered();
    void on_actionExit_triggered();
    void on_actionExit_quickmenu_triggered();
    void on_actionQuit_triggered();
    void on_unfoldtoolbox_toolButton_clicked();
    void on_maindownloads_tableWidget_itemDoubleClicked(QTableWidgetItem *item);
    void on_maindownloads_tableWidget_customContextMenuRequested(const QPoint &pos);
    void on_maindownloads_tableWidget_itemSelectionChanged();
    void on_alltasks_commandLinkButton_clicked();
    void on_downloading_commandLinkButton_clicked();
    void on_completed_commandLinkButton_clicked();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The settings file could not be written: said once in the status bar.
    void settingsNotWritten(const QString &filePath);
    Q_DISABLE_COPY(MainWindow)
    void readSettings();
    void readWindowFlags();
    void setupTable();
    void setupShell();
    void setupToolBars();
    void setupStatusBar();
    void setupTray();
    void setupLanguages();
    void retranslateShell();
    void showSearchPage();
    void showFloatingMenu(const QPoint &globalPos);
    void openSitePage(const QString &path);
    void openFolder(const QString &folder);
    void toggleFullScreen();
    void requestUpdateCheck();
    void startEngine(int policingTickMs);
    void startIpcServer();
    void setupSearchPage();
    // The two banner places, for a selected HTTP/FTP task.
    void showBannerAdvertisements(const QString &key);
    void setupBannerPlaces();
    // Opens the dialog for, or adds, the links queued by takeLinkRequest
    // while the new task dialog is not up.
    void openNextQueuedLink();
    void closeIpcConnection(QLocalSocket *connection);
    // Runs the new task dialog for a link (empty: an empty form) and lists
    // the task it created.
    void runNewTaskDialog(const QString &link);
    void newTaskDialogFinishedCallback(int result);
    // Opens the new task dialog for the oldest waiting browser download.
    void showNextBrowserDownload();
    bool showBrowserDownload(const QString &url, const ApNewTaskDialog::HandOver &handOver);

    void setupPanels();
    void previewTask(const QString &path);

    bool buildRow(const TaskRecord &record, const QString &key, int *shownState);
    void appendRow(const TaskRowData &row, qint64 totalSize);
    void setRowState(int row, int state);
    void resetRowTransferCells(int row);
    void setCellText(int row, int column, const QString &text);
    QList<int> selectedVisibleRows() const;
    // startWaiting: Start also starts waiting tasks, beyond the limit.
    void changeSelectedTasks(int commandCode, bool startWaiting = false);
    void changeTasks(const QList<int> &rows, int commandCode, bool startWaiting);
    void moveSelectedTask(int delta);
    // Start All, Pause All, Stop All: every visible row, selection untouched.
    void changeAllTasks(int commandCode);
    // The rows not hidden by the current filter, top to bottom.
    QList<int> visibleRows() const;
    void deleteSelectedTasks(bool withFiles);
    // Deletes the tasks of these rows (rows still loading are skipped);
    // returns how many were deleted.
    int deleteRows(const QList<int> &rows, bool withFiles);
    int findRowByKey(const QString &key) const;
    // The signals of a row's state change from before to after.
    void noteStateChange(int row, int before, int after);
    void startRemoteControl();
    void applyFilter(ListFilter filter);
    void postCommand(const TaskCommand &command);
    void openTaskFile(const QString &path);
    void playCompletionSound();
    void startVirusScan(const QString &path);

    Ui::MainWindow *m_ui;
    std::unique_ptr<ApplicationInfo> m_appInfo;
    ApTvoManager *m_manager = nullptr;
    ApPolicingThread *m_policing = nullptr;
    ApNewTaskDialog *m_newTaskDialog = nullptr;
    ApCompletionNotices *m_completionNotices = nullptr;
    ApDesktopNotifier *m_desktopNotifier = nullptr;
    ApSearchPage *m_searchPage = nullptr;
    ApAdvertisementPanels *m_advertisementPanels = nullptr;
    QStyle *m_plastique = nullptr;
    QLabel *m_downloadRateLabel = nullptr;
    QLabel *m_uploadRateLabel = nullptr;
    ApTaskInfoPanel *m_taskInfoPanel = nullptr;
    QScrollArea *m_taskInfoScroll = nullptr;
    ApScheduleController *m_schedule = nullptr;
    ApConfigDialog *m_configDialog = nullptr;
    QLabel *m_lockIconLabel = nullptr;
    QLabel *m_downloadRateTitleLabel = nullptr;
    QToolButton *m_newTaskButton = nullptr;
    QToolButton *m_deleteTaskButton = nullptr;
    QToolButton *m_foldersButton = nullptr;
    QToolButton *m_searchGoButton = nullptr;
    QAction *m_searchGoAction = nullptr;
    ApTrayIcon *m_tray = nullptr;
    ApClipboardMonitor *m_clipboardMonitor = nullptr;
    ApLanguageSwitcher *m_languages = nullptr;
    ApWindowStateSaver *m_stateSaver = nullptr;
    ApToolBox *m_toolBox = nullptr;
    ApSpeedGui *m_speedGui = nullptr;
    QPointer<ApSpeedGuiFloating> m_floating;
    QString m_startLanguage;
    QString m_readyText;
    bool m_minToTray = true;
    QLocalServer *m_ipcServer = nullptr;
    QLocalSocket *m_ipcConnection = nullptr;
    IpcInbox *m_ipcInbox = nullptr;
    LinkRequest m_startupRequest;
    struct QueuedLink
    {
        QString link;
        QString saveFolder;
        bool add = false;
    };
    QList<QueuedLink> m_queuedLinks;
    QStringList m_requestedLinks;
    ListFilter m_filter = AllTasks;
    // The name cell of each listed save path: finds a task's row at once.
    QHash<QString, QTableWidgetItem *> m_rowNameItems;
    bool m_modalDialogOpen = false;
    // The new task dialog runs for a task this window lists when it ends.
    bool m_awaitingNewTask = false;
    PathOpener m_pathOpener;
    UrlOpener m_urlOpener;
    ProgramStarter m_programStarter;
    std::function<void()> m_quit;
    QString m_trayToolTip;
    // Browser downloads that came while the new task dialog was up.
    QList<QPair<QString, ApNewTaskDialog::HandOver>> m_browserQueue;
};
