#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWebPage>

#include "aplinkopener.h"

// The page behind a view that shows the suite's own pages: the search page
// package (qrc:), pages of the product site (the home address's scheme, host
// and port) and, for the player, its page file. Only such a page gets the
// program's script bridge. A page's own navigation of the main frame to any
// other address goes to the desktop's browser instead of loading in the
// view, and every window a page opens goes there too, through the link
// opener's scheme filter. Inner frames load as they are; they never get
// the bridge.
class ApFirstPartyPage final : public QWebPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ApFirstPartyPage)

public:
    ApFirstPartyPage(const QString &homeUrl, ApLinkOpener::Schemes schemes, QObject *parent = nullptr);

    // A document (compared without query and fragment) that counts as the
    // program's own, such as the player page file.
    void addTrustedDocument(const QUrl &url) { m_documents.append(url); }
    bool isFirstParty(const QUrl &url) const { return isFirstParty(url, m_homeUrl, m_documents); }
    // A quiet page raises no script dialogs: alert shows nothing, confirm
    // and prompt answer as cancelled. The companion programs' pages are.
    void setQuiet(bool quiet) { m_quiet = quiet; }

    // The rule on its own, for bridges on any page: qrc:, the home address's
    // origin, or one of documents.
    static bool isFirstParty(const QUrl &url, const QString &homeUrl, const QList<QUrl> &documents = {});

protected:
    bool acceptNavigationRequest(QWebFrame *frame, const QNetworkRequest &request, NavigationType type) override;
    QWebPage *createWindow(WebWindowType type) override;
    void javaScriptAlert(QWebFrame *frame, const QString &message) override;
    bool javaScriptConfirm(QWebFrame *frame, const QString &message) override;
    bool javaScriptPrompt(QWebFrame *frame, const QString &message, const QString &defaultValue,
                          QString *result) override;

private:
    QString m_homeUrl;
    ApLinkOpener::Schemes m_schemes;
    QList<QUrl> m_documents;
    bool m_quiet = false;
};
