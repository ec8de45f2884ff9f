#include "apconfigdialog.h"
#include "ui_apconfigdialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "apinfodialog.h"
#include "appsettings.h"
#include "commonfunctions.h"
#include "contentlock.h"
#include "startupentry.h"

namespace {

// Widgets belong to the page named by their object name's prefix.
int pageOf(const QString &objectName)
{
    if (objectName.startsWith(QLatin1String("general_")))
        return ApConfigDialog::GeneralPage;
    if (objectName.startsWith(QLatin1String("proxy_")))
        return ApConfigDialog::ProxyPage;
    if (objectName.startsWith(QLatin1String("contentlock_")))
        return ApConfigDialog::ContentPage;
    if (objectName.startsWith(QLatin1String("virusscan_")))
        return ApConfigDialog::VirusScanPage;
    return -1;
}

} // namespace

ApConfigDialog::ApConfigDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_ui(new Ui::ApConfigDialog)
    , m_chooseFolder([](QWidget *p, const QString &caption, const QString &start) {
        return QFileDialog::getExistingDirectory(p, caption, start);
    })
    , m_chooseFile([](QWidget *p, const QString &caption, const QString &start, const QString &filter) {
        return QFileDialog::getOpenFileName(p, caption, start, filter);
    })
{
    m_ui->setupUi(this);
    connectChangeSignals();
    m_ui->apply_pushButton->setEnabled(false);
    m_ui->config_listWidget->setCurrentRow(GeneralPage);
}

ApConfigDialog::~ApConfigDialog()
{
    delete m_ui;
}

void ApConfigDialog::run()
{
    m_generalSaved = false;
    m_proxySaved = false;
    updateApply();
    exec();
}

void ApConfigDialog::connectChangeSignals()
{
    for (QWidget *widget : findChildren<QWidget *>()) {
        const int page = pageOf(widget->objectName());
        if (page < 0)
            continue;
        auto mark = [this, page] { markChanged(page); };
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            connect(box, &QCheckBox::toggled, this, mark);
        else if (auto *radio = qobject_cast<QRadioButton *>(widget))
            connect(radio, &QRadioButton::toggled, this, mark);
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, mark);
        else if (auto *line = qobject_cast<QLineEdit *>(widget))
            connect(line, &QLineEdit::textChanged, this, mark);
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, mark);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            connect(text, &QPlainTextEdit::textChanged, this, mark);
    }
}

void ApConfigDialog::markChanged(int page)
{
    if (m_loading)
        return;
    m_changed[page] = true;
    updateApply();
}

void ApConfigDialog::updateApply()
{
    bool any = false;
    for (bool changed : m_changed)
        any = any || changed;
    m_ui->apply_pushButton->setEnabled(any);
}

// Pages

void ApConfigDialog::on_config_listWidget_currentRowChanged(int row)
{
    if (row < 0 || row >= PageCount)
        return;
    ensureLoaded(row);
    m_ui->config_stackedWidget->setCurrentIndex(row);
}

void ApConfigDialog::ensureLoaded(int page)
{
    if (m_loaded[page])
        return;
    m_loading = true;
    switch (page) {
    case GeneralPage: loadGeneral(); break;
    case ProxyPage: loadProxy(); break;
    case ContentPage: loadContent(); break;
    case VirusScanPage: loadVirusScan(); break;
    default: break;
    }
    m_loading = false;
    m_loaded[page] = true;
}

