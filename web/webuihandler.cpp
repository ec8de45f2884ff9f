#include "webuihandler.h"

#include <QWebFrame>

#include "aplinkopener.h"

WebUIHandler::WebUIHandler(QObject *parent) : QWebPage(parent)
{
    mainFrame()->setScrollBarPolicy(Qt::Vertical, Qt::ScrollBarAlwaysOff);
    mainFrame()->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);
    // Without this, the engine lets a script open a window only from a
    // user's gesture: no pop-ups of their own.
    settings()->setAttribute(QWebSettings::JavascriptCanOpenWindows, false);
}

bool WebUIHandler::openOutside(const QUrl &url)
{
    if (!ApLinkOpener::isAllowed(url, ApLinkOpener::WebAndMail)) {
        // Logged there, and dropped.
        ApLinkOpener::open(url, ApLinkOpener::WebAndMail, "panel window");
        return false;
    }
    emit newWindowRequested(url);
    if (m_opener)
        m_opener(url);
    else
        ApLinkOpener::open(url, ApLinkOpener::WebAndMail, "panel window");
    return true;
}

QWebPage *WebUIHandler::createWindow(WebWindowType)
{
    return new ApNewWindowCatcher(this, [this](const QUrl &url) { openOutside(url); });
}

void WebUIHandler::javaScriptAlert(QWebFrame *, const QString &) {}

bool WebUIHandler::javaScriptConfirm(QWebFrame *, const QString &)
{
    return false;
}

bool WebUIHandler::javaScriptPrompt(QWebFrame *, const QString &, const QString &, QString *)
{
    return false;
}
