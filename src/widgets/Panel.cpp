#include "Panel.h"

#include <QPainter>

namespace {
const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);
} // namespace

QColor BevelTopLeft(BevelCut cut)
{
    return cut == BevelCut::Raised ? Highlight : Shadow;
}

QColor BevelBottomRight(BevelCut cut)
{
    return cut == BevelCut::Raised ? Shadow : Highlight;
}

QRect DrawFrame3D(QPainter& painter, QRect area, QColor topLeft, QColor bottomRight, int width)
{
    for (int ring = 0; ring < width && area.width() > 0 && area.height() > 0; ++ring) {
        const int left = area.left(), top = area.top(), right = area.right(), bottom = area.bottom();
        // The top-right and bottom-left corner pixels belong to the dark side.
        painter.fillRect(QRect(left, top, area.width() - 1, 1), topLeft);
        painter.fillRect(QRect(left, top, 1, area.height() - 1), topLeft);
        painter.fillRect(QRect(right, top, 1, area.height()), bottomRight);
        painter.fillRect(QRect(left, bottom, area.width(), 1), bottomRight);
        area.adjust(1, 1, -1, -1);
    }
    return area;
}

TPanel::TPanel(QWidget* parent, QRect geometry, QColor colour, BevelCut outer, BevelCut inner, int bevelWidth)
    : QWidget(parent), Colour(colour), Outer(outer), Inner(inner), BevelWidth(bevelWidth)
{
    setGeometry(geometry);
    // Labels on the panel draw no background, so the panel colour shows.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect area = rect();
    if (Outer != BevelCut::None)
        area = DrawFrame3D(painter, area, BevelTopLeft(Outer), BevelBottomRight(Outer), BevelWidth);
    if (Inner != BevelCut::None)
        area = DrawFrame3D(painter, area, BevelTopLeft(Inner), BevelBottomRight(Inner), BevelWidth);
    painter.fillRect(area, Colour);
}
