#include "aplinkopener.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QNetworkRequest>
#include <QTimer>

Q_LOGGING_CATEGORY(lcLinks, "web.links", QtWarningMsg)

namespace ApLinkOpener {

bool isAllowed(const QUrl &url, Schemes schemes)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    if (scheme == QLatin1String("mailto"))
        return true;
    return schemes == WebMailAndFtp && scheme == QLatin1String("ftp") && !url.host().isEmpty();
}

bool open(const QUrl &url, Schemes schemes, const char *what)
{
    if (!isAllowed(url, schemes)) {
        qCWarning(lcLinks, "link dropped (%s): %s", what,
                  qUtf8Printable(url.toDisplayString(QUrl::RemoveUserInfo).left(200)));
        return false;
    }
    qCDebug(lcLinks, "link opened (%s): %s", what, qUtf8Printable(url.toDisplayString(QUrl::RemoveUserInfo)));
    QDesktopServices::openUrl(url);
    return true;
}

} // namespace ApLinkOpener

namespace {
// A window that never navigates (a script filling an empty window) is
// given up after this long.
constexpr int CatcherLifetimeMs = 30000;
} // namespace

ApNewWindowCatcher::ApNewWindowCatcher(QObject *parent, Opener open) : QWebPage(parent), m_open(std::move(open))
{
    QTimer::singleShot(CatcherLifetimeMs, this, &QObject::deleteLater);
}

bool ApNewWindowCatcher::acceptNavigationRequest(QWebFrame *, const QNetworkRequest &request, NavigationType)
{
    const QUrl url = request.url();
    if (!m_done && url.isValid() && url != QUrl(QStringLiteral("about:blank"))) {
        m_done = true;
        if (m_open)
            m_open(url);
        deleteLater();
    }
    return false;
}
