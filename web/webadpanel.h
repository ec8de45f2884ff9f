#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkReply;
class QWidget;
#include "webaxwidget.h"

// One rotating web panel of a window: pages "<name><n>.html" under a base
// address, n running 0..9 and round again. The host is made on the first
// show. A page that fails to load (no connection, an HTTP error) marks the
// panel failed: its container is hidden and the panel stays off for the rest
// of the run, so no error page is ever shown.
class WebAdPanel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(WebAdPanel)

public:
    static constexpr int PageCount = 10;
    // Puts a newly made host into the window.
    using Placer = std::function<void(WebAxWidget *host)>;

    // container: the widget that holds the panel and is shown or hidden with
    // it; the host goes to the front of its box layout, expanding both ways.
    // Without a container, give a placer; the host itself is then shown and
    // hidden.
    WebAdPanel(QWidget *container, const QString &pageName, QObject *parent = nullptr);
    void setPlacer(Placer placer) { m_placer = std::move(placer); }

    // Navigates to the next page under base (a URL ending in "/").
    void show(const QString &base);

    bool isCreated() const { return m_created; }
    bool isFailed() const { return m_failed; }
    int counter() const { return m_counter; }
    QUrl currentUrl() const { return m_currentUrl; }
    WebAxWidget *host() const { return m_host; }

signals:
    void failed();

private:
    bool create();
    void markFailed();
    void replyFinished(QNetworkReply *reply);
    void loadFinished(bool ok);

    QPointer<QWidget> m_container;
    QString m_pageName;
    Placer m_placer;
    QPointer<WebAxWidget> m_host;
    QUrl m_currentUrl;
    int m_counter = 0;
    int m_pendingLoads = 0;
    bool m_created = false;
    bool m_failed = false;
};
