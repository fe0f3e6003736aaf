// The check mark on the dialogs' OK buttons, green when the button can be
// pressed and grey when it cannot, on a see-through background.
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

constexpr int Size = 18;

// The mark as a thick stroke: a short leg down to the knee, a long one up.
QPainterPath CheckShape(QPointF offset)
{
    QPainterPath line;
    line.moveTo(QPointF(3.5, 9.0) + offset);
    line.lineTo(QPointF(7.0, 12.8) + offset);
    line.lineTo(QPointF(14.6, 4.2) + offset);
    QPainterPathStroker stroker;
    stroker.setWidth(3.4);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setCapStyle(Qt::FlatCap);
    return stroker.createStroke(line).simplified();
}

} // namespace

QImage DrawOkGlyph(bool enabled)
{
    QImage picture(Size, Size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = CheckShape({0, 0});
    if (enabled) {
        // Bright green, darker towards the knee, with a dark green rim.
        QLinearGradient fill(QPointF(4, 4), QPointF(12, 14));
        fill.setColorAt(0.0, QColor(80, 230, 60));
        fill.setColorAt(1.0, QColor(0, 150, 0));
        painter.setPen(QPen(QColor(0, 80, 0), 1.0));
        painter.setBrush(fill);
        painter.drawPath(shape);
    } else {
        // The disabled look of buttons: grey with a white relief.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(CheckShape({1, 1}));
        painter.setBrush(QColor(128, 128, 128));
        painter.drawPath(shape);
    }
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32);
}
