#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QResource>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QWebFrame>
#include <QWebView>

#include "apgeolocation.h"
#include "apwebframehost.h"
#include "testsupport.h"

namespace WebTest {

// Stands in for the window behind a page bridge and records what the
// bridge asks of it.
class RecordingHost final : public ApWebFrameHost
{
public:
    explicit RecordingHost(QWidget *parent = nullptr) : m_parent(parent) {}

    QWidget *messageParent() override { return m_parent; }
    bool addNewTaskFromUrl(const QString &url, const QString &fileName, int convertType) override
    {
        tasks << QStringLiteral("%1|%2|%3").arg(url, fileName).arg(convertType);
        return true;
    }
    void setToolbarSearchEnabled(bool enabled) override { searchEnabled << enabled; }
    void pageSearchFinished() override { ++searchesFinished; }
    void refreshSideAdvertisementPanel() override { ++sidePanelRefreshes; }
    const ApGeoLocation *loadedGeoLocation() const override { return geo; }

    QStringList tasks;
    QList<bool> searchEnabled;
    int searchesFinished = 0;
    int sidePanelRefreshes = 0;
    const ApGeoLocation *geo = nullptr;

private:
    QWidget *m_parent;
};

// Takes every link handed to the desktop instead of a browser.
class UrlRecorder final : public QObject
{
    Q_OBJECT

public:
    UrlRecorder()
    {
        for (const char *scheme : {"http", "https", "ftp", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlRecorder() override
    {
        for (const char *scheme : {"http", "https", "ftp", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

inline QString shippedPackage()
{
    return TestSupport::binDir() + QStringLiteral("/webpane.tvor");
}

// Runs load (which starts loading the view) and waits until the view has
// finished; true when it loaded.
template<typename Load>
bool loadAndWait(QWebView *view, Load load, int timeoutMs = 20000)
{
    bool done = false;
    bool ok = false;
    auto connection = QObject::connect(view, &QWebView::loadFinished, [&](bool result) {
        done = true;
        ok = result;
    });
    load();
    QTRY_LOOP_IMPL(done, timeoutMs, 20);
    QObject::disconnect(connection);
    return done && ok;
}

inline bool setHtmlAndWait(QWebView *view, const QString &html, const QUrl &base)
{
    return loadAndWait(view, [&] { view->setHtml(html, base); });
}

inline QVariant js(QWebView *view, const QString &script)
{
    return view->page()->mainFrame()->evaluateJavaScript(script);
}

} // namespace WebTest
