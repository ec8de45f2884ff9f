// The location database "ldb.tvoc": the compressed form (length and zlib
// stream) and the record text inside it, then lookups in what was loaded.

#include "apgeolocation.h"
#include "fuzzsupport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    const QByteArray input = FuzzSupport::bytes(data, size);
    ApGeoLocation geo;
    const int compressed = geo.loadCompressed(input);
    const int plain = geo.parse(input);
    if (compressed < 0 || plain < 0 || geo.count() != compressed + plain)
        std::abort();
    for (const char *address : {"0.0.0.0", "1.2.3.4", "127.0.0.1", "255.255.255.255", "10.0.0.1"}) {
        const QString code = geo.countryCode(QLatin1String(address));
        bool ok = false;
        const int index = geo.lookup(ApGeoLocation::addressFromText(QLatin1String(address), &ok));
        if (index >= geo.count() || (index < 0 && code != ApGeoLocation::NoCode))
            std::abort();
        geo.codeAt(index);
    }
    // The first line of the input as an address typed by a page.
    bool ok = false;
    ApGeoLocation::addressFromText(QString::fromUtf8(input.left(input.indexOf('\n'))), &ok);
    return 0;
}
