// The task information panel on the real main window with the real engine
// and nginx: a five-connection download fills the page and refreshes it in
// place; the flag, the location viewer's arguments and the preview command.
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "apgeolocation.h"
#include "apsliceprogressbar.h"
#include "aptaskinfopanel.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "mainwindow.h"
#include "nginxfixture.h"
#include "settingsstore.h"
#include "taskcommand.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
// The real tick: the policing loop refreshes the panel every 6 s by itself.
constexpr int Tick = 100;

QImage iconImage(const QIcon &icon) { return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32); }
} // namespace

class TestTaskInfoPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void runningDownloadFillsAndRefreshesInPlace();
    void flagFromStoreOrTable_data();
    void flagFromStoreOrTable();
    void locationArguments_data();
    void locationArguments();
    void hostButtonStartsTheLocationViewer();

private:
    QString createTask(const QString &urlPath, const QString &name, const QString &hostIp,
                       const QString &countryCode = {}, int state = -1);
    void selectRow(int row);
    QTableWidget *connections() const
    {
        return m_window->taskInfoPanel()->findChild<QTableWidget *>("taskinfo_httpftp_connections_tableWidget");
    }
    QString label(const char *name) const
    {
        return m_window->taskInfoPanel()->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    NginxFixture m_nginx;
    std::unique_ptr<MainWindow> m_window;
};

void TestTaskInfoPanel::initTestCase()
{
    QVERIFY(m_root.isValid());
    QFile file(m_root.filePath(QStringLiteral("big.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(16 * 1024 * 1024, 'q'));
    file.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), "limit_rate 300k;"), qPrintable(m_nginx.errorString()));
}

void TestTaskInfoPanel::init()
{
    QFile::remove(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application));
    UiTest::prepareSettings(m_downloads.path());
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->resize(1100, 700);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestTaskInfoPanel::cleanup()
{
    m_window.reset();
    for (const QString &name : QDir(m_downloads.path()).entryList(QDir::Files))
        QFile::remove(m_downloads.filePath(name));
}

QString TestTaskInfoPanel::createTask(const QString &urlPath, const QString &name, const QString &hostIp,
                                      const QString &countryCode, int state)
{
    NewTask task;
    task.url = m_nginx.url(urlPath);
    task.savePathName = m_downloads.filePath(name);
    ApTaskStore store;
    const qint64 id = store.create(task);
    // Filled in by the host-address helper in real life.
    if (!hostIp.isEmpty())
        store.writeValue(id, TaskKeys::UrlHostIp, hostIp);
    if (!countryCode.isEmpty())
        store.writeValue(id, TaskKeys::UrlCountryCode, countryCode);
    if (state >= 0)
        store.writeState(id, state);
    return ApTaskStore::keyFor(id);
}

void TestTaskInfoPanel::selectRow(int row)
{
    QTableWidget *table = m_window->findChild<QTableWidget *>("maindownloads_tableWidget");
    table->clearSelection();
    table->selectRow(row);
}

