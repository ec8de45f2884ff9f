#include "apwindowstatesaver.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSessionManager>
#include <QSplitter>
#include <QTimer>

#include "appsettings.h"

ApWindowStateSaver::ApWindowStateSaver(QMainWindow *window, QSplitter *splitter, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_splitter(splitter)
{
}

QRect ApWindowStateSaver::fitIntoArea(const QRect &wanted, const QRect &area)
{
    const QSize size = wanted.size().boundedTo(area.size()).expandedTo(QSize(1, 1));
    const int x = qBound(area.left(), wanted.x(), area.right() + 1 - size.width());
    const int y = qBound(area.top(), wanted.y(), area.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

void ApWindowStateSaver::restore()
{
    if (!m_window)
        return;
    const QScreen *primary = QGuiApplication::primaryScreen();
    QRect screen = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);

    const QRect saved = AppSettings::mainWindowGeometry();
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens()) {
        if (!onScreen && s->availableGeometry().intersects(saved)) {
            onScreen = true;
            screen = s->availableGeometry();
        }
    }
    QRect wanted;
    if (saved.height() != 0 && saved.width() > 0 && onScreen) {
        wanted = saved;
    } else {
        // A saved place on a screen that is gone is as good as none.
        const QSize size(int(screen.width() * 0.8), qMax(550, int(screen.height() * 0.8)));
        wanted = QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size);
    }
    // A size saved on a larger screen, or at another scale, must not put
    // the menu bar or the window's edges out of reach.
    m_window->setGeometry(fitIntoArea(wanted, screen));
    // The frame's real size is known only once the window manager has
    // framed the shown window; then the whole frame is brought on screen.
    if (!m_watchingShow) {
        m_watchingShow = true;
        m_window->installEventFilter(this);
    }

    if (m_splitter) {
        QList<int> sizes;
        for (const QString &text : AppSettings::mainSplitterSizes()) {
            bool ok = false;
            const int value = text.toInt(&ok);
            if (ok && value >= 0)
                sizes << value;
        }
        if (sizes.size() == m_splitter->count())
            m_splitter->setSizes(sizes);
    }
}

bool ApWindowStateSaver::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show && m_watchingShow) {
        m_watchingShow = false;
        m_window->removeEventFilter(this);
        for (int delay : {FrameSettleMs, 5 * FrameSettleMs})
            QTimer::singleShot(delay, this, &ApWindowStateSaver::fitFrameOnScreen);
    }
    return QObject::eventFilter(watched, event);
}

void ApWindowStateSaver::fitFrameOnScreen()
{
    if (!m_window || !m_window->isVisible() || m_window->isMinimized() || m_window->isMaximized()
        || m_window->isFullScreen())
        return;
    const QRect frame = m_window->frameGeometry();
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (area.contains(frame))
        return;
    const QSize margins = frame.size() - m_window->geometry().size();
    const QSize size = m_window->size().boundedTo(area.size() - margins);
    const QSize outer = size + margins;
    const int x = qBound(area.left(), frame.x(), qMax(area.left(), area.right() + 1 - outer.width()));
    const int y = qBound(area.top(), frame.y(), qMax(area.top(), area.bottom() + 1 - outer.height()));
    m_window->resize(size);
    m_window->move(x, y);
}

void ApWindowStateSaver::save()
{
    if (m_window) {
        // A maximised or full-screen window comes back at its normal size.
        const bool stretched = m_window->isMaximized() || m_window->isFullScreen() || m_window->isMinimized();
        const QRect geometry = stretched ? m_window->normalGeometry() : m_window->geometry();
        if (geometry.isValid())
            AppSettings::setMainWindowGeometry(geometry);
    }
    if (m_splitter) {
        QStringList sizes;
        for (int size : m_splitter->sizes())
            sizes << QString::number(size);
        AppSettings::setMainSplitterSizes(sizes);
    }
    if (m_floating)
        AppSettings::setFloatingWindowPosition(m_floating->pos());
    if (m_language) {
        const QString language = m_language();
        if (!language.isEmpty())
            AppSettings::setLanguage(language);
    }
    ++m_saves;
}

void ApWindowStateSaver::saveOnEveryExit()
{
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &ApWindowStateSaver::save);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { save(); });
}
