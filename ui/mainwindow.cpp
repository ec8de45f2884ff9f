#include "mainwindow.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>

#include "applicationinfo.h"
#include "appsettings.h"
#include "languages.h"
#include "startupentry.h"
#include "ipcmessage.h"
#include "singleinstance.h"
#include "startupcommandline.h"

Q_LOGGING_CATEGORY(lcIpc, "zantor.ipc", QtWarningMsg)

namespace {
// A sender that never closes its frame is not allowed to fill memory.
constexpr qint64 MaxIpcMessageBytes = 1024 * 1024;
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_appInfo(std::make_unique<ApplicationInfo>())
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(m_appInfo->displayName() + QLatin1Char(' ') + m_appInfo->versionText());
    setWindowIcon(QIcon(QStringLiteral(":/icons/mime_file.png")));
    resize(900, 560);

    readSettings();
    startIpcServer();
}

void MainWindow::readSettings()
{
    const QString language = AppSettings::ensureLanguage();
    Languages::install(Languages::languageFolder(m_appInfo->programFolder()),
                       Languages::choose(language, m_appInfo->languageTable()));

    const QRect geometry = AppSettings::mainWindowGeometry();
    if (!geometry.isNull())
        setGeometry(geometry);

    // The autostart entry follows the program wherever it was moved.
    StartupEntry::refreshAtStart(QCoreApplication::applicationFilePath());
}

MainWindow::~MainWindow() = default;

QString MainWindow::ipcServerName() const
{
    return m_ipcServer && m_ipcServer->isListening() ? m_ipcServer->serverName() : QString();
}

void MainWindow::startIpcServer()
{
    m_ipcServer = new QLocalServer(this);
    const QString name = SingleInstance::serverNameFor(QCoreApplication::applicationFilePath());
    if (!SingleInstance::listen(m_ipcServer, name))
        return;
    connect(m_ipcServer, &QLocalServer::newConnection, this, &MainWindow::ipcServerNewConnectionCallback);
}

void MainWindow::ipcServerNewConnectionCallback()
{
    while (QLocalSocket *connection = m_ipcServer->nextPendingConnection()) {
        m_ipcConnection = connection;
        connect(connection, &QLocalSocket::readyRead, this, &MainWindow::readIpcCommandData);
        // A sender that hangs up before its frame is complete leaves nothing to wait for.
        connect(connection, &QLocalSocket::disconnected, this,
                [this, connection] { closeIpcConnection(connection); });
        if (connection->bytesAvailable() > 0)
            readIpcCommandData();
    }
}

void MainWindow::readIpcCommandData()
{
    auto *connection = qobject_cast<QLocalSocket *>(sender());
    if (!connection)
        connection = m_ipcConnection;
    if (!connection)
        return;

    // Bytes stay in the socket until the frame is complete, so a message
    // that arrives in pieces is read whole.
    const QByteArray data = connection->peek(connection->bytesAvailable());
    QStringList pieces;
    if (!IpcMessage::parse(QString::fromUtf8(data), &pieces)) {
        if (data.size() > MaxIpcMessageBytes)
            closeIpcConnection(connection);
        return;
    }
    connection->readAll();
    closeIpcConnection(connection);

    if (pieces.size() < 2 || pieces.first() != QLatin1String("link-url")) {
        qCDebug(lcIpc) << "ignored message" << pieces;
        return;
    }
    loadLink(pieces.at(1));
}

void MainWindow::startupLoadLinkCallback()
{
    loadLink(m_startupLink);
}

void MainWindow::loadLink(const QString &text)
{
    const QString link = text.trimmed();
    if (!StartupCommandLine::isDownloadLink(link)) {
        qCDebug(lcIpc) << "ignored link" << link;
        return;
    }
    openNewTaskDialogForLink(link);
}

void MainWindow::openNewTaskDialogForLink(const QString &link)
{
    qCDebug(lcIpc).noquote() << "link requested:" << link;
    m_requestedLinks.append(link);
    emit linkRequested(link);
}

void MainWindow::closeIpcConnection(QLocalSocket *connection)
{
    disconnect(connection, nullptr, this, nullptr);
    connection->abort();
    connection->deleteLater();
    if (m_ipcConnection == connection)
        m_ipcConnection = nullptr;
}
