// The main window on a real X display (its own Xvfb with a tray host):
// the tray icon and its clicks, the clipboard monitor, the start in the
// background, and a picture of the whole desktop with the window, the
// floating window and a menu open.
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtMath>
#include <QTest>

#include <memory>

#include "apclipboardmonitor.h"
#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "apspeedguifloating.h"
#include "aptrayicon.h"
#include "mainwindow.h"
#include "settingsstore.h"
#include "taskcommand.h"
#include "taskstore.h"
#include "uitestsupport.h"
#include "xvfbdisplay.h"

namespace {
constexpr int Tick = 10;
XvfbDisplay *desktop = nullptr;
bool desktopUp = false;
bool trayHostStarted = false;

// The tray icon's own window in this process, once a tray host docked it.
QWidget *trayIconWidget()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qstrcmp(widget->metaObject()->className(), "QSystemTrayIconSys") == 0 && widget->isVisible())
            return widget;
    }
    return nullptr;
}
} // namespace

class TestMainWindowDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clipboardOffersLinks_data();
    void clipboardOffersLinks();
    void acceptedClipboardLinkIsAddedAndStarted();
    void trayClicks_data();
    void trayClicks();
    void backgroundStartAndCloseGoToTray();
    void screenshotOfTheDesktop();

private:
    void openWindow();
    void clickTray(QSystemTrayIcon::ActivationReason reason);
    QString deadUrl(const QString &name) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_deadPort).arg(name);
    }

    QTemporaryDir m_downloads;
    quint16 m_deadPort = 0;
    bool m_trayReady = false;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ApSpeedGuiFloating> m_floating;
};

void TestMainWindowDesktop::initTestCase()
{
    if (!desktopUp)
        QSKIP(qPrintable(QStringLiteral("no virtual X display: ") + desktop->error()));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // The tray host needs a moment on a busy machine.
    QElapsedTimer waited;
    waited.start();
    while (trayHostStarted && !QSystemTrayIcon::isSystemTrayAvailable() && waited.elapsed() < 30000)
        QTest::qWait(100);
    m_trayReady = QSystemTrayIcon::isSystemTrayAvailable();
}

void TestMainWindowDesktop::init()
{
    ApTaskStore().removeAll();
    SettingsStore()->remove(SettingsKeys::GeneralGroup);
    UiTest::prepareSettings(m_downloads.path());
    AppSettings::setLanguage(QStringLiteral("english"));
    m_deadPort = TestSupport::freeLocalPort();
}

void TestMainWindowDesktop::cleanup()
{
    if (m_window && m_window->newTaskDialog()->isVisible())
        m_window->newTaskDialog()->reject();
    m_floating.reset();
    m_window.reset();
}

void TestMainWindowDesktop::openWindow()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->setPathOpener([](const QString &) { return true; });
    m_window->setUrlOpener([](const QUrl &) { return true; });
    m_window->setQuitHandler([] {});
    m_floating = m_window->createFloatingWindow();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

// A click on the icon the tray host shows, or, before it docked, the
// same report the icon gives.
void TestMainWindowDesktop::clickTray(QSystemTrayIcon::ActivationReason reason)
{
    QWidget *icon = trayIconWidget();
    if (icon && reason == QSystemTrayIcon::Trigger) {
        QTest::mouseClick(icon, Qt::LeftButton, {}, QPoint(4, 4));
    } else if (icon && reason == QSystemTrayIcon::MiddleClick) {
        QTest::mouseClick(icon, Qt::MiddleButton, {}, QPoint(4, 4));
    } else if (icon && reason == QSystemTrayIcon::DoubleClick) {
        QTest::mouseDClick(icon, Qt::LeftButton, {}, QPoint(4, 4));
    } else {
        emit m_window->trayIcon()->icon()->activated(reason);
    }
}

