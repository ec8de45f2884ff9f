// The schedule on the real main window: the dialog, the "Schedule Task"
// action that opens it or cancels the schedule, the status bar items, and
// what the window does when the schedule is due. Power off and log off go
// to a recording backend. Also the window's run of the settings dialog.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <memory>

#include "appolicingthread.h"
#include "appsettings.h"
#include "apconfigdialog.h"
#include "apschedulecontroller.h"
#include "apscheduletaskdialog.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "sessioncontrol.h"
#include "settingsstore.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;   // the schedule is checked every 200 ticks: 2 s here

struct RecordingSession final : SessionBackend
{
    QStringList calls;
    bool powerOff() override { calls << QStringLiteral("powerOff"); return true; }
    bool logOff() override { calls << QStringLiteral("logOff"); return true; }
};

// Acts on the schedule dialog once it is open, from the event loop of its
// modal run.
void whenDialogOpens(std::function<void(ApScheduleTaskDialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<ApScheduleTaskDialog *>(w);
            if (dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(dialog);
                return;
            }
        }
    });
    timer->start();
}

void chooseTimed(ApScheduleTaskDialog *dialog, int hours, int minutes, int action)
{
    dialog->findChild<QRadioButton *>("schedule_timedtask_radioButton")->click();
    dialog->findChild<QSpinBox *>("hours_spinBox")->setValue(hours);
    dialog->findChild<QSpinBox *>("minutes_spinBox")->setValue(minutes);
    dialog->findChild<QComboBox *>("timedtasks_comboBox")->setCurrentIndex(action);
}
} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstOpeningSelectsTurnOffAndCancelArmsNothing();
    void timedChoiceIsArmedAndRemembered_data();
    void timedChoiceIsArmedAndRemembered();
    void actionCancelsAnArmedScheduleWithoutTheDialog();
    void closingTheDialogIsCancel();
    void dueTimedPauseAllPausesEveryRunningTask();
    void duePowerOffSavesFirstAndActsLaterWhileTheWindowAnswers_data();
    void duePowerOffSavesFirstAndActsLaterWhileTheWindowAnswers();
    void settingsDialogRunsModallyAndReachesTheEngine();

private:
    void arm(std::function<void(ApScheduleTaskDialog *)> choose);
    QWidget *statusWidget() const { return m_window->scheduleController()->statusWidget(); }
    QLabel *statusLabel() const { return m_window->scheduleController()->statusLabel(); }

    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    NginxFixture m_nginx;
    std::unique_ptr<MainWindow> m_window;
    RecordingSession *m_session = nullptr;
    std::unique_ptr<SessionBackend> m_previousBackend;
};

void TestSchedule::initTestCase()
{
    QVERIFY(m_root.isValid());
    QFile file(m_root.filePath(QStringLiteral("big.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8 * 1024 * 1024, 'z'));
    file.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), "limit_rate 100k;"), qPrintable(m_nginx.errorString()));
}

void TestSchedule::init()
{
    QFile::remove(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application));
    UiTest::prepareSettings(m_downloads.path());
    m_session = new RecordingSession;
    m_previousBackend = SessionControl::setBackend(std::unique_ptr<SessionBackend>(m_session));
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestSchedule::cleanup()
{
    m_window.reset();
    SessionControl::setBackend(std::move(m_previousBackend));
    m_session = nullptr;
}

void TestSchedule::arm(std::function<void(ApScheduleTaskDialog *)> choose)
{
    whenDialogOpens([choose](ApScheduleTaskDialog *dialog) {
        choose(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("ok_pushButton"), Qt::LeftButton);
    });
    m_window->scheduleAction()->trigger();
}

