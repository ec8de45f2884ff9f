#include "appsettings.h"

#include <QFileInfo>

#include "commonfunctions.h"
#include "settingsview.h"

namespace K = SettingsKeys;

namespace {

int readInt(const QString &key, int defaultValue)
{
    SettingsView s = SettingsView::freshMain();
    return s.value(key, defaultValue).toInt();
}

void writeValue(const QString &key, const QVariant &value)
{
    SettingsView s = SettingsView::freshMain();
    s.setValue(key, value);
}

ProxySettings readProxy(const QString &group)
{
    SettingsView s = SettingsView::freshMain();
    s.beginGroup(group);
    ProxySettings p;
    p.type = s.value(QStringLiteral("Type"), 0).toInt();
    p.host = s.value(QStringLiteral("Host")).toString();
    p.port = qBound(SettingsRanges::ProxyPortMin, s.value(QStringLiteral("Port"), 3128).toInt(),
                    SettingsRanges::ProxyPortMax);
    p.username = s.value(QStringLiteral("Username")).toString();
    p.password = s.value(QStringLiteral("Password")).toString();
    s.endGroup();
    return p;
}

void writeProxy(SettingsView &s, const QString &group, const ProxySettings &p)
{
    s.beginGroup(group);
    s.setValue(QStringLiteral("Type"), p.type);
    s.setValue(QStringLiteral("Host"), p.host);
    s.setValue(QStringLiteral("Port"), p.port);
    s.setValue(QStringLiteral("Username"), p.username);
    s.setValue(QStringLiteral("Password"), p.password);
    s.endGroup();
}

const QStringList &generalPageKeys()
{
    static const QStringList keys = {
        K::AutoStartupFlag,      K::MinToTrayFlag,          K::CompletionPopupDialogFlag,
        K::AutoUpdateFlag,       K::SpeedPanelBandwidth,    K::ShowFloatingWindowFlag,
        K::DownloadedTo,         K::MonitorClipboardFlag,   K::MonitorClipboardFileTypes,
        K::MaxSplitNumRadioGroup, K::MaxSplitNum,           K::FailureRetryTimes,
        K::SpeedOptimizationFlag, K::DownloadSpeedLimit,    K::MaxActiveDownloads,
    };
    return keys;
}

} // namespace

namespace AppSettings {

bool flag(const QString &key)
{
    SettingsView s = SettingsView::freshMain();
    if (!s.contains(key))
        return true;
    return s.value(key).toInt() != 0;
}

void setFlag(const QString &key, bool on)
{
    writeValue(key, on ? 1 : 0);
}

QString language()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::Language, QStringLiteral("null")).toString();
}

QString ensureLanguage()
{
    SettingsView s = SettingsView::freshMain();
    if (!s.contains(K::Language))
        s.setValue(K::Language, QStringLiteral("null"));
    return s.value(K::Language).toString();
}

void setLanguage(const QString &name) { writeValue(K::Language, name); }

QRect mainWindowGeometry()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::MainWindowGeometry, QRect()).toRect();
}

void setMainWindowGeometry(const QRect &rect) { writeValue(K::MainWindowGeometry, rect); }

QStringList mainSplitterSizes()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::MainSplitterSizes, QStringList{QString(), QString()}).toStringList();
}

void setMainSplitterSizes(const QStringList &sizes) { writeValue(K::MainSplitterSizes, sizes); }

QPoint floatingWindowPosition(int primaryScreenWidth)
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::FloatingWindowPosition, QPoint(primaryScreenWidth - 220, 120)).toPoint();
}

void setFloatingWindowPosition(const QPoint &pos) { writeValue(K::FloatingWindowPosition, pos); }

bool autoStartupFlag() { return flag(K::AutoStartupFlag); }
bool autoUpdateFlag() { return flag(K::AutoUpdateFlag); }
bool minToTrayFlag() { return flag(K::MinToTrayFlag); }
bool completionPopupDialogFlag() { return flag(K::CompletionPopupDialogFlag); }
int speedPanelBandwidth()
{
    return qBound(SettingsRanges::SpeedPanelBandwidthMin, readInt(K::SpeedPanelBandwidth, 300),
                  SettingsRanges::SpeedPanelBandwidthMax);
}
qint64 speedPanelBandwidthBytes() { return qint64(speedPanelBandwidth()) * 1000; }

