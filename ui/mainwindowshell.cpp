// The main window's shell: tool bars, status bar, tool box, tray, floating
// window, clipboard monitor, languages and the ways out of the program.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "apclipboardmonitor.h"
#include "aplanguageswitcher.h"
#include "applicationinfo.h"
#include "apnewtaskdialog.h"
#include "appolicingthread.h"
#include "appsettings.h"
#include "apspeedgui.h"
#include "apspeedguifloating.h"
#include "aptoolbox.h"
#include "aptrayicon.h"
#include "aptvomanager.h"
#include "apsearchpage.h"
#include "apwindowstatesaver.h"
#include "startupentry.h"
#include "borderlayout.h"
#include "languages.h"

namespace {
constexpr int FloatingHeight = 42;
constexpr int FloatingStep = 4;
const QString FloatingPicture = QStringLiteral(":/icons/floating_splash.png");

QToolButton *menuToolButton(QWidget *parent, const QString &name, const QString &icon, QMenu *menu)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(icon));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}
} // namespace

void MainWindow::setupShell()
{
    // The central area: the tool box's unfold strip on the left, the
    // table and panels in the middle.
    delete m_ui->centralwidget->layout();
    auto *border = new BorderLayout(m_ui->centralwidget, 2, 0);
    border->addWidget(m_ui->unfoldtoolbox_widget, BorderLayout::West);
    border->addWidget(m_ui->main_splitter, BorderLayout::Center);
    m_toolBox = new ApToolBox(m_ui->main_dockWidget, m_ui->unfoldtoolbox_widget, m_ui->unfoldtoolbox_toolButton, this);
    // The three filters fold under one header; the search button stays.
    m_toolBox->addSection(m_ui->dock_verticalLayout,
                          {m_ui->alltasks_commandLinkButton, m_ui->downloading_commandLinkButton,
                           m_ui->completed_commandLinkButton});

    setupToolBars();
    setupStatusBar();
    setupTray();
    setupLanguages();

    m_clipboardMonitor = new ApClipboardMonitor(QGuiApplication::clipboard(), this);
    m_clipboardMonitor->setBlocker([this] {
        return m_modalDialogOpen || (m_newTaskDialog && m_newTaskDialog->isVisible());
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::clipboardDataChangedCallback);

    m_stateSaver = new ApWindowStateSaver(this, m_ui->main_splitter, this);
    m_stateSaver->setLanguageSource([this] { return m_languages->current(); });
    m_stateSaver->saveOnEveryExit();

    // Shortcuts work wherever the focus is inside the window. The tray's
    // copies of actions stay out: two enabled actions with one key in the
    // same window would cancel each other.
    for (QAction *action : findChildren<QAction *>()) {
        if (!action->shortcut().isEmpty() && !action->objectName().endsWith(QLatin1String("_quickmenu")))
            addAction(action);
    }
}

void MainWindow::setupToolBars()
{
    auto *newTaskMenu = new QMenu(this);
    newTaskMenu->addAction(m_ui->actionHttp_Ftp);
    m_newTaskButton = menuToolButton(this, QStringLiteral("newtask_toolButton"), QStringLiteral(":/icons/new.png"),
                                     newTaskMenu);
    auto *deleteMenu = new QMenu(this);
    deleteMenu->addAction(m_ui->actionDelete);
    deleteMenu->addAction(m_ui->actionDelete_Task_Files);
    m_deleteTaskButton = menuToolButton(this, QStringLiteral("deletetask_toolButton"),
                                        QStringLiteral(":/icons/trash.png"), deleteMenu);
    auto *foldersMenu = new QMenu(this);
    foldersMenu->addAction(m_ui->actionDownload_Folder);
    foldersMenu->addSeparator();
    foldersMenu->addAction(m_ui->actionMyRecentDocumentsFolder);
    foldersMenu->addAction(m_ui->actionMyDocumentsFolder);
    foldersMenu->addAction(m_ui->actionDesktopFolder);
    foldersMenu->addSeparator();
    foldersMenu->addAction(m_ui->actionHomeFolder);
    foldersMenu->addAction(m_ui->actionRootFolder);
    m_foldersButton = menuToolButton(this, QStringLiteral("folders_toolButton"), QStringLiteral(":/icons/folders.png"),
                                     foldersMenu);
    QToolBar *main = m_ui->main_toolBar;
    main->insertWidget(m_ui->actionFull_Screen, m_newTaskButton);
    main->insertWidget(m_ui->actionFull_Screen, m_deleteTaskButton);
    main->insertWidget(m_ui->actionFull_Screen, m_foldersButton);
    main->insertSeparator(m_ui->actionFull_Screen);

    // The search box comes in front of the go button (setSearchBox()).
    auto *searchMenu = new QMenu(this);
    searchMenu->setObjectName(QStringLiteral("searchgo_menu"));
    searchMenu->addAction(m_ui->actionSearch_Web_Video);
    searchMenu->addAction(m_ui->actionSearch_More_Online);
    m_searchGoButton = menuToolButton(this, QStringLiteral("searchgo_toolButton"), QStringLiteral(":/icons/go.png"),
                                      searchMenu);
    m_searchGoButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_searchGoButton->setCursor(Qt::PointingHandCursor);
    m_searchGoAction = m_ui->search_toolBar->addWidget(m_searchGoButton);

    m_speedGui = new ApSpeedGui(this);
    m_speedGui->setMinimumWidth(200);
    m_ui->speed_toolBar->addWidget(m_speedGui);

    retranslateShell();
}

void MainWindow::setSearchBox(QWidget *box)
{
    box->setMinimumHeight(26);
    box->setFixedWidth(160);
    // Usable once the search page has loaded.
    box->setEnabled(false);
    m_ui->search_toolBar->insertWidget(m_searchGoAction, box);
}

void MainWindow::setupStatusBar()
{
    const auto iconLabel = [this](const QString &name, const QString &icon) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(QPixmap(icon));
        return label;
    };
    m_lockIconLabel = iconLabel(QStringLiteral("encrypted_label"), QStringLiteral(":/icons/encrypted.png"));
    QLabel *downloadIcon = iconLabel(QStringLiteral("downloadrate_icon_label"), QStringLiteral(":/icons/download.png"));
    m_downloadRateTitleLabel = new QLabel(this);
    m_downloadRateTitleLabel->setObjectName(QStringLiteral("downloadrate_title_label"));
    m_downloadRateLabel = new QLabel(QStringLiteral("0 B/s"), this);
    m_downloadRateLabel->setObjectName(QStringLiteral("downloadrate_label"));
    m_uploadRateLabel = new QLabel(QStringLiteral("0 B/s"), this);
    m_uploadRateLabel->setObjectName(QStringLiteral("uploadrate_label"));
    for (QWidget *widget : std::initializer_list<QWidget *>{m_lockIconLabel,
                                                            downloadIcon, m_downloadRateTitleLabel,
                                                            m_downloadRateLabel, m_uploadRateLabel})
        statusBar()->addPermanentWidget(widget);
    m_readyText = tr("Ready");
    statusBar()->showMessage(m_readyText);
    retranslateShell();
}

