#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class ApSliceProgressBar;
class ApTvoDownloadTaskThread;
class ApTvoManager;
class ApplicationInfo;
struct ApTvoConnectionSnapshot;
namespace Ui {
class ApTaskInfoPanel;
}

// The lower panel's page for one HTTP/FTP task: file, hash, host with its
// country flag, save path, the task's slices, why it failed, and a row per
// connection of the running download. It reads copies of the connections
// that the task thread hands out, never the connections themselves.
class ApTaskInfoPanel final : public QWidget
{
    Q_OBJECT

public:
    enum Mode { Build = 0, Refresh = 1 };
    // Where a connection row's status cell keeps the connection's state.
    static constexpr int ConnectionStateRole = Qt::UserRole + 2;

    ApTaskInfoPanel(const ApplicationInfo *info, ApTvoManager *manager, QWidget *parent = nullptr);
    ~ApTaskInfoPanel() override;

    // Fills the page for the task with this key; task is the running task
    // or null for one known only from the store. Build rebuilds the
    // connection rows, Refresh updates them in place.
    void display(ApTvoDownloadTaskThread *task, int mode, const QString &savePath, const QString &key);
    QString shownPath() const { return m_path; }
    QString shownKey() const { return m_key; }
    ApTvoDownloadTaskThread *shownTask() const { return m_task; }
    // Forgets the task shown (it is gone).
    void clear();

    ApSliceProgressBar *progressBar() const { return m_bar; }

    // How the location viewer is started; tests record instead.
    using Launcher = std::function<bool(const QStringList &arguments)>;
    void setLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

    // Arguments for the location viewer from the host label's text
    // ("host [address]"): "/geo-ip" and "address&host", the host cut to its
    // last two labels; empty when either part is missing.
    static QStringList locationArguments(const QString &hostText);
    // Status text and icon of a connection state.
    static QString connectionStateText(int state);
    static QString connectionStateIcon(int state);

signals:
    // The preview button was pressed for the running task's file.
    void previewRequested(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_taskinfo_httpftp_preview_toolButton_clicked();
    void on_taskinfo_httpftp_urlhost_toolButton_clicked();

private:
    Q_DISABLE_COPY(ApTaskInfoPanel)

    struct Previous
    {
        qint64 bytes = 0;
        qint64 timeMs = 0;
    };

    void fillFromStore(bool running, const QString &key);
    // File name and folder of the shown path, left to right in any layout.
    void showPathLabels();
    void showFlag(const QString &key, const QString &storedCode, const QString &address);
    void buildRows(const QList<ApTvoConnectionSnapshot> &connections);
    void refreshRows(const QList<ApTvoConnectionSnapshot> &connections);
    void appendRow(int index, const ApTvoConnectionSnapshot &connection);
    void setRowCells(int row, const ApTvoConnectionSnapshot &connection);
    QString speedFor(int index, qint64 bytes);
    void showSlices(ApTvoDownloadTaskThread *task);

    Ui::ApTaskInfoPanel *m_ui;
    const ApplicationInfo *m_info;
    ApTvoManager *m_manager;
    ApSliceProgressBar *m_bar;
    ApTvoDownloadTaskThread *m_task = nullptr;
    QString m_path;
    QString m_key;
    QHash<int, Previous> m_previous;
    Launcher m_launcher;
};
