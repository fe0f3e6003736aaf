#include "Heuristic.h"

#include "Assignment.h"

#include <algorithm>
#include <array>
#include <bit>

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

// The steps of one code, grouped by the item they lead to: the searches
// below go backwards from the targets.
struct StepGraph {
    std::vector<int> First; // per item the first of its steps in Into; First[n] ends the last
    std::vector<Step> Into;
};

// The steps an item holding palette code k can take on this level. Pushes
// come from the codes that other stones hold; `equalStonesPush` counts a
// stone of code k itself among them when there are two (the plain bound's
// graph: such a swap changes nothing, so the search's graph leaves it out).
StepGraph StepsOf(const MoveTable& table, int k, const std::vector<int>& counts, bool equalStonesPush)
{
    const int n = table.ItemCount();
    std::vector<int> kind(Slots(n, n), 0); // [to][from]: bit 1 active, bit 2 passive
    for (int from = 0; from < n; ++from)
        for (int to : table.Partners(from, k))
            kind[to * n + from] |= 1;
    for (int pusher = 0; pusher < table.PaletteSize(); ++pusher) {
        if (counts[pusher] == 0 || (pusher == k && (!equalStonesPush || counts[k] < 2)))
            continue;
        // A stone of code `pusher` on item q moving to item p puts the
        // item from p onto q.
        for (int q = 0; q < n; ++q)
            for (int p : table.Partners(q, pusher))
                kind[q * n + p] |= 2;
    }
    StepGraph graph;
    for (int to = 0; to < n; ++to) {
        graph.First.push_back(static_cast<int>(graph.Into.size()));
        for (int from = 0; from < n; ++from)
            if (const int bits = kind[to * n + from])
                graph.Into.push_back({from, to, (bits & 1) != 0, (bits & 2) != 0});
    }
    graph.First.push_back(static_cast<int>(graph.Into.size()));
    return graph;
}

// Cheapest cost from every item to any of `goals`, going backwards over
// steps whose costs are 0 or 1: a breadth-first search by cost, layer by
// layer; an item reached again at a lower cost is taken from that layer.
template <typename Cost>
void CheapestToGoals(const StepGraph& graph, const std::vector<int>& goals, Cost cost, std::vector<int>& best,
                     std::vector<int>& layer, std::vector<int>& nextLayer)
{
    const std::size_t n = graph.First.size() - 1;
    best.assign(n, Heuristic::Infinite);
    layer.clear();
    for (int g : goals) {
        best[static_cast<std::size_t>(g)] = 0;
        layer.push_back(g);
    }
    for (int at = 0; !layer.empty(); ++at) {
        nextLayer.clear();
        while (!layer.empty()) {
            const int item = layer.back();
            layer.pop_back();
            if (best[static_cast<std::size_t>(item)] != at)
                continue; // reached at a lower cost since
            for (int e = graph.First[static_cast<std::size_t>(item)];
                 e < graph.First[static_cast<std::size_t>(item) + 1]; ++e) {
                const Step& s = graph.Into[static_cast<std::size_t>(e)];
                const int reached = at + cost(s);
                int& known = best[static_cast<std::size_t>(s.From)];
                if (reached < known) {
                    known = reached;
                    (reached == at ? layer : nextLayer).push_back(s.From);
                }
            }
        }
        layer.swap(nextLayer);
    }
}

int AnyStep(const Step&)
{
    return 1;
}
// Active steps counted: a step another stone could push costs nothing.
int ActiveStep(const Step& s)
{
    return s.Passive ? 0 : 1;
}
int PassiveStep(const Step& s)
{
    return s.Active ? 0 : 1;
}

void Store(std::vector<std::int16_t>& table, std::size_t row, const std::vector<int>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        table[row + i] = static_cast<std::int16_t>(values[i]);
}

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

