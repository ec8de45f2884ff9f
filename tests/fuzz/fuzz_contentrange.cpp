// A Content-Range value as a server sends it with a partial answer: the
// first byte and the total the engine compares with what it asked for.

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
    if (size > 4096)
        return 0;
    const QByteArray value = FuzzSupport::bytes(data, size);
    qint64 first = 0, total = 0;
    ReplyParsing::contentRange(value, &first, &total);
    if (!value.startsWith("bytes ")) {
        if (first != -1 || total != -1)
            std::abort();
        return 0;
    }
    // A total written as "*" is unknown.
    const int slash = value.indexOf('/');
    if (slash > 0 && value.mid(slash + 1).trimmed() == "*" && total != -1)
        std::abort();
    return 0;
}