void MainWindow::setupTray()
{
    m_tray = new ApTrayIcon(this, QIcon(QStringLiteral(":/icons/tarvo.png")), this);
    m_tray->setBlocker([this] { return m_modalDialogOpen; });
    m_tray->setMenuEntries(m_ui->actionShow_Tarvo_2,
                           {m_ui->actionDownload_Folder_quickmenu, nullptr, m_ui->actionStart_All,
                            m_ui->actionPause_All, m_ui->actionStop_All, nullptr, m_ui->actionWeb_Video_Download,
                            m_ui->actionHttp_Ftp_quickmenu, nullptr, m_ui->actionHome, m_ui->actionExit_quickmenu});
    m_trayToolTip = m_appInfo->displayName() + QLatin1Char(' ') + m_appInfo->versionText();
    m_tray->setToolTip(m_trayToolTip);
    connect(m_tray, &ApTrayIcon::activated, this, &MainWindow::trayIconActivated);
    m_tray->show();
}

void MainWindow::setupLanguages()
{
    m_languages = new ApLanguageSwitcher(Languages::languageFolder(m_appInfo->programFolder()), this);
    const QList<QPair<QAction *, const char *>> actions{
        {m_ui->actionGerman, "german"},     {m_ui->actionEnglish, "english"},   {m_ui->actionSpanish, "spanish"},
        {m_ui->actionFrench, "french"},     {m_ui->actionPortuguese, "portuguese"},
        {m_ui->actionChinese, "chinese"},   {m_ui->actionJapanese, "japanese"}, {m_ui->actionKorean, "korean"},
        {m_ui->actionRussian, "russian"},   {m_ui->actionArabic, "arabic"}};
    for (const auto &entry : actions)
        m_languages->addLanguageAction(entry.first, QString::fromLatin1(entry.second));
    m_languages->setCurrent(m_startLanguage);
}

