#include "updatermainwindow.h"

#include <QApplication>
#include <QStyleFactory>

#include "appluginupdater.h"
#include "apupdatehttp.h"
#include "updatecheck.h"

namespace Updater {

MainWindow::MainWindow(const QString &segmentKey, QWidget *parent)
    : QMainWindow(parent)
    , m_updater(new ApPluginUpdater(this))
    , m_segmentKey(segmentKey)
{
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Cleanlooks")))
        QApplication::setStyle(style);
    else if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);

    connect(m_updater, &ApPluginUpdater::pluginUpdateCancelled, this, &MainWindow::pluginUpdateCancelledCallback);
    connect(m_updater, &ApPluginUpdater::noPluginUpdate, this, &MainWindow::noPluginUpdateCallback);
    connect(m_updater, &ApPluginUpdater::hasPluginUpdate, this, &MainWindow::hasPluginUpdateCallback);
    connect(m_updater->http(), &ApUpdateHttp::errorMessageSignal, this, &MainWindow::errorMessageSignalCallback);
}

MainWindow::~MainWindow() = default;

void MainWindow::startCheck(const QString &productName, const QString &manifestUrl, int releaseNumber)
{
    m_updater->start(productName, manifestUrl, releaseNumber);
}

void MainWindow::pluginUpdateCancelledCallback() { report(UpdateNotify::UpdateCancelled); }
void MainWindow::noPluginUpdateCallback() { report(UpdateNotify::NoUpdate); }
void MainWindow::hasPluginUpdateCallback() { report(UpdateNotify::UpdateAccepted); }
void MainWindow::errorMessageSignalCallback(QString &) { report(UpdateNotify::UpdateFailed); }

void MainWindow::report(int status)
{
    // One outcome per run, even if the transport reports twice.
    if (m_reported)
        return;
    m_reported = true;
    UpdateNotify::writeStatus(m_segmentKey, status);
    emit reported(status);
    // The window was never shown, so closing it does not end the event
    // loop by itself.
    if (!close())
        ::exit(0);
    QCoreApplication::quit();
}

} // namespace Updater
