#include "apscheduletaskdialog.h"
#include "ui_apscheduletaskdialog.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QHelpEvent>
#include <QToolTip>

ApScheduleTaskDialog::ApScheduleTaskDialog(QWidget *parent, int lastOption)
    : QDialog(parent, Qt::Tool)
    , m_ui(new Ui::ApScheduleTaskDialog)
{
    m_ui->setupUi(this);
    // The tool tip carries the time of the moment it is shown.
    m_ui->timer_label->installEventFilter(this);
    if (lastOption == TurnOffWhenDone) {
        m_ui->turnoff_computer_radioButton->setChecked(true);
        m_ui->timedtask_widget->setEnabled(false);
    } else {
        m_ui->schedule_timedtask_radioButton->setChecked(true);
        m_ui->timedtask_widget->setEnabled(true);
    }
}

ApScheduleTaskDialog::~ApScheduleTaskDialog()
{
    delete m_ui;
}

QString ApScheduleTaskDialog::timerToolTip(const QDateTime &now)
{
    return tr("Task will be started after the time expires.\nCurrent Time: ")
        + now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

int ApScheduleTaskDialog::run()
{
    m_result = Cancelled;
    exec();
    return m_result;
}

bool ApScheduleTaskDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->timer_label && event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), timerToolTip(QDateTime::currentDateTime()), m_ui->timer_label);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ApScheduleTaskDialog::closeEvent(QCloseEvent *event)
{
    // Closing the window is Cancel.
    event->ignore();
    finish(Cancelled);
}

void ApScheduleTaskDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void ApScheduleTaskDialog::on_turnoff_computer_radioButton_toggled(bool checked)
{
    if (checked)
        m_ui->timedtask_widget->setEnabled(false);
}

void ApScheduleTaskDialog::on_schedule_timedtask_radioButton_toggled(bool checked)
{
    if (checked)
        m_ui->timedtask_widget->setEnabled(true);
}

void ApScheduleTaskDialog::on_ok_pushButton_clicked()
{
    if (m_ui->turnoff_computer_radioButton->isChecked()) {
        m_option = TurnOffWhenDone;
    } else if (m_ui->schedule_timedtask_radioButton->isChecked()) {
        m_option = TimedTask;
        m_action = m_ui->timedtasks_comboBox->currentIndex();
        m_hours = m_ui->hours_spinBox->value();
        m_minutes = m_ui->minutes_spinBox->value();
    }
    finish(Accepted);
}

void ApScheduleTaskDialog::on_cancel_pushButton_clicked()
{
    finish(Cancelled);
}

void ApScheduleTaskDialog::finish(int result)
{
    m_result = result;
    // done() hides the dialog and ends its modal run.
    done(result == Accepted ? QDialog::Accepted : QDialog::Rejected);
}