void TestMainWindowDesktop::clipboardOffersLinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("blocker");  // "", "monitor off", "modal", "dialog open"
    QTest::addColumn<bool>("offered");
    QTest::newRow(".zip") << "http://127.0.0.1/files/a.zip" << "" << true;
    QTest::newRow(".ZIP is another suffix") << "http://127.0.0.1/files/a.ZIP" << "" << false;
    QTest::newRow(".gz within .tgz;.gz") << "http://127.0.0.1/files/a.tar.gz" << "" << true;
    QTest::newRow("HTTP in capitals") << "HTTP://127.0.0.1/files/a.zip" << "" << true;
    QTest::newRow("https, spaces around") << "  https://127.0.0.1/a.iso \n" << "" << true;
    QTest::newRow("ftp") << "ftp://127.0.0.1/pub/b.rar" << "" << true;
    QTest::newRow("file scheme") << "file:///tmp/a.zip" << "" << false;
    QTest::newRow("page without type") << "http://127.0.0.1/index" << "" << false;
    QTest::newRow("ends in a dot") << "http://127.0.0.1/a." << "" << false;
    QTest::newRow("plain words") << "some .zip text" << "" << false;
    QTest::newRow("monitor off") << "http://127.0.0.1/a.zip" << "monitor off" << false;
    QTest::newRow("modal dialog open") << "http://127.0.0.1/a.zip" << "modal" << false;
    QTest::newRow("new task dialog open") << "http://127.0.0.1/a.zip" << "dialog open" << false;
}

