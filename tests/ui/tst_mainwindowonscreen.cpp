// The main window as a new user meets it on a real X display with a window
// manager (openbox) and no tray: the window comes back on a second start,
// the new task dialog takes typing at once, the window fits the screen,
// the selection outlives the task actions, every completion is announced
// (stacked popups on the screen, the desktop's notification service on a
// private session bus), and a language switch reaches every visible text.
#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <thread>
#include <unistd.h>

#include "apcompletionnotices.h"
#include "apcompletionpopup.h"
#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "apspeedguifloating.h"
#include "aptaskinfopanel.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "ipcmessage.h"
#include "lefttorighttextdelegate.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "taskcommand.h"
#include "taskstore.h"
#include "uitestsupport.h"
#include "xvfbdisplay.h"

namespace {
constexpr int Tick = 10;
XvfbDisplay *desktop = nullptr;
bool desktopUp = false;
bool managerUp = false;

// Stands in for the desktop's notification service on the private bus.
class NotificationService final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList summaries;
    QStringList bodies;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        summaries << summary;
        bodies << body;
        return uint(summaries.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
};

bool overlaps(const QList<ApCompletionPopup *> &popups)
{
    for (int i = 0; i < popups.size(); ++i) {
        for (int j = i + 1; j < popups.size(); ++j) {
            if (popups.at(i)->geometry().intersects(popups.at(j)->geometry()))
                return true;
        }
    }
    return false;
}

void saveScreen(const QString &name)
{
    QTest::qWait(200);
    UiTest::saveImage(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), name);
}
} // namespace

class TestMainWindowOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void secondStartBringsTheWindowBack_data();
    void secondStartBringsTheWindowBack();
    void newTaskDialogTakesTypingAtOnce();
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
    void selectionSurvivesTaskActions();
    void everyCompletionIsAnnounced();
    void languageSwitchReachesEveryText();

private:
    void openWindow();
    QString storeTask(const QString &name, int state, const QString &url = {});
    QTableWidget *table() const { return m_window->findChild<QTableWidget *>("maindownloads_tableWidget"); }
    QList<int> selectedRows() const;

    QTemporaryDir m_downloads;
    quint16 m_deadPort = 0;
    NotificationService m_notifications;
    bool m_busUp = false;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ApSpeedGuiFloating> m_floating;
};

void TestMainWindowOnScreen::initTestCase()
{
    if (!desktopUp)
        QSKIP(qPrintable(QStringLiteral("no virtual X display: ") + desktop->error()));
    if (!managerUp)
        QSKIP("openbox did not come up on the virtual display");
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_busUp = bus.isConnected()
        && bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_notifications,
                              QDBusConnection::ExportAllSlots)
        && bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

void TestMainWindowOnScreen::init()
{
    ApTaskStore().removeAll();
    SettingsStore()->remove(SettingsKeys::GeneralGroup);
    UiTest::prepareSettings(m_downloads.path());
    AppSettings::setLanguage(QStringLiteral("english"));
    AppSettings::setFlag(SettingsKeys::ShowFloatingWindowFlag, false);
    m_deadPort = TestSupport::freeLocalPort();
}

void TestMainWindowOnScreen::cleanup()
{
    if (m_window && m_window->newTaskDialog()->isVisible())
        m_window->newTaskDialog()->reject();
    m_floating.reset();
    m_window.reset();
    QDir(m_downloads.path()).removeRecursively();
    QDir().mkpath(m_downloads.path());
}

void TestMainWindowOnScreen::openWindow()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->setPathOpener([](const QString &) { return true; });
    m_window->setUrlOpener([](const QUrl &) { return true; });
    m_window->setQuitHandler([] {});
    m_floating = m_window->createFloatingWindow();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QString TestMainWindowOnScreen::storeTask(const QString &name, int state, const QString &url)
{
    NewTask task;
    task.url = url.isEmpty() ? QStringLiteral("http://127.0.0.1:%1/%2").arg(m_deadPort).arg(name) : url;
    task.savePathName = m_downloads.filePath(name);
    const qint64 id = ApTaskStore().create(task);
    ApTaskStore().writeState(id, state);
    return ApTaskStore::keyFor(id);
}

QList<int> TestMainWindowOnScreen::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : table()->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TestMainWindowOnScreen::secondStartBringsTheWindowBack_data()
{
    QTest::addColumn<QString>("away");  // how the window went out of sight
    QTest::newRow("closed without a tray") << "closed";
    QTest::newRow("hidden") << "hidden";
    QTest::newRow("behind another window") << "behind";
}

