#pragma once

#include <QMainWindow>

#include <memory>

class ApplicationInfo;
class QLocalServer;
class QLocalSocket;

// The main window of the download manager.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const ApplicationInfo &applicationInfo() const { return *m_appInfo; }

    // Name under which the instance endpoint listens; empty when it could
    // not listen.
    QString ipcServerName() const;

    // The link the process was started with, opened shortly after start-up.
    void setStartupLink(const QString &link) { m_startupLink = link; }
    QString startupLink() const { return m_startupLink; }

    // Links handed to the window so far, oldest first.
    QStringList requestedLinks() const { return m_requestedLinks; }

signals:
    // A link from the command line or a second start is to be downloaded.
    void linkRequested(const QString &link);

public slots:
    void ipcServerNewConnectionCallback();
    void readIpcCommandData();
    void startupLoadLinkCallback();

    // Starts a new download from an accepted link.
    void openNewTaskDialogForLink(const QString &link);

private:
    void readSettings();
    Q_DISABLE_COPY(MainWindow)
    void startIpcServer();
    void loadLink(const QString &link);
    void closeIpcConnection(QLocalSocket *connection);

    std::unique_ptr<ApplicationInfo> m_appInfo;
    QLocalServer *m_ipcServer = nullptr;
    QLocalSocket *m_ipcConnection = nullptr;
    QString m_startupLink;
    QStringList m_requestedLinks;
};
