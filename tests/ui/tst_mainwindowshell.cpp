// The main window's shell on real widgets (offscreen): the action table,
// menus and tool bars, the web pages, folders and companion programs the
// actions reach, the toggles and their flags, language switching, the tool
// box, closing and quitting with the window state saved and restored.
#include <QAction>
#include <QCommandLinkButton>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QScreen>
#include <QUrl>

#include <memory>

#include "apclipboardmonitor.h"
#include "aplanguageswitcher.h"
#include "applicationinfo.h"
#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "apspeedgui.h"
#include "apspeedguifloating.h"
#include "aptbwidgets.h"
#include "aptoolbox.h"
#include "aptrayicon.h"
#include "aptvomanager.h"
#include "apwindowstatesaver.h"
#include "commonfunctions.h"
#include "languages.h"
#include "mainwindow.h"
#include "settingsstore.h"
#include "startupentry.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;

// Object names of actions in order; "-" for separators.
QStringList entryNames(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *action : actions)
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}
} // namespace

class TestMainWindowShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void actionTable_data();
    void actionTable();
    void menusAndBars_data();
    void menusAndBars();
    void statusBarAndTitles();
    void shortcutKeysReachTheirActions();
    void sitePagesAndFolders_data();
    void sitePagesAndFolders();
    void convertMedia();
    void playMedia_data();
    void playMedia();
    void togglesWriteTheirFlags();
    void runAtStartupFollowsTheEntry();
    void applyGeneralSettingsAgain();
    void floatingWindowAtStart_data();
    void floatingWindowAtStart();
    void floatingWindowMenuAndDoubleClick();
    void languageSwitchRetranslatesAndMirrors();
    void savedLanguageShownFromTheStart_data();
    void savedLanguageShownFromTheStart();
    void toolBoxFoldsToStrip();
    void searchPageAndRequests();
    void closeAndQuitWithoutTray();
    void quitSavesAndNextStartRestores();
    void geometryAtStart_data();
    void geometryAtStart();
    void updateNoticeEnablesCheck();
    void aboutBox();

private:
    void openWindow();
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    QString storeTask(const QString &name, int state);

    QTemporaryDir m_downloads;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ApSpeedGuiFloating> m_floating;
    QList<QUrl> m_urls;
    QStringList m_paths;
    QList<QStringList> m_programs;
    int m_quits = 0;
};

void TestMainWindowShell::init()
{
    ApTaskStore().removeAll();
    SettingsStore()->remove(SettingsKeys::GeneralGroup);
    SettingsStore()->remove(QStringLiteral("UI"));
    AppSettings::setLanguage(QStringLiteral("english"));
    UiTest::prepareSettings(m_downloads.path());
    m_urls.clear();
    m_paths.clear();
    m_programs.clear();
    m_quits = 0;
}

void TestMainWindowShell::cleanup()
{
    m_floating.reset();
    m_window.reset();
    Languages::switchTo(Languages::languageFolder(TestSupport::binDir()), QStringLiteral("english"));
    StartupEntry::remove();
}

void TestMainWindowShell::openWindow()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->setUrlOpener([this](const QUrl &url) {
        m_urls << url;
        return true;
    });
    m_window->setPathOpener([this](const QString &path) {
        m_paths << path;
        return true;
    });
    m_window->setProgramStarter([this](const QString &program, const QStringList &arguments) {
        m_programs << (QStringList{program} + arguments);
        return true;
    });
    m_window->setQuitHandler([this] { ++m_quits; });
    m_floating = m_window->createFloatingWindow();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QString TestMainWindowShell::storeTask(const QString &name, int state)
{
    NewTask task;
    task.url = QStringLiteral("http://127.0.0.1:9/") + name;
    task.savePathName = m_downloads.filePath(name);
    const qint64 id = ApTaskStore().create(task);
    ApTaskStore().writeState(id, state);
    return ApTaskStore::keyFor(id);
}

