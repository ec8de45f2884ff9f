#include "xvfbdisplay.h"

#include <QByteArray>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "testsupport.h"

namespace {

// Forks a child that dies with this process and runs the program.
int spawn(const QByteArray &program, const QList<QByteArray> &arguments, int keepFd = -1)
{
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        _exit(127);
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    if (keepFd >= 0)
        fcntl(keepFd, F_SETFD, 0);
    QList<QByteArray> all{program};
    all += arguments;
    std::vector<char *> argv;
    for (QByteArray &argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(program.constData(), argv.data());
    _exit(127);
}

} // namespace

XvfbDisplay::~XvfbDisplay()
{
    stop(m_windowManagerPid);
    stop(m_trayPid);
    stop(m_serverPid);
}

void XvfbDisplay::stop(int &pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        usleep(50000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

bool XvfbDisplay::start(const QByteArray &screen)
{
    const QString xvfb = TestSupport::findProgram(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed");
        return false;
    }
    // Xvfb picks a free display number itself and writes it to the pipe.
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        m_error = QStringLiteral("no pipe");
        return false;
    }
    m_serverPid = spawn(xvfb.toLocal8Bit(),
                        {"-displayfd", QByteArray::number(fds[1]), "-screen", "0", screen, "-nolisten",
                         "tcp", "-noreset"},
                        fds[1]);
    close(fds[1]);
    QByteArray number;
    // Generous: the machine may be busy.
    for (int waited = 0; waited < 60000 && !number.endsWith('\n');) {
        pollfd p{fds[0], POLLIN, 0};
        const int ready = poll(&p, 1, 500);
        waited += 500;
        if (ready > 0) {
            char buffer[16];
            const ssize_t got = read(fds[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            number.append(buffer, int(got));
        }
    }
    close(fds[0]);
    number = number.trimmed();
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb did not start");
        stop(m_serverPid);
        return false;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number);
    qputenv("DISPLAY", m_display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    // The tray goes through the X tray protocol, not a session bus.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("WAYLAND_DISPLAY");
    return true;
}

bool XvfbDisplay::startTrayHost()
{
    const QString trayer = TestSupport::findProgram(QStringLiteral("trayer"));
    if (trayer.isEmpty())
        return false;
    m_trayPid = spawn(trayer.toLocal8Bit(), {"--edge", "top", "--align", "right", "--widthtype", "request",
                                             "--height", "24", "--SetDockType", "true", "--expand", "true"});
    return m_trayPid > 0;
}

bool XvfbDisplay::startWindowManager()
{
    const QString openbox = TestSupport::findProgram(QStringLiteral("openbox"));
    const QString xprop = TestSupport::findProgram(QStringLiteral("xprop"));
    if (openbox.isEmpty() || xprop.isEmpty())
        return false;
    m_windowManagerPid = spawn(openbox.toLocal8Bit(), {"--sm-disable"});
    if (m_windowManagerPid <= 0)
        return false;
    // A managing window manager names its check window on the root window.
    for (int waited = 0; waited < 30000; waited += 100) {
        QProcess probe;
        probe.start(xprop, {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (probe.waitForFinished(5000) && probe.readAllStandardOutput().contains("window id"))
            return true;
        usleep(100000);
    }
    return false;
}
