// The update manifest as the updater receives it from the product web site.

#include "appluginupdater.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    ApPluginUpdater::manifestVersion(FuzzSupport::bytes(data, size));
    return 0;
}
