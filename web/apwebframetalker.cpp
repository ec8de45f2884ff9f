#include "apwebframetalker.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QUrl>
#include <QWebFrame>
#include <QWebPage>

#include "apfirstpartypage.h"
#include "apgeolocation.h"
#include "aplinkopener.h"
#include "apinfodialog.h"
#include "apwebframehost.h"
#include "applicationinfo.h"
#include "settingsstore.h"
#include "videodefinition.h"
#include "videoinformationplugin.h"

Q_LOGGING_CATEGORY(lcTalker, "zantor.webframetalker", QtWarningMsg)

namespace {

const char *const Context = "ApWebFrameTalker";

struct PageText
{
    const char *key;
    const char *source;  // null: the key translates itself
};

// The page text table in insertion order; the "#" keys carry a sentence of
// their own as source text.
const PageText PageTexts[] = {
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Search"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "P2P Files"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Web Videos"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Featured Downloads"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Home"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Contact Us"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "More Torrent Searches"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Submit Torrent"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "More Video Searches"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Publish Web Video"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Previous Page"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Next Page"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Name"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Source"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Category"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Size"), nullptr},
    //: Heading of the most popular results of a search
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Top"), nullptr},
    {"#over18", QT_TRANSLATE_NOOP("ApWebFrameTalker", "Please confirm you are over 18 years old")},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Search locked"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "View more"), nullptr},
    {"#requirelogin", QT_TRANSLATE_NOOP("ApWebFrameTalker", "Require login. Click 'View more' for details.")},
    {"#nosuitable", QT_TRANSLATE_NOOP("ApWebFrameTalker", "No suitable results? Click here for more searches.")},
    {"#failconnectserver",
     QT_TRANSLATE_NOOP("ApWebFrameTalker", "Failed to connect to server. Please try it again later.")},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "All"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Video"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Audio"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Game"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Software"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Book"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Picture"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "TV"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Anime"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Others"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Unable to connect to server"), nullptr},
    {"#webvidinfo", QT_TRANSLATE_NOOP("ApWebFrameTalker", "Enter a valid web video URL")},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Download"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Play Video"), nullptr},
    {QT_TRANSLATE_NOOP("ApWebFrameTalker", "Download Video"), nullptr},
};

const char *const UnableToConnect = QT_TRANSLATE_NOOP("ApWebFrameTalker", "Unable to connect to server");

} // namespace

ApWebFrameTalker::ApWebFrameTalker(QObject *parent, QWebFrame *frame, const ApplicationInfo *info,
                                   ApWebFrameHost *host, int tableMode)
    : QObject(parent)
    , m_frame(frame)
    , m_info(info)
    , m_host(host)
    , m_tableMode(tableMode)
{
    if (m_frame) {
        // Plain links inside the page lead nowhere; pages open other pages
        // through openInBrowser.
        m_frame->page()->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
        connect(m_frame, &QWebFrame::javaScriptWindowObjectCleared, this,
                &ApWebFrameTalker::registerJavaScriptWindowObject);
    }
    buildPageTextTable();
}

ApWebFrameTalker::~ApWebFrameTalker() = default;

QStringList ApWebFrameTalker::pageTextKeys()
{
    QStringList keys;
    for (const PageText &entry : PageTexts)
        keys << QString::fromLatin1(entry.key);
    return keys;
}

void ApWebFrameTalker::buildPageTextTable()
{
    m_pageTexts.clear();
    if (m_tableMode == 0) {
        for (const PageText &entry : PageTexts)
            m_pageTexts.insert(QString::fromLatin1(entry.key),
                               QCoreApplication::translate(Context, entry.source ? entry.source : entry.key));
    } else if (m_tableMode == 1) {
        m_pageTexts.insert(QString::fromLatin1(UnableToConnect), QCoreApplication::translate(Context, UnableToConnect));
    }
}

void ApWebFrameTalker::translateAll()
{
    buildPageTextTable();
    evaluate(QStringLiteral("translateAll();"));
}

void ApWebFrameTalker::evaluate(const QString &script)
{
    if (m_frame)
        m_frame->evaluateJavaScript(script);
}

