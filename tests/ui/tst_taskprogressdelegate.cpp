// The painted progress column against the progress bar widget it replaces.

#include <QtTest>
#include <QApplication>
#include <QHeaderView>
#include <QProgressBar>
#include <QStyleFactory>
#include <QTableWidget>

#include "taskprogressdelegate.h"
#include "uitestsupport.h"

class TestTaskProgressDelegate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void looksLikeTheWidget_data();
    void looksLikeTheWidget();
    void largeTableStaysWidgetFree();

private:
    QStyle *m_style = nullptr;
};

void TestTaskProgressDelegate::initTestCase()
{
    m_style = QStyleFactory::create(QStringLiteral("Plastique"));
    if (!m_style)
        m_style = QStyleFactory::create(QStringLiteral("Fusion"));
    QVERIFY(m_style);
}

void TestTaskProgressDelegate::looksLikeTheWidget_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << 100 << 0;
    QTest::newRow("quarter") << 100 << 25;
    QTest::newRow("nearly done") << 100 << 99;
    QTest::newRow("complete") << 100 << 100;
    QTest::newRow("size unknown") << 0 << 0;
}

// A cell of the table shows, pixel for pixel, what a progress bar widget
// of the cell's width, 18 pixels high, shows for the same values.
void TestTaskProgressDelegate::looksLikeTheWidget()
{
    QFETCH(int, maximum);
    QFETCH(int, value);

    QTableWidget table(1, 2);
    table.setItemDelegateForColumn(1, new TaskProgressDelegate(m_style, &table));
    table.setColumnWidth(1, 175);
    table.setRowHeight(0, 30);
    table.setShowGrid(false);
    auto *item = new QTableWidgetItem;
    item->setData(TaskProgressDelegate::MaximumRole, maximum);
    item->setData(TaskProgressDelegate::ValueRole, value);
    table.setItem(0, 1, item);
    table.resize(400, 120);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    const QRect cell = table.visualRect(table.model()->index(0, 1));
    const QImage shot = table.viewport()->grab(cell).toImage();
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    QVERIFY(shot.save(UiTest::outputFolder() + QStringLiteral("/progresscell-%1.png").arg(tag)));

    QProgressBar bar;
    bar.setStyle(m_style);
    bar.setMinimum(0);
    bar.setMaximum(maximum);
    bar.setValue(value);
    bar.setAlignment(Qt::AlignCenter);
    bar.setPalette(table.viewport()->palette());
    bar.setFont(table.font());
    bar.resize(cell.width(), 18);
    const QImage widget = bar.grab().toImage();
    QVERIFY(widget.save(UiTest::outputFolder() + QStringLiteral("/progresswidget-%1.png").arg(tag)));

    const int top = (cell.height() - 18) / 2;
    const QImage painted = shot.copy(0, top, cell.width(), 18).convertToFormat(widget.format());
    QCOMPARE(painted.size(), widget.size());
    int differing = 0;
    const int w = widget.width();
    const int h = widget.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // The rounded corners show what lies behind them: the window
            // behind the widget, the table's base colour behind the cell.
            if ((x < 2 || x >= w - 2) && (y < 2 || y >= h - 2))
                continue;
            differing += painted.pixel(x, y) != widget.pixel(x, y);
        }
    }
    // The busy bar's stripes move with time; everything else is identical.
    if (maximum == 0)
        QVERIFY2(differing < widget.width() * widget.height() / 2, qPrintable(QString::number(differing)));
    else
        QCOMPARE(differing, 0);
    QCOMPARE(table.indexWidget(table.model()->index(0, 1)), nullptr);
}

// Ten thousand rows, and no widget per row behind them.
void TestTaskProgressDelegate::largeTableStaysWidgetFree()
{
    QTableWidget table(10000, 1);
    auto *delegate = new TaskProgressDelegate(m_style, &table);
    table.setItemDelegateForColumn(0, delegate);
    for (int row = 0; row < table.rowCount(); ++row) {
        auto *item = new QTableWidgetItem;
        item->setData(TaskProgressDelegate::MaximumRole, 100);
        item->setData(TaskProgressDelegate::ValueRole, row % 101);
        table.setItem(row, 0, item);
    }
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.scrollToBottom();
    QCoreApplication::processEvents();
    QCOMPARE(table.findChildren<QProgressBar *>().size(), 0);
    QCOMPARE(delegate->barFor(table.model()->index(9999, 0))->value(), 9999 % 101);
    QCOMPARE(delegate->barFor(table.model()->index(5, 0))->maximum(), 100);
}

QTEST_MAIN(TestTaskProgressDelegate)
#include "tst_taskprogressdelegate.moc"
