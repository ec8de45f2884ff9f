#include "webadpanel.h"

#include <QBoxLayout>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QWebFrame>
#include <QWidget>

#include "webaxwidget.h"
#include "webuihandler.h"

WebAdPanel::WebAdPanel(QWidget *container, const QString &pageName, QObject *parent)
    : QObject(parent), m_container(container), m_pageName(pageName)
{
}

bool WebAdPanel::create()
{
    m_host = new WebAxWidget(m_container);
    m_host->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_host->page()->networkAccessManager(), &QNetworkAccessManager::finished, this,
            &WebAdPanel::replyFinished);
    connect(m_host.data(), &QWebView::loadFinished, this, &WebAdPanel::loadFinished);

    if (m_placer) {
        m_placer(m_host);
    } else if (auto *box = m_container ? qobject_cast<QBoxLayout *>(m_container->layout()) : nullptr) {
        box->insertWidget(0, m_host);
    } else if (m_container) {
        auto *layout = new QVBoxLayout(m_container);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_host);
    } else {
        delete m_host;
        return false;
    }
    m_created = true;
    return true;
}

void WebAdPanel::show(const QString &base)
{
    if (m_failed)
        return;
    if (!m_created && !create()) {
        markFailed();
        return;
    }

    const QString page = m_pageName + QString::number(m_counter) + QStringLiteral(".html");
    m_counter = (m_counter + 1) % PageCount;
    m_currentUrl = QUrl(base + page);
    ++m_pendingLoads;
    m_host->load(m_currentUrl);

    if (m_container)
        m_container->show();
    else
        m_host->show();
}

// The page's own document decides: an unreachable server or an HTTP error
// status fails the panel; a load cancelled by the next page does not.
void WebAdPanel::replyFinished(QNetworkReply *reply)
{
    if (m_failed || !m_host || reply->url() != m_currentUrl
        || reply->request().originatingObject() != m_host->page()->mainFrame())
        return;
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= 400)
        markFailed();
}

void WebAdPanel::loadFinished(bool ok)
{
    if (m_pendingLoads > 0)
        --m_pendingLoads;
    if (ok)
        m_pendingLoads = 0;
    else if (m_pendingLoads == 0)
        markFailed();
}

void WebAdPanel::markFailed()
{
    if (m_failed)
        return;
    m_failed = true;
    if (m_host) {
        m_host->stop();
        m_host->hide();
    }
    if (m_container)
        m_container->hide();
    emit failed();
}
