#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QWebFrame>

#include "apcookiejar.h"
#include "apfirstpartypage.h"
#include "apinfodialog.h"
#include "applicationinfo.h"
#include "apwebframetalker.h"
#include "commonfunctions.h"
#include "ipcinbox.h"
#include "ipcmessage.h"
#include "languages.h"
#include "playercommandline.h"
#include "playlistfile.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "sitepaths.h"
#include "webadpanel.h"

Q_LOGGING_CATEGORY(lcPlayer, "clipdeck.player", QtWarningMsg)

namespace Player {

namespace {
constexpr int PathRole = 32;
const QString GeneralGroup = QStringLiteral("General");
const QString AlwaysOnTopKey = QStringLiteral("AlwaysOnTopFlag");
const QString PlaylistKey = QStringLiteral("Playlist");
const QString HelpPage = QStringLiteral("clipdeck.html");
} // namespace

MainWindow::MainWindow(const PlayerInfo &info, const QString &serverName, QWidget *parent)
    : QMainWindow(parent), m_ui(new Ui::MainWindow), m_info(info), m_advertisementBase(info.advertisementBaseUrl)
{
    m_ui->setupUi(this);
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Cleanlooks")))
        QApplication::setStyle(style);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_savedMinimumSize = minimumSize();
    m_savedMaximumSize = maximumSize();

    PlaylistFile::prepareFolder(m_info.programFolder + QStringLiteral("/scripts/player"), m_info.playerFolder(),
                                m_info.playlistFile());
    applyLanguage();
    loadSettings();

    m_ui->playlist_listWidget->installEventFilter(this);
    auto *title = new QLabel(m_ui->dockWidget_playlist->windowTitle(), m_ui->dockWidget_playlist);
    title->setObjectName(QStringLiteral("playlist_titleLabel"));
    title->setContentsMargins(4, 2, 4, 2);
    m_ui->dockWidget_playlist->setTitleBarWidget(title);

    // Drops belong to the window, not to the page.
    m_ui->player_webView->setAcceptDrops(false);
    setAcceptDrops(true);

    m_adPanel = new WebAdPanel(m_ui->ad_window_banner_widget, SitePaths::AdRectSmall, this);

    // The player page is the program's own file; it stays in the view, and
    // any other site it leads to goes to the desktop's browser.
    const QUrl playerPage = playerPageUrl();
    auto *page = new ApFirstPartyPage(m_info.homeUrl, ApLinkOpener::WebAndMail, m_ui->player_webView);
    page->addTrustedDocument(playerPage);
    page->setQuiet(true);
    m_ui->player_webView->setPage(page);
    page->networkAccessManager()->setCookieJar(new ApCookieJar);
    page->settings()->setAttribute(QWebSettings::LocalContentCanAccessFileUrls, true);
    m_bridge = new ApWebFrameTalker(this, page->mainFrame(), this, m_info.homeUrl, playerPage);
    reloadPlayer();

    if (!serverName.isEmpty()) {
        m_server = new QLocalServer(this);
        m_inbox = new IpcInbox(this);
        connect(m_inbox, &IpcInbox::connectionClosed, this,
                [this](QLocalSocket *connection) { disconnect(connection, nullptr, this, nullptr); });
        connect(m_server, &QLocalServer::newConnection, this, &MainWindow::ipcServerNewConnectionCallback);
        SingleInstance::listen(m_server, serverName);
    }
}

MainWindow::~MainWindow()
{
    delete m_ui;
}

QListWidget *MainWindow::playlistWidget() const { return m_ui->playlist_listWidget; }
QWebView *MainWindow::playerView() const { return m_ui->player_webView; }
QWidget *MainWindow::advertisementContainer() const { return m_ui->ad_window_banner_widget; }

// The interface language is the main program's choice, kept in its store.
void MainWindow::applyLanguage()
{
    QString language;
    {
        SettingsStore store;
        language = store->value(QStringLiteral("Language"), QStringLiteral("null")).toString();
    }
    Languages::install(QStringLiteral(":/langs"),
                       Languages::choose(language, ApplicationInfo::standardLanguageTable()));
}

void MainWindow::loadSettings()
{
    SettingsStore store(m_info.organisation, m_info.programFileName);
    store->beginGroup(GeneralGroup);
    const bool onTop = store->contains(AlwaysOnTopKey) && store->value(AlwaysOnTopKey).toInt() == 1;
    m_ui->actionTopmost->setChecked(onTop);
    if (onTop)
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    if (store->contains(PlaylistKey)) {
        const QStringList paths = store->value(PlaylistKey).toStringList();
        for (const QString &path : paths)
            addRow(path);
    }
    store->endGroup();
}

void MainWindow::saveSettings()
{
    SettingsStore store(m_info.organisation, m_info.programFileName);
    store->beginGroup(GeneralGroup);
    store->setValue(AlwaysOnTopKey, m_ui->actionTopmost->isChecked() ? 1 : 0);
    store->setValue(PlaylistKey, rowPaths());
    store->endGroup();
    store->sync();
}

QUrl MainWindow::playerPageUrl() const
{
    return QUrl::fromLocalFile(m_info.playerFolder() + QStringLiteral("/player.html"));
}

void MainWindow::reloadPlayer()
{
    m_ui->player_webView->load(playerPageUrl());
}

QStringList MainWindow::rowPaths() const
{
    QStringList paths;
    for (int row = 0; row < m_ui->playlist_listWidget->count(); ++row)
        paths << m_ui->playlist_listWidget->item(row)->data(PathRole).toString();
    return paths;
}

void MainWindow::addRow(const QString &path)
{
    const QFileInfo file(path);
    auto *item = new QListWidgetItem(file.fileName());
    item->setToolTip(file.fileName());
    item->setIcon(QIcon(file.exists() ? QStringLiteral(":/icons/ok.png") : QStringLiteral(":/icons/cross.png")));
    item->setData(PathRole, file.absoluteFilePath());
    m_ui->playlist_listWidget->addItem(item);
    qCDebug(lcPlayer, "row added: %s", qUtf8Printable(file.absoluteFilePath()));
}

void MainWindow::addFiles(const QStringList &files)
{
    for (const QString &file : files)
        addRow(file);
}

int MainWindow::rowOf(const QString &path) const
{
    const QString key = PlaylistFile::pathKey(path);
    for (int row = 0; row < m_ui->playlist_listWidget->count(); ++row) {
        if (PlaylistFile::pathKey(m_ui->playlist_listWidget->item(row)->data(PathRole).toString()) == key)
            return row;
    }
    return -1;
}

int MainWindow::firstSelectedRow() const
{
    int first = -1;
    const QList<QListWidgetItem *> selected = m_ui->playlist_listWidget->selectedItems();
    for (QListWidgetItem *item : selected) {
        const int row = m_ui->playlist_listWidget->row(item);
        if (first < 0 || row < first)
            first = row;
    }
    return first;
}

void MainWindow::showOrHideAdvertisement()
{
    if (m_hideAdvertisement != 0) {
        m_ui->ad_window_banner_widget->hide();
        QTimer::singleShot(1, this, &MainWindow::resizeWindow);
    } else {
        m_adPanel->show(m_advertisementBase);
    }
}

void MainWindow::openFile(bool reload, const QString &file, int hideFlag, const QString &advertisementBase)
{
    m_hideAdvertisement = hideFlag;
    if (!advertisementBase.isEmpty())
        m_advertisementBase = advertisementBase;

    if (!file.isEmpty()) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (rowOf(path) < 0)
            addRow(path);
        if (PlaylistFile::write(m_info.playlistFile(), {path}))
            qCDebug(lcPlayer, "playlist written: 1 entries");
        if (reload)
            reloadPlayer();
    }
    showOrHideAdvertisement();
}

