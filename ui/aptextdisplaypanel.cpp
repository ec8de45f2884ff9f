#include "aptextdisplaypanel.h"

#include <QMouseEvent>

ApTextDisplayPanel::ApTextDisplayPanel(Qt::CursorShape cursorShape, QWidget *parent)
    : QPlainTextEdit(parent)
{
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setBrush(group, QPalette::Base, QBrush(Qt::NoBrush));
        pal.setColor(group, QPalette::Text, QColor(33, 71, 86));
    }
    setPalette(pal);

    QFont f = font();
    f.setPointSize(10);
    setFont(f);

    setFrameShape(QFrame::NoFrame);
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    // After setReadOnly(), which picks its own viewport cursor.
    viewport()->setCursor(cursorShape);
}

void ApTextDisplayPanel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mousePressed();
}
