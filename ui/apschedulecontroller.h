#pragma once

#include <QObject>

#include <functional>

class ApPolicingThread;
class QAction;
class QLabel;
class QWidget;

// The window's one schedule: the "Schedule Task" action opens the schedule
// dialog or cancels the pending schedule, the status bar shows a picture
// (with the action as its tool tip) and a text while one is armed, and the
// policing thread watches it and calls the window back when it is due.
class ApScheduleController final : public QObject
{
    Q_OBJECT

public:
    // window: the dialog's parent. The status widgets are created here; the
    // window places them in its status bar.
    ApScheduleController(QWidget *window, ApPolicingThread *policing, QAction *action);

    QWidget *statusWidget() const;
    QLabel *statusLabel() const { return m_statusLabel; }
    QAction *action() const { return m_action; }
    bool isActive() const;

    // Called with true while the dialog runs (the tray ignores clicks then).
    void setModalFlagHandler(std::function<void(bool)> handler) { m_modalFlag = std::move(handler); }

    // The action was triggered: cancel the armed schedule, or ask for one.
    void toggle();
    // The schedule was carried out: status items hidden, action text reset.
    void reset();
    // The policing thread's periodic status text.
    void setStatusText(const QString &text);

    // The status picture's tool tip for an option and action.
    static QString actionToolTip(int option, int action);
    static QString scheduleText();
    static QString cancelText();

signals:
    // The dialog was accepted and the schedule armed.
    void scheduleArmed(int option, int action, int minutes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(ApScheduleController)
    void showStatus(bool shown);

    QWidget *m_window;
    ApPolicingThread *m_policing;
    QAction *m_action;
    QLabel *m_statusPicture;
    QLabel *m_statusLabel;
    std::function<void(bool)> m_modalFlag;
};
