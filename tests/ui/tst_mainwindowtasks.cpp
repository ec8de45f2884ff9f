// The task table's actions, the refusals of the new task dialog and of row
// building, the completion notice and the link hand-over, driven on real
// widgets. The tasks point at a closed port: no byte is ever downloaded, so
// the rows keep the states the test gives them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include "apcompletionpopup.h"
#include "apnewtaskdialog.h"
#include "commonfunctions.h"
#include "ipcmessage.h"
#include "mainwindow.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "taskcommand.h"
#include "taskstore.h"
#include "uitestsupport.h"

namespace {
constexpr int Tick = 10;

struct StoredTask
{
    QString name;
    int state;
};
} // namespace

class TestMainWindowTasks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startDownloadRefusals_data();
    void startDownloadRefusals();
    void tasksStartedWithinOneSecondGetConsecutiveKeys();
    void rowBuildingRefusals_data();
    void rowBuildingRefusals();
    void actionsChangeOnlyAllowedRows_data();
    void actionsChangeOnlyAllowedRows();
    void startAllUnderCompletedFilterPostsEmptyCommand();
    void deleteSkipsLoadingRows();
    void deleteTaskAndFiles_data();
    void deleteTaskAndFiles();
    void contextMenuEntries_data();
    void contextMenuEntries();
    void actionShortcuts_data();
    void actionShortcuts();
    void openFileAndFolder_data();
    void openFileAndFolder();
    void completionPopupOnlyWhenInactive();
    void popupClicksOpenFileOrFolder_data();
    void popupClicksOpenFileOrFolder();
    void virusScanGetsExactlyTwoArguments();
    void warningIconForExecutables_data();
    void warningIconForExecutables();
    void linkFromSecondInstanceOpensDialog();

private:
    QTableWidget *table() const { return m_window->findChild<QTableWidget *>("maindownloads_tableWidget"); }
    QString deadUrl(const QString &name) const;
    QString storeTask(const QString &name, int state, const QString &url = {});
    void openWindow();
    void setRowStates(const QList<int> &states);
    void selectRows(const QList<int> &rows);

    QTemporaryDir m_downloads;
    quint16 m_deadPort = 0;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowTasks::init()
{
    ApTaskStore().removeAll();
    UiTest::prepareSettings(m_downloads.path());
    SettingsStore()->remove(SettingsKeys::VirusScanGroup);
    m_deadPort = TestSupport::freeLocalPort();
}

void TestMainWindowTasks::cleanup()
{
    m_window.reset();
    QDir(m_downloads.path()).removeRecursively();
    QDir().mkpath(m_downloads.path());
}

QString TestMainWindowTasks::deadUrl(const QString &name) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_deadPort).arg(name);
}

QString TestMainWindowTasks::storeTask(const QString &name, int state, const QString &url)
{
    NewTask task;
    task.url = url.isEmpty() ? deadUrl(name) : url;
    task.savePathName = m_downloads.filePath(name);
    const qint64 id = ApTaskStore().create(task);
    ApTaskStore().writeState(id, state);
    return ApTaskStore::keyFor(id);
}

void TestMainWindowTasks::openWindow()
{
    m_window = std::make_unique<MainWindow>(nullptr, Tick);
    m_window->show();
}

// The engine's own refresh call, as the policing thread makes it.
void TestMainWindowTasks::setRowStates(const QList<int> &states)
{
    for (int row = 0; row < states.size(); ++row) {
        TaskRowData data;
        data.downloadSpeedText = QStringLiteral("5.00 KB/s");
        data.sourcesText = QStringLiteral("2/2");
        data.queueText = QStringLiteral("q");
        data.timeLeftText = QStringLiteral("9 s");
        m_window->updateMainDownloadsTableRow(m_window->rowPath(row),
                                              {TaskColumn::Status, TaskColumn::Download, TaskColumn::Sources,
                                               TaskColumn::Queue, TaskColumn::TimeLeft},
                                              data, states.at(row));
    }
}

