#pragma once

#include <QDialog>

class ApQuickUrlDownloader;
namespace Ui {
class ApOpenLinkGui;
}

// A small stay-on-top dialog that downloads one link into a chosen folder
// in a single stream, with a progress bar.
class ApOpenLinkGui final : public QDialog
{
    Q_OBJECT

public:
    enum Mode { PlainLink = 0, TorrentLink = 2 };
    enum Result { Downloaded = 0, Failed = 1 };

    explicit ApOpenLinkGui(QWidget *parent = nullptr);
    ~ApOpenLinkGui() override;

    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }
    int result() const { return m_result; }
    QString targetPath() const { return m_targetPath; }

    // The file name of a link: the last path segment made safe, or the
    // current time when the path names none.
    static QString fileNameForLink(const QString &link);

signals:
    // The dialog went away with a result (downloaded, failed or cancelled).
    void linkDone(int result);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_ok_pushButton_clicked();
    void on_cancel_pushButton_clicked();
    void on_browse_toolButton_clicked();
    void fileDownloadedToDiskCallback(qint64 id);
    void fileDownloadedProgressCallback(qint64 id, qint64 received, qint64 total);
    void errorMessageSignalCallback(const QString &error);

private:
    Q_DISABLE_COPY(ApOpenLinkGui)
    void leaveWith(int result);
    void dropPartFile();

    Ui::ApOpenLinkGui *m_ui;
    int m_mode = PlainLink;
    int m_result = Failed;
    QString m_targetPath;
    // The download goes here, beside the target, and replaces the target
    // only once it is complete: a failure leaves a file of the same name as
    // it was.
    QString m_partPath;
    ApQuickUrlDownloader *m_downloader;
};
