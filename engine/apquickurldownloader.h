#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

// Single-stream download of one URL into a file.
class ApQuickUrlDownloader : public QObject
{
    Q_OBJECT
public:
    explicit ApQuickUrlDownloader(QObject *parent = nullptr);
    ~ApQuickUrlDownloader() override;

    void download(const QUrl &url, const QString &savePath, qint64 id,
                  const QByteArray &userAgent = {}, const QByteArray &referer = {});
    void abort();

signals:
    void downloadProgress(qint64 id, qint64 received, qint64 total);
    void downloadFinished(qint64 id);
    void downloadFailed(qint64 id, const QString &error);

private:
    void finished();

    QNetworkAccessManager *m_manager;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    qint64 m_id = 0;
};
