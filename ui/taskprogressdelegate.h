#pragma once

#include <QStyledItemDelegate>

class QProgressBar;
class QStyle;

// Paints the progress column of the task table: the same progress bar
// widget (style, 18 pixels high, centred percentage; a busy bar while the
// size is unknown) drawn into each cell, instead of one live widget per
// row, which a table of ten thousand tasks cannot afford.
// A cell's item holds the bar's value and maximum in the two roles below.
class TaskProgressDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(TaskProgressDelegate)

public:
    static constexpr int ValueRole = Qt::UserRole;
    static constexpr int MaximumRole = Qt::UserRole + 1;

    // barStyle may be null (the application's style).
    TaskProgressDelegate(QStyle *barStyle, QObject *parent = nullptr);
    ~TaskProgressDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The bar as it is drawn for this cell (for reading its state).
    QProgressBar *barFor(const QModelIndex &index) const;

private:
    QProgressBar *m_bar;
};
