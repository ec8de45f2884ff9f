#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>

class ApSpeedGuiFloating;
class QAction;
class QMenu;
class QWidget;

// The tray icon, its menu and the window's show/hide rules. Where the
// desktop has no tray, hiding the window would leave nothing to bring it
// back with, so the window is only minimised there.
class ApTrayIcon final : public QObject
{
    Q_OBJECT
public:
    ApTrayIcon(QWidget *window, const QIcon &icon, QObject *parent = nullptr);
    ~ApTrayIcon() override;

    // The menu's entries after the show/hide action; null is a separator.
    void setMenuEntries(QAction *showHide, const QList<QAction *> &entries);
    void setFloatingWindow(ApSpeedGuiFloating *floating) { m_floating = floating; }
    // While it answers true (a modal dialog is open) activations do nothing.
    void setBlocker(std::function<bool()> blocked) { m_blocked = std::move(blocked); }
    // Tests replace how the tray's presence is found out.
    void setAvailabilityCheck(std::function<bool()> check) { m_available = std::move(check); }

    bool isAvailable() const { return m_available(); }
    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    int menuBuildCount() const { return m_menuBuilds; }

    void show();
    void hide();
    void setToolTip(const QString &text);
    void showBalloon(const QString &title, const QString &text, int msecs);

    // Clears and refills the tray menu from the current entries.
    void rebuildMenu();
    // The same menu with another show/hide action, for the floating window.
    void fillMenu(QMenu *menu, QAction *showHide) const;

    // Whether the window counts as shown: visible and not minimised.
    bool isWindowShown() const;
    void hideWindow();
    void showWindow();
    void toggleWindow();

public slots:
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

signals:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    Q_DISABLE_COPY(ApTrayIcon)
    void raiseFloatingWindow();

    QPointer<QWidget> m_window;
    QSystemTrayIcon *m_icon;
    QMenu *m_menu;
    QPointer<ApSpeedGuiFloating> m_floating;
    QPointer<QAction> m_showHide;
    QList<QPointer<QAction>> m_entries;
    std::function<bool()> m_blocked;
    std::function<bool()> m_available;
    int m_menuBuilds = 0;
};