void TestSchedule::firstOpeningSelectsTurnOffAndCancelArmsNothing()
{
    QAction *action = m_window->scheduleAction();
    QCOMPARE(action->objectName(), QStringLiteral("actionSchedule_Task"));
    QCOMPARE(action->text(), QStringLiteral("Schedule Task"));
    QVERIFY(statusWidget()->isHidden());
    QVERIFY(statusLabel()->isHidden());

    bool seen = false;
    bool modalWhileOpen = false;
    QString toolTip;
    whenDialogOpens([&](ApScheduleTaskDialog *dialog) {
        seen = true;
        modalWhileOpen = m_window->isModalDialogOpen();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Schedule Task"));
        QVERIFY(dialog->findChild<QRadioButton *>("turnoff_computer_radioButton")->isChecked());
        QVERIFY(!dialog->findChild<QWidget *>("timedtask_widget")->isEnabled());
        auto *hours = dialog->findChild<QSpinBox *>("hours_spinBox");
        auto *minutes = dialog->findChild<QSpinBox *>("minutes_spinBox");
        QCOMPARE(hours->maximum(), 999);
        QCOMPARE(minutes->maximum(), 59);
        QCOMPARE(minutes->value(), 30);
        auto *actions = dialog->findChild<QComboBox *>("timedtasks_comboBox");
        QCOMPARE(actions->count(), 5);
        QCOMPARE(actions->itemText(3), QStringLiteral("Pause all downloads"));
        // Hovering the timer picture tells the time of that moment.
        QWidget *timer = dialog->findChild<QWidget *>("timer_label");
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), timer->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(timer, &help);
        toolTip = QToolTip::text();
        dialog->grab().save(UiTest::outputFolder() + QStringLiteral("/scheduletaskdialog.png"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("cancel_pushButton"), Qt::LeftButton);
    });
    action->trigger();
    QVERIFY(seen);
    QVERIFY(modalWhileOpen);
    QVERIFY2(toolTip.startsWith(QStringLiteral("Task will be started after the time expires.\nCurrent Time: ")
                                + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))),
             qPrintable(toolTip));
    QVERIFY(!m_window->isModalDialogOpen());
    QVERIFY(!m_window->policingThread()->scheduleActive());
    QCOMPARE(action->text(), QStringLiteral("Schedule Task"));
    QVERIFY(statusWidget()->isHidden());
    QVERIFY(!SettingsStore()->contains(SettingsKeys::ScheduleTaskOption));
    // The dialog is deleted after each run.
    QVERIFY(m_window->findChildren<ApScheduleTaskDialog *>().isEmpty());

    const QString tip = ApScheduleTaskDialog::timerToolTip(QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9)));
    QCOMPARE(tip, QStringLiteral("Task will be started after the time expires.\nCurrent Time: 2024-03-05 07:08:09"));
}

void TestSchedule::timedChoiceIsArmedAndRemembered_data()
{
    QTest::addColumn<bool>("timed");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("turn off when done") << false << 0 << 0 << 0 << 0 << "Turn off computer after download finish";
    QTest::newRow("0 h 0 min pause") << true << 0 << 0 << 3 << 0 << "Pause all tasks";
    QTest::newRow("1 h 30 min log off") << true << 1 << 30 << 1 << 90 << "Log off";
    QTest::newRow("999 h 59 min stop") << true << 999 << 59 << 4 << 59999 << "Stop all tasks";
    QTest::newRow("2 min start") << true << 0 << 2 << 2 << 2 << "Start all tasks";
    QTest::newRow("turn off timed") << true << 0 << 5 << 0 << 5 << "Turn off computer";
}

void TestSchedule::timedChoiceIsArmedAndRemembered()
{
    QFETCH(bool, timed);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, action);
    QFETCH(int, delay);
    QFETCH(QString, toolTip);

    QSignalSpy armed(m_window->scheduleController(), &ApScheduleController::scheduleArmed);
    arm([&](ApScheduleTaskDialog *dialog) {
        if (timed)
            chooseTimed(dialog, hours, minutes, action);
    });
    QCOMPARE(armed.count(), 1);
    QCOMPARE(armed.at(0).at(0).toInt(), timed ? 1 : 0);
    QCOMPARE(armed.at(0).at(1).toInt(), timed ? action : 0);
    QCOMPARE(armed.at(0).at(2).toInt(), delay);
    QVERIFY(m_window->policingThread()->scheduleActive());
    QCOMPARE(m_window->scheduleAction()->text(), QStringLiteral("Cancel Scheduled Task"));
    QVERIFY(!statusWidget()->isHidden());
    QVERIFY(!statusLabel()->isHidden());
    QCOMPARE(statusLabel()->text(), QStringLiteral("Task Scheduled"));
    QCOMPARE(statusWidget()->toolTip(), toolTip);
    QCOMPARE(statusLabel()->toolTip(), toolTip);
    QCOMPARE(AppSettings::scheduleTaskOption(), timed ? 1 : 0);

    // The next opening starts from the option chosen last.
    m_window->scheduleAction()->trigger();   // cancels
    bool timedChecked = false;
    whenDialogOpens([&](ApScheduleTaskDialog *dialog) {
        timedChecked = dialog->findChild<QRadioButton *>("schedule_timedtask_radioButton")->isChecked();
        QCOMPARE(dialog->findChild<QWidget *>("timedtask_widget")->isEnabled(), timedChecked);
        QTest::mouseClick(dialog->findChild<QPushButton *>("cancel_pushButton"), Qt::LeftButton);
    });
    m_window->scheduleAction()->trigger();
    QCOMPARE(timedChecked, timed);
    QVERIFY(!m_window->policingThread()->scheduleActive());
}

