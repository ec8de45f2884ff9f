#pragma once

#include <QByteArray>

// The pieces of a server's answer the engine reads, as small functions of
// their own: the connections call them line by line, and they can be fed
// any bytes on their own.
namespace ReplyParsing {

// "HTTP/1.1 206 Partial Content": the status (0 when there is none) and the
// reason phrase. False when the line is no status line.
bool httpStatusLine(const QByteArray &line, int *status, QByteArray *reason);

// "Name: value": the name lower-cased and both trimmed. False for a line
// without a name (no colon, or one at the start).
bool httpHeaderLine(const QByteArray &line, QByteArray *name, QByteArray *value);

// A Content-Length value; -1 when it is no non-negative number.
qint64 contentLength(const QByteArray &value);

// An Accept-Ranges value names the "bytes" unit.
bool acceptsByteRanges(const QByteArray &value);

// "bytes 100-199/1000": the first byte and the total (-1 where absent or
// "*"); both -1 for a value of another unit.
void contentRange(const QByteArray &value, qint64 *first, qint64 *total);

// The last line of an FTP reply ("213 1234", not "213-..."): its code and
// the text after it. False for any other line.
bool ftpReplyLine(const QByteArray &line, int *code, QByteArray *detail);

// A value that may go into a request header: no CR, LF or NUL that would
// end the line early and start another one.
bool isSafeHeaderValue(const QByteArray &value);

} // namespace ReplyParsing
