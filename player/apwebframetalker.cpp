#include "apwebframetalker.h"

#include <QFile>
#include <QTimer>
#include <QWebFrame>
#include <QWebPage>

#include "apfirstpartypage.h"
#include "mainwindow.h"

namespace Player {

ApWebFrameTalker::ApWebFrameTalker(QObject *parent, QWebFrame *frame, MainWindow *window, const QString &homeUrl,
                                   const QUrl &playerPage)
    : QObject(parent), m_frame(frame), m_window(window), m_homeUrl(homeUrl), m_playerPage(playerPage)
{
    frame->page()->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    connect(frame, &QWebFrame::javaScriptWindowObjectCleared, this,
            &ApWebFrameTalker::registerJavaScriptWindowObject);
}

void ApWebFrameTalker::registerJavaScriptWindowObject()
{
    if (m_frame && ApFirstPartyPage::isFirstParty(m_frame->url(), m_homeUrl, {m_playerPage}))
        m_frame->addToJavaScriptWindowObject(QStringLiteral("webFrameTalker"), this);
}

bool ApWebFrameTalker::pageCanPlay()
{
    QFile script(QStringLiteral(":/js/flash.js"));
    if (!m_frame || !script.open(QIODevice::ReadOnly))
        return true;
    const QString code = QString::fromUtf8(script.readAll())
        + QStringLiteral("function isFlashInstalled(){return FlashDetect.installed;} isFlashInstalled();");
    return m_frame->evaluateJavaScript(code).toBool();
}

void ApWebFrameTalker::handleFlashPlugin()
{
    if (pageCanPlay())
        return;
    // The question waits in its own event loop; ask it after the page's
    // script call has returned rather than inside it.
    QTimer::singleShot(0, m_window, &MainWindow::offerPlaybackHelp);
}

void ApWebFrameTalker::gotoNextClip(const QString &nextClipIndexOffset)
{
    m_window->selectFromStartRow(nextClipIndexOffset.toInt());
}

void ApWebFrameTalker::enterFullScreen()
{
    m_window->setPlayerFullScreen(true);
}

void ApWebFrameTalker::leaveFullScreen()
{
    m_window->setPlayerFullScreen(false);
}

} // namespace Player
