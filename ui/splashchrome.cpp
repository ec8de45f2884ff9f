#include "splashchrome.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

void ApSplashDrag::press(const QMouseEvent *event) { m_anchor = event->pos(); }

void ApSplashDrag::move(QWidget *window, const QMouseEvent *event) const
{
    window->move(event->globalPos() - m_anchor);
}

bool updateCloseLabelHover(QLabel *closeLabel, QEvent::Type type)
{
    if (type == QEvent::Enter) {
        closeLabel->setPixmap(QPixmap(QStringLiteral(":/icons/closeover_btn.png")));
        return true;
    }
    if (type == QEvent::Leave) {
        closeLabel->setPixmap(QPixmap(QStringLiteral(":/icons/close_btn.png")));
        return true;
    }
    return false;
}
