#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TPaintBox::TPaintBox(QWidget* parent, QRect geometry)
    : QWidget(parent), Canvas(geometry.size(), QImage::Format_RGB32)
{
    setGeometry(geometry);
    Canvas.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    // Whole pixels, cut toward the top left, also on a scaled screen.
    const int x = static_cast<int>(std::floor(event->position().x()));
    const int y = static_cast<int>(std::floor(event->position().y()));
    emit MouseDown(event->button(), event->modifiers(), x, y);
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), Canvas, event->rect());
}
