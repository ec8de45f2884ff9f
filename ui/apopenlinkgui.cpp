#include "apopenlinkgui.h"
#include "ui_apopenlinkgui.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>

#include <limits>

#include "apinfodialog.h"
#include "apnewtaskdialog.h"
#include "appsettings.h"
#include "apquickurldownloader.h"

ApOpenLinkGui::ApOpenLinkGui(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint)
    , m_ui(new Ui::ApOpenLinkGui)
    , m_downloader(new ApQuickUrlDownloader(0, this))
{
    m_ui->setupUi(this);
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Plastique")) ?: QStyleFactory::create(QStringLiteral("Fusion"))) {
        style->setParent(m_ui->download_progressBar);
        m_ui->download_progressBar->setStyle(style);
    }
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    // Links go to the download folder unless another one is chosen.
    m_ui->savepath_lineEdit->setText(QDir::toNativeSeparators(AppSettings::downloadedTo()));
    connect(m_downloader, &ApQuickUrlDownloader::fileDownloadedToDisk, this,
            &ApOpenLinkGui::fileDownloadedToDiskCallback);
    connect(m_downloader, &ApQuickUrlDownloader::fileDownloadedProgress, this,
            &ApOpenLinkGui::fileDownloadedProgressCallback);
    connect(m_downloader, &ApQuickUrlDownloader::errorMessageSignal, this,
            &ApOpenLinkGui::errorMessageSignalCallback);
}

ApOpenLinkGui::~ApOpenLinkGui()
{
    m_downloader->cancel();
    dropPartFile();
    delete m_ui;
}

void ApOpenLinkGui::dropPartFile()
{
    if (!m_partPath.isEmpty())
        QFile::remove(m_partPath);
    m_partPath.clear();
}

QString ApOpenLinkGui::fileNameForLink(const QString &link)
{
    const QString path = QUrl(link).path();
    const QString name = ApNewTaskDialog::safeFileName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    return name.isEmpty() ? QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss")) : name;
}

void ApOpenLinkGui::on_ok_pushButton_clicked()
{
    if (m_mode != PlainLink && m_mode != TorrentLink)
        return;
    m_ui->info_label->clear();
    const QString link = m_ui->link_lineEdit->text().trimmed();
    if (!link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        && !link.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
        && !link.startsWith(QLatin1String("ftp://"), Qt::CaseInsensitive)) {
        m_ui->info_label->setText(tr("Invalid URL"));
        return;
    }
    QString folder = m_ui->savepath_lineEdit->text().trimmed();
    if (folder.isEmpty())
        folder = AppSettings::downloadedTo();
    QDir().mkpath(folder);
    const QString name = fileNameForLink(link);
    m_targetPath = QDir(folder).filePath(name);
    dropPartFile();
    // A fresh name of our own beside the target, so the rename at the end
    // stays within one file system.
    QTemporaryFile part(QDir(folder).filePath(QLatin1Char('.') + name + QStringLiteral(".XXXXXX.part")));
    if (part.open()) {
        // Only the name is kept: the downloader creates the file anew, so
        // it gets the usual permissions rather than a private temporary's.
        m_partPath = part.fileName();
        part.close();
        part.remove();
    }
    m_ui->ok_pushButton->setEnabled(false);
    m_ui->stackedWidget->setCurrentWidget(m_ui->progress_stackedPage);
    m_ui->download_progressBar->setRange(0, 0);
    // Without a part file the downloader reports the folder's open error.
    m_downloader->start(link, m_partPath.isEmpty() ? m_targetPath : m_partPath, false);
}

void ApOpenLinkGui::fileDownloadedProgressCallback(qint64 id, qint64 received, qint64 total)
{
    Q_UNUSED(id)
    if (total < 0) {
        m_ui->download_progressBar->setRange(0, 0);
        return;
    }
    // The bar counts in kilobytes once a size no longer fits its integer range.
    const int shift = total > std::numeric_limits<int>::max() ? 10 : 0;
    m_ui->download_progressBar->setRange(0, int(total >> shift));
    m_ui->download_progressBar->setValue(int(received >> shift));
}

void ApOpenLinkGui::fileDownloadedToDiskCallback(qint64 id)
{
    Q_UNUSED(id)
    if (!m_partPath.isEmpty()) {
        // rename() replaces an existing target in one step.
        if (std::rename(QFile::encodeName(m_partPath).constData(), QFile::encodeName(m_targetPath).constData()) != 0) {
            dropPartFile();
            errorMessageSignalCallback(ApQuickUrlDownloader::writeFailedText());
            return;
        }
        m_partPath.clear();
    }
    leaveWith(Downloaded);
}

void ApOpenLinkGui::errorMessageSignalCallback(const QString &error)
{
    dropPartFile();
    if (m_mode == TorrentLink) {
        leaveWith(Failed);
        showInfoDialog(nullptr, tr("Failed to download Torrent. %1").arg(error), ApInfoDialog::OkOnly);
        return;
    }
    m_ui->info_label->setText(error);
    m_ui->ok_pushButton->setEnabled(true);
    m_ui->stackedWidget->setCurrentWidget(m_ui->savepath_stackedPage);
}

void ApOpenLinkGui::on_cancel_pushButton_clicked()
{
    m_downloader->cancel();
    dropPartFile();
    leaveWith(Failed);
}

void ApOpenLinkGui::on_browse_toolButton_clicked()
{
    QWidget::setVisible(false);
    const QString folder = QFileDialog::getExistingDirectory(nullptr, tr("Choose save path"),
                                                             m_ui->savepath_lineEdit->text(), QFileDialog::ShowDirsOnly);
    QWidget::setVisible(true);
    if (!folder.isEmpty())
        m_ui->savepath_lineEdit->setText(QDir::toNativeSeparators(folder));
}

void ApOpenLinkGui::leaveWith(int result)
{
    m_result = result;
    m_ui->ok_pushButton->setEnabled(true);
    m_ui->stackedWidget->setCurrentWidget(m_ui->savepath_stackedPage);
    hide();
    emit linkDone(result);
}

void ApOpenLinkGui::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_downloader->cancel();
    dropPartFile();
    leaveWith(Failed);
}

void ApOpenLinkGui::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