bool showFloatingWindowExact()
{
    SettingsView s = SettingsView::freshMain();
    if (!s.contains(K::ShowFloatingWindowFlag))
        return true;
    return s.value(K::ShowFloatingWindowFlag).toInt() == 1;
}

bool showFloatingWindowFlag() { return flag(K::ShowFloatingWindowFlag); }

QString downloadedTo()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::DownloadedTo, Common::defaultDownloadFolder()).toString();
}

void setDownloadedTo(const QString &folder) { writeValue(K::DownloadedTo, folder); }

QStringList downloadedToHistory()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::DownloadedToHistory).toStringList();
}

void setDownloadedToHistory(const QStringList &folders) { writeValue(K::DownloadedToHistory, folders); }

bool monitorClipboardFlag() { return flag(K::MonitorClipboardFlag); }

QString defaultMonitorClipboardFileTypes()
{
    return QStringLiteral(".exe;.bin;.zip;.flv;.swf;.torrent;.tor;.pdf;.zipx;.rar;.gzip;.gz;.bz2;.tar;.7z;"
                          ".s7z;.deb;.dmg;.rpm;.tgz;.pkg;.msi;.sfx;.iso;.war;.mp3;.mp4;.mpg;.avi;.mov;"
                          ".asf;.wmv;.wma;.rm;.rmvb;.wav;.jar");
}

QString monitorClipboardFileTypes()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::MonitorClipboardFileTypes, defaultMonitorClipboardFileTypes()).toString();
}

int maxSplitNumRadioGroup() { return readInt(K::MaxSplitNumRadioGroup, 0); }
int maxSplitNum()
{
    return qBound(SettingsRanges::MaxSplitNumMin, readInt(K::MaxSplitNum, 6), SettingsRanges::MaxSplitNumMax);
}

int failureRetryTimes()
{
    return qBound(SettingsRanges::FailureRetryTimesMin, readInt(K::FailureRetryTimes, 3),
                  SettingsRanges::FailureRetryTimesMax);
}

int downloadSpeedLimit()
{
    return qBound(SettingsRanges::DownloadSpeedLimitMin, readInt(K::DownloadSpeedLimit, 0),
                  SettingsRanges::DownloadSpeedLimitMax);
}

int maxActiveDownloads()
{
    return qBound(SettingsRanges::MaxActiveDownloadsMin,
                  readInt(K::MaxActiveDownloads, SettingsRanges::MaxActiveDownloadsDefault),
                  SettingsRanges::MaxActiveDownloadsMax);
}

void setMaxActiveDownloads(int limit)
{
    writeValue(K::MaxActiveDownloads,
               qBound(SettingsRanges::MaxActiveDownloadsMin, limit, SettingsRanges::MaxActiveDownloadsMax));
}

int splitBound()
{
    SettingsView s = SettingsView::freshMain();
    if (s.value(K::MaxSplitNumRadioGroup, 0).toInt() == 1 && s.contains(K::MaxSplitNum)) {
        return qBound(SettingsRanges::MaxSplitNumMin, s.value(K::MaxSplitNum).toInt(),
                      SettingsRanges::MaxSplitNumMax)
            - 1;
    }
    return 4;
}

int scheduleTaskOption() { return readInt(K::ScheduleTaskOption, 0); }
void setScheduleTaskOption(int option) { writeValue(K::ScheduleTaskOption, option); }

ProxySettings searchProxy() { return readProxy(K::SearchProxyGroup); }
ProxySettings httpFtpProxy() { return readProxy(K::HttpFtpProxyGroup); }

void setSearchProxy(const ProxySettings &proxy)
{
    SettingsView s = SettingsView::freshMain();
    writeProxy(s, K::SearchProxyGroup, proxy);
}

void setHttpFtpProxy(const ProxySettings &proxy)
{
    SettingsView s = SettingsView::freshMain();
    writeProxy(s, K::HttpFtpProxyGroup, proxy);
}

