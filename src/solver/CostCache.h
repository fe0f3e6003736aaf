// The matched costs of one code's stones, remembered: a search meets the
// same arrangement of one colour in a great many positions, and a matching
// costs far more than a look into a table. Direct-mapped: a new entry
// simply takes the place of the old one.
#pragma once

#include "Heuristic.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CostCache {
public:
    // Starts small, so that a short search does not pay for a large table.
    explicit CostCache(const Heuristic& bounds) : Bounds(bounds), Entries(FirstEntries) { }

    std::size_t Size() const { return Entries.size(); }
    // A table of twice the size, empty: it is only a cache.
    void Grow() { Entries = std::vector<Entry>(Entries.size() * 2); }

    // Where the costs of code k on `holding` are kept: Prefetch it a little
    // before Get, and the memory fetches of many lookups overlap.
    std::size_t SlotOf(int k, const ItemMask& holding) const
    {
        std::uint64_t h = (holding.Low * 0x9E3779B97F4A7C15ull) ^ (holding.High * 0xC2B2AE3D27D4EB4Full)
            ^ static_cast<std::uint64_t>(k);
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        return (h >> 32) & (Entries.size() - 1);
    }
    void Prefetch(std::size_t slot) const { __builtin_prefetch(&Entries[slot]); }

    ColourCost Get(int k, const ItemMask& holding) { return Get(k, holding, SlotOf(k, holding)); }
    ColourCost Get(int k, const ItemMask& holding, std::size_t slot)
    {
        Entry& entry = Entries[slot];
        if (entry.Code != k || !(entry.Holding == holding)) {
            entry.Code = static_cast<std::int16_t>(k);
            entry.Holding = holding;
            entry.Cost = Bounds.Cost(k, holding);
        }
        return entry.Cost;
    }

    std::size_t Bytes() const { return Entries.capacity() * sizeof(Entry); }

private:
    static constexpr std::size_t FirstEntries = std::size_t {1} << 12;

    struct Entry {
        ItemMask Holding;
        std::int16_t Code = -1;
        ColourCost Cost;
    };
    const Heuristic& Bounds;
    std::vector<Entry> Entries;
};
