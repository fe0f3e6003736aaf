// Random numbers for the textured pictures. They come from a fixed seed so
// that drawing the pictures again writes the very same bytes.
#pragma once

#include <cstdint>
#include <vector>

// Marsaglia's xorshift: tiny, fast and the same on every compiler.
class XorShift {
public:
    explicit XorShift(std::uint32_t seed) : State(seed != 0 ? seed : 0x9E3779B9u) { }

    std::uint32_t Next()
    {
        State ^= State << 13;
        State ^= State >> 17;
        State ^= State << 5;
        return State;
    }

    // Uniform in [0, 1).
    double Uniform() { return (Next() >> 8) * (1.0 / 16777216.0); }

private:
    std::uint32_t State;
};

// A smooth random field: random values on a square lattice, blended with a
// smooth curve between the lattice points, repeating every `period` cells.
class ValueNoise {
public:
    ValueNoise(std::uint32_t seed, int period);

    // One octave at (x, y) in lattice units, in [-1, 1].
    double At(double x, double y) const;

    // `octaves` octaves, each at twice the frequency and `falloff` times the
    // amplitude of the one before; roughly in [-1, 1].
    double Fractal(double x, double y, int octaves, double falloff) const;

private:
    int Period;
    std::vector<double> Lattice;
};
