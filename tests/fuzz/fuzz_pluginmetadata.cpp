// A plugin script as the search page package delivers it: loading runs it,
// reads its metadata, checks its versions and takes its icon.

#include <QFile>

#include "fuzzsupport.h"
#include "videoinformationplugin.h"

namespace {
QString folder;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    folder = FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 256 * 1024)
        return 0;
    const QString path = folder + QStringLiteral("/fuzzed.js");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    VideoInformationPlugin plugin(nullptr, path);
    if (plugin.isValid())
        VideoInformationPlugin::compareVersions(plugin.minVersion(), plugin.version());
    return 0;
}
