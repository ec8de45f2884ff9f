#include "apspeedgui.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

ApSpeedGui::ApSpeedGui(QWidget *parent)
    : QWidget(parent)
    , m_graph(GraphHeight, Step)
{
    setObjectName(QStringLiteral("speedgui_widget"));
    setFixedHeight(GraphHeight);
    setMinimumWidth(60);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ApSpeedGui::paintEvent(QPaintEvent *)
{
    m_graph.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(0, 0, m_graph.backBuffer());
}

void ApSpeedGui::resizeEvent(QResizeEvent *event)
{
    m_graph.setWidth(event->size().width());
    QWidget::resizeEvent(event);
}

void ApSpeedGui::mouseMoveEvent(QMouseEvent *event)
{
    QToolTip::showText(event->globalPos(), m_graph.rateText(), this);
    QWidget::mouseMoveEvent(event);
}