bool virusScanFlag()
{
    SettingsView s = SettingsView::freshMain();
    return s.contains(K::VirusScanFlag) && s.value(K::VirusScanFlag).toInt() == 1;
}

QString virusScanProgramPath()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::VirusScanProgramPath).toString();
}

QString virusScanProgramArgs()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::VirusScanProgramArgs).toString();
}

QStringList toolbarSearchRecords()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::ToolbarSearchRecords).toStringList();
}

void setToolbarSearchRecords(const QStringList &records) { writeValue(K::ToolbarSearchRecords, records); }
int toolbarSearchMaxNum() { return readInt(K::ToolbarSearchMaxNum, 30); }

void saveGeneralPage(const GeneralSettings &g)
{
    SettingsView s = SettingsView::freshMain();
    s.setValue(K::AutoStartupFlag, g.autoStartup ? 1 : 0);
    s.setValue(K::AutoUpdateFlag, g.autoUpdate ? 1 : 0);
    s.setValue(K::MinToTrayFlag, g.minToTray ? 1 : 0);
    s.setValue(K::CompletionPopupDialogFlag, g.completionPopup ? 1 : 0);
    s.setValue(K::SpeedPanelBandwidth, g.speedPanelBandwidth);
    s.setValue(K::ShowFloatingWindowFlag, g.showFloatingWindow ? 1 : 0);
    s.setValue(K::DownloadedTo, g.downloadedTo);
    s.setValue(K::MonitorClipboardFlag, g.monitorClipboard ? 1 : 0);
    s.setValue(K::MonitorClipboardFileTypes, g.monitorClipboardFileTypes);
    if (g.customSplit) {
        s.setValue(K::MaxSplitNumRadioGroup, 1);
        s.setValue(K::MaxSplitNum, g.maxSplitNum);
    } else {
        s.setValue(K::MaxSplitNumRadioGroup, 0);
    }
    s.setValue(K::FailureRetryTimes, g.failureRetryTimes);
    s.setValue(K::DownloadSpeedLimit, g.downloadSpeedLimit);
    s.setValue(K::MaxActiveDownloads, g.maxActiveDownloads);
}

GeneralSettings readGeneralPage()
{
    GeneralSettings g;
    g.autoStartup = autoStartupFlag();
    g.autoUpdate = autoUpdateFlag();
    g.minToTray = minToTrayFlag();
    g.completionPopup = completionPopupDialogFlag();
    g.speedPanelBandwidth = speedPanelBandwidth();
    g.showFloatingWindow = showFloatingWindowExact();
    g.downloadedTo = downloadedTo();
    g.monitorClipboard = monitorClipboardFlag();
    g.monitorClipboardFileTypes = monitorClipboardFileTypes();
    g.customSplit = maxSplitNumRadioGroup() == 1;
    g.maxSplitNum = maxSplitNum();
    g.failureRetryTimes = failureRetryTimes();
    g.downloadSpeedLimit = downloadSpeedLimit();
    g.maxActiveDownloads = maxActiveDownloads();
    return g;
}

void resetGeneralPage()
{
    SettingsView s = SettingsView::freshMain();
    for (const QString &key : generalPageKeys())
        s.remove(key);
}

void saveProxyPage(const ProxySettings &search, const ProxySettings &httpFtp)
{
    SettingsView s = SettingsView::freshMain();
    writeProxy(s, K::SearchProxyGroup, search);
    writeProxy(s, K::HttpFtpProxyGroup, httpFtp);
}

void resetProxyPage()
{
    SettingsView s = SettingsView::freshMain();
    s.remove(K::ProxyGroup);
}

void saveVirusScanPage(bool scan, const QString &programPath, const QString &programArgs)
{
    SettingsView s = SettingsView::freshMain();
    s.setValue(K::VirusScanFlag, scan ? 1 : 0);
    s.setValue(K::VirusScanProgramPath, programPath);
    s.setValue(K::VirusScanProgramArgs, programArgs);
}

void resetVirusScanPage()
{
    SettingsView s = SettingsView::freshMain();
    s.remove(K::VirusScanGroup);
}

} // namespace AppSettings
