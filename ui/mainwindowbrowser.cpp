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
    if (pieces.first() == BrowserHandOver::StatusCommand)
        return answer(true, AppSettings::monitorClipboardFileTypes());

    BrowserHandOver::Download download;
    if (pieces.size() < 2 || !BrowserHandOver::decodeArgument(pieces.at(1), &download))
        return answer(false, QStringLiteral("bad-message"));
    const QString url = download.taskUrl();
    const ApNewTaskDialog::HandOver handOver{download.referrer, download.fileName, download.cookies,
                                             download.cookieOrigin(), download.userAgent};
    qCDebug(lcBrowser).noquote() << "download from the browser:" << url;

    // The user fills in one task at a time; the browser keeps this download.
    if (m_newTaskDialog->isVisible())
        return answer(false, QStringLiteral("busy"));
    m_requestedLinks.append(url);
    if (AppSettings::browserAddWithoutAskingFlag()) {
        if (m_newTaskDialog->addHandOverWithoutShowing(url, handOver) != ApNewTaskDialog::TaskWritten
            || !addNewTask(m_newTaskDialog->taskKey()))
            return answer(false, QStringLiteral("not-added"));
        emit browserDownloadTaken(url, QStringLiteral("added"));
        return answer(true, QStringLiteral("added"));
    }
    if (!m_newTaskDialog->showForHandOver(url, handOver))
        return answer(false, QStringLiteral("not-added"));
    m_modalDialogOpen = true;
    m_awaitingNewTask = true;
    // The browser has the focus; the dialog comes to the front over it.
    m_newTaskDialog->raise();
    m_newTaskDialog->activateWindow();
    emit browserDownloadTaken(url, QStringLiteral("dialog"));
    return answer(true, QStringLiteral("dialog"));
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
