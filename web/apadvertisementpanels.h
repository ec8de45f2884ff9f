#pragma once

#include <QNetworkProxy>
#include <QObject>
#include <QPointer>
#include <QString>

class QBoxLayout;
class QWidget;
class WebAdPanel;
class WebAxWidget;

// The download manager's four advertisement places: the side panel and the
// second side panel beside the search page, and the two banners of the task
// information panel. Each rotates through its ten pages under the
// advertisement base address; one whose page fails to load stays hidden for
// the rest of the run. Every panel view gets its own cookie jar and the
// search proxy.
class ApAdvertisementPanels final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApAdvertisementPanels)

public:
    enum Panel { SidePanel = 0, SecondSidePanel = 1, BannerPanel = 2, SecondBannerPanel = 3 };
    static constexpr int PanelCount = 4;
    // Height the second side panel keeps in its layout.
    static constexpr int SecondSideMinimumHeight = 600;

    ApAdvertisementPanels(const QString &baseUrl, QObject *parent = nullptr);

    // The widget that holds panel 0, 2 or 3; the view goes to the front of
    // its box layout. A panel without a container is never shown.
    void setContainer(int panel, QWidget *container);
    // The layout that takes the second side panel's view, followed by a
    // stretch.
    void setSecondSideLayout(QBoxLayout *layout);

    static QString pageName(int panel);
    QString baseUrl() const { return m_baseUrl; }
    // Null until a container or layout was given.
    WebAdPanel *panel(int index) const;

public slots:
    void showPanel(int panel);
    // Applied to every panel view, now and when one is made later.
    void setSearchProxy(const QNetworkProxy &proxy);

private:
    void prepareView(WebAxWidget *view);

    QString m_baseUrl;
    WebAdPanel *m_panels[PanelCount] = {nullptr, nullptr, nullptr, nullptr};
    QPointer<QBoxLayout> m_secondSideLayout;
    QNetworkProxy m_proxy{QNetworkProxy::DefaultProxy};
    bool m_proxySet = false;
};
