#pragma once

#include <QStyledItemDelegate>

// Draws a column's texts centred, so the thousands of items in it need not
// each carry an alignment of their own.
class CentredTextDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(CentredTextDelegate)

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
