#include "terminationsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace TerminationSignals {
namespace {

int wakePipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

bool quitApplicationOnTermination()
{
    if (wakePipe[0] >= 0 || !QCoreApplication::instance())
        return false;
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;

    auto *notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, QCoreApplication::instance(), [] {
        char buffer[16];
        while (::read(wakePipe[0], buffer, sizeof buffer) > 0) {
        }
        QCoreApplication::quit();
    });

    struct sigaction action{};
    action.sa_handler = onTerminationSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    bool ok = true;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        ok = ::sigaction(signalNumber, &action, nullptr) == 0 && ok;
    return ok;
}

} // namespace TerminationSignals
