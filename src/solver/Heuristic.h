// Lower bounds on the moves a position still needs, from the distances of
// the items to the target cells of their codes.
//
// An item moves along the "displacement graph" of its code: actively along
// its own partners, or passively, pushed the other way by a stone of
// another code that moves into its cell. Every move takes one active step
// of the pressed stone and one passive step of its partner, and the two
// hold different codes (a swap of equal stones changes nothing). Stones of
// one code are interchangeable, so each code's stones are matched to its
// target cells at least cost (Assignment.h).
//
// The search's bound takes, over a cheapest matching per code, the fewest
// steps of any kind (M), the fewest active (A) and the fewest passive
// steps (P). A move lowers the sum of A by at most one, the sum of P by at
// most one, the sum of M by at most two and each single code's M by at
// most one (one stone of that code moves). So
//     max(sum A, sum P, ceil(sum M / 2), max M)
// is admissible and consistent; infinite when the stones of some code can
// no longer all reach target cells of their own: the position is dead.
//
// The plain bound is the older, weaker one: active and passive steps to
// the nearest target cell, and half the matched steps, on a displacement
// graph that also lets equal stones push each other. It measures the
// detour of a level (what a player who brings stone after stone closer to
// its place does not see coming), guides the generator's walks and the
// simulated players: the recipes and the shipped levels are made with it.
#pragma once

#include "MoveTable.h"

#include <cstdint>
#include <vector>

// A set of items, one bit each: 81 fit in two words.
struct ItemMask {
    std::uint64_t Low = 0, High = 0;
    void Flip(int item) { (item < 64 ? Low : High) ^= std::uint64_t {1} << (item & 63); }
    bool Has(int item) const { return ((item < 64 ? Low : High) >> (item & 63)) & 1u; }
    bool operator==(const ItemMask&) const = default;
};

// The matched costs of one code's stones.
struct ColourCost {
    std::int16_t Moves = 0;   // steps of any kind
    std::int16_t Active = 0;  // steps the stones take by their own direction
    std::int16_t Passive = 0; // steps other stones must push them
};

// The search's bound from the sums over all codes.
struct BoundSums {
    int Active = 0;
    int Passive = 0;
    int Moves = 0;
    int LargestMoves = 0; // the largest M of a single code
};

class Heuristic {
public:
    // Large enough that no sum of finite terms reaches it.
    static constexpr int Infinite = 10000;

    // `targetCodes`: the palette code each item must end with.
    Heuristic(const MoveTable& table, const std::vector<int>& targetCodes);

    int PaletteSize() const { return static_cast<int>(TargetMasks.size()); }

    // The matched costs of code k's stones on the items of `holding`.
    ColourCost Cost(int k, const ItemMask& holding) const;

    static int Bound(const BoundSums& s)
    {
        if (s.Moves >= Infinite)
            return Infinite;
        const int half = (s.Moves + 1) / 2;
        return std::max(std::max(s.Active, s.Passive), std::max(half, s.LargestMoves));
    }
    static bool IsDead(const ColourCost& c) { return c.Moves >= Infinite; }

    // Whether a stone of code k stepping from item `from` to item `to`
    // comes nearer to some target cell of its code: in steps of any kind
    // (CloserMoves), in active (CloserActive) or in passive steps
    // (CloserPassive). Without it, that matched measure of code k cannot
    // fall by the step: a matching cheaper afterwards would have been
    // cheaper before, with the stone at its old place.
    static constexpr std::uint8_t CloserMoves = 1, CloserActive = 2, CloserPassive = 4;
    std::uint8_t Closer(int k, int from, int to) const
    {
        return CloserBits[(static_cast<std::size_t>(k) * static_cast<std::size_t>(Items)
                           + static_cast<std::size_t>(from))
                              * static_cast<std::size_t>(Items)
                          + static_cast<std::size_t>(to)];
    }

    // The search's bound of `codes` (a palette code per item); Infinite
    // when dead.
    int Bound(const std::vector<int>& codes) const;

    // The plain bound of `codes`; Infinite when it finds the position dead.
    int PlainBound(const std::vector<int>& codes) const;

private:
    // Shortest distances of one displacement graph: per code, the nearest
    // target in each measure, and the steps from every item to each target.
    struct Distances {
        std::vector<std::int16_t> NearActive, NearPassive; // [k][item]
        std::vector<std::int16_t> Moves, Active, Passive;  // [k][target item][item]
        // Per code: whether any item is an active (passive) step away from
        // any target; where none is, the matching of that measure is 0.
        std::vector<bool> ActiveCounts, PassiveCounts;
    };
    Distances Build(const MoveTable& table, bool equalStonesPush) const;
    int Matched(const std::vector<std::int16_t>& measure, int k, const ItemMask& holding) const;
    void MarkCloser(int k, int from, int to);

    int Items;
    std::vector<std::vector<int>> TargetsOf; // per code: its target items
    std::vector<ItemMask> TargetMasks;       // the same as sets
    std::vector<int> Counts;                 // stones per code
    Distances Strong, Plain;
    std::vector<std::uint8_t> CloserBits; // [k][from][to], for the neighbours a step can reach
};