void TestMainWindowOnScreen::secondStartBringsTheWindowBack()
{
    QFETCH(QString, away);
    openWindow();
    QWidget other;
    if (away == QLatin1String("closed")) {
        // No tray to come back from: the close only minimises.
        QVERIFY(!m_window->close());
        QTRY_VERIFY(m_window->isMinimized());
        QVERIFY(m_window->isVisible());
    } else if (away == QLatin1String("hidden")) {
        m_window->hide();
        QTRY_VERIFY(!m_window->isVisible());
    } else {
        other.setGeometry(m_window->geometry());
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    if (away == QLatin1String("behind"))
        QVERIFY(!m_window->isActiveWindow());

    // What a second plain start of the program sends; it waits for the
    // receiver to close the connection, so it runs beside the event loop.
    QSignalSpy back(m_window.get(), &MainWindow::windowBroughtBack);
    bool sent = false;
    std::thread second([&sent, name = m_window->ipcServerName()] {
        sent = SingleInstance::sendMessage(name, IpcMessage::build(IpcMessage::showWindowCommand(), QStringList()),
                                           10000, 10000);
    });
    QTRY_COMPARE(back.count(), 1);
    second.join();
    QVERIFY(sent);
    QTRY_VERIFY(m_window->isVisible() && !m_window->isMinimized());
    QTRY_VERIFY(m_window->isActiveWindow());
    if (away == QLatin1String("behind"))
        saveScreen(QStringLiteral("onscreen-window-back.png"));
}

void TestMainWindowOnScreen::newTaskDialogTakesTypingAtOnce()
{
    openWindow();
    m_window->findChild<QAction *>("actionHttp_Ftp")->trigger();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QTRY_VERIFY(dialog->isActiveWindow());
    auto *url = dialog->findChild<QLineEdit *>("httpftptask_url_lineEdit");
    QTRY_COMPARE(QApplication::focusWidget(), url);
    // Typed where the focus is, as the keyboard does.
    const QString link = QStringLiteral("http://127.0.0.1:%1/typed.zip").arg(m_deadPort);
    QTest::keyClicks(QApplication::focusWidget(), link);
    QCOMPARE(url->text(), link);
    saveScreen(QStringLiteral("onscreen-new-task-dialog.png"));
}

void TestMainWindowOnScreen::windowFitsTheScreen_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::newRow("larger than the screen") << QRect(0, 0, 2600, 1800);
    QTest::newRow("sticking out right and below") << QRect(900, 600, 800, 600);
    QTest::newRow("above the top") << QRect(100, -300, 700, 500);
    QTest::newRow("none saved") << QRect();
}

void TestMainWindowOnScreen::windowFitsTheScreen()
{
    QFETCH(QRect, saved);
    AppSettings::setMainWindowGeometry(saved);
    openWindow();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QTRY_VERIFY2(area.contains(m_window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(m_window->frameGeometry().x())
                                .arg(m_window->frameGeometry().y()).arg(m_window->frameGeometry().width())
                                .arg(m_window->frameGeometry().height())));
    const QPoint menuBar = m_window->menuBar()->mapToGlobal(QPoint(0, 0));
    QVERIFY(area.contains(menuBar));
    if (saved.width() > area.width())
        saveScreen(QStringLiteral("onscreen-window-larger-than-screen.png"));
}

void TestMainWindowOnScreen::selectionSurvivesTaskActions()
{
    for (int i = 0; i < 3; ++i)
        storeTask(QStringLiteral("task%1.bin").arg(i), TaskStopped);
    openWindow();
    QTRY_COMPARE(table()->rowCount(), 3);
    // A click, and a click with Control, as a user selects two rows.
    const auto click = [this](int row, Qt::KeyboardModifiers modifiers) {
        const QRect cell = table()->visualRect(table()->model()->index(row, 1));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, modifiers, cell.center());
    };
    click(0, Qt::NoModifier);
    click(2, Qt::ControlModifier);
    QCOMPARE(selectedRows(), (QList<int>{0, 2}));

    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    const QStringList chosen{m_window->rowPath(0), m_window->rowPath(2)};
    for (const char *action : {"actionStop", "actionStart", "actionPause", "actionStop", "actionStart_All",
                               "actionStop_All"}) {
        m_window->findChild<QAction *>(action)->trigger();
        QCOMPARE(selectedRows(), (QList<int>{0, 2}));
    }
    // The next Start acts on the same rows without a new choice (stopped
    // now, whatever the engine made of the dead links meanwhile).
    for (int row = 0; row < 3; ++row)
        m_window->updateMainDownloadsTableRow(m_window->rowPath(row), {TaskColumn::Status}, TaskRowData(), TaskStopped);
    m_window->findChild<QAction *>("actionStart")->trigger();
    QCOMPARE(commands.last().at(0).toInt(), int(TaskCommand::Start));
    QCOMPARE(commands.last().at(1).toStringList(), chosen);
    saveScreen(QStringLiteral("onscreen-selection-kept.png"));
}

