// The location window in process, loading from a real nginx: the page for
// a value, the loading page while it comes, the offline page on failure.

#include <QtTest>
#include <QProgressBar>
#include <QStackedWidget>
#include <QWebElement>
#include <QWebFrame>
#include <QWebView>

#include "apwebframetalker.h"
#include "dialog.h"
#include "nginxfixture.h"
#include "testsupport.h"

using LocationViewer::Dialog;

namespace {

QString outputFolder()
{
    const QString folder = QDir(TestSupport::binDir()).absoluteFilePath(QStringLiteral("../test-output"));
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

QString accessLog(const NginxFixture &nginx)
{
    QFile log(nginx.prefixPath() + QStringLiteral("/logs/access.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

} // namespace

class TestLocationDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void locationUrl_data();
    void locationUrl();
    void loadsFirstTwoParts();
    void slowPageShowsLoadingFirst();
    void failureShowsOfflinePage();
    void bridgeTable();

private:
    QTemporaryDir m_root;
    NginxFixture m_nginx;
};

void TestLocationDialog::initTestCase()
{
    QVERIFY(m_root.isValid());
    QDir().mkpath(m_root.filePath(QStringLiteral("tvo/pub/geo")));
    QFile page(m_root.filePath(QStringLiteral("tvo/pub/geo/tvolocation.php")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    // Large enough to arrive slowly under the rate limit below.
    page.write("<html><body><p id='where'>Location page</p><!--" + QByteArray(60000, 'x') + "--></body></html>");
    page.close();
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_root.path(), QStringLiteral("location /tvo/pub/geo/ { default_type text/html; }\n"
                                                         "location /slow/tvo/pub/geo/ { alias %1/tvo/pub/geo/; "
                                                         "default_type text/html; limit_rate 8k; }")
                                              .arg(m_root.path())),
             qPrintable(m_nginx.errorString()));
}

void TestLocationDialog::locationUrl_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("url");
    QTest::newRow("two") << "1.2.3.4&example.com" << "http://h/tvo/pub/geo/tvolocation.php?ip=1.2.3.4&domain=example.com";
    QTest::newRow("three") << "1.2.3.4&example.com&more" << "http://h/tvo/pub/geo/tvolocation.php?ip=1.2.3.4&domain=example.com";
    QTest::newRow("empty part skipped") << "&&1.2.3.4&&a.b" << "http://h/tvo/pub/geo/tvolocation.php?ip=1.2.3.4&domain=a.b";
    QTest::newRow("one") << "1.2.3.4" << "";
    QTest::newRow("one and empty") << "1.2.3.4&" << "";
    QTest::newRow("nothing") << "" << "";
}

void TestLocationDialog::locationUrl()
{
    QFETCH(QString, value);
    QFETCH(QString, url);
    QCOMPARE(Dialog::locationUrl(QStringLiteral("http://h"), value), url.isEmpty() ? QUrl() : QUrl(url));
}

void TestLocationDialog::loadsFirstTwoParts()
{
    Dialog dialog(m_nginx.url(QString()).chopped(1), QString());
    dialog.show();
    QVERIFY(dialog.showLocation(QStringLiteral("127.0.0.1&example.org&third")));
    QTRY_VERIFY_WITH_TIMEOUT(accessLog(m_nginx).contains(
                                 QStringLiteral("GET /tvo/pub/geo/tvolocation.php?ip=127.0.0.1&domain=example.org HTTP")),
                             20000);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.stackedWidget()->currentWidget()->objectName(), QStringLiteral("webView_stackedPage"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.webView()->page()->mainFrame()->findFirstElement(QStringLiteral("#where")).toPlainText(),
                              QStringLiteral("Location page"), 20000);
    QCOMPARE(dialog.progressBar()->value(), 0);
    QVERIFY(!dialog.isShowingOffline());

    // A value with one part changes nothing.
    const QUrl shown = dialog.webView()->url();
    QVERIFY(!dialog.showLocation(QStringLiteral("10.0.0.1")));
    QTest::qWait(200);
    QCOMPARE(dialog.webView()->url(), shown);
    QVERIFY(!accessLog(m_nginx).contains(QStringLiteral("10.0.0.1")));
}

void TestLocationDialog::slowPageShowsLoadingFirst()
{
    Dialog dialog(m_nginx.url(QStringLiteral("/slow")), QString());
    dialog.show();
    QVERIFY(dialog.showLocation(QStringLiteral("127.0.0.2&slow.example")));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.stackedWidget()->currentWidget()->objectName(), QStringLiteral("loading_stackedPage"), 10000);
    QVERIFY(dialog.grab().save(outputFolder() + QStringLiteral("/mapglance-loading.png")));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.stackedWidget()->currentWidget()->objectName(), QStringLiteral("webView_stackedPage"), 30000);
    QVERIFY(!dialog.isShowingOffline());
    QCOMPARE(dialog.webView()->page()->mainFrame()->findFirstElement(QStringLiteral("#where")).toPlainText(),
             QStringLiteral("Location page"));
}

void TestLocationDialog::failureShowsOfflinePage()
{
    Dialog dialog(QStringLiteral("http://127.0.0.1:%1").arg(TestSupport::freeLocalPort()), QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.showLocation(QStringLiteral("127.0.0.3&down.example")));
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isShowingOffline(), 20000);
    QWebFrame *frame = dialog.webView()->page()->mainFrame();
    QTRY_COMPARE_WITH_TIMEOUT(frame->findFirstElement(QStringLiteral("#message")).toPlainText(),
                              QStringLiteral("Unable to connect to server"), 20000);
    QCOMPARE(frame->baseUrl(), QUrl(QStringLiteral("qrc:/web/views/")));
    // The offline page reaches the bridge for its text.
    QCOMPARE(frame->evaluateJavaScript(QStringLiteral("webFrameTalker.universeMethod('translate', "
                                                      "'Unable to connect to server')")).toString(),
             QStringLiteral("Unable to connect to server"));
    QCOMPARE(dialog.stackedWidget()->currentWidget()->objectName(), QStringLiteral("webView_stackedPage"));
    // No script dialogs: each call returns at once.
    QCOMPARE(frame->evaluateJavaScript(QStringLiteral("alert('a'); confirm('b') + '|' + prompt('c', 'd')")).toString(),
             QStringLiteral("false|null"));
    QTRY_VERIFY_WITH_TIMEOUT(frame->findFirstElement(QStringLiteral("#picture")).evaluateJavaScript(
                                 QStringLiteral("this.complete && this.naturalWidth")).toInt() > 0,
                             10000);
    QVERIFY(dialog.grab().save(outputFolder() + QStringLiteral("/mapglance-offline.png")));
}

void TestLocationDialog::bridgeTable()
{
    Dialog dialog(QStringLiteral("http://127.0.0.1:9"), QString());
    LocationViewer::ApWebFrameTalker *bridge = dialog.bridge();
    QCOMPARE(bridge->universeMethod(QStringLiteral("translate"), QStringLiteral("Unable to connect to server")),
             QStringLiteral("Unable to connect to server"));
    QCOMPARE(bridge->universeMethod(QStringLiteral("translate"), QStringLiteral("Search")), QString());
    QCOMPARE(bridge->universeMethod(QStringLiteral("other"), QStringLiteral("Unable to connect to server")), QString());
    QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
}

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(zantor);
    Q_INIT_RESOURCE(locationviewer);
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestLocationDialog test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_locationdialog.moc"
