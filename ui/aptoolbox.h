#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>

class ApTBm;
class QDockWidget;
class QToolButton;

// The label that folds the tool box away; it brightens under the mouse.
class ApFoldLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit ApFoldLabel(QWidget *parent = nullptr);

signals:
    void pressed();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Q_DISABLE_COPY(ApFoldLabel)
};

// The left tool box: a dock with a gradient title bar and a fold label.
// Folded, the dock hides and an 8-pixel strip with an unfold button
// stands in for it.
class ApToolBox final : public QObject
{
    Q_OBJECT
public:
    static constexpr int StripWidth = 8;

    ApToolBox(QDockWidget *dock, QWidget *strip, QToolButton *unfoldButton, QObject *parent = nullptr);

    ApFoldLabel *foldLabel() const { return m_foldLabel; }
    QLabel *titleLabel() const { return m_titleLabel; }
    bool isFolded() const { return m_folded; }

public slots:
    void fold();
    void unfold();

private:
    Q_DISABLE_COPY(ApToolBox)
    QPointer<QDockWidget> m_dock;
    QPointer<QWidget> m_strip;
    ApTBm *m_titleBar;
    QLabel *m_titleLabel;
    ApFoldLabel *m_foldLabel;
    bool m_folded = false;
};
