// The head of an HTTP answer as the engine's connections read it, line by
// line: the status line, each header line, and the values the engine acts
// on (Content-Length, Accept-Ranges, Content-Range).

#include "fuzzsupport.h"
#include "replyparsing.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64 * 1024)
        return 0;
    const QByteArray input = FuzzSupport::bytes(data, size);
    for (const QByteArray &line : input.split('\n')) {
        int status = -1;
        QByteArray reason;
        if (ReplyParsing::httpStatusLine(line, &status, &reason)) {
            if (!line.trimmed().startsWith("HTTP/") || reason.size() > line.size())
                std::abort();
            continue;
        }
        QByteArray name, value;
        if (!ReplyParsing::httpHeaderLine(line, &name, &value))
            continue;
        if (name.isEmpty() || name != name.toLower() || name.size() + value.size() >= line.size())
            std::abort();
        if (ReplyParsing::contentLength(value) < -1)
            std::abort();
        ReplyParsing::acceptsByteRanges(value);
        qint64 first = 0, total = 0;
        ReplyParsing::contentRange(value, &first, &total);
        if (!value.startsWith("bytes ") && (first != -1 || total != -1))
            std::abort();
        ReplyParsing::isSafeHeaderValue(value);
    }
    return 0;
}
