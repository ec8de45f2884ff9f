#include "apschedulecontroller.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPixmap>

#include "appolicingthread.h"
#include "appsettings.h"
#include "apscheduletaskdialog.h"

ApScheduleController::ApScheduleController(QWidget *window, ApPolicingThread *policing, QAction *action)
    : QObject(window)
    , m_window(window)
    , m_policing(policing)
    , m_action(action)
    , m_statusPicture(new QLabel(window))
    , m_statusLabel(new QLabel(window))
{
    m_statusPicture->setObjectName(QStringLiteral("scheduletask_status_widget"));
    m_statusPicture->setPixmap(QPixmap(QStringLiteral(":/icons/timer.png")));
    m_statusLabel->setObjectName(QStringLiteral("scheduletask_status_label"));
    m_action->setText(scheduleText());
    showStatus(false);
    // The action's text follows the interface language.
    window->installEventFilter(this);
}

bool ApScheduleController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::LanguageChange)
        m_action->setText(m_policing->scheduleActive() ? cancelText() : scheduleText());
    return QObject::eventFilter(watched, event);
}

QWidget *ApScheduleController::statusWidget() const { return m_statusPicture; }

bool ApScheduleController::isActive() const { return m_policing->scheduleActive(); }

QString ApScheduleController::scheduleText() { return tr("Schedule Task"); }
QString ApScheduleController::cancelText() { return tr("Cancel Scheduled Task"); }

QString ApScheduleController::actionToolTip(int option, int action)
{
    if (option == ApScheduleTaskDialog::TurnOffWhenDone)
        return tr("Turn off computer after download finish");
    switch (action) {
    case ApPolicingThread::SchedulePowerOff: return tr("Turn off computer");
    case ApPolicingThread::ScheduleLogOff: return tr("Log off");
    case 2: return tr("Start all tasks");
    case 3: return tr("Pause all tasks");
    case 4: return tr("Stop all tasks");
    default: return QString();
    }
}

void ApScheduleController::showStatus(bool shown)
{
    m_statusPicture->setVisible(shown);
    m_statusLabel->setVisible(shown);
}

void ApScheduleController::toggle()
{
    if (m_policing->scheduleActive()) {
        m_policing->disarmSchedule();
        reset();
        return;
    }

    const int lastOption = AppSettings::scheduleTaskOption();
    auto *dialog = new ApScheduleTaskDialog(m_window, lastOption);
    dialog->setObjectName(QStringLiteral("ApScheduleTaskDialog"));
    if (m_modalFlag)
        m_modalFlag(true);
    const int result = dialog->run();
    if (m_modalFlag)
        m_modalFlag(false);

    if (result == ApScheduleTaskDialog::Accepted) {
        const int option = dialog->option();
        const int action = option == ApScheduleTaskDialog::TimedTask ? dialog->action() : 0;
        const int minutes = option == ApScheduleTaskDialog::TimedTask ? dialog->delayMinutes() : 0;
        m_policing->armSchedule(option, action, minutes);
        AppSettings::setScheduleTaskOption(option);
        m_action->setText(cancelText());
        m_statusLabel->setText(tr("Task Scheduled"));
        m_statusPicture->setToolTip(actionToolTip(option, action));
        m_statusLabel->setToolTip(actionToolTip(option, action));
        showStatus(true);
        emit scheduleArmed(option, action, minutes);
    }
    delete dialog;
}

void ApScheduleController::reset()
{
    showStatus(false);
    m_action->setText(scheduleText());
}

void ApScheduleController::setStatusText(const QString &text)
{
    m_statusLabel->setText(text);
    // A text arriving after the schedule ended would show a stale schedule.
    if (m_policing->scheduleActive())
        showStatus(true);
}