void TestTaskInfoPanel::runningDownloadFillsAndRefreshesInPlace()
{
    const QString key = createTask(QStringLiteral("/big.bin"), QStringLiteral("five.bin"), QStringLiteral("127.0.0.1"));
    QVERIFY(m_window->addNewTask(key));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->manager()->taskCount() == 1, 10000);
    ApTvoDownloadTaskThread *task = m_window->manager()->tasks().first();
    // The first connection and four split ones.
    QTRY_VERIFY_WITH_TIMEOUT(task->connectionCount() == 5, 15000);

    selectRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isTaskInfoShown(task->task().savePath), 10000);
    QCOMPARE(m_window->taskInfoPanel()->objectName(), QStringLiteral("taskinfo_httpftp_stackedPage"));
    QCOMPARE(label("taskinfo_httpftp_filename_label"), QStringLiteral("five.bin"));
    QCOMPARE(label("taskinfo_httpftp_savepath_label"), QDir::toNativeSeparators(m_downloads.path()));
    QCOMPARE(label("taskinfo_httpftp_urlhost_label"), QStringLiteral("127.0.0.1 [127.0.0.1]"));
    QCOMPARE(label("taskinfo_httpftp_sha1hash_label"), QString());   // not while it runs
    QTRY_COMPARE_WITH_TIMEOUT(connections()->rowCount(), 5, 10000);

    ApSliceProgressBar *bar = m_window->taskInfoPanel()->progressBar();
    QCOMPARE(bar->size(), QSize(652, 26));
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(connections()->item(row, 2)->text(), m_nginx.url(QStringLiteral("/big.bin")));
        auto *rowBar = qobject_cast<ApSliceProgressBar *>(connections()->cellWidget(row, 4));
        QVERIFY(rowBar);
        QCOMPARE(rowBar->height(), 18);
        QCOMPARE(rowBar->text(), QStringLiteral("+"));
        QCOMPARE(rowBar->doneColor(), QColor(225, 113, 0));
    }
    QTRY_COMPARE_WITH_TIMEOUT(connections()->item(0, 0)->text(), QStringLiteral("Downloading"), 10000);

    // The policing loop's own refreshes come only while the window is the
    // active one; another window takes the focus so the test alone refreshes.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    ApTaskInfoPanel *panel = m_window->taskInfoPanel();
    const QString path = task->task().savePath;
    auto refresh = [&] { panel->display(task, ApTaskInfoPanel::Refresh, path, key); };

    // Two refreshes within the same second give no speed.
    QTableWidgetItem *first = connections()->item(0, 0);
    refresh();
    refresh();
    QCOMPARE(connections()->item(0, 0), first);   // refreshed in place
    for (int row = 0; row < 5; ++row)
        QCOMPARE(connections()->item(row, 3)->text(), QStringLiteral("-"));

    const int doneBefore = bar->done();
    QTest::qWait(1200);
    refresh();
    QCOMPARE(connections()->item(0, 0), first);
    int speeds = 0;
    for (int row = 0; row < 5; ++row) {
        const QString speed = connections()->item(row, 3)->text();
        QVERIFY2(speed.endsWith(QLatin1String("/s")), qPrintable(speed));
        if (!speed.startsWith(QLatin1String("0 ")))
            ++speeds;
        QVERIFY(connections()->item(row, 1)->text().endsWith(QLatin1Char('B')));
    }
    QVERIFY(speeds >= 1);
    // Slices fill in as the connections move on.
    QTRY_VERIFY_WITH_TIMEOUT((refresh(), bar->done() > doneBefore), 20000);
    QVERIFY(bar->total() > 0);
    QVERIFY(bar->text().endsWith(QLatin1Char('%')));

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->grab().save(UiTest::outputFolder() + QStringLiteral("/taskinfopanel_five_connections.png"));

    // Preview asks the policing thread for command 13 with the task's file.
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    QTest::mouseClick(m_window->taskInfoPanel()->findChild<QToolButton *>("taskinfo_httpftp_preview_toolButton"),
                      Qt::LeftButton);
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toInt(), int(TaskCommand::Preview));
    QCOMPARE(commands.at(0).at(1).toStringList(), QStringList{task->task().savePath});

    // Deselecting shows the default page again.
    m_window->findChild<QTableWidget *>("maindownloads_tableWidget")->clearSelection();
    QVERIFY(!m_window->isTaskInfoShown(task->task().savePath));
}

void TestTaskInfoPanel::flagFromStoreOrTable_data()
{
    QTest::addColumn<QString>("storedCode");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("stored code") << "de" << "10.1.2.3" << ":/icons/flags/de.png" << "de";
    QTest::newRow("found in table, stored lower case") << "" << "10.1.2.3" << ":/icons/flags/fr.png" << "fr";
    QTest::newRow("table says -1") << "" << "10.9.9.9" << ":/icons/question.png" << "";
    QTest::newRow("not in table") << "" << "10.200.0.1" << ":/icons/info.png" << "";
}

