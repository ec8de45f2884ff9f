#include "apadvertisementpanels.h"

#include <QBoxLayout>
#include <QNetworkAccessManager>
#include <QWidget>

#include "apcookiejar.h"
#include "webadpanel.h"
#include "webaxwidget.h"

ApAdvertisementPanels::ApAdvertisementPanels(const QString &baseUrl, QObject *parent)
    : QObject(parent)
    , m_baseUrl(baseUrl)
{
}

QString ApAdvertisementPanels::pageName(int panel)
{
    switch (panel) {
    case SidePanel: return QStringLiteral("skyshow");
    case SecondSidePanel: return QStringLiteral("sky3show");
    case BannerPanel: return QStringLiteral("bannershow");
    case SecondBannerPanel: return QStringLiteral("banner3show");
    default: return QString();
    }
}

WebAdPanel *ApAdvertisementPanels::panel(int index) const
{
    return index >= 0 && index < PanelCount ? m_panels[index] : nullptr;
}

void ApAdvertisementPanels::setContainer(int panel, QWidget *container)
{
    if (panel < 0 || panel >= PanelCount || panel == SecondSidePanel || m_panels[panel] || !container)
        return;
    auto *adPanel = new WebAdPanel(container, pageName(panel), this);
    QPointer<QWidget> guard(container);
    adPanel->setPlacer([this, guard](WebAxWidget *view) {
        prepareView(view);
        if (!guard)
            return;
        auto *box = qobject_cast<QBoxLayout *>(guard->layout());
        if (!box) {
            box = new QVBoxLayout(guard);
            box->setContentsMargins(0, 0, 0, 0);
        }
        box->insertWidget(0, view);
    });
    m_panels[panel] = adPanel;
}

void ApAdvertisementPanels::setSecondSideLayout(QBoxLayout *layout)
{
    if (m_panels[SecondSidePanel] || !layout)
        return;
    m_secondSideLayout = layout;
    auto *adPanel = new WebAdPanel(nullptr, pageName(SecondSidePanel), this);
    adPanel->setPlacer([this](WebAxWidget *view) {
        prepareView(view);
        view->setMinimumHeight(SecondSideMinimumHeight);
        if (!m_secondSideLayout)
            return;
        m_secondSideLayout->addWidget(view);
        m_secondSideLayout->addStretch(1);
    });
    m_panels[SecondSidePanel] = adPanel;
}

void ApAdvertisementPanels::prepareView(WebAxWidget *view)
{
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QNetworkAccessManager *network = view->page()->networkAccessManager();
    network->setCookieJar(new ApCookieJar(nullptr));
    if (m_proxySet)
        network->setProxy(m_proxy);
}

void ApAdvertisementPanels::showPanel(int panel)
{
    if (WebAdPanel *adPanel = this->panel(panel))
        adPanel->show(m_baseUrl);
}

void ApAdvertisementPanels::setSearchProxy(const QNetworkProxy &proxy)
{
    m_proxy = proxy;
    m_proxySet = true;
    for (WebAdPanel *adPanel : m_panels)
        if (adPanel && adPanel->host())
            adPanel->host()->page()->networkAccessManager()->setProxy(proxy);
}
