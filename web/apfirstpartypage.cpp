#include "apfirstpartypage.h"

#include <QNetworkRequest>
#include <QWebFrame>

namespace {

int effectivePort(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.port(scheme == QLatin1String("https") ? 443 : scheme == QLatin1String("http") ? 80 : -1);
}

QUrl documentOf(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::NormalizePathSegments);
}

} // namespace

ApFirstPartyPage::ApFirstPartyPage(const QString &homeUrl, ApLinkOpener::Schemes schemes, QObject *parent)
    : QWebPage(parent), m_homeUrl(homeUrl), m_schemes(schemes)
{
}

bool ApFirstPartyPage::isFirstParty(const QUrl &url, const QString &homeUrl, const QList<QUrl> &documents)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("qrc"))
        return true;
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        const QUrl home(homeUrl);
        if (home.isValid() && !home.host().isEmpty() && home.scheme().toLower() == scheme
            && home.host().compare(url.host(), Qt::CaseInsensitive) == 0 && effectivePort(home) == effectivePort(url))
            return true;
    }
    const QUrl document = documentOf(url);
    for (const QUrl &trusted : documents) {
        if (documentOf(trusted) == document)
            return true;
    }
    return false;
}

bool ApFirstPartyPage::acceptNavigationRequest(QWebFrame *frame, const QNetworkRequest &request,
                                               NavigationType type)
{
    // New windows are created and caught below; inner frames may show
    // other sites, without the bridge.
    if (frame != mainFrame())
        return QWebPage::acceptNavigationRequest(frame, request, type);
    const QUrl url = request.url();
    if (url.scheme().compare(QLatin1String("about"), Qt::CaseInsensitive) == 0 || isFirstParty(url))
        return QWebPage::acceptNavigationRequest(frame, request, type);
    // Plain links keep the view's own policy (delegated links lead nowhere).
    if (type == NavigationTypeLinkClicked && linkDelegationPolicy() != DontDelegateLinks)
        return QWebPage::acceptNavigationRequest(frame, request, type);
    ApLinkOpener::open(url, m_schemes, "navigation to another site");
    return false;
}

QWebPage *ApFirstPartyPage::createWindow(WebWindowType)
{
    const ApLinkOpener::Schemes schemes = m_schemes;
    return new ApNewWindowCatcher(this, [schemes](const QUrl &url) { ApLinkOpener::open(url, schemes, "new window"); });
}

void ApFirstPartyPage::javaScriptAlert(QWebFrame *frame, const QString &message)
{
    if (!m_quiet)
        QWebPage::javaScriptAlert(frame, message);
}

bool ApFirstPartyPage::javaScriptConfirm(QWebFrame *frame, const QString &message)
{
    return !m_quiet && QWebPage::javaScriptConfirm(frame, message);
}

bool ApFirstPartyPage::javaScriptPrompt(QWebFrame *frame, const QString &message, const QString &defaultValue,
                                        QString *result)
{
    return !m_quiet && QWebPage::javaScriptPrompt(frame, message, defaultValue, result);
}