void TestMainWindowTasks::selectRows(const QList<int> &rows)
{
    table()->clearSelection();
    for (int row : rows)
        table()->selectionModel()->select(table()->model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// New task dialog

void TestMainWindowTasks::startDownloadRefusals_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("folder");  // relative to the download folder; "-" for a missing one
    QTest::addColumn<bool>("existingFile");
    QTest::addColumn<QString>("mirrors");
    QTest::addColumn<QString>("message");

    const QString badUrl = "This is an incorrect URL. Please check the validity of input URL.";
    QTest::newRow("no scheme") << "www.example.com/a" << "" << false << "" << badUrl;
    QTest::newRow("too short") << "ftp://a" << "" << false << "" << badUrl;
    QTest::newRow("other scheme") << "gopher://127.0.0.1/a" << "" << false << "" << badUrl;
    QTest::newRow("missing folder") << "http://127.0.0.1/a.bin" << "-" << false << ""
                                    << "The path you choose does not exist. Please choose another one.";
    QTest::newRow("file exists") << "http://127.0.0.1/a.bin" << "" << true << ""
                                 << "A file with the same name already exists. Please choose another save path or "
                                    "file name.";
    QTest::newRow("short mirror") << "http://127.0.0.1/a.bin" << "" << false << "http://127.0.0.1/m\nftp://ab"
                                  << "One or more mirror URLs are not valid.";
    QTest::newRow("mirror scheme") << "http://127.0.0.1/a.bin" << "" << false << "mms://127.0.0.1/mirror"
                                   << "One or more mirror URLs are not valid.";
}

void TestMainWindowTasks::startDownloadRefusals()
{
    QFETCH(QString, url);
    QFETCH(QString, folder);
    QFETCH(bool, existingFile);
    QFETCH(QString, mirrors);
    QFETCH(QString, message);

    openWindow();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    m_window->findChild<QAction *>("actionHttp_Ftp")->trigger();
    QVERIFY(dialog->isVisible());
    dialog->findChild<QLineEdit *>("httpftptask_url_lineEdit")->setText(url);
    dialog->findChild<QLineEdit *>("httpftptask_rename_lineEdit")->setText("a.bin");
    if (folder == "-")
        dialog->findChild<QComboBox *>("httpftptask_saveto_comboBox")->setEditText(m_downloads.filePath("nowhere"));
    if (existingFile) {
        // The key is now or the last key + 1; every candidate name exists.
        const qint64 from = qMax(QDateTime::currentSecsSinceEpoch(), TaskIdGenerator::shared().last() + 1);
        for (qint64 id = from; id < from + 5; ++id) {
            QFile file(m_downloads.filePath(
                QDateTime::fromSecsSinceEpoch(id).toString("yyyy-MM-dd_hh-mm-ss") + "_a.bin"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    if (!mirrors.isEmpty()) {
        auto *mirrorBox = dialog->findChild<QCheckBox *>("httpftptask_mirrorurls_checkBox");
        QTest::mouseClick(mirrorBox, Qt::LeftButton, {}, QPoint(4, mirrorBox->height() / 2));
        QVERIFY(mirrorBox->isChecked());
        dialog->findChild<QPlainTextEdit *>("httpftptask_mirrorurls_plainTextEdit")->setPlainText(mirrors);
    }

    UiTest::InfoDialogAnswerer answerer;
    QTest::mouseClick(dialog->findChild<QPushButton *>("httpftptask_startdownload_pushButton"), Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{message});
    // The dialog came back and nothing was written.
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), int(ApNewTaskDialog::Cancelled));
    QCOMPARE(ApTaskStore().keys(), QStringList());
    QCOMPARE(table()->rowCount(), 0);

    QTest::mouseClick(dialog->findChild<QPushButton *>("httpftptask_cancel_pushButton"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!m_window->isModalDialogOpen());
    QCOMPARE(table()->rowCount(), 0);
}

void TestMainWindowTasks::tasksStartedWithinOneSecondGetConsecutiveKeys()
{
    openWindow();
    ApNewTaskDialog *dialog = m_window->newTaskDialog();
    QCOMPARE(dialog->addWithoutShowing(deadUrl("one.bin"), "one.bin", 0), 0);
    const qint64 first = dialog->taskKey().toLongLong();
    QCOMPARE(dialog->addWithoutShowing(deadUrl("two.bin"), "", 1), 0);
    const qint64 second = dialog->taskKey().toLongLong();
    QCOMPARE(second, first + 1);

    // The second name came from the URL; both carry their key's time.
    const std::optional<TaskRecord> record = ApTaskStore().read(second);
    QVERIFY(record);
    QCOMPARE(QFileInfo(record->savePathName).fileName(),
             QDateTime::fromSecsSinceEpoch(second).toString("yyyy-MM-dd_hh-mm-ss") + "_two.bin");
    QCOMPARE(dialog->findChild<QLabel *>("httpftptask_converttype_label")->text(), QStringLiteral("+"));
    // The folder is remembered.
    QCOMPARE(AppSettings::downloadedTo(), m_downloads.path());
}

// Row building

void TestMainWindowTasks::rowBuildingRefusals_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("samePath");
    QTest::addColumn<QString>("message");
    QTest::newRow("same path") << "" << true
                               << "A task with the same path already exists. This task cannot be added.";
    QTest::newRow("short url") << "http:/" << false << "It is an incorrect URL. Please try another one.";
    QTest::newRow("other scheme") << "mailto:someone@example.com" << false
                                  << "It is an incorrect URL. Please try another one.";
}

void TestMainWindowTasks::rowBuildingRefusals()
{
    QFETCH(QString, url);
    QFETCH(bool, samePath);
    QFETCH(QString, message);

    storeTask("listed.bin", TaskStopped);
    openWindow();
    QCOMPARE(table()->rowCount(), 1);

    NewTask task;
    task.url = url.isEmpty() ? deadUrl("x") : url;
    task.savePathName = m_downloads.filePath(samePath ? "listed.bin" : "other.bin");
    const QString key = ApTaskStore::keyFor(ApTaskStore().create(task));

    UiTest::InfoDialogAnswerer answerer;
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    QVERIFY(!m_window->addNewTask(key));
    QCOMPARE(answerer.texts, QStringList{message});
    QCOMPARE(table()->rowCount(), 1);
    QCOMPARE(commands.count(), 0);
    // The refused task leaves the store again.
    QVERIFY(!ApTaskStore().keys().contains(key));
}

// Task actions

void TestMainWindowTasks::actionsChangeOnlyAllowedRows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("expected");  // row states afterwards

    // Rows: Downloading, Paused, Stopped, Completed, Checking, Failed.
    QTest::newRow("start") << "actionStart" << int(TaskCommand::Start)
                           << QList<int>{TaskDownloading, TaskDownloading, TaskDownloading, TaskCompleted,
                                         TaskChecking, TaskDownloading};
    QTest::newRow("pause") << "actionPause" << int(TaskCommand::Pause)
                           << QList<int>{TaskPaused, TaskPaused, TaskStopped, TaskCompleted, TaskPaused,
                                         TaskFailed};
    QTest::newRow("stop") << "actionStop" << int(TaskCommand::Stop)
                          << QList<int>{TaskStopped, TaskStopped, TaskStopped, TaskCompleted, TaskStopped,
                                        TaskFailed};
}

void TestMainWindowTasks::actionsChangeOnlyAllowedRows()
{
    QFETCH(QString, action);
    QFETCH(int, code);
    QFETCH(QList<int>, expected);

    const QList<int> states{TaskDownloading, TaskPaused, TaskStopped, TaskCompleted, TaskChecking, TaskFailed};
    QStringList keys;
    for (int i = 0; i < states.size(); ++i)
        keys << storeTask(QString("task%1.bin").arg(i), TaskStopped);
    openWindow();
    QCOMPARE(table()->rowCount(), states.size());

    // No round trip through the event loop from here on: the rows keep the
    // states given until the action has run.
    setRowStates(states);
    selectRows({0, 1, 2, 3, 4, 5});
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    m_window->findChild<QAction *>(action)->trigger();

    QStringList changedPaths;
    for (int row = 0; row < states.size(); ++row) {
        QCOMPARE(m_window->rowState(row), expected.at(row));
        const bool changed = expected.at(row) != states.at(row);
        if (changed)
            changedPaths << m_window->rowPath(row);
        if (changed) {
            QCOMPARE(ApTaskStore().read(keys.at(row).toLongLong())->state, expected.at(row));
            QCOMPARE(table()->item(row, TaskColumn::Status)->text(), TaskStore::stateLabel(expected.at(row)));
        }
        if (changed && code != TaskCommand::Start) {
            QCOMPARE(table()->item(row, TaskColumn::Download)->text(), QStringLiteral("0 B/s"));
            QCOMPARE(table()->item(row, TaskColumn::Sources)->text(), QStringLiteral("0/0"));
            QCOMPARE(table()->item(row, TaskColumn::Queue)->text(), QStringLiteral("-"));
            QCOMPARE(table()->item(row, TaskColumn::TimeLeft)->text(), QStringLiteral("-"));
        }
    }
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.first().at(0).toInt(), code);
    QCOMPARE(commands.first().at(1).toStringList(), changedPaths);
    // The selection stays, so the next action needs no new choice.
    QCOMPARE(table()->selectionModel()->selectedRows().size(), states.size());

    // Nothing selected: nothing happens.
    table()->clearSelection();
    m_window->findChild<QAction *>(action)->trigger();
    QCOMPARE(commands.count(), 1);
}

void TestMainWindowTasks::startAllUnderCompletedFilterPostsEmptyCommand()
{
    storeTask("stopped.bin", TaskStopped);
    storeTask("paused.bin", TaskStopped);
    openWindow();
    setRowStates({TaskStopped, TaskPaused});
    QTest::mouseClick(m_window->findChild<QCommandLinkButton *>("completed_commandLinkButton"), Qt::LeftButton);
    QCOMPARE(m_window->currentFilter(), MainWindow::CompletedTasks);
    QVERIFY(table()->isRowHidden(0) && table()->isRowHidden(1));

    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    m_window->findChild<QAction *>("actionStart_All")->trigger();
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.first().at(0).toInt(), int(TaskCommand::Start));
    QCOMPARE(commands.first().at(1).toStringList(), QStringList());
    QCOMPARE(m_window->rowState(0), int(TaskStopped));
    QCOMPARE(m_window->rowState(1), int(TaskPaused));

    // Back to all tasks: Start All starts both.
    QTest::mouseClick(m_window->findChild<QCommandLinkButton *>("alltasks_commandLinkButton"), Qt::LeftButton);
    QVERIFY(!table()->isRowHidden(0) && !table()->isRowHidden(1));
    setRowStates({TaskStopped, TaskPaused});
    m_window->findChild<QAction *>("actionStart_All")->trigger();
    QCOMPARE(commands.last().at(1).toStringList().size(), 2);
}

