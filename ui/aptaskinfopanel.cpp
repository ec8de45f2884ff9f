#include "aptaskinfopanel.h"
#include "ui_aptaskinfopanel.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSet>
#include <QStyleFactory>
#include <QTableWidget>
#include <QUrl>

#include "apgeolocation.h"
#include "applicationinfo.h"
#include "apsliceprogressbar.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "commonfunctions.h"
#include "lefttorighttextdelegate.h"
#include "taskstore.h"

namespace {
constexpr int IndexRole = Qt::UserRole;
constexpr int StateRole = ApTaskInfoPanel::ConnectionStateRole;
constexpr int UnknownSlices = 200;

enum Column { StatusColumn = 0, SizeColumn = 1, UrlColumn = 2, SpeedColumn = 3, ProgressColumn = 4 };

QString unknownText() { return QStringLiteral("..."); }

// A connection that serves, served or failed a range; idle ones without a
// range are left out.
bool inUse(const ApTvoConnectionSnapshot &c)
{
    return c.state != 0;
}
} // namespace

ApTaskInfoPanel::ApTaskInfoPanel(const ApplicationInfo *info, ApTvoManager *manager, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::ApTaskInfoPanel)
    , m_info(info)
    , m_manager(manager)
    , m_bar(new ApSliceProgressBar(this))
    , m_launcher([info](const QStringList &arguments) {
        return Common::startCompanion(*info, Common::CompanionLocationViewer, arguments);
    })
{
    m_ui->setupUi(this);
    m_bar->setObjectName(QStringLiteral("taskinfo_httpftp_downloaded_sliceProgressBar"));
    m_bar->setup(652, 26, true, 12, 2, ApSliceProgressBar::PercentText, true);
    m_ui->taskinfo_httpftp_downloaded_horizontalLayout->addWidget(m_bar);
    m_ui->taskinfo_httpftp_downloaded_horizontalLayout->addStretch();

    QTableWidget *table = m_ui->taskinfo_httpftp_connections_tableWidget;
    QStyle *plastique = QStyleFactory::create(QStringLiteral("Plastique"));
    if (!plastique)
        plastique = QStyleFactory::create(QStringLiteral("Fusion"));
    if (plastique) {
        plastique->setParent(table);
        table->horizontalHeader()->setStyle(plastique);
    }
    table->verticalHeader()->setDefaultSectionSize(20);
    const int widths[] = {125, 90, 360, 100, 150};
    for (int column = 0; column < 5; ++column)
        table->setColumnWidth(column, widths[column]);
    table->setItemDelegateForColumn(UrlColumn, new LeftToRightTextDelegate(table));

    m_ui->taskinfo_httpftp_failurereasontitle_label->hide();
    m_ui->taskinfo_httpftp_failurereason_label->hide();
    // The advertisement places are filled by the web panels.
    m_ui->ad_window_banner_widget->hide();
    m_ui->ad_window_banner_widget_2->hide();
}

ApTaskInfoPanel::~ApTaskInfoPanel()
{
    delete m_ui;
}

QString ApTaskInfoPanel::connectionStateText(int state)
{
    switch (state) {
    case 1: return tr("Downloading");
    case 3: return tr("Paused");
    case 5: return tr("Completed");
    case 7: return tr("Failed");
    default: return tr("Loading...");
    }
}

QString ApTaskInfoPanel::connectionStateIcon(int state)
{
    switch (state) {
    case 1: return QStringLiteral(":/icons/download.png");
    case 3: return QStringLiteral(":/icons/paused.png");
    case 5: return QStringLiteral(":/icons/ok.png");
    case 7: return QStringLiteral(":/icons/failed.png");
    default: return QStringLiteral(":/icons/load.png");
    }
}

