// The settings file as it is found on disk (hand-edited, damaged, written
// by another version): every setting and every stored task is read through
// the store, as the program does at start.

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include "appsettings.h"
#include "fuzzsupport.h"
#include "settingsstore.h"
#include "taskstore.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 256 * 1024)
        return 0;
    const QString path = SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application);
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    AppSettings::language();
    AppSettings::mainWindowGeometry();
    AppSettings::mainSplitterSizes();
    AppSettings::floatingWindowPosition(1920);
    AppSettings::autoStartupFlag();
    AppSettings::autoUpdateFlag();
    AppSettings::speedPanelBandwidthBytes();
    AppSettings::showFloatingWindowFlag();
    AppSettings::downloadedTo();
    AppSettings::downloadedToHistory();
    AppSettings::monitorClipboardFileTypes();
    AppSettings::splitBound();
    AppSettings::failureRetryTimes();
    AppSettings::scheduleTaskOption();
    AppSettings::searchProxy();
    AppSettings::httpFtpProxy();
    AppSettings::virusScanFlag();
    AppSettings::toolbarSearchRecords();
    AppSettings::toolbarSearchMaxNum();
    AppSettings::readGeneralPage();

    const ApTaskStore store;
    store.keys();
    const QList<qint64> ids = store.ids();
    for (int i = 0; i < ids.size() && i < 64; ++i) {
        if (const auto record = store.read(ids.at(i))) {
            TaskStore::shownSize(*record);
            TaskStore::isSubmittable(*record);
            TaskStore::engineTaskInput(*record);
        }
    }
    return 0;
}
