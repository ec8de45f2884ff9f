#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

// Byte ranges [first, end) kept sorted and merged.
class ApByteRanges final
{
public:
    using Range = QPair<qint64, qint64>;

    void add(qint64 first, qint64 end);
    void add(const ApByteRanges &other);
    void clear() { m_ranges.clear(); }
    bool isEmpty() const { return m_ranges.isEmpty(); }
    qint64 bytes() const;
    // The parts of [0, size) not covered, in order.
    QVector<Range> gaps(qint64 size) const;
    const QVector<Range> &ranges() const { return m_ranges; }

private:
    QVector<Range> m_ranges;
};

// What a task run knows of its target file across runs and crashes. It is
// kept in a small side file beside the target (target path + ".zresume"),
// replaced atomically (temporary file and rename) on every save and removed
// when the file is complete. It is owner-only and holds no credentials.
// Format: UTF-8 text, one "name value" pair per line, names in any order,
// unknown names ignored:
//
//   ZantorResume 1               first line, format version
//   size 209715200               total bytes of the remote file
//   url http://host/file         address of the first request, no user info
//   etag "5f1c-1234"             HTTP validators as the server sent them
//   last-modified Tue, 01 ...
//   ftp-modified 20240101120000  FTP MDTM reply of the file
//   done 0 1048576               one line per finished range [first, end)
//
// A range is listed only after its bytes went to the file and the file was
// synced, so the list never claims bytes that are not on disk.
struct ApTvoResumeState
{
    qint64 size = 0;
    QString url;
    QByteArray etag;
    QByteArray lastModified;
    QByteArray ftpModified;
    ApByteRanges done;

    static QString pathFor(const QString &savePath);
    // The address as the record keeps it: without user name and password,
    // which stay in the settings file alone.
    static QString addressOf(const QString &url);
    static void remove(const QString &savePath);

    // Reads the side file of savePath; false when it is missing or unusable.
    bool load(const QString &savePath);
    bool save(const QString &savePath) const;

    // A server validator that tells whether the remote file changed.
    bool hasValidator() const { return !etag.isEmpty() || !lastModified.isEmpty() || !ftpModified.isEmpty(); }
    // The validator sent with "If-Range": a strong entity tag, else the date.
    QByteArray ifRangeValue() const;
};
