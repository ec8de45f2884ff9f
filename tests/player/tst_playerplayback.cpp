// Real playback in the player page on a virtual X display: short clips made
// here with GStreamer play one after another, and the play list follows; a
// chosen clip plays at once and its controls and keys drive it.

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
    void controlsDriveTheClip();
    void idleWithoutMedia();

private:
    QTemporaryDir m_dir;
    QString m_video;
    QString m_audio;
    QString m_long;
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
    // Twelve seconds of small video, long enough to pause and seek in.
    m_long = m_dir.filePath(QStringLiteral("clips/long clip.mp4"));
    QVERIFY(makeClip(QStringLiteral("videotestsrc num-buffers=120 pattern=smpte ! video/x-raw,format=I420,width=160,"
                                    "height=120,framerate=10/1 ! x264enc ! h264parse ! mp4mux ! filesink "
                                    "location=\"%1\"").arg(m_long)));
}

namespace {
// The centre of a page element, or a point at a fraction of its width.
QPoint elementPoint(MainWindow *window, const QString &id, double across = 0.5)
{
    const QVariantList box = window->playerView()->page()->mainFrame()->evaluateJavaScript(
        QStringLiteral("(function(){var r=document.getElementById('%1').getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height];})()").arg(id)).toList();
    if (box.size() != 4)
        return QPoint();
    return QPoint(int(box.at(0).toDouble() + box.at(2).toDouble() * across),
                  int(box.at(1).toDouble() + box.at(3).toDouble() / 2));
}

double pageValue(MainWindow *window, const char *name)
{
    return pageState(window).value(QLatin1String(name)).toDouble();
}
} // namespace

void TestPlayerPlayback::controlsDriveTheClip()
{
    MainWindow window(PlayerTest::info(m_dir.filePath(QStringLiteral("user3"))), QString());
    window.resize(640, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWebView *view = window.playerView();
    QTRY_VERIFY_WITH_TIMEOUT(pageState(&window).contains(QStringLiteral("current")), 20000);

    // Chosen (here as a second start hands it over): it plays at once.
    window.openFile(true, m_long, 1, QString());
    QTRY_VERIFY_WITH_TIMEOUT(pageValue(&window, "time") > 0.5, 30000);
    QVERIFY(!pageState(&window).value(QStringLiteral("paused")).toBool());
    QTRY_VERIFY(pageValue(&window, "duration") > 11.0);
    QTRY_VERIFY(pageState(&window).value(QStringLiteral("timeText")).toString().endsWith(QLatin1String(" / 0:12")));

    // The play/pause button.
    QTest::mouseClick(view, Qt::LeftButton, {}, elementPoint(&window, QStringLiteral("playpause")));
    QTRY_VERIFY(pageState(&window).value(QStringLiteral("paused")).toBool());
    const double stopped = pageValue(&window, "time");
    QTest::qWait(600);
    QCOMPARE(pageValue(&window, "time"), stopped);
    QVERIFY(window.grab().save(PlayerTest::outputFolder() + QStringLiteral("/clipdeck-controls-paused.png")));
    QTest::mouseClick(view, Qt::LeftButton, {}, elementPoint(&window, QStringLiteral("playpause")));
    QTRY_VERIFY(!pageState(&window).value(QStringLiteral("paused")).toBool());

    // The keyboard: space pauses and plays, the arrows seek and set the volume.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Space);
    QTRY_VERIFY(pageState(&window).value(QStringLiteral("paused")).toBool());
    QTest::keyClick(view, Qt::Key_Space);
    QTRY_VERIFY(!pageState(&window).value(QStringLiteral("paused")).toBool());
    QTest::keyClick(view, Qt::Key_Space);
    QTRY_VERIFY(pageState(&window).value(QStringLiteral("paused")).toBool());

    // The seek bar: a click at four fifths goes there.
    QTest::mouseClick(view, Qt::LeftButton, {}, elementPoint(&window, QStringLiteral("seek"), 0.8));
    QTRY_VERIFY2(qAbs(pageValue(&window, "time") - 0.8 * pageValue(&window, "duration")) < 1.5,
                 qPrintable(QString::number(pageValue(&window, "time"))));
    const double there = pageValue(&window, "time");
    QTest::keyClick(view, Qt::Key_Left);
    QTRY_VERIFY(qAbs(pageValue(&window, "time") - (there - 5)) < 0.5);
    QTest::keyClick(view, Qt::Key_Right);
    QTRY_VERIFY(qAbs(pageValue(&window, "time") - there) < 0.5);
    QTest::keyClick(view, Qt::Key_Down);
    QTRY_VERIFY(qAbs(pageValue(&window, "volume") - 0.9) < 0.01);
    QTest::mouseClick(view, Qt::LeftButton, {}, elementPoint(&window, QStringLiteral("volume"), 0.0));
    QTRY_VERIFY(pageValue(&window, "volume") < 0.1);

    // Full screen from its button, back with Escape.
    QTest::mouseClick(view, Qt::LeftButton, {}, elementPoint(&window, QStringLiteral("fullscreen")));
    QTRY_VERIFY(window.isFullScreen());
    QVERIFY(!window.playlistWidget()->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!window.isFullScreen());
    QTRY_VERIFY(window.playlistWidget()->isVisible());

    // Space in the play list acts on the clip too.
    window.playlistWidget()->setFocus();
    QTest::keyClick(window.playlistWidget(), Qt::Key_Space);
    QTRY_VERIFY(!pageState(&window).value(QStringLiteral("paused")).toBool());
    QVERIFY(window.grab().save(PlayerTest::outputFolder() + QStringLiteral("/clipdeck-controls-playing.png")));
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
