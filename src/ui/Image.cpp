#include "Image.h"

#include <QPainter>

TImage::TImage(QWidget* parent, QRect geometry, QImage picture) : QWidget(parent), Picture(std::move(picture))
{
    setGeometry(geometry);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Picture);
}
