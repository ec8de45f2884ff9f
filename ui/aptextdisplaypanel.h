#pragma once

#include <QPlainTextEdit>

// Read-only, frameless, transparent text panel of the message window and
// the completion popup. A mouse press is reported through mousePressed()
// instead of reaching the editor, so the panel never selects text.
class ApTextDisplayPanel final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ApTextDisplayPanel(Qt::CursorShape cursorShape, QWidget *parent = nullptr);

signals:
    void mousePressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    Q_DISABLE_COPY(ApTextDisplayPanel)
};
