#pragma once

#include <QBrush>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QVBoxLayout;

// Small painted widgets of the tool box and of the advertisement places.

// A picture and a text side by side; a left click on it is a touch.
class ApTBit final : public QWidget
{
    Q_OBJECT
public:
    explicit ApTBit(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }
    void setText(const QString &text);
    QString text() const { return m_text; }
    QSize sizeHint() const override;

public slots:
    void refreshOp() { update(); }

signals:
    void touchMade();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Q_DISABLE_COPY(ApTBit)
    QPixmap m_picture;
    QString m_text;
};

// A fixed-width button made of one ApTBit. Hovering fades a highlight in,
// leaving fades it out again.
class ApTBt final : public QWidget
{
    Q_OBJECT
public:
    static constexpr double LowLevel = 0.1;
    static constexpr double HighLevel = 0.99;
    static constexpr double RiseStep = 0.04;
    static constexpr double FallStep = 0.05;
    static constexpr int FadeIntervalMs = 20;

    explicit ApTBt(QWidget *parent = nullptr, int width = 160);

    ApTBit *item() const { return m_item; }
    void setCollapsible(bool collapsible) { m_collapsible = collapsible; }
    bool isCollapsible() const { return m_collapsible; }
    bool isExpanded() const { return m_expanded; }
    bool isHovered() const { return m_hover; }
    double highlightLevel() const { return m_level; }

public slots:
    // A touch of the item: emits touchMade() and, when the button folds
    // something, toggles its expanded state.
    void collapse();
    // One step of the highlight towards its target; schedules the next.
    void makeFading();

signals:
    void touchMade();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(ApTBt)
    ApTBit *m_item;
    bool m_collapsible = true;
    bool m_expanded = true;
    bool m_hover = false;
    bool m_fading = false;
    double m_level = LowLevel;
};

// A bar whose content folds away and unfolds in steps; while folded (and
// while moving) a picture of the content stands in for it.
class ApTBb final : public QWidget
{
    Q_OBJECT
public:
    explicit ApTBb(QWidget *parent = nullptr);

    // The header stays visible; the content folds.
    void setHeader(QWidget *header);
    void setContent(QWidget *content);
    QWidget *content() const { return m_content; }
    void setSteps(int steps) { m_steps = qMax(1, steps); }
    void setStepDelay(int ms) { m_delayMs = qMax(0, ms); }
    bool isFolded() const { return m_folded; }
    bool isMoving() const { return m_moving; }

public slots:
    void handleDisplayView();
    void foldView();
    void unfoldView();

signals:
    void folded();
    void unfolded();

private:
    Q_DISABLE_COPY(ApTBb)
    void foldStep();
    void unfoldStep();

    QVBoxLayout *m_layout;
    QPointer<QWidget> m_header;
    QPointer<QWidget> m_content;
    QLabel *m_picture;
    int m_steps = 8;
    int m_delayMs = 15;
    int m_fullHeight = 0;
    int m_stepHeight = 0;
    int m_currentHeight = 0;
    bool m_folded = false;
    bool m_moving = false;
};

// A container in which Up and Down move the keyboard focus like Shift+Tab
// and Tab.
class ApTBg final : public QWidget
{
    Q_OBJECT
public:
    explicit ApTBg(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Q_DISABLE_COPY(ApTBg)
};

// Fills its rectangle with its brush.
class ApTBm final : public QWidget
{
    Q_OBJECT
public:
    explicit ApTBm(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }
    void setBrush(const QBrush &brush)
    {
        m_brush = brush;
        update();
    }
    QBrush brush() const { return m_brush; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(ApTBm)
    QBrush m_brush;
};

// A plain container.
class ApTBmst final : public QWidget
{
    Q_OBJECT
public:
    explicit ApTBmst(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

private:
    Q_DISABLE_COPY(ApTBmst)
};
