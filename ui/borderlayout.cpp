#include "borderlayout.h"

#include <QWidget>

BorderLayout::BorderLayout(QWidget *parent, int margin, int spacing)
    : QLayout(parent)
{
    setContentsMargins(margin, margin, margin, margin);
    setSpacing(spacing);
}

BorderLayout::~BorderLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void BorderLayout::addItem(QLayoutItem *item) { add(item, West); }

void BorderLayout::addWidget(QWidget *widget, Position position)
{
    addChildWidget(widget);
    add(new QWidgetItem(widget), position);
}

void BorderLayout::add(QLayoutItem *item, Position position)
{
    m_items.append({item, position});
    invalidate();
}

Qt::Orientations BorderLayout::expandingDirections() const { return Qt::Horizontal | Qt::Vertical; }

QLayoutItem *BorderLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index).item : nullptr;
}

QLayoutItem *BorderLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index).item;
    invalidate();
    return item;
}

QWidget *BorderLayout::widgetAt(Position position) const
{
    for (const Entry &entry : m_items) {
        if (entry.position == position)
            return entry.item->widget();
    }
    return nullptr;
}

QSize BorderLayout::minimumSize() const { return calculateSize(MinimumSize); }
QSize BorderLayout::sizeHint() const { return calculateSize(SizeHint); }

void BorderLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QRect area = contentsRect();
    const int gap = spacing() < 0 ? 0 : spacing();
    int north = 0;
    int south = 0;
    int west = 0;
    int east = 0;
    const auto visible = [](const Entry &e) { return !e.item->isEmpty(); };

    for (const Entry &e : qAsConst(m_items)) {
        if (!visible(e))
            continue;
        const int h = e.item->sizeHint().height();
        if (e.position == North) {
            e.item->setGeometry(QRect(area.x(), area.y() + north, area.width(), h));
            north += h + gap;
        } else if (e.position == South) {
            south += h;
            e.item->setGeometry(QRect(area.x(), area.bottom() + 1 - south, area.width(), h));
            south += gap;
        }
    }
    const int middleTop = area.y() + north;
    const int middleHeight = qMax(0, area.height() - north - south);
    for (const Entry &e : qAsConst(m_items)) {
        if (!visible(e))
            continue;
        const int w = qMin(e.item->sizeHint().width(), e.item->maximumSize().width());
        if (e.position == West) {
            e.item->setGeometry(QRect(area.x() + west, middleTop, w, middleHeight));
            west += w + gap;
        } else if (e.position == East) {
            east += w;
            e.item->setGeometry(QRect(area.right() + 1 - east, middleTop, w, middleHeight));
            east += gap;
        }
    }
    for (const Entry &e : qAsConst(m_items)) {
        if (e.position == Center && visible(e))
            e.item->setGeometry(QRect(area.x() + west, middleTop, qMax(0, area.width() - west - east), middleHeight));
    }
}

QSize BorderLayout::calculateSize(SizeType type) const
{
    QSize total(0, 0);
    for (const Entry &e : m_items) {
        if (e.item->isEmpty())
            continue;
        const QSize size = type == MinimumSize ? e.item->minimumSize() : e.item->sizeHint();
        if (e.position == North || e.position == South || e.position == Center)
            total.rheight() += size.height();
        if (e.position == West || e.position == East || e.position == Center)
            total.rwidth() += size.width();
    }
    const QMargins m = contentsMargins();
    return total + QSize(m.left() + m.right(), m.top() + m.bottom());
}