void TestSchedule::actionCancelsAnArmedScheduleWithoutTheDialog()
{
    arm([](ApScheduleTaskDialog *dialog) { chooseTimed(dialog, 5, 0, 0); });
    QVERIFY(m_window->policingThread()->scheduleActive());

    bool opened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<ApScheduleTaskDialog *>(w); dialog && dialog->isVisible()) {
                opened = true;
                dialog->close();
            }
        }
    });
    watch.start(10);
    m_window->scheduleAction()->trigger();
    QTest::qWait(100);
    QVERIFY(!opened);
    QVERIFY(!m_window->policingThread()->scheduleActive());
    QCOMPARE(m_window->scheduleAction()->text(), QStringLiteral("Schedule Task"));
    QVERIFY(statusWidget()->isHidden());
    QVERIFY(statusLabel()->isHidden());
    // A status text that arrives late does not bring the items back.
    m_window->updateStatusbarScheduleTaskInfo(QStringLiteral("Remaining time: 4:59"));
    QVERIFY(statusLabel()->isHidden());
}

void TestSchedule::closingTheDialogIsCancel()
{
    whenDialogOpens([](ApScheduleTaskDialog *dialog) {
        chooseTimed(dialog, 1, 0, 2);
        QVERIFY(!dialog->close());   // refused, and counted as Cancel
    });
    m_window->scheduleAction()->trigger();
    QVERIFY(!m_window->policingThread()->scheduleActive());
    QCOMPARE(m_window->scheduleAction()->text(), QStringLiteral("Schedule Task"));
}

void TestSchedule::dueTimedPauseAllPausesEveryRunningTask()
{
    QStringList keys;
    for (const char *name : {"one.bin", "two.bin"}) {
        NewTask task;
        task.url = m_nginx.url(QStringLiteral("/big.bin"));
        task.savePathName = m_downloads.filePath(QLatin1String(name));
        keys << ApTaskStore::keyFor(ApTaskStore().create(task));
        QVERIFY(m_window->addNewTask(keys.last()));
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_window->manager()->taskCount() == 2, 10000);
    for (ApTvoDownloadTaskThread *task : m_window->manager()->tasks())
        QTRY_COMPARE_WITH_TIMEOUT(task->task().state.load(), int(TaskDownloading), 15000);

    arm([](ApScheduleTaskDialog *dialog) { chooseTimed(dialog, 0, 0, 3); });
    QVERIFY(m_window->policingThread()->scheduleActive());
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->policingThread()->scheduleActive(), 15000);
    for (ApTvoDownloadTaskThread *task : m_window->manager()->tasks())
        QTRY_COMPARE_WITH_TIMEOUT(task->task().state.load(), int(TaskPaused), 10000);
    // The rows follow on the policing loop's next table refresh.
    for (int row = 0; row < 2; ++row)
        QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(row), int(TaskPaused), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->scheduleAction()->text(), QStringLiteral("Schedule Task"), 5000);
    QVERIFY(statusWidget()->isHidden());
    QVERIFY(m_session->calls.isEmpty());
}

void TestSchedule::duePowerOffSavesFirstAndActsLaterWhileTheWindowAnswers_data()
{
    QTest::addColumn<bool>("timed");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("call");
    QTest::newRow("when downloads finish") << false << 0 << "powerOff";
    QTest::newRow("timed turn off") << true << 0 << "powerOff";
    QTest::newRow("timed log off") << true << 1 << "logOff";
}

