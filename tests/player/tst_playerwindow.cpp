// The player window in process, on real widgets with the real player page.

#include <QtTest>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QDesktopServices>
#include <QMimeData>
#include <QPushButton>
#include <QWebFrame>
#include <QWebView>
#include <QXmlStreamReader>

#include "apinfodialog.h"
#include "aptextdisplaypanel.h"
#include "apwebframetalker.h"
#include "languages.h"
#include "mainwindow.h"
#include "playertestsupport.h"
#include "playlistfile.h"
#include "webadpanel.h"
#include "widgetchecks.h"

using namespace Player;

namespace {

QStringList readList(const QString &file)
{
    QXmlStreamReader reader(PlayerTest::read(file));
    QStringList paths;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("source"))
            paths << reader.attributes().value(QStringLiteral("src")).toString();
    }
    return reader.hasError() ? QStringList{QStringLiteral("<malformed>")} : paths;
}

// Takes the addresses the program hands to the desktop's browser.
class UrlCatcher final : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestPlayerWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gotoNextClipCountsFromStartRow();
    void alwaysOnTopFromStore_data();
    void alwaysOnTopFromStore();
    void removeNonexistent_data();
    void removeNonexistent();
    void contextMenuStates_data();
    void contextMenuStates();
    void openFileKeepsOneRow();
    void keysAndDrop();
    void settingsRoundTrip();
    void advertisementPanel();
    void playbackHelp_data();
    void playbackHelp();
    void translatedWindow_data();
    void translatedWindow();

private:
    std::unique_ptr<MainWindow> makeWindow();
    QString media(const QString &name);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPlayerWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    PlayerTest::clearStore();
}

void TestPlayerWindow::cleanup()
{
    m_dir.reset();
    PlayerTest::clearStore();
}

std::unique_ptr<MainWindow> TestPlayerWindow::makeWindow()
{
    auto window = std::make_unique<MainWindow>(PlayerTest::info(m_dir->filePath(QStringLiteral("user"))), QString());
    window->resize(600, 380);
    return window;
}

QString TestPlayerWindow::media(const QString &name)
{
    const QString path = m_dir->filePath(QStringLiteral("media/") + name);
    return PlayerTest::touch(path) ? path : QString();
}

// After playing from row 3, the page's "2" is row 5; the page reaches the
// bridge through its own script.
void TestPlayerWindow::gotoNextClipCountsFromStartRow()
{
    auto window = makeWindow();
    QStringList files;
    for (int n = 0; n < 7; ++n)
        files << media(QStringLiteral("clip%1.mp4").arg(n));
    window->addFiles(files);
    window->show();

    window->playFromRow(3);
    QCOMPARE(window->startRow(), 3);
    QCOMPARE(readList(window->info().playlistFile()), files.mid(3));

    window->bridge()->gotoNextClip(QStringLiteral("2"));
    QCOMPARE(window->playlistWidget()->currentRow(), 5);
    QCOMPARE(window->playlistWidget()->selectedItems().size(), 1);

    QWebFrame *frame = window->playerView()->page()->mainFrame();
    QTRY_VERIFY_WITH_TIMEOUT(frame->evaluateJavaScript(QStringLiteral("typeof webFrameTalker")).toString()
                                 == QLatin1String("object"),
                             15000);
    frame->evaluateJavaScript(QStringLiteral("webFrameTalker.gotoNextClip('1');"));
    QCOMPARE(window->playlistWidget()->currentRow(), 4);
    // The player page raises no script dialogs: each call returns at once.
    QCOMPARE(frame->evaluateJavaScript(QStringLiteral("alert('a'); confirm('b') + '|' + prompt('c', 'd')")).toString(),
             QStringLiteral("false|null"));
    // Past the end nothing changes.
    window->bridge()->gotoNextClip(QStringLiteral("9"));
    QCOMPARE(window->playlistWidget()->currentRow(), 4);

    // A row whose file is gone is not played: the start row and list stay.
    QFile::remove(files.at(1));
    window->playFromRow(1);
    QCOMPARE(window->startRow(), 3);
    QCOMPARE(readList(window->info().playlistFile()), files.mid(3));

    // Play takes the first selected row on but keeps the start row.
    window->playlistWidget()->setCurrentRow(6, QItemSelectionModel::ClearAndSelect);
    window->findChild<QAction *>(QStringLiteral("actionPlay"))->trigger();
    QCOMPARE(readList(window->info().playlistFile()), files.mid(6));
    QCOMPARE(window->startRow(), 3);
}

void TestPlayerWindow::alwaysOnTopFromStore_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("absent") << QVariant() << false;
}

void TestPlayerWindow::alwaysOnTopFromStore()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, onTop);
    if (stored.isValid()) {
        SettingsStore store(QStringLiteral("Tarvo"), QStringLiteral("clipdeck"));
        store->setValue(QStringLiteral("General/AlwaysOnTopFlag"), stored);
    }
    auto window = makeWindow();
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("actionTopmost"))->isChecked(), onTop);
    QCOMPARE(bool(window->windowFlags() & Qt::WindowStaysOnTopHint), onTop);

    // The action switches the hint both ways and keeps the window shown.
    QAction *topmost = window->findChild<QAction *>(QStringLiteral("actionTopmost"));
    topmost->trigger();
    QCOMPARE(bool(window->windowFlags() & Qt::WindowStaysOnTopHint), !onTop);
    QVERIFY(window->isVisible());
}

