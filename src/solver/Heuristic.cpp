#include "Heuristic.h"

#include "Assignment.h"

#include <algorithm>
#include <array>
#include <bit>
#include <deque>

namespace {

// The size of a table of a rows by b columns.
constexpr std::size_t Slots(int a, int b)
{
    return static_cast<std::size_t>(a) * static_cast<std::size_t>(b);
}

struct Step {
    int From;
    int To;
    bool Active;  // the item may take it itself
    bool Passive; // another stone may push it there
};

// The steps an item holding palette code k can take on this level. Pushes
// come from every stone code that some other item holds.
std::vector<Step> StepsOf(const MoveTable& table, int k, const std::vector<int>& counts)
{
    const int n = table.ItemCount();
    std::vector<int> kind(Slots(n, n), 0); // bit 1 active, bit 2 passive
    for (int from = 0; from < n; ++from)
        for (int to : table.Partners(from, k))
            kind[from * n + to] |= 1;
    for (int pusher = 0; pusher < table.PaletteSize(); ++pusher) {
        if (counts[pusher] == 0 || (pusher == k && counts[k] < 2))
            continue;
        // A stone of code `pusher` on item q moving to item p puts the
        // item from p onto q.
        for (int q = 0; q < n; ++q)
            for (int p : table.Partners(q, pusher))
                kind[p * n + q] |= 2;
    }
    std::vector<Step> steps;
    for (int from = 0; from < n; ++from)
        for (int to = 0; to < n; ++to)
            if (kind[from * n + to])
                steps.push_back({from, to, (kind[from * n + to] & 1) != 0, (kind[from * n + to] & 2) != 0});
    return steps;
}

// Cheapest cost from every item to any of `goals`, going backwards over
// `steps` whose costs are 0 or 1 (a deque breadth-first search).
template <typename Cost>
std::vector<int> CheapestToGoals(int n, const std::vector<Step>& steps, const std::vector<int>& goals, Cost cost)
{
    std::vector<std::vector<const Step*>> into(n);
    for (const Step& s : steps)
        into[s.To].push_back(&s);
    std::vector<int> best(n, Heuristic::Infinite);
    std::deque<int> queue;
    for (int g : goals) {
        best[g] = 0;
        queue.push_back(g);
    }
    while (!queue.empty()) {
        const int at = queue.front();
        queue.pop_front();
        for (const Step* s : into[at]) {
            const int c = cost(*s);
            if (best[at] + c < best[s->From]) {
                best[s->From] = best[at] + c;
                if (c == 0)
                    queue.push_front(s->From);
                else
                    queue.push_back(s->From);
            }
        }
    }
    return best;
}

} // namespace

Heuristic::Heuristic(const MoveTable& table, const std::vector<int>& targetCodes)
    : Items(table.ItemCount()), TargetsOf(table.PaletteSize()),
      TargetMasks(table.PaletteSize())
{
    const int palette = table.PaletteSize();
    std::vector<int> counts(palette, 0);
    for (int k : targetCodes)
        if (k >= 0)
            ++counts[k];

    ActiveSteps.assign(Slots(palette, Items), Infinite);
    PassiveSteps.assign(Slots(palette, Items), Infinite);
    TotalSteps.assign(Slots(palette, Items), Infinite);
    PairSteps.assign(Slots(palette * Items, Items), Infinite);
    for (int k = 0; k < palette; ++k) {
        std::vector<int>& goals = TargetsOf[k];
        for (int i = 0; i < Items; ++i)
            if (targetCodes[i] == k) {
                goals.push_back(i);
                TargetMasks[k].Flip(i);
            }
        if (goals.empty())
            continue;
        const std::vector<Step> steps = StepsOf(table, k, counts);
        const auto active = CheapestToGoals(Items, steps, goals, [](const Step& s) { return s.Passive ? 0 : 1; });
        const auto passive = CheapestToGoals(Items, steps, goals, [](const Step& s) { return s.Active ? 0 : 1; });
        const auto total = CheapestToGoals(Items, steps, goals, [](const Step&) { return 1; });
        const auto row = static_cast<std::ptrdiff_t>(Slots(k, Items));
        std::copy(active.begin(), active.end(), ActiveSteps.begin() + row);
        std::copy(passive.begin(), passive.end(), PassiveSteps.begin() + row);
        std::copy(total.begin(), total.end(), TotalSteps.begin() + row);
        for (int to : goals) {
            const auto steps1 = CheapestToGoals(Items, steps, {to}, [](const Step&) { return 1; });
            std::copy(steps1.begin(), steps1.end(), PairSteps.begin() + static_cast<std::ptrdiff_t>(Slots(k * Items + to, Items)));
        }
    }
}

namespace {

// The items of a mask in ascending order; returns how many.
int ItemsOf(const ItemMask& mask, std::array<int, CellCount>& items)
{
    int n = 0;
    for (std::uint64_t w = mask.Low; w; w &= w - 1)
        items[n++] = std::countr_zero(w);
    for (std::uint64_t w = mask.High; w; w &= w - 1)
        items[n++] = 64 + std::countr_zero(w);
    return n;
}

} // namespace

int Heuristic::MatchedTotal(int k, const std::uint8_t* codes) const
{
    ItemMask holding;
    for (int i = 0; i < Items; ++i)
        if (codes[i] == k)
            holding.Flip(i);
    return MatchedTotal(k, holding);
}

int Heuristic::MatchedTotal(int k, const ItemMask& holding) const
{
    // A stone already on a target cell of its code may stay matched to it
    // (distances obey the triangle inequality), so only the misplaced
    // stones and the vacant target cells take part.
    const ItemMask& target = TargetMasks[k];
    std::array<int, CellCount> misplaced, vacant;
    const int m = ItemsOf({holding.Low & ~target.Low, holding.High & ~target.High}, misplaced);
    if (m == 0)
        return 0;
    ItemsOf({target.Low & ~holding.Low, target.High & ~holding.High}, vacant);
    std::array<std::int16_t, Slots(CellCount, CellCount)> cost;
    for (int r = 0; r < m; ++r)
        for (int c = 0; c < m; ++c)
            cost[r * m + c] = static_cast<std::int16_t>(Steps(k, vacant[c], misplaced[r]));
    return CheapestAssignment(m, cost.data(), Infinite);
}

HeuristicSums Heuristic::SumsOf(const std::vector<int>& codes) const
{
    HeuristicSums s;
    std::array<std::uint8_t, CellCount> packed {};
    for (int i = 0; i < Items; ++i) {
        const int k = codes[i];
        if (k < 0 || Total(k, i) >= Infinite) {
            s.Total = Infinite;
            return s;
        }
        s.Active += Active(k, i);
        s.Passive += Passive(k, i);
        packed[i] = static_cast<std::uint8_t>(k);
    }
    for (std::size_t k = 0; k < TargetsOf.size(); ++k)
        s.Total = std::min(Infinite, s.Total + MatchedTotal(static_cast<int>(k), packed.data()));
    return s;
}
