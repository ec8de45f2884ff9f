#pragma once

#include <QByteArray>

#include "apcurlmulti.h"
#include "aptvodownloader.h"
#include "aptvosettings.h"

class QFile;
class ApQuickUrlDownloader;
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

    // The request header of the last request, for diagnostics and tests.
    QList<QByteArray> requestHeaders() const { return m_requestHeaders; }

public slots:
    void start() override;
    void stop() override;

private:
    void startFallback();
    bool startRequest();
    void transferFinished(int curlCode) override;
    void connectionDone(bool error);
    void connectionUnconnected();

    static size_t headerCallback(char *data, size_t size, size_t count, void *userp);
    static size_t writeCallback(char *data, size_t size, size_t count, void *userp);
    static int prereqCallback(void *userp, char *, char *, int, int);
    bool headerLine(const QByteArray &line);
    bool responseHeaderReceived();
    bool dataArrived(const char *data, qint64 n);

    // Counts a failure, marks the connection failed and ends its transfer.
    bool fail();
    bool openFile();
    bool allocateFile(qint64 length);
    bool writeData(const char *data, qint64 n);
    void closeFile();
    void rangeDone();

    void qudProgressCallback(qint64 id, qint64 received, qint64 total);
    void qudFinishedCallback(qint64 id);
    void qudFailedCallback(qint64 id, const QString &error);

    CURL *m_easy = nullptr;
    curl_slist *m_headerList = nullptr;
    QList<QByteArray> m_requestHeaders;
    ApTvoSettingsValues m_settings;
    QFile *m_file = nullptr;
    bool m_inMulti = false;
    bool m_aborted = false;
    bool m_redirected = false;
    bool m_redirectPending = false;
    int m_redirectCount = 0;
    int m_status = 0;
    bool m_bodyAccepted = false;
    qint64 m_contentLength = -1;
    QByteArray m_location;
    QByteArray m_contentRange;
    ApQuickUrlDownloader *m_fallback;
};
