#include "apnewtaskdialog.h"
#include "ui_apnewtaskdialog.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStyle>
#include <QStyleFactory>

#include "apinfodialog.h"
#include "browserhandover.h"
#include "apopenlinkgui.h"
#include "appsettings.h"
#include "aptvomanager.h"
#include "taskstore.h"

namespace {

const QString TimeStampFormat = QStringLiteral("yyyy-MM-dd_hh-mm-ss");

bool startsWithScheme(const QString &url, bool ftpToo)
{
    return url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
        || (ftpToo && url.startsWith(QLatin1String("ftp://"), Qt::CaseInsensitive));
}

} // namespace

ApNewTaskDialog::ApNewTaskDialog(QWidget *parent, ApTvoManager *manager)
    : QDialog(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_ui(new Ui::ApNewTaskDialog)
    , m_manager(manager)
    , m_probeManager(new QNetworkAccessManager(this))
{
    m_ui->setupUi(this);
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Plastique")) ?: QStyleFactory::create(QStringLiteral("Fusion"))) {
        style->setParent(m_ui->httpftptask_startdownload_pushButton);
        m_ui->httpftptask_startdownload_pushButton->setStyle(style);
    }
    m_openLinkGui = new ApOpenLinkGui(this);
}

ApNewTaskDialog::~ApNewTaskDialog()
{
    stopProbe();
    delete m_ui;
}

QString ApNewTaskDialog::safeFileName(const QString &name)
{
    QString safe = name;
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        safe.replace(c, QLatin1Char('_'));
    // These name folders, never a file to write: the caller falls back to
    // its time stamp.
    if (safe == QLatin1String(".") || safe == QLatin1String(".."))
        return QString();
    return safe;
}

QString ApNewTaskDialog::probedFileName(const QByteArray &contentDisposition, const QString &path,
                                        const QDateTime &now)
{
    const QString disposition = QString::fromUtf8(contentDisposition);
    const int at = disposition.indexOf(QLatin1String("filename="));
    QString name = at >= 0 ? disposition.mid(at + 9) : path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    name = safeFileName(name);
    return name.isEmpty() ? now.toString(TimeStampFormat) : name;
}

QString ApNewTaskDialog::normalisedChecksum(const QString &text)
{
    const QString digest = text.trimmed().toLower();
    if (digest.isEmpty())
        return QLatin1String("");
    if (digest.size() != 32 && digest.size() != 40 && digest.size() != 64)
        return QString();
    for (const QChar c : digest) {
        if (!c.isDigit() && (c < QLatin1Char('a') || c > QLatin1Char('f')))
            return QString();
    }
    return digest;
}

