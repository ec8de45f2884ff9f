#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// Named keys of the main program's settings store. Group paths use "/".
namespace SettingsKeys {
inline const QString Language = QStringLiteral("Language");

inline const QString MainWindowGeometry = QStringLiteral("UI/MainWindowGeometry");
inline const QString MainSplitterSizes = QStringLiteral("UI/MainSplitterSizes");
inline const QString FloatingWindowPosition = QStringLiteral("UI/FloatingWindowPosition");

inline const QString GeneralGroup = QStringLiteral("Config/General");
inline const QString AutoStartupFlag = QStringLiteral("Config/General/AutoStartupFlag");
inline const QString AutoUpdateFlag = QStringLiteral("Config/General/AutoUpdateFlag");
inline const QString MinToTrayFlag = QStringLiteral("Config/General/MinToTrayFlag");
inline const QString CompletionPopupDialogFlag = QStringLiteral("Config/General/CompletionPopupDialogFlag");
inline const QString SpeedPanelBandwidth = QStringLiteral("Config/General/SpeedPanelBandwidth");
inline const QString ShowFloatingWindowFlag = QStringLiteral("Config/General/ShowFloatingWindowFlag");
inline const QString DownloadedTo = QStringLiteral("Config/General/DownloadedTo");
inline const QString DownloadedToHistory = QStringLiteral("Config/General/DownloadedToHistory");
inline const QString MonitorClipboardFlag = QStringLiteral("Config/General/MonitorClipboardFlag");
inline const QString MonitorClipboardFileTypes = QStringLiteral("Config/General/MonitorClipboardFileTypes");
inline const QString MaxSplitNumRadioGroup = QStringLiteral("Config/General/MaxSplitNumRadioGroup");
inline const QString MaxSplitNum = QStringLiteral("Config/General/MaxSplitNum");
inline const QString FailureRetryTimes = QStringLiteral("Config/General/FailureRetryTimes");
// KB/s for all downloads together; 0 or missing means unlimited.
inline const QString DownloadSpeedLimit = QStringLiteral("Config/General/DownloadSpeedLimit");
// Tasks that transfer at once; the rest wait in line. 0 means no limit.
inline const QString MaxActiveDownloads = QStringLiteral("Config/General/MaxActiveDownloads");
inline const QString SpeedOptimizationFlag = QStringLiteral("Config/General/SpeedOptimizationFlag");
inline const QString ScheduleTaskOption = QStringLiteral("Config/General/ScheduleTaskOption");

inline const QString ProxyGroup = QStringLiteral("Config/Proxy");
inline const QString SearchProxyGroup = QStringLiteral("Config/Proxy/Search");
inline const QString HttpFtpProxyGroup = QStringLiteral("Config/Proxy/HTTPFTP");

inline const QString VirusScanGroup = QStringLiteral("Config/VirusScan");
inline const QString VirusScanFlag = QStringLiteral("Config/VirusScan/VirusScanFlag");
inline const QString VirusScanProgramPath = QStringLiteral("Config/VirusScan/ProgramPath");
inline const QString VirusScanProgramArgs = QStringLiteral("Config/VirusScan/ProgramArgs");

inline const QString ContentPhrase = QStringLiteral("Config/Content/Phrase");
inline const QString ContentTimeStamp = QStringLiteral("Config/Content/TimeStamp");
inline const QString ContentKeywords = QStringLiteral("Config/Content/Keywords");

inline const QString ToolbarSearchRecords = QStringLiteral("ToolbarSearch/Records");
inline const QString ToolbarSearchMaxNum = QStringLiteral("ToolbarSearch/MaxNum");

inline const QString DownloadTasks = QStringLiteral("DownloadTasks");
// Task record keys filled in by the toolbelt companion program.
inline const QString TaskFileHash = QStringLiteral("FileHash");
inline const QString TaskURLHostIP = QStringLiteral("URLHostIP");
} // namespace SettingsKeys

// Bounds of the numbers the settings dialog edits. Values read from the
// file are held to them, so a hand-edited file cannot ask the engine for
// hundreds of connections or a port that does not exist.
namespace SettingsRanges {
constexpr int MaxSplitNumMin = 1;
constexpr int MaxSplitNumMax = 20;
constexpr int FailureRetryTimesMin = 0;
constexpr int FailureRetryTimesMax = 99;
constexpr int SpeedPanelBandwidthMin = 1;
constexpr int SpeedPanelBandwidthMax = 1000000;
constexpr int ProxyPortMin = 1;
constexpr int ProxyPortMax = 65535;
constexpr int DownloadSpeedLimitMin = 0;
constexpr int DownloadSpeedLimitMax = 1000000;
constexpr int MaxActiveDownloadsMin = 0;
constexpr int MaxActiveDownloadsMax = 100;
constexpr int MaxActiveDownloadsDefault = 5;
} // namespace SettingsRanges