void TestMainWindowOnScreen::everyCompletionIsAnnounced()
{
    constexpr int Completions = 8;
    QStringList keys;
    QStringList paths;
    for (int i = 0; i < Completions; ++i) {
        const QString name = QStringLiteral("done%1.txt").arg(i);
        keys << storeTask(name, TaskCompleted);
        paths << m_downloads.filePath(name);
        QFile file(paths.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    openWindow();
    m_window->startHidden();
    QTRY_VERIFY(m_window->isMinimized());
    m_notifications.summaries.clear();
    m_notifications.bodies.clear();

    for (int i = 0; i < Completions; ++i)
        m_window->notifyTaskCompletion(paths.at(i), keys.at(i));
    ApCompletionNotices *notices = m_window->completionNotices();
    QVERIFY(notices);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QList<ApCompletionPopup *> shown = notices->shownPopups();
    const int places = ApCompletionNotices::placeCount(shown.first()->size(), area);
    QVERIFY(places >= 2 && places < Completions);
    // As many as fit are on the screen, one above the other; the rest wait.
    QCOMPARE(shown.size(), places);
    QCOMPARE(notices->queuedCount(), Completions - places);
    QVERIFY(!overlaps(shown));
    QStringList shownKeys;
    for (ApCompletionPopup *popup : shown) {
        QVERIFY2(area.contains(popup->frameGeometry()), qPrintable(popup->path()));
        shownKeys << popup->key();
    }
    QCOMPARE(shownKeys, keys.mid(0, places));
    for (ApCompletionPopup *popup : shown)
        QTRY_VERIFY(!popup->isFading());
    saveScreen(QStringLiteral("onscreen-completion-popups.png"));

    // Each one closed makes room for the next waiting one.
    QStringList seen = shownKeys;
    while (!notices->shownPopups().isEmpty()) {
        ApCompletionPopup *bottom = notices->shownPopups().first();
        QTest::mouseClick(bottom->findChild<QWidget *>("ok_pushButton"), Qt::LeftButton);
        for (ApCompletionPopup *popup : notices->shownPopups()) {
            if (!seen.contains(popup->key()))
                seen << popup->key();
        }
    }
    QCOMPARE(seen, keys);
    QCOMPARE(notices->queuedCount(), 0);

    // The window was out of sight: the desktop heard of every completion.
    if (!m_busUp)
        QSKIP("no private session bus (dbus-run-session)");
    QTRY_COMPARE(m_notifications.bodies.size(), Completions);
    for (int i = 0; i < Completions; ++i) {
        QVERIFY(m_notifications.bodies.at(i).startsWith(QStringLiteral("done%1.txt\n").arg(i)));
        QCOMPARE(m_notifications.summaries.at(i), QStringLiteral("Download completed"));
    }

    // In sight but not the active window: the popup alone.
    m_window->showNormal();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_window->notifyTaskCompletion(paths.first(), keys.first());
    QTRY_COMPARE(notices->shownPopups().size(), 1);
    QTest::qWait(300);
    QCOMPARE(m_notifications.bodies.size(), Completions);
}

void TestMainWindowOnScreen::languageSwitchReachesEveryText()
{
    QTemporaryDir root;
    QFile big(root.filePath(QStringLiteral("big200.bin")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(8 * 1024 * 1024, 'z'));
    big.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    NginxFixture nginx;
    QVERIFY2(nginx.start(root.path(), QStringLiteral("limit_rate 200k;")), qPrintable(nginx.errorString()));

    openWindow();
    m_window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(20, 20, -20, -20));
    NewTask task;
    task.url = nginx.url(QStringLiteral("/big200.bin"));
    task.savePathName = m_downloads.filePath(QStringLiteral("big200.bin_15-01-16_2026-12-08"));
    const QString key = ApTaskStore::keyFor(ApTaskStore().create(task));
    QVERIFY(m_window->addNewTask(key));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->manager()->taskCount() == 1, 10000);
    ApTvoDownloadTaskThread *running = m_window->manager()->tasks().first();
    QTRY_VERIFY_WITH_TIMEOUT(running->connectionCount() >= 2, 15000);
    table()->selectRow(0);
    auto *connections = m_window->taskInfoPanel()->findChild<QTableWidget *>(
        "taskinfo_httpftp_connections_tableWidget");
    QTRY_VERIFY_WITH_TIMEOUT(connections->rowCount() >= 2, 10000);

    // The policing loop refreshes only the active window's panel; from here
    // on the texts change through the language switch alone.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QSignalSpy retranslated(m_window.get(), &MainWindow::retranslated);
    for (const char *language : {"actionGerman", "actionArabic", "actionEnglish"}) {
        m_window->findChild<QAction *>(language)->trigger();
        // The windows hear of the new language through posted events.
        QTRY_VERIFY(!retranslated.isEmpty());
        retranslated.clear();
        QTest::qWait(100);
        const QString downloading = QCoreApplication::translate("ApTaskInfoPanel", "Downloading");
        QVERIFY(qstrcmp(language, "actionEnglish") == 0 || downloading != QLatin1String("Downloading"));
        for (int row = 0; row < connections->rowCount(); ++row) {
            const int state = connections->item(row, 0)->data(ApTaskInfoPanel::ConnectionStateRole).toInt();
            QCOMPARE(connections->item(row, 0)->text(), ApTaskInfoPanel::connectionStateText(state));
            if (state == TaskDownloading)
                QCOMPARE(connections->item(row, 0)->text(), downloading);
        }
        QCOMPARE(table()->item(0, 0)->text(), TaskStore::stateLabel(m_window->rowState(0)));
        const bool arabic = qstrcmp(language, "actionArabic") == 0;
        QCOMPARE(m_window->layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
        if (arabic) {
            // File names and addresses keep their own left-to-right order.
            QVERIFY(qobject_cast<LeftToRightTextDelegate *>(table()->itemDelegateForColumn(1)));
            QVERIFY(qobject_cast<LeftToRightTextDelegate *>(connections->itemDelegateForColumn(2)));
            const QString shown = m_window->taskInfoPanel()
                                      ->findChild<QLabel *>("taskinfo_httpftp_filename_label")->text();
            QCOMPARE(shown, QChar(0x2066) + QStringLiteral("big200.bin_15-01-16_2026-12-08") + QChar(0x2069));
            m_window->activateWindow();
            QTest::qWait(300);
            saveScreen(QStringLiteral("onscreen-arabic-names.png"));
        }
    }
    QCOMPARE(connections->item(0, 0)->text().isEmpty(), false);
}

int main(int argc, char *argv[])
{
    // The notification check talks to a session bus of its own: the test
    // runs itself again inside dbus-run-session.
    if (qEnvironmentVariableIsEmpty("ZANTOR_TEST_PRIVATE_BUS")) {
        const QString runner = TestSupport::findProgram(QStringLiteral("dbus-run-session"));
        if (!runner.isEmpty()) {
            qputenv("ZANTOR_TEST_PRIVATE_BUS", "1");
            QList<QByteArray> arguments{runner.toLocal8Bit(), "--"};
            for (int i = 0; i < argc; ++i)
                arguments << QByteArray(argv[i]);
            std::vector<char *> raw;
            for (QByteArray &argument : arguments)
                raw.push_back(argument.data());
            raw.push_back(nullptr);
            execv(raw.front(), raw.data());
        }
    }
    // The private bus of dbus-run-session, kept past the isolation of the
    // user's folders (which points the session bus nowhere).
    const QByteArray bus = qEnvironmentVariableIsSet("ZANTOR_TEST_PRIVATE_BUS") ? qgetenv("DBUS_SESSION_BUS_ADDRESS")
                                                                                : QByteArray();
    TestSupport::isolateUserFolders();
    XvfbDisplay display;
    desktop = &display;
    desktopUp = display.start();
    if (!bus.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    if (desktopUp)
        managerUp = display.startWindowManager();
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowOnScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowonscreen.moc"