void TestMainWindowTasks::deleteSkipsLoadingRows()
{
    const QString loadingKey = storeTask("loading.bin", TaskStopped);
    const QString stoppedKey = storeTask("stopped.bin", TaskStopped);
    openWindow();
    setRowStates({TaskLoading, TaskStopped});
    const QString stoppedPath = m_window->rowPath(1);
    selectRows({0, 1});
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    QTest::keyClick(table(), Qt::Key_Delete);
    if (commands.isEmpty())  // the shortcut needs an active window, which offscreen may not give
        m_window->findChild<QAction *>("actionDelete")->trigger();

    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.first().at(0).toInt(), int(TaskCommand::Delete));
    QCOMPARE(commands.first().at(1).toStringList(), QStringList{stoppedPath});
    QCOMPARE(table()->rowCount(), 1);
    QCOMPARE(m_window->rowKey(0), loadingKey);
    QCOMPARE(ApTaskStore().keys(), QStringList{loadingKey});
}

void TestMainWindowTasks::deleteTaskAndFiles_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestMainWindowTasks::deleteTaskAndFiles()
{
    QFETCH(bool, confirm);
    const QString key = storeTask("done.bin", TaskCompleted);
    ApTaskStore().writeValue(key.toLongLong(), TaskKeys::CompletedSize, 8);
    const QString path = m_downloads.filePath("done.bin");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("finished");
    }
    openWindow();
    QCOMPARE(m_window->rowState(0), int(TaskCompleted));
    // Under 100 bytes a task shows 0 % even when completed.
    QCOMPARE(m_window->rowProgressBar(0)->value(), 0);
    QCOMPARE(table()->item(0, TaskColumn::Size)->text(), Common::sizeText(8));
    selectRows({0});

    UiTest::InfoDialogAnswerer answerer(confirm);
    QSignalSpy commands(m_window.get(), &MainWindow::taskCommandPosted);
    m_window->findChild<QAction *>("actionDelete_Task_Files")->trigger();
    QCOMPARE(answerer.texts, QStringList{"Delete both task and files? Press OK to confirm."});
    if (confirm) {
        QVERIFY(!QFile::exists(path));
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(ApTaskStore().keys(), QStringList());
        QCOMPARE(commands.count(), 1);
    } else {
        QVERIFY(QFile::exists(path));
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(ApTaskStore().keys(), QStringList{key});
        QCOMPARE(commands.count(), 0);
    }
}

