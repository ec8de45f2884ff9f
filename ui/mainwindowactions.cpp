// The main window's menu actions that reach outside the task table: web
// site pages, folders, companion programs, toggles and the about box.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTableWidget>
#include <QUrl>

#include "apclipboardmonitor.h"
#include "apinfodialog.h"
#include "applicationinfo.h"
#include "appolicingthread.h"
#include "apschedulecontroller.h"
#include "appsettings.h"
#include "apspeedguifloating.h"
#include "commonfunctions.h"
#include "sitepaths.h"
#include "startupentry.h"

// Web site pages

void MainWindow::openSitePage(const QString &path)
{
    m_urlOpener(QUrl(m_appInfo->homeUrl() + path));
}

void MainWindow::on_actionHome_triggered() { openSitePage(QString()); }
void MainWindow::on_actionHome_menu_triggered() { openSitePage(QString()); }
void MainWindow::on_actionHelp_triggered() { openSitePage(SitePaths::HelpFolder + QStringLiteral("zantor.html")); }
void MainWindow::on_actionHelp_menu_triggered() { on_actionHelp_triggered(); }
void MainWindow::on_actionFAQs_triggered() { openSitePage(SitePaths::HelpFolder + QStringLiteral("faqs.html")); }
void MainWindow::on_actionTell_a_Friend_triggered()
{
    openSitePage(SitePaths::HelpFolder + QStringLiteral("tellafriend.html"));
}
void MainWindow::on_actionLink_to_Us_triggered() { openSitePage(SitePaths::HelpFolder + QStringLiteral("linktous.html")); }
void MainWindow::on_actionReport_Bugs_triggered()
{
    openSitePage(SitePaths::HelpFolder + QStringLiteral("reportbugs.html"));
}
void MainWindow::on_actionContacts_triggered() { openSitePage(SitePaths::HelpFolder + QStringLiteral("contacts.html")); }
void MainWindow::on_actionSearch_More_Online_triggered() { openSitePage(SitePaths::WebVideoEngines); }

// Folders

void MainWindow::openFolder(const QString &folder)
{
    if (!folder.isEmpty())
        m_pathOpener(folder);
}

void MainWindow::on_actionDownload_Folder_triggered()
{
    const QString folder = AppSettings::downloadedTo();
    QDir().mkpath(folder);
    openFolder(folder);
}

void MainWindow::on_actionDownload_Folder_quickmenu_triggered() { on_actionDownload_Folder_triggered(); }
void MainWindow::on_actionMyRecentDocumentsFolder_triggered() { openFolder(Common::recentFolder()); }
void MainWindow::on_actionMyDocumentsFolder_triggered() { openFolder(Common::documentsFolder()); }
void MainWindow::on_actionDesktopFolder_triggered() { openFolder(Common::desktopFolder()); }
void MainWindow::on_actionRootFolder_triggered() { openFolder(QDir::rootPath()); }
void MainWindow::on_actionHomeFolder_triggered() { openFolder(QDir::homePath()); }

// Companion programs

void MainWindow::on_actionConvert_Media_triggered()
{
    const QString converter = Common::companionProgramPath(*m_appInfo, Common::CompanionFormshift);
    if (!converter.isEmpty() && QFileInfo::exists(converter)) {
        const QList<int> rows = selectedVisibleRows();
        if (rows.isEmpty()) {
            m_programStarter(converter, {});
            return;
        }
        QString files;
        for (int row : rows)
            files += rowPath(row) + QLatin1Char(':');
        m_programStarter(converter, {CompanionArgs::Files, files});
        return;
    }
    if (showInfoDialog(this, tr("Media Converter NOT found on your machine. Do you want to download and install it?"),
                       ApInfoDialog::OkCancel)
        == ApInfoDialog::Accepted)
        openSitePage(SitePaths::FormshiftPage);
}

