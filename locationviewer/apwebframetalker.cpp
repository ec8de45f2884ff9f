#include "apwebframetalker.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWebFrame>
#include <QWebPage>

namespace LocationViewer {

ApWebFrameTalker::ApWebFrameTalker(QObject *parent, QWebFrame *frame) : QObject(parent), m_frame(frame)
{
    frame->page()->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    connect(frame, &QWebFrame::javaScriptWindowObjectCleared, this,
            &ApWebFrameTalker::registerJavaScriptWindowObject);
    translateTable();
}

void ApWebFrameTalker::translateTable()
{
    m_texts.clear();
    m_texts.insert(QStringLiteral("Unable to connect to server"), tr("Unable to connect to server"));
}

void ApWebFrameTalker::registerJavaScriptWindowObject()
{
    if (m_frame)
        m_frame->addToJavaScriptWindowObject(QStringLiteral("webFrameTalker"), this);
}

void ApWebFrameTalker::openInBrowser(const QString &link)
{
    QDesktopServices::openUrl(QUrl(link));
}

QString ApWebFrameTalker::universeMethod(const QString &methodName, const QString &params)
{
    if (methodName != QLatin1String("translate"))
        return QString();
    return m_texts.value(params);
}

} // namespace LocationViewer