void TestMainWindowTasks::contextMenuEntries_data()
{
    QTest::addColumn<int>("state");  // -1: no selection
    QTest::addColumn<QStringList>("entries");
    const QStringList head{"Open Containing Folder", "", "Search Page", "", "Convert Audio/Video", ""};
    const QStringList tail{"Delete Task Only", "Delete Task and Files", "", "Properties"};
    QTest::newRow("none") << -1 << QStringList{"Web Video Download", "HTTP/FTP Download"};
    const QStringList move{"Move up", "Move down"};
    QTest::newRow("stopped") << int(TaskStopped) << head + QStringList{"Start", "Pause", "Stop"} + move + tail;
    QTest::newRow("queued") << int(TaskQueued) << head + QStringList{"Start", "Pause", "Stop"} + move + tail;
    QTest::newRow("failed") << int(TaskFailed) << head + QStringList{"Start"} + move + tail;
    QTest::newRow("completed") << int(TaskCompleted) << head + tail;
}

void TestMainWindowTasks::contextMenuEntries()
{
    QFETCH(int, state);
    QFETCH(QStringList, entries);
    storeTask("menu.bin", TaskStopped);
    openWindow();
    if (state >= 0) {
        setRowStates({state});
        selectRows({0});
    }
    QStringList seen;
    connect(m_window.get(), &MainWindow::contextMenuAboutToShow, this, [&seen](QMenu *menu) {
        for (QAction *action : menu->actions())
            seen << (action->isSeparator() ? QString() : action->text());
        QTimer::singleShot(0, menu, &QMenu::close);
    });
    QMetaObject::invokeMethod(m_window.get(), "on_maindownloads_tableWidget_customContextMenuRequested",
                              Q_ARG(QPoint, QPoint(5, 5)));
    QCOMPARE(seen, entries);
    // Only a waiting task has a place in line to change.
    if (entries.contains("Move up"))
        QCOMPARE(m_window->findChild<QAction *>("actionMove_Up")->isEnabled(), state == TaskQueued);
}

