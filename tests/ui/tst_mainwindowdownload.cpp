// The download manager end to end: a person adds an HTTP download in the
// new task dialog, watches it finish in the table, and a restarted window
// resumes unfinished tasks. Real widgets, real engine, real nginx.
#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "apnewtaskdialog.h"
#include "apsliceprogressbar.h"
#include "commonfunctions.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "taskcommand.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;  // the policing loop runs ten times faster; its multiples stay
constexpr int DownloadTimeout = 30000;

QByteArray payload(int size)
{
    QByteArray data;
    data.reserve(size);
    quint32 x = 2463534242u;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        data.append(char(x & 0xff));
    }
    return data;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestMainWindowDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typedUrlIsProbedDownloadedAndListed();
    void pauseStopAndStartAgain();
    void restartListsUnfinishedTasksAsLoadingAndResumes_data();
    void restartListsUnfinishedTasksAsLoadingAndResumes();
    void panelTableAndStoreShowOneProgress();
    void failedTaskSaysWhenItRetries();

private:
    QTableWidget *table() const { return m_window->findChild<QTableWidget *>("maindownloads_tableWidget"); }

    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    QByteArray m_data;
    NginxFixture m_nginx;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowDownload::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_data = payload(3 * 1024 * 1024 + 123);
    QDir(m_root.path()).mkpath("cd");
    for (const QString &name : {QStringLiteral("cd/payload.bin"), QStringLiteral("plain.bin")}) {
        QFile file(m_root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(m_data);
    }
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(),
                           "limit_rate 4m;\n"
                           "location /slow/ { limit_rate 150k; alias " + m_root.path() + "/; }\n"
                           "location /cd/ { add_header Content-Disposition "
                           "'attachment; filename=\"quoted name.bin\"'; }"),
             qPrintable(m_nginx.errorString()));
}

void TestMainWindowDownload::init()
{
    ApTaskStore().removeAll();
    UiTest::prepareSettings(m_downloads.path());
}

void TestMainWindowDownload::cleanup()
{
    m_window.reset();
    for (const QString &name : QDir(m_downloads.path()).entryList(QDir::Files))
        QFile::remove(m_downloads.filePath(name));
}

void TestMainWindowDownload::typedUrlIsProbedDownloadedAndListed()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->show();
    QCOMPARE(table()->rowCount(), 0);

    auto *action = m_window->findChild<QAction *>("actionHttp_Ftp");
    QCOMPARE(action->shortcut(), QKeySequence("Ctrl+H"));
    action->trigger();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(m_window->isModalDialogOpen());
    auto *combo = dialog->findChild<QComboBox *>("httpftptask_saveto_comboBox");
    QCOMPARE(combo->currentText(), m_downloads.path());

    auto *url = dialog->findChild<QLineEdit *>("httpftptask_url_lineEdit");
    auto *rename = dialog->findChild<QLineEdit *>("httpftptask_rename_lineEdit");
    QTest::keyClicks(url, m_nginx.url("/cd/payload.bin"));
    emit url->editingFinished();
    // The quotes of the server's name become underscores.
    QTRY_COMPARE(rename->text(), QStringLiteral("_quoted name.bin_"));

    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    QTest::mouseClick(dialog->findChild<QPushButton *>("httpftptask_startdownload_pushButton"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!m_window->isModalDialogOpen());

    const QString key = dialog->taskKey();
    QVERIFY(!key.isEmpty());
    const std::optional<TaskRecord> record = ApTaskStore().read(key.toLongLong());
    QVERIFY(record);
    const QString stamp = QDateTime::fromSecsSinceEpoch(key.toLongLong()).toString("yyyy-MM-dd_hh-mm-ss");
    const QString savePath = QDir::toNativeSeparators(m_downloads.filePath(stamp + "__quoted name.bin_"));
    QCOMPARE(record->savePathName, savePath);
    QCOMPARE(record->url, m_nginx.url("/cd/payload.bin"));
    QCOMPARE(record->taskType, HttpFtpTaskType);

    QCOMPARE(table()->rowCount(), 1);
    QCOMPARE(m_window->rowPath(0), savePath);
    QCOMPARE(m_window->rowKey(0), key);
    QCOMPARE(table()->item(0, TaskColumn::TaskName)->text(), stamp + "__quoted name.bin_");
    QCOMPARE(table()->item(0, TaskColumn::Type)->text(), QStringLiteral("HTTP"));
    QVERIFY(ApTaskStore().read(key.toLongLong())->creationTime != TaskKeys::MissingCreationTime);
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.first().at(0).toInt(), int(TaskCommand::Load));

    // The engine takes it over and reports back through the table.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(0), int(TaskCompleted), DownloadTimeout);
    QCOMPARE(table()->item(0, TaskColumn::Status)->text(), QStringLiteral("Completed"));
    QCOMPARE(m_window->rowProgressBar(0)->maximum(), 100);
    QCOMPARE(m_window->rowProgressBar(0)->value(), 100);
    QCOMPARE(table()->item(0, TaskColumn::Size)->text(), Common::sizeText(double(m_data.size())));
    QCOMPARE(table()->item(0, TaskColumn::TimeLeft)->text(), QStringLiteral("0 s"));
    QCOMPARE(table()->item(0, TaskColumn::Sources)->text(), QStringLiteral("0/0"));
    QCOMPARE(fileBytes(savePath), m_data);
    QTRY_COMPARE(ApTaskStore().read(key.toLongLong())->state, int(TaskCompleted));

    // The picture of the window with a finished task and two more.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(dialog->addWithoutShowing(m_nginx.url("/plain.bin"), QString("extra%1.bin").arg(i), 0), 0);
        QVERIFY(m_window->addNewTask(dialog->taskKey()));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(2), int(TaskCompleted), DownloadTimeout);
    m_window->resize(1200, 420);
    QVERIFY(m_window->grab().save(UiTest::outputFolder() + "/mainwindow-tasks.png"));
}

