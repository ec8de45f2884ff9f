#include "webuihandler.h"

#include <QDesktopServices>
#include <QWebFrame>

namespace {

// Stands in for the window a page asked for: it takes the first navigation,
// hands its address to the desktop's browser and goes away.
class NewWindowCatcher final : public QWebPage
{
public:
    explicit NewWindowCatcher(WebUIHandler *owner) : QWebPage(owner), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(QWebFrame *, const QNetworkRequest &request, NavigationType) override
    {
        if (!m_done && request.url().isValid() && request.url() != QUrl(QStringLiteral("about:blank"))) {
            m_done = true;
            m_owner->openOutside(request.url());
            deleteLater();
        }
        return false;
    }

private:
    WebUIHandler *m_owner;
    bool m_done = false;
};

} // namespace

WebUIHandler::WebUIHandler(QObject *parent) : QWebPage(parent)
{
    mainFrame()->setScrollBarPolicy(Qt::Vertical, Qt::ScrollBarAlwaysOff);
    mainFrame()->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);
    settings()->setAttribute(QWebSettings::JavascriptCanOpenWindows, true);
}

void WebUIHandler::openOutside(const QUrl &url)
{
    emit newWindowRequested(url);
    if (m_opener)
        m_opener(url);
    else
        QDesktopServices::openUrl(url);
}

QWebPage *WebUIHandler::createWindow(WebWindowType)
{
    return new NewWindowCatcher(this);
}
