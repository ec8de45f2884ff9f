#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QWebFrame;

namespace Player {

class MainWindow;

// The object the player page calls as "webFrameTalker": it reports the clip
// the page moves on to and asks for the playback check. It is given only to
// the program's own pages: the player page file, qrc: pages and pages of
// the product site (the home address's origin).
class ApWebFrameTalker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApWebFrameTalker)

public:
    ApWebFrameTalker(QObject *parent, QWebFrame *frame, MainWindow *window, const QString &homeUrl,
                     const QUrl &playerPage);

    // Runs the detection script in the page; true when the page can play
    // H.264 video (also when the script cannot be read: no check then).
    bool pageCanPlay();

public slots:
    void registerJavaScriptWindowObject();
    void handleFlashPlugin();
    void gotoNextClip(const QString &nextClipIndexOffset);
    void enterFullScreen();
    void leaveFullScreen();

private:
    QPointer<QWebFrame> m_frame;
    MainWindow *m_window;
    QString m_homeUrl;
    QUrl m_playerPage;
};

} // namespace Player
