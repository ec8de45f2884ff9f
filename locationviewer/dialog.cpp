#include "dialog.h"
#include "ui_dialog.h"

#include <QApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QStyle>
#include <QStyleFactory>
#include <QWebFrame>

#include "apcookiejar.h"
#include "apfirstpartypage.h"
#include "applicationinfo.h"
#include "apwebframetalker.h"
#include "ipcinbox.h"
#include "ipcmessage.h"
#include "languages.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "sitepaths.h"

Q_LOGGING_CATEGORY(lcLocation, "mapglance.dialog", QtWarningMsg)

namespace LocationViewer {

namespace {
const QString GeoIpCommand = QStringLiteral("geo-ip");
const QString OfflinePage = QStringLiteral(":/web/views/offline.html");
const QString OfflineBase = QStringLiteral("qrc:/web/views/");
} // namespace

Dialog::Dialog(const QString &homeUrl, const QString &serverName, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::Dialog), m_homeUrl(homeUrl)
{
    m_ui->setupUi(this);
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Cleanlooks")))
        QApplication::setStyle(style);

    // The interface language is the main program's choice, kept in its store.
    QString language;
    {
        SettingsStore store;
        language = store->value(QStringLiteral("Language"), QStringLiteral("null")).toString();
    }
    Languages::install(QStringLiteral(":/langs"),
                       Languages::choose(language, ApplicationInfo::standardLanguageTable()));

    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    if (QStyle *plastique = QStyleFactory::create(QStringLiteral("Plastique"))) {
        plastique->setParent(m_ui->loading_progressBar);
        m_ui->loading_progressBar->setStyle(plastique);
    }

    // The location page stays on the product site; the way out is the
    // desktop's browser.
    auto *page = new ApFirstPartyPage(m_homeUrl, ApLinkOpener::WebAndMail, m_ui->webView);
    page->setQuiet(true);
    m_ui->webView->setPage(page);
    page->networkAccessManager()->setCookieJar(new ApCookieJar);
    m_bridge = new ApWebFrameTalker(this, page->mainFrame(), m_homeUrl);

    if (!serverName.isEmpty()) {
        m_server = new QLocalServer(this);
        m_inbox = new IpcInbox(this);
        connect(m_inbox, &IpcInbox::connectionClosed, this,
                [this](QLocalSocket *connection) { disconnect(connection, nullptr, this, nullptr); });
        connect(m_server, &QLocalServer::newConnection, this, &Dialog::ipcServerNewConnectionCallback);
        SingleInstance::listen(m_server, serverName);
    }
}

Dialog::~Dialog()
{
    delete m_ui;
}

QWebView *Dialog::webView() const { return m_ui->webView; }
QStackedWidget *Dialog::stackedWidget() const { return m_ui->stackedWidget; }
QProgressBar *Dialog::progressBar() const { return m_ui->loading_progressBar; }

QUrl Dialog::locationUrl(const QString &homeUrl, const QString &value)
{
    const QStringList parts = value.split(QLatin1Char('&'), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return QUrl();
    return QUrl(SitePaths::locationPageUrl(homeUrl, parts.at(0), parts.at(1)));
}

bool Dialog::showLocation(const QString &value)
{
    const QUrl url = locationUrl(m_homeUrl, value);
    if (url.isEmpty())
        return false;
    qCDebug(lcLocation, "location: %s", qUtf8Printable(url.toString()));
    m_offline = false;
    m_ui->webView->load(url);
    return true;
}

void Dialog::on_webView_loadFinished(bool ok)
{
    if (!ok) {
        QFile offline(OfflinePage);
        if (offline.open(QIODevice::ReadOnly)) {
            m_offline = true;
            m_ui->webView->setContent(offline.readAll(), QStringLiteral("text/html"), QUrl(OfflineBase));
            qCDebug(lcLocation, "offline page");
        }
    }
    m_ui->stackedWidget->setCurrentWidget(m_ui->webView_stackedPage);
    m_ui->loading_progressBar->setValue(0);
}

void Dialog::on_webView_loadProgress(int progress)
{
    m_ui->loading_progressBar->setValue(progress);
}

void Dialog::on_webView_loadStarted()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->loading_stackedPage);
}

void Dialog::ipcServerNewConnectionCallback()
{
    while (QLocalSocket *connection = m_server->nextPendingConnection()) {
        // The inbox bounds the message, the time a sender may take and the
        // connections kept at once.
        m_inbox->admit(connection);
        connect(connection, &QLocalSocket::readyRead, this, &Dialog::readIpcCommandData);
        connect(connection, &QLocalSocket::disconnected, this, [this, connection] { m_inbox->close(connection); });
        if (connection->bytesAvailable() > 0)
            QMetaObject::invokeMethod(connection, "readyRead", Qt::QueuedConnection);
    }
}

void Dialog::readIpcCommandData()
{
    auto *connection = qobject_cast<QLocalSocket *>(sender());
    if (!connection)
        return;
    QStringList pieces;
    if (m_inbox->read(connection, &pieces) != IpcInbox::Complete)
        return;
    m_inbox->close(connection);
    const QString text = pieces.join(QLatin1Char('|'));
    if (pieces.size() >= 2 && pieces.at(0) == GeoIpCommand) {
        showLocation(pieces.at(1));
        showNormal();
        activateWindow();
        raise();
    } else {
        qCDebug(lcLocation, "message dropped: %s", qUtf8Printable(text));
    }
}

void Dialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_bridge->translateTable();
    }
    QDialog::changeEvent(event);
}

// Closing the window ends the program.
void Dialog::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    QCoreApplication::exit(0);
}

} // namespace LocationViewer