void TestMainWindowShell::actionTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("extra");  // status tip, or "checkable"/"checked"

    const auto row = [](const char *name, const char *text, const char *shortcut = "", const char *extra = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text) << QString::fromLatin1(shortcut)
                            << QString::fromLatin1(extra);
    };
    row("actionStart", "Start", "F9", "Start task");
    row("actionPause", "Pause", "Pause");
    row("actionStop", "Stop", "F10", "Stop task");
    row("actionDelete", "Delete Task Only", "Del", "Delete task");
    row("actionDelete_Task_Files", "Delete Task and Files", "Ctrl+D");
    row("actionStart_All", "Start All Tasks");
    row("actionPause_All", "Pause All Tasks");
    row("actionStop_All", "Stop All Tasks");
    row("actionOpen_Task_File_Maindownloadtable", "Open File");
    row("actionOpen_Task_File_Folder_Maindownloadtable", "Open Containing Folder");
    row("actionDownload_Task_Properties", "Properties");
    row("actionHttp_Ftp", "HTTP/FTP Download", "Ctrl+H");
    row("actionHttp_Ftp_quickmenu", "HTTP/FTP Download", "Ctrl+H");
    row("actionWeb_Video_Download", "Web Video Download", "Ctrl+W");
    row("actionShow_Search_Page", "Search Page", "F2");
    row("actionSearch_Web_Video", "Search Web Videos", "", "checked");
    row("actionSearch_More_Online", "More Searches...");
    row("actionSchedule_Task", "Schedule Task");
    row("actionSettings", "Settings");
    row("actionSettings_menu", "Settings", "Alt+S");
    row("actionDownload_Folder", "Download Folder", "Ctrl+Z");
    row("actionDownload_Folder_quickmenu", "Download Folder", "Ctrl+Z");
    row("actionMyRecentDocumentsFolder", "My Recent Documents");
    row("actionMyDocumentsFolder", "My Documents");
    row("actionDesktopFolder", "Desktop");
    row("actionRootFolder", "/");
    row("actionHomeFolder", "User Home Folder");
    row("actionShow_Drop_Window", "Show Floating Window", "", "checked");
    row("actionRun_at_System_Startup", "Run at System Startup", "", "checked");
    row("actionMonitor_Clipboard", "Monitor Clipboard", "", "checked");
    row("actionCompletion_Popup_Dialog", "Prompt on Task Completion", "", "checked");
    row("actionFull_Screen", "Full Screen");
    row("actionFull_Screen_menu", "Full Screen", "F11");
    row("actionCheck_Updates", "Check for Updates");
    row("actionCheck_Updates_menu", "Check for Updates");
    row("actionConvert_Media", "Convert Audio/Video");
    row("actionCapture_Media", "Capture Audio/Video");
    row("actionPlay_Media", "Play MP4/FLV Video");
    row("actionHome", "Home");
    row("actionHome_menu", "Home", "Home");
    row("actionHelp", "Help");
    row("actionHelp_menu", "Help", "F1");
    row("actionFAQs", "FAQs");
    row("actionTell_a_Friend", "Tell a Friend");
    row("actionLink_to_Us", "Link to Us");
    row("actionReport_Bugs", "Report Bugs");
    row("actionContacts", "Contacts");
    row("actionAbout_Tarvo", "About Zantor");
    row("actionShow_Tarvo", "Show Tarvo");
    row("actionShow_Tarvo_2", "Show/Hide Tarvo");
    row("actionExit", "Exit");
    row("actionExit_quickmenu", "Exit");
    row("actionGerman", "Deutsch", "Shift+G", "checkable");
    row("actionEnglish", "English", "Shift+E", "checked");
    row("actionSpanish", "Español", "Shift+S", "checkable");
    row("actionFrench", "Français", "Shift+F", "checkable");
    row("actionPortuguese", "Português", "Shift+P", "checkable");
    row("actionChinese", "中文", "Shift+C", "checkable");
    row("actionJapanese", "日本語", "Shift+J", "checkable");
    row("actionKorean", "한국어", "Shift+K", "checkable");
    row("actionRussian", "Русский", "Shift+R", "checkable");
    row("actionArabic", "العربية", "Shift+A", "checkable");
}

void TestMainWindowShell::actionTable()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, extra);
    openWindow();
    QAction *found = m_window->findChild<QAction *>(name);
    QVERIFY(found);
    QCOMPARE(found->text(), text);
    QCOMPARE(found->shortcut(), QKeySequence(shortcut));
    if (extra == QLatin1String("checked") || extra == QLatin1String("checkable")) {
        QVERIFY(found->isCheckable());
        QCOMPARE(found->isChecked(), extra == QLatin1String("checked"));
    } else if (!extra.isEmpty()) {
        QCOMPARE(found->statusTip(), extra);
    }
    if (name == QLatin1String("actionDelete"))
        QCOMPARE(found->iconText(), QStringLiteral("Delete"));
    // A shortcut works anywhere in the window; the tray's copies stay out
    // of it so that no key is claimed twice.
    if (!shortcut.isEmpty())
        QCOMPARE(m_window->actions().contains(found), !name.endsWith(QLatin1String("_quickmenu")));
}

void TestMainWindowShell::menusAndBars_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("tasks menu") << "menuTasks" << "&Tasks"
                                << QStringList{"actionWeb_Video_Download", "actionHttp_Ftp", "-", "actionExit"};
    QTest::newRow("languages menu") << "menuLanguages" << "&Languages"
                                    << QStringList{"actionArabic",   "actionChinese",  "actionEnglish",
                                                   "actionFrench",   "actionGerman",   "actionJapanese",
                                                   "actionKorean",   "actionPortuguese", "actionRussian",
                                                   "actionSpanish"};
    QTest::newRow("options menu") << "menuOptions" << "&Options"
                                  << QStringList{"actionSettings_menu",
                                                 "-",
                                                 "actionShow_Drop_Window",
                                                 "actionRun_at_System_Startup",
                                                 "actionMonitor_Clipboard",
                                                 "actionCompletion_Popup_Dialog",
                                                 "-",
                                                 "actionSchedule_Task",
                                                 "actionShow_Search_Page",
                                                 "actionFull_Screen_menu",
                                                 "-",
                                                 "actionDownload_Folder",
                                                 "actionConvert_Media",
                                                 "actionCapture_Media",
                                                 "actionPlay_Media"};
    QTest::newRow("help menu") << "menuHelp" << "&Help"
                               << QStringList{"actionHelp_menu", "actionFAQs",        "-",
                                              "actionHome_menu", "actionTell_a_Friend", "actionLink_to_Us",
                                              "actionReport_Bugs", "actionContacts",  "-",
                                              "actionCheck_Updates_menu", "-",          "actionAbout_Tarvo"};
    QTest::newRow("menu bar") << "menubar" << ""
                              << QStringList{"menuTasks", "menuLanguages", "menuOptions", "menuHelp"};
    QTest::newRow("main toolbar") << "main_toolBar" << "Main Toolbar"
                                  << QStringList{"actionStart", "actionPause", "actionStop", "newtask_toolButton",
                                                 "deletetask_toolButton", "folders_toolButton", "-",
                                                 "actionFull_Screen", "actionSettings", "-", "actionHelp",
                                                 "actionCheck_Updates", "actionHome"};
    QTest::newRow("search toolbar") << "search_toolBar" << "Search Bar" << QStringList{"toolbar_search", "searchgo_toolButton"};
    QTest::newRow("speed toolbar") << "speed_toolBar" << "Speed Display Panel" << QStringList{"speedgui_widget"};
    QTest::newRow("new task button") << "newtask_toolButton" << "New Task" << QStringList{"actionHttp_Ftp"};
    QTest::newRow("delete button") << "deletetask_toolButton" << "Delete Task"
                                   << QStringList{"actionDelete", "actionDelete_Task_Files"};
    QTest::newRow("folders button") << "folders_toolButton" << "Folders"
                                    << QStringList{"actionDownload_Folder", "-", "actionMyRecentDocumentsFolder",
                                                   "actionMyDocumentsFolder", "actionDesktopFolder", "-",
                                                   "actionHomeFolder", "actionRootFolder"};
    QTest::newRow("go button") << "searchgo_toolButton" << ""
                               << QStringList{"actionSearch_Web_Video", "actionSearch_More_Online"};
    QTest::newRow("tray menu") << "tray" << ""
                               << QStringList{"actionShow_Tarvo_2", "-", "actionDownload_Folder_quickmenu", "-",
                                              "actionStart_All", "actionPause_All", "actionStop_All", "-",
                                              "actionWeb_Video_Download", "actionHttp_Ftp_quickmenu", "-",
                                              "actionHome", "actionExit_quickmenu"};
}

