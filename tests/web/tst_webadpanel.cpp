// Web panels on real QtWebKit views, with pages served by a real nginx.

#include <QtTest>
#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWebElement>
#include <QWebFrame>
#include <QWidget>

#include "nginxfixture.h"
#include "testsupport.h"
#include "webadpanel.h"
#include "webaxwidget.h"
#include "webuihandler.h"

class TestWebAdPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesRotate();
    void failedPageHidesForGood_data();
    void failedPageHidesForGood();
    void noContextMenu();
    void newWindowGoesToBrowser();

private:
    QTemporaryDir m_root;
    NginxFixture m_nginx;
};

void TestWebAdPanel::initTestCase()
{
    QVERIFY(m_root.isValid());
    for (int n = 0; n < WebAdPanel::PageCount; ++n) {
        QFile page(m_root.filePath(QStringLiteral("ads/rectsmallshow%1.html").arg(n)));
        QDir().mkpath(m_root.filePath(QStringLiteral("ads")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(QStringLiteral("<html><body style='height:2000px'><p id='n'>%1</p>"
                                  "<a id='out' target='_blank' href='http://127.0.0.1:9/elsewhere'>x</a><br>"
                                  "<a id='bad' target='_blank' href='zantorpoc://ad'>y</a><br>"
                                  "<button id='pop' onclick=\"window.open('file:///etc/passwd');"
                                  "window.open('http://127.0.0.1:9/clicked')\">z</button>"
                                  "</body></html>")
                       .arg(n)
                       .toUtf8());
    }
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("types { text/html html; }")), qPrintable(m_nginx.errorString()));
}

// Pages 0..9 in turn, then 0 again on the eleventh show.
void TestWebAdPanel::pagesRotate()
{
    QWidget container;
    new QHBoxLayout(&container);
    container.resize(300, 80);
    WebAdPanel panel(&container, QStringLiteral("rectsmallshow"));
    QVERIFY(!panel.isCreated());

    const QString base = m_nginx.url(QStringLiteral("/ads/"));
    for (int show = 0; show < 11; ++show) {
        panel.show(base);
        QVERIFY(panel.isCreated());
        QCOMPARE(panel.currentUrl(), QUrl(base + QStringLiteral("rectsmallshow%1.html").arg(show % 10)));
        QTRY_COMPARE_WITH_TIMEOUT(panel.host()->page()->mainFrame()->findFirstElement(QStringLiteral("#n")).toPlainText(),
                                  QString::number(show % 10), 15000);
    }
    QVERIFY(!panel.isFailed());
    QVERIFY(container.isVisible());
    // The host sits at the front of the container's layout, without scroll bars.
    QCOMPARE(container.layout()->indexOf(panel.host()), 0);
    QCOMPARE(panel.host()->objectName(), QStringLiteral("ViewBrowser"));
    QCOMPARE(panel.host()->page()->mainFrame()->scrollBarPolicy(Qt::Vertical), Qt::ScrollBarAlwaysOff);
    QCOMPARE(panel.host()->page()->mainFrame()->scrollBarPolicy(Qt::Horizontal), Qt::ScrollBarAlwaysOff);
}

void TestWebAdPanel::failedPageHidesForGood_data()
{
    QTest::addColumn<bool>("serverDown");
    QTest::newRow("no server") << true;
    QTest::newRow("HTTP 404") << false;
}

void TestWebAdPanel::failedPageHidesForGood()
{
    QFETCH(bool, serverDown);

    QWidget container;
    new QVBoxLayout(&container);
    container.show();
    WebAdPanel panel(&container, serverDown ? QStringLiteral("rectsmallshow") : QStringLiteral("nosuchshow"));
    QSignalSpy failed(&panel, &WebAdPanel::failed);

    const QString base = serverDown ? QStringLiteral("http://127.0.0.1:%1/ads/").arg(TestSupport::freeLocalPort())
                                    : m_nginx.url(QStringLiteral("/ads/"));
    panel.show(base);
    QTRY_VERIFY_WITH_TIMEOUT(panel.isFailed(), 20000);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!container.isVisible());

    // Later shows do nothing: no new page, the container stays hidden.
    const QUrl last = panel.currentUrl();
    const int counter = panel.counter();
    panel.show(m_nginx.url(QStringLiteral("/ads/")));
    QTest::qWait(300);
    QCOMPARE(panel.currentUrl(), last);
    QCOMPARE(panel.counter(), counter);
    QVERIFY(!container.isVisible());
    QCOMPARE(failed.count(), 1);
}

void TestWebAdPanel::noContextMenu()
{
    WebAxWidget host;
    host.resize(200, 100);
    host.setHtml(QStringLiteral("<html><body><p>text</p></body></html>"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), host.mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(&host, &event);
    QTest::mouseClick(&host, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
    QTest::qWait(200);
    QVERIFY(!QApplication::activePopupWidget());
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *widget : topLevels)
        QVERIFY2(!qobject_cast<QMenu *>(widget) || !widget->isVisible(), "a menu is shown");
    QCOMPARE(host.contextMenuPolicy(), Qt::PreventContextMenu);
}

// A link or script asking for a new window while the user clicks hands the
// address to the desktop's browser, web and mail links only; a script
// opening windows by itself gets none. The panel itself stays on its page
// and never raises a script dialog.
void TestWebAdPanel::newWindowGoesToBrowser()
{
    QWidget container;
    new QHBoxLayout(&container);
    container.resize(300, 200);
    WebAdPanel panel(&container, QStringLiteral("rectsmallshow"));
    panel.show(m_nginx.url(QStringLiteral("/ads/")));
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QList<QUrl> opened;
    panel.host()->handler()->setUrlOpener([&opened](const QUrl &url) { opened << url; });
    QWebFrame *frame = panel.host()->page()->mainFrame();
    QTRY_COMPARE_WITH_TIMEOUT(frame->findFirstElement(QStringLiteral("#n")).toPlainText(), QStringLiteral("0"), 15000);

    // No pop-ups of its own, no dialogs: both calls return at once.
    QCOMPARE(frame->evaluateJavaScript(QStringLiteral("window.open('http://127.0.0.1:9/popup'); alert('a');"
                                                      "confirm('b') + '|' + prompt('c', 'd')"))
                 .toString(),
             QStringLiteral("false|null"));

    const auto click = [&](const char *id) {
        const QRect box = frame->findFirstElement(QString::fromLatin1(id)).geometry();
        QTest::mouseClick(panel.host(), Qt::LeftButton, Qt::NoModifier, box.center());
    };
    click("#bad");
    click("#pop");
    QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, 10000);
    QCOMPARE(opened.at(0), QUrl(QStringLiteral("http://127.0.0.1:9/clicked")));
    click("#out");
    QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 2, 10000);
    QCOMPARE(opened.at(1), QUrl(QStringLiteral("http://127.0.0.1:9/elsewhere")));
    QTest::qWait(300);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(frame->url(), panel.currentUrl());
    QVERIFY(!panel.isFailed());
}

QTEST_MAIN(TestWebAdPanel)
#include "tst_webadpanel.moc"
