// A lower bound on the moves a position still needs, from the distances of
// the items to the target cells of their codes.
//
// An item moves along the "displacement graph" of its code: actively along
// its own partners, or passively, pushed the other way by another stone
// that moves into its cell. Every move takes one active step of the pressed
// stone and one passive step of its partner. So the sums over all items of
// the fewest active steps, of the fewest passive steps, and half of the
// fewest steps of any kind each fall by at most one per move: their maximum
// is admissible and consistent. Active and passive steps are counted to the
// nearest target cell of the item's code; all steps along a cheapest
// matching of the misplaced stones of each code to its vacant target
// cells, which is stronger and proves more positions dead: those in which
// the stones of a code cannot all reach target cells of their own.
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

struct HeuristicSums {
    int Active = 0;
    int Passive = 0;
    int Total = 0;
};

class Heuristic {
public:
    // Large enough that no sum of finite terms reaches it.
    static constexpr int Infinite = 10000;

    // `targetCodes`: the palette code each item must end with.
    Heuristic(const MoveTable& table, const std::vector<int>& targetCodes);

    // The terms of item `i` holding palette code `k`.
    int Active(int k, int i) const { return ActiveSteps[k * Items + i]; }
    int Passive(int k, int i) const { return PassiveSteps[k * Items + i]; }
    int Total(int k, int i) const { return TotalSteps[k * Items + i]; }

    // All steps from item `from` to the target item `to` of code k.
    int Steps(int k, int to, int from) const { return PairSteps[(k * Items + to) * Items + from]; }

    // The cheapest matching of the items of `holding` (those holding code
    // k) that are not meant to, to the target items of k that hold another
    // code.
    int MatchedTotal(int k, const ItemMask& holding) const;
    int MatchedTotal(int k, const std::uint8_t* codes) const;

    HeuristicSums SumsOf(const std::vector<int>& codes) const;

    static bool IsDead(const HeuristicSums& s) { return s.Total >= Infinite; }
    static int Bound(const HeuristicSums& s)
    {
        const int half = (s.Total + 1) / 2;
        return std::max(std::max(s.Active, s.Passive), half);
    }

private:
    int Items;
    std::vector<std::vector<int>> TargetsOf; // per code: its target items
    std::vector<ItemMask> TargetMasks;       // the same as sets
    std::vector<int> ActiveSteps, PassiveSteps, TotalSteps;
    std::vector<std::int16_t> PairSteps;
};