void TestTaskInfoPanel::flagFromStoreOrTable()
{
    QFETCH(QString, storedCode);
    QFETCH(QString, address);
    QFETCH(QString, icon);
    QFETCH(QString, storedAfter);

    // A table of our own: 10.1.0.0/16 is FR, 10.9.0.0/16 is "-1".
    ApTvoManager *manager = m_window->manager();
    manager->loadLocationDatabase();
    QVERIFY(manager->locationDatabaseLoaded());
    manager->geoLocation()->clear();
    QCOMPARE(manager->geoLocation()->parse("[FR,167837696,167903231][-1,168361984,168427519]"), 2);

    // A completed task is shown from the store.
    const QString key = createTask(QStringLiteral("/big.bin"), QStringLiteral("flag.bin"), address, storedCode,
                                   TaskCompleted);
    QVERIFY(m_window->addTaskByKey(key));
    selectRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->taskInfoPanel()->shownKey() == key, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isTaskInfoShown(m_window->rowPath(0)), 10000);

    auto *flag = m_window->taskInfoPanel()->findChild<QToolButton *>("taskinfo_httpftp_urlhost_toolButton");
    QCOMPARE(iconImage(flag->icon()), iconImage(QIcon(icon)));
    const std::optional<TaskRecord> record = ApTaskStore().read(key.toLongLong());
    QCOMPARE(record->urlCountryCode, storedAfter);
    QCOMPARE(connections()->rowCount(), 0);
    QCOMPARE(m_window->taskInfoPanel()->progressBar()->text(), QStringLiteral("100%"));
}

void TestTaskInfoPanel::locationArguments_data()
{
    QTest::addColumn<QString>("hostText");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("four labels") << "dl.eu.mirror.example.com [10.1.2.3]"
                                 << QStringList{"/geo-ip", "10.1.2.3&example.com"};
    QTest::newRow("two labels") << "example.org [10.1.2.3]" << QStringList{"/geo-ip", "10.1.2.3&example.org"};
    QTest::newRow("no dot") << "localhost [127.0.0.1]" << QStringList{"/geo-ip", "127.0.0.1&localhost"};
    QTest::newRow("no address") << "example.org" << QStringList();
    QTest::newRow("empty address") << "example.org []" << QStringList();
    QTest::newRow("nothing known") << "..." << QStringList();
}

void TestTaskInfoPanel::locationArguments()
{
    QFETCH(QString, hostText);
    QFETCH(QStringList, arguments);
    QCOMPARE(ApTaskInfoPanel::locationArguments(hostText), arguments);
}

void TestTaskInfoPanel::hostButtonStartsTheLocationViewer()
{
    // The host has four labels; the viewer gets the last two.
    const QString key = createTask(QStringLiteral("/big.bin"), QStringLiteral("host.bin"), QStringLiteral("10.1.2.3"),
                                   QStringLiteral("fr"), TaskCompleted);
    {
        ApTaskStore store;
        store.writeValue(key.toLongLong(), TaskKeys::Url, QStringLiteral("http://dl.eu.mirror.example.com/f.bin"));
    }
    QVERIFY(m_window->addTaskByKey(key));
    QList<QStringList> launched;
    m_window->taskInfoPanel()->setLauncher([&](const QStringList &arguments) {
        launched << arguments;
        return true;
    });
    selectRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->taskInfoPanel()->shownKey() == key, 10000);
    QCOMPARE(label("taskinfo_httpftp_urlhost_label"), QStringLiteral("dl.eu.mirror.example.com [10.1.2.3]"));
    QTest::mouseClick(m_window->taskInfoPanel()->findChild<QToolButton *>("taskinfo_httpftp_urlhost_toolButton"),
                      Qt::LeftButton);
    QCOMPARE(launched.size(), 1);
    QCOMPARE(launched.first(), (QStringList{"/geo-ip", "10.1.2.3&example.com"}));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestTaskInfoPanel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_taskinfopanel.moc"