void TestPlayerWindow::removeNonexistent_data()
{
    QTest::addColumn<QStringList>("gone");
    QTest::newRow("all exist") << QStringList{};
    QTest::newRow("two gone") << QStringList{"b.mp4", "d.mp3"};
}

void TestPlayerWindow::removeNonexistent()
{
    QFETCH(QStringList, gone);
    auto window = makeWindow();
    QStringList files;
    for (const QString &name : {"a.mp4", "b.mp4", "c.flv", "d.mp3"})
        files << media(name);
    window->addFiles(files);
    QStringList expected;
    for (const QString &file : files) {
        if (gone.contains(QFileInfo(file).fileName()))
            QFile::remove(file);
        else
            expected << file;
    }
    window->findChild<QAction *>(QStringLiteral("actionRemove_Nonexist"))->trigger();
    QCOMPARE(window->rowPaths(), expected);
}

void TestPlayerWindow::contextMenuStates_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QList<bool>>("enabled");  // Play, Open folder, Remove, Remove non-existent

    QTest::newRow("empty") << 0 << false << QList<bool>{false, false, false, false};
    QTest::newRow("no selection") << 2 << false << QList<bool>{false, false, false, true};
    QTest::newRow("selection") << 2 << true << QList<bool>{true, true, true, true};
}

void TestPlayerWindow::contextMenuStates()
{
    QFETCH(int, rows);
    QFETCH(bool, select);
    QFETCH(QList<bool>, enabled);

    auto window = makeWindow();
    for (int n = 0; n < rows; ++n)
        window->addFiles({media(QStringLiteral("m%1.mp4").arg(n))});
    if (select)
        window->playlistWidget()->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    // Reads the menu while it is up, then closes it.
    QStringList texts;
    QList<bool> states;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator()) {
                texts << QStringLiteral("-");
                continue;
            }
            texts << action->objectName();
            states << action->isEnabled();
        }
        menu->close();
        poll.stop();
    });
    poll.start();
    emit window->playlistWidget()->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(!poll.isActive());

    QCOMPARE(texts, (QStringList{"actionPlay", "actionOpen_Containing_Folder", "-", "actionRemove",
                                 "actionRemove_Nonexist"}));
    QCOMPARE(states, enabled);
}

// The same file by another spelling keeps one row; a path with XML's
// special characters still makes a well-formed list.
void TestPlayerWindow::openFileKeepsOneRow()
{
    auto window = makeWindow();
    const QString odd = media(QStringLiteral("R&B <live> \"best\".mp4"));
    QVERIFY(!odd.isEmpty());
    window->openFile(false, odd, 1, QString());
    QCOMPARE(window->rowPaths(), QStringList{odd});
    QCOMPARE(readList(window->info().playlistFile()), QStringList{odd});
    QCOMPARE(window->playlistWidget()->item(0)->text(), QFileInfo(odd).fileName());
    QCOMPARE(window->playlistWidget()->item(0)->toolTip(), QFileInfo(odd).fileName());

    const QString other = QFileInfo(odd).absolutePath() + QStringLiteral("/./../media/") + QFileInfo(odd).fileName();
    window->openFile(true, other, 1, QString());
    QCOMPARE(window->rowPaths().size(), 1);

    // Another letter case is another file.
    const QString upper = media(QStringLiteral("R&B <LIVE> \"best\".mp4"));
    window->openFile(true, upper, 1, QString());
    QCOMPARE(window->rowPaths(), (QStringList{odd, upper}));
    QCOMPARE(readList(window->info().playlistFile()), QStringList{upper});
}

void TestPlayerWindow::keysAndDrop()
{
    auto window = makeWindow();
    const QStringList files{media(QStringLiteral("a.mp4")), media(QStringLiteral("b.mp4")), media(QStringLiteral("c.mp4"))};
    window->addFiles(files);
    window->show();
    QListWidget *list = window->playlistWidget();

    list->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(window->startRow(), 1);
    QCOMPARE(readList(window->info().playlistFile()), files.mid(1));

    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(window->rowPaths(), (QStringList{files.at(0), files.at(2)}));
    // With a modifier the keys do nothing of the player's.
    list->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(list, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(window->rowPaths().size(), 2);

    // A drop adds the first file once, by its local path.
    const QString dropped = media(QStringLiteral("dropped file #1.mp4"));
    for (int round = 0; round < 2; ++round) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped), QUrl::fromLocalFile(files.at(0))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }
    QCOMPARE(window->rowPaths(), (QStringList{files.at(0), files.at(2), dropped}));
}