void TestMainWindowDesktop::clipboardOffersLinks()
{
    QFETCH(QString, text);
    QFETCH(QString, blocker);
    QFETCH(bool, offered);
    if (blocker == QLatin1String("monitor off"))
        AppSettings::setFlag(SettingsKeys::MonitorClipboardFlag, false);
    openWindow();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    auto *url = dialog->findChild<QLineEdit *>("httpftptask_url_lineEdit");
    if (blocker == QLatin1String("modal"))
        m_window->setModalDialogOpen(true);
    if (blocker == QLatin1String("dialog open")) {
        m_window->findChild<QAction *>("actionHttp_Ftp")->trigger();
        QTRY_VERIFY(dialog->isVisible());
        // Still open, but no longer counted as modal: the dialog itself blocks.
        m_window->setModalDialogOpen(false);
    }

    QSignalSpy changes(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QGuiApplication::clipboard()->setText(text);
    QTRY_VERIFY(changes.count() >= 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    if (offered) {
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(url->text(), text.trimmed());
        QVERIFY(m_window->isModalDialogOpen());
    } else {
        // The monitor answered within the change signal the spy saw.
        QCOMPARE(dialog->isVisible(), blocker == QLatin1String("dialog open"));
        QVERIFY(url->text() != text.trimmed());
    }
    m_window->setModalDialogOpen(false);
}

void TestMainWindowDesktop::acceptedClipboardLinkIsAddedAndStarted()
{
    openWindow();
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    const QString link = deadUrl(QStringLiteral("copied.zip"));
    QGuiApplication::clipboard()->setText(link);
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QTRY_VERIFY(dialog->isVisible());
    QTest::mouseClick(dialog->findChild<QPushButton *>("httpftptask_startdownload_pushButton"), Qt::LeftButton);
    auto *table = m_window->findChild<QTableWidget *>("maindownloads_tableWidget");
    QTRY_COMPARE(table->rowCount(), 1);
    QVERIFY(m_window->rowPath(0).endsWith(QLatin1String("copied.zip")));
    QTRY_VERIFY(!commands.isEmpty());
    QCOMPARE(commands.last().at(0).toInt(), int(TaskCommand::Load));
    QVERIFY(!m_window->isModalDialogOpen());
    QCOMPARE(ApTaskStore().keys().size(), 1);
}

void TestMainWindowDesktop::trayClicks_data()
{
    QTest::addColumn<QString>("blocker");  // "", "schedule or settings", "new task dialog"
    QTest::newRow("nothing open") << "";
    QTest::newRow("schedule or settings dialog open") << "schedule or settings";
    QTest::newRow("new task dialog open") << "new task dialog";
}

void TestMainWindowDesktop::trayClicks()
{
    QFETCH(QString, blocker);
    if (!m_trayReady)
        QSKIP("no tray host on the virtual display (the Debian package trayer)");
    openWindow();
    ApTrayIcon *tray = m_window->trayIcon();
    QVERIFY(tray->isAvailable());
    QTRY_VERIFY(tray->icon()->isVisible());
    QCOMPARE(tray->icon()->toolTip(), QStringLiteral("Zantor 1.4.4"));
    QVERIFY(m_floating->isVisible());

    if (blocker == QLatin1String("schedule or settings")) {
        m_window->setModalDialogOpen(true);
    } else if (blocker == QLatin1String("new task dialog")) {
        m_window->findChild<QAction *>("actionHttp_Ftp")->trigger();
        QTRY_VERIFY(m_window->newTaskDialog()->isVisible());
        QVERIFY(m_window->isModalDialogOpen());
    }
    const int builds = tray->menuBuildCount();
    if (!blocker.isEmpty()) {
        // Nothing happens, not even the context menu.
        clickTray(QSystemTrayIcon::Trigger);
        QVERIFY(m_window->isVisible());
        tray->menu()->popup(QPoint(100, 100));
        clickTray(QSystemTrayIcon::Context);
        QTRY_VERIFY(!tray->menu()->isVisible());
        QCOMPARE(tray->menuBuildCount(), builds);
        m_window->setModalDialogOpen(false);
        return;
    }

    // A single click hides a visible window and brings back a hidden one;
    // the menu is rebuilt after every click.
    clickTray(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(tray->menuBuildCount(), builds + 1);
    QVERIFY(m_floating->isVisible());
    clickTray(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QCOMPARE(tray->menuBuildCount(), builds + 2);
    // Double and middle clicks only raise the floating window.
    clickTray(QSystemTrayIcon::DoubleClick);
    clickTray(QSystemTrayIcon::MiddleClick);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_floating->isVisible());
    QVERIFY(m_floating->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(tray->menuBuildCount() >= builds + 3);
    QCOMPARE(tray->menu()->actions().first()->objectName(), QStringLiteral("actionShow_Tarvo_2"));
}

void TestMainWindowDesktop::backgroundStartAndCloseGoToTray()
{
    if (!m_trayReady)
        QSKIP("no tray host on the virtual display (the Debian package trayer)");
    openWindow();
    m_window->startHidden();
    QTRY_VERIFY(!m_window->isVisible());
    m_window->findChild<QAction *>("actionShow_Tarvo_2")->trigger();
    QTRY_VERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    // Closing with minimise-to-tray on hides the window and keeps running.
    QVERIFY(!m_window->close());
    QTRY_VERIFY(!m_window->isVisible());
    clickTray(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(m_window->isVisible());
}

void TestMainWindowDesktop::screenshotOfTheDesktop()
{
    const QStringList names{"ubuntu.iso", "song.mp3", "clip.mp4", "archive.zip"};
    const QList<int> states{TaskStopped, TaskPaused, TaskCompleted, TaskFailed};
    for (int i = 0; i < names.size(); ++i) {
        NewTask task;
        task.url = deadUrl(names.at(i));
        task.savePathName = m_downloads.filePath(names.at(i));
        const qint64 id = ApTaskStore().create(task);
        ApTaskStore().writeState(id, states.at(i));
    }
    openWindow();
    m_window->setGeometry(40, 60, 1100, 700);
    m_floating->move(1000, 790);
    for (int i = 0; i < 120; ++i)
        m_window->setSpeed(qint64(150000 + 100000 * qSin(i / 6.0)), qint64(30000 + 20000 * qCos(i / 4.0)));
    m_window->setStatusbarRates(QStringLiteral("1.20 MB/s"), QStringLiteral("0 B/s"));
    QTest::qWait(300);
    auto *options = m_window->findChild<QMenu *>("menuOptions");
    options->popup(m_window->mapToGlobal(QPoint(60, 20)));
    QTRY_VERIFY(options->isVisible());
    QTest::qWait(300);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    QVERIFY(!shot.isNull());
    UiTest::saveImage(shot.toImage(), QStringLiteral("desktop-main-window.png"));
    options->hide();
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    XvfbDisplay display;
    desktop = &display;
    desktopUp = display.start();
    if (desktopUp)
        trayHostStarted = display.startTrayHost();
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowdesktop.moc"
