#include "playlistfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Player {
namespace PlaylistFile {

QByteArray content(const QStringList &paths)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><sources>");
    for (const QString &path : paths) {
        QString escaped = path.toHtmlEscaped();  // & < > "
        escaped.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
        text += QStringLiteral("<source src=\"") + escaped + QStringLiteral("\"/>");
    }
    text += QStringLiteral("</sources>");
    return text.toUtf8();
}

bool write(const QString &file, const QStringList &paths)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(content(paths));
    return out.commit();
}

bool prepareFolder(const QString &sourceFolder, const QString &playerFolder, const QString &playlistFile)
{
    if (!QDir().mkpath(playerFolder))
        return false;
    const QFileInfoList files = QDir(sourceFolder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &source : files) {
        const QString target = playerFolder + QLatin1Char('/') + source.fileName();
        if (!QFileInfo::exists(target))
            QFile::copy(source.absoluteFilePath(), target);
    }
    return write(playlistFile, {DefaultEntry});
}

QString pathKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace PlaylistFile
} // namespace Player