void TestMainWindowTasks::actionShortcuts_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("start") << "actionStart" << "F9";
    QTest::newRow("pause") << "actionPause" << "Pause";
    QTest::newRow("stop") << "actionStop" << "F10";
    QTest::newRow("delete") << "actionDelete" << "Del";
    QTest::newRow("delete with files") << "actionDelete_Task_Files" << "Ctrl+D";
    QTest::newRow("new download") << "actionHttp_Ftp" << "Ctrl+H";
}

void TestMainWindowTasks::actionShortcuts()
{
    QFETCH(QString, action);
    QFETCH(QString, shortcut);
    openWindow();
    auto *found = m_window->findChild<QAction *>(action);
    QVERIFY(found);
    QVERIFY(!found->shortcut().isEmpty());
    QCOMPARE(found->shortcut(), QKeySequence(shortcut));
    // Reachable from anywhere in the window.
    QVERIFY(m_window->actions().contains(found));
}

void TestMainWindowTasks::openFileAndFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("fileTarget");  // "file", "folder" or "" for nothing
    QTest::addColumn<int>("how");
    QTest::newRow("document") << "paper.pdf" << false << "file" << 0;
    QTest::newRow("no suffix") << "README" << false << "folder" << 1;
    QTest::newRow("player type") << "clip.MP4" << false << "file" << 2;
    QTest::newRow("missing") << "gone.txt" << false << "" << -1;
    QTest::newRow("folder") << "album" << true << "file" << 0;
}

