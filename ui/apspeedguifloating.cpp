#include "apspeedguifloating.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

ApSpeedGuiFloating::ApSpeedGuiFloating(qint64 scale, int height, int step)
    : QSplashScreen(QPixmap(), Qt::SplashScreen | Qt::WindowStaysOnTopHint)
    , m_graph(height, step, scale)
{
    setObjectName(QStringLiteral("floating_speedWindow"));
    setWindowTitle(QStringLiteral("zantor"));
    setWindowOpacity(Opacity);
    setFixedHeight(height);
    setAcceptDrops(true);
    setMouseTracking(true);
    setCursor(Qt::OpenHandCursor);
}

void ApSpeedGuiFloating::setPicture(const QString &path)
{
    const QPixmap picture(path);
    if (picture.isNull())
        return;
    setPixmap(picture);
    setFixedSize(picture.width(), m_graph.height());
    setMask(picture.createHeuristicMask());
}

void ApSpeedGuiFloating::raiseOnTop()
{
    setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    show();
    raise();
}

void ApSpeedGuiFloating::paintEvent(QPaintEvent *)
{
    m_graph.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(0, 0, m_graph.backBuffer());
    // The picture's rim around the graph, so the window keeps its outline.
    const QPixmap picture = pixmap();
    if (picture.isNull())
        return;
    const QColor rim = picture.toImage().pixelColor(picture.width() / 2, 0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(rim, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}

void ApSpeedGuiFloating::resizeEvent(QResizeEvent *event)
{
    m_graph.setWidth(event->size().width());
    QSplashScreen::resizeEvent(event);
}

// The splash screen's own press handling hides it; this one drags it.
void ApSpeedGuiFloating::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPos = event->pos();
        m_dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }
    event->accept();
}

void ApSpeedGuiFloating::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_pressPos);
    else
        QToolTip::showText(event->globalPos(), m_graph.rateText(), this);
    event->accept();
}

void ApSpeedGuiFloating::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        setCursor(Qt::OpenHandCursor);
    }
    event->accept();
}

void ApSpeedGuiFloating::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
    emit doubleClicked();
    event->accept();
}

void ApSpeedGuiFloating::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

void ApSpeedGuiFloating::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
    emit changed(event->mimeData());
}

void ApSpeedGuiFloating::dragMoveEvent(QDragMoveEvent *event)
{
    event->accept();
}

// What a dropped link should do is still open; the drop is refused.
void ApSpeedGuiFloating::dropEvent(QDropEvent *event)
{
    event->ignore();
}
