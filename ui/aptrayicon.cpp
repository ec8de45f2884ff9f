#include "aptrayicon.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "apspeedguifloating.h"

ApTrayIcon::ApTrayIcon(QWidget *window, const QIcon &icon, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_icon(new QSystemTrayIcon(icon, this))
    , m_menu(new QMenu)
    , m_available(&QSystemTrayIcon::isSystemTrayAvailable)
{
    m_menu->setObjectName(QStringLiteral("tray_menu"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &ApTrayIcon::activated);
}

ApTrayIcon::~ApTrayIcon()
{
    // The icon goes before the menu it shows.
    delete m_icon;
    delete m_menu;
}

void ApTrayIcon::setMenuEntries(QAction *showHide, const QList<QAction *> &entries)
{
    m_showHide = showHide;
    m_entries.clear();
    for (QAction *action : entries)
        m_entries.append(action);
    rebuildMenu();
}

void ApTrayIcon::show() { m_icon->show(); }
void ApTrayIcon::hide() { m_icon->hide(); }
void ApTrayIcon::setToolTip(const QString &text) { m_icon->setToolTip(text); }

void ApTrayIcon::showBalloon(const QString &title, const QString &text, int msecs)
{
    m_icon->showMessage(title, text, QSystemTrayIcon::Information, msecs);
}

void ApTrayIcon::fillMenu(QMenu *menu, QAction *showHide) const
{
    if (showHide) {
        menu->addAction(showHide);
        menu->addSeparator();
    }
    for (const QPointer<QAction> &action : m_entries) {
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
    }
}

void ApTrayIcon::rebuildMenu()
{
    // Refilled in place: the menu may be open while the tray reports the
    // click that opened it.
    m_menu->clear();
    fillMenu(m_menu, m_showHide);
    ++m_menuBuilds;
}

bool ApTrayIcon::isWindowShown() const
{
    return m_window && m_window->isVisible() && !m_window->isMinimized();
}

void ApTrayIcon::hideWindow()
{
    if (!m_window)
        return;
    m_window->showMinimized();
    if (isAvailable())
        m_window->hide();
}

void ApTrayIcon::showWindow()
{
    if (!m_window)
        return;
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void ApTrayIcon::toggleWindow()
{
    if (isWindowShown())
        hideWindow();
    else
        showWindow();
}

void ApTrayIcon::raiseFloatingWindow()
{
    if (m_floating && m_floating->isVisible())
        m_floating->raiseOnTop();
}

void ApTrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    if (m_blocked && m_blocked()) {
        m_menu->hide();
        return;
    }
    switch (reason) {
    case QSystemTrayIcon::Context:
        // The tray shows its context menu by itself.
        break;
    case QSystemTrayIcon::Trigger:
        toggleWindow();
        raiseFloatingWindow();
        break;
    case QSystemTrayIcon::DoubleClick:
    case QSystemTrayIcon::MiddleClick:
        raiseFloatingWindow();
        break;
    default:
        break;
    }
    rebuildMenu();
}
