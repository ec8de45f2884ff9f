#pragma once

#include <QWidget>

#include "apspeedgraph.h"

// The live speed graph of the speed toolbar: 40 pixels high, 4 pixels
// per sample, drawn into a back buffer that paint events only copy.
class ApSpeedGui final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int GraphHeight = 40;
    static constexpr int Step = 4;

    explicit ApSpeedGui(QWidget *parent = nullptr);

    void addDownloadSample(qint64 bytesPerSecond) { m_graph.addDownloadSample(bytesPerSecond); update(); }
    void addUploadSample(qint64 bytesPerSecond) { m_graph.addUploadSample(bytesPerSecond); update(); }
    void setScale(qint64 bytesPerSecond) { m_graph.setScale(bytesPerSecond); update(); }
    // The engine's rate text shown as the tool tip; empty keeps the last one.
    void setRateText(const QString &text) { m_graph.setRateText(text); }

    const ApSpeedGraph &graph() const { return m_graph; }
    QSize sizeHint() const override { return {180, GraphHeight}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Q_DISABLE_COPY(ApSpeedGui)
    ApSpeedGraph m_graph;
};
