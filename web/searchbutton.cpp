#include "searchbutton.h"

#include <QMenu>
#include <QMouseEvent>

SearchButton::SearchButton(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("search_button_label"));
    setMaximumSize(22, 22);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    showSearchIcon();
}

void SearchButton::showSearchIcon()
{
    setPixmap(QPixmap(QStringLiteral(":/icons/search.png")));
}

QPoint SearchButton::menuPosition() const
{
    const QWidget *owner = parentWidget() ? parentWidget() : this;
    const int x = owner == this ? width() / 2 : geometry().center().x();
    return owner->mapToGlobal(QPoint(x, owner->height()));
}

void SearchButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_menu) {
        m_menu->popup(menuPosition());
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}