// Proxy record as stored under "Config/Proxy/Search" and "Config/Proxy/HTTPFTP".
struct ProxySettings
{
    enum Type { NoProxy = 0, Socks5 = 1, Http = 2 };
    int type = NoProxy;
    QString host;
    int port = 3128;
    QString username;
    QString password;

    bool operator==(const ProxySettings &o) const
    {
        return type == o.type && host == o.host && port == o.port && username == o.username
            && password == o.password;
    }
};

// Values of the General page of the settings dialog, written in one go.
struct GeneralSettings
{
    bool autoStartup = true;
    bool autoUpdate = true;
    bool minToTray = true;
    bool completionPopup = true;
    int speedPanelBandwidth = 300;
    bool showFloatingWindow = true;
    QString downloadedTo;
    bool monitorClipboard = true;
    QString monitorClipboardFileTypes;
    bool customSplit = false;
    int maxSplitNum = 6;
    int failureRetryTimes = 3;
    int downloadSpeedLimit = 0;   // KB/s, 0 = unlimited
    int maxActiveDownloads = SettingsRanges::MaxActiveDownloadsDefault;  // 0 = no limit
};

// The one access layer of the main program's settings. Every call opens the
// store afresh; missing keys give their defaults.
namespace AppSettings {
// Flag rule: missing or non-zero is on; only a stored 0 is off.
bool flag(const QString &key);
void setFlag(const QString &key, bool on);

QString language();          // "null" when missing
QString ensureLanguage();    // as language(), writing "null" back when missing
void setLanguage(const QString &name);

QRect mainWindowGeometry();
void setMainWindowGeometry(const QRect &rect);
QStringList mainSplitterSizes();
void setMainSplitterSizes(const QStringList &sizes);
QPoint floatingWindowPosition(int primaryScreenWidth);
void setFloatingWindowPosition(const QPoint &pos);

bool autoStartupFlag();
bool autoUpdateFlag();
bool minToTrayFlag();
bool completionPopupDialogFlag();
int speedPanelBandwidth();            // as stored, default 300
qint64 speedPanelBandwidthBytes();    // × 1000
// Used by the settings dialog and when settings are re-applied: on only
// when it reads exactly 1 (missing means on).
bool showFloatingWindowExact();
bool showFloatingWindowFlag();
QString downloadedTo();               // default: the default download folder
void setDownloadedTo(const QString &folder);
QStringList downloadedToHistory();
void setDownloadedToHistory(const QStringList &folders);
bool monitorClipboardFlag();
QString monitorClipboardFileTypes();
QString defaultMonitorClipboardFileTypes();
int maxSplitNumRadioGroup();
int maxSplitNum();
int failureRetryTimes();
// The global download limit in KB/s; 0 (also when missing) is unlimited.
int downloadSpeedLimit();
// Tasks allowed to transfer at once, 5 when missing; 0 is no limit.
int maxActiveDownloads();
void setMaxActiveDownloads(int limit);
// Split bound of the download manager: 4 unless a custom split is chosen
// and MaxSplitNum exists, then MaxSplitNum - 1.
int splitBound();
int scheduleTaskOption();
void setScheduleTaskOption(int option);

ProxySettings searchProxy();
ProxySettings httpFtpProxy();
void setSearchProxy(const ProxySettings &proxy);
void setHttpFtpProxy(const ProxySettings &proxy);

// Scanning runs only when the flag exists and is exactly 1.
bool virusScanFlag();
QString virusScanProgramPath();
QString virusScanProgramArgs();

QStringList toolbarSearchRecords();
void setToolbarSearchRecords(const QStringList &records);
int toolbarSearchMaxNum();

// Page saves and resets of the settings dialog.
void saveGeneralPage(const GeneralSettings &general);
GeneralSettings readGeneralPage();
void resetGeneralPage();
void saveProxyPage(const ProxySettings &search, const ProxySettings &httpFtp);
void resetProxyPage();
void saveVirusScanPage(bool scan, const QString &programPath, const QString &programArgs);
void resetVirusScanPage();
} // namespace AppSettings
