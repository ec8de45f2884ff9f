// The speed graphs, the tool-box widgets and the border layout, drawn and
// driven as real widgets; the graph's pixels are read back from its buffer.
#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "apspeedgraph.h"
#include "apspeedgui.h"
#include "apspeedguifloating.h"
#include "aptbwidgets.h"
#include "borderlayout.h"
#include "testsupport.h"
#include "uitestsupport.h"

namespace {
const QRgb Background = qRgb(0, 51, 0);
const QRgb MiddleLine = qRgb(0, 232, 0);

// The colours found in one row of the picture.
QSet<QRgb> rowColours(const QImage &image, int y)
{
    QSet<QRgb> colours;
    for (int x = 0; x < image.width(); ++x)
        colours.insert(image.pixel(x, y) | 0xff000000);
    return colours;
}
} // namespace

class TestSpeedPanels : public QObject
{
    Q_OBJECT

private slots:
    void samplesKeptForWidth_data();
    void samplesKeptForWidth();
    void idlePanelShowsOnlyBackgroundAndMiddleLine_data();
    void idlePanelShowsOnlyBackgroundAndMiddleLine();
    void sampleAboveScaleIsClippedAtTop();
    void curveHeightFollowsScale();
    void toolbarPanelResizesAndKeepsRateText();
    void floatingWindow();
    void toolButtonFades();
    void foldableBarFoldsInSteps();
    void arrowKeysMoveFocus();
    void borderLayoutPlacesAround();
};

void TestSpeedPanels::samplesKeptForWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("kept");
    QTest::newRow("400 pixels") << 400 << 4 << 102;
    QTest::newRow("401 pixels") << 401 << 4 << 102;
    QTest::newRow("404 pixels") << 404 << 4 << 103;
    QTest::newRow("floating 160") << 160 << 4 << 42;
    QTest::newRow("no width") << 0 << 4 << 2;
}

void TestSpeedPanels::samplesKeptForWidth()
{
    QFETCH(int, width);
    QFETCH(int, step);
    QFETCH(int, kept);
    ApSpeedGraph graph(40, step);
    graph.setWidth(width);
    for (int i = 0; i < 500; ++i) {
        graph.addDownloadSample(i);
        graph.addUploadSample(i);
    }
    QCOMPARE(graph.downloadSamples().size(), kept);
    QCOMPARE(graph.uploadSamples().size(), kept);
    // The oldest went first.
    QCOMPARE(graph.downloadSamples().last(), qint64(499));
    QCOMPARE(graph.downloadSamples().first(), qint64(500 - kept));

    // Narrowing drops more of the oldest at once.
    graph.setWidth(width / 2);
    QVERIFY(graph.downloadSamples().size() <= kept);
    QCOMPARE(graph.downloadSamples().last(), qint64(499));
}

void TestSpeedPanels::idlePanelShowsOnlyBackgroundAndMiddleLine_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("toolbar, 40") << 40;
    QTest::newRow("floating, 42") << 42;
}

void TestSpeedPanels::idlePanelShowsOnlyBackgroundAndMiddleLine()
{
    QFETCH(int, height);
    ApSpeedGraph graph(height, 4);
    graph.setWidth(300);
    for (int i = 0; i < 100; ++i) {
        graph.addDownloadSample(0);
        graph.addUploadSample(0);
    }
    const QImage image = graph.backBuffer();
    QCOMPARE(image.size(), QSize(300, height));
    for (int y = 0; y < height; ++y) {
        const QSet<QRgb> expected{y == height / 2 ? MiddleLine : Background};
        QVERIFY2(rowColours(image, y) == expected, qPrintable(QString("row %1").arg(y)));
    }
    QCOMPARE(graph.sampleY(0), double(height + 4));
}

void TestSpeedPanels::sampleAboveScaleIsClippedAtTop()
{
    ApSpeedGraph graph(40, 4, 1000);
    graph.setWidth(200);
    for (int i = 0; i < 60; ++i)
        graph.addDownloadSample(5000);
    QCOMPARE(graph.sampleY(5000), -160.0);
    const QImage image = graph.backBuffer();
    // The fill reaches the top edge: the top row is no longer background in
    // the middle of the picture, and nothing wrapped or crashed.
    QVERIFY(image.pixel(100, 0) != Background);
    QVERIFY(image.pixel(100, 39) != Background);
    UiTest::saveImage(image, QStringLiteral("speedgraph-clipped.png"));
}

void TestSpeedPanels::curveHeightFollowsScale()
{
    ApSpeedGraph graph(40, 4, 1000);
    graph.setWidth(200);
    for (int i = 0; i < 60; ++i)
        graph.addDownloadSample(500);
    QCOMPARE(graph.sampleY(500), 20.0);
    const QImage half = graph.backBuffer();
    // Above the curve (and its 4-pixel pen) only the background.
    QCOMPARE(rowColours(half, 10), QSet<QRgb>{Background});
    // Below it the orange fill over the dark background.
    const QRgb filled = half.pixel(100, 30);
    QVERIFY(qRed(filled) > 150 && qGreen(filled) > 80 && qBlue(filled) < 60);

    // A tenfold scale lowers the same samples to 2 pixels above the bottom.
    graph.setScale(10000);
    QCOMPARE(graph.sampleY(500), 38.0);
    QCOMPARE(rowColours(graph.backBuffer(), 20), QSet<QRgb>{MiddleLine});
    // A zero scale would divide by zero; it is refused.
    graph.setScale(0);
    QCOMPARE(graph.scale(), qint64(10000));
    UiTest::saveImage(half, QStringLiteral("speedgraph-half.png"));
}

