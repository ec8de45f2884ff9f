#include "apcompletionnotices.h"

#include <QGuiApplication>
#include <QScreen>

#include "apcompletionpopup.h"

ApCompletionNotices::ApCompletionNotices(const ApplicationInfo *info, QObject *parent)
    : QObject(parent)
    , m_info(info)
{
}

ApCompletionNotices::~ApCompletionNotices()
{
    // The popups are top-level windows without a parent.
    qDeleteAll(m_all);
}

void ApCompletionNotices::setPathOpener(PathOpener opener)
{
    m_pathOpener = std::move(opener);
    for (ApCompletionPopup *popup : qAsConst(m_all))
        popup->setPathOpener(m_pathOpener);
}

QRect ApCompletionNotices::availableArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPoint ApCompletionNotices::place(int slot, const QSize &size, const QRect &area)
{
    const int right = area.right() + 1;
    const int bottom = area.bottom() + 1;
    const int x = qMax(area.left(), qMin(right - ApCompletionPopup::RightOffset, right - size.width()));
    const int y = qMin(bottom - ApCompletionPopup::BottomOffset, bottom - size.height());
    return QPoint(x, qMax(area.top(), y - slot * (size.height() + Gap)));
}

int ApCompletionNotices::placeCount(const QSize &size, const QRect &area)
{
    const int first = place(0, size, area).y();
    return qMax(1, 1 + (first - area.top()) / (size.height() + Gap));
}

ApCompletionPopup *ApCompletionNotices::takePopup()
{
    for (ApCompletionPopup *popup : qAsConst(m_all)) {
        if (!popup->isVisible() && !m_places.contains(popup))
            return popup;
    }
    auto *popup = new ApCompletionPopup(m_info);
    if (m_pathOpener)
        popup->setPathOpener(m_pathOpener);
    connect(popup, &ApCompletionPopup::hidden, this, [this, popup] { placeFreed(popup); });
    m_all.append(popup);
    return popup;
}

void ApCompletionNotices::announce(const QString &path, const QString &organisation, const QString &application,
                                   const QString &key, const QString &name)
{
    const Notice notice{path, organisation, application, key, name};
    for (ApCompletionPopup *popup : qAsConst(m_places)) {
        if (popup && popup->key() == key) {
            popup->setData(path, organisation, application, key, name);
            m_latest = popup;
            return;
        }
    }
    const ApCompletionPopup *any = m_all.isEmpty() ? takePopup() : m_all.first();
    const int count = placeCount(any->size(), availableArea());
    while (m_places.size() < count)
        m_places.append(nullptr);
    for (int slot = 0; slot < count; ++slot) {
        if (!m_places.at(slot)) {
            show(slot, notice);
            return;
        }
    }
    m_queue.enqueue(notice);
}

void ApCompletionNotices::show(int slot, const Notice &notice)
{
    ApCompletionPopup *popup = takePopup();
    m_places[slot] = popup;
    popup->setData(notice.path, notice.organisation, notice.application, notice.key, notice.name);
    popup->showPopupAt(place(slot, popup->size(), availableArea()));
    m_latest = popup;
}

void ApCompletionNotices::placeFreed(ApCompletionPopup *popup)
{
    const int slot = m_places.indexOf(popup);
    if (slot < 0)
        return;
    m_places[slot] = nullptr;
    if (!m_queue.isEmpty())
        show(slot, m_queue.dequeue());
}

QList<ApCompletionPopup *> ApCompletionNotices::shownPopups() const
{
    QList<ApCompletionPopup *> shown;
    for (ApCompletionPopup *popup : m_places) {
        if (popup && popup->isVisible())
            shown << popup;
    }
    return shown;
}
