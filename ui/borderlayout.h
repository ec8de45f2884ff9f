#pragma once

#include <QLayout>
#include <QList>

// Arranges widgets around a central one: West and East take their width
// hint, North and South their height hint, Center the rest.
class BorderLayout final : public QLayout
{
public:
    enum Position { West, North, South, East, Center };

    explicit BorderLayout(QWidget *parent = nullptr, int margin = 0, int spacing = 0);
    ~BorderLayout() override;

    void addItem(QLayoutItem *item) override;  // placed West
    void addWidget(QWidget *widget, Position position);
    void add(QLayoutItem *item, Position position);

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return false; }
    int count() const override { return m_items.size(); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

    // The widget at a position, or null.
    QWidget *widgetAt(Position position) const;

private:
    Q_DISABLE_COPY(BorderLayout)
    struct Entry
    {
        QLayoutItem *item;
        Position position;
    };
    enum SizeType { MinimumSize, SizeHint };
    QSize calculateSize(SizeType type) const;

    QList<Entry> m_items;
};
