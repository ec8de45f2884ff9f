// The slice bar: how a block map becomes columns, what it counts and what
// it writes on top.
#include <QApplication>
#include <QTest>

#include "apsliceprogressbar.h"
#include "uitestsupport.h"

class TestApSliceProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void compression_data();
    void compression();
    void countsAndText_data();
    void countsAndText();
    void paintsCompletedAndPartialBars();
};

namespace {
QVector<int> blocks(int n, const QList<int> &missing = {})
{
    QVector<int> map(n, 1);
    for (int i : missing)
        map[i] = 0;
    return map;
}
} // namespace

void TestApSliceProgressBar::compression_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QVector<int>>("map");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("done");

    // 1,000 blocks on 100 pixels: groups of floor(1000 / 98) = 10.
    QTest::newRow("1000 on 100, all done") << 100 << blocks(1000) << 100 << 100;
    // One missing block spoils exactly its group.
    QTest::newRow("1000 on 100, block 0 missing") << 100 << blocks(1000, {0}) << 100 << 99;
    QTest::newRow("1000 on 100, blocks 9 and 10 missing") << 100 << blocks(1000, {9, 10}) << 100 << 98;
    QTest::newRow("1000 on 100, last block missing") << 100 << blocks(1000, {999}) << 100 << 99;
    // The last group may be shorter: 1005 blocks give 100 full groups and one of 5.
    QTest::newRow("1005 on 100, short last group") << 100 << blocks(1005) << 101 << 101;
    QTest::newRow("1005 on 100, short group open") << 100 << blocks(1005, {1004}) << 101 << 100;
    // No more blocks than pixels: one column each.
    QTest::newRow("200 on 652") << 652 << blocks(200, {5, 6, 7}) << 200 << 197;
    QTest::newRow("100 on 100") << 100 << blocks(100, {50}) << 100 << 99;
    QTest::newRow("empty map") << 100 << QVector<int>() << 0 << 0;
}

void TestApSliceProgressBar::compression()
{
    QFETCH(int, width);
    QFETCH(QVector<int>, map);
    QFETCH(int, columns);
    QFETCH(int, done);

    ApSliceProgressBar bar;
    bar.setup(width, 26, true, 12, 2, ApSliceProgressBar::PercentText, true);
    bar.setBlocks(map);
    QCOMPARE(bar.total(), columns);
    QCOMPARE(bar.done(), done);
    QCOMPARE(bar.columns().size(), columns);
    QCOMPARE(bar.isCompleted(), columns > 0 && done == columns);
}

void TestApSliceProgressBar::countsAndText_data()
{
    QTest::addColumn<int>("textMode");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QVector<int>>("map");
    QTest::addColumn<QString>("text");

    QTest::newRow("completed") << 1 << 2 << blocks(200) << "100%";
    QTest::newRow("one of three, 2 decimals") << 1 << 2 << blocks(3, {1, 2}) << "33.33%";
    QTest::newRow("one of three, 0 decimals") << 1 << 0 << blocks(3, {1, 2}) << "33%";
    QTest::newRow("nothing done") << 1 << 2 << blocks(4, {0, 1, 2, 3}) << "0.00%";
    QTest::newRow("nothing known") << 1 << 2 << QVector<int>() << "0.00%";
    QTest::newRow("plus mode ignores progress") << 0 << 0 << blocks(3, {1}) << "+";
    QTest::newRow("plus mode, completed") << 0 << 0 << blocks(3) << "+";
}

void TestApSliceProgressBar::countsAndText()
{
    QFETCH(int, textMode);
    QFETCH(int, decimals);
    QFETCH(QVector<int>, map);
    QFETCH(QString, text);

    ApSliceProgressBar bar;
    bar.setup(652, 26, true, 12, decimals, textMode, true);
    bar.setBlocks(map);
    QCOMPARE(bar.text(), text);
}

void TestApSliceProgressBar::paintsCompletedAndPartialBars()
{
    QWidget host;
    auto *partial = new ApSliceProgressBar(&host);
    partial->setup(652, 26, true, 12, 2, ApSliceProgressBar::PercentText, true);
    partial->move(4, 4);
    QVector<int> map(200, 0);
    for (int i = 0; i < 200; ++i)
        map[i] = (i < 60 || (i >= 100 && i < 130)) ? 1 : 0;
    partial->setBlocks(map);

    auto *done = new ApSliceProgressBar(&host);
    done->setup(652, 26, true, 12, 2, ApSliceProgressBar::PercentText, true);
    done->move(4, 40);
    done->setBlocks(blocks(200));

    auto *row = new ApSliceProgressBar(&host);
    row->setup(150, 18, false, 8, 0, ApSliceProgressBar::PlusText, false);
    row->setDoneColor(QColor(225, 113, 0));
    row->resize(150, 18);
    row->move(4, 76);
    row->setBlocks(blocks(200, {150, 151, 152}));
    host.resize(660, 100);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QCOMPARE(partial->text(), QStringLiteral("45.00%"));
    const QImage shot = host.grab().toImage();
    shot.save(UiTest::outputFolder() + QStringLiteral("/sliceprogressbar.png"));
    // Done columns carry the done colour at their top, open ones are grey-white.
    const QColor doneTop = shot.pixelColor(4 + 1 + 10, 4 + 2);
    const QColor openTop = shot.pixelColor(4 + 1 + 652 * 80 / 200, 4 + 2);
    QVERIFY2(doneTop.green() > doneTop.red() + 40, qPrintable(doneTop.name()));
    QVERIFY2(qAbs(openTop.red() - openTop.green()) < 20, qPrintable(openTop.name()));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestApSliceProgressBar test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_apsliceprogressbar.moc"