Heuristic::Heuristic(const MoveTable& table, const std::vector<int>& targetCodes)
    : Items(table.ItemCount()), TargetsOf(table.PaletteSize()), TargetMasks(table.PaletteSize()),
      Counts(table.PaletteSize(), 0)
{
    for (int i = 0; i < Items; ++i)
        if (targetCodes[i] >= 0) {
            TargetsOf[targetCodes[i]].push_back(i);
            TargetMasks[targetCodes[i]].Flip(i);
            ++Counts[targetCodes[i]];
        }
    Strong = Build(table, false);
    Plain = Build(table, true);
    CloserBits.assign(Slots(table.PaletteSize() * Items, Items), 0);
    for (int k = 0; k < table.PaletteSize(); ++k)
        for (int from = 0; from < Items; ++from)
            for (int pusher = 0; pusher < table.PaletteSize(); ++pusher)
                for (const int to : table.Partners(from, pusher)) {
                    // A step from `from` to `to` of any code, and back.
                    MarkCloser(k, from, to);
                    MarkCloser(k, to, from);
                }
}

void Heuristic::MarkCloser(int k, int from, int to)
{
    std::uint8_t bits = 0;
    for (const int t : TargetsOf[static_cast<std::size_t>(k)]) {
        const std::size_t row = Slots(k * Items + t, Items);
        const auto closer = [&](const std::vector<std::int16_t>& d) {
            return !d.empty() && d[row + static_cast<std::size_t>(to)] < d[row + static_cast<std::size_t>(from)];
        };
        if (closer(Strong.Moves))
            bits |= CloserMoves;
        if (closer(Strong.Active))
            bits |= CloserActive;
        if (closer(Strong.Passive))
            bits |= CloserPassive;
    }
    CloserBits[Slots(k * Items + from, Items) + static_cast<std::size_t>(to)] = bits;
}

Heuristic::Distances Heuristic::Build(const MoveTable& table, bool equalStonesPush) const
{
    const int palette = table.PaletteSize();
    Distances d;
    d.NearActive.assign(Slots(palette, Items), Infinite);
    d.NearPassive.assign(Slots(palette, Items), Infinite);
    d.Moves.assign(Slots(palette * Items, Items), Infinite);
    const bool matchActiveAndPassive = !equalStonesPush; // the plain bound takes them to the nearest target
    if (matchActiveAndPassive) {
        d.Active.assign(Slots(palette * Items, Items), Infinite);
        d.Passive.assign(Slots(palette * Items, Items), Infinite);
    }
    d.ActiveCounts.assign(static_cast<std::size_t>(palette), false);
    d.PassiveCounts.assign(static_cast<std::size_t>(palette), false);
    const auto anyStep = [](const std::vector<int>& values) {
        return std::any_of(values.begin(), values.end(), [](int v) { return v > 0 && v < Infinite; });
    };
    std::vector<int> best, layer, nextLayer, one(1);
    for (int k = 0; k < palette; ++k) {
        const std::vector<int>& goals = TargetsOf[k];
        if (goals.empty())
            continue;
        const StepGraph steps = StepsOf(table, k, Counts, equalStonesPush);
        CheapestToGoals(steps, goals, ActiveStep, best, layer, nextLayer);
        Store(d.NearActive, Slots(k, Items), best);
        CheapestToGoals(steps, goals, PassiveStep, best, layer, nextLayer);
        Store(d.NearPassive, Slots(k, Items), best);
        for (int to : goals) {
            const std::size_t row = Slots(k * Items + to, Items);
            one[0] = to;
            CheapestToGoals(steps, one, AnyStep, best, layer, nextLayer);
            Store(d.Moves, row, best);
            if (matchActiveAndPassive) {
                CheapestToGoals(steps, one, ActiveStep, best, layer, nextLayer);
                Store(d.Active, row, best);
                d.ActiveCounts[static_cast<std::size_t>(k)] = d.ActiveCounts[static_cast<std::size_t>(k)]
                    || anyStep(best);
                CheapestToGoals(steps, one, PassiveStep, best, layer, nextLayer);
                Store(d.Passive, row, best);
                d.PassiveCounts[static_cast<std::size_t>(k)] = d.PassiveCounts[static_cast<std::size_t>(k)]
                    || anyStep(best);
            }
        }
    }
    return d;
}

