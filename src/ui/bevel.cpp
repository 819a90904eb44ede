#include "ui/bevel.h"

#include <QPainter>

void Bevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    if (m_edge == LeftLine) {
        painter.setPen(shadow);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(light);
        painter.drawLine(1, 0, 1, height() - 1);
    } else {
        painter.setPen(shadow);
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(light);
        painter.drawLine(0, 1, width() - 1, 1);
    }
}
