// The download manager's four advertisement places on real web views, with
// pages served by a real nginx: where each view goes, the rotation through
// ten pages, a failing page hiding its place for good, and the views' own
// cookie jars and search proxy.
#include <QApplication>
#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QNetworkProxy>
#include <QWebElement>
#include <QWebFrame>
#include <QtTest>

#include "apadvertisementpanels.h"
#include "apcookiejar.h"
#include "nginxfixture.h"
#include "testsupport.h"
#include "webadpanel.h"
#include "webaxwidget.h"

class TestAdvertisementPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placesRotateAndSitWhereTheyBelong_data();
    void placesRotateAndSitWhereTheyBelong();
    void failedPlaceStaysHidden();
    void placeWithoutContainerIsNeverShown();

private:
    QString base() const { return m_nginx.url(QStringLiteral("/ads/")); }

    QTemporaryDir m_root;
    NginxFixture m_nginx;
};

void TestAdvertisementPanels::initTestCase()
{
    QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("ads"))));
    for (const char *name : {"skyshow", "sky3show", "bannershow", "banner3show"}) {
        for (int n = 0; n < WebAdPanel::PageCount; ++n) {
            QFile page(m_root.filePath(QStringLiteral("ads/%1%2.html").arg(QLatin1String(name)).arg(n)));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write(QStringLiteral("<html><body><p id='n'>%1 %2</p></body></html>")
                           .arg(QLatin1String(name))
                           .arg(n)
                           .toUtf8());
        }
    }
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("types { text/html html; }")),
             qPrintable(m_nginx.errorString()));
}

void TestAdvertisementPanels::placesRotateAndSitWhereTheyBelong_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("pageName");
    QTest::newRow("side") << 0 << "skyshow";
    QTest::newRow("second side") << 1 << "sky3show";
    QTest::newRow("banner") << 2 << "bannershow";
    QTest::newRow("second banner") << 3 << "banner3show";
}

void TestAdvertisementPanels::placesRotateAndSitWhereTheyBelong()
{
    QFETCH(int, panel);
    QFETCH(QString, pageName);

    // The window: a container with something already in its layout, and
    // the box layout that takes the second side place.
    QWidget window;
    auto *windowLayout = new QVBoxLayout(&window);
    auto *container = new QWidget(&window);
    auto *containerLayout = new QVBoxLayout(container);
    containerLayout->addWidget(new QWidget(container));
    container->hide();
    windowLayout->addWidget(container);
    auto *secondSideLayout = new QVBoxLayout;
    windowLayout->addLayout(secondSideLayout);
    window.resize(400, 900);
    window.show();

    ApAdvertisementPanels panels(base());
    if (panel == ApAdvertisementPanels::SecondSidePanel)
        panels.setSecondSideLayout(secondSideLayout);
    else
        panels.setContainer(panel, container);
    QCOMPARE(ApAdvertisementPanels::pageName(panel), pageName);
    const QNetworkProxy proxy(QNetworkProxy::NoProxy);
    panels.setSearchProxy(proxy);

    WebAdPanel *adPanel = panels.panel(panel);
    QVERIFY(adPanel);
    for (int show = 0; show < 11; ++show) {
        panels.showPanel(panel);
        QCOMPARE(adPanel->currentUrl(), QUrl(base() + pageName + QString::number(show % 10) + QStringLiteral(".html")));
        QTRY_COMPARE_WITH_TIMEOUT(
            adPanel->host()->page()->mainFrame()->findFirstElement(QStringLiteral("#n")).toPlainText(),
            pageName + QLatin1Char(' ') + QString::number(show % 10), 15000);
    }
    QVERIFY(!adPanel->isFailed());
    WebAxWidget *view = adPanel->host();
    QVERIFY(qobject_cast<ApCookieJar *>(view->page()->networkAccessManager()->cookieJar()));
    QCOMPARE(view->page()->networkAccessManager()->proxy().type(), QNetworkProxy::NoProxy);
    QVERIFY(view->isVisible());
    if (panel == ApAdvertisementPanels::SecondSidePanel) {
        QCOMPARE(secondSideLayout->indexOf(view), 0);
        QCOMPARE(view->minimumHeight(), ApAdvertisementPanels::SecondSideMinimumHeight);
        QVERIFY(secondSideLayout->itemAt(1)->spacerItem());
        QVERIFY(secondSideLayout->itemAt(1)->expandingDirections() & Qt::Vertical);
    } else {
        QVERIFY(container->isVisible());
        QCOMPARE(containerLayout->indexOf(view), 0);
        QCOMPARE(view->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(view->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    }

    // Right-click brings no menu.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), view->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(view, &event);
    QTest::qWait(100);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestAdvertisementPanels::failedPlaceStaysHidden()
{
    QWidget container;
    new QVBoxLayout(&container);
    container.show();
    const QString down = QStringLiteral("http://127.0.0.1:%1/ads/").arg(TestSupport::freeLocalPort());
    ApAdvertisementPanels panels(down);
    panels.setContainer(ApAdvertisementPanels::SidePanel, &container);
    panels.showPanel(ApAdvertisementPanels::SidePanel);
    WebAdPanel *adPanel = panels.panel(ApAdvertisementPanels::SidePanel);
    QTRY_VERIFY_WITH_TIMEOUT(adPanel->isFailed(), 20000);
    QVERIFY(!container.isVisible());
    const QUrl last = adPanel->currentUrl();
    for (int i = 0; i < 3; ++i)
        panels.showPanel(ApAdvertisementPanels::SidePanel);
    QCOMPARE(adPanel->currentUrl(), last);
    QVERIFY(!container.isVisible());
}

void TestAdvertisementPanels::placeWithoutContainerIsNeverShown()
{
    ApAdvertisementPanels panels(base());
    for (int panel = 0; panel < ApAdvertisementPanels::PanelCount; ++panel) {
        panels.showPanel(panel);
        QVERIFY(!panels.panel(panel));
    }
    panels.showPanel(7);
    panels.setContainer(ApAdvertisementPanels::SecondSidePanel, nullptr);
    QVERIFY(!panels.panel(ApAdvertisementPanels::SecondSidePanel));
}

QTEST_MAIN(TestAdvertisementPanels)
#include "tst_advertisementpanels.moc"