void MainWindow::writePlaylistFrom(int row)
{
    const QStringList paths = rowPaths().mid(row);
    if (PlaylistFile::write(m_info.playlistFile(), paths))
        qCDebug(lcPlayer, "playlist written: %d entries", int(paths.size()));
    reloadPlayer();
}

void MainWindow::playFromRow(int row)
{
    if (row < 0 || row >= m_ui->playlist_listWidget->count())
        return;
    showOrHideAdvertisement();
    if (!QFileInfo::exists(m_ui->playlist_listWidget->item(row)->data(PathRole).toString()))
        return;
    m_startRow = row;
    writePlaylistFrom(row);
}

void MainWindow::selectFromStartRow(int offset)
{
    const int row = m_startRow + offset;
    if (row < 0 || row >= m_ui->playlist_listWidget->count())
        return;
    m_ui->playlist_listWidget->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    qCDebug(lcPlayer, "selected row %d", row);
}

// Hides the space of a hidden advertisement panel for good.
void MainWindow::resizeWindow()
{
    m_ui->ad_window_banner_widget->setMaximumHeight(0);
    updateGeometry();
}

void MainWindow::offerPlaybackHelp()
{
    const QString text = tr("The GStreamer plugins that play H.264 video were NOT found. "
                            "Press OK to read how to install them.");
    if (showInfoDialogHidingParent(this, text, ApInfoDialog::OkCancel) == ApInfoDialog::Accepted)
        QDesktopServices::openUrl(QUrl(m_info.homeUrl + SitePaths::FlashPlayerHelp));
}

