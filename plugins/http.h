#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>

class Cookies;
class QFile;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Synchronous page downloads for plugin scripts, plus a download-to-file
// mode with resume, retries and progress signals for host code.
//
// A page download waits by processing events until its reply has finished;
// only the inactivity time-out, the redirect limit or the server end it.
// Copying an Http copies its settings, cookies and header parameters but not
// a transfer in progress; the copy gets its own network access manager.
class Http : public QObject
{
    Q_OBJECT

public:
    enum Operation { GetOperation = 0, PostOperation = 1, HeadOperation = 2, DeleteOperation = 3 };

    enum Error {
        NoError = 0,
        DirectoryError = 20,
        FileOpenError = 21,
        InvalidUrlError = 22,
        AlreadyRunningError = 23,
        IncompleteFileError = 24,
        ResumeIgnoredError = 26,
        TooManyRedirectsError = 28,
        TimeOutError = 29,
        ConnectionRefusedError = 30,
        HostNotFoundError = 31,
        AccessDeniedError = 32,
        NotFoundError = 33,
        OtherNetworkError = 34,
    };

    enum StopReason {
        StillRunning = 100,
        Completed = 101,
        Canceled = 102,
        Paused = 103,
        TimedOut = 104,
        RedirectLimit = 105,
        ResumeIgnoredRestart = 106,
        ResumeIgnoredFail = 107,
    };

    // A page body larger than this ends the request with an error.
    static constexpr int MaxPageBytes = 32 * 1024 * 1024;

    explicit Http(QObject *parent = nullptr);
    Http(const Http &other);
    ~Http() override;

    // Page downloads. The body is collected as 8-bit characters; with isUtf8
    // it is decoded as UTF-8. All return the empty string on failure.
    QString downloadWebpage(const QString &url, bool isUtf8 = true);
    QString downloadWebpageEx(const QString &url, bool tolerantMode, bool isUtf8 = true);
    QString downloadWebpagePost(const QString &url, const QString &parameters, bool isUtf8 = true);
    QString downloadWebpagePostEx(const QString &url, const QString &parameters, bool tolerantMode,
                                  bool isUtf8 = true);
    // HEAD request: one "Name: value" line per response header, in the
    // server's order, joined by the separator (none after the last line).
    QString downloadWebpageHeaders(const QString &url, const QString &separator = QStringLiteral("\n"));

    void addCookie(const QString &cookie);
    void addCookies(const QString &cookies, const QString &separator = QStringLiteral("|"));
    // Every cookie as name=value followed by the separator, with the final
    // character of the whole text removed.
    QString getCookies(const QString &separator = QStringLiteral("|")) const;
    void clearCookies();
    void setCookiesEnabled(bool enabled) { m_cookiesEnabled = enabled; }
    bool cookiesEnabled() const { return m_cookiesEnabled; }
    Cookies *cookieJar() const { return m_jar; }

    void addHeaderParameter(const QString &key, const QString &value);
    void clearHeaderParameters() { m_headerParameters.clear(); }
    QStringList headerParameters() const { return m_headerParameters; }

    void setMaxRetries(int retries) { m_maxRetries = qMax(1, retries); }
    int maxRetries() const { return m_maxRetries; }
    void setTimeOutOption(bool enabled) { m_timeOutEnabled = enabled; }
    bool timeOutEnabled() const { return m_timeOutEnabled; }
    void setTimeOut(int seconds) { m_timeOutMs = qMax(1, seconds) * 1000; }
    int timeOutMs() const { return m_timeOutMs; }
    void setMaxAutoJumps(int jumps) { m_maxAutoJumps = qMax(1, jumps); }
    int maxAutoJumps() const { return m_maxAutoJumps; }
    void setFollowRedirects(bool follow) { m_followRedirects = follow; }
    bool followRedirects() const { return m_followRedirects; }
    void setUserAgent(const QString &userAgent) { m_userAgent = userAgent; }
    QString userAgent() const { return m_userAgent; }

    int getLastError() const { return m_lastError; }
    int getLastStopReason() const { return m_stopReason; }
    bool isBusy() const { return m_busy; }
    bool isRunning() const;