void TestMainWindowShell::menusAndBars()
{
    QFETCH(QString, host);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    openWindow();
    if (host == QLatin1String("tray")) {
        QCOMPARE(entryNames(m_window->trayIcon()->menu()->actions()), entries);
        return;
    }
    QWidget *widget = m_window->findChild<QWidget *>(host);
    QVERIFY2(widget, qPrintable(host));
    if (auto *menu = qobject_cast<QMenu *>(widget)) {
        QCOMPARE(menu->title(), title);
        QCOMPARE(entryNames(menu->actions()), entries);
    } else if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
        QStringList menus;
        for (QAction *action : bar->actions())
            menus << action->menu()->objectName();
        QCOMPARE(menus, entries);
    } else if (auto *toolBar = qobject_cast<QToolBar *>(widget)) {
        QCOMPARE(toolBar->windowTitle(), title);
        QStringList names;
        for (QAction *action : toolBar->actions()) {
            QWidget *item = toolBar->widgetForAction(action);
            auto *button = qobject_cast<QToolButton *>(item);
            if (action->isSeparator())
                names << QStringLiteral("-");
            else if (item && !(button && button->defaultAction() == action))
                names << item->objectName();
            else
                names << action->objectName();
        }
        QCOMPARE(names, entries);
    } else if (auto *button = qobject_cast<QToolButton *>(widget)) {
        QCOMPARE(button->text(), title.isEmpty() ? button->text() : title);
        if (!title.isEmpty())
            QCOMPARE(button->toolTip(), title);
        QCOMPARE(entryNames(button->menu()->actions()), entries);
        QCOMPARE(button->popupMode(), QToolButton::InstantPopup);
    } else {
        QFAIL("unexpected host");
    }
}

void TestMainWindowShell::statusBarAndTitles()
{
    openWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zantor 1.4.4"));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QCOMPARE(m_window->findChild<QLabel *>("downloadrate_title_label")->text(), QStringLiteral("Download Rate"));
    QCOMPARE(m_window->findChild<QLabel *>("downloadrate_label")->text(), QStringLiteral("0 B/s"));
    QVERIFY(!m_window->findChild<QLabel *>("encrypted_label")->pixmap()->isNull());
    QVERIFY(!m_window->findChild<QLabel *>("downloadrate_icon_label")->pixmap()->isNull());
    QCOMPARE(m_window->trayIcon()->icon()->toolTip(), QStringLiteral("Zantor 1.4.4"));
    auto *go = m_window->findChild<QToolButton *>("searchgo_toolButton");
    QCOMPARE(go->cursor().shape(), Qt::PointingHandCursor);

    // The engine's rates reach the labels and the panels' tool tips.
    m_window->setStatusbarRates(QStringLiteral("3.00 KB/s"), QStringLiteral("0 B/s"));
    QCOMPARE(m_window->findChild<QLabel *>("downloadrate_label")->text(), QStringLiteral("3.00 KB/s"));
    QCOMPARE(m_window->speedGui()->graph().rateText(), QStringLiteral("3.00 KB/s"));
    m_window->setTrayIconToolTip(QStringLiteral("Total downloads - 40%"));
    QCOMPARE(m_window->trayIcon()->icon()->toolTip(), QStringLiteral("Total downloads - 40%"));

    // The search box, when it comes, goes in front of the go button.
    auto *box = new QLineEdit;
    box->setObjectName(QStringLiteral("search_box"));
    m_window->setSearchBox(box);
    auto *bar = m_window->findChild<QToolBar *>("search_toolBar");
    const QList<QAction *> entries = bar->actions();
    QCOMPARE(bar->widgetForAction(entries.at(entries.size() - 2)), box);
    QCOMPARE(box->width(), 160);
    QVERIFY(!box->isEnabled());
}

