#include "Noise.h"

#include <cmath>

ValueNoise::ValueNoise(std::uint32_t seed, int period)
    : Period(period), Lattice(static_cast<std::size_t>(period) * period)
{
    XorShift random(seed);
    for (double& value : Lattice)
        value = random.Uniform() * 2.0 - 1.0;
}

namespace {

double Smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double ValueNoise::At(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto wrap = [this](double v) {
        const int i = static_cast<int>(v) % Period;
        return i < 0 ? i + Period : i;
    };
    const int x0 = wrap(fx), x1 = wrap(fx + 1.0);
    const int y0 = wrap(fy), y1 = wrap(fy + 1.0);
    const auto cell = [this](int cx, int cy) { return Lattice[static_cast<std::size_t>(cy) * Period + cx]; };
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = cell(x0, y0) + (cell(x1, y0) - cell(x0, y0)) * tx;
    const double bottom = cell(x0, y1) + (cell(x1, y1) - cell(x0, y1)) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::Fractal(double x, double y, int octaves, double falloff) const
{
    double sum = 0.0;
    double amplitude = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that lattice points of different
        // octaves do not line up into a visible grid.
        sum += amplitude * At(x + 17.3 * i, y + 31.7 * i);
        total += amplitude;
        amplitude *= falloff;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}
