// The editor's icon: the game's orange stone with a yellow pencil laid
// across it from the bottom right, its point on the stone's mark.
#include "AppIcon.h"
#include "Pictures.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <cmath>

namespace {

// The pencil's axis in units of the icon's size, from its point to the
// end of its eraser, and its width.
const QPointF PencilPoint(0.42, 0.42);
const QPointF PencilEnd(0.88, 0.88);
constexpr double PencilWidth = 0.2;

struct Section {
    double From, To; // fractions of the axis from the point
    QRgb Colour;
};

// The sharpened wood runs from the point to where the pencil is full
// width; the graphite is its first part.
constexpr double ConeEnd = 0.25;
constexpr Section Graphite {0.0, 0.13, qRgb(45, 45, 50)};
constexpr Section Wood {0.0, ConeEnd, qRgb(236, 200, 150)};
constexpr Section Body {ConeEnd, 0.75, qRgb(245, 190, 30)};
constexpr Section Ferrule {0.75, 0.84, qRgb(175, 178, 185)};
constexpr Section Eraser {0.84, 1.0, qRgb(232, 130, 150)};

// The pencil's half width at a fraction `t` of its axis: pointed, then
// widening along the cone.
double HalfWidthAt(double t)
{
    return PencilWidth / 2.0 * std::min(1.0, t / ConeEnd);
}

QPainterPath Piece(double size, const Section& section)
{
    const QPointF axis = PencilEnd - PencilPoint;
    const double length = std::hypot(axis.x(), axis.y());
    const QPointF across(-axis.y() / length, axis.x() / length);
    const auto at = [&](double t, double side) {
        return (PencilPoint + axis * t + across * (side * HalfWidthAt(t))) * size;
    };
    QPolygonF outline;
    if (section.From == 0.0)
        outline << at(0.0, 0.0);
    else
        outline << at(section.From, 1.0);
    outline << at(section.To, 1.0) << at(section.To, -1.0);
    if (section.From != 0.0)
        outline << at(section.From, -1.0);
    outline << outline.first();
    QPainterPath path;
    path.addPolygon(outline);
    return path;
}

} // namespace

std::vector<PencilPart> PencilParts(double size)
{
    std::vector<PencilPart> parts;
    for (const Section& section : {Wood, Graphite, Body, Ferrule, Eraser})
        parts.push_back({Piece(size, section), section.Colour});
    return parts;
}

QPainterPath PencilOutline(double size)
{
    QPainterPath outline = Piece(size, {0.0, ConeEnd, 0});
    return outline.united(Piece(size, {ConeEnd, 1.0, 0})).simplified();
}

// Never thinner than a pixel, so that the pencil stands out at 16 x 16.
double PencilOutlineWidth(double size)
{
    return std::max(1.0, size * 0.035);
}

QImage DrawEditorIcon(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(0, 0, DrawAppIcon(static_cast<int>(std::lround(size * EditorStoneShare))));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const PencilPart& part : PencilParts(size)) {
        painter.setBrush(QColor(part.Colour));
        painter.drawPath(part.Shape);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(QColor(PencilOutlineColour), PencilOutlineWidth(size), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(PencilOutline(size));
    painter.end();
    return picture;
}