void TestMainWindowShell::shortcutKeysReachTheirActions()
{
    const QString folder = m_downloads.filePath(QStringLiteral("made/by/the/action"));
    AppSettings::setDownloadedTo(folder);
    openWindow();
    m_window->activateWindow();
    QTRY_VERIFY(m_window->isActiveWindow());
    QWidget *table = m_window->findChild<QTableWidget *>("maindownloads_tableWidget");
    table->setFocus();

    // Ctrl+Z: the download folder, made first when missing.
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_paths, QStringList{folder});
    QVERIFY(QDir(folder).exists());
    // F2: the search page.
    QTest::keyClick(table, Qt::Key_F2);
    auto *top = m_window->findChild<QStackedWidget *>("top_stackedWidget");
    QCOMPARE(top->currentWidget()->objectName(), QStringLiteral("search_stackedPage"));
    // F1: the help page.
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QCOMPARE(m_urls.value(0).path(), QStringLiteral("/tvo/pub/help/zantor.html"));
    // F11 and Escape: in and out of full screen.
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QTRY_VERIFY(m_window->isFullScreen());
    QTest::keyClick(table, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(m_window->isFullScreen());
    QTest::keyClick(table, Qt::Key_Escape);
    QTRY_VERIFY(!m_window->isFullScreen());
    // Ctrl+H: the new task dialog, empty.
    QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier);
    QTRY_VERIFY(m_window->newTaskDialog()->isVisible());
    QCOMPARE(m_window->newTaskDialog()->findChild<QLineEdit *>("httpftptask_url_lineEdit")->text(), QString());
    m_window->newTaskDialog()->reject();
}

void TestMainWindowShell::sitePagesAndFolders_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");  // URL path, or a folder
    const auto page = [](const char *action, const char *path) {
        QTest::newRow(action) << QString::fromLatin1(action) << QString::fromLatin1(path);
    };
    page("actionHome", "");
    page("actionHome_menu", "");
    page("actionHelp", "/tvo/pub/help/zantor.html");
    page("actionHelp_menu", "/tvo/pub/help/zantor.html");
    page("actionFAQs", "/tvo/pub/help/faqs.html");
    page("actionTell_a_Friend", "/tvo/pub/help/tellafriend.html");
    page("actionLink_to_Us", "/tvo/pub/help/linktous.html");
    page("actionReport_Bugs", "/tvo/pub/help/reportbugs.html");
    page("actionContacts", "/tvo/pub/help/contacts.html");
    page("actionSearch_More_Online", "/tvo/pub/res/webvidengines.html");
    QTest::newRow("root folder") << "actionRootFolder" << "folder:/";
    QTest::newRow("home folder") << "actionHomeFolder" << QString("folder:" + QDir::homePath());
    QTest::newRow("documents") << "actionMyDocumentsFolder" << QString("folder:" + Common::documentsFolder());
    QTest::newRow("desktop") << "actionDesktopFolder" << QString("folder:" + Common::desktopFolder());
    QTest::newRow("download folder, tray")
        << "actionDownload_Folder_quickmenu" << QString("folder:" + m_downloads.path());
}

void TestMainWindowShell::sitePagesAndFolders()
{
    QFETCH(QString, action);
    QFETCH(QString, target);
    openWindow();
    m_window->findChild<QAction *>(action)->trigger();
    if (target.startsWith(QLatin1String("folder:"))) {
        QCOMPARE(m_paths, QStringList{target.mid(7)});
        QVERIFY(m_urls.isEmpty());
        return;
    }
    QCOMPARE(m_urls.size(), 1);
    QCOMPARE(m_urls.first(), QUrl(m_window->applicationInfo().homeUrl() + target));
}

void TestMainWindowShell::convertMedia()
{
    openWindow();
    storeTask(QStringLiteral("a.flv"), TaskStopped);
    storeTask(QStringLiteral("b c.avi"), TaskStopped);
    m_window->loadAllTasks();
    auto *table = m_window->findChild<QTableWidget *>("maindownloads_tableWidget");
    QCOMPARE(table->rowCount(), 2);

    // Without the converter: the question, and on OK its product page.
    {
        UiTest::InfoDialogAnswerer answerer(true);
        action("actionConvert_Media")->trigger();
        QCOMPARE(answerer.texts, QStringList{"Media Converter NOT found on your machine. Do you want to download "
                                             "and install it?"});
    }
    QCOMPARE(m_urls.value(0).path(), QStringLiteral("/products/fshift.html"));
    {
        UiTest::InfoDialogAnswerer answerer(false);
        action("actionConvert_Media")->trigger();
        QCOMPARE(answerer.texts.size(), 1);
    }
    QCOMPARE(m_urls.size(), 1);
    QVERIFY(m_programs.isEmpty());

    // With it: no selection starts it bare; a selection passes "/files"
    // and every path followed by a colon, as one argument.
    QTemporaryDir converterDir;
    const QString converter = converterDir.filePath(QStringLiteral("formshift"));
    QFile file(converter);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    SettingsStore(QStringLiteral("Formshift"), QStringLiteral("formshift"))
        ->setValue(QStringLiteral("FullPathName"), converter);
    action("actionConvert_Media")->trigger();
    QCOMPARE(m_programs.value(0), QStringList{converter});
    table->selectAll();
    action("actionConvert_Media")->trigger();
    const QString files = m_window->rowPath(0) + QLatin1Char(':') + m_window->rowPath(1) + QLatin1Char(':');
    QCOMPARE(m_programs.value(1), (QStringList{converter, "/files", files}));
    SettingsStore(QStringLiteral("Formshift"), QStringLiteral("formshift"))->remove(QStringLiteral("FullPathName"));
}

void TestMainWindowShell::playMedia_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withFile");
    QTest::newRow("no selection") << "" << false;
    QTest::newRow("mp4") << "clip.mp4" << true;
    QTest::newRow("FLV in capitals") << "clip.FLV" << true;
    QTest::newRow("zip") << "archive.zip" << false;
}

