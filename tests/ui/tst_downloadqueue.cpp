// The download queue end to end: real window, real engine, real nginx. At
// most the set number of tasks transfer at once, the rest wait in line in
// the order they came, shown "Queued"; Start on a waiting task starts it at
// once, Move up and Move down change the line, and a new limit holds for
// the tasks already running.
#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "appolicingthread.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "taskcommand.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;  // the policing loop runs ten times faster; its multiples stay
constexpr int FileSize = 600 * 1024;
} // namespace

class TestDownloadQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eightLinksLimitTwo();
    void startAndMoveWaitingTasks();
    void limitChangedWhileTasksRun();
    void waitingTaskIsStoredAsLoading();

private:
    QTableWidget *table() const { return m_window->findChild<QTableWidget *>("maindownloads_tableWidget"); }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(name); }
    // Adds the file through the window's entry point for other programs.
    qint64 add(int file, const QString &folder = "/slow/");
    // Tasks of the engine whose thread runs: the ones transferring.
    int running() const;
    int rowOf(qint64 id) const
    {
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (m_window->rowKey(row) == QString::number(id))
                return row;
        }
        return -1;
    }
    void openWindow(int limit);

    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    QList<QByteArray> m_files;
    NginxFixture m_nginx;
    std::unique_ptr<MainWindow> m_window;
    int m_mostRunning = 0;
    QTimer m_sampler;
};