void MainWindow::setStaysOnTop(bool on)
{
    setWindowFlags(on ? windowFlags() | Qt::WindowStaysOnTopHint : windowFlags() & ~Qt::WindowStaysOnTopHint);
    show();
}

void MainWindow::addFilesFromDialog()
{
    const int count = m_ui->playlist_listWidget->count();
    const QString start = count > 0
        ? QFileInfo(m_ui->playlist_listWidget->item(count - 1)->data(PathRole).toString()).absolutePath()
        : QDir::toNativeSeparators(Common::documentsFolder() + QStringLiteral("/Tarvo/media"));
    hide();
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Select media files"), start,
        QStringLiteral("Streaming Media Files (*.mp4 *.flv *.mov *.mp3 *.mp4v *.m4v *.m4a *.3gp *.3g2);;"
                       "All Files (*)"));
    show();
    const int first = m_ui->playlist_listWidget->count();
    addFiles(files);
    // A clip chosen to be played plays at once, the keys going to the page.
    if (!files.isEmpty()) {
        m_ui->playlist_listWidget->setCurrentRow(first, QItemSelectionModel::ClearAndSelect);
        playFromRow(first);
        m_ui->player_webView->setFocus();
    }
}

void MainWindow::removeSelectedRows()
{
    qDeleteAll(m_ui->playlist_listWidget->selectedItems());
}

void MainWindow::on_actionExit_triggered()
{
    saveSettings();
    qApp->quit();
}

void MainWindow::on_actionTopmost_triggered()
{
    setStaysOnTop(m_ui->actionTopmost->isChecked());
}

void MainWindow::on_actionOpen_triggered() { addFilesFromDialog(); }
void MainWindow::on_add_toolButton_clicked() { addFilesFromDialog(); }

void MainWindow::on_actionHelp_triggered()
{
    QDesktopServices::openUrl(QUrl(m_info.homeUrl + SitePaths::HelpFolder + HelpPage));
}

void MainWindow::on_actionShowHidePlaylist_triggered()
{
    m_ui->dockWidget_playlist->setVisible(!m_ui->dockWidget_playlist->isVisible());
}

// The new process starts once this one has let go of the instance marker
// (see main), so it becomes the running player.
void MainWindow::on_actionReload_triggered()
{
    saveSettings();
    m_restartRequested = true;
    qApp->quit();
}

void MainWindow::on_actionTarvo_Home_triggered()
{
    QDesktopServices::openUrl(QUrl(m_info.homeUrl + QLatin1Char('/')));
}

void MainWindow::on_actionRemove_triggered() { removeSelectedRows(); }
void MainWindow::on_remove_toolButton_clicked() { removeSelectedRows(); }

void MainWindow::on_actionPlay_triggered()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        writePlaylistFrom(row);
}

void MainWindow::on_actionRemove_Nonexist_triggered()
{
    for (int row = m_ui->playlist_listWidget->count() - 1; row >= 0; --row) {
        if (!QFileInfo::exists(m_ui->playlist_listWidget->item(row)->data(PathRole).toString()))
            delete m_ui->playlist_listWidget->takeItem(row);
    }
}

void MainWindow::on_actionOpen_Containing_Folder_triggered()
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    const QString folder = QFileInfo(m_ui->playlist_listWidget->item(row)->data(PathRole).toString()).absolutePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void MainWindow::on_actionOpen_URL_triggered() {}

void MainWindow::on_playlist_listWidget_itemDoubleClicked(QListWidgetItem *item)
{
    playFromRow(m_ui->playlist_listWidget->row(item));
}