void TestMainWindowShell::playMedia()
{
    QFETCH(QString, name);
    QFETCH(bool, withFile);
    openWindow();
    if (!name.isEmpty()) {
        storeTask(name, TaskStopped);
        m_window->loadAllTasks();
        m_window->findChild<QTableWidget *>("maindownloads_tableWidget")->selectRow(0);
    }
    action("actionPlay_Media")->trigger();
    QCOMPARE(m_programs.size(), 1);
    QVERIFY(m_programs.first().first().endsWith(QLatin1String("clipdeck")));
    const QStringList arguments = m_programs.first().mid(1);
    if (withFile)
        QCOMPARE(arguments, (QStringList{"/file", m_window->rowPath(0), "0",
                                         m_window->applicationInfo().advertisementBaseUrl()}));
    else
        QCOMPARE(arguments, QStringList());

    // Capture and web image start their programs with no arguments.
    m_programs.clear();
    action("actionCapture_Media")->trigger();
    QVERIFY(QMetaObject::invokeMethod(m_window.get(), "on_actionWeb_Image_Download_triggered"));
    QCOMPARE(m_programs.size(), 2);
    QCOMPARE(m_programs.at(0).size(), 1);
    QCOMPARE(m_programs.at(1).size(), 1);
}

void TestMainWindowShell::togglesWriteTheirFlags()
{
    openWindow();
    QVERIFY(m_floating->isVisible());
    struct Toggle
    {
        const char *action;
        QString key;
    };
    const QList<Toggle> toggles{{"actionMonitor_Clipboard", SettingsKeys::MonitorClipboardFlag},
                                {"actionCompletion_Popup_Dialog", SettingsKeys::CompletionPopupDialogFlag},
                                {"actionShow_Drop_Window", SettingsKeys::ShowFloatingWindowFlag}};
    for (const Toggle &toggle : toggles) {
        QAction *found = action(toggle.action);
        QVERIFY2(found->isChecked(), toggle.action);
        found->trigger();
        QVERIFY2(!found->isChecked(), toggle.action);
        QCOMPARE(SettingsStore()->value(toggle.key).toInt(), 0);
        found->trigger();
        QVERIFY(found->isChecked());
        QCOMPARE(SettingsStore()->value(toggle.key).toInt(), 1);
    }
    // The monitor and the floating window follow their toggles.
    action("actionMonitor_Clipboard")->trigger();
    QVERIFY(!m_window->clipboardMonitor()->isEnabled());
    action("actionShow_Drop_Window")->trigger();
    QVERIFY(!m_floating->isVisible());
    // Samples reach the floating window only while it is visible.
    m_window->setSpeed(1000, 0);
    QCOMPARE(m_window->speedGui()->graph().downloadSamples().size(), 1);
    QCOMPARE(m_floating->graph().downloadSamples().size(), 0);
    action("actionShow_Drop_Window")->trigger();
    m_window->setSpeed(1000, 0);
    QCOMPARE(m_floating->graph().downloadSamples().size(), 1);
}

void TestMainWindowShell::runAtStartupFollowsTheEntry()
{
    openWindow();
    // Started with the flag on: the entry was written and the mark set.
    QVERIFY(StartupEntry::isPresent());
    QAction *found = action("actionRun_at_System_Startup");
    QVERIFY(found->isChecked());
    found->trigger();
    QVERIFY(!StartupEntry::isPresent());
    QVERIFY(!found->isChecked());
    QCOMPARE(SettingsStore()->value(SettingsKeys::AutoStartupFlag).toInt(), 0);
    // A stale entry goes even though the mark is off.
    StartupEntry::write(QStringLiteral("/old/place/zantor"));
    found->trigger();
    QVERIFY(!StartupEntry::isPresent());
    QVERIFY(!found->isChecked());
    found->trigger();
    QVERIFY(StartupEntry::isPresent());
    QVERIFY(found->isChecked());
    QFile entry(StartupEntry::entryPath());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains(" /bg"));
}

void TestMainWindowShell::applyGeneralSettingsAgain()
{
    openWindow();
    GeneralSettings general = AppSettings::readGeneralPage();
    general.speedPanelBandwidth = 50;
    general.showFloatingWindow = false;
    general.autoStartup = false;
    general.monitorClipboard = false;
    general.monitorClipboardFileTypes = QStringLiteral(".iso;.img");
    general.minToTray = false;
    general.completionPopup = false;
    general.customSplit = true;
    general.maxSplitNum = 9;
    general.failureRetryTimes = 7;
    AppSettings::saveGeneralPage(general);
    m_window->applyGeneralSettings();

    QCOMPARE(m_window->speedGui()->graph().scale(), qint64(50000));
    QCOMPARE(m_floating->graph().scale(), qint64(50000));
    QVERIFY(!m_floating->isVisible());
    QVERIFY(!action("actionShow_Drop_Window")->isChecked());
    QVERIFY(!action("actionRun_at_System_Startup")->isChecked());
    QVERIFY(!action("actionMonitor_Clipboard")->isChecked());
    QVERIFY(!m_window->clipboardMonitor()->isEnabled());
    QCOMPARE(m_window->clipboardMonitor()->fileTypes(), QStringLiteral(".iso;.img"));
    QVERIFY(!m_window->minToTray());
    QVERIFY(!action("actionCompletion_Popup_Dialog")->isChecked());
    QCOMPARE(m_window->manager()->settingsValues().splitBound, 8);
    QCOMPARE(m_window->manager()->settingsValues().retryCount, 7);

    // Saved proxies reach a manager that has read its settings.
    ProxySettings proxy;
    proxy.type = ProxySettings::Http;
    proxy.host = QStringLiteral("127.0.0.1");
    proxy.port = 3129;
    AppSettings::setHttpFtpProxy(proxy);
    m_window->applyGeneralSettings();
    m_window->manager()->readSettingsOnce();
    AppSettings::setHttpFtpProxy(ProxySettings());
    m_window->applyGeneralSettings();
    QCOMPARE(m_window->manager()->settingsValues().proxyType, int(ProxySettings::Http));
    m_window->applyGeneralSettings(true);
    QCOMPARE(m_window->manager()->settingsValues().proxyType, int(ProxySettings::NoProxy));

    // Only an exact 1 shows the floating window again.
    SettingsStore()->setValue(SettingsKeys::ShowFloatingWindowFlag, 2);
    m_window->applyGeneralSettings();
    QVERIFY(!m_floating->isVisible());
    SettingsStore()->setValue(SettingsKeys::ShowFloatingWindowFlag, 1);
    m_window->applyGeneralSettings();
    QVERIFY(m_floating->isVisible());
    QVERIFY(action("actionShow_Drop_Window")->isChecked());
}

