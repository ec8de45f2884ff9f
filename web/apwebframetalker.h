#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWebFrame>

class ApWebFrameHost;
class ApplicationInfo;

// The object a page shown inside the download manager calls from its own
// script, attached to one frame as "webFrameTalker". Every request of the
// page (downloads, web video, the content lock, its texts, links, messages)
// comes through a slot; everything the program asks of the page is a short
// script evaluated in the frame.
//
// The slots are the page's interface: their order, names, overloads and
// parameter names are what page scripts rely on.
class ApWebFrameTalker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApWebFrameTalker)

public:
    // Table mode 0 builds the full page text table, 1 only the entry
    // "Unable to connect to server"; any other mode leaves it empty.
    ApWebFrameTalker(QObject *parent, QWebFrame *frame, const ApplicationInfo *info, ApWebFrameHost *host,
                     int tableMode);
    ~ApWebFrameTalker() override;

    // Rebuilds the page text table in the current language and lets the page
    // fetch its texts again.
    void translateAll();

    // Text placed between single quotes in a script: quotes, backslashes,
    // line breaks and "</" are escaped, so the text stays one string literal
    // whatever it holds.
    static QString scriptStringLiteralBody(const QString &text);
    // The script run in the page for a search on tab 0 (general) or 1 (video).
    static QString searchScript(int tab, const QString &keywords);

    QWebFrame *frame() const { return m_frame; }
    int tableMode() const { return m_tableMode; }
    const QHash<QString, QString> &pageTextTable() const { return m_pageTexts; }
    QString filteredKeywords() const { return m_filteredKeywords; }

    // Keys of the full page text table, in insertion order.
    static QStringList pageTextKeys();
    // What the user is told when a web video yields no media address, for
    // a plugin outcome other than found (VideoInformationPlugin::Outcome).
    static QString videoErrorText(int outcome);

public slots:
    void registerJavaScriptWindowObject();
    QString getSelfCCode();
    void submitKeywords(const QString &keywords);
    void searchBt(const QString &keywords);
    void searchWebVid(const QString &keywords);
    void seachFinished();
    void downloadFile(const QString &fileUrl, const QString &fileName, int convertType);
    void downloadFile(const QString &fileUrl, const QString &fileName);
    void downloadFile(const QString &fileUrl);
    void downloadVideoSHttp(const QString &videoService, const QString &videoUrl, const QString &fileName,
                            int convertType);
    void downloadVideoSHttp(const QString &videoService, const QString &videoUrl, const QString &fileName);
    void downloadVideoSHttp(const QString &videoService, const QString &videoUrl);
    void enableSearch(bool flag);
    bool isContentLocked();
    void alertContentLocked();
    bool containsFilteredKeywords(const QString &keywords);
    void alertKeywordsFiltered();
    QString getHomeUrl();
    void openInBrowser(const QString &link);
    void showInfo(const QString &info);
    void showInfo();
    int getTarvoVersion();
    QString universeMethod(const QString &methodName, const QString &params);
    void DownloadWebVideoFromUrl();

private:
    void buildPageTextTable();
    void evaluate(const QString &script);
    void showMessage(const QString &text);

    QPointer<QWebFrame> m_frame;
    const ApplicationInfo *m_info;
    ApWebFrameHost *m_host;
    QString m_filteredKeywords;
    int m_tableMode;
    QHash<QString, QString> m_pageTexts;
    QString m_selfCountryCode;
};