void TestSpeedPanels::toolbarPanelResizesAndKeepsRateText()
{
    ApSpeedGui panel;
    QCOMPARE(panel.graph().scale(), qint64(0x500000));
    panel.resize(400, 40);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.height(), 40);
    QCOMPARE(panel.graph().width(), 400);
    QCOMPARE(panel.graph().backBuffer().size(), QSize(400, 40));
    for (int i = 0; i < 200; ++i)
        panel.addDownloadSample(i * 1000);
    QCOMPARE(panel.graph().downloadSamples().size(), 102);

    panel.setRateText(QStringLiteral("12.00 KB/s"));
    panel.setRateText(QString());
    QCOMPARE(panel.graph().rateText(), QStringLiteral("12.00 KB/s"));
    // What is painted is the buffer.
    const QImage shown = panel.grab().toImage();
    QCOMPARE(shown.pixel(5, 5) | 0xff000000, panel.graph().backBuffer().pixel(5, 5) | 0xff000000);
}

void TestSpeedPanels::floatingWindow()
{
    ApSpeedGuiFloating floating(300000, 42, 4);
    floating.setPicture(QStringLiteral(":/icons/floating_splash.png"));
    QCOMPARE(floating.size(), QSize(160, 42));
    QCOMPARE(floating.windowTitle(), QStringLiteral("zantor"));
    // Kept by the platform in 8 bits.
    QVERIFY(qAbs(floating.windowOpacity() - 0.85) < 0.01);
    QVERIFY(floating.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(floating.windowFlags() & Qt::WindowType_Mask, Qt::SplashScreen);
    QVERIFY(floating.acceptDrops());
    // Shaped by the picture: the rounded corners are cut away.
    QVERIFY(!floating.mask().isEmpty());
    QVERIFY(!floating.mask().contains(QPoint(0, 0)));
    QVERIFY(floating.mask().contains(QPoint(80, 21)));
    QCOMPARE(floating.graph().height(), 42);
    QCOMPARE(floating.graph().scale(), qint64(300000));

    floating.move(100, 100);
    floating.show();
    QVERIFY(QTest::qWaitForWindowExposed(&floating));
    // A press does not hide it, as a splash screen would; dragging moves it.
    QTest::mousePress(&floating, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(floating.isVisible());
    QCOMPARE(floating.cursor().shape(), Qt::ClosedHandCursor);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 20), floating.mapToGlobal(QPoint(30, 20)) + QPoint(50, 40),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&floating, &move);
    QTest::mouseRelease(&floating, Qt::LeftButton, {}, QPoint(30, 20));
    QCOMPARE(floating.cursor().shape(), Qt::OpenHandCursor);
    QVERIFY(floating.pos() != QPoint(100, 100));

    QSignalSpy doubleClicks(&floating, &ApSpeedGuiFloating::doubleClicked);
    QTest::mouseDClick(&floating, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(doubleClicks.count(), 1);
    QSignalSpy menus(&floating, &ApSpeedGuiFloating::contextMenuRequested);
    QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(5, 5), floating.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&floating, &context);
    QCOMPARE(menus.count(), 1);

    // Drags are welcome; what a drop does is still open, so it is refused.
    QSignalSpy changes(&floating, &ApSpeedGuiFloating::changed);
    QMimeData data;
    data.setText(QStringLiteral("http://127.0.0.1/a.zip"));
    QDragEnterEvent dragEnter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&floating, &dragEnter);
    QVERIFY(dragEnter.isAccepted());
    QCOMPARE(dragEnter.dropAction(), Qt::CopyAction);
    QCOMPARE(changes.count(), 1);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&floating, &drop);
    QVERIFY(!drop.isAccepted());

    for (int i = 0; i < 50; ++i)
        floating.addDownloadSample(150000);
    QCOMPARE(floating.graph().downloadSamples().size(), 42);
    UiTest::saveImage(floating.grab().toImage(), QStringLiteral("floating-window.png"));
}

