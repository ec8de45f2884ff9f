#pragma once

#include <QWebView>

class WebUIHandler;

// Host of a small web panel (advertisement or information page): a web
// view without context menu, scroll bars or border that takes every key,
// showing its page through a WebUIHandler.
class WebAxWidget final : public QWebView
{
    Q_OBJECT
    Q_DISABLE_COPY(WebAxWidget)

public:
    explicit WebAxWidget(QWidget *parent = nullptr);

    WebUIHandler *handler() const { return m_handler; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    WebUIHandler *m_handler;
};