void TestMainWindowTasks::openFileAndFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(QString, fileTarget);
    QFETCH(int, how);
    storeTask(name, TaskCompleted);
    const QString path = QDir::toNativeSeparators(m_downloads.filePath(name));
    if (folder)
        QVERIFY(QDir().mkpath(path));
    else if (name != "gone.txt")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    openWindow();
    QStringList opened;
    m_window->setPathOpener([&opened](const QString &target) {
        opened << target;
        return true;
    });
    QSignalSpy handed(m_window.get(), &MainWindow::taskFileOpened);

    // Double-click on the name.
    const QRect cell = table()->visualItemRect(table()->item(0, TaskColumn::TaskName));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
    if (fileTarget.isEmpty()) {
        QCOMPARE(handed.count(), 0);
    } else {
        QCOMPARE(handed.count(), 1);
        QCOMPARE(handed.first().at(0).toString(),
                 fileTarget == "folder" ? QFileInfo(path).absolutePath() : path);
        QCOMPARE(handed.first().at(1).toInt(), how);
        QCOMPARE(opened.size(), how == 2 ? 0 : 1);
    }

    // Open Containing Folder: a folder opens itself, a file its folder.
    handed.clear();
    selectRows({0});
    m_window->findChild<QAction *>("actionOpen_Task_File_Folder_Maindownloadtable")->trigger();
    if (name == "gone.txt") {
        QCOMPARE(handed.count(), 0);
    } else {
        QCOMPARE(handed.count(), 1);
        QCOMPARE(handed.first().at(0).toString(), folder ? QFileInfo(path).absoluteFilePath()
                                                         : QFileInfo(path).absolutePath());
    }
}

// Completion

void TestMainWindowTasks::completionPopupOnlyWhenInactive()
{
    const QString key = storeTask("finished.txt", TaskCompleted);
    const QString path = m_downloads.filePath("finished.txt");
    QFile(path).open(QIODevice::WriteOnly);
    openWindow();

    m_window->handleTaskCompletion(path, key, true);
    QVERIFY(!m_window->completionPopup() || !m_window->completionPopup()->isVisible());

    m_window->handleTaskCompletion(path, key, false);
    ApCompletionPopup *popup = m_window->completionPopup();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->key(), key);
    QCOMPARE(popup->textPanel()->toPlainText(), QStringLiteral("finished.txt"));
    // The usual offsets from the corner, as far as the popup fits.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(popup->pos(), QPoint(qMin(screen.width() - 290, screen.width() - popup->width()), screen.height() - 170));
    QVERIFY(screen.contains(popup->geometry()));
    QVERIFY(popup->isFading());

    // The same task completing again while fading renews the data only.
    const QString other = m_downloads.filePath("other.txt");
    m_window->handleTaskCompletion(other, key, false);
    QCOMPARE(popup->path(), other);
    QTRY_VERIFY(!popup->isFading());
    QCOMPARE(popup->opacity(), 1.0);
    QVERIFY(popup->grab().save(UiTest::outputFolder() + "/completionpopup.png"));

    // Close is refused; the popup only hides.
    QVERIFY(!popup->close());
    QVERIFY(!popup->isVisible());
    m_window->handleTaskCompletion(path, key, false);
    QVERIFY(popup->isVisible());
    QTest::mouseClick(popup->findChild<QPushButton *>("ok_pushButton"), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
    QCOMPARE(m_window->completionPopup(), popup);

    // Switched off in the settings: no popup.
    AppSettings::setFlag(SettingsKeys::CompletionPopupDialogFlag, false);
    m_window->handleTaskCompletion(path, key, false);
    QVERIFY(!popup->isVisible());
    AppSettings::setFlag(SettingsKeys::CompletionPopupDialogFlag, true);
}

void TestMainWindowTasks::popupClicksOpenFileOrFolder_data()
{
    QTest::addColumn<QString>("name");  // below the download folder
    QTest::addColumn<QString>("kind");  // "file", "folder" or "missing"
    QTest::addColumn<QString>("nameClick");
    QTest::addColumn<QString>("folderClick");
    QTest::newRow("file") << "a/report.pdf" << "file" << "a/report.pdf" << "a";
    QTest::newRow("no suffix") << "a/README" << "file" << "a" << "a";
    QTest::newRow("folder") << "a/album" << "folder" << "a/album" << "a/album";
    QTest::newRow("missing") << "a/gone.txt" << "missing" << "a/" << "a/";
}

void TestMainWindowTasks::popupClicksOpenFileOrFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, nameClick);
    QFETCH(QString, folderClick);
    const QString path = m_downloads.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "file")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));

    ApCompletionPopup popup(nullptr);
    QStringList opened;
    popup.setPathOpener([&opened](const QString &target) {
        opened << QDir::cleanPath(target) + (target.endsWith('/') ? "/" : "");
        return true;
    });
    popup.setData(path, SettingsStore::organisation, SettingsStore::application, "77", QFileInfo(path).fileName());
    popup.showPopup();

    QTest::mouseClick(popup.textPanel()->viewport(), Qt::LeftButton);
    QTest::mouseClick(popup.findChild<QLabel *>("folder_label"), Qt::LeftButton);
    QCOMPARE(opened, (QStringList{m_downloads.filePath(nameClick), m_downloads.filePath(folderClick)}));
    QVERIFY(popup.isVisible());

    // The close label only hides it.
    QTest::mouseClick(popup.findChild<QLabel *>("close_label"), Qt::LeftButton);
    QVERIFY(!popup.isVisible());
}

