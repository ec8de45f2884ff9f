#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What every program of the suite does before its application object
// exists: the toolkit attributes for high-density screens, and the
// answers to --help and --version, which need no display.
namespace ProgramStart {

// Exit status of a command line the program does not understand.
constexpr int UsageError = 2;

// Scaling by the screen's device pixel ratio, and pictures drawn at it.
void enableHighDpi();

enum class Answer { None, Help, Version };

// The arguments after the program's name, before any application object
// exists.
QStringList arguments(int argc, char **argv);

// The informational request of a companion program's command line: a
// first argument of -h/--help or -v/--version. Anything else is left to
// the program's own forms.
Answer companionAnswer(const QStringList &arguments);

// A companion program's answer to a first argument of --help or
// --version, printed with its translations from ":/langs". Returns the exit
// status, or -1 when the program goes on with its own forms.
int answerCompanion(int argc, char **argv, const std::function<QString()> &helpText);

// Prints the help (made by helpText once the application object exists)
// or "<program> <version>" on standard output with a core application
// object of its own, translated from translationFolder (empty: the main
// program's "langs" beside it) for the system language. Returns the exit
// status, 0.
int printAnswer(int argc, char **argv, Answer answer, const std::function<QString()> &helpText,
                const QString &translationFolder);

// Prints "<program>: <error>" and a pointer to --help on standard error.
// Returns UsageError.
int printUsageError(const QString &program, const QString &error);

// Prints "<program>: <text>" on standard error.
void printWarning(const QString &program, const QString &text);

// The usage text of a companion program: its description and the forms of
// its arguments, with --help and --version.
QString companionHelp(const QString &description, const QString &syntax, const QString &syntaxHelp);

// The suite's version, "1.4.4".
QString versionText();

} // namespace ProgramStart