QStringList ApTaskInfoPanel::locationArguments(const QString &hostText)
{
    const int open = hostText.indexOf(QLatin1Char('['));
    const int close = hostText.indexOf(QLatin1Char(']'), open + 1);
    if (open < 0 || close < 0)
        return {};
    QString host = hostText.left(open).trimmed();
    const QString address = hostText.mid(open + 1, close - open - 1).trimmed();
    if (host.isEmpty() || address.isEmpty())
        return {};
    const QStringList labels = host.split(QLatin1Char('.'));
    if (labels.size() > 2)
        host = labels.mid(labels.size() - 2).join(QLatin1Char('.'));
    return {QStringLiteral("/geo-ip"), address + QLatin1Char('&') + host};
}

void ApTaskInfoPanel::clear()
{
    m_task = nullptr;
    m_path.clear();
    m_key.clear();
    m_previous.clear();
    m_ui->taskinfo_httpftp_connections_tableWidget->setRowCount(0);
}

void ApTaskInfoPanel::display(ApTvoDownloadTaskThread *task, int mode, const QString &savePath,
                              const QString &key)
{
    if (mode == Refresh && (task != m_task || savePath != m_path))
        mode = Build;
    if (mode == Build && savePath != m_path)
        m_previous.clear();
    m_task = task;
    m_path = savePath;
    m_key = key;

    fillFromStore(task != nullptr, key);

    const QList<ApTvoConnectionSnapshot> connections = task ? task->connectionSnapshots()
                                                            : QList<ApTvoConnectionSnapshot>();
    if (mode == Build) {
        const QFileInfo file(savePath);
        showPathLabels();
        buildRows(connections);
    } else {
        refreshRows(connections);
    }
    showSlices(task);

    const QString reason = task && task->task().state.load() == TaskFailed ? task->task().failureReason()
                                                                           : QString();
    m_ui->taskinfo_httpftp_failurereason_label->setText(reason);
    m_ui->taskinfo_httpftp_failurereasontitle_label->setVisible(!reason.isEmpty());
    m_ui->taskinfo_httpftp_failurereason_label->setVisible(!reason.isEmpty());
}

void ApTaskInfoPanel::fillFromStore(bool running, const QString &key)
{
    bool ok = false;
    const qint64 id = key.toLongLong(&ok);
    const std::optional<TaskRecord> record = ok ? ApTaskStore().read(id) : std::nullopt;
    if (!record) {
        m_ui->taskinfo_httpftp_sha1hash_label->setText(unknownText());
        m_ui->taskinfo_httpftp_urlhost_label->setText(unknownText());
        m_ui->taskinfo_httpftp_urlhost_toolButton->setIcon(QIcon());
        return;
    }
    // A running task's file is still changing: its hash is not shown.
    if (running)
        m_ui->taskinfo_httpftp_sha1hash_label->clear();
    else
        m_ui->taskinfo_httpftp_sha1hash_label->setText(record->fileHash.isEmpty() ? unknownText() : record->fileHash);

    const QString host = QUrl(record->url).host();
    const QString hostText = record->urlHostIp.isEmpty()
        ? host
        : host + QStringLiteral(" [") + record->urlHostIp + QLatin1Char(']');
    m_ui->taskinfo_httpftp_urlhost_label->setText(hostText.isEmpty() ? unknownText() : hostText);
    showFlag(key, record->urlCountryCode, record->urlHostIp);
}