void ApConfigDialog::loadGeneral()
{
    const GeneralSettings g = AppSettings::readGeneralPage();
    m_ui->general_autostartup_checkBox->setChecked(g.autoStartup);
    m_ui->general_mintotray_checkBox->setChecked(g.minToTray);
    m_ui->general_completionprompt_checkBox->setChecked(g.completionPopup);
    m_ui->general_autoupdate_checkBox->setChecked(g.autoUpdate);
    m_ui->general_speedpanelbandwidth_spinBox->setValue(g.speedPanelBandwidth);
    m_ui->general_showfloatingwindow_checkBox->setChecked(g.showFloatingWindow);
    m_ui->general_downloadedto_lineEdit->setText(g.downloadedTo);
    m_ui->general_monitorclipboard_checkBox->setChecked(g.monitorClipboard);
    m_ui->general_monitorclipboard_lineEdit->setText(g.monitorClipboardFileTypes);
    m_ui->general_monitorclipboard_lineEdit->setEnabled(g.monitorClipboard);
    m_ui->general_maxsplitnumauto_radioButton->setChecked(!g.customSplit);
    m_ui->general_maxsplitnumcustom_radioButton->setChecked(g.customSplit);
    m_ui->general_maxsplitnum_spinBox->setValue(g.maxSplitNum);
    m_ui->general_maxsplitnum_spinBox->setEnabled(g.customSplit);
    m_ui->general_failureretrytimes_spinBox->setValue(g.failureRetryTimes);
    m_ui->general_downloadspeedlimit_spinBox->setValue(g.downloadSpeedLimit);
    m_ui->general_browserintegration_checkBox->setChecked(g.browserIntegration);
    m_ui->general_browseraddwithoutasking_checkBox->setChecked(g.browserAddWithoutAsking);
    m_ui->general_maxactivedownloads_spinBox->setValue(g.maxActiveDownloads);
}

namespace {

struct ProxyWidgets
{
    QComboBox *type;
    QLineEdit *host;
    QSpinBox *port;
    QLineEdit *username;
    QLineEdit *password;
    QCheckBox *loadData;

    void show(const ProxySettings &p) const
    {
        type->setCurrentIndex(qBound(0, p.type, type->count() - 1));
        host->setText(p.host);
        port->setValue(p.port);
        username->setText(p.username);
        password->setText(p.password);
    }
    ProxySettings read() const
    {
        ProxySettings p;
        p.type = type->currentIndex();
        p.host = host->text();
        p.port = port->value();
        p.username = username->text();
        p.password = password->text();
        return p;
    }
};

} // namespace

#define AP_PROXY_WIDGETS(ui, prefix)                                                                          \
    ProxyWidgets                                                                                              \
    {                                                                                                         \
        ui->prefix##type_comboBox, ui->prefix##host_lineEdit, ui->prefix##port_spinBox,                      \
            ui->prefix##username_lineEdit, ui->prefix##password_lineEdit, ui->prefix##loaddata_checkBox      \
    }

void ApConfigDialog::loadProxy()
{
    AP_PROXY_WIDGETS(m_ui, proxy_search_).show(AppSettings::searchProxy());
    AP_PROXY_WIDGETS(m_ui, proxy_httpftp_).show(AppSettings::httpFtpProxy());
}

void ApConfigDialog::loadContent()
{
    const bool locked = ContentLock::isLocked();
    if (!locked)
        m_ui->contentlock_keywords_plainTextEdit->setPlainText(ContentLock::keywords());
    showContentState(locked, ContentLock::timeStamp());
    m_ui->contentlock_lockmessage_label->hide();
    m_ui->contentlock_unlockmessage_label->hide();
}

void ApConfigDialog::loadVirusScan()
{
    const bool scan = AppSettings::virusScanFlag();
    m_ui->virusscan_scan_checkBox->setChecked(scan);
    m_ui->virusscan_program_widget->setEnabled(scan);
    m_ui->virusscan_programpath_lineEdit->setText(AppSettings::virusScanProgramPath());
    m_ui->virusscan_programargs_lineEdit->setText(AppSettings::virusScanProgramArgs());
}

// Saving

void ApConfigDialog::savePage(int page)
{
    switch (page) {
    case GeneralPage: saveGeneral(); break;
    case ProxyPage: saveProxy(); break;
    case VirusScanPage: saveVirusScan(); break;
    default: break;   // the content lock is written only by Lock, Unlock and Reset
    }
}

