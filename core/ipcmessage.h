#pragma once

#include <QString>
#include <QStringList>

// Framing of the one message a second start of a program hands to the
// running instance: "{" + command + separator + argument(s) + "}".
//
// An argument may hold any character. When one holds "}" or the separator,
// the message is written in the escaped form: the text between the braces
// starts with the separator (an empty first piece, which no plain message
// has), and in every piece "%" is written "%25", "}" "%7D" and "@" "%40".
// Every other message is written exactly as before, and messages of older
// senders read as they always did.
namespace IpcMessage {

// Placed between the command word and each argument.
QString separator();

// The command word of a second start without a link: show the running
// instance's window. It carries no argument.
QString showWindowCommand();

QString build(const QString &command, const QStringList &arguments);
QString build(const QString &command, const QString &argument);

// Finds the first "{" and the first "}" after it and splits the text
// between them at every separator, dropping empty pieces (and undoing the
// escapes of an escaped message). Returns false when no complete frame has
// arrived yet (the caller keeps waiting for more data).
bool parse(const QString &text, QStringList *pieces);

} // namespace IpcMessage