void ApWebFrameTalker::showMessage(const QString &text)
{
    showInfoDialog(m_host ? m_host->messageParent() : nullptr, text, ApInfoDialog::OkOnly);
}

QString ApWebFrameTalker::scriptStringLiteralBody(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\'': out += QLatin1String("\\'"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case 0x2028: out += QLatin1String("\\u2028"); break;
        case 0x2029: out += QLatin1String("\\u2029"); break;
        case 0: out += QLatin1String("\\u0000"); break;
        case '<':
            // "</script>" must never close a script block the text ends up in.
            out += QLatin1String("\\x3c");
            break;
        default: out += c; break;
        }
    }
    return out;
}

QString ApWebFrameTalker::searchScript(int tab, const QString &keywords)
{
    const QString n = QString::number(tab);
    return QStringLiteral("$('#search_tabs > ul').tabs().tabs('select', ") + n + QStringLiteral(");")
        + QStringLiteral("document.getElementById('search_input_") + n + QStringLiteral("').value='")
        + scriptStringLiteralBody(keywords) + QStringLiteral("';")
        + (tab == 0 ? QStringLiteral("searchBt(0);") : QStringLiteral("searchWebVid(0);"));
}

// Slots, in the order pages see them.

void ApWebFrameTalker::registerJavaScriptWindowObject()
{
    if (!m_frame)
        return;
    // Only the program's own pages may start downloads and run plugins.
    const QUrl url = m_frame->url();
    if (!ApFirstPartyPage::isFirstParty(url, getHomeUrl())) {
        qCDebug(lcTalker).noquote() << "no bridge for" << url.toDisplayString(QUrl::RemoveUserInfo);
        return;
    }
    m_frame->addToJavaScriptWindowObject(QStringLiteral("webFrameTalker"), this);
}

QString ApWebFrameTalker::getSelfCCode()
{
    if (!m_selfCountryCode.isEmpty())
        return m_selfCountryCode;
    // Nothing in the suite writes "SelfIP"; a user or an outside helper may.
    const ApGeoLocation *geo = m_host ? m_host->loadedGeoLocation() : nullptr;
    if (!geo)
        return m_selfCountryCode;
    SettingsStore store(m_info ? m_info->displayName() : SettingsStore::organisation,
                        m_info ? m_info->programFileName() : SettingsStore::application);
    if (!store->contains(QStringLiteral("SelfIP")))
        return m_selfCountryCode;
    bool ok = false;
    const quint32 address = ApGeoLocation::addressFromText(store->value(QStringLiteral("SelfIP")).toString(), &ok);
    if (!ok)
        return m_selfCountryCode;
    const int index = geo->lookup(address);
    if (index < 0)
        return m_selfCountryCode;
    const QString code = geo->codeAt(index);
    if (!code.isEmpty() && code != ApGeoLocation::NoCode)
        m_selfCountryCode = code.toLower();
    return m_selfCountryCode;
}

void ApWebFrameTalker::submitKeywords(const QString &keywords)
{
    Q_UNUSED(keywords)
}

void ApWebFrameTalker::searchBt(const QString &keywords)
{
    evaluate(searchScript(0, keywords));
}

void ApWebFrameTalker::searchWebVid(const QString &keywords)
{
    evaluate(searchScript(1, keywords));
}

void ApWebFrameTalker::seachFinished()
{
    if (m_host)
        m_host->pageSearchFinished();
}

void ApWebFrameTalker::downloadFile(const QString &fileUrl, const QString &fileName, int convertType)
{
    if (m_host)
        m_host->addNewTaskFromUrl(fileUrl, fileName, convertType);
}

void ApWebFrameTalker::downloadFile(const QString &fileUrl, const QString &fileName)
{
    downloadFile(fileUrl, fileName, 0);
}

void ApWebFrameTalker::downloadFile(const QString &fileUrl)
{
    downloadFile(fileUrl, QStringLiteral("video.flv"), 0);
}

