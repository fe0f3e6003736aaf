#include "Symbols.h"

#include <QPolygonF>

namespace {

enum Direction { Left, Right, Up, Down, UpLeft, DownRight, UpRight, DownLeft };

// Each mark is made of arrow heads, one for every way the stone may move.
// Straight arrows are flat triangles whose bases sit Gap units either side
// of the centre, so a two-way mark shows a clear slit in the middle.
// Slanted arrows are the halves of the square from Low to High, cut along a
// diagonal and pulled apart by the same slit.
constexpr double Centre = 20.0;
constexpr double Gap = 2.0;
constexpr double Reach = 10.0;  // centre to the tip of a straight arrow
constexpr double Spread = 8.0;  // half the base of a straight arrow
constexpr double Low = 12.0;
constexpr double High = 28.0;
constexpr double Slit = 2.0;    // how far each half moves off its diagonal

QPolygonF Arrow(Direction direction)
{
    const double c = Centre;
    switch (direction) {
    case Up:
        return QPolygonF({{c, c - Reach}, {c + Spread, c - Gap}, {c - Spread, c - Gap}});
    case Down:
        return QPolygonF({{c, c + Reach}, {c - Spread, c + Gap}, {c + Spread, c + Gap}});
    case Left:
        return QPolygonF({{c - Reach, c}, {c - Gap, c - Spread}, {c - Gap, c + Spread}});
    case Right:
        return QPolygonF({{c + Reach, c}, {c + Gap, c + Spread}, {c + Gap, c - Spread}});
    case UpLeft:
        return QPolygonF({{Low, Low}, {High - Slit, Low}, {Low, High - Slit}});
    case DownRight:
        return QPolygonF({{High, High}, {Low + Slit, High}, {High, Low + Slit}});
    case UpRight:
        return QPolygonF({{High, Low}, {High, High - Slit}, {Low + Slit, Low}});
    case DownLeft:
        return QPolygonF({{Low, High}, {Low, Low + Slit}, {High - Slit, High}});
    }
    return {};
}

} // namespace

QPainterPath StoneSymbol(int code)
{
    static const std::initializer_list<Direction> moves[] = {
        {Left, Right},     // 1
        {Up, Down},        // 2
        {Up},              // 3
        {Down},            // 4
        {Left},            // 5
        {Right},           // 6
        {UpLeft, DownRight}, // 7
        {UpRight, DownLeft}, // 8
        {UpLeft},          // 9
        {DownRight},       // 10
        {UpRight},         // 11
        {DownLeft},        // 12
    };
    QPainterPath path;
    if (code < 1 || code > 12)
        return path;
    for (Direction direction : moves[code - 1]) {
        QPolygonF arrow = Arrow(direction);
        arrow << arrow.first();
        path.addPolygon(arrow);
    }
    return path;
}
