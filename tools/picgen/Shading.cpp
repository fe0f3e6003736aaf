#include "Shading.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vector {
    double X, Y, Z;

    Vector Normalised() const
    {
        const double length = std::sqrt(X * X + Y * Y + Z * Z);
        return {X / length, Y / length, Z / length};
    }
    double Dot(const Vector& o) const { return X * o.X + Y * o.Y + Z * o.Z; }
};

// Towards the light (top left, in front of the screen) and half way between
// it and the viewer, for the highlight.
const Vector ToLight = Vector {-1.0, -1.15, 1.7}.Normalised();
const Vector HalfWay = Vector {ToLight.X, ToLight.Y, ToLight.Z + 1.0}.Normalised();

// The surface normal of a round piece whose surface falls away from the
// centre with slope `slope` at `p`.
Vector NormalAt(DiscPoint p, double slope)
{
    const double r = std::hypot(p.X, p.Y);
    if (r < 1e-9)
        return {0, 0, 1};
    return Vector {p.X / r * slope, p.Y / r * slope, 1.0}.Normalised();
}

// Brightness relative to a flat surface facing the viewer, which shows the
// body colour unchanged.
double Diffuse(const Vector& normal)
{
    return std::max(0.0, normal.Dot(ToLight)) / ToLight.Z;
}

double Highlight(const Vector& normal, double sharpness)
{
    return std::pow(std::max(0.0, normal.Dot(HalfWay)), sharpness);
}

} // namespace

Colour ShadeStone(const Colour& body, DiscPoint p)
{
    const double r = std::min(1.0, std::hypot(p.X, p.Y));
    // A low dome over most of the face, curving down steeply in the outer
    // fifth so the stone reads as a raised, rounded button.
    const double slope = 0.62 * r + 2.2 * std::pow(SmoothStep(0.74, 1.0, r), 1.3);
    const Vector normal = NormalAt(p, slope);

    const double light = 0.18 + 0.82 * Diffuse(normal);
    // Darker than flat: scale the body colour. Brighter: wash towards white,
    // so that full-strength colours such as pure green still light up.
    Colour colour = light <= 1.0 ? body * light : Mix(body, White, std::min(1.0, (light - 1.0) * 1.1));

    const double gloss = 0.95 * Highlight(normal, 70.0) + 0.18 * Highlight(normal, 9.0);
    colour = Mix(colour, White, std::min(1.0, gloss));

    // A darker seam at the very edge keeps the stone apart from the board
    // and from its neighbours.
    return colour * (1.0 - 0.38 * SmoothStep(0.925, 1.0, std::hypot(p.X, p.Y)));
}

Colour ShadeRing(DiscPoint p, double inner)
{
    const double r = std::hypot(p.X, p.Y);
    // Across the tube from -1 (inner edge) to 1 (outer edge); the tube is
    // round, so its slope runs from steeply inwards to steeply outwards.
    const double across = std::clamp((r - (inner + 1.0) / 2.0) / ((1.0 - inner) / 2.0), -0.97, 0.97);
    const double slope = across / std::sqrt(1.0 - across * across);
    const Vector normal = NormalAt(p, slope);

    // Polished metal: little diffuse light, a strong narrow highlight and a
    // soft reflection of the bright room above.
    const double sky = 0.5 - 0.5 * normal.Y;
    double grey = 62.0 + 70.0 * Diffuse(normal) + 80.0 * sky * sky;
    grey += 150.0 * Highlight(normal, 45.0);
    grey *= 1.0 - 0.3 * SmoothStep(0.93, 1.0, r);
    // A faint cool tint, as silver shows under daylight.
    return Colour {grey - 2.0, grey, grey + 4.0};
}
