#pragma once

#include <QDialog>

class QLocalServer;
class IpcInbox;
class QWebView;
class QStackedWidget;
class QProgressBar;

namespace LocationViewer {

class ApWebFrameTalker;
namespace Ui {
class Dialog;
}

// The location window: the product site's location page for a server's
// address and domain, a loading page while it comes, and a built-in offline
// page when it cannot be had.
class Dialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(Dialog)

public:
    // homeUrl: root of the product family web site. serverName: the
    // endpoint to listen on (empty: none).
    Dialog(const QString &homeUrl, const QString &serverName, QWidget *parent = nullptr);
    ~Dialog() override;

    // value: "address&domain[&...]"; fewer than two non-empty parts load
    // nothing. Returns whether a page was requested.
    bool showLocation(const QString &value);

    static QUrl locationUrl(const QString &homeUrl, const QString &value);

    QWebView *webView() const;
    QStackedWidget *stackedWidget() const;
    QProgressBar *progressBar() const;
    ApWebFrameTalker *bridge() const { return m_bridge; }
    bool isShowingOffline() const { return m_offline; }

private slots:
    void on_webView_loadFinished(bool ok);
    void on_webView_loadProgress(int progress);
    void on_webView_loadStarted();
    void ipcServerNewConnectionCallback();
    void readIpcCommandData();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Ui::Dialog *m_ui;
    QString m_homeUrl;
    ApWebFrameTalker *m_bridge = nullptr;
    QLocalServer *m_server = nullptr;
    IpcInbox *m_inbox = nullptr;
    bool m_offline = false;
};

} // namespace LocationViewer
