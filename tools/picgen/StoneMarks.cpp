#include "StoneMarks.h"

#include "StoneRules.h"

#include <QPolygonF>

namespace {

// Straight arrows are flat triangles whose bases sit Gap units either side
// of the centre, so a two-way mark shows a clear slit in the middle.
// Slanted arrows are the halves of the square from Low to High, cut along a
// diagonal and pulled apart by the same slit.
constexpr double Centre = 20.0;
constexpr double Gap = 2.0;
constexpr double Reach = 10.0; // centre to the tip of a straight arrow
constexpr double Spread = 8.0; // half the base of a straight arrow
constexpr double Low = 12.0;
constexpr double High = 28.0;
constexpr double Slit = 2.0; // how far each half moves off its diagonal

QPolygonF Arrow(TStep step)
{
    const double c = Centre;
    if (step == StepUp)
        return QPolygonF({{c, c - Reach}, {c + Spread, c - Gap}, {c - Spread, c - Gap}});
    if (step == StepDown)
        return QPolygonF({{c, c + Reach}, {c - Spread, c + Gap}, {c + Spread, c + Gap}});
    if (step == StepLeft)
        return QPolygonF({{c - Reach, c}, {c - Gap, c - Spread}, {c - Gap, c + Spread}});
    if (step == StepRight)
        return QPolygonF({{c + Reach, c}, {c + Gap, c + Spread}, {c + Gap, c - Spread}});
    if (step == StepUpLeft)
        return QPolygonF({{Low, Low}, {High - Slit, Low}, {Low, High - Slit}});
    if (step == StepDownRight)
        return QPolygonF({{High, High}, {Low + Slit, High}, {High, Low + Slit}});
    if (step == StepUpRight)
        return QPolygonF({{High, Low}, {High, High - Slit}, {Low + Slit, Low}});
    if (step == StepDownLeft)
        return QPolygonF({{Low, High}, {Low, Low + Slit}, {High - Slit, High}});
    return {};
}

void AddArrow(QPainterPath& path, TStep step)
{
    QPolygonF arrow = Arrow(step);
    arrow << arrow.first();
    path.addPolygon(arrow);
}

} // namespace

QPainterPath StoneMark(int code)
{
    QPainterPath path;
    if (!IsStone(code))
        return path;
    const TStoneWay way = StoneWays[static_cast<std::size_t>(code)];
    if (way.BothWays)
        AddArrow(path, way.Forward.Reversed());
    AddArrow(path, way.Forward);
    return path;
}
