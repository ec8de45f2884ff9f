// Test child. "crash <kind>" installs the crash handler and faults;
// "hold <path>" claims the instance marker of <path>, opens its endpoint,
// prints "holding" and waits to be killed.

#include <QCoreApplication>
#include <QLocalServer>
#include <QTextStream>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "crashhandler.h"
#include "singleinstance.h"

namespace {

volatile int zero = 0;

int divideByZero()
{
    return 100 / zero;
}

int recurse(int depth)
{
    volatile char buffer[4096];
    buffer[0] = char(depth);
    if (depth == -1)  // never: keeps the compiler from flagging the recursion
        return 0;
    return recurse(depth + 1) + buffer[0];
}

void writeNull()
{
    volatile int *pointer = nullptr;
    *pointer = 1;
}

int crash(const char *kind)
{
    if (!CrashHandler::install())
        return 3;
    if (!std::strcmp(kind, "divide"))
        return divideByZero();
    if (!std::strcmp(kind, "overflow"))
        return recurse(0);
    if (!std::strcmp(kind, "thread-overflow")) {
        std::thread worker([] {
            if (CrashHandler::prepareCurrentThread())
                recurse(0);
        });
        worker.join();
        return 4;
    }
    if (!std::strcmp(kind, "null"))
        writeNull();
    else if (!std::strcmp(kind, "breakpoint"))
        asm volatile("int3");
    else if (!std::strcmp(kind, "abort"))
        std::abort();
    else if (!std::strcmp(kind, "throw"))
        throw std::runtime_error("nobody catches this");
    else if (!std::strcmp(kind, "thread-throw"))
        std::thread([] { throw std::logic_error("nor this"); }).join();
    else if (!std::strcmp(kind, "raise-fpe"))
        std::raise(SIGFPE);  // sent, not a fault: no exception code
    return 4;
}

int hold(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    SingleInstance instance(path);
    if (!instance.claim())
        return 5;
    QLocalServer server;
    if (!SingleInstance::listen(&server, instance.serverName()))
        return 6;
    QTextStream(stdout) << "holding" << Qt::endl;
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && !std::strcmp(argv[1], "crash"))
        return crash(argv[2]);
    if (argc == 3 && !std::strcmp(argv[1], "hold"))
        return hold(argc, argv);
    return 2;
}
