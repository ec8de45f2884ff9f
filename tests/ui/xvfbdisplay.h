#pragma once

#include <QByteArray>
#include <QString>

// A private X display for tests that need what the offscreen platform
// lacks (tray, clipboard between programs, window manager hints): an Xvfb
// server on a free display number, and optionally a tray host on it. Both
// are started before the application object and end with this object, or
// with the test process if it dies.
class XvfbDisplay final
{
public:
    XvfbDisplay() = default;
    ~XvfbDisplay();

    // Starts Xvfb with a screen of the given size ("WxHxDepth") and points
    // DISPLAY at it; false when Xvfb is missing or does not come up.
    bool start(const QByteArray &screen = "1280x900x24");
    // Starts the tray host; false when none is installed.
    bool startTrayHost();
    // Starts openbox and waits until it manages the screen; false when it
    // is not installed or does not come up.
    bool startWindowManager();

    QString display() const { return m_display; }
    QString error() const { return m_error; }

private:
    XvfbDisplay(const XvfbDisplay &) = delete;
    XvfbDisplay &operator=(const XvfbDisplay &) = delete;
    static void stop(int &pid);

    int m_serverPid = -1;
    int m_trayPid = -1;
    int m_windowManagerPid = -1;
    QString m_display;
    QString m_error;
};
