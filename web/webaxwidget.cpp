#include "webaxwidget.h"

#include <QContextMenuEvent>

#include "webuihandler.h"

WebAxWidget::WebAxWidget(QWidget *parent) : QWebView(parent), m_handler(new WebUIHandler(this))
{
    setObjectName(QStringLiteral("ViewBrowser"));
    setFocusPolicy(Qt::StrongFocus);
    // The page still sees the right button; only the menu is gone.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setPage(m_handler);
}

void WebAxWidget::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}
