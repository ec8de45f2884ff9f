#pragma once

#include <QUrl>
#include <QWebPage>

#include <functional>

// The page behind every panel host: no scroll bars, and a link or script
// that asks for a new window goes to the desktop's browser instead of a
// window of the program.
class WebUIHandler final : public QWebPage
{
    Q_OBJECT
    Q_DISABLE_COPY(WebUIHandler)

public:
    using UrlOpener = std::function<void(const QUrl &)>;

    explicit WebUIHandler(QObject *parent = nullptr);

    // Where new-window links go; the desktop's default handler unless set.
    void setUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }
    void openOutside(const QUrl &url);

signals:
    void newWindowRequested(const QUrl &url);

protected:
    QWebPage *createWindow(WebWindowType type) override;

private:
    UrlOpener m_opener;
};
