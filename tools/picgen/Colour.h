// Small colour sums in floating point, rounded to 8-bit channels at the end.
#pragma once

#include <QColor>
#include <QRgb>
#include <algorithm>
#include <cmath>

struct Colour {
    double R = 0, G = 0, B = 0;

    static Colour Of(QRgb rgb) { return {double(qRed(rgb)), double(qGreen(rgb)), double(qBlue(rgb))}; }

    Colour operator*(double f) const { return {R * f, G * f, B * f}; }
    Colour operator+(const Colour& o) const { return {R + o.R, G + o.G, B + o.B}; }
    Colour operator-(const Colour& o) const { return {R - o.R, G - o.G, B - o.B}; }

    QRgb ToRgb() const
    {
        const auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
        return qRgb(channel(R), channel(G), channel(B));
    }
};

// `from` moved the fraction `t` of the way towards `to`.
inline Colour Mix(const Colour& from, const Colour& to, double t)
{
    return from + (to - from) * t;
}

inline const Colour White {255, 255, 255};
inline const Colour Black {0, 0, 0};

// Hermite step from 0 at `edge0` to 1 at `edge1`.
inline double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}
