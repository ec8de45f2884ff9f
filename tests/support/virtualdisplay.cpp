#include "virtualdisplay.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include "testsupport.h"

VirtualDisplay::~VirtualDisplay()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
}

bool VirtualDisplay::start()
{
    const QString xvfb = TestSupport::findProgram(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed");
        return false;
    }
    // Numbers well away from real desktops, spread by process id so that
    // tests run at the same time rarely meet.
    const int first = 100 + int(QCoreApplication::applicationPid() % 400);
    for (int number = first; number < first + 40; ++number) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (QFileInfo::exists(socket) || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(xvfb, {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_process.waitForStarted(5000))
            continue;
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running && !QFileInfo::exists(socket))
            QThread::msleep(20);
        if (m_process.state() == QProcess::Running && QFileInfo::exists(socket)) {
            m_name = QStringLiteral(":%1").arg(number);
            return true;
        }
        m_error = QString::fromLocal8Bit(m_process.readAll());
        m_process.kill();
        m_process.waitForFinished(2000);
    }
    if (m_error.isEmpty())
        m_error = QStringLiteral("no free display number");
    return false;
}

bool VirtualDisplay::startForThisProcess()
{
    if (start()) {
        qputenv("DISPLAY", m_name.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    qWarning("%s", qPrintable(m_error));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return false;
}