void TestSchedule::duePowerOffSavesFirstAndActsLaterWhileTheWindowAnswers()
{
    QFETCH(bool, timed);
    QFETCH(int, action);
    QFETCH(QString, call);

    // The user is given twenty seconds; this test waits less.
    QCOMPARE(m_window->policingThread()->scheduleGraceMs(), 20000);
    m_window->policingThread()->setScheduleGraceMs(1500);
    m_window->setGeometry(QRect(40, 50, 900, 620));
    {
        SettingsStore s;
        s->remove(SettingsKeys::MainWindowGeometry);
    }

    arm([&](ApScheduleTaskDialog *dialog) {
        if (timed)
            chooseTimed(dialog, 0, 0, action);
    });
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->policingThread()->scheduleActive(), 15000);
    // Saved before the wait; nothing ended yet.
    QTRY_VERIFY_WITH_TIMEOUT(SettingsStore()->contains(SettingsKeys::MainWindowGeometry), 5000);
    QCOMPARE(AppSettings::mainWindowGeometry(), m_window->geometry());
    QVERIFY(m_session->calls.isEmpty());

    // The window keeps answering during the wait.
    QElapsedTimer clock;
    clock.start();
    int answered = 0;
    QTimer ping;
    QObject::connect(&ping, &QTimer::timeout, [&] { ++answered; });
    ping.start(50);
    QTRY_VERIFY_WITH_TIMEOUT(!m_session->calls.isEmpty(), 10000);
    QVERIFY2(answered >= 10, qPrintable(QString::number(answered)));
    QCOMPARE(m_session->calls, QStringList{call});
    QCOMPARE(m_window->scheduleAction()->text(), QStringLiteral("Schedule Task"));
}

void TestSchedule::settingsDialogRunsModallyAndReachesTheEngine()
{
    // As the policing loop does at start: proxies reach a manager that has
    // read its settings.
    ApTvoManager *manager = m_window->manager();
    manager->readSettingsOnce();
    manager->readSettings();
    QCOMPARE(manager->settingsValues().splitBound, 4);
    QCOMPARE(manager->settingsValues().proxyType, 0);

    bool ran = false;
    QTimer::singleShot(50, [&] {
        ApConfigDialog *dialog = m_window->configDialog();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isModal());
        ran = true;
        dialog->findChild<QRadioButton *>("general_maxsplitnumcustom_radioButton")->click();
        dialog->findChild<QSpinBox *>("general_maxsplitnum_spinBox")->setValue(10);
        dialog->findChild<QSpinBox *>("general_failureretrytimes_spinBox")->setValue(5);
        dialog->findChild<QSpinBox *>("general_downloadspeedlimit_spinBox")->setValue(250);
        dialog->findChild<QListWidget *>("config_listWidget")->setCurrentRow(ApConfigDialog::ProxyPage);
        dialog->findChild<QComboBox *>("proxy_httpftp_type_comboBox")->setCurrentIndex(2);
        dialog->findChild<QLineEdit *>("proxy_httpftp_host_lineEdit")->setText(QStringLiteral("127.0.0.1"));
        dialog->findChild<QSpinBox *>("proxy_httpftp_port_spinBox")->setValue(3129);
        QTest::mouseClick(dialog->findChild<QPushButton *>("ok_pushButton"), Qt::LeftButton);
    });
    m_window->settingsAction()->trigger();
    QVERIFY(ran);
    QVERIFY(!m_window->configDialog()->isVisible());
    // Ten connections in all, five retries, and the new proxy for new connections.
    QCOMPARE(manager->settingsValues().splitBound, 9);
    QCOMPARE(manager->settingsValues().retryCount, 5);
    QCOMPARE(manager->settingsValues().proxyType, 2);
    QCOMPARE(manager->settingsValues().proxyHost, QStringLiteral("127.0.0.1"));
    QCOMPARE(manager->settingsValues().proxyPort, 3129);
    QCOMPARE(manager->globalSpeedLimit(), qint64(250 * 1024));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestSchedule test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_schedule.moc"
