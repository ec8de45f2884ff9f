#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The state and drawing of a speed graph, shared by the toolbar panel and
// the floating window: two sample lists, oldest first, drawn into a back
// buffer whose height is the graph's height.
class ApSpeedGraph final
{
public:
    static constexpr qint64 DefaultScale = 0x500000;

    ApSpeedGraph(int height, int step, qint64 scale = DefaultScale);

    void addDownloadSample(qint64 bytesPerSecond);
    void addUploadSample(qint64 bytesPerSecond);
    void setScale(qint64 bytesPerSecond);
    void setWidth(int width);
    // Device pixels per logical pixel of the screen the graph is shown on;
    // the back buffer holds that many, so the curve stays sharp.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_ratio; }

    qint64 scale() const { return m_scale; }
    int height() const { return m_height; }
    int step() const { return m_step; }
    int width() const { return m_width; }
    const QList<qint64> &downloadSamples() const { return m_download; }
    const QList<qint64> &uploadSamples() const { return m_upload; }
    const QImage &backBuffer() const { return m_buffer; }

    // The y of a sample: full scale at the top, 0 just below the graph.
    double sampleY(qint64 value) const;

    // The rate text of the tool tip; an empty text keeps the previous one.
    void setRateText(const QString &text);
    QString rateText() const { return m_rateText; }

    void redraw();

private:
    void trim(QList<qint64> &samples) const;
    void drawSamples(class QPainter &painter, const QList<qint64> &samples, const class QColor &fill) const;

    QList<qint64> m_download;
    QList<qint64> m_upload;
    qint64 m_scale;
    int m_height;
    int m_step;
    int m_width = 0;
    qreal m_ratio = 1.0;
    QImage m_buffer;
    QString m_rateText;
};
