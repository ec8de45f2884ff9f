#include "apwebframetalker.h"

#include <QUrl>
#include <QWebFrame>
#include <QWebPage>

#include "apfirstpartypage.h"
#include "aplinkopener.h"

namespace LocationViewer {

ApWebFrameTalker::ApWebFrameTalker(QObject *parent, QWebFrame *frame, const QString &homeUrl)
    : QObject(parent), m_frame(frame), m_homeUrl(homeUrl)
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
    if (m_frame && ApFirstPartyPage::isFirstParty(m_frame->url(), m_homeUrl))
        m_frame->addToJavaScriptWindowObject(QStringLiteral("webFrameTalker"), this);
}

void ApWebFrameTalker::openInBrowser(const QString &link)
{
    ApLinkOpener::open(QUrl(link.trimmed(), QUrl::TolerantMode), ApLinkOpener::WebAndMail, "openInBrowser");
}

QString ApWebFrameTalker::universeMethod(const QString &methodName, const QString &params)
{
    if (methodName != QLatin1String("translate"))
        return QString();
    return m_texts.value(params);
}

} // namespace LocationViewer
