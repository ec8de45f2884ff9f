#include "aptbwidgets.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

// ApTBit

ApTBit::ApTBit(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ApTBit::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void ApTBit::setText(const QString &text)
{
    m_text = text;
    updateGeometry();
    update();
}

QSize ApTBit::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int pictureWidth = m_picture.isNull() ? 0 : m_picture.width() + 6;
    return {pictureWidth + metrics.horizontalAdvance(m_text) + 12,
            qMax(m_picture.height(), metrics.height()) + 8};
}

void ApTBit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    int x = 6;
    if (!m_picture.isNull()) {
        painter.drawPixmap(x, (height() - m_picture.height()) / 2, m_picture);
        x += m_picture.width() + 6;
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, m_text);
}

void ApTBit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos())) {
        // Taken here: the button around it must not count the click twice.
        event->accept();
        emit touchMade();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

// ApTBt

ApTBt::ApTBt(QWidget *parent, int width)
    : QWidget(parent)
    , m_item(new ApTBit(this))
{
    setFixedWidth(width);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_item);
    connect(m_item, &ApTBit::touchMade, this, &ApTBt::collapse);
}

void ApTBt::collapse()
{
    emit touchMade();
    if (m_collapsible)
        m_expanded = !m_expanded;
}

void ApTBt::makeFading()
{
    if (!isEnabled()) {
        m_level = LowLevel;
        m_fading = false;
        update();
        return;
    }
    bool again;
    if (m_hover) {
        m_level = qMin(HighLevel, m_level + RiseStep);
        again = m_level < HighLevel;
    } else {
        m_level = qMax(LowLevel, m_level - FallStep);
        again = m_level > LowLevel;
    }
    update();
    m_item->refreshOp();
    m_fading = again;
    if (again)
        QTimer::singleShot(FadeIntervalMs, this, &ApTBt::makeFading);
}

void ApTBt::enterEvent(QEvent *event)
{
    m_hover = true;
    if (!m_fading)
        makeFading();
    QWidget::enterEvent(event);
}

void ApTBt::leaveEvent(QEvent *event)
{
    m_hover = false;
    if (!m_fading)
        makeFading();
    QWidget::leaveEvent(event);
}

void ApTBt::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit touchMade();
    QWidget::mouseReleaseEvent(event);
}

void ApTBt::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_level = LowLevel;
        update();
    }
    QWidget::changeEvent(event);
}

void ApTBt::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlphaF(m_level * 0.6);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, highlight.lighter(130));
    gradient.setColorAt(1, highlight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 3, 3);
}

// ApTBb

ApTBb::ApTBb(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_picture(new QLabel(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_picture->setObjectName(QStringLiteral("tbb_picture_label"));
    m_picture->setScaledContents(false);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_picture->hide();
    m_layout->addWidget(m_picture);
}

void ApTBb::setHeader(QWidget *header)
{
    m_header = header;
    m_layout->insertWidget(0, header);
    if (auto *button = qobject_cast<ApTBt *>(header))
        connect(button, &ApTBt::touchMade, this, &ApTBb::handleDisplayView);
}

void ApTBb::setContent(QWidget *content)
{
    m_content = content;
    m_layout->insertWidget(m_layout->indexOf(m_picture), content);
}

void ApTBb::handleDisplayView()
{
    if (m_moving)
        return;
    if (m_folded)
        unfoldView();
    else
        foldView();
}

void ApTBb::foldView()
{
    if (!m_content || m_folded || m_moving)
        return;
    m_fullHeight = m_content->height();
    m_stepHeight = qMax(1, m_fullHeight / m_steps);
    m_currentHeight = m_fullHeight;
    m_picture->setPixmap(m_content->grab());
    m_picture->setFixedHeight(m_fullHeight);
    m_content->hide();
    m_picture->show();
    m_moving = true;
    QTimer::singleShot(m_delayMs, this, &ApTBb::foldStep);
}

void ApTBb::foldStep()
{
    m_currentHeight = qMax(0, m_currentHeight - m_stepHeight);
    m_picture->setFixedHeight(m_currentHeight);
    if (m_currentHeight > 0) {
        QTimer::singleShot(m_delayMs, this, &ApTBb::foldStep);
        return;
    }
    m_moving = false;
    m_folded = true;
    emit folded();
}

void ApTBb::unfoldView()
{
    if (!m_content || !m_folded || m_moving)
        return;
    if (m_fullHeight <= 0)
        m_fullHeight = m_content->sizeHint().height();
    m_stepHeight = qMax(1, m_fullHeight / m_steps);
    m_currentHeight = 0;
    m_moving = true;
    QTimer::singleShot(m_delayMs, this, &ApTBb::unfoldStep);
}

void ApTBb::unfoldStep()
{
    m_currentHeight = qMin(m_fullHeight, m_currentHeight + m_stepHeight);
    m_picture->setFixedHeight(m_currentHeight);
    if (m_currentHeight < m_fullHeight) {
        QTimer::singleShot(m_delayMs, this, &ApTBb::unfoldStep);
        return;
    }
    m_picture->hide();
    m_content->show();
    m_content->setMinimumHeight(0);
    m_content->setMaximumHeight(9999);
    setMinimumHeight(0);
    setMaximumHeight(9999);
    m_moving = false;
    m_folded = false;
    emit unfolded();
}

// ApTBg

void ApTBg::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Up) {
            focusNextPrevChild(false);
            return;
        }
        if (event->key() == Qt::Key_Down) {
            focusNextPrevChild(true);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

// ApTBm

void ApTBm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_brush);
}