void TestMainWindowDownload::pauseStopAndStartAgain()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->show();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QCOMPARE(dialog->addWithoutShowing(m_nginx.url("/slow/plain.bin"), "slow.bin", 0), 0);
    QVERIFY(m_window->addNewTask(dialog->taskKey()));
    const QString path = m_window->rowPath(0);
    const qint64 id = dialog->taskKey().toLongLong();

    // The engine's first refreshes show it running with a known size.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(0), int(TaskDownloading), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->rowProgressBar(0)->maximum() == 100, 10000);

    auto select = [this] { table()->selectRow(0); };
    select();
    m_window->findChild<QAction *>("actionPause")->trigger();
    QCOMPARE(m_window->rowState(0), int(TaskPaused));
    QCOMPARE(ApTaskStore().read(id)->state, int(TaskPaused));
    QTest::qWait(700);  // two progress passes: the engine keeps it paused
    QCOMPARE(m_window->rowState(0), int(TaskPaused));

    select();
    m_window->findChild<QAction *>("actionStop")->trigger();
    QCOMPARE(m_window->rowState(0), int(TaskStopped));
    QCOMPARE(ApTaskStore().read(id)->state, int(TaskStopped));

    select();
    m_window->findChild<QAction *>("actionStart")->trigger();
    QCOMPARE(m_window->rowState(0), int(TaskDownloading));
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(0), int(TaskCompleted), 60000);
    QCOMPARE(fileBytes(path), m_data);
}

void TestMainWindowDownload::restartListsUnfinishedTasksAsLoadingAndResumes_data()
{
    QTest::addColumn<int>("storedState");
    QTest::newRow("downloading") << int(TaskDownloading);
    QTest::newRow("paused") << int(TaskPaused);
}