void MainWindow::retranslateShell()
{
    setWindowTitle(m_appInfo->displayName() + QLatin1Char(' ') + m_appInfo->versionText());
    if (m_toolBox)
        m_toolBox->retranslate();
    if (m_newTaskButton) {
        m_newTaskButton->setText(tr("New Task"));
        m_newTaskButton->setToolTip(tr("New Task"));
        m_deleteTaskButton->setText(tr("Delete Task"));
        m_deleteTaskButton->setToolTip(tr("Delete Task"));
        m_foldersButton->setText(tr("Folders"));
        m_foldersButton->setToolTip(tr("Folders"));
        m_searchGoButton->setToolTip(tr("Search"));
    }
    if (m_downloadRateTitleLabel) {
        // "Ready" changes language while it is shown; other messages run out.
        const bool ready = statusBar()->currentMessage() == m_readyText;
        m_readyText = tr("Ready");
        if (ready)
            statusBar()->showMessage(m_readyText);
        m_downloadRateTitleLabel->setText(tr("Download Rate"));
        m_downloadRateLabel->setToolTip(tr("Download rate"));
        m_uploadRateLabel->setToolTip(tr("Upload rate"));
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_tray) {
        m_ui->retranslateUi(this);
        retranslateShell();
        // Row states show their texts in the new language too.
        for (int row = 0; row < m_ui->maindownloads_tableWidget->rowCount(); ++row)
            setRowState(row, rowState(row));
        m_tray->rebuildMenu();
        emit retranslated();
    }
    QMainWindow::changeEvent(event);
}

// Settings read at start and applied again after the settings dialog

void MainWindow::readWindowFlags()
{
    const qint64 scale = AppSettings::speedPanelBandwidthBytes();
    m_speedGui->setScale(scale);
    if (m_floating)
        m_floating->setScale(scale);
    m_ui->actionRun_at_System_Startup->setChecked(AppSettings::autoStartupFlag());
    m_clipboardMonitor->setFileTypes(AppSettings::monitorClipboardFileTypes());
    m_clipboardMonitor->setEnabled(AppSettings::monitorClipboardFlag());
    m_ui->actionMonitor_Clipboard->setChecked(m_clipboardMonitor->isEnabled());
    m_minToTray = AppSettings::minToTrayFlag();
    m_ui->actionCompletion_Popup_Dialog->setChecked(AppSettings::completionPopupDialogFlag());
    m_ui->actionSearch_Web_Video->setChecked(true);
}

void MainWindow::applyGeneralSettings(bool proxiesSaved)
{
    readWindowFlags();
    const bool showFloating = AppSettings::showFloatingWindowExact();
    if (m_floating)
        m_floating->setVisible(showFloating);
    m_ui->actionShow_Drop_Window->setChecked(showFloating);
    const int bound = qMax(0, AppSettings::splitBound());
    const int retries = AppSettings::failureRetryTimes();
    m_manager->settings().update([&](ApTvoSettingsValues &values) {
        values.splitBound = bound;
        values.retryCount = retries;
    });
    // The start-up entry follows the flag; the global speed limit holds for
    // the running tasks at once.
    if (AppSettings::autoStartupFlag())
        StartupEntry::write(QCoreApplication::applicationFilePath());
    else
        StartupEntry::remove();
    m_manager->setGlobalSpeedLimit(qint64(AppSettings::downloadSpeedLimit()) * 1024);
    m_policing->setMaxActiveDownloads(AppSettings::maxActiveDownloads());
    if (proxiesSaved && m_manager->settingsRead())
        m_manager->readProxies();
}

