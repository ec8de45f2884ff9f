#pragma once

#include <QStyledItemDelegate>

// Draws a column's texts left to right whatever the layout's direction:
// file names, paths and addresses mix letters, digits and punctuation that a
// right-to-left layout would otherwise reorder ("2026-12-08_big.bin" must
// not come out as "big.bin_08-12-2026").
class LeftToRightTextDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(LeftToRightTextDelegate)

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text wrapped in Unicode left-to-right isolation marks while the
    // application lays out right to left, for labels; unchanged otherwise.
    static QString isolated(const QString &text);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
