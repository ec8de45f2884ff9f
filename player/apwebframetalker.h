#pragma once

#include <QObject>
#include <QPointer>

class QWebFrame;

namespace Player {

class MainWindow;

// The object the player page calls as "webFrameTalker": it reports the clip
// the page moves on to and asks for the playback check.
class ApWebFrameTalker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApWebFrameTalker)

public:
    ApWebFrameTalker(QObject *parent, QWebFrame *frame, MainWindow *window);

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
};

} // namespace Player
