#pragma once

#include <QDialog>
#include <QUrl>

class ApOpenLinkGui;
class ApTvoManager;
class QNetworkAccessManager;
class QNetworkReply;
namespace Ui {
class ApNewTaskDialog;
}

// The dialog through which every HTTP/FTP task comes into being: it probes
// the server for the file name and writes the new task into the task store
// under a fresh key. It also shows a stored task's properties and can add a
// task without being shown.
class ApNewTaskDialog final : public QDialog
{
    Q_OBJECT

public:
    enum Result { TaskWritten = 0, Cancelled = 1 };
    // What a web browser hands over with a link besides the address: the
    // page, its suggested file name, and the cookies and user agent that the
    // new task keeps (the cookies only for their own origin).
    struct HandOver
    {
        QString referer;
        QString fileName;
        QString cookies;
        QString cookieOrigin;
        QString userAgent;
    };
    // Redirects the header probe follows before it gives up.
    static constexpr int MaxProbeRedirects = 10;

    ApNewTaskDialog(QWidget *parent, ApTvoManager *manager);
    ~ApNewTaskDialog() override;

    // Runs the dialog modally for a new task; returns the result, and on
    // TaskWritten taskKey() names the new task. Only type 3 is handled.
    int openForNewTask(int taskType, const QString &url);
    // The same without waiting: the dialog shows application-modal and
    // reports its end through taskDialogFinished. False for other types.
    bool showForNewTask(int taskType, const QString &url);
    // The new task form filled in from a browser's hand-over, shown like
    // showForNewTask().
    bool showForHandOver(const QString &url, const HandOver &handOver);
    // Writes the hand-over's task at once, as addWithoutShowing().
    int addHandOverWithoutShowing(const QString &url, const HandOver &handOver);
    // Shows the stored task read-only.
    int openForProperties(int taskType, const QString &key);
    // Writes a task from a URL and file name without showing the dialog;
    // conversionMark 1 shows "+", 2 "-".
    int addWithoutShowing(const QString &url, const QString &fileName, int conversionMark);

    // The next new task, shown or added, is saved in this folder (created
    // when missing) without making it the default folder of later tasks.
    void setOneOffSaveFolder(const QString &folder) { m_oneOffSaveFolder = folder; }

    int result() const { return m_result; }
    QString taskKey() const { return m_taskKey; }
    ApOpenLinkGui *openLinkGui() const { return m_openLinkGui; }

    // The nine characters a file name may not hold become "_"; "." and
    // ".." give the empty name.
    static QString safeFileName(const QString &name);
    // The file name a probe answer names: "filename=" of the disposition,
    // else the last segment of the path; the time stamp when empty.
    static QString probedFileName(const QByteArray &contentDisposition, const QString &path,
                                  const QDateTime &now);
    // An expected digest as stored: lower-case hex of an MD5, SHA-1 or
    // SHA-256 (32, 40 or 64 digits); empty text stays empty; anything else
    // gives a null string.
    static QString normalisedChecksum(const QString &text);

signals:
    // The file name field was filled from a probe answer.
    void probeFinished(const QString &fileName);
    // The dialog was closed by Start Download, Cancel or the close button.
    void taskDialogFinished(int result);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

public slots:
    void reject() override;

private slots:
    void on_httpftptask_url_lineEdit_editingFinished();
    void on_httpftptask_authentication_checkBox_toggled(bool checked);
    void on_httpftptask_mirrorurls_checkBox_toggled(bool checked);
    void on_httpftptask_saveto_toolButton_clicked();
    void on_httpftptask_cancel_pushButton_clicked();
    void on_httpftptask_startdownload_pushButton_clicked();
    void responseHeaderCallback();

private:
    Q_DISABLE_COPY(ApNewTaskDialog)
    void resetForm();
    void startProbe(const QUrl &url, int redirects);
    void stopProbe();
    int runModal();
    void finish(int result);
    void applyProperties();
    void fillHandOver(const HandOver &handOver);
    bool showNew(int taskType, const QString &url, const HandOver *handOver);

    Ui::ApNewTaskDialog *m_ui;
    ApTvoManager *m_manager;
    ApOpenLinkGui *m_openLinkGui = nullptr;
    int m_taskType = 3;
    int m_result = Cancelled;
    QString m_taskKey;
    QString m_saveFolder;
    QString m_oneOffSaveFolder;
    // The one-off folder of the form as it is now, in native separators.
    QString m_activeOneOffFolder;
    QNetworkAccessManager *m_probeManager;
    QNetworkReply *m_probeReply = nullptr;
    int m_probeRedirects = 0;
    // The task whose properties are shown; empty for a new task.
    qint64 m_propertiesId = 0;
    // The browser's hand-over behind the current form; empty otherwise.
    HandOver m_handOver;
};
