#pragma once

#include <QByteArray>

#include "apcurlmulti.h"
#include "aptvodownloader.h"
#include "aptvosettings.h"

class ApQuickUrlDownloader;
class QNetworkProxy;
struct curl_slist;

// One HTTP or HTTPS connection of a task, on a libcurl easy handle driven by
// the task thread's multi handle. It requests its range open-ended and cuts
// the data at the end of the range, which other connections may move
// closer while it runs.
class ApTvoHttp final : public ApTvoHttpFtpDownloader, private ApCurlTransfer
{
    Q_OBJECT
public:
    explicit ApTvoHttp(ApTvoTask *task, QObject *parent = nullptr);
    ~ApTvoHttp() override;

    // The proxy host of the settings without a scheme that matches the
    // chosen type; false when it is empty, malformed or names another type.
    static bool proxyHost(const ApTvoSettingsValues &settings, QByteArray *host);
    // The same proxy for the single-stream fallback; no proxy at all when
    // none is chosen.
    static QNetworkProxy networkProxy(const ApTvoSettingsValues &settings);

    // The request header of the last request, for diagnostics and tests.
    QList<QByteArray> requestHeaders() const { return m_requestHeaders; }

public slots:
    void start() override;
    void stop() override;

private:
    void startFallback();
    // The task's own user agent (a browser's), else the settings' one.
    QByteArray userAgent() const;
    void fallbackRefused(const QString &reason);
    bool startRequest();
    // The task's referer, or the connection's URL without its user info.
    QByteArray refererText() const;
    void transferFinished(int curlCode) override;
    void connectionUnconnected();

    static size_t headerCallback(char *data, size_t size, size_t count, void *userp);
    static size_t writeCallback(char *data, size_t size, size_t count, void *userp);
    static int prereqCallback(void *userp, char *, char *, int, int);
    bool headerLine(const QByteArray &line);
    bool responseHeaderReceived();
    bool restartWhole();
    bool remoteFileChanged();

    void qudProgressCallback(qint64 id, qint64 received, qint64 total);
    void qudFinishedCallback(qint64 id);
    void qudFailedCallback(qint64 id, const QString &error);

    CURL *m_easy = nullptr;
    curl_slist *m_headerList = nullptr;
    QList<QByteArray> m_requestHeaders;
    ApTvoSettingsValues m_settings;
    bool m_inMulti = false;
    bool m_redirected = false;
    bool m_redirectPending = false;
    int m_redirectCount = 0;
    int m_status = 0;
    QByteArray m_reasonPhrase;
    qint64 m_contentLength = -1;
    QByteArray m_location;
    QByteArray m_contentRange;
    QByteArray m_etag;
    QByteArray m_lastModified;
    bool m_acceptRanges = false;
    ApQuickUrlDownloader *m_fallback;
};