void ApConfigDialog::saveGeneral()
{
    GeneralSettings g;
    g.autoStartup = m_ui->general_autostartup_checkBox->isChecked();
    g.minToTray = m_ui->general_mintotray_checkBox->isChecked();
    g.completionPopup = m_ui->general_completionprompt_checkBox->isChecked();
    g.autoUpdate = m_ui->general_autoupdate_checkBox->isChecked();
    g.speedPanelBandwidth = m_ui->general_speedpanelbandwidth_spinBox->value();
    g.showFloatingWindow = m_ui->general_showfloatingwindow_checkBox->isChecked();
    g.downloadedTo = m_ui->general_downloadedto_lineEdit->text();
    g.monitorClipboard = m_ui->general_monitorclipboard_checkBox->isChecked();
    g.monitorClipboardFileTypes = m_ui->general_monitorclipboard_lineEdit->text();
    g.customSplit = m_ui->general_maxsplitnumcustom_radioButton->isChecked();
    g.maxSplitNum = m_ui->general_maxsplitnum_spinBox->value();
    g.failureRetryTimes = m_ui->general_failureretrytimes_spinBox->value();
    g.downloadSpeedLimit = m_ui->general_downloadspeedlimit_spinBox->value();
    g.browserIntegration = m_ui->general_browserintegration_checkBox->isChecked();
    g.browserAddWithoutAsking = m_ui->general_browseraddwithoutasking_checkBox->isChecked();
    g.maxActiveDownloads = m_ui->general_maxactivedownloads_spinBox->value();
    AppSettings::saveGeneralPage(g);
    // The autostart entry follows the flag at once.
    StartupEntry::setEnabled(g.autoStartup, QCoreApplication::applicationFilePath());
    m_generalSaved = true;
}

void ApConfigDialog::saveProxy()
{
    AppSettings::saveProxyPage(AP_PROXY_WIDGETS(m_ui, proxy_search_).read(),
                               AP_PROXY_WIDGETS(m_ui, proxy_httpftp_).read());
    m_proxySaved = true;
}

void ApConfigDialog::saveVirusScan()
{
    AppSettings::saveVirusScanPage(m_ui->virusscan_scan_checkBox->isChecked(),
                                   m_ui->virusscan_programpath_lineEdit->text(),
                                   m_ui->virusscan_programargs_lineEdit->text());
}

void ApConfigDialog::on_apply_pushButton_clicked()
{
    for (int page = 0; page < PageCount; ++page) {
        if (!m_changed[page])
            continue;
        savePage(page);
        m_changed[page] = false;
    }
    updateApply();
}

void ApConfigDialog::on_ok_pushButton_clicked()
{
    on_apply_pushButton_clicked();
    finishRun(true);
}

void ApConfigDialog::on_cancel_pushButton_clicked()
{
    finishRun(false);
}

void ApConfigDialog::finishRun(bool save)
{
    if (!save)
        m_changed.fill(false);
    updateApply();
    done(save ? QDialog::Accepted : QDialog::Rejected);
}

void ApConfigDialog::closeEvent(QCloseEvent *event)
{
    // Closing the window is Cancel; the dialog is kept for the next run.
    event->ignore();
    finishRun(false);
}

void ApConfigDialog::reject()
{
    finishRun(false);
}

void ApConfigDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (m_loaded[ContentPage])
            showContentState(ContentLock::isLocked(), ContentLock::timeStamp());
    }
    QDialog::changeEvent(event);
}

// Reset

void ApConfigDialog::on_reset_pushButton_clicked()
{
    const int page = m_ui->config_stackedWidget->currentIndex();
    // Resetting lifts the lock, so it takes the lock's password, typed in
    // the page's unlock field.
    if (page == ContentPage && ContentLock::isLocked()
        && !ContentLock::unlock(m_ui->contentlock_password_2_lineEdit->text())) {
        showUnlockMessage(tr("Enter the password to reset the locked content settings."));
        m_ui->contentlock_password_2_lineEdit->setFocus();
        return;
    }
    resetPage(page);
}

void ApConfigDialog::on_resetall_pushButton_clicked()
{
    if (showInfoDialog(this, tr("Are you sure to reset all settings? Press OK to confirm."), ApInfoDialog::OkCancel)
        != ApInfoDialog::Accepted)
        return;
    // The content lock is the parents' setting, not the user's: it stays,
    // with its keywords, until lifted with its password.
    const bool locked = ContentLock::isLocked();
    for (int page = 0; page < PageCount; ++page) {
        if (page != ContentPage || !locked)
            resetPage(page);
        else
            ensureLoaded(page);
    }
}

