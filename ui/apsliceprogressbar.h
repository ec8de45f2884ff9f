#pragma once

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

// A progress bar drawn from a block map: one column per block (or per group
// of blocks when there are more blocks than pixels), done columns in the
// done colour, the rest in grey, with the percentage (or "+") on top.
class ApSliceProgressBar final : public QWidget
{
    Q_OBJECT

public:
    enum TextMode { PlusText = 0, PercentText = 1 };

    explicit ApSliceProgressBar(QWidget *parent = nullptr);

    // fixedSize: fixed width and height; otherwise only the height is fixed.
    void setup(int width, int height, bool fixedSize, int fontPointSize, int decimals, int textMode, bool bold);

    void setDoneColor(const QColor &color) { m_doneColor = color; }
    void setBarColor(const QColor &color) { m_barColor = color; }
    QColor doneColor() const { return m_doneColor; }
    QColor barColor() const { return m_barColor; }

    // One entry per block, non-zero when the block is downloaded.
    void setBlocks(const QVector<int> &blocks);
    // Back to an empty bar (nothing known yet).
    void clearBlocks();
    // The percentage the text shows, when it is known better than the
    // blocks tell (they count whole blocks only); negative: from the blocks.
    void setPercentage(double percent);

    // Counted in picture columns.
    int done() const { return m_done; }
    int total() const { return m_total; }
    bool isCompleted() const { return m_completed; }
    // The columns as last compressed: true where the column is done.
    QVector<bool> columns() const { return m_columns; }
    // The text painted on the bar.
    QString text() const;

    // Columns for n blocks on a bar w pixels wide: groups of
    // floor(n / (w - 2)) blocks when n is larger than w, a group being done
    // only when every block in it is.
    static QVector<bool> compress(const QVector<int> &blocks, int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(ApSliceProgressBar)

    int m_fontPointSize = 9;
    int m_decimals = 0;
    bool m_fixedSize = false;
    int m_textMode = PercentText;
    bool m_bold = false;
    QColor m_doneColor{0, 147, 0};
    QColor m_barColor{0, 147, 0};
    bool m_completed = false;
    QPixmap m_segments;
    QVector<bool> m_columns;
    int m_done = 0;
    int m_total = 0;
    double m_percent = -1.0;
};