void MainWindow::on_playlist_listWidget_customContextMenuRequested(const QPoint &)
{
    const bool hasRows = m_ui->playlist_listWidget->count() > 0;
    const bool hasSelection = !m_ui->playlist_listWidget->selectedItems().isEmpty();
    m_ui->actionPlay->setEnabled(hasSelection);
    m_ui->actionOpen_Containing_Folder->setEnabled(hasSelection);
    m_ui->actionRemove->setEnabled(hasSelection);
    m_ui->actionRemove_Nonexist->setEnabled(hasRows);

    QMenu menu(this);
    menu.setObjectName(QStringLiteral("playlist_contextMenu"));
    menu.addAction(m_ui->actionPlay);
    menu.addAction(m_ui->actionOpen_Containing_Folder);
    menu.addSeparator();
    menu.addAction(m_ui->actionRemove);
    menu.addAction(m_ui->actionRemove_Nonexist);
    menu.exec(QCursor::pos());
}

void MainWindow::ipcServerNewConnectionCallback()
{
    while (QLocalSocket *connection = m_server->nextPendingConnection()) {
        // The inbox bounds the message, the time a sender may take and the
        // connections kept at once.
        m_inbox->admit(connection);
        connect(connection, &QLocalSocket::readyRead, this, &MainWindow::readIpcCommandData);
        connect(connection, &QLocalSocket::disconnected, this, [this, connection] { m_inbox->close(connection); });
        if (connection->bytesAvailable() > 0)
            QMetaObject::invokeMethod(connection, "readyRead", Qt::QueuedConnection);
    }
}

void MainWindow::readIpcCommandData()
{
    auto *connection = qobject_cast<QLocalSocket *>(sender());
    if (!connection)
        return;
    QStringList pieces;
    if (m_inbox->read(connection, &pieces) != IpcInbox::Complete)
        return;
    m_inbox->close(connection);
    const QString text = pieces.join(QLatin1Char('|'));

    PlayerMessage message;
    if (PlayerMessage::fromPieces(pieces, &message)) {
        qCDebug(lcPlayer, "message: file %s", qUtf8Printable(message.file));
        openFile(true, message.file, message.hideFlag, message.advertisementBase);
        showNormal();
        activateWindow();
        raise();
    } else {
        qCDebug(lcPlayer, "message dropped: %s", qUtf8Printable(text));
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->playlist_listWidget && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier) {
            if (key->key() == Qt::Key_Return) {
                playFromRow(firstSelectedRow());
                return true;
            }
            if (key->key() == Qt::Key_Delete) {
                removeSelectedRows();
                return true;
            }
            // Space pauses and plays as it does on the page itself.
            if (key->key() == Qt::Key_Space) {
                m_ui->player_webView->page()->mainFrame()->evaluateJavaScript(
                    QStringLiteral("typeof playerToggle === 'function' && playerToggle();"));
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (auto *title = qobject_cast<QLabel *>(m_ui->dockWidget_playlist->titleBarWidget()))
            title->setText(m_ui->dockWidget_playlist->windowTitle());
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMaximized()) {
            m_ui->dockWidget_playlist->setMinimumSize(0, 0);
            m_ui->dockWidget_playlist->setMaximumSize(0, 0);
        } else if (windowState() == Qt::WindowNoState) {
            m_ui->dockWidget_playlist->setMinimumSize(m_savedMinimumSize);
            m_ui->dockWidget_playlist->setMaximumSize(m_savedMaximumSize);
        }
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_ui->dockWidget_playlist->setVisible(!isMaximized() && !isFullScreen());
}

void MainWindow::setPlayerFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on) {
        m_adShownBeforeFullScreen = m_ui->ad_window_banner_widget->isVisible();
        m_maximisedBeforeFullScreen = isMaximized();
        menuBar()->hide();
        m_ui->dockWidget_playlist->hide();
        m_ui->ad_window_banner_widget->hide();
        showFullScreen();
    } else {
        menuBar()->show();
        m_ui->ad_window_banner_widget->setVisible(m_adShownBeforeFullScreen);
        if (m_maximisedBeforeFullScreen)
            showMaximized();
        else
            showNormal();
        m_ui->dockWidget_playlist->setVisible(!isMaximized());
    }
    m_ui->player_webView->setFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
    qApp->quit();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    const QString path = urls.first().toLocalFile();
    if (!path.isEmpty() && rowOf(path) < 0)
        addRow(path);
    event->acceptProposedAction();
}

} // namespace Player
