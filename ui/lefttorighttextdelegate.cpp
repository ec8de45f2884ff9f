#include "lefttorighttextdelegate.h"

#include <QGuiApplication>

namespace {
constexpr QChar LeftToRightIsolate(0x2066);
constexpr QChar PopDirectionalIsolate(0x2069);
} // namespace

QString LeftToRightTextDelegate::isolated(const QString &text)
{
    if (text.isEmpty() || !QGuiApplication::isRightToLeft())
        return text;
    return LeftToRightIsolate + text + PopDirectionalIsolate;
}

void LeftToRightTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->direction = Qt::LeftToRight;
    option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
}
