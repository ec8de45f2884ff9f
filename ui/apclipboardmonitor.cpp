#include "apclipboardmonitor.h"

#include <QClipboard>

ApClipboardMonitor::ApClipboardMonitor(QClipboard *clipboard, QObject *parent)
    : QObject(parent)
    , m_clipboard(clipboard)
{
}

bool ApClipboardMonitor::hasDownloadScheme(const QString &text)
{
    for (const char *scheme : {"http://", "https://", "ftp://"}) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool ApClipboardMonitor::matchesFileTypes(const QString &link, const QString &fileTypes)
{
    const int dot = link.lastIndexOf(QLatin1Char('.'));
    // A link without a dot, or ending in one, has no file type to match;
    // a lone dot would otherwise match any list.
    if (dot < 0 || dot == link.size() - 1)
        return false;
    return fileTypes.contains(link.mid(dot), Qt::CaseSensitive);
}

QString ApClipboardMonitor::candidate() const
{
    if (!m_enabled || !m_clipboard || (m_blocked && m_blocked()))
        return {};
    const QString text = m_clipboard->text().trimmed();
    if (text.isEmpty() || !hasDownloadScheme(text) || !matchesFileTypes(text, m_fileTypes))
        return {};
    return text;
}
