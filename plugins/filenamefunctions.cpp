#include "filenamefunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString uniqueFileName(const QString &path)
{
    if (!QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString base = info.baseName();
    const QString suffix = info.completeSuffix();
    for (qint64 n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1/%2(%3).%4").arg(folder, base, QString::number(n), suffix);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

QString sanitizeFileName(const QString &name, const QString &replacement)
{
    static const QString illegal = QStringLiteral("\\/:*?\"<>|\n\a\f\r\t\v");
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        if (illegal.contains(c))
            result += replacement;
        else
            result += c;
    }
    return result;
}

bool isValidDownloadUrl(const QString &url, bool allowRtmp)
{
    const QString http = QStringLiteral("http://");
    if (url.startsWith(http))
        return QUrl(url).isValid();
    if (!allowRtmp)
        return false;
    for (const QString &prefix : {QStringLiteral("rtmp://"), QStringLiteral("rtmpe://")}) {
        if (url.startsWith(prefix))
            return QUrl(http + url.mid(prefix.size())).isValid();
    }
    return false;
}

QString directoryOfPath(const QString &path)
{
    return QFileInfo(path).absolutePath();
}