int Heuristic::Matched(const std::vector<std::int16_t>& measure, int k, const ItemMask& holding) const
{
    // A stone already on a target cell of its code may stay matched to it
    // (every measure is a shortest distance, so it obeys the triangle
    // inequality), so only the misplaced stones and the vacant target
    // cells take part.
    const ItemMask& target = TargetMasks[k];
    std::array<int, CellCount> misplaced, vacant;
    const int m = ItemsOf({holding.Low & ~target.Low, holding.High & ~target.High}, misplaced);
    if (m == 0)
        return 0;
    if (ItemsOf({target.Low & ~holding.Low, target.High & ~holding.High}, vacant) != m)
        return Infinite; // not the code's number of stones: no matching
    std::array<std::int16_t, Slots(CellCount, CellCount)> cost;
    for (int r = 0; r < m; ++r)
        for (int c = 0; c < m; ++c)
            cost[r * m + c] = measure[Slots(k * Items + vacant[c], Items) + static_cast<std::size_t>(misplaced[r])];
    return CheapestAssignment(m, cost.data(), Infinite);
}

ColourCost Heuristic::Cost(int k, const ItemMask& holding) const
{
    ColourCost cost;
    cost.Moves = static_cast<std::int16_t>(Matched(Strong.Moves, k, holding));
    if (IsDead(cost))
        return cost;
    const auto code = static_cast<std::size_t>(k);
    if (Strong.ActiveCounts[code])
        cost.Active = static_cast<std::int16_t>(Matched(Strong.Active, k, holding));
    if (Strong.PassiveCounts[code])
        cost.Passive = static_cast<std::int16_t>(Matched(Strong.Passive, k, holding));
    return cost;
}

namespace {

std::vector<ItemMask> HoldingOf(const std::vector<int>& codes, int palette)
{
    std::vector<ItemMask> holding(static_cast<std::size_t>(palette));
    for (std::size_t i = 0; i < codes.size(); ++i)
        holding[static_cast<std::size_t>(codes[i])].Flip(static_cast<int>(i));
    return holding;
}

bool AnyMissing(const std::vector<int>& codes)
{
    return std::any_of(codes.begin(), codes.end(), [](int k) { return k < 0; });
}

} // namespace

int Heuristic::Bound(const std::vector<int>& codes) const
{
    if (AnyMissing(codes))
        return Infinite;
    const std::vector<ItemMask> holding = HoldingOf(codes, PaletteSize());
    BoundSums sums;
    for (int k = 0; k < PaletteSize(); ++k) {
        const ColourCost c = Cost(k, holding[static_cast<std::size_t>(k)]);
        if (IsDead(c))
            return Infinite;
        sums.Active += c.Active;
        sums.Passive += c.Passive;
        sums.Moves += c.Moves;
        sums.LargestMoves = std::max<int>(sums.LargestMoves, c.Moves);
    }
    return Bound(sums);
}

int Heuristic::PlainBound(const std::vector<int>& codes) const
{
    if (AnyMissing(codes))
        return Infinite;
    int active = 0, passive = 0, moves = 0;
    for (int i = 0; i < Items; ++i) {
        const std::size_t slot = Slots(codes[static_cast<std::size_t>(i)], Items) + static_cast<std::size_t>(i);
        if (Plain.NearActive[slot] >= Infinite)
            return Infinite;
        active += Plain.NearActive[slot];
        passive += Plain.NearPassive[slot];
    }
    const std::vector<ItemMask> holding = HoldingOf(codes, PaletteSize());
    for (int k = 0; k < PaletteSize(); ++k)
        moves = std::min(Infinite, moves + Matched(Plain.Moves, k, holding[static_cast<std::size_t>(k)]));
    if (moves >= Infinite)
        return Infinite;
    return std::max(std::max(active, passive), (moves + 1) / 2);
}
