#include "ipcmessage.h"

namespace IpcMessage {

QString separator()
{
    return QStringLiteral("=>[tvo]@");
}

QString showWindowCommand()
{
    return QStringLiteral("show-window");
}

QString build(const QString &command, const QStringList &arguments)
{
    QStringList pieces{command};
    pieces += arguments;
    return QLatin1Char('{') + pieces.join(separator()) + QLatin1Char('}');
}

QString build(const QString &command, const QString &argument)
{
    return build(command, QStringList{argument});
}

bool parse(const QString &text, QStringList *pieces)
{
    const int open = text.indexOf(QLatin1Char('{'));
    if (open < 0)
        return false;
    const int close = text.indexOf(QLatin1Char('}'), open + 1);
    if (close < 0)
        return false;
    const QString body = text.mid(open + 1, close - open - 1);
    if (pieces)
        *pieces = body.split(separator(), Qt::SkipEmptyParts, Qt::CaseSensitive);
    return true;
}

} // namespace IpcMessage
