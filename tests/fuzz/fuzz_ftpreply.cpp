// FTP reply lines as libcurl hands them to a connection: only a reply's
// last line ("213 1234") is read, for its code and text.

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
        int code = -1;
        QByteArray detail;
        if (!ReplyParsing::ftpReplyLine(line, &code, &detail))
            continue;
        if (code < 0 || code > 999 || detail.size() >= line.size())
            std::abort();
        // The size a 213 reply names.
        detail.toLongLong();
    }
    return 0;
}