void ApNewTaskDialog::resetForm()
{
    stopProbe();
    m_propertiesId = 0;
    m_handOver = HandOver();
    QString folder = AppSettings::downloadedTo();
    QDir().mkpath(folder);
    QStringList history = AppSettings::downloadedToHistory();
    history.removeAll(folder);
    m_ui->httpftptask_saveto_comboBox->clear();
    m_ui->httpftptask_saveto_comboBox->addItem(folder);
    m_ui->httpftptask_saveto_comboBox->addItems(history);
    m_ui->httpftptask_saveto_comboBox->setCurrentIndex(
        m_ui->httpftptask_saveto_comboBox->findText(folder, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_saveFolder = folder;
    m_activeOneOffFolder.clear();
    if (!m_oneOffSaveFolder.isEmpty()) {
        QDir().mkpath(m_oneOffSaveFolder);
        m_activeOneOffFolder = QDir::toNativeSeparators(m_oneOffSaveFolder);
        m_oneOffSaveFolder.clear();
        QComboBox *combo = m_ui->httpftptask_saveto_comboBox;
        if (combo->findText(m_activeOneOffFolder, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            combo->insertItem(0, m_activeOneOffFolder);
        combo->setCurrentIndex(combo->findText(m_activeOneOffFolder, Qt::MatchExactly | Qt::MatchCaseSensitive));
        m_saveFolder = m_activeOneOffFolder;
    }

    const ProxySettings proxy = AppSettings::httpFtpProxy();
    m_ui->httpftptask_proxy_httpftp_type_comboBox->setCurrentIndex(proxy.type);
    m_ui->httpftptask_proxy_httpftp_host_lineEdit->setText(proxy.host);
    m_ui->httpftptask_proxy_httpftp_port_spinBox->setValue(proxy.port);
    m_ui->httpftptask_proxy_httpftp_username_lineEdit->setText(proxy.username);
    m_ui->httpftptask_proxy_httpftp_password_lineEdit->setText(proxy.password);

    m_ui->httpftptask_url_lineEdit->clear();
    m_ui->httpftptask_url_lineEdit->setReadOnly(false);
    m_ui->httpftptask_referer_lineEdit->clear();
    m_ui->httpftptask_rename_lineEdit->clear();
    m_ui->httpftptask_converttype_label->clear();
    m_ui->httpftptask_desc_plainTextEdit->clear();
    m_ui->httpftptask_authentication_checkBox->setChecked(false);
    m_ui->httpftptask_username_lineEdit->clear();
    m_ui->httpftptask_password_lineEdit->clear();
    m_ui->httpftptask_authentication_widget->setEnabled(false);
    m_ui->httpftptask_mirrorurls_checkBox->setChecked(false);
    m_ui->httpftptask_mirrorurls_plainTextEdit->clear();
    m_ui->httpftptask_mirrorurls_plainTextEdit->setEnabled(false);
    m_ui->httpftptask_speedlimit_spinBox->setValue(0);
    m_ui->httpftptask_checksum_lineEdit->clear();
    m_ui->httpftptask_checksum_lineEdit->setReadOnly(false);
    m_ui->httpftptask_startdownload_pushButton->show();
    m_ui->httpftptask_cancel_pushButton->setText(tr("Cancel"));
    m_ui->httpftptask_tabWidget->setCurrentIndex(0);
    setWindowIconText(tr("New HTTP/FTP Task"));
}

int ApNewTaskDialog::runModal()
{
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    exec();
    stopProbe();
    return m_result;
}

bool ApNewTaskDialog::showForNewTask(int taskType, const QString &url)
{
    return showNew(taskType, url, nullptr);
}

bool ApNewTaskDialog::showNew(int taskType, const QString &url, const HandOver *handOver)
{
    if (taskType != HttpFtpTaskType)
        return false;
    m_taskType = taskType;
    m_result = Cancelled;
    m_taskKey.clear();
    resetForm();
    m_ui->httpftptask_url_lineEdit->setText(url);
    if (handOver)
        fillHandOver(*handOver);
    // A browser that hands a download over knows its name already.
    if (startsWithScheme(url, false) && m_ui->httpftptask_rename_lineEdit->text().isEmpty())
        startProbe(QUrl(url.trimmed()), 0);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    show();
    // The user's next keystrokes are the link (typed or pasted), not a
    // press of "Start Download".
    raise();
    activateWindow();
    m_ui->httpftptask_url_lineEdit->setFocus(Qt::ActiveWindowFocusReason);
    return true;
}

int ApNewTaskDialog::openForNewTask(int taskType, const QString &url)
{
    if (!showForNewTask(taskType, url))
        return Cancelled;
    return runModal();
}

void ApNewTaskDialog::finish(int result)
{
    m_result = result;
    stopProbe();
    hide();
    emit taskDialogFinished(result);
}

void ApNewTaskDialog::reject()
{
    finish(Cancelled);
}

int ApNewTaskDialog::openForProperties(int taskType, const QString &key)
{
    if (taskType != HttpFtpTaskType)
        return Cancelled;
    m_taskType = taskType;
    m_result = Cancelled;
    resetForm();
    const std::optional<TaskRecord> record = ApTaskStore().read(key.toLongLong());
    if (!record)
        return Cancelled;

    const QFileInfo path(record->savePathName);
    m_ui->httpftptask_saveto_comboBox->clear();
    m_ui->httpftptask_saveto_comboBox->addItem(QDir::toNativeSeparators(path.path()));
    m_ui->httpftptask_rename_lineEdit->setText(path.fileName());
    m_ui->httpftptask_url_lineEdit->setText(record->url);
    m_ui->httpftptask_referer_lineEdit->setText(record->referer);
    m_ui->httpftptask_desc_plainTextEdit->setPlainText(record->description);
    const QUrl url(record->url);
    const bool credentials = !url.userName().isEmpty() || !url.password().isEmpty();
    m_ui->httpftptask_authentication_checkBox->setChecked(credentials);
    m_ui->httpftptask_authentication_widget->setEnabled(credentials);
    m_ui->httpftptask_username_lineEdit->setText(url.userName());
    m_ui->httpftptask_password_lineEdit->setText(url.password());
    const bool mirrors = !record->mirrorUrls.isEmpty();
    m_ui->httpftptask_mirrorurls_checkBox->setChecked(mirrors);
    QString mirrorText;
    for (const QString &mirror : record->mirrorUrls)
        mirrorText += mirror + QLatin1Char('\n');
    m_ui->httpftptask_mirrorurls_plainTextEdit->setPlainText(mirrorText);
    // The limit may be changed here, also while the task runs; the
    // checksum is only shown.
    m_ui->httpftptask_speedlimit_spinBox->setValue(record->speedLimitKBps);
    m_ui->httpftptask_checksum_lineEdit->setText(record->expectedChecksum);
    m_ui->httpftptask_checksum_lineEdit->setReadOnly(true);
    m_propertiesId = record->id;

    const ApTvoSettingsValues values = m_manager->settingsValues();
    m_ui->httpftptask_proxy_httpftp_type_comboBox->setCurrentIndex(values.proxyType);
    m_ui->httpftptask_proxy_httpftp_host_lineEdit->setText(values.proxyHost);
    m_ui->httpftptask_proxy_httpftp_port_spinBox->setValue(values.proxyPort);
    m_ui->httpftptask_proxy_httpftp_username_lineEdit->setText(values.proxyUser);
    m_ui->httpftptask_proxy_httpftp_password_lineEdit->setText(values.proxyPassword);

    m_ui->httpftptask_startdownload_pushButton->hide();
    m_ui->httpftptask_cancel_pushButton->setText(tr("OK"));
    m_ui->httpftptask_tabWidget->setCurrentIndex(0);
    setWindowIconText(tr("HTTP/FTP Task Properties"));
    runModal();
    return Cancelled;
}

int ApNewTaskDialog::addWithoutShowing(const QString &url, const QString &fileName, int conversionMark)
{
    m_result = Cancelled;
    m_taskKey.clear();
    resetForm();
    m_ui->httpftptask_url_lineEdit->setText(url);
    m_ui->httpftptask_rename_lineEdit->setText(fileName);
    m_ui->httpftptask_converttype_label->setText(conversionMark == 1   ? QStringLiteral("+")
                                                 : conversionMark == 2 ? QStringLiteral("-")
                                                                       : QString());
    on_httpftptask_startdownload_pushButton_clicked();
    return m_result;
}

bool ApNewTaskDialog::showForHandOver(const QString &url, const HandOver &handOver)
{
    return showNew(HttpFtpTaskType, url, &handOver);
}

int ApNewTaskDialog::addHandOverWithoutShowing(const QString &url, const HandOver &handOver)
{
    m_result = Cancelled;
    m_taskKey.clear();
    resetForm();
    m_ui->httpftptask_url_lineEdit->setText(url);
    fillHandOver(handOver);
    on_httpftptask_startdownload_pushButton_clicked();
    return m_result;
}

void ApNewTaskDialog::fillHandOver(const HandOver &handOver)
{
    m_handOver = handOver;
    m_ui->httpftptask_referer_lineEdit->setText(handOver.referer);
    m_ui->httpftptask_rename_lineEdit->setText(handOver.fileName);
}

// Header probe

void ApNewTaskDialog::startProbe(const QUrl &url, int redirects)
{
    stopProbe();
    if (!url.isValid() || redirects > MaxProbeRedirects)
        return;
    m_probeRedirects = redirects;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept", "*/*");
    request.setRawHeader("User-Agent", m_handOver.userAgent.isEmpty() ? m_manager->settingsValues().userAgent
                                                                      : m_handOver.userAgent.toUtf8());
    if (!m_handOver.cookies.isEmpty() && BrowserHandOver::sendsCookiesTo(m_handOver.cookieOrigin, url))
        request.setRawHeader("Cookie", m_handOver.cookies.toUtf8());
    request.setRawHeader("Referer", m_ui->httpftptask_referer_lineEdit->text().trimmed().toUtf8());
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Connection", "close");
    m_probeReply = m_probeManager->get(request);
    // The answer's header is all the probe needs; the body is never read.
    connect(m_probeReply, &QNetworkReply::metaDataChanged, this, &ApNewTaskDialog::responseHeaderCallback);
    connect(m_probeReply, &QNetworkReply::finished, this, &ApNewTaskDialog::responseHeaderCallback);
}

void ApNewTaskDialog::stopProbe()
{
    if (!m_probeReply)
        return;
    QNetworkReply *reply = m_probeReply;
    m_probeReply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

void ApNewTaskDialog::responseHeaderCallback()
{
    QNetworkReply *reply = m_probeReply;
    if (!reply || sender() != reply)
        return;
    const QVariant statusValue = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!statusValue.isValid()) {
        if (reply->isFinished())
            stopProbe();
        return;
    }
    const int status = statusValue.toInt();
    const QUrl probed = reply->url();
    if (status == 301 || status == 302 || status == 303) {
        const QString location = QString::fromUtf8(reply->rawHeader("Location"));
        stopProbe();
        if (location.isEmpty())
            return;
        const QUrl target = QUrl(m_ui->httpftptask_url_lineEdit->text().trimmed()).resolved(QUrl(location));
        startProbe(target, m_probeRedirects + 1);
        return;
    }
    if (status == 200) {
        const QString name
            = probedFileName(reply->rawHeader("Content-Disposition"), probed.path(), QDateTime::currentDateTime());
        m_ui->httpftptask_rename_lineEdit->setText(name);
        stopProbe();
        emit probeFinished(name);
        return;
    }
    stopProbe();
}

// Slots of the form

void ApNewTaskDialog::on_httpftptask_url_lineEdit_editingFinished()
{
    const QString url = m_ui->httpftptask_url_lineEdit->text().trimmed();
    if (m_ui->httpftptask_startdownload_pushButton->isVisible() && startsWithScheme(url, false))
        startProbe(QUrl(url), 0);
}

void ApNewTaskDialog::on_httpftptask_authentication_checkBox_toggled(bool checked)
{
    m_ui->httpftptask_authentication_widget->setEnabled(checked);
}

void ApNewTaskDialog::on_httpftptask_mirrorurls_checkBox_toggled(bool checked)
{
    m_ui->httpftptask_mirrorurls_plainTextEdit->setEnabled(checked);
}

void ApNewTaskDialog::on_httpftptask_saveto_toolButton_clicked()
{
    QWidget::setVisible(false);
    const QString folder = QFileDialog::getExistingDirectory(
        nullptr, tr("Choose save path"), m_ui->httpftptask_saveto_comboBox->currentText(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    QWidget::setVisible(true);
    if (folder.isEmpty())
        return;
    const QString native = QDir::toNativeSeparators(folder);
    QComboBox *combo = m_ui->httpftptask_saveto_comboBox;
    int index = combo->findText(native, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        combo->insertItem(0, native);
        index = 0;
    }
    combo->setCurrentIndex(index);
    m_saveFolder = native;
}

void ApNewTaskDialog::on_httpftptask_cancel_pushButton_clicked()
{
    if (m_propertiesId != 0)
        applyProperties();
    finish(Cancelled);
}

void ApNewTaskDialog::applyProperties()
{
    // Only the speed limit is taken back from the properties; a running
    // task gets it at once.
    ApTaskStore store;
    const std::optional<TaskRecord> record = store.read(m_propertiesId);
    const int limit = m_ui->httpftptask_speedlimit_spinBox->value();
    m_propertiesId = 0;
    if (!record || record->speedLimitKBps == limit)
        return;
    if (limit > 0)
        store.writeValue(record->id, TaskKeys::SpeedLimit, limit);
    else
        store.removeValue(record->id, TaskKeys::SpeedLimit);
    m_manager->setTaskSpeedLimit(record->savePathName, qint64(limit) * 1024);
}

void ApNewTaskDialog::on_httpftptask_startdownload_pushButton_clicked()
{
    QString url = m_ui->httpftptask_url_lineEdit->text().trimmed();
    if (url.size() < 8 || !startsWithScheme(url, true)) {
        showInfoDialogHidingParent(this, tr("This is an incorrect URL. Please check the validity of input URL."),
                                   ApInfoDialog::OkOnly);
        return;
    }
    const QString referer = m_ui->httpftptask_referer_lineEdit->text().trimmed();

    QComboBox *combo = m_ui->httpftptask_saveto_comboBox;
    const QString folder = combo->currentText();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        showInfoDialogHidingParent(this, tr("The path you choose does not exist. Please choose another one."),
                                   ApInfoDialog::OkOnly);
        return;
    }
    // A folder given for these links only leaves the remembered ones alone.
    if (folder != m_activeOneOffFolder) {
        AppSettings::setDownloadedTo(folder);
        QStringList history;
        for (int i = 1; i < combo->count(); ++i) {
            if (QFileInfo::exists(combo->itemText(i)))
                history << combo->itemText(i);
        }
        AppSettings::setDownloadedToHistory(history);
    }

    QString name = m_ui->httpftptask_rename_lineEdit->text().trimmed();
    if (name.isEmpty()) {
        const QString path = QUrl(url).path();
        name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
    name = safeFileName(name);

    // Keys grow strictly within the run; a key some older task still holds
    // is never handed out again.
    ApTaskStore store;
    qint64 id = TaskIdGenerator::shared().next();
    while (store.contains(id))
        id = TaskIdGenerator::shared().next();
    const QString stamp = QDateTime::fromSecsSinceEpoch(id).toString(TimeStampFormat);
    name = name.isEmpty() ? stamp : stamp + QLatin1Char('_') + name;

    const QString savePath = QDir::toNativeSeparators(QDir(folder).filePath(name));
    if (QFileInfo::exists(savePath)) {
        showInfoDialogHidingParent(
            this, tr("A file with the same name already exists. Please choose another save path or file name."),
            ApInfoDialog::OkOnly);
        return;
    }

    if (m_ui->httpftptask_authentication_checkBox->isChecked()) {
        QUrl withCredentials(url);
        const QString user = m_ui->httpftptask_username_lineEdit->text().trimmed();
        const QString password = m_ui->httpftptask_password_lineEdit->text().trimmed();
        if (!user.isEmpty())
            withCredentials.setUserName(user);
        if (!password.isEmpty())
            withCredentials.setPassword(password);
        url = withCredentials.toString();
    }

    const QString checksum = normalisedChecksum(m_ui->httpftptask_checksum_lineEdit->text());
    if (checksum.isNull()) {
        showInfoDialogHidingParent(this, tr("The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, "
                                            "in hexadecimal digits."),
                                   ApInfoDialog::OkOnly);
        return;
    }

    QStringList mirrors;
    const QString mirrorText = m_ui->httpftptask_mirrorurls_plainTextEdit->toPlainText().trimmed();
    if (m_ui->httpftptask_mirrorurls_checkBox->isChecked() && !mirrorText.isEmpty()) {
        for (const QString &line : mirrorText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString mirror = line.trimmed();
            if (mirror.size() < 9 || !startsWithScheme(mirror, true)) {
                showInfoDialogHidingParent(this, tr("One or more mirror URLs are not valid."), ApInfoDialog::OkOnly);
                return;
            }
            mirrors << mirror;
        }
    }

    store.writeValue(id, TaskKeys::TaskType, HttpFtpTaskType);
    store.writeValue(id, TaskKeys::Url, url);
    store.writeValue(id, TaskKeys::Referer, referer);
    store.writeValue(id, TaskKeys::SavePathName, savePath);
    store.writeValue(id, TaskKeys::Description, m_ui->httpftptask_desc_plainTextEdit->toPlainText());
    store.writeValue(id, TaskKeys::MirrorUrls, mirrors);
    if (m_ui->httpftptask_speedlimit_spinBox->value() > 0)
        store.writeValue(id, TaskKeys::SpeedLimit, m_ui->httpftptask_speedlimit_spinBox->value());
    if (!checksum.isEmpty())
        store.writeValue(id, TaskKeys::ExpectedChecksum, checksum);
    if (!m_handOver.cookies.isEmpty() && !m_handOver.cookieOrigin.isEmpty()) {
        store.writeValue(id, TaskKeys::Cookies, m_handOver.cookies);
        store.writeValue(id, TaskKeys::CookieOrigin, m_handOver.cookieOrigin);
    }
    if (!m_handOver.userAgent.isEmpty())
        store.writeValue(id, TaskKeys::UserAgent, m_handOver.userAgent);

    const int proxyType = m_ui->httpftptask_proxy_httpftp_type_comboBox->currentIndex();
    const QString proxyHost = m_ui->httpftptask_proxy_httpftp_host_lineEdit->text();
    const int proxyPort = m_ui->httpftptask_proxy_httpftp_port_spinBox->value();
    const QString proxyUser = m_ui->httpftptask_proxy_httpftp_username_lineEdit->text();
    const QString proxyPassword = m_ui->httpftptask_proxy_httpftp_password_lineEdit->text();
    m_manager->settings().update([&](ApTvoSettingsValues &values) {
        values.proxyType = proxyType;
        values.proxyHost = proxyHost;
        values.proxyPort = proxyPort;
        values.proxyUser = proxyUser;
        values.proxyPassword = proxyPassword;
    });

    m_taskKey = ApTaskStore::keyFor(id);
    finish(TaskWritten);
}

void ApNewTaskDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    on_httpftptask_cancel_pushButton_clicked();
}

void ApNewTaskDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
