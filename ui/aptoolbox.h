#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>

class ApTBb;
class ApTBm;
class ApTBt;
class QDockWidget;
class QToolButton;
class QVBoxLayout;

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
    static constexpr int SectionWidth = 170;

    ApToolBox(QDockWidget *dock, QWidget *strip, QToolButton *unfoldButton, QObject *parent = nullptr);

    // Moves these widgets of the layout into a section whose header button
    // folds them away and unfolds them again, in their place.
    ApTBb *addSection(QVBoxLayout *layout, const QList<QWidget *> &widgets);
    ApTBb *section() const { return m_section; }
    // The section header's text in the current language.
    void retranslate();

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
    ApTBb *m_section = nullptr;
    ApTBt *m_sectionHeader = nullptr;
    bool m_folded = false;
};
