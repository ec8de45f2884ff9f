#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QQueue>
#include <QRect>
#include <QSize>

#include <functional>

class ApCompletionPopup;
class ApplicationInfo;

// Every completion gets its own popup: popups stack upwards from the
// bottom-right corner of the screen's available area, and once the column
// is full further completions wait until a place comes free. None replaces
// another unseen.
class ApCompletionNotices final : public QObject
{
    Q_OBJECT
public:
    // Space between two stacked popups.
    static constexpr int Gap = 6;

    explicit ApCompletionNotices(const ApplicationInfo *info, QObject *parent = nullptr);
    ~ApCompletionNotices() override;

    using PathOpener = std::function<bool(const QString &)>;
    void setPathOpener(PathOpener opener);

    // Shows the completed task in a free place, or queues it. A task whose
    // popup is still up only has its data renewed.
    void announce(const QString &path, const QString &organisation, const QString &application,
                  const QString &key, const QString &name);

    // The popups on screen, bottom first.
    QList<ApCompletionPopup *> shownPopups() const;
    int queuedCount() const { return m_queue.size(); }
    // The popup used last, null before the first completion.
    ApCompletionPopup *latest() const { return m_latest; }

    // Top-left corner of the place with this number (0 at the bottom) for a
    // popup of this size in area; the corner place keeps the usual offsets
    // from the area's bottom-right corner as far as the popup fits.
    static QPoint place(int slot, const QSize &size, const QRect &area);
    // How many places the column has.
    static int placeCount(const QSize &size, const QRect &area);

private:
    Q_DISABLE_COPY(ApCompletionNotices)
    struct Notice
    {
        QString path;
        QString organisation;
        QString application;
        QString key;
        QString name;
    };

    void show(int slot, const Notice &notice);
    void placeFreed(ApCompletionPopup *popup);
    ApCompletionPopup *takePopup();
    static QRect availableArea();

    const ApplicationInfo *m_info;
    PathOpener m_pathOpener;
    QList<ApCompletionPopup *> m_places;  // index: place number; null when free
    QList<ApCompletionPopup *> m_all;
    QQueue<Notice> m_queue;
    ApCompletionPopup *m_latest = nullptr;
};
