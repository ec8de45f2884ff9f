#include "apwindowstatesaver.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSessionManager>
#include <QSplitter>

#include "appsettings.h"

ApWindowStateSaver::ApWindowStateSaver(QMainWindow *window, QSplitter *splitter, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_splitter(splitter)
{
}

void ApWindowStateSaver::restore()
{
    if (!m_window)
        return;
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect screen = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);

    const QRect saved = AppSettings::mainWindowGeometry();
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(saved);
    if (saved.height() != 0 && saved.width() > 0 && onScreen) {
        m_window->setGeometry(saved);
    } else {
        // A saved place on a screen that is gone is as good as none.
        const QSize size(int(screen.width() * 0.8), qMax(550, int(screen.height() * 0.8)));
        m_window->resize(size);
        m_window->move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
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
