#pragma once

#include <QEvent>
#include <QPoint>

class QLabel;
class QMouseEvent;
class QWidget;

// Behaviour shared by the suite's frameless splash-type windows (the
// message window and the completion popup).

// Dragging by the window body: a press stores where the window was
// grabbed, each move puts the window's corner at the mouse minus that point.
class ApSplashDrag final
{
public:
    void press(const QMouseEvent *event);
    void move(QWidget *window, const QMouseEvent *event) const;

private:
    QPoint m_anchor;
};

// The close label lights up under the mouse. Returns true when the event
// was the mouse entering or leaving it.
bool updateCloseLabelHover(QLabel *closeLabel, QEvent::Type type);