void ApConfigDialog::resetPage(int page)
{
    m_loading = true;
    switch (page) {
    case GeneralPage: resetGeneral(); break;
    case ProxyPage: resetProxy(); break;
    case ContentPage: resetContent(); break;
    case VirusScanPage: resetVirusScan(); break;
    default: break;
    }
    m_loading = false;
    // The widgets now show what the file holds.
    m_loaded[page] = true;
    m_changed[page] = false;
    updateApply();
}

void ApConfigDialog::resetGeneral()
{
    for (QCheckBox *box : {m_ui->general_autostartup_checkBox, m_ui->general_mintotray_checkBox,
                           m_ui->general_completionprompt_checkBox, m_ui->general_autoupdate_checkBox,
                           m_ui->general_showfloatingwindow_checkBox, m_ui->general_monitorclipboard_checkBox,
                           m_ui->general_browserintegration_checkBox})
        box->setChecked(true);
    m_ui->general_browseraddwithoutasking_checkBox->setChecked(false);
    m_ui->general_speedpanelbandwidth_spinBox->setValue(300);
    m_ui->general_downloadedto_lineEdit->setText(Common::defaultDownloadFolder());
    m_ui->general_monitorclipboard_lineEdit->setText(AppSettings::defaultMonitorClipboardFileTypes());
    m_ui->general_monitorclipboard_lineEdit->setEnabled(true);
    m_ui->general_maxsplitnumauto_radioButton->setChecked(true);
    m_ui->general_maxsplitnum_spinBox->setValue(6);
    m_ui->general_maxsplitnum_spinBox->setEnabled(false);
    m_ui->general_failureretrytimes_spinBox->setValue(3);
    m_ui->general_downloadspeedlimit_spinBox->setValue(0);
    m_ui->general_maxactivedownloads_spinBox->setValue(SettingsRanges::MaxActiveDownloadsDefault);
    AppSettings::resetGeneralPage();
    m_generalSaved = true;
}

void ApConfigDialog::resetProxy()
{
    ProxySettings defaults;
    for (const ProxyWidgets &w : {AP_PROXY_WIDGETS(m_ui, proxy_search_), AP_PROXY_WIDGETS(m_ui, proxy_httpftp_)}) {
        w.show(defaults);
        w.loadData->setChecked(false);
    }
    AppSettings::resetProxyPage();
    m_proxySaved = true;
}

void ApConfigDialog::resetContent()
{
    const QDateTime now = QDateTime::currentDateTime();
    ContentLock::reset(now);
    m_ui->contentlock_password_0_lineEdit->clear();
    m_ui->contentlock_password_1_lineEdit->clear();
    m_ui->contentlock_password_2_lineEdit->clear();
    m_ui->contentlock_keywords_plainTextEdit->setPlainText(ContentLock::defaultKeywords());
    m_ui->contentlock_lockmessage_label->hide();
    m_ui->contentlock_unlockmessage_label->hide();
    showContentState(false, now);
}

void ApConfigDialog::resetVirusScan()
{
    m_ui->virusscan_scan_checkBox->setChecked(false);
    m_ui->virusscan_program_widget->setEnabled(false);
    m_ui->virusscan_programpath_lineEdit->clear();
    m_ui->virusscan_programargs_lineEdit->clear();
    AppSettings::resetVirusScanPage();
}

// Content lock

void ApConfigDialog::showContentState(bool locked, const QDateTime &time)
{
    m_ui->contentlock_stackedWidget->setCurrentWidget(locked ? m_ui->contentlock_locked_page
                                                             : m_ui->contentlock_unlocked_page);
    m_ui->contentlock_statusimage_label->setPixmap(
        QPixmap(locked ? QStringLiteral(":/icons/locked.png") : QStringLiteral(":/icons/unlocked.png")));
    m_ui->contentlock_status_label->setText(locked ? tr("Content is locked. Last modification time:")
                                                   : tr("Content NOT locked. Last modification time:"));
    m_ui->contentlock_datetime_label->setText(time.toLocalTime().toString());
}

void ApConfigDialog::showLockMessage(const QString &text)
{
    m_ui->contentlock_lockmessage_label->setText(text);
    m_ui->contentlock_lockmessage_label->setVisible(!text.isEmpty());
}

