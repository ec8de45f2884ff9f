#pragma once

#include <QMainWindow>

#include <memory>

class ApPluginUpdater;

namespace Updater {

// The updater's window: never shown. It runs the check and reports the
// outcome through the notification segment, then closes.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QString &segmentKey, QWidget *parent = nullptr);
    ~MainWindow() override;

    ApPluginUpdater *updater() const { return m_updater; }
    void startCheck(const QString &productName, const QString &manifestUrl, int releaseNumber);

public slots:
    void pluginUpdateCancelledCallback();
    void noPluginUpdateCallback();
    void hasPluginUpdateCallback();
    void errorMessageSignalCallback(QString &message);

signals:
    // After the status was reported (or could not be), before closing.
    void reported(int status);

private:
    Q_DISABLE_COPY(MainWindow)
    void report(int status);

    ApPluginUpdater *m_updater;
    QString m_segmentKey;
    bool m_reported = false;
};

} // namespace Updater