void TestMainWindowShell::floatingWindowAtStart_data()
{
    QTest::addColumn<QVariant>("flag");
    QTest::addColumn<QPoint>("saved");
    QTest::addColumn<bool>("shown");
    QTest::newRow("defaults") << QVariant() << QPoint(-1, -1) << true;
    QTest::newRow("flag 0") << QVariant(0) << QPoint(30, 40) << false;
    QTest::newRow("flag 2 is on at start") << QVariant(2) << QPoint(30, 40) << true;
    QTest::newRow("place off every screen") << QVariant(1) << QPoint(-5000, -5000) << true;
}

void TestMainWindowShell::floatingWindowAtStart()
{
    QFETCH(QVariant, flag);
    QFETCH(QPoint, saved);
    QFETCH(bool, shown);
    if (flag.isValid())
        SettingsStore()->setValue(SettingsKeys::ShowFloatingWindowFlag, flag);
    if (saved != QPoint(-1, -1))
        AppSettings::setFloatingWindowPosition(saved);
    openWindow();
    QCOMPARE(m_floating->isVisible(), shown);
    QCOMPARE(action("actionShow_Drop_Window")->isChecked(), shown);
    QCOMPARE(m_floating->size(), QSize(160, 42));
    QCOMPARE(m_floating->graph().step(), 4);
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    const QPoint expected = saved == QPoint(-1, -1) || saved.x() < -1000 ? QPoint(screenWidth - 220, 120) : saved;
    QCOMPARE(m_floating->pos(), expected);
}

void TestMainWindowShell::floatingWindowMenuAndDoubleClick()
{
    openWindow();
    QStringList entries;
    QString showHideText;
    connect(m_window.get(), &MainWindow::floatingMenuAboutToShow, this, [&](QMenu *menu) {
        entries.clear();
        for (QAction *entry : menu->actions())
            entries << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
        showHideText = menu->actions().first()->text();
        QMetaObject::invokeMethod(menu, "close", Qt::QueuedConnection);
    });
    // A right click on the floating window opens the tray's menu there,
    // with the show/hide entry saying what it will do.
    QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(5, 5), m_floating->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_floating.get(), &context);
    QCOMPARE(showHideText, QStringLiteral("Hide Zantor"));
    QStringList trayEntries = entryNames(m_window->trayIcon()->menu()->actions());
    trayEntries.first() = QStringLiteral("actionShow_Tarvo");
    QCOMPARE(entries, trayEntries);

    m_window->showMinimized();
    QTRY_VERIFY(m_window->isMinimized());
    QApplication::sendEvent(m_floating.get(), &context);
    QCOMPARE(showHideText, QStringLiteral("Show Zantor"));
    // A double click brings the window back.
    QTest::mouseDClick(m_floating.get(), Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_VERIFY(!m_window->isMinimized());
    QVERIFY(m_window->isVisible());
}

void TestMainWindowShell::languageSwitchRetranslatesAndMirrors()
{
    openWindow();
    QSignalSpy retranslated(m_window.get(), &MainWindow::retranslated);
    // Another window is open while the language changes.
    m_window->findChild<QAction *>("actionHttp_Ftp")->trigger();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QTRY_VERIFY(dialog->isVisible());
    const int trayBuilds = m_window->trayIcon()->menuBuildCount();

    action("actionArabic")->trigger();
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(dialog->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(m_floating->layoutDirection(), Qt::RightToLeft);
    // Windows retranslate on the language-change event the switch posts.
    QTRY_COMPARE(action("actionStart")->text(), QStringLiteral("بدء"));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("جاهز"));
    QCOMPARE(m_window->findChild<QToolButton *>("newtask_toolButton")->text(), QStringLiteral("مهمة جديدة"));
    QCOMPARE(AppSettings::language(), QStringLiteral("arabic"));
    QVERIFY(action("actionArabic")->isChecked());
    QVERIFY(!action("actionEnglish")->isChecked());
    QVERIFY(retranslated.count() >= 1);
    QVERIFY(m_window->trayIcon()->menuBuildCount() > trayBuilds);
    UiTest::saveImage(m_window->grab().toImage(), QStringLiteral("mainwindow-arabic.png"));

    action("actionGerman")->trigger();
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(m_window->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(dialog->layoutDirection(), Qt::LeftToRight);
    QTRY_COMPARE(action("actionStart")->text(), QStringLiteral("Starten"));
    QCOMPARE(AppSettings::language(), QStringLiteral("german"));

    action("actionEnglish")->trigger();
    QTRY_COMPARE(action("actionStart")->text(), QStringLiteral("Start"));
    QCOMPARE(m_window->findChild<QToolButton *>("folders_toolButton")->text(), QStringLiteral("Folders"));
    QCOMPARE(AppSettings::language(), QStringLiteral("english"));
    dialog->reject();
}

void TestMainWindowShell::savedLanguageShownFromTheStart_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("german") << "german" << "Starten" << "Einstellungen" << false;
    QTest::newRow("arabic") << "arabic" << "بدء" << "الإعدادات" << true;
    QTest::newRow("english") << "english" << "Start" << "Settings" << false;
}

