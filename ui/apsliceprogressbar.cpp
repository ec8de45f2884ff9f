#include "apsliceprogressbar.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainter>

ApSliceProgressBar::ApSliceProgressBar(QWidget *parent)
    : QWidget(parent)
{
}

void ApSliceProgressBar::setup(int width, int height, bool fixedSize, int fontPointSize, int decimals,
                               int textMode, bool bold)
{
    m_fixedSize = fixedSize;
    m_fontPointSize = fontPointSize;
    m_decimals = decimals;
    m_textMode = textMode;
    m_bold = bold;
    if (fixedSize)
        setFixedSize(width, height);
    else
        setFixedHeight(height);
}

QVector<bool> ApSliceProgressBar::compress(const QVector<int> &blocks, int width)
{
    const int n = blocks.size();
    QVector<bool> columns;
    if (n > width && width > 2) {
        const int group = n / (width - 2);
        columns.reserve(n / group + 1);
        for (int first = 0; first < n; first += group) {
            const int last = qMin(n, first + group);
            bool done = true;
            for (int i = first; i < last && done; ++i)
                done = blocks.at(i) != 0;
            columns.append(done);
        }
    } else {
        columns.reserve(n);
        for (int block : blocks)
            columns.append(block != 0);
    }
    return columns;
}

void ApSliceProgressBar::setBlocks(const QVector<int> &blocks)
{
    // One column per device pixel: on a high-density screen the segments
    // are as fine as the screen shows them.
    const qreal ratio = devicePixelRatioF();
    m_columns = compress(blocks, qRound(width() * ratio));
    m_total = m_columns.size();
    m_done = int(std::count(m_columns.cbegin(), m_columns.cend(), true));
    m_completed = m_total > 0 && m_done == m_total;

    const int h = qMax(2, qRound((height() - 1) * ratio));
    QPixmap picture(qMax(1, m_total), h);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QLinearGradient done(0, 0, 0, h - 2);
    done.setColorAt(0.0, m_doneColor);
    done.setColorAt(0.5, Qt::white);
    done.setColorAt(1.0, m_doneColor);
    QLinearGradient open(0, 0, 0, h - 2);
    open.setColorAt(0.0, Qt::white);
    open.setColorAt(1.0, QColor(110, 110, 110));
    for (int x = 0; x < m_total; ++x)
        painter.fillRect(QRect(x, 0, 1, h - 2), m_columns.at(x) ? QBrush(done) : QBrush(open));
    painter.end();
    m_segments = picture;
    update();
}

void ApSliceProgressBar::clearBlocks()
{
    m_columns.clear();
    m_segments = QPixmap();
    m_done = 0;
    m_total = 0;
    m_completed = false;
    update();
}

void ApSliceProgressBar::setPercentage(double percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    update();
}

QString ApSliceProgressBar::text() const
{
    if (m_textMode != PercentText)
        return QStringLiteral("+");
    if (m_percent >= 0) {
        // Cut, not rounded: the text says 100% only for a whole file, and
        // its whole part is the percentage other places show.
        const double scale = std::pow(10.0, m_decimals);
        const double cut = std::floor(qMin(m_percent, 100.0) * scale) / scale;
        return QStringLiteral("%1%").arg(cut, 0, 'f', m_decimals);
    }
    if (m_completed)
        return QStringLiteral("100%");
    const double percent = m_total > 0 ? double(m_done) * 100.0 / double(m_total) : 0.0;
    return QStringLiteral("%1%").arg(percent, 0, 'f', m_decimals);
}

void ApSliceProgressBar::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);

    QLinearGradient frame(0, 0, 0, h - 1);
    frame.setColorAt(0.0, Qt::white);
    frame.setColorAt(1.0, QColor(110, 110, 110));
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(frame);
    painter.drawRect(0, 0, w - 1, h - 1);

    if (m_total != 0) {
        const QRect inside(1, 1, w - 2, h - 2);
        if (m_completed) {
            QLinearGradient bar(0, 1, 0, h - 1);
            bar.setColorAt(0.0, m_barColor);
            bar.setColorAt(0.5, Qt::white);
            bar.setColorAt(1.0, m_barColor);
            painter.fillRect(inside, bar);
        } else if (!m_segments.isNull()) {
            painter.drawPixmap(inside, m_segments);
        }
    }

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(m_fontPointSize);
    font.setBold(m_bold);
    painter.setFont(font);
    painter.setPen(QColor(120, 120, 120));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.drawText(QRect(w / 2 - 50, 0, 100, h), Qt::AlignCenter, text());
}
