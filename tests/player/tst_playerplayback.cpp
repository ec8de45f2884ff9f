// Real playback in the player page on a virtual X display: short clips made
// here with GStreamer play one after another, and the play list follows.

#include <QtTest>
#include <QListWidget>
#include <QWebFrame>
#include <QWebView>

#include "apwebframetalker.h"
#include "mainwindow.h"
#include "playertestsupport.h"
#include "virtualdisplay.h"

using namespace Player;

namespace {

bool makeClip(const QString &pipeline)
{
    const QString launch = TestSupport::findProgram(QStringLiteral("gst-launch-1.0"));
    if (launch.isEmpty())
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(launch, QStringList{QStringLiteral("-q")} + QProcess::splitCommand(pipeline));
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QVariantMap pageState(MainWindow *window)
{
    return window->playerView()->page()->mainFrame()->evaluateJavaScript(
        QStringLiteral("typeof playerState === 'function' ? playerState() : null")).toMap();
}

} // namespace

class TestPlayerPlayback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsOneAfterAnother();
    void idleWithoutMedia();

private:
    QTemporaryDir m_dir;
    QString m_video;
    QString m_audio;
};

void TestPlayerPlayback::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("no virtual X display (Xvfb) for playback");
    QVERIFY(m_dir.isValid());
    PlayerTest::clearStore();
    m_video = m_dir.filePath(QStringLiteral("clips/first clip.mp4"));
    m_audio = m_dir.filePath(QStringLiteral("clips/second #2.mp3"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("clips")));
    // Two seconds of H.264 video with AAC sound, then one second of MP3.
    if (!makeClip(QStringLiteral("videotestsrc num-buffers=30 pattern=ball ! video/x-raw,format=I420,width=320,"
                                 "height=240,framerate=15/1 ! x264enc ! h264parse ! mp4mux name=m ! filesink "
                                 "location=\"%1\" audiotestsrc num-buffers=86 ! audioconvert ! avenc_aac ! "
                                 "aacparse ! m.").arg(m_video))
        || !makeClip(QStringLiteral("audiotestsrc num-buffers=43 ! audioconvert ! lamemp3enc ! filesink "
                                    "location=\"%1\"").arg(m_audio)))
        QSKIP("GStreamer tools or encoders are missing (scripts/install-deps)");
}

void TestPlayerPlayback::playsOneAfterAnother()
{
    MainWindow window(PlayerTest::info(m_dir.filePath(QStringLiteral("user"))), QString());
    const QString before = m_dir.filePath(QStringLiteral("clips/not here.mp4"));
    window.addFiles({before, m_video, m_audio});
    window.resize(600, 380);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWebFrame *frame = window.playerView()->page()->mainFrame();
    QTRY_VERIFY_WITH_TIMEOUT(pageState(&window).contains(QStringLiteral("current")), 20000);
    // With the plugins installed the playback check passes.
    QVERIFY(window.bridge()->pageCanPlay());
    QCOMPARE(frame->evaluateJavaScript(QStringLiteral("FlashDetect.installed")).toBool(), true);

    window.playlistWidget()->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    window.playFromRow(1);
    QCOMPARE(window.startRow(), 1);

    // The video plays...
    QTRY_VERIFY_WITH_TIMEOUT(pageState(&window).value(QStringLiteral("current")).toInt() == 0
                                 && pageState(&window).value(QStringLiteral("time")).toDouble() > 0.5,
                             30000);
    QCOMPARE(pageState(&window).value(QStringLiteral("source")).toString(), m_video);
    QVERIFY(window.grab().save(PlayerTest::outputFolder() + QStringLiteral("/clipdeck-playing.png")));

    // ...and when it ends the page moves on to the sound and the list follows.
    QTRY_COMPARE_WITH_TIMEOUT(pageState(&window).value(QStringLiteral("current")).toInt(), 1, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(window.playlistWidget()->currentRow(), 2, 5000);
    QCOMPARE(pageState(&window).value(QStringLiteral("source")).toString(), m_audio);
    QTRY_VERIFY_WITH_TIMEOUT(pageState(&window).value(QStringLiteral("time")).toDouble() > 0.2, 30000);
    // At the end of the list the page goes quiet.
    QTRY_VERIFY_WITH_TIMEOUT(!pageState(&window).value(QStringLiteral("playing")).toBool(), 30000);
    QCOMPARE(window.playlistWidget()->currentRow(), 2);
}

// The default list names a file that is not there: the page stays idle.
void TestPlayerPlayback::idleWithoutMedia()
{
    MainWindow window(PlayerTest::info(m_dir.filePath(QStringLiteral("user2"))), QString());
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(pageState(&window).value(QStringLiteral("count")).toInt() == 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!pageState(&window).value(QStringLiteral("playing")).toBool(), 20000);
    QCOMPARE(pageState(&window).value(QStringLiteral("current")).toInt(), 0);
    QVERIFY(window.isVisible());  // no message hid the window
}

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(zantor);
    Q_INIT_RESOURCE(player);
    TestSupport::isolateUserFolders();
    VirtualDisplay display;
    display.startForThisProcess();
    int status = 0;
    {
        QApplication app(argc, argv);
        TestPlayerPlayback test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}
#include "tst_playerplayback.moc"
