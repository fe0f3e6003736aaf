#include "PaintBox.h"

#include "ExactPress.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TPaintBox::TPaintBox(QWidget* parent, QRect geometry)
    : QWidget(parent), Canvas(geometry.size(), QImage::Format_RGB32), ExactPress(new TExactPress(this))
{
    setGeometry(geometry);
    Canvas.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::showEvent(QShowEvent*)
{
    ExactPress->Watch(this);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    // Whole pixels, cut toward the top left, also between the device pixels
    // of a scaled screen.
    QPointF position = event->position();
    if (const std::optional<QPointF> exact = ExactPress->Take(event->globalPosition()))
        position = mapFromGlobal(*exact);
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    emit MouseDown(event->button(), event->modifiers(), x, y);
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), Canvas, event->rect());
}
