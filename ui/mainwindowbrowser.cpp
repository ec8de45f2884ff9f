// Downloads handed over by web browsers: the extension's native messaging
// host passes each one over the instance socket and waits for the answer.

#include "mainwindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "browserhandover.h"
#include "browserhostmanifest.h"
#include "ipcmessage.h"

Q_LOGGING_CATEGORY(lcBrowser, "zantor.browser", QtWarningMsg)

namespace {
QString answer(bool ok, const QString &detail)
{
    return IpcMessage::build(BrowserHandOver::ReplyWord,
                             QStringList{ok ? QStringLiteral("ok") : QStringLiteral("error"), detail});
}
} // namespace

QString MainWindow::browserCommandReply(const QStringList &pieces)
{
    if (!AppSettings::browserIntegrationFlag())
        return answer(false, QStringLiteral("disabled"));
    // The extension learns which file endings to take over from the same
    // list the clipboard monitor uses.
    if (pieces.first() == BrowserHandOver::StatusCommand) {
        qCDebug(lcBrowser) << "status asked by the browser";
        return answer(true, AppSettings::monitorClipboardFileTypes());
    }

    BrowserHandOver::Download download;
    if (pieces.size() < 2 || !BrowserHandOver::decodeArgument(pieces.at(1), &download))
        return answer(false, QStringLiteral("bad-message"));
    const QString url = download.taskUrl();
    const ApNewTaskDialog::HandOver handOver{download.referrer, download.fileName, download.cookies,
                                             download.cookieOrigin(), download.userAgent};
    qCDebug(lcBrowser).noquote() << "download from the browser:" << url;

    m_requestedLinks.append(url);
    if (AppSettings::browserAddWithoutAskingFlag()) {
        if (m_newTaskDialog->addHandOverWithoutShowing(url, handOver) != ApNewTaskDialog::TaskWritten
            || !addNewTask(m_newTaskDialog->taskKey()))
            return answer(false, QStringLiteral("not-added"));
        emit browserDownloadTaken(url, QStringLiteral("added"));
        return answer(true, QStringLiteral("added"));
    }
    // The user fills in one task at a time: the next one waits its turn.
    if (m_newTaskDialog->isVisible()) {
        m_browserQueue.append({url, handOver});
        emit browserDownloadTaken(url, QStringLiteral("queued"));
        return answer(true, QStringLiteral("queued"));
    }
    if (!showBrowserDownload(url, handOver))
        return answer(false, QStringLiteral("not-added"));
    emit browserDownloadTaken(url, QStringLiteral("dialog"));
    return answer(true, QStringLiteral("dialog"));
}

bool MainWindow::showBrowserDownload(const QString &url, const ApNewTaskDialog::HandOver &handOver)
{
    if (!m_newTaskDialog->showForHandOver(url, handOver))
        return false;
    m_modalDialogOpen = true;
    m_awaitingNewTask = true;
    // The browser has the focus; the dialog comes to the front over it.
    m_newTaskDialog->raise();
    m_newTaskDialog->activateWindow();
    return true;
}

void MainWindow::showNextBrowserDownload()
{
    while (!m_browserQueue.isEmpty() && !m_newTaskDialog->isVisible()) {
        const auto next = m_browserQueue.takeFirst();
        if (showBrowserDownload(next.first, next.second))
            return;
    }
}

void MainWindow::refreshBrowserHostManifests()
{
    const QString hostPath
        = QCoreApplication::applicationDirPath() + QLatin1Char('/') + BrowserHostManifest::HostProgramName;
    if (AppSettings::browserIntegrationFlag() && QFileInfo(hostPath).isExecutable())
        BrowserHostManifest::writeUserManifests(hostPath);
    else
        BrowserHostManifest::removeUserManifests();
}
