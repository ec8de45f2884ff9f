#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class QMainWindow;
class QSplitter;
class QWidget;

// Restores the main window's geometry and splitter at start and saves them,
// with the floating window's position and the language, on every way out:
// the Exit action, a close that quits, termination signals and the end of
// the desktop session all pass through save().
class ApWindowStateSaver final : public QObject
{
    Q_OBJECT
public:
    ApWindowStateSaver(QMainWindow *window, QSplitter *splitter, QObject *parent = nullptr);

    void setFloatingWindow(QWidget *floating) { m_floating = floating; }
    void setLanguageSource(std::function<QString()> language) { m_language = std::move(language); }

    // The saved geometry when it has a height and lies on a screen, else
    // 0.8 of the primary screen (at least 550 high) centred on it; either
    // one made to fit the screen's available area. Once the window is
    // shown and framed, the frame is brought on screen as well.
    void restore();
    // The rectangle of the wanted size and place that fits into area:
    // shrunk where too large, moved where it sticks out.
    static QRect fitIntoArea(const QRect &wanted, const QRect &area);
    void save();
    // Saves when the application is about to quit or the session ends.
    void saveOnEveryExit();

    int saveCount() const { return m_saves; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(ApWindowStateSaver)
    // How long after the first show the frame is checked (and once more later).
    static constexpr int FrameSettleMs = 200;
    // Moves and shrinks the shown window so its whole frame lies in the
    // available area of its screen.
    void fitFrameOnScreen();

    QPointer<QMainWindow> m_window;
    QPointer<QSplitter> m_splitter;
    QPointer<QWidget> m_floating;
    std::function<QString()> m_language;
    int m_saves = 0;
    bool m_watchingShow = false;
};
