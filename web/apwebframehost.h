#pragma once

class ApGeoLocation;
class QString;
class QWidget;

// What the page bridge of the download manager needs from the window that
// shows the search page. The window (through its search page controller)
// implements it; the bridge never includes a window header.
class ApWebFrameHost
{
public:
    virtual ~ApWebFrameHost() = default;

    // Parent of the messages the bridge shows.
    virtual QWidget *messageParent() = 0;
    // The window's add-a-new-task operation: writes the task without showing
    // the new task dialog, lists it and starts it. False when nothing was added.
    virtual bool addNewTaskFromUrl(const QString &url, const QString &fileName, int convertType) = 0;
    // Enables or disables the toolbar search field.
    virtual void setToolbarSearchEnabled(bool enabled) = 0;
    // The page says a search has ended: stop the busy animation if a search runs.
    virtual void pageSearchFinished() = 0;
    // Shows the side advertisement panel again (a page asked about the lock).
    virtual void refreshSideAdvertisementPanel() = 0;
    // The download manager's location table once it has been loaded, else null.
    virtual const ApGeoLocation *loadedGeoLocation() const = 0;
};
