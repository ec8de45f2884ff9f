#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QClipboard;

// Decides whether copied text is a link to offer for download: an HTTP,
// HTTPS or FTP address (scheme in any case) whose ending, from its last
// dot, occurs exactly as written in the list of file types.
class ApClipboardMonitor final : public QObject
{
    Q_OBJECT
public:
    explicit ApClipboardMonitor(QClipboard *clipboard, QObject *parent = nullptr);

    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }
    void setFileTypes(const QString &types) { m_fileTypes = types; }
    QString fileTypes() const { return m_fileTypes; }
    // While it answers true (a modal dialog or the new task dialog is up)
    // nothing is offered.
    void setBlocker(std::function<bool()> blocked) { m_blocked = std::move(blocked); }

    // The link to offer for the clipboard's current text, or empty.
    QString candidate() const;

    static bool hasDownloadScheme(const QString &text);
    static bool matchesFileTypes(const QString &link, const QString &fileTypes);

private:
    Q_DISABLE_COPY(ApClipboardMonitor)
    QClipboard *m_clipboard;
    bool m_enabled = true;
    QString m_fileTypes;
    std::function<bool()> m_blocked;
};