void TestMainWindowTasks::virusScanGetsExactlyTwoArguments()
{
    const QString scanner = m_downloads.filePath("scanner.sh");
    const QString report = m_downloads.filePath("scan-report.txt");
    {
        QFile file(scanner);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1'\n").arg(report).toUtf8());
    }
    QFile::setPermissions(scanner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString file = m_downloads.filePath("with space.bin");
    openWindow();

    // No flag: no scan, even with a program set.
    SettingsStore()->setValue(SettingsKeys::VirusScanProgramPath, scanner);
    QSignalSpy scans(m_window.get(), &MainWindow::virusScanStarted);
    m_window->handleTaskCompletion(file, "1", true);
    QCOMPARE(scans.count(), 0);

    AppSettings::saveVirusScanPage(true, scanner, "--scan  -q --log=x");
    m_window->handleTaskCompletion(file, "1", true);
    QCOMPARE(scans.count(), 1);
    QTRY_VERIFY(QFileInfo(report).size() > 0);
    QFile result(report);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(result.readAll()), "2\n--scan  -q --log=x\n" + file + "\n");
}

void TestMainWindowTasks::warningIconForExecutables_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("warning");
    QTest::newRow("text") << "notes.txt" << false << false << false;
    QTest::newRow("installer") << "setup.EXE" << false << false << true;
    QTest::newRow("script") << "install.sh" << false << false << true;
    QTest::newRow("appimage") << "tool.AppImage" << false << false << true;
    QTest::newRow("package") << "pkg.deb" << false << false << true;
    QTest::newRow("execute permission") << "program" << false << true << true;
    QTest::newRow("folder") << "folder.exe" << true << false << false;
}

void TestMainWindowTasks::warningIconForExecutables()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(bool, executable);
    QFETCH(bool, warning);
    const QString path = m_downloads.filePath(name);
    if (folder) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
    ApCompletionPopup popup(nullptr);
    popup.setData(path, SettingsStore::organisation, SettingsStore::application, "1", name);
    popup.showPopup();
    QCOMPARE(popup.isWarningShown(), warning);
}

// Link hand-over

void TestMainWindowTasks::linkFromSecondInstanceOpensDialog()
{
    openWindow();
    const QString server = m_window->ipcServerName();
    QVERIFY(!server.isEmpty());
    // What a second "zantor /link-url <url>" sends; it waits until the
    // receiver closes the connection, so it runs beside the event loop.
    auto send = [server](const QString &link, std::atomic<bool> *done) {
        return std::thread([server, link, done] {
            SingleInstance::sendMessage(server, IpcMessage::build("link-url", link));
            done->store(true);
        });
    };
    const QString link = deadUrl("from-second.bin");
    std::atomic<bool> firstDone{false};
    std::thread first = send(link, &firstDone);
    QTRY_VERIFY(m_window->newTaskDialog()->isVisible());
    QTRY_VERIFY(firstDone.load());
    first.join();
    QCOMPARE(m_window->newTaskDialog()->findChild<QLineEdit *>("httpftptask_url_lineEdit")->text(), link);
    QVERIFY(m_window->isModalDialogOpen());

    // A link that arrives while the dialog is up is dropped unread.
    std::atomic<bool> secondDone{false};
    std::thread second = send(deadUrl("dropped.bin"), &secondDone);
    QTRY_VERIFY(secondDone.load());
    second.join();
    QCOMPARE(m_window->requestedLinks(), QStringList{link});

    // Start Download lists the task.
    QTest::mouseClick(m_window->newTaskDialog()->findChild<QPushButton *>("httpftptask_startdownload_pushButton"),
                      Qt::LeftButton);
    QCOMPARE(table()->rowCount(), 1);
    QVERIFY(m_window->rowPath(0).endsWith("_from-second.bin"));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestMainWindowTasks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowtasks.moc"
