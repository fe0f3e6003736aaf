// The playing field: a raised dark granite frame around a lighter polished
// granite surface on which the 9 x 9 stones lie (x and y 45 .. 404).
#include "Colour.h"
#include "Noise.h"
#include "Pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Size = 450;
constexpr int Frame = 28;     // width of the frame, its dark seam included
constexpr int OuterBevel = 4; // rounded outer edge of the frame
constexpr int InnerBevel = 4; // slope from the frame down to the surface
constexpr int Shadow = 6;     // how far the frame's shadow falls on the surface

// Granite: a soft cloudy pattern strewn with small dark and light mineral
// grains, each a tiny round speck of its own size.
class Granite {
public:
    Granite() : Grains(static_cast<std::size_t>(Size) * Size, 0.0)
    {
        XorShift random(0x5EED0001u);
        const int count = Size * Size / 18;
        for (int i = 0; i < count; ++i) {
            const double x = random.Uniform() * Size;
            const double y = random.Uniform() * Size;
            const double u = random.Uniform();
            const double radius = 0.45 + 1.2 * u * u;
            const double kind = random.Uniform();
            const double strength = random.Uniform();
            // Mostly dark grains, fewer light ones.
            const double brightness = kind < 0.62 ? -(14.0 + 34.0 * strength) : 10.0 + 22.0 * strength;
            Speck(x, y, radius, brightness);
        }
    }

    // Brightness change around 0 and a slight warm or cool cast at (x, y);
    // `grains` scales the specks.
    Colour At(int x, int y, double grains) const
    {
        const double clouds = Clouds.Fractal(x / 60.0, y / 60.0, 5, 0.55);
        const double grey = 9.0 * clouds + grains * Grains[static_cast<std::size_t>(y) * Size + x];
        const double warm = 2.5 * Tint.At(x / 18.0, y / 18.0);
        return {grey + warm, grey, grey - warm};
    }

private:
    ValueNoise Clouds {0x5EED0002u, 64};
    ValueNoise Tint {0x5EED0003u, 64};
    std::vector<double> Grains;

    // Adds a round speck with a soft one-pixel edge.
    void Speck(double cx, double cy, double radius, double brightness)
    {
        const int x0 = std::max(0, int(cx - radius - 1)), x1 = std::min(Size - 1, int(cx + radius + 1));
        const int y0 = std::max(0, int(cy - radius - 1)), y1 = std::min(Size - 1, int(cy + radius + 1));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                const double cover = std::clamp(radius + 0.5 - distance, 0.0, 1.0);
                Grains[static_cast<std::size_t>(y) * Size + x] += brightness * cover;
            }
    }
};

enum Side {
    Left,
    Top,
    Right,
    Bottom
};

// The side of a rectangle that lies nearest, by the distances to each side.
Side Nearest(int left, int top, int right, int bottom)
{
    const int least = std::min({left, top, right, bottom});
    if (least == top)
        return Top;
    if (least == left)
        return Left;
    if (least == bottom)
        return Bottom;
    return Right;
}

// Up and left face the light; down and right face away from it.
double Facing(Side side)
{
    return side == Left || side == Top ? 1.0 : -1.0;
}

Colour FramePixel(const Granite& granite, int x, int y)
{
    Colour colour = Colour {112, 112, 115} + granite.At(x, y, 0.75);

    // Outer bevel: its rim catches the light on the upper and left sides.
    const int outLeft = x, outTop = y, outRight = Size - 1 - x, outBottom = Size - 1 - y;
    const int fromOutside = std::min({outLeft, outTop, outRight, outBottom});
    if (fromOutside < OuterBevel) {
        const double depth = (OuterBevel - fromOutside) / double(OuterBevel);
        const double facing = Facing(Nearest(outLeft, outTop, outRight, outBottom));
        colour = facing > 0 ? Mix(colour, White, 0.55 * depth) : colour * (1.0 - 0.55 * depth);
    }

    // Inner bevel: sloping down to the surface, so the upper and left
    // inner sides turn away from the light.
    const int inLeft = Frame - x, inTop = Frame - y, inRight = x - (Size - 1 - Frame),
              inBottom = y - (Size - 1 - Frame);
    const int toInside = std::max({inLeft, inTop, inRight, inBottom});
    if (toInside <= 1)
        return {38, 38, 40}; // the dark seam where frame meets surface
    if (toInside <= InnerBevel + 1) {
        const double depth = (InnerBevel + 2 - toInside) / double(InnerBevel);
        const double facing = -Facing(Nearest(-inLeft, -inTop, -inRight, -inBottom));
        colour = facing > 0 ? Mix(colour, White, 0.3 * depth) : colour * (1.0 - 0.35 * depth);
    }
    return colour;
}

Colour SurfacePixel(const Granite& granite, int x, int y)
{
    // Light from the top left brightens the surface gently towards it.
    const double slope = 5.0 * (1.0 - (x + y) / double(Size));
    Colour colour = Colour {184, 184, 186} + granite.At(x, y, 0.38) + Colour {slope, slope, slope};

    // The raised frame throws a soft shadow along the top and left edges.
    const int fromEdge = std::min(x, y) - Frame;
    if (fromEdge < Shadow)
        colour = colour * (1.0 - 0.2 * std::pow(1.0 - fromEdge / double(Shadow), 2.0));
    return colour;
}

} // namespace

QImage DrawBoard()
{
    const Granite granite;
    QImage picture(Size, Size, QImage::Format_RGB32);
    for (int y = 0; y < Size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < Size; ++x) {
            const bool onFrame = x < Frame || y < Frame || x >= Size - Frame || y >= Size - Frame;
            line[x] = (onFrame ? FramePixel(granite, x, y) : SurfacePixel(granite, x, y)).ToRgb();
        }
    }
    return picture;
}