void TestSpeedPanels::toolButtonFades()
{
    ApTBt button(nullptr, 120);
    button.item()->setText(QStringLiteral("Downloads"));
    button.item()->setPicture(QPixmap(QStringLiteral(":/icons/download.png")));
    QCOMPARE(button.width(), 120);
    QCOMPARE(button.highlightLevel(), 0.1);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&button, &enter);
    QVERIFY(button.isHovered());
    QTRY_COMPARE_WITH_TIMEOUT(button.highlightLevel(), 0.99, 10000);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QTRY_COMPARE_WITH_TIMEOUT(button.highlightLevel(), 0.1, 10000);

    // A disabled button stays dark even under the mouse.
    button.setEnabled(false);
    QApplication::sendEvent(&button, &enter);
    QTest::qWait(100);
    QCOMPARE(button.highlightLevel(), 0.1);
    button.setEnabled(true);

    // A touch of its item toggles a collapsible button and is passed on.
    QSignalSpy touches(&button, &ApTBt::touchMade);
    QTest::mouseClick(button.item(), Qt::LeftButton);
    QCOMPARE(touches.count(), 1);
    QVERIFY(!button.isExpanded());
    QTest::mouseClick(button.item(), Qt::LeftButton);
    QVERIFY(button.isExpanded());
    button.setCollapsible(false);
    QTest::mouseClick(button.item(), Qt::LeftButton);
    QCOMPARE(touches.count(), 3);
    QVERIFY(button.isExpanded());
}

void TestSpeedPanels::foldableBarFoldsInSteps()
{
    QWidget host;
    auto *hostLayout = new QVBoxLayout(&host);
    auto *barPointer = new ApTBb;
    ApTBb &bar = *barPointer;
    hostLayout->addWidget(barPointer);
    hostLayout->addStretch();
    auto *header = new ApTBt(nullptr, 150);
    header->item()->setText(QStringLiteral("Header"));
    auto *content = new QLabel(QStringLiteral("content"));
    content->setFixedHeight(80);
    bar.setHeader(header);
    bar.setContent(content);
    bar.setSteps(4);
    bar.setStepDelay(5);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QSignalSpy folded(&bar, &ApTBb::folded);
    QTest::mouseClick(header->item(), Qt::LeftButton);
    QVERIFY(bar.isMoving());
    // While moving, a picture of the content stands in for it.
    QVERIFY(!content->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(folded.count(), 1, 10000);
    QVERIFY(bar.isFolded());
    auto *picture = bar.findChild<QLabel *>(QStringLiteral("tbb_picture_label"));
    QCOMPARE(picture->height(), 0);

    QSignalSpy unfolded(&bar, &ApTBb::unfolded);
    bar.handleDisplayView();
    QTRY_COMPARE_WITH_TIMEOUT(unfolded.count(), 1, 10000);
    QVERIFY(!bar.isFolded());
    QVERIFY(content->isVisible());
    QCOMPARE(bar.maximumHeight(), 9999);
    QCOMPARE(bar.minimumHeight(), 0);
}

void TestSpeedPanels::arrowKeysMoveFocus()
{
    ApTBg group;
    auto *layout = new QVBoxLayout(&group);
    QList<QPushButton *> buttons;
    for (int i = 0; i < 3; ++i) {
        buttons << new QPushButton(QString::number(i));
        layout->addWidget(buttons.last());
    }
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    group.activateWindow();
    buttons.at(0)->setFocus();
    QTRY_VERIFY(buttons.at(0)->hasFocus());
    QTest::keyClick(&group, Qt::Key_Down);
    QTRY_VERIFY(buttons.at(1)->hasFocus());
    QTest::keyClick(&group, Qt::Key_Down);
    QTRY_VERIFY(buttons.at(2)->hasFocus());
    QTest::keyClick(&group, Qt::Key_Up);
    QTRY_VERIFY(buttons.at(1)->hasFocus());

    ApTBm filled;
    filled.setBrush(QColor(10, 20, 30));
    filled.resize(20, 20);
    QCOMPARE(filled.grab().toImage().pixel(10, 10) | 0xff000000, qRgb(10, 20, 30));
}

void TestSpeedPanels::borderLayoutPlacesAround()
{
    QWidget host;
    auto *layout = new BorderLayout(&host, 0, 0);
    auto *west = new QWidget;
    west->setFixedWidth(8);
    auto *north = new QLabel(QStringLiteral("north"));
    north->setFixedHeight(20);
    auto *south = new QLabel(QStringLiteral("south"));
    south->setFixedHeight(10);
    auto *east = new QWidget;
    east->setFixedWidth(30);
    auto *center = new QWidget;
    layout->addWidget(west, BorderLayout::West);
    layout->addWidget(north, BorderLayout::North);
    layout->addWidget(south, BorderLayout::South);
    layout->addWidget(east, BorderLayout::East);
    layout->addWidget(center, BorderLayout::Center);
    host.resize(300, 200);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(north->geometry(), QRect(0, 0, 300, 20));
    QCOMPARE(south->geometry(), QRect(0, 190, 300, 10));
    QCOMPARE(west->geometry(), QRect(0, 20, 8, 170));
    QCOMPARE(east->geometry(), QRect(270, 20, 30, 170));
    QCOMPARE(center->geometry(), QRect(8, 20, 262, 170));
    QCOMPARE(layout->widgetAt(BorderLayout::West), west);

    // A hidden side gives its room to the centre.
    west->hide();
    layout->activate();
    QTRY_COMPARE(center->geometry(), QRect(0, 20, 270, 170));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestSpeedPanels test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_speedpanels.moc"
