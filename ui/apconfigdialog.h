#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QDateTime;
namespace Ui {
class ApConfigDialog;
}

// The settings dialog: General, Proxy, Content (the content lock) and Virus
// Scan pages over the settings file. A page is read from the file the first
// time it is shown and kept while the dialog lives, so unsaved edits
// survive page switches; Apply saves the changed pages in page order.
class ApConfigDialog final : public QDialog
{
    Q_OBJECT

public:
    enum Page { GeneralPage = 0, ProxyPage = 1, ContentPage = 2, VirusScanPage = 3, PageCount = 4 };

    explicit ApConfigDialog(QWidget *parent = nullptr);
    ~ApConfigDialog() override;

    // Runs the dialog modally, starting on the page shown last. The saved
    // flags start cleared on every run.
    void run();

    // Read by the window after a run: whether General or Proxy was saved
    // (or reset).
    bool generalSaved() const { return m_generalSaved; }
    bool proxySaved() const { return m_proxySaved; }
    bool isPageChanged(int page) const { return m_changed.at(page); }
    bool isPageLoaded(int page) const { return m_loaded.at(page); }

    // How folders and files are picked; tests answer without a file dialog.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &caption, const QString &start)>;
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption, const QString &start,
                                              const QString &filter)>;
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape is Cancel too.
    void reject() override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_resetall_pushButton_clicked();
    void on_contentlock_password_2_lineEdit_returnPressed();
    void on_contentlock_password_1_lineEdit_returnPressed();
    void on_contentlock_password_0_lineEdit_returnPressed();
    void on_contentlock_unlock_pushButton_clicked();
    void on_contentlock_lock_pushButton_clicked();
    void on_ok_pushButton_clicked();
    void on_apply_pushButton_clicked();
    void on_reset_pushButton_clicked();
    void on_cancel_pushButton_clicked();
    void on_virusscan_programpath_pushButton_clicked();
    void on_general_monitorclipboard_checkBox_toggled(bool checked);
    void on_general_maxsplitnumauto_radioButton_toggled(bool checked);
    void on_general_maxsplitnumcustom_radioButton_toggled(bool checked);
    void on_virusscan_scan_checkBox_toggled(bool checked);
    void on_general_downloadedto_toolButton_clicked();
    void on_config_listWidget_currentRowChanged(int row);

private:
    Q_DISABLE_COPY(ApConfigDialog)

    void connectChangeSignals();
    void markChanged(int page);
    void ensureLoaded(int page);
    void loadGeneral();
    void loadProxy();
    void loadContent();
    void loadVirusScan();
    void savePage(int page);
    void saveGeneral();
    void saveProxy();
    void saveVirusScan();
    void resetPage(int page);
    void resetGeneral();
    void resetProxy();
    void resetContent();
    void resetVirusScan();
    void lockContent();
    void unlockContent();
    void showContentState(bool locked, const QDateTime &time);
    void showLockMessage(const QString &text);
    void showUnlockMessage(const QString &text);
    void updateApply();
    void finishRun(bool save);

    Ui::ApConfigDialog *m_ui;
    // Set while a page is filled, so that filling is no edit.
    bool m_loading = false;
    std::array<bool, PageCount> m_changed{};
    std::array<bool, PageCount> m_loaded{};
    bool m_generalSaved = false;
    bool m_proxySaved = false;
    FolderChooser m_chooseFolder;
    FileChooser m_chooseFile;
};