void TestPlayerWindow::settingsRoundTrip()
{
    const QStringList files{media(QStringLiteral("a.mp4")), m_dir->filePath(QStringLiteral("gone.flv"))};
    {
        auto window = makeWindow();
        window->addFiles(files);
        window->findChild<QAction *>(QStringLiteral("actionTopmost"))->setChecked(true);
        window->saveSettings();
    }
    auto window = makeWindow();
    QCOMPARE(window->rowPaths(), files);
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    // Rows show whether their file was there when they were made.
    QVERIFY(!QIcon(QStringLiteral(":/icons/ok.png")).pixmap(16).isNull());
    QVERIFY(window->playlistWidget()->item(0)->icon().pixmap(16).toImage()
            == QIcon(QStringLiteral(":/icons/ok.png")).pixmap(16).toImage());
    QVERIFY(window->playlistWidget()->item(1)->icon().pixmap(16).toImage()
            == QIcon(QStringLiteral(":/icons/cross.png")).pixmap(16).toImage());
}

void TestPlayerWindow::advertisementPanel()
{
    auto window = makeWindow();
    window->show();
    // Hidden by the flag: the panel is never made and its space goes.
    window->openFile(false, QString(), 1, QString());
    QVERIFY(!window->advertisementContainer()->isVisible());
    QTRY_COMPARE(window->advertisementContainer()->maximumHeight(), 0);
    QVERIFY(!window->advertisementPanel()->isCreated());

    // Shown: no site answers, so the panel fails once and stays off.
    window->openFile(false, QString(), 0, QStringLiteral("http://127.0.0.1:9/other-ads/"));
    QVERIFY(window->advertisementPanel()->isCreated());
    QCOMPARE(window->advertisementPanel()->currentUrl(),
             QUrl(QStringLiteral("http://127.0.0.1:9/other-ads/rectsmallshow0.html")));
    QTRY_VERIFY_WITH_TIMEOUT(window->advertisementPanel()->isFailed(), 20000);
    QVERIFY(!window->advertisementContainer()->isVisible());
    window->openFile(false, QString(), 0, QString());
    QCOMPARE(window->advertisementPanel()->counter(), 1);
}

void TestPlayerWindow::playbackHelp_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("opened");
    QTest::newRow("OK") << "ok_pushButton" << 1;
    QTest::newRow("Cancel") << "cancel_pushButton" << 0;
}

// Without the plugins the message names them; OK opens the help page, and
// the window hides while the message is up.
void TestPlayerWindow::playbackHelp()
{
    QFETCH(QString, button);
    QFETCH(int, opened);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    auto window = makeWindow();
    window->show();

    QString text;
    bool hiddenMeanwhile = false;
    QTimer::singleShot(300, [&] {
        auto *dialog = qobject_cast<ApInfoDialog *>(QApplication::activeWindow());
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *info = qobject_cast<ApInfoDialog *>(widget); info && info->isVisible())
                dialog = info;
        }
        if (!dialog)
            return;
        hiddenMeanwhile = !window->isVisible();
        text = dialog->textPanel()->toPlainText();
        dialog->findChild<QPushButton *>(button)->click();
    });
    window->offerPlaybackHelp();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

    QVERIFY2(text.contains(QStringLiteral("GStreamer")), qPrintable(text));
    QVERIFY(hiddenMeanwhile);
    QVERIFY(window->isVisible());
    QCOMPARE(catcher.urls.size(), opened);
    if (opened)
        QCOMPARE(catcher.urls.at(0), QUrl(QStringLiteral("http://127.0.0.1:9/tvo/pub/utils/flashplayer.html")));
}

void TestPlayerWindow::translatedWindow_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"german", "chinese", "russian", "arabic"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// The player follows the main program's language; a picture per language
// for a reviewer, with its menus, and the checks a reviewer makes.
void TestPlayerWindow::translatedWindow()
{
    QFETCH(QString, language);
    SettingsStore()->setValue(QStringLiteral("Language"), language);
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->windowTitle() != QLatin1String("MP4/FLV Media Player - Tarvo"));
    QCOMPARE(window->layoutDirection(), language == QLatin1String("arabic") ? Qt::RightToLeft : Qt::LeftToRight);
    const QString name = QStringLiteral("translated-%1-clipdeck").arg(language);
    QVERIFY(window->grab().save(PlayerTest::outputFolder() + QLatin1Char('/') + name + QStringLiteral(".png")));
    QStringList problems = WidgetChecks::menuBarProblems(window->menuBar()) + WidgetChecks::clippedTexts(window.get());
    for (QAction *title : window->menuBar()->actions()) {
        if (QMenu *menu = title->menu()) {
            menu->popup(window->mapToGlobal(window->menuBar()->actionGeometry(title).bottomLeft()));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QVERIFY(menu->grab().save(PlayerTest::outputFolder() + QLatin1Char('/') + name + QStringLiteral("-")
                                      + menu->objectName() + QStringLiteral(".png")));
            menu->hide();
        }
    }
    window.reset();
    SettingsStore()->setValue(QStringLiteral("Language"), QStringLiteral("english"));
    Languages::install(QStringLiteral(":/langs"), QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(zantor);
    Q_INIT_RESOURCE(player);
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestPlayerWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_playerwindow.moc"
