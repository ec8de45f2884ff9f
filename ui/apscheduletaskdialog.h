#pragma once

#include <QDialog>

namespace Ui {
class ApScheduleTaskDialog;
}

// Asks for the one scheduled action: turn the computer off when the
// downloads have finished, or act on a timer.
class ApScheduleTaskDialog final : public QDialog
{
    Q_OBJECT

public:
    enum Result { Accepted = 0, Cancelled = 1 };
    enum Option { TurnOffWhenDone = 0, TimedTask = 1 };

    // lastOption: the option chosen last ("ScheduleTaskOption").
    ApScheduleTaskDialog(QWidget *parent, int lastOption);
    ~ApScheduleTaskDialog() override;

    // Runs the dialog modally; returns Accepted or Cancelled.
    int run();

    int result() const { return m_result; }
    int option() const { return m_option; }
    int action() const { return m_action; }
    int hours() const { return m_hours; }
    int minutes() const { return m_minutes; }
    int delayMinutes() const { return m_hours * 60 + m_minutes; }

    // The timer picture's tool tip, with the time given.
    static QString timerToolTip(const QDateTime &now);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_turnoff_computer_radioButton_toggled(bool checked);
    void on_schedule_timedtask_radioButton_toggled(bool checked);
    void on_ok_pushButton_clicked();
    void on_cancel_pushButton_clicked();

private:
    Q_DISABLE_COPY(ApScheduleTaskDialog)
    void finish(int result);

    Ui::ApScheduleTaskDialog *m_ui;
    int m_result = Cancelled;
    int m_option = TurnOffWhenDone;
    int m_action = 0;
    int m_hours = 0;
    int m_minutes = 0;
};