void ApTaskInfoPanel::showFlag(const QString &key, const QString &storedCode, const QString &address)
{
    QToolButton *flag = m_ui->taskinfo_httpftp_urlhost_toolButton;
    if (!storedCode.isEmpty()) {
        flag->setIcon(QIcon(QStringLiteral(":/icons/flags/") + storedCode + QStringLiteral(".png")));
        flag->setToolTip(storedCode.toUpper());
        return;
    }
    flag->setToolTip(QString());
    const QString unknownIcon = QStringLiteral(":/icons/info.png");
    if (!m_manager || !m_manager->locationDatabaseLoaded() || !m_manager->geoLocation()) {
        flag->setIcon(QIcon(unknownIcon));
        return;
    }
    bool ok = false;
    const quint32 ip = ApGeoLocation::addressFromText(address, &ok);
    const int index = ok ? m_manager->geoLocation()->lookup(ip) : -1;
    if (index < 0) {
        flag->setIcon(QIcon(unknownIcon));
        return;
    }
    const QString code = m_manager->geoLocation()->codeAt(index);
    if (code == ApGeoLocation::NoCode) {
        flag->setIcon(QIcon(QStringLiteral(":/icons/question.png")));
        return;
    }
    const QString lower = code.toLower();
    ApTaskStore().writeValue(key.toLongLong(), TaskKeys::UrlCountryCode, lower);
    flag->setIcon(QIcon(QStringLiteral(":/icons/flags/") + lower + QStringLiteral(".png")));
    flag->setToolTip(lower.toUpper());
}

void ApTaskInfoPanel::buildRows(const QList<ApTvoConnectionSnapshot> &connections)
{
    m_ui->taskinfo_httpftp_connections_tableWidget->setRowCount(0);
    for (int index = 0; index < connections.size(); ++index) {
        if (inUse(connections.at(index)))
            appendRow(index, connections.at(index));
    }
}

void ApTaskInfoPanel::refreshRows(const QList<ApTvoConnectionSnapshot> &connections)
{
    QTableWidget *table = m_ui->taskinfo_httpftp_connections_tableWidget;
    QSet<int> shown;
    for (int row = 0; row < table->rowCount(); ++row) {
        const int index = table->item(row, StatusColumn)->data(IndexRole).toInt();
        shown.insert(index);
        if (index < connections.size())
            setRowCells(row, connections.at(index));
    }
    // Connections that joined since the rows were built get theirs now.
    for (int index = 0; index < connections.size(); ++index) {
        if (!shown.contains(index) && inUse(connections.at(index)))
            appendRow(index, connections.at(index));
    }
}

void ApTaskInfoPanel::appendRow(int index, const ApTvoConnectionSnapshot &connection)
{
    QTableWidget *table = m_ui->taskinfo_httpftp_connections_tableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    auto *status = new QTableWidgetItem;
    status->setData(IndexRole, index);
    table->setItem(row, StatusColumn, status);
    table->setItem(row, SizeColumn, new QTableWidgetItem);
    auto *url = new QTableWidgetItem(connection.url);
    url->setToolTip(connection.url);
    table->setItem(row, UrlColumn, url);
    table->setItem(row, SpeedColumn, new QTableWidgetItem);
    auto *bar = new ApSliceProgressBar;
    bar->setup(0, 18, false, 8, 0, ApSliceProgressBar::PlusText, false);
    bar->setDoneColor(QColor(225, 113, 0));
    bar->setBarColor(QColor(0, 147, 0));
    table->setCellWidget(row, ProgressColumn, bar);
    setRowCells(row, connection);
}

void ApTaskInfoPanel::setRowCells(int row, const ApTvoConnectionSnapshot &connection)
{
    QTableWidget *table = m_ui->taskinfo_httpftp_connections_tableWidget;
    const int index = table->item(row, StatusColumn)->data(IndexRole).toInt();
    QTableWidgetItem *status = table->item(row, StatusColumn);
    const QString text = connectionStateText(connection.state);
    status->setData(StateRole, connection.state);
    status->setText(text);
    status->setToolTip(text);
    status->setIcon(QIcon(connectionStateIcon(connection.state)));
    table->item(row, SizeColumn)->setText(Common::sizeText(double(qMax<qint64>(0, connection.end - connection.start))));
    table->item(row, SpeedColumn)->setText(speedFor(index, connection.bytesReceived));
    if (auto *bar = qobject_cast<ApSliceProgressBar *>(table->cellWidget(row, ProgressColumn))) {
        if (connection.sliceFlags.isEmpty())
            bar->clearBlocks();
        else
            bar->setBlocks(connection.sliceFlags);
    }
}

