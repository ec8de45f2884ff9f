#pragma once

#include <QUrl>
#include <QWebPage>

#include <functional>

// The page behind every panel host: no scroll bars, no script dialogs, and
// a link or script that asks for a new window goes to the desktop's browser
// instead of a window of the program, through the link opener's scheme
// filter. Scripts may open windows only while the user acts (a click), never
// by themselves.
class WebUIHandler final : public QWebPage
{
    Q_OBJECT
    Q_DISABLE_COPY(WebUIHandler)

public:
    using UrlOpener = std::function<void(const QUrl &)>;

    explicit WebUIHandler(QObject *parent = nullptr);

    // Where allowed new-window links go; the desktop's default handler
    // unless set.
    void setUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }
    // Hands url on when its scheme is allowed; true when it did.
    bool openOutside(const QUrl &url);

signals:
    void newWindowRequested(const QUrl &url);

protected:
    QWebPage *createWindow(WebWindowType type) override;
    // Panels stay quiet: a page's alert, confirm or prompt shows nothing
    // (confirm and prompt answer as cancelled).
    void javaScriptAlert(QWebFrame *frame, const QString &message) override;
    bool javaScriptConfirm(QWebFrame *frame, const QString &message) override;
    bool javaScriptPrompt(QWebFrame *frame, const QString &message, const QString &defaultValue,
                          QString *result) override;

private:
    UrlOpener m_opener;
};