void TestMainWindowDownload::restartListsUnfinishedTasksAsLoadingAndResumes()
{
    QFETCH(int, storedState);
    NewTask task;
    task.url = m_nginx.url("/plain.bin");
    task.savePathName = m_downloads.filePath("resumed.bin");
    const qint64 id = ApTaskStore().create(task);
    QVERIFY(id > 0);
    ApTaskStore().writeState(id, storedState);

    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    QCOMPARE(table()->rowCount(), 1);
    QCOMPARE(m_window->rowState(0), int(TaskLoading));
    QCOMPARE(table()->item(0, TaskColumn::Status)->text(), QStringLiteral("Loading"));
    // Size unknown while loading: a busy bar.
    QCOMPARE(m_window->rowProgressBar(0)->maximum(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(0), int(TaskCompleted), DownloadTimeout);
    QCOMPARE(fileBytes(QDir::toNativeSeparators(task.savePathName)), m_data);
}

// The information panel, the table and the store show the same progress of
// a resumed task, pass after pass, also while a menu is open; a paused
// task's connection rows say that they are paused.
void TestMainWindowDownload::panelTableAndStoreShowOneProgress()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->resize(1200, 720);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QCOMPARE(dialog->addWithoutShowing(m_nginx.url("/slow/plain.bin"), "panel.bin", 0), 0);
    QVERIFY(m_window->addNewTask(dialog->taskKey()));
    const qint64 id = dialog->taskKey().toLongLong();
    auto trigger = [this](const char *action) {
        table()->selectRow(0);
        m_window->findChild<QAction *>(action)->trigger();
    };

    // Stopped at a third and started again: the run continues the file.
    QTRY_VERIFY_WITH_TIMEOUT(ApTaskStore().read(id)->completedSize > m_data.size() / 3, DownloadTimeout);
    trigger("actionStop");
    trigger("actionStart");
    table()->selectRow(0);
    auto *bar = m_window->findChild<ApSliceProgressBar *>("taskinfo_httpftp_downloaded_sliceProgressBar");
    auto *connections = m_window->findChild<QTableWidget *>("taskinfo_httpftp_connections_tableWidget");
    QVERIFY(bar && connections);
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && bar->text() != QLatin1String("0.00%"), 10000);

    // A menu takes the focus; the panel goes on with the table and the store.
    QMenu menu;
    menu.addAction(QStringLiteral("Open File"));
    menu.popup(m_window->mapToGlobal(QPoint(200, 200)));
    QTRY_VERIFY(menu.isVisible());
    const QString atMenu = bar->text();
    auto agree = [&] {
        const int shown = bar->text().section(QLatin1Char('.'), 0, 0).toInt();
        const std::optional<TaskRecord> record = ApTaskStore().read(id);
        return shown > 33 && shown == m_window->rowProgressBar(0)->value()
            && shown == TaskStore::percentage(record->completedSize, record->size);
    };
    QTRY_VERIFY_WITH_TIMEOUT(bar->text() != atMenu, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(agree(), 5000);
    QVERIFY(m_window->grab().save(UiTest::outputFolder() + "/mainwindow-panel-progress.png"));
    menu.close();

    trigger("actionPause");
    table()->selectRow(0);
    auto allPaused = [connections] {
        for (int row = 0; row < connections->rowCount(); ++row) {
            if (connections->item(row, 0)->text() != QLatin1String("Paused"))
                return false;
        }
        return connections->rowCount() > 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(allPaused(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(agree(), 5000);
    QVERIFY(m_window->grab().save(UiTest::outputFolder() + "/mainwindow-panel-paused.png"));
    trigger("actionStart");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(0), int(TaskCompleted), 60000);
    QCOMPARE(fileBytes(m_window->rowPath(0)), m_data);
}

// A download the server does not have: the row says when the next attempt
// comes, and no file appears.
void TestMainWindowDownload::failedTaskSaysWhenItRetries()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->resize(1200, 420);
    m_window->show();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QCOMPARE(dialog->addWithoutShowing(m_nginx.url("/missing.bin"), "missing.bin", 0), 0);
    QVERIFY(m_window->addNewTask(dialog->taskKey()));
    QTRY_VERIFY_WITH_TIMEOUT(table()->item(0, TaskColumn::Status)->text().startsWith(QLatin1String("Retrying in ")),
                             10000);
    QCOMPARE(m_window->rowState(0), int(TaskFailed));
    // The cell may be too narrow for it; its tool tip says it whole.
    QVERIFY(table()->item(0, TaskColumn::Status)->toolTip().contains(QLatin1String("\nRetrying in ")));
    QVERIFY(m_window->grab().save(UiTest::outputFolder() + "/mainwindow-retrying.png"));
    QVERIFY(!QFile::exists(m_window->rowPath(0)));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowDownload test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowdownload.moc"