void ApWebFrameTalker::downloadVideoSHttp(const QString &videoService, const QString &videoUrl,
                                          const QString &fileName, int convertType)
{
    // The plugin runs here, in the GUI thread; its own time limits bound it.
    QString mediaUrl;
    VideoInformationPlugin::Outcome outcome;
    {
        VideoInformationPlugin plugin(nullptr, QStringLiteral(":/webpane/") + videoService + QStringLiteral(".js"));
        mediaUrl = plugin.getVideoInformation(videoUrl).URL;
        outcome = plugin.lastOutcome();
    }
    // Without a media address the user hears what went wrong, not that the
    // (recognised) page address were wrong.
    if (outcome != VideoInformationPlugin::Outcome::Found) {
        showMessage(videoErrorText(int(outcome)));
        return;
    }
    downloadFile(mediaUrl, fileName, convertType);
}

QString ApWebFrameTalker::videoErrorText(int outcome)
{
    switch (VideoInformationPlugin::Outcome(outcome)) {
    case VideoInformationPlugin::Outcome::Unreachable:
        return tr("The video service cannot be reached. Please check the network connection and try again.");
    case VideoInformationPlugin::Outcome::NoMedia:
        return tr("No video was found on this page. It may be private, removed or not a video page.");
    case VideoInformationPlugin::Outcome::PluginError:
        return tr("The plugin for this video service failed. Please try again later or update the program.");
    case VideoInformationPlugin::Outcome::Found:
        break;
    }
    return QString();
}

void ApWebFrameTalker::downloadVideoSHttp(const QString &videoService, const QString &videoUrl,
                                          const QString &fileName)
{
    downloadVideoSHttp(videoService, videoUrl, fileName, 0);
}

void ApWebFrameTalker::downloadVideoSHttp(const QString &videoService, const QString &videoUrl)
{
    downloadVideoSHttp(videoService, videoUrl, QStringLiteral("video.flv"), 0);
}

void ApWebFrameTalker::enableSearch(bool flag)
{
    if (m_host)
        m_host->setToolbarSearchEnabled(flag);
}

bool ApWebFrameTalker::isContentLocked()
{
    if (m_host)
        m_host->refreshSideAdvertisementPanel();
    m_filteredKeywords.clear();
    SettingsStore store(m_info ? m_info->displayName() : SettingsStore::organisation,
                        m_info ? m_info->programFileName() : SettingsStore::application);
    store->beginGroup(QStringLiteral("Config"));
    store->beginGroup(QStringLiteral("Content"));
    if (!store->contains(QStringLiteral("Phrase")))
        return false;
    m_filteredKeywords = store->value(QStringLiteral("Keywords")).toString();
    return true;
}

void ApWebFrameTalker::alertContentLocked()
{
    showMessage(tr("The selected content has been locked for parental control."));
}

bool ApWebFrameTalker::containsFilteredKeywords(const QString &keywords)
{
    const QStringList parts = keywords.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString word = part.trimmed();
        if (!word.isEmpty() && m_filteredKeywords.contains(word, Qt::CaseSensitive))
            return true;
    }
    return false;
}

void ApWebFrameTalker::alertKeywordsFiltered()
{
    showMessage(tr("Your input keywords are filtered by parental control."));
}

QString ApWebFrameTalker::getHomeUrl()
{
    return m_info ? m_info->homeUrl() : QString();
}

void ApWebFrameTalker::openInBrowser(const QString &link)
{
    ApLinkOpener::open(QUrl(link.trimmed(), QUrl::TolerantMode), ApLinkOpener::WebMailAndFtp, "openInBrowser");
}

void ApWebFrameTalker::showInfo(const QString &info)
{
    showMessage(info);
}

void ApWebFrameTalker::showInfo()
{
    showMessage(tr("Please upgrade to a newer version for better results."));
}

int ApWebFrameTalker::getTarvoVersion()
{
    return m_info ? m_info->versionNumber() : 144;
}

QString ApWebFrameTalker::universeMethod(const QString &methodName, const QString &params)
{
    if (methodName == QLatin1String("translate"))
        return m_pageTexts.value(params);
    return QString();
}

void ApWebFrameTalker::DownloadWebVideoFromUrl()
{
    evaluate(QStringLiteral("DownloadWebVideoFromUrl();"));
}
