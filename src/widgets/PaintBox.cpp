#include "PaintBox.h"

#include "ExactPress.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TPaintBox::TPaintBox(QWidget* parent, QRect geometry) : QWidget(parent), ExactPress(new TExactPress(this))
{
    setGeometry(geometry);
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

void TPaintBox::SetFrame(QRect area)
{
    if (area == FrameArea)
        return;
    update(FrameArea);
    FrameArea = area;
    update(FrameArea);
}

void TPaintBox::Draw(QPainter& painter, QRect area) const
{
    if (OnPaint)
        OnPaint(painter, area);
    else
        painter.fillRect(area, Qt::black);
}

QImage TPaintBox::Picture() const
{
    QImage picture(size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    Draw(painter, rect());
    return picture;
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& area : event->region())
        Draw(painter, area);
    if (FrameArea.isEmpty() || !isEnabled() || !event->region().intersects(FrameArea))
        return;
    // White between two black lines: it stands out on every stone colour,
    // on the rings and on the grey board alike. Only the frame's own
    // pixels are drawn; inside it the board shows as before.
    constexpr int Edge = 1;
    constexpr int Middle = 2;
    const QRect outer = FrameArea;
    const QRect middle = outer.adjusted(Edge, Edge, -Edge, -Edge);
    const QRect inner = middle.adjusted(Middle, Middle, -Middle, -Middle);
    const QRect hole = inner.adjusted(Edge, Edge, -Edge, -Edge);
    painter.setClipRegion(QRegion(outer) - QRegion(hole));
    painter.fillRect(outer, Qt::black);
    painter.fillRect(middle, Qt::white);
    painter.fillRect(inner, Qt::black);
}
