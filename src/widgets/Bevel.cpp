#include "Bevel.h"

#include <QPainter>

TBevel::TBevel(QWidget* parent, QRect geometry, BevelShape shape, BevelCut style)
    : QWidget(parent), Shape(shape), Style(style)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor first = BevelTopLeft(Style);
    const QColor second = BevelBottomRight(Style);
    if (Shape == BevelShape::TopLine) {
        painter.fillRect(QRect(0, 0, width(), 1), first);
        painter.fillRect(QRect(0, 1, width(), 1), second);
    } else {
        DrawFrame3D(painter, rect(), first, second, 1);
    }
}
