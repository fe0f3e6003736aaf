// A position packed into W 64-bit words, four bits per item (its palette
// index), with a hash for the search's table. Small levels need one word.
#pragma once

#include <array>
#include <cstdint>

template <int W> struct PackedState {
    static constexpr int ItemsPerWord = 16;
    std::array<std::uint64_t, W> Words {};

    int Get(int item) const { return static_cast<int>((Words[item / ItemsPerWord] >> Shift(item)) & 15u); }
    void Set(int item, int code)
    {
        std::uint64_t& word = Words[item / ItemsPerWord];
        word = (word & ~(std::uint64_t {15} << Shift(item))) | (std::uint64_t(code) << Shift(item));
    }
    bool operator==(const PackedState& other) const
    {
        std::uint64_t differ = 0; // word by word: no call for a few words
        for (int w = 0; w < W; ++w)
            differ |= Words[w] ^ other.Words[w];
        return differ == 0;
    }

    std::uint64_t Hash() const
    {
        std::uint64_t h = 0x9E3779B97F4A7C15ull;
        for (std::uint64_t w : Words) {
            h ^= w;
            h *= 0xBF58476D1CE4E5B9ull;
            h ^= h >> 31;
        }
        h *= 0x94D049BB133111EBull;
        return h ^ (h >> 29);
    }

private:
    static int Shift(int item) { return (item % ItemsPerWord) * 4; }
};
