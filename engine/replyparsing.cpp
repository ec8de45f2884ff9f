#include "replyparsing.h"

#include <QList>

#include <cctype>

namespace ReplyParsing {

bool httpStatusLine(const QByteArray &raw, int *status, QByteArray *reason)
{
    const QByteArray line = raw.trimmed();
    if (!line.startsWith("HTTP/"))
        return false;
    const QList<QByteArray> parts = line.split(' ');
    *status = parts.size() > 1 ? parts.at(1).toInt() : 0;
    *reason = parts.size() > 2 ? line.mid(line.indexOf(' ', line.indexOf(' ') + 1) + 1) : QByteArray();
    return true;
}

bool httpHeaderLine(const QByteArray &raw, QByteArray *name, QByteArray *value)
{
    const QByteArray line = raw.trimmed();
    const int colon = line.indexOf(':');
    if (colon <= 0)
        return false;
    *name = line.left(colon).trimmed().toLower();
    *value = line.mid(colon + 1).trimmed();
    return true;
}

qint64 contentLength(const QByteArray &value)
{
    bool ok = false;
    const qint64 length = value.toLongLong(&ok);
    return ok && length >= 0 ? length : -1;
}

bool acceptsByteRanges(const QByteArray &value)
{
    for (const QByteArray &unit : value.toLower().split(','))
        if (unit.trimmed() == "bytes")
            return true;
    return false;
}

void contentRange(const QByteArray &value, qint64 *first, qint64 *total)
{
    *first = -1;
    *total = -1;
    if (!value.startsWith("bytes "))
        return;
    const QByteArray range = value.mid(6);
    *first = range.left(range.indexOf('-')).trimmed().toLongLong();
    const int slash = range.indexOf('/');
    if (slash > 0 && range.mid(slash + 1).trimmed() != "*")
        *total = range.mid(slash + 1).trimmed().toLongLong();
}

bool ftpReplyLine(const QByteArray &raw, int *code, QByteArray *detail)
{
    const QByteArray line = raw.trimmed();
    if (line.size() < 3 || !isdigit(uchar(line[0])) || !isdigit(uchar(line[1]))
        || !isdigit(uchar(line[2])) || (line.size() > 3 && line[3] != ' '))
        return false;
    *code = line.left(3).toInt();
    *detail = line.mid(4).trimmed();
    return true;
}

bool isSafeHeaderValue(const QByteArray &value)
{
    return !value.contains('\r') && !value.contains('\n') && !value.contains('\0');
}

} // namespace ReplyParsing