void TestDownloadQueue::initTestCase()
{
    QVERIFY(m_root.isValid());
    for (int i = 0; i < 8; ++i) {
        m_files << UiTest::payload(FileSize + i, 2463534242u + i);
        QFile file(m_root.filePath(QString("file%1.bin").arg(i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(m_files.last());
    }
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    // Each connection is held to 400 KB/s, so a file takes a good second
    // and overlapping transfers are seen.
    QVERIFY2(m_nginx.start(m_root.path(), "location /slow/ { limit_rate 400k; alias " + m_root.path() + "/; }\n"
                                          "location /crawl/ { limit_rate 40k; alias " + m_root.path() + "/; }"),
             qPrintable(m_nginx.errorString()));
    m_sampler.setInterval(5);
    connect(&m_sampler, &QTimer::timeout, this, [this] {
        if (m_window)
            m_mostRunning = qMax(m_mostRunning, running());
    });
}

void TestDownloadQueue::init()
{
    ApTaskStore().removeAll();
    UiTest::prepareSettings(m_downloads.path());
    m_mostRunning = 0;
}

void TestDownloadQueue::cleanup()
{
    m_sampler.stop();
    m_window.reset();
    for (const QString &name : QDir(m_downloads.path()).entryList(QDir::Files))
        QFile::remove(m_downloads.filePath(name));
}

void TestDownloadQueue::openWindow(int limit)
{
    AppSettings::setMaxActiveDownloads(limit);
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->resize(1200, 480);
    m_window->show();
    QCOMPARE(m_window->policingThread()->maxActiveDownloads(), limit);
    m_sampler.start();
}

qint64 TestDownloadQueue::add(int file, const QString &folder)
{
    MainWindow::DownloadRequest request;
    request.url = m_nginx.url(folder + QString("file%1.bin").arg(file));
    const MainWindow::RequestResult result = m_window->requestDownload(request);
    return result.ok() ? result.id : 0;
}

int TestDownloadQueue::running() const
{
    int count = 0;
    for (ApTvoDownloadTaskThread *thread : m_window->manager()->tasks()) {
        if (thread->isRunning())
            ++count;
    }
    return count;
}

void TestDownloadQueue::eightLinksLimitTwo()
{
    openWindow(2);
    QList<qint64> ids;
    for (int i = 0; i < 8; ++i) {
        ids << add(i);
        QVERIFY(ids.last() > 0);
    }
    // Six wait, in the order they were added, and count as downloading.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(7), int(TaskQueued), 5000);
    QCOMPARE(table()->item(7, TaskColumn::Status)->text(), QStringLiteral("Queued"));
    QTRY_COMPARE(table()->item(7, TaskColumn::Queue)->text(), QStringLiteral("6"));
    QCOMPARE(table()->item(2, TaskColumn::Queue)->text(), QStringLiteral("1"));
    m_window->findChild<QAbstractButton *>("downloading_commandLinkButton")->click();
    for (int row = 2; row < 8; ++row)
        QVERIFY(!table()->isRowHidden(row));
    m_window->resize(1700, 480);
    table()->scrollToTop();
    QVERIFY(m_window->grab().save(UiTest::outputFolder() + "/mainwindow-queued-tasks.png"));
    m_window->findChild<QAbstractButton *>("alltasks_commandLinkButton")->click();

    for (int row = 0; row < 8; ++row)
        QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(row), int(TaskCompleted), 60000);
    QCOMPARE(m_mostRunning, 2);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(UiTest::fileBytes(m_window->rowPath(rowOf(ids[i]))), m_files[i]);
}

void TestDownloadQueue::startAndMoveWaitingTasks()
{
    openWindow(1);
    const qint64 first = add(0, "/crawl/");
    QList<qint64> waiting;
    for (int i = 1; i < 4; ++i)
        waiting << add(i);
    QTRY_COMPARE_WITH_TIMEOUT(table()->item(3, TaskColumn::Queue)->text(), QStringLiteral("3"), 5000);

    // The last in line moves up twice: it is next.
    table()->selectRow(3);
    QMenu *menu = nullptr;
    connect(m_window.get(), &MainWindow::contextMenuAboutToShow, this, [&menu](QMenu *m) {
        menu = m;
        QTimer::singleShot(0, m, &QMenu::close);
    });
    emit table()->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(menu);
    QVERIFY(action("actionMove_Up")->isEnabled());
    action("actionMove_Up")->trigger();
    QCOMPARE(table()->item(3, TaskColumn::Queue)->text(), QStringLiteral("2"));
    QCOMPARE(table()->item(2, TaskColumn::Queue)->text(), QStringLiteral("3"));
    table()->selectRow(3);
    action("actionMove_Up")->trigger();
    table()->selectRow(1);
    action("actionMove_Down")->trigger();
    // The loop's next passes agree with the table.
    QTest::qWait(40 * Tick);
    QTRY_COMPARE(table()->item(3, TaskColumn::Queue)->text(), QStringLiteral("1"));
    QTRY_COMPARE(table()->item(1, TaskColumn::Queue)->text(), QStringLiteral("3"));
    QTRY_COMPARE(table()->item(2, TaskColumn::Queue)->text(), QStringLiteral("2"));

    // Start on a waiting task starts it now, beside the running one.
    table()->selectRow(2);
    action("actionStart")->trigger();
    QCOMPARE(m_window->rowState(2), int(TaskDownloading));
    QTRY_COMPARE(running(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(2), int(TaskCompleted), 20000);
    // The crawling first task still holds the one slot: the others wait.
    QCOMPARE(m_window->rowState(1), int(TaskQueued));
    QCOMPARE(m_window->rowState(3), int(TaskQueued));
    // Stopping it lets the next in line start: the one moved to the front.
    table()->selectRow(rowOf(first));
    action("actionStop")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(3), int(TaskCompleted), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(1), int(TaskCompleted), 20000);
    QCOMPARE(m_window->rowState(0), int(TaskStopped));
    QCOMPARE(UiTest::fileBytes(m_window->rowPath(rowOf(waiting[1]))), m_files[2]);
}

void TestDownloadQueue::limitChangedWhileTasksRun()
{
    openWindow(1);
    for (int i = 0; i < 5; ++i)
        QVERIFY(add(i, "/crawl/") > 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(4), int(TaskQueued), 5000);
    QCOMPARE(running(), 1);
    // Start All leaves the line as it is.
    action("actionStart_All")->trigger();
    QTest::qWait(40 * Tick);
    QCOMPARE(m_window->rowState(4), int(TaskQueued));
    QCOMPARE(running(), 1);

    // A higher limit starts waiting tasks at once.
    QVERIFY(m_window->setMaxActiveDownloads(3).ok());
    QCOMPARE(AppSettings::maxActiveDownloads(), 3);
    QTRY_COMPARE(running(), 3);
    QTRY_COMPARE(m_window->rowState(4), int(TaskQueued));
    // A lower one stops nothing that runs; the line waits until the
    // running tasks are fewer than the limit.
    QVERIFY(m_window->setMaxActiveDownloads(1).ok());
    QTest::qWait(50 * Tick);
    QCOMPARE(running(), 3);
    QCOMPARE(m_window->rowState(3), int(TaskQueued));
    // No limit: everything runs.
    QVERIFY(m_window->setMaxActiveDownloads(0).ok());
    QTRY_COMPARE(running(), 5);
    QVERIFY(!m_window->setMaxActiveDownloads(-1).ok());
    QVERIFY(!m_window->setMaxActiveDownloads(101).ok());
    QCOMPARE(AppSettings::maxActiveDownloads(), 0);
    // Pausing them all is quick: nothing is left to wait for.
    action("actionStop_All")->trigger();
}

void TestDownloadQueue::waitingTaskIsStoredAsLoading()
{
    // Older builds and the toolbelt read the record: a waiting task says
    // Loading there, and a restart puts it in line again.
    openWindow(1);
    add(0, "/crawl/");
    const qint64 waitingId = add(1, "/crawl/");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(1), int(TaskQueued), 5000);
    QCOMPARE(ApTaskStore().read(waitingId)->state, int(TaskLoading));

    // Paused in line, it leaves the line and needs no slot.
    table()->selectRow(1);
    action("actionPause")->trigger();
    QCOMPARE(ApTaskStore().read(waitingId)->state, int(TaskPaused));
    QTest::qWait(40 * Tick);
    QCOMPARE(m_window->rowState(1), int(TaskPaused));
    QCOMPARE(running(), 1);
    // Started again while the slot is taken, it goes back in line; the
    // Downloading the window wrote at once becomes Loading.
    table()->selectRow(1);
    action("actionStart")->trigger();
    QCOMPARE(ApTaskStore().read(waitingId)->state, int(TaskDownloading));
    QTRY_COMPARE(m_window->rowState(1), int(TaskQueued));
    QTRY_COMPARE(ApTaskStore().read(waitingId)->state, int(TaskLoading));

    m_sampler.stop();
    m_window.reset();
    openWindow(1);
    QCOMPARE(m_window->rowState(1), int(TaskLoading));
    QTRY_COMPARE_WITH_TIMEOUT(m_window->rowState(1), int(TaskQueued), 5000);
    QTRY_COMPARE(running(), 1);
    action("actionStop_All")->trigger();
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestDownloadQueue test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_downloadqueue.moc"
