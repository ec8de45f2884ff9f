#pragma once

#include <QUrl>
#include <QWebPage>

#include <functional>

// The one way a web page shown by a program of the suite reaches the
// desktop's URL opener. Only web pages and mail go out (and ftp where the
// download manager's own page asks for it); anything else (local files,
// programs registered for their own schemes) is dropped with a log line.
namespace ApLinkOpener {

enum Schemes {
    WebAndMail,        // http, https, mailto
    WebMailAndFtp,     // the same plus ftp
};

bool isAllowed(const QUrl &url, Schemes schemes);

// Hands url to the desktop when its scheme is allowed; true when it did.
// what names the request in the log line of a dropped link.
bool open(const QUrl &url, Schemes schemes, const char *what);

} // namespace ApLinkOpener

// Stands in for a window a page asked for: it takes the window's first
// navigation, hands its address to `open` and goes away. A page never gets a
// window of the program.
class ApNewWindowCatcher final : public QWebPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ApNewWindowCatcher)

public:
    using Opener = std::function<void(const QUrl &)>;
    ApNewWindowCatcher(QObject *parent, Opener open);

protected:
    bool acceptNavigationRequest(QWebFrame *frame, const QNetworkRequest &request, NavigationType type) override;

private:
    Opener m_open;
    bool m_done = false;
};
