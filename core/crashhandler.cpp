#include "crashhandler.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <spawn.h>
#include <ucontext.h>
#include <unistd.h>

extern char **environ;

namespace CrashHandler {
namespace {

struct ExceptionEntry
{
    quint32 code;
    const char *name;
};

// The exception codes the report program knows, with the names passed on.
const ExceptionEntry exceptionTable[] = {
    {0x80000002u, "EXCEPTION_DATATYPE_MISALIGNMENT"},
    {0x80000003u, "EXCEPTION_BREAKPOINT"},
    {0x80000004u, "EXCEPTION_SINGLE_STEP"},
    {0xC0000005u, "EXCEPTION_ACCESS_VIOLATION"},
    {0xC0000006u, "EXCEPTION_IN_PAGE_ERROR"},
    {0xC000001Du, "EXCEPTION_ILLEGAL_INSTRUCTION"},
    {0xC0000025u, "EXCEPTION_NONCONTINUABLE_EXCEPTION"},
    {0xC0000026u, "EXCEPTION_INVALID_DISPOSITION"},
    {0xC000008Cu, "EXCEPTION_ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008Du, "EXCEPTION_FLT_DENORMAL_OPERAND"},
    {0xC000008Eu, "EXCEPTION_FLT_DIVIDE_BY_ZERO"},
    {0xC000008Fu, "EXCEPTION_FLT_INEXACT_RESULT"},
    {0xC0000090u, "EXCEPTION_FLT_INVALID_OPERATION"},
    {0xC0000091u, "EXCEPTION_FLT_OVERFLOW"},
    {0xC0000092u, "EXCEPTION_FLT_STACK_CHECK"},
    {0xC0000093u, "EXCEPTION_FLT_UNDERFLOW"},
    {0xC0000094u, "EXCEPTION_INT_DIVIDE_BY_ZERO"},
    {0xC0000095u, "EXCEPTION_INT_OVERFLOW"},
    {0xC0000096u, "EXCEPTION_PRIV_INSTRUCTION"},
    {0xC00000FDu, "EXCEPTION_STACK_OVERFLOW"},
};
const char unknownName[] = "EXCEPTION_UNKNOWN";

constexpr quint32 AccessViolation = 0xC0000005u;
constexpr quint32 StackOverflow = 0xC00000FDu;
constexpr int AnyCode = INT32_MIN;

struct SignalEntry
{
    int signalNumber;
    int signalCode;  // AnyCode: every code of the signal
    quint32 code;
};

// How a signal and its si_code translate into an exception code. Signals
// sent by another process (kill, raise) carry no fault and stay unmapped,
// except SIGSEGV, which always means a bad memory access.
const SignalEntry signalTable[] = {
    {SIGSEGV, AnyCode, AccessViolation},
    {SIGBUS, BUS_ADRALN, 0x80000002u},
    {SIGBUS, BUS_ADRERR, 0xC0000006u},
    {SIGBUS, BUS_OBJERR, 0xC0000006u},
    {SIGILL, ILL_ILLOPC, 0xC000001Du},
    {SIGILL, ILL_ILLOPN, 0xC000001Du},
    {SIGILL, ILL_ILLADR, 0xC000001Du},
    {SIGILL, ILL_ILLTRP, 0xC000001Du},
    {SIGILL, ILL_COPROC, 0xC000001Du},
    {SIGILL, ILL_PRVOPC, 0xC0000096u},
    {SIGILL, ILL_PRVREG, 0xC0000096u},
    {SIGILL, ILL_BADSTK, 0xC0000092u},
    {SIGFPE, FPE_INTDIV, 0xC0000094u},
    {SIGFPE, FPE_INTOVF, 0xC0000095u},
    {SIGFPE, FPE_FLTDIV, 0xC000008Eu},
    {SIGFPE, FPE_FLTOVF, 0xC0000091u},
    {SIGFPE, FPE_FLTUND, 0xC0000093u},
    {SIGFPE, FPE_FLTRES, 0xC000008Fu},
    {SIGFPE, FPE_FLTINV, 0xC0000090u},
    {SIGFPE, FPE_FLTSUB, 0xC000008Cu},
    {SIGTRAP, TRAP_BRKPT, 0x80000003u},
    {SIGTRAP, SI_KERNEL, 0x80000003u},  // int3 on x86
    {SIGTRAP, TRAP_TRACE, 0x80000004u},
};

// SIGABRT comes from abort(): a failed assertion, a heap corruption found by
// the allocator, or an exception nobody caught (std::terminate ends there).
const int handledSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP, SIGABRT};

// Everything the handler uses, prepared at installation.
constexpr std::size_t PathCapacity = 4096;
char reportProgram[PathCapacity];
char reportFolder[PathCapacity];
char crashArgument[] = "/crash-tarvo";
posix_spawnattr_t spawnAttributes;
posix_spawn_file_actions_t spawnActions;
bool spawnReady = false;

// Only the first faulting thread reports; a second one waits for the end.
std::atomic_flag handling = ATOMIC_FLAG_INIT;

const std::size_t AlternateStackSize = std::max<std::size_t>(SIGSTKSZ, 64 * 1024);

struct ThreadStack
{
    void *memory = nullptr;
    ~ThreadStack()
    {
        if (!memory)
            return;
        stack_t disable{};
        disable.ss_flags = SS_DISABLE;
        ::sigaltstack(&disable, nullptr);
        std::free(memory);
    }
};
thread_local ThreadStack threadStack;

// A fault this close to the stack pointer hit the guard below the stack.
constexpr std::uintptr_t StackGuardReach = 64 * 1024;

bool faultInStackGuard(const siginfo_t *info, const void *context)
{
    if (info->si_signo != SIGSEGV || !context)
        return false;
    const auto *uc = static_cast<const ucontext_t *>(context);
#if defined(__x86_64__)
    const auto sp = std::uintptr_t(uc->uc_mcontext.gregs[REG_RSP]);
#elif defined(__i386__)
    const auto sp = std::uintptr_t(uc->uc_mcontext.gregs[REG_ESP]);
#elif defined(__aarch64__)
    const auto sp = std::uintptr_t(uc->uc_mcontext.sp);
#else
    const std::uintptr_t sp = 0;
#endif
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    if (sp == 0 || address == 0)
        return false;
    return address + StackGuardReach >= sp && address <= sp + StackGuardReach;
}

[[noreturn]] void report(int signalNumber, const char *name)
{
    if (spawnReady && ::access(reportProgram, X_OK) == 0) {
        char *argv[] = {reportProgram, crashArgument, const_cast<char *>(name), nullptr};
        pid_t child;
        // glibc's posix_spawn uses a vfork-style clone without fork handlers
        // or allocation, so it is usable here; a new session detaches the
        // report program from this process.
        ::posix_spawn(&child, reportProgram, &spawnActions, &spawnAttributes, argv, environ);
    }
    ::_exit(128 + signalNumber);
}

void onFault(int signalNumber, siginfo_t *info, void *context)
{
    if (handling.test_and_set()) {
        for (;;)
            ::pause();
    }
    report(signalNumber, exceptionName(exceptionCode(signalNumber, info->si_code, faultInStackGuard(info, context))));
}

// An exception that nobody caught. Reported at once, as an abort would be,
// without first unwinding into a handler that might fault again.
[[noreturn]] void onTerminate()
{
    if (handling.test_and_set()) {
        for (;;)
            ::pause();
    }
    report(SIGABRT, unknownName);
}

bool copyPath(char *target, const QByteArray &source)
{
    if (std::size_t(source.size()) >= PathCapacity)
        return false;
    std::memcpy(target, source.constData(), std::size_t(source.size()) + 1);
    return true;
}

QString executableFolder()
{
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return executable.left(executable.lastIndexOf(QLatin1Char('/')));
}

} // namespace

const char *exceptionName(quint32 code)
{
    for (const ExceptionEntry &entry : exceptionTable) {
        if (entry.code == code)
            return entry.name;
    }
    return unknownName;
}

quint32 exceptionCode(int signalNumber, int signalCode, bool inStackGuard)
{
    if (signalNumber == SIGSEGV && inStackGuard)
        return StackOverflow;
    for (const SignalEntry &entry : signalTable) {
        if (entry.signalNumber == signalNumber && (entry.signalCode == AnyCode || entry.signalCode == signalCode))
            return entry.code;
    }
    return 0;
}

QString reportProgramPath()
{
    return QFile::decodeName(reportProgram);
}

bool prepareCurrentThread()
{
    if (threadStack.memory)
        return true;
    void *memory = std::malloc(AlternateStackSize);
    if (!memory)
        return false;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = AlternateStackSize;
    if (::sigaltstack(&stack, nullptr) != 0) {
        std::free(memory);
        return false;
    }
    threadStack.memory = memory;
    return true;
}

bool install(const QString &programFolder)
{
    const QString folder = programFolder.isEmpty() ? executableFolder() : programFolder;
    if (!copyPath(reportFolder, QFile::encodeName(folder))
        || !copyPath(reportProgram, QFile::encodeName(folder + QStringLiteral("/tvocr"))))
        return false;

    if (!spawnReady) {
        posix_spawnattr_init(&spawnAttributes);
        posix_spawn_file_actions_init(&spawnActions);
        // The report program starts clean: no blocked or caught signals.
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigmask(&spawnAttributes, &none);
        posix_spawnattr_setsigdefault(&spawnAttributes, &all);
        posix_spawnattr_setflags(&spawnAttributes,
                                 POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    } else {
        posix_spawn_file_actions_destroy(&spawnActions);
        posix_spawn_file_actions_init(&spawnActions);
    }
    posix_spawn_file_actions_addchdir_np(&spawnActions, reportFolder);
    spawnReady = true;

    if (!prepareCurrentThread())
        return false;

    struct sigaction action{};
    action.sa_sigaction = onFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    std::set_terminate(onTerminate);
    bool ok = true;
    for (int signalNumber : handledSignals)
        ok = ::sigaction(signalNumber, &action, nullptr) == 0 && ok;
    return ok;
}

} // namespace CrashHandler