// Floating window

std::unique_ptr<ApSpeedGuiFloating> MainWindow::createFloatingWindow()
{
    auto floating = std::make_unique<ApSpeedGuiFloating>(AppSettings::speedPanelBandwidthBytes(), FloatingHeight,
                                                         FloatingStep);
    floating->setPicture(FloatingPicture);
    const QScreen *primary = QGuiApplication::primaryScreen();
    const int screenWidth = primary ? primary->geometry().width() : 1024;
    QPoint position = AppSettings::floatingWindowPosition(screenWidth);
    // A place on a screen that is gone would hide the window for good.
    if (!QGuiApplication::screenAt(position + QPoint(floating->width() / 2, floating->height() / 2)))
        position = QPoint(screenWidth - 220, 120);
    floating->move(position);

    m_floating = floating.get();
    m_tray->setFloatingWindow(m_floating);
    m_stateSaver->setFloatingWindow(m_floating);
    connect(m_floating, &ApSpeedGuiFloating::doubleClicked, m_tray, &ApTrayIcon::showWindow);
    connect(m_floating, &ApSpeedGuiFloating::contextMenuRequested, this, &MainWindow::showFloatingMenu);

    const bool show = AppSettings::showFloatingWindowFlag();
    floating->setVisible(show);
    m_ui->actionShow_Drop_Window->setChecked(show);
    return floating;
}

void MainWindow::showFloatingMenu(const QPoint &globalPos)
{
    m_ui->actionShow_Tarvo->setText(m_tray->isWindowShown() ? tr("Hide Zantor") : tr("Show Zantor"));
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("floating_menu"));
    m_tray->fillMenu(&menu, m_ui->actionShow_Tarvo);
    emit floatingMenuAboutToShow(&menu);
    menu.exec(globalPos);
}

// Tray and window visibility

void MainWindow::startHidden()
{
    m_tray->hideWindow();
}

void MainWindow::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    m_tray->handleActivation(reason);
}

void MainWindow::on_actionShow_Tarvo_triggered() { m_tray->toggleWindow(); }
void MainWindow::on_actionShow_Tarvo_2_triggered() { m_tray->toggleWindow(); }

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_minToTray) {
        m_tray->hideWindow();
        event->ignore();
        return;
    }
    event->accept();
    quitApplication();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isFullScreen()) {
        toggleFullScreen();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void MainWindow::quitApplication()
{
    hide();
    if (m_floating)
        m_floating->hide();
    m_tray->hide();
    m_stateSaver->save();
    if (m_quit)
        m_quit();
    else
        QCoreApplication::exit(0);
}

void MainWindow::tarvoQuitCallback() { quitApplication(); }
void MainWindow::on_actionExit_triggered() { quitApplication(); }
void MainWindow::on_actionExit_quickmenu_triggered() { quitApplication(); }
void MainWindow::on_actionQuit_triggered() { quitApplication(); }

// Clipboard

void MainWindow::clipboardDataChangedCallback()
{
    const QString link = m_clipboardMonitor->candidate();
    if (!link.isEmpty())
        runNewTaskDialog(link);
}

// Tool box and search page

void MainWindow::on_unfoldtoolbox_toolButton_clicked() { m_toolBox->unfold(); }

void MainWindow::showSearchPage()
{
    // The search page controller clears the task selection and checks the
    // side bar's search button as it brings its page to the front.
    m_searchPage->showSearchPageInFront();
}

void MainWindow::on_actionShow_Search_Page_triggered() { showSearchPage(); }

void MainWindow::on_actionSearch_Web_Video_triggered()
{
    m_ui->actionSearch_Web_Video->setChecked(true);
    emit toolbarSearchRequested();
}

void MainWindow::on_actionWeb_Video_Download_triggered()
{
    showSearchPage();
    m_tray->showWindow();
}

ApSpeedGuiFloating *MainWindow::floatingWindow() const { return m_floating; }
