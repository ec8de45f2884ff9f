#pragma once

#include <QString>
#include <QStringList>

// Framing of the one message a second start of a program hands to the
// running instance: "{" + command + separator + argument(s) + "}".
namespace IpcMessage {

// Placed between the command word and each argument.
QString separator();

// The command word of a second start without a link: show the running
// instance's window. It carries no argument.
QString showWindowCommand();

QString build(const QString &command, const QStringList &arguments);
QString build(const QString &command, const QString &argument);

// Finds the first "{" and the first "}" after it and splits the text
// between them at every separator, dropping empty pieces. Returns false when
// no complete frame has arrived yet (the caller keeps waiting for more data).
bool parse(const QString &text, QStringList *pieces);

} // namespace IpcMessage
