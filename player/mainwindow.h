#pragma once

#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <QUrl>

#include "playerinfo.h"

class QListWidget;
class QListWidgetItem;
class QLocalServer;
class IpcInbox;
class QMenu;
class QWebView;
class WebAdPanel;

namespace Player {

class ApWebFrameTalker;
namespace Ui {
class MainWindow;
}

// The player window: the player page in a web view, the play list dock
// beside it, an advertisement panel below, and the endpoint through which a
// second start hands over a file.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    // serverName: the endpoint to listen on; empty for a window that does
    // not own the instance marker.
    MainWindow(const PlayerInfo &info, const QString &serverName, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Takes a file (may be empty), the hide-advertisement flag and an
    // advertisement base (empty keeps the current one); with reload the
    // page plays the file at once.
    void openFile(bool reload, const QString &file, int hideFlag, const QString &advertisementBase);
    // Plays the list from that row on (double-click, Return).
    void playFromRow(int row);
    // The page moved on to the clip at this offset from the start row.
    void selectFromStartRow(int offset);
    // Appends rows for the files, without checking for duplicates.
    void addFiles(const QStringList &files);
    // The page's full screen: the window covers the screen with the player
    // alone (no menu, play list or advertisement); off brings them back.
    void setPlayerFullScreen(bool on);
    // Asks whether to read how to get the missing playback plugins.
    void offerPlaybackHelp();
    void saveSettings();

    QStringList rowPaths() const;
    int startRow() const { return m_startRow; }
    bool restartRequested() const { return m_restartRequested; }
    QListWidget *playlistWidget() const;
    QWebView *playerView() const;
    QWidget *advertisementContainer() const;
    WebAdPanel *advertisementPanel() const { return m_adPanel; }
    ApWebFrameTalker *bridge() const { return m_bridge; }
    const PlayerInfo &info() const { return m_info; }

public slots:
    void resizeWindow();

private slots:
    void on_actionExit_triggered();
    void on_actionTopmost_triggered();
    void on_actionOpen_triggered();
    void on_add_toolButton_clicked();
    void on_actionHelp_triggered();
    void on_actionShowHidePlaylist_triggered();
    void on_actionReload_triggered();
    void on_actionTarvo_Home_triggered();
    void on_actionRemove_triggered();
    void on_remove_toolButton_clicked();
    void on_actionPlay_triggered();
    void on_actionRemove_Nonexist_triggered();
    void on_actionOpen_Containing_Folder_triggered();
    void on_actionOpen_URL_triggered();
    void on_playlist_listWidget_itemDoubleClicked(QListWidgetItem *item);
    void on_playlist_listWidget_customContextMenuRequested(const QPoint &pos);
    void ipcServerNewConnectionCallback();
    void readIpcCommandData();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void applyLanguage();
    void loadSettings();
    void reloadPlayer();
    QUrl playerPageUrl() const;
    void showOrHideAdvertisement();
    void addRow(const QString &path);
    int rowOf(const QString &path) const;
    int firstSelectedRow() const;
    void removeSelectedRows();
    void writePlaylistFrom(int row);
    void setStaysOnTop(bool on);
    void addFilesFromDialog();

    Ui::MainWindow *m_ui;
    PlayerInfo m_info;
    QString m_advertisementBase;
    int m_hideAdvertisement = 0;
    int m_startRow = 0;
    QSize m_savedMinimumSize;
    QSize m_savedMaximumSize;
    WebAdPanel *m_adPanel = nullptr;
    ApWebFrameTalker *m_bridge = nullptr;
    QLocalServer *m_server = nullptr;
    IpcInbox *m_inbox = nullptr;
    bool m_restartRequested = false;
    bool m_adShownBeforeFullScreen = false;
    bool m_maximisedBeforeFullScreen = false;
};

} // namespace Player
