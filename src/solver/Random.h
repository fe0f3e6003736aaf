// The generator's dice. std::mt19937_64 yields the same numbers on every
// standard library; the standard distributions do not, so the mapping to a
// range is our own and the level file comes out byte for byte the same.
#pragma once

#include <cstdint>
#include <random>

class Dice {
public:
    Dice(std::uint64_t seed, std::uint64_t stream) : Engine(seed * 0x9E3779B97F4A7C15ull + stream) { }

    // A number from 0 to n - 1 (n > 0).
    std::uint64_t Below(std::uint64_t n) { return (Engine() >> 16) % n; }
    // True in `percent` of 100 throws.
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

private:
    std::mt19937_64 Engine;
};
