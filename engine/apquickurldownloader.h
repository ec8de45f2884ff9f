#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QFile;
class QTimer;
class QNetworkAccessManager;
class QNetworkCookieJar;
class QNetworkProxy;
class QNetworkReply;

// Fetches one URL in a single stream straight into a file. Redirects are
// followed by hand, at most two; the file holds only the final response's
// body. The file is opened (an existing one truncated) when the final
// response's first data arrives; a failed download removes a file it made. TLS certificates are
// verified: a certificate error fails the download like any other error.
// Lives in, and must be used from, the thread that created it.
class ApQuickUrlDownloader final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApQuickUrlDownloader)

public:
    explicit ApQuickUrlDownloader(QObject *parent = nullptr);
    // With the download id echoed by the signals of start().
    explicit ApQuickUrlDownloader(qint64 downloadId, QObject *parent = nullptr);
    ~ApQuickUrlDownloader() override;

    // Starts fetching url into savePath; id is echoed in the signals. A
    // download still running is abandoned first. Only http, https and ftp
    // URLs are fetched. A download that cannot begin (bad URL, target not
    // writable) reports downloadFailed before this returns.
    void download(const QUrl &url, const QString &savePath, qint64 id, const QByteArray &userAgent = {},
                  const QByteArray &referer = {});
    void abort();

    // Starts a download with the id given at construction. The URL text is
    // taken in the local 8-bit encoding; createFolders makes the target's
    // folder with its parents. Returns false (after errorMessageSignal and
    // downloadFailed) when the target cannot be opened or the URL is not an
    // http, https or ftp address.
    bool start(const QString &urlText, const QString &savePath, bool createFolders);
    // Same as abort(): no signal follows.
    void cancel() { abort(); }

    // Proxy for the following downloads (default: the application-wide one).
    void setProxy(const QNetworkProxy &proxy);
    // A browser's cookies for the following download(): sent with each
    // request to exactly that origin ("scheme://host:port") and no other.
    void setCookies(const QByteArray &cookies, const QString &origin);
    // Cookie store for the following downloads; the downloader takes it.
    void setCookieJar(QNetworkCookieJar *jar);
    // Asked before each piece of the file (its size in bytes) is taken from
    // the network: false holds it back, and the download asks again a few
    // milliseconds later while the server waits on the full socket buffer.
    // For a paused task and a speed limit. Without one, data is taken as it
    // comes.
    using Admission = std::function<bool(qint64 bytes)>;
    void setAdmission(Admission admission);

    bool isFinished() const { return m_finished; }
    qint64 downloadId() const { return m_id; }
    QString savePath() const { return m_savePath; }
    // The network layer's description of the last failure, for logs.
    QString errorDetail() const { return m_errorDetail; }
    // Why the last download failed, in words for the user.
    QString failureReason() const { return m_failureReason; }

    // Texts of the failures, as sent with the signals.
    static QString requestFailedText();
    static QString openFailedText();
    static QString writeFailedText();

    static constexpr int MaxRedirects = 2;

signals:
    void downloadProgress(qint64 id, qint64 received, qint64 total);  // total -1 when unknown
    void downloadFinished(qint64 id);  // file complete on disk
    void downloadFailed(qint64 id, const QString &error);

    // The same events for owners that watch one downloader by its id.
    void fileDownloadedToDisk(qint64 id);
    void fileDownloadedProgress(qint64 id, qint64 received, qint64 total);
    void errorMessageSignal(const QString &error);

private:
    bool begin(const QUrl &url, const QString &savePath, bool createFolders);
    void sendRequest(const QUrl &url);
    void onReadyRead();
    void resumeHeld();
    void onProgress(qint64 received, qint64 total);
    void onFinished();
    void fail(const QString &error);
    void releaseReply();
    void closeFile();
    bool openFile();
    bool isFinalResponse() const;
    static bool isFetchableUrl(const QUrl &url);

    qint64 m_id = 0;
    QString m_savePath;
    bool m_finished = true;
    int m_redirects = 0;
    QNetworkAccessManager *m_manager;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    QByteArray m_userAgent;
    QByteArray m_referer;
    QByteArray m_cookies;
    QString m_cookieOrigin;
    QString m_errorDetail;
    QString m_failureReason;
    qint64 m_written = 0;
    bool m_created = false;
    qint64 m_total = -1;
    Admission m_admission;
    QTimer *m_holdTimer;
    bool m_replyFinished = false;
};
