// Links handed to the window from its command line or a second start.

#include "mainwindow.h"

#include <QLoggingCategory>

#include "apnewtaskdialog.h"

Q_DECLARE_LOGGING_CATEGORY(lcIpc)

void MainWindow::takeLinkRequest(const LinkRequest &request)
{
    for (const QString &text : request.links) {
        const QString link = text.trimmed();
        if (!StartupCommandLine::isDownloadLink(link)) {
            qCDebug(lcIpc) << "ignored link" << link;
            continue;
        }
        qCDebug(lcIpc).noquote() << "link requested:" << link;
        m_requestedLinks.append(link);
        emit linkRequested(link);
        m_queuedLinks.append({link, request.saveFolder, request.addWithoutAsking});
    }
    openNextQueuedLink();
}

void MainWindow::openNextQueuedLink()
{
    while (!m_queuedLinks.isEmpty() && !m_newTaskDialog->isVisible()) {
        const QueuedLink next = m_queuedLinks.takeFirst();
        m_newTaskDialog->setOneOffSaveFolder(next.saveFolder);
        if (next.add) {
            const bool added = addNewTaskFromUrl(next.link, QString(), 0);
            qCDebug(lcIpc).noquote() << (added ? "link added:" : "link not added:") << next.link;
            continue;
        }
        qCDebug(lcIpc).noquote() << "new task dialog for:" << next.link;
        runNewTaskDialog(next.link);
    }
}
