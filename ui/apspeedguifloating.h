#pragma once

#include <QPoint>
#include <QSplashScreen>

#include "apspeedgraph.h"

class QMimeData;

// The speed graph in a small always-on-top window the user drags anywhere.
// A double click brings the main window back; a right click opens the
// tray menu there.
class ApSpeedGuiFloating final : public QSplashScreen
{
    Q_OBJECT
public:
    static constexpr double Opacity = 0.85;

    ApSpeedGuiFloating(qint64 scale, int height, int step);

    // The picture gives the window its size and its shape.
    void setPicture(const QString &path);

    void addDownloadSample(qint64 bytesPerSecond) { m_graph.addDownloadSample(bytesPerSecond); update(); }
    void addUploadSample(qint64 bytesPerSecond) { m_graph.addUploadSample(bytesPerSecond); update(); }
    void setScale(qint64 bytesPerSecond) { m_graph.setScale(bytesPerSecond); update(); }
    void setRateText(const QString &text) { m_graph.setRateText(text); }

    // Splash type and on top again, shown: after tray clicks.
    void raiseOnTop();

    const ApSpeedGraph &graph() const { return m_graph; }

signals:
    void changed(const QMimeData *data);
    void doubleClicked();
    void contextMenuRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    Q_DISABLE_COPY(ApSpeedGuiFloating)
    ApSpeedGraph m_graph;
    QPoint m_pressPos;
    bool m_dragging = false;
};