    // File mode. Starts downloading url into directory/fileName (made unique
    // with rename, else an existing file is continued when resumeExisting is
    // set). Returns 0 when started, else an error code.
    int downloadFile(const QString &url, const QString &directory, const QString &fileName, bool rename);
    void pause();
    void cancel();

    void setDeleteFileOnFailure(bool remove) { m_deleteFileOnFailure = remove; }
    bool deleteFileOnFailure() const { return m_deleteFileOnFailure; }
    void setPauseOnDestroy(bool pause) { m_pauseOnDestroy = pause; }
    void setResumeExisting(bool resume) { m_resumeExisting = resume; }
    // When a server ignores a resume request: start over (true) or fail.
    void setRestartWhenResumeIgnored(bool restart) { m_restartWhenResumeIgnored = restart; }

    QFileInfo fileInfo() const { return m_fileInfo; }
    qint64 totalSize() const { return m_totalSize; }
    qint64 receivedSize() const { return m_receivedSize; }
    qint64 resumeOffset() const { return m_resumeOffset; }
    int attempt() const { return m_attempt; }
    qint64 speed() const { return m_speed; }
    qint64 remainingTime() const { return m_remainingTime; }

    static int mapNetworkError(int networkError);
    // Page downloads and their redirects reach web servers only.
    static bool isPageScheme(const QUrl &url);

    // Ends a page download in progress as cancelled; its call returns the
    // empty text.
    void abortPage();

signals:
    void downloadStarted();
    void downloadFinished(const QFileInfo &file);
    void downloadPaused(const QFileInfo &file);
    void downloadResumed();
    void downloadCanceled();
    void downloadError(int code);
    void downloadEvent(int position, int maximum);
    void restartDownloadSignal();

public slots:
    void finished(QNetworkReply *reply);
    void readyRead();
    void downloadProgress(qint64 received, qint64 total);
    void metaDataChanged();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    Http &operator=(const Http &) = delete;

    QString pageDownload(const QUrl &url, Operation operation, const QByteArray &postData, bool isUtf8);
    void reset();
    void sendRequest(QUrl target);
    void endBeforeReply(int fileError);
    void dropReply();
    void stopTimers();
    void finishPage(QNetworkReply *reply);
    void finishFile(QNetworkReply *reply);
    void retry();
    void restartLater();
    void restartDownload();
    bool openTarget(bool continueExisting);
    void closeFile();
    void reportError(int code);
    void updateStatistics();

    QNetworkAccessManager *m_manager;
    Cookies *m_jar;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    QFileInfo m_fileInfo;
    QUrl m_url;
    QByteArray m_body;
    QList<QPair<QByteArray, QByteArray>> m_headerLines;
    QByteArray m_postData;
    int m_operation = GetOperation;
    QString m_userAgent;
    QStringList m_headerParameters;
    bool m_cookiesEnabled = true;
    bool m_followRedirects = true;
    int m_maxAutoJumps = 5;
    int m_jumpCount = 0;
    bool m_timeOutEnabled = true;
    int m_timeOutMs = 30000;
    int m_maxRetries = 3;
    int m_attempt = 1;
    bool m_busy = false;
    bool m_resume = false;
    bool m_deleteFileOnFailure = true;
    bool m_pauseOnDestroy = false;
    bool m_resumeExisting = true;
    bool m_restartWhenResumeIgnored = true;
    bool m_startFresh = false;
    bool m_metaDataSeen = false;
    int m_lastError = NoError;
    int m_stopReason = StillRunning;
    qint64 m_totalSize = 0;
    qint64 m_receivedSize = 0;
    qint64 m_resumeOffset = 0;
    qint64 m_speed = 0;
    qint64 m_remainingTime = 0;
    int m_percentage = 0;
    qint64 m_lastSampleBytes = 0;
    int m_lastSamplePercentage = 0;
    QList<qint64> m_byteSamples;
    QList<int> m_percentageSamples;
    int m_timeOutTimer = 0;
    int m_statisticsTimer = 0;
    QTimer *m_restartTimer;
};

Q_DECLARE_METATYPE(Http)