void ApConfigDialog::showUnlockMessage(const QString &text)
{
    m_ui->contentlock_unlockmessage_label->setText(text);
    m_ui->contentlock_unlockmessage_label->setVisible(!text.isEmpty());
}

void ApConfigDialog::lockContent()
{
    if (m_ui->contentlock_stackedWidget->currentWidget() != m_ui->contentlock_unlocked_page)
        return;
    const QString first = m_ui->contentlock_password_0_lineEdit->text();
    const QString second = m_ui->contentlock_password_1_lineEdit->text();
    switch (ContentLock::checkNewPasswords(first, second)) {
    case ContentLock::LockCheck::PasswordsMissing:
        showLockMessage(tr("Please enter your password twice."));
        return;
    case ContentLock::LockCheck::PasswordsDiffer:
        showLockMessage(tr("The two passwords do not match."));
        return;
    case ContentLock::LockCheck::PasswordTooShort:
        showLockMessage(tr("Please enter a password containing minimum 6 characters or numbers."));
        return;
    case ContentLock::LockCheck::Ok:
        break;
    }
    const QDateTime now = QDateTime::currentDateTime();
    ContentLock::lock(first, m_ui->contentlock_keywords_plainTextEdit->toPlainText(), now);
    showUnlockMessage(QString());
    m_ui->contentlock_password_2_lineEdit->clear();
    showContentState(true, now);
    markChanged(ContentPage);
}

void ApConfigDialog::unlockContent()
{
    if (m_ui->contentlock_stackedWidget->currentWidget() != m_ui->contentlock_locked_page)
        return;
    if (!ContentLock::unlock(m_ui->contentlock_password_2_lineEdit->text())) {
        showUnlockMessage(tr("Passwords do not match."));
        return;
    }
    showLockMessage(QString());
    m_ui->contentlock_password_0_lineEdit->clear();
    m_ui->contentlock_password_1_lineEdit->clear();
    m_ui->contentlock_keywords_plainTextEdit->setPlainText(ContentLock::keywords());
    showContentState(false, ContentLock::timeStamp());
    markChanged(ContentPage);
}

void ApConfigDialog::on_contentlock_password_2_lineEdit_returnPressed() { unlockContent(); }
void ApConfigDialog::on_contentlock_password_1_lineEdit_returnPressed() { lockContent(); }
void ApConfigDialog::on_contentlock_password_0_lineEdit_returnPressed() { lockContent(); }
void ApConfigDialog::on_contentlock_unlock_pushButton_clicked() { unlockContent(); }
void ApConfigDialog::on_contentlock_lock_pushButton_clicked() { lockContent(); }

// Dependent fields and browse buttons

void ApConfigDialog::on_general_monitorclipboard_checkBox_toggled(bool checked)
{
    m_ui->general_monitorclipboard_lineEdit->setEnabled(checked);
}

void ApConfigDialog::on_general_maxsplitnumauto_radioButton_toggled(bool checked)
{
    if (checked)
        m_ui->general_maxsplitnum_spinBox->setEnabled(false);
}

void ApConfigDialog::on_general_maxsplitnumcustom_radioButton_toggled(bool checked)
{
    if (checked)
        m_ui->general_maxsplitnum_spinBox->setEnabled(true);
}

void ApConfigDialog::on_virusscan_scan_checkBox_toggled(bool checked)
{
    m_ui->virusscan_program_widget->setEnabled(checked);
}

void ApConfigDialog::on_general_downloadedto_toolButton_clicked()
{
    const QString folder =
        m_chooseFolder(this, tr("Choose save path"), m_ui->general_downloadedto_lineEdit->text());
    if (!folder.isEmpty())
        m_ui->general_downloadedto_lineEdit->setText(folder);
}

void ApConfigDialog::on_virusscan_programpath_pushButton_clicked()
{
    const QString file = m_chooseFile(this, tr("Choose Anti-virus scanning program"),
                                      m_ui->virusscan_programpath_lineEdit->text(), tr("All Files (*)"));
    if (!file.isEmpty())
        m_ui->virusscan_programpath_lineEdit->setText(file);
}
