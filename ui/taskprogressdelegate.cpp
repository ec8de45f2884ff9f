#include "taskprogressdelegate.h"

#include <QPainter>
#include <QProgressBar>

namespace {
constexpr int BarHeight = 18;
}

TaskProgressDelegate::TaskProgressDelegate(QStyle *barStyle, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_bar(new QProgressBar)
{
    if (barStyle)
        m_bar->setStyle(barStyle);
    m_bar->setMaximumHeight(BarHeight);
    m_bar->setMinimum(0);
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setAttribute(Qt::WA_DontShowOnScreen);
}

TaskProgressDelegate::~TaskProgressDelegate()
{
    delete m_bar;
}

QProgressBar *TaskProgressDelegate::barFor(const QModelIndex &index) const
{
    m_bar->setMaximum(index.data(MaximumRole).toInt());
    m_bar->setValue(index.data(ValueRole).toInt());
    return m_bar;
}

void TaskProgressDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    // Selection and focus as in every other cell, the bar on top.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget *view = option.widget;
    QStyle *viewStyle = view ? view->style() : nullptr;
    if (viewStyle)
        viewStyle->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);

    QProgressBar *bar = barFor(index);
    const int height = qMin(BarHeight, option.rect.height());
    bar->resize(option.rect.width(), height);
    bar->setPalette(option.palette);
    bar->setFont(option.font);
    const QPoint topLeft(option.rect.left(), option.rect.top() + (option.rect.height() - height) / 2);
    painter->save();
    painter->translate(topLeft);
    bar->render(painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter->restore();
}

QSize TaskProgressDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), BarHeight));
    return size;
}
