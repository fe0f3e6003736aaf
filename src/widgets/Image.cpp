#include "Image.h"

#include <QPaintEvent>
#include <QPainter>

TImage::TImage(QWidget* parent, QRect geometry, QImage picture) : QWidget(parent), Picture(std::move(picture))
{
    setGeometry(geometry);
    KeepOpacity();
}

void TImage::Changed()
{
    KeepOpacity();
    update();
}

void TImage::Changed(QRect area)
{
    KeepOpacity();
    update(area);
}

void TImage::KeepOpacity()
{
    const bool covers = Picture.rect().contains(QRect(QPoint(0, 0), size()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers && !Picture.hasAlphaChannel());
}

void TImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect shown = event->rect() & Picture.rect();
    painter.drawImage(shown.topLeft(), Picture, shown);
}
