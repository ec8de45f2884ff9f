#include "apexlineedit.h"

#include <QApplication>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

ApExLineEdit::ApExLineEdit(QWidget *parent)
    : QWidget(parent)
    , m_lineEdit(new QLineEdit(this))
{
    m_lineEdit->setFrame(false);
    m_lineEdit->setObjectName(QStringLiteral("exlineedit_inner_lineEdit"));
    m_lineEdit->installEventFilter(this);
    setFocusPolicy(m_lineEdit->focusPolicy());
    setAttribute(Qt::WA_InputMethodEnabled);
    setSizePolicy(m_lineEdit->sizePolicy());
    setBackgroundRole(m_lineEdit->backgroundRole());
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_MacShowFocusRect, true);
    // The panel behind the inner field is painted by this widget.
    QPalette palette = m_lineEdit->palette();
    palette.setBrush(QPalette::Base, Qt::transparent);
    m_lineEdit->setPalette(palette);
    setFocusProxy(m_lineEdit);
    showPlaceholder();
}

ApExLineEdit::~ApExLineEdit() = default;

QString ApExLineEdit::placeholderText()
{
    return tr("Search...");
}

bool ApExLineEdit::isShowingPlaceholder() const
{
    return m_lineEdit->text().compare(placeholderText(), Qt::CaseInsensitive) == 0;
}

void ApExLineEdit::setLeftWidget(QWidget *widget)
{
    m_leftWidget = widget;
    if (m_leftWidget)
        m_leftWidget->setParent(this);
    updateGeometries();
}

QSize ApExLineEdit::sizeHint() const
{
    m_lineEdit->setFrame(true);
    const QSize size = m_lineEdit->sizeHint();
    m_lineEdit->setFrame(false);
    return size;
}

void ApExLineEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateGeometries();
}

void ApExLineEdit::updateGeometries()
{
    const QRect contents = contentsRect();
    int left = contents.left();
    if (m_leftWidget) {
        const int y = contents.top() + (contents.height() - m_leftWidget->height()) / 2;
        m_leftWidget->move(contents.left() + 2, y);
        left = m_leftWidget->geometry().right() + 1;
    }
    m_lineEdit->setGeometry(left + 1, 3, contents.right() - left, contents.height() - 3);
}

void ApExLineEdit::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.rect = contentsRect();
    panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    if (m_lineEdit->hasFocus())
        panel.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
}

void ApExLineEdit::focusInEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    QWidget::focusInEvent(event);
}

void ApExLineEdit::focusOutEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    QWidget::focusOutEvent(event);
}

void ApExLineEdit::keyPressEvent(QKeyEvent *event)
{
    // A key the focused inner field left unhandled arrives here as well; it
    // has had its turn.
    if (event == m_innerKeyEvent) {
        m_innerKeyEvent = nullptr;
        event->ignore();
        return;
    }
    m_lineEdit->event(event);
}

void ApExLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    m_lineEdit->event(event);
}

QVariant ApExLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return m_lineEdit->inputMethodQuery(query);
}

void ApExLineEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showPlaceholder();
    QWidget::changeEvent(event);
}

bool ApExLineEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lineEdit) {
        if (event->type() == QEvent::KeyPress)
            m_innerKeyEvent = event;
        else if (event->type() == QEvent::KeyRelease)
            m_innerKeyEvent = nullptr;
        if (event->type() == QEvent::FocusIn)
            innerFocusIn();
        else if (event->type() == QEvent::FocusOut)
            innerFocusOut();
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update();
    }
    return QWidget::eventFilter(watched, event);
}

void ApExLineEdit::showPlaceholder()
{
    QPalette palette = m_lineEdit->palette();
    palette.setColor(QPalette::Text, Qt::gray);
    m_lineEdit->setPalette(palette);
    m_lineEdit->setText(placeholderText());
}

void ApExLineEdit::innerFocusIn()
{
    if (!isShowingPlaceholder())
        return;
    m_lineEdit->clear();
    QPalette palette = m_lineEdit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    m_lineEdit->setPalette(palette);
}

void ApExLineEdit::innerFocusOut()
{
    if (m_lineEdit->text().isEmpty())
        showPlaceholder();
    // The field lets go of its completer when it loses focus; a pick from
    // the completer's list must still reach it.
    QCompleter *completer = m_lineEdit->completer();
    if (!completer)
        return;
    disconnect(m_completerActivated);
    disconnect(m_completerHighlighted);
    m_completerActivated = connect(completer, QOverload<const QString &>::of(&QCompleter::activated), m_lineEdit,
                                   &QLineEdit::setText);
    m_completerHighlighted = connect(completer, QOverload<const QString &>::of(&QCompleter::highlighted),
                                     m_lineEdit, &QLineEdit::setText);
}