QString ApTaskInfoPanel::speedFor(int index, qint64 bytes)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const auto found = m_previous.constFind(index);
    QString text = QStringLiteral("-");
    if (found != m_previous.constEnd()) {
        const qint64 seconds = (now - found->timeMs) / 1000;
        if (seconds > 0)
            text = Common::speedText(double(qMax<qint64>(0, bytes - found->bytes)) / double(seconds));
    }
    m_previous[index] = Previous{bytes, now};
    return text;
}

void ApTaskInfoPanel::showSlices(ApTvoDownloadTaskThread *task)
{
    if (task) {
        // The file's own slices, earlier runs included, and the percentage
        // of the progress pass that the table and the store show too.
        const QVector<int> slices = task->fileSlices(UnknownSlices);
        if (slices.isEmpty())
            m_bar->clearBlocks();
        else
            m_bar->setBlocks(slices);
        const qint64 completed = task->task().passCompleted.load();
        const qint64 total = task->task().passTotal.load();
        m_bar->setPercentage(completed >= 0 && total > 0 ? double(qMin(completed, total)) * 100.0 / double(total)
                                                          : -1.0);
        return;
    }
    m_bar->setPercentage(-1.0);
    // A task that is not running: its stored progress, from the start.
    bool ok = false;
    const std::optional<TaskRecord> record = ApTaskStore().read(m_key.toLongLong(&ok));
    if (!ok || !record) {
        m_bar->clearBlocks();
        return;
    }
    const qint64 total = record->state == TaskCompleted ? record->completedSize : record->size;
    const int percentage = record->state == TaskCompleted ? 100 : TaskStore::percentage(record->completedSize, total);
    QVector<int> stored(UnknownSlices, 0);
    const int done = UnknownSlices * qBound(0, percentage, 100) / 100;
    for (int i = 0; i < done; ++i)
        stored[i] = 1;
    m_bar->setBlocks(stored);
}

void ApTaskInfoPanel::on_taskinfo_httpftp_preview_toolButton_clicked()
{
    if (m_task)
        emit previewRequested(m_task->task().savePath);
}

void ApTaskInfoPanel::on_taskinfo_httpftp_urlhost_toolButton_clicked()
{
    const QStringList arguments = locationArguments(m_ui->taskinfo_httpftp_urlhost_label->text());
    if (!arguments.isEmpty() && m_launcher)
        m_launcher(arguments);
}

void ApTaskInfoPanel::showPathLabels()
{
    const QFileInfo file(m_path);
    m_ui->taskinfo_httpftp_filename_label->setText(LeftToRightTextDelegate::isolated(file.fileName()));
    m_ui->taskinfo_httpftp_savepath_label->setText(
        LeftToRightTextDelegate::isolated(QDir::toNativeSeparators(file.absolutePath())));
}

void ApTaskInfoPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && !m_ui->taskinfo_httpftp_filename_label->text().isEmpty()) {
        const QString hash = m_ui->taskinfo_httpftp_sha1hash_label->text();
        const QString host = m_ui->taskinfo_httpftp_urlhost_label->text();
        m_ui->retranslateUi(this);
        showPathLabels();
        m_ui->taskinfo_httpftp_sha1hash_label->setText(hash);
        m_ui->taskinfo_httpftp_urlhost_label->setText(host);
        // The connection rows say their states in the new language too.
        QTableWidget *table = m_ui->taskinfo_httpftp_connections_tableWidget;
        for (int row = 0; row < table->rowCount(); ++row) {
            QTableWidgetItem *status = table->item(row, StatusColumn);
            const QString text = connectionStateText(status->data(StateRole).toInt());
            status->setText(text);
            status->setToolTip(text);
        }
    }
    QWidget::changeEvent(event);
}