void MainWindow::on_actionCapture_Media_triggered()
{
    m_programStarter(Common::companionProgramPath(*m_appInfo, Common::CompanionCapture), {});
}

void MainWindow::on_actionWeb_Image_Download_triggered()
{
    m_programStarter(Common::companionProgramPath(*m_appInfo, Common::CompanionWebImage), {});
}

void MainWindow::on_actionPlay_Media_triggered()
{
    const QString player = Common::companionProgramPath(*m_appInfo, Common::CompanionPlayer);
    const QList<int> rows = selectedVisibleRows();
    if (!rows.isEmpty()) {
        const QString path = rowPath(rows.first());
        if (Common::isPlayerType(QFileInfo(path).suffix())) {
            m_programStarter(player, {CompanionArgs::File, path, QStringLiteral("0"), m_appInfo->advertisementBaseUrl()});
            return;
        }
    }
    m_programStarter(player, {});
}

// Toggles; each writes its flag at once.

void MainWindow::on_actionShow_Drop_Window_triggered()
{
    const bool show = m_floating && !m_floating->isVisible();
    if (m_floating)
        m_floating->setVisible(show);
    m_ui->actionShow_Drop_Window->setChecked(show);
    AppSettings::setFlag(SettingsKeys::ShowFloatingWindowFlag, show);
}

void MainWindow::on_actionRun_at_System_Startup_triggered()
{
    // The entry on disk decides, not the check mark: a stale entry goes.
    const bool on = StartupEntry::toggle(QCoreApplication::applicationFilePath());
    m_ui->actionRun_at_System_Startup->setChecked(on);
}

void MainWindow::on_actionMonitor_Clipboard_triggered()
{
    const bool on = !m_clipboardMonitor->isEnabled();
    m_clipboardMonitor->setEnabled(on);
    m_ui->actionMonitor_Clipboard->setChecked(on);
    AppSettings::setFlag(SettingsKeys::MonitorClipboardFlag, on);
}

void MainWindow::on_actionCompletion_Popup_Dialog_triggered()
{
    AppSettings::setFlag(SettingsKeys::CompletionPopupDialogFlag, m_ui->actionCompletion_Popup_Dialog->isChecked());
}

void MainWindow::on_actionFull_Screen_triggered() { toggleFullScreen(); }
void MainWindow::on_actionFull_Screen_menu_triggered() { toggleFullScreen(); }

// Updates, schedule, settings

void MainWindow::requestUpdateCheck()
{
    // The update notice enables the action again.
    m_ui->actionCheck_Updates->setEnabled(false);
    m_policing->requestUpdateCheck(1);
}

void MainWindow::on_actionCheck_Updates_triggered() { requestUpdateCheck(); }
void MainWindow::on_actionCheck_Updates_menu_triggered() { requestUpdateCheck(); }

void MainWindow::on_actionSchedule_Task_triggered() { m_schedule->toggle(); }

void MainWindow::on_actionSettings_triggered() { runSettingsDialog(); }
void MainWindow::on_actionSettings_menu_triggered() { runSettingsDialog(); }

void MainWindow::on_actionHttp_Ftp_quickmenu_triggered() { on_actionHttp_Ftp_triggered(); }

// About box

void MainWindow::on_actionAbout_Tarvo_triggered()
{
    auto *box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("about_messageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("About Zantor"));
    box->setTextFormat(Qt::RichText);
    box->setText(tr("<h3>Zantor %1</h3>").arg(m_appInfo->versionText()));
    box->setInformativeText(tr("A download manager for files and web videos, with many connections per file, "
                               "mirrors and automatic retries.<br><a href=\"%1\">%1</a>")
                                .arg(m_appInfo->homeUrl()));
    const QPixmap icon(QStringLiteral(":/icons/tarvo.png"));
    if (!icon.isNull())
        box->setIconPixmap(icon);
    box->setStandardButtons(QMessageBox::Ok);
    box->show();
}