void TestMainWindowShell::savedLanguageShownFromTheStart()
{
    QFETCH(QString, language);
    QFETCH(QString, start);
    QFETCH(QString, settings);
    QFETCH(bool, rightToLeft);
    AppSettings::setLanguage(language);
    openWindow();
    auto *toolBar = m_window->findChild<QToolBar *>("main_toolBar");
    QStringList texts;
    for (QAction *entry : toolBar->actions())
        texts << entry->text();
    QVERIFY2(texts.contains(start), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY2(texts.contains(settings), qPrintable(texts.join(QLatin1Char('|'))));
    QCOMPARE(m_window->layoutDirection() == Qt::RightToLeft, rightToLeft);
    QVERIFY(m_window->findChild<QAction *>(QStringLiteral("action") + language.left(1).toUpper() + language.mid(1))
                ->isChecked());
    UiTest::saveImage(m_window->grab().toImage(), QStringLiteral("mainwindow-start-%1.png").arg(language));
}

void TestMainWindowShell::toolBoxFoldsToStrip()
{
    openWindow();
    auto *dock = m_window->findChild<QDockWidget *>("main_dockWidget");
    auto *strip = m_window->findChild<QWidget *>("unfoldtoolbox_widget");
    ApFoldLabel *fold = m_window->toolBox()->foldLabel();
    QVERIFY(dock->isVisible());
    QVERIFY(!strip->isVisible());
    QCOMPARE(dock->titleBarWidget()->objectName(), QStringLiteral("toolbox_titleBar"));
    QCOMPARE(m_window->toolBox()->titleLabel()->text(), QStringLiteral("Tasks"));

    const QImage before = fold->pixmap()->toImage();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(fold, &enter);
    QVERIFY(fold->pixmap()->toImage() != before);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(fold, &leave);
    QCOMPARE(fold->pixmap()->toImage(), before);

    QTest::mouseClick(fold, Qt::LeftButton);
    QVERIFY(!dock->isVisible());
    QVERIFY(strip->isVisible());
    QTRY_COMPARE(strip->width(), 8);
    QVERIFY(m_window->toolBox()->isFolded());
    UiTest::saveImage(m_window->grab().toImage(), QStringLiteral("mainwindow-toolbox-folded.png"));

    QTest::mouseClick(m_window->findChild<QToolButton *>("unfoldtoolbox_toolButton"), Qt::LeftButton);
    QVERIFY(dock->isVisible());
    QVERIFY(!strip->isVisible());
    QCOMPARE(strip->maximumWidth(), 0);

    // The filters sit in a section whose header button folds them away in
    // steps and brings them back; the search button stays.
    ApTBb *section = m_window->toolBox()->section();
    QVERIFY(section);
    auto *header = section->findChild<ApTBt *>("downloads_toolBoxButton");
    QVERIFY(header);
    QCOMPARE(header->item()->text(), QStringLiteral("Downloads"));
    auto *completed = m_window->findChild<QCommandLinkButton *>("completed_commandLinkButton");
    auto *search = m_window->findChild<QCommandLinkButton *>("search_commandLinkButton");
    QCOMPARE(completed->parentWidget()->parentWidget(), section);
    QVERIFY(completed->isVisible());
    QTest::mouseClick(header->item(), Qt::LeftButton);
    QTRY_VERIFY(section->isFolded());
    QVERIFY(!completed->isVisible());
    QVERIFY(search->isVisible());
    UiTest::saveImage(m_window->grab().toImage(), QStringLiteral("mainwindow-toolbox-section-folded.png"));
    QTest::mouseClick(header->item(), Qt::LeftButton);
    QTRY_VERIFY(!section->isFolded());
    QVERIFY(completed->isVisible());
    QTest::mouseClick(completed, Qt::LeftButton);
    QCOMPARE(m_window->currentFilter(), MainWindow::CompletedTasks);
}

void TestMainWindowShell::searchPageAndRequests()
{
    openWindow();
    storeTask(QStringLiteral("x.zip"), TaskStopped);
    m_window->loadAllTasks();
    auto *table = m_window->findChild<QTableWidget *>("maindownloads_tableWidget");
    auto *top = m_window->findChild<QStackedWidget *>("top_stackedWidget");
    auto *search = m_window->findChild<QCommandLinkButton *>("search_commandLinkButton");
    table->selectRow(0);

    action("actionShow_Search_Page")->trigger();
    QVERIFY(table->selectedItems().isEmpty());
    QVERIFY(search->isChecked());
    QCOMPARE(top->currentWidget()->objectName(), QStringLiteral("search_stackedPage"));
    action("actionSearch_Web_Video")->setChecked(false);
    QSignalSpy boxSearches(m_window.get(), &MainWindow::toolbarSearchRequested);
    action("actionSearch_Web_Video")->trigger();
    QVERIFY(action("actionSearch_Web_Video")->isChecked());
    QCOMPARE(boxSearches.count(), 1);

    // The filters bring the downloads back.
    QTest::mouseClick(m_window->findChild<QCommandLinkButton *>("alltasks_commandLinkButton"), Qt::LeftButton);
    QCOMPARE(top->currentWidget()->objectName(), QStringLiteral("downloads_stackedPage"));
    m_window->showMinimized();
    action("actionWeb_Video_Download")->trigger();
    QCOMPARE(top->currentWidget()->objectName(), QStringLiteral("search_stackedPage"));
    QTRY_VERIFY(!m_window->isMinimized());
}

void TestMainWindowShell::closeAndQuitWithoutTray()
{
    openWindow();
    QVERIFY(!m_window->trayIcon()->isAvailable());
    // Without a tray, hiding would leave nothing to come back with.
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QTRY_VERIFY(m_window->isMinimized());
    QCOMPARE(m_quits, 0);
    action("actionShow_Tarvo_2")->trigger();
    QTRY_VERIFY(!m_window->isMinimized());
    m_window->startHidden();
    QVERIFY(m_window->isVisible());
    QTRY_VERIFY(m_window->isMinimized());
    action("actionShow_Tarvo")->trigger();
    QTRY_VERIFY(!m_window->isMinimized());

    // With a tray present, closing hides the window.
    m_window->trayIcon()->setAvailabilityCheck([] { return true; });
    QVERIFY(!m_window->close());
    QVERIFY(!m_window->isVisible());
    action("actionShow_Tarvo_2")->trigger();
    QVERIFY(m_window->isVisible());

    // Minimise to tray off: closing quits, saving the state first.
    SettingsStore()->setValue(SettingsKeys::MinToTrayFlag, 0);
    m_window->applyGeneralSettings();
    const int saves = m_window->windowStateSaver()->saveCount();
    QVERIFY(m_window->close());
    QCOMPARE(m_quits, 1);
    QCOMPARE(m_window->windowStateSaver()->saveCount(), saves + 1);
    QVERIFY(!m_floating->isVisible());
    QVERIFY(!m_window->trayIcon()->icon()->isVisible());
}

void TestMainWindowShell::quitSavesAndNextStartRestores()
{
    AppSettings::setLanguage(QStringLiteral("null"));
    openWindow();
    QCOMPARE(AppSettings::language(), QStringLiteral("null"));
    // Within the screen: a place sticking out would be moved in at start.
    const QRect geometry(60, 10, 700, 580);
    m_window->setGeometry(geometry);
    auto *splitter = m_window->findChild<QSplitter *>("main_splitter");
    QTRY_COMPARE(m_window->geometry(), geometry);
    splitter->setSizes({300, 150});
    const QList<int> sizes = splitter->sizes();
    m_floating->move(210, 220);
    action("actionFrench")->trigger();

    action("actionExit")->trigger();
    QCOMPARE(m_quits, 1);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_floating->isVisible());
    QCOMPARE(AppSettings::mainWindowGeometry(), geometry);
    QStringList sizeTexts;
    for (int size : sizes)
        sizeTexts << QString::number(size);
    QCOMPARE(AppSettings::mainSplitterSizes(), sizeTexts);
    QCOMPARE(AppSettings::floatingWindowPosition(1000), QPoint(210, 220));
    QCOMPARE(AppSettings::language(), QStringLiteral("french"));

    m_floating.reset();
    m_window.reset();
    Languages::switchTo(Languages::languageFolder(TestSupport::binDir()), QStringLiteral("english"));
    openWindow();
    QCOMPARE(m_window->geometry(), geometry);
    // The splitter shares its height out again when shown; rounding may
    // move the handle by a pixel.
    const QList<int> restored = m_window->findChild<QSplitter *>("main_splitter")->sizes();
    QCOMPARE(restored.size(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i)
        QVERIFY2(qAbs(restored.at(i) - sizes.at(i)) <= 2, qPrintable(QString("%1 %2").arg(restored.at(i)).arg(sizes.at(i))));
    QCOMPARE(m_floating->pos(), QPoint(210, 220));
    QVERIFY(action("actionFrench")->isChecked());
    QCOMPARE(action("actionSettings")->text(), QStringLiteral("Paramètres"));
}

void TestMainWindowShell::geometryAtStart_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<bool>("used");
    QTest::newRow("none saved") << QRect() << false;
    QTest::newRow("no height") << QRect(10, 10, 500, 0) << false;
    QTest::newRow("on the screen") << QRect(20, 30, 640, 560) << true;
    QTest::newRow("on a screen that is gone") << QRect(5000, 4000, 640, 560) << false;
}

