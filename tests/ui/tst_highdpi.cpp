// The windows at twice the pixel density (QT_SCALE_FACTOR=2 on an Xvfb
// screen of 2880 x 1800): pictures for a reviewer, no single-line text cut,
// no widget covering its neighbour, and the self-drawn widgets painted with
// as many pixels as the screen has.
#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "apconfigdialog.h"
#include "applicationinfo.h"
#include "apnewtaskdialog.h"
#include "apsliceprogressbar.h"
#include "apspeedgui.h"
#include "aptvomanager.h"
#include "mainwindow.h"
#include "programstart.h"
#include "taskstore.h"
#include "uitestsupport.h"
#include "widgetchecks.h"
#include "xvfbdisplay.h"

namespace {

QStringList review(QWidget *window, const QString &name)
{
    QCoreApplication::processEvents();
    UiTest::saveImage(window->grab().toImage(), QStringLiteral("highdpi-%1.png").arg(name));
    QStringList problems = WidgetChecks::clippedTexts(window) + WidgetChecks::overlappingSiblings(window);
    for (QString &problem : problems)
        problem.prepend(name + QStringLiteral(": "));
    return problems;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windows();
    void selfDrawnWidgets();

private:
    QTemporaryDir m_downloads;
};

void TestHighDpi::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    ApTaskStore().removeAll();
    UiTest::prepareSettings(m_downloads.path());
}

void TestHighDpi::windows()
{
    QStringList problems;
    {
        MainWindow window(nullptr, 100);
        window.setUrlOpener([](const QUrl &) { return true; });
        window.setPathOpener([](const QString &) { return true; });
        window.setProgramStarter([](const QString &, const QStringList &) { return true; });
        window.setQuitHandler([] {});
        window.resize(1024, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatioF(), 2.0);
        problems += review(&window, QStringLiteral("mainwindow"));
    }
    {
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        ApNewTaskDialog dialog(nullptr, &manager);
        auto *tabs = dialog.findChild<QTabWidget *>(QStringLiteral("httpftptask_tabWidget"));
        QVERIFY(tabs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            problems += review(&dialog, QStringLiteral("newtask-%1").arg(i));
        }
    }
    {
        ApConfigDialog dialog;
        auto *pages = dialog.findChild<QListWidget *>(QStringLiteral("config_listWidget"));
        QVERIFY(pages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentRow(i);
            problems += review(&dialog, QStringLiteral("settings-%1").arg(i));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestHighDpi::selfDrawnWidgets()
{
    QWidget window;
    ApSpeedGui graph(&window);
    ApSliceProgressBar bar(&window);
    graph.setGeometry(0, 0, 400, graph.height());
    bar.setGeometry(0, 50, 300, 20);
    window.resize(420, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    graph.addDownloadSample(100000);
    graph.addDownloadSample(200000);
    graph.repaint();

    // The graph's back buffer has a device pixel per screen pixel.
    const QImage &buffer = graph.graph().backBuffer();
    QCOMPARE(buffer.devicePixelRatio(), 2.0);
    QCOMPARE(buffer.size(), QSize(800, 2 * graph.height()));

    // The slice bar keeps one column per device pixel: 600 blocks show
    // one by one, half of them done.
    QVector<int> blocks(600);
    for (int i = 0; i < blocks.size(); i += 2)
        blocks[i] = 1;
    bar.setBlocks(blocks);
    QCOMPARE(bar.total(), 600);
    QCOMPARE(bar.done(), 300);
    UiTest::saveImage(window.grab().toImage(), QStringLiteral("highdpi-graph-and-bar.png"));
}

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    XvfbDisplay display;
    if (!display.start("2880x1800x24")) {
        qWarning("SKIP: %s", qPrintable(display.error()));
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "2");
    ProgramStart::enableHighDpi();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
