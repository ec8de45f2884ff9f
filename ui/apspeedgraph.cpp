#include "apspeedgraph.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor Background(0, 51, 0);
const QColor MiddleLine(0, 232, 0);
const QColor DownloadFill(255, 149, 43, 160);
const QColor UploadFill(0, 170, 0, 160);
} // namespace

ApSpeedGraph::ApSpeedGraph(int height, int step, qint64 scale)
    : m_scale(scale > 0 ? scale : DefaultScale)
    , m_height(qMax(1, height))
    , m_step(qMax(1, step))
{
}

void ApSpeedGraph::addDownloadSample(qint64 bytesPerSecond)
{
    m_download.append(qMax<qint64>(0, bytesPerSecond));
    trim(m_download);
    redraw();
}

void ApSpeedGraph::addUploadSample(qint64 bytesPerSecond)
{
    m_upload.append(qMax<qint64>(0, bytesPerSecond));
    trim(m_upload);
    redraw();
}

void ApSpeedGraph::setScale(qint64 bytesPerSecond)
{
    // A zero scale would divide by zero; it keeps the previous one.
    if (bytesPerSecond <= 0)
        return;
    m_scale = bytesPerSecond;
    redraw();
}

void ApSpeedGraph::setWidth(int width)
{
    m_width = qMax(0, width);
    trim(m_download);
    trim(m_upload);
    redraw();
}

void ApSpeedGraph::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || qFuzzyCompare(ratio, m_ratio))
        return;
    m_ratio = ratio;
    redraw();
}

void ApSpeedGraph::setRateText(const QString &text)
{
    if (!text.isEmpty())
        m_rateText = text;
}

void ApSpeedGraph::trim(QList<qint64> &samples) const
{
    // Two samples more than the width holds, so the curve leaves the
    // picture on the left instead of ending inside it.
    while (!samples.isEmpty() && m_width < (samples.size() - 2) * m_step)
        samples.removeFirst();
}

double ApSpeedGraph::sampleY(qint64 value) const
{
    if (value <= 0)
        return m_height + 4;
    // 64-bit arithmetic: speeds times the height overflow 32 bits quickly.
    return m_height - double(value * qint64(m_height) / m_scale);
}

void ApSpeedGraph::drawSamples(QPainter &painter, const QList<qint64> &samples, const QColor &fill) const
{
    if (samples.size() < 2)
        return;
    QPainterPath path;
    path.moveTo(m_width + 4, m_height);
    int x = m_width;
    for (int i = samples.size() - 1; i >= 0; --i, x -= m_step)
        path.lineTo(x, sampleY(samples.at(i)));
    // Down below the graph from the oldest sample, so the fill lies under
    // the whole curve instead of in a wedge closed back to the start.
    path.lineTo(x + m_step, m_height + 4);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void ApSpeedGraph::redraw()
{
    if (m_width <= 0) {
        m_buffer = QImage();
        return;
    }
    const QSize pixels = QSize(m_width, m_height) * m_ratio;
    if (m_buffer.size() != pixels) {
        m_buffer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_buffer.setDevicePixelRatio(m_ratio);
    }
    QPainter painter(&m_buffer);
    painter.fillRect(QRect(0, 0, m_width, m_height), Background);
    painter.setPen(QPen(MiddleLine, 1));
    painter.drawLine(0, m_height / 2, m_width - 1, m_height / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSamples(painter, m_download, DownloadFill);
    drawSamples(painter, m_upload, UploadFill);
}