void TestMainWindowShell::geometryAtStart()
{
    QFETCH(QRect, saved);
    QFETCH(bool, used);
    if (!saved.isNull())
        AppSettings::setMainWindowGeometry(saved);
    openWindow();
    if (used) {
        QCOMPARE(m_window->geometry(), saved);
        return;
    }
    // 0.8 of the primary screen, at least 550 high, centred on it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(int(screen.width() * 0.8), qMax(550, int(screen.height() * 0.8)));
    QCOMPARE(m_window->size(), size);
    QVERIFY(qAbs(m_window->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(m_window->geometry().center().y() - screen.center().y()) <= 1);
}

void TestMainWindowShell::updateNoticeEnablesCheck()
{
    openWindow();
    action("actionCheck_Updates")->setEnabled(false);
    m_window->showUpdateNotifyMessage(QStringLiteral("No update"), 1);
    QVERIFY(action("actionCheck_Updates")->isEnabled());
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("No update"));
}

void TestMainWindowShell::aboutBox()
{
    openWindow();
    action("actionAbout_Tarvo")->trigger();
    auto *box = m_window->findChild<QMessageBox *>("about_messageBox");
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QStringLiteral("About Zantor"));
    QCOMPARE(box->text(), QStringLiteral("<h3>Zantor 1.4.4</h3>"));
    QVERIFY(box->informativeText().contains(m_window->applicationInfo().homeUrl()));
    QVERIFY(!box->iconPixmap().isNull());
    QPointer<QMessageBox> guard(box);
    box->accept();
    QTRY_VERIFY(guard.isNull());
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowshell.moc"
