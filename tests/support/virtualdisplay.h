#pragma once

#include <QProcess>
#include <QString>

// A private Xvfb display for tests that need a real X server (media
// playback). Started on a display number that is free at the time, stopped
// by the destructor.
class VirtualDisplay final
{
    Q_DISABLE_COPY(VirtualDisplay)

public:
    VirtualDisplay() = default;
    ~VirtualDisplay();

    // Returns false when Xvfb is missing or did not come up.
    bool start();
    // Starts the display and points this process (and the children it
    // starts) at it on the X11 platform; without one, at the offscreen
    // platform, with a warning. Call before the application object.
    bool startForThisProcess();
    // ":N" while running.
    QString name() const { return m_name; }
    QString errorString() const { return m_error; }

private:
    QProcess m_process;
    QString m_name;
    QString m_error;
};
