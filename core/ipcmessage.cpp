#include "ipcmessage.h"

namespace IpcMessage {

namespace {

QString escaped(const QString &piece)
{
    QString out;
    out.reserve(piece.size() + 8);
    for (const QChar c : piece) {
        if (c == QLatin1Char('%'))
            out += QLatin1String("%25");
        else if (c == QLatin1Char('}'))
            out += QLatin1String("%7D");
        else if (c == QLatin1Char('@'))
            out += QLatin1String("%40");
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString &piece)
{
    QString out;
    out.reserve(piece.size());
    for (int i = 0; i < piece.size(); ++i) {
        const QStringRef code = piece.midRef(i + 1, 2);
        if (piece.at(i) == QLatin1Char('%') && code.size() == 2) {
            if (code == QLatin1String("25")) {
                out += QLatin1Char('%');
                i += 2;
                continue;
            }
            if (code.compare(QLatin1String("7D"), Qt::CaseInsensitive) == 0) {
                out += QLatin1Char('}');
                i += 2;
                continue;
            }
            if (code == QLatin1String("40")) {
                out += QLatin1Char('@');
                i += 2;
                continue;
            }
        }
        out += piece.at(i);
    }
    return out;
}

} // namespace

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
    bool plain = true;
    for (const QString &piece : qAsConst(pieces)) {
        if (piece.contains(QLatin1Char('}')) || piece.contains(separator()))
            plain = false;
    }
    if (plain)
        return QLatin1Char('{') + pieces.join(separator()) + QLatin1Char('}');
    QStringList coded;
    for (const QString &piece : qAsConst(pieces))
        coded << escaped(piece);
    return QLatin1Char('{') + separator() + coded.join(separator()) + QLatin1Char('}');
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
    if (!pieces)
        return true;
    *pieces = body.split(separator(), Qt::SkipEmptyParts, Qt::CaseSensitive);
    if (body.startsWith(separator())) {
        for (QString &piece : *pieces)
            piece = unescaped(piece);
    }
    return true;
}

} // namespace IpcMessage
