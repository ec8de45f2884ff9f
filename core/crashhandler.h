#pragma once

#include <QString>

// Catches the faults that would otherwise kill the program (invalid memory
// access, stack overflow, bad instruction, arithmetic trap, breakpoint,
// abort() and an uncaught C++ exception),
// starts the crash-report program "tvocr" from the program folder with
// "/crash-tarvo" and the fault's name, and ends the process quietly.
namespace CrashHandler {

// Installs the handlers on an alternate signal stack, so a stack overflow is
// caught too. Everything the handler needs (program path, arguments, spawn
// attributes) is prepared here, because a crashed process may only make
// async-signal-safe calls. An empty folder means the folder of the running
// executable. Safe to call before the application object exists.
bool install(const QString &programFolder = QString());

// Gives the calling thread its own alternate signal stack, so that a stack
// overflow in it is reported too (signal stacks are per thread). install()
// does this for its own thread; other threads call it when they start.
bool prepareCurrentThread();

// The fault names by exception code; any other code gives "EXCEPTION_UNKNOWN".
const char *exceptionName(quint32 code);

// Exception code for a signal and its si_code; 0 when the pair has no code.
// A segmentation fault in a thread's stack guard is a stack overflow.
quint32 exceptionCode(int signalNumber, int signalCode, bool inStackGuard);

// Path of the report program the handler would start.
QString reportProgramPath();

} // namespace CrashHandler
