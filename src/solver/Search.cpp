#include "Search.h"

#include "BucketQueue.h"
#include "PackedState.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

constexpr std::uint32_t NoParent = std::numeric_limits<std::uint32_t>::max();
constexpr int MaxDepth = 250; // g is kept in a byte

// The search proper, for positions of W words. Node data lies in parallel
// arrays indexed by node id; the hash table holds (hash, id + 1) pairs.
//
// On boards with many stones a position has a hundred children, most of
// them worse than the parent. So A* runs with partial expansion: a node
// keeps only the children whose priority does not exceed its own, and goes
// back into the open list with the least priority of the rest. Memory then
// follows the positions expanded rather than those generated.
template <int W>
class Engine final : public LevelSearch::EngineBase {
public:
    Engine(const MoveTable& table, const Heuristic& bounds, const std::vector<int>& targetCodes)
        : Table(table), Bounds(bounds), Items(table.ItemCount()), Palette(table.PaletteSize()),
          Goal(Pack(targetCodes))
    {
        // Flat copies of the partner lists and terms: the inner loop reads them.
        PartnerOf.assign(static_cast<std::size_t>(Items) * static_cast<std::size_t>(Palette), {-1, -1});
        for (int i = 0; i < Items; ++i)
            for (int k = 0; k < Palette; ++k) {
                const auto& list = table.Partners(i, k);
                for (std::size_t n = 0; n < list.size() && n < 2; ++n)
                    PartnerOf[i * Palette + k][n] = static_cast<std::int16_t>(list[n]);
            }
        for (int k = 0; k < Palette; ++k)
            for (int i = 0; i < Items; ++i)
                Terms.push_back({static_cast<std::int16_t>(bounds.Active(k, i)),
                                 static_cast<std::int16_t>(bounds.Passive(k, i)),
                                 static_cast<std::int16_t>(bounds.Total(k, i))});
    }

    SearchResult Run(const std::vector<int>& from, const SearchLimits& limits) const override
    {
        OneRun run(*this, limits);
        const HeuristicSums s = Bounds.SumsOf(from);
        int near = 0;
        for (int i = 0; i < Items && !Heuristic::IsDead(s); ++i)
            near += Bounds.Total(from[i], i);
        return run.Go(Pack(from), s, near);
    }

private:
    struct Term {
        std::int16_t Active, Passive, Near;
    };
    // The bound's parts: active and passive steps and all steps to the
    // nearest target, and all steps along the matching.
    struct Sums {
        std::int16_t Active, Passive, Near, Matched;
    };

    static PackedState<W> Pack(const std::vector<int>& codes)
    {
        PackedState<W> s;
        for (std::size_t i = 0; i < codes.size(); ++i)
            s.Set(static_cast<int>(i), codes[i]);
        return s;
    }

    static int CheapBound(const Sums& s) { return Heuristic::Bound({s.Active, s.Passive, s.Near}); }
    static int FullBound(const Sums& s) { return Heuristic::Bound({s.Active, s.Passive, s.Matched}); }

    const Term& TermOf(int k, int i) const { return Terms[k * Items + i]; }

    // The state of one run: nodes, hash table and open list.
    class OneRun {
    public:
        OneRun(const Engine& e, const SearchLimits& limits)
            : E(e), Limits(limits), Partial(limits.WeightNum == limits.WeightDen)
        {
        }

        SearchResult Go(const PackedState<W>& start, const HeuristicSums& startSums, int near)
        {
            SearchResult result;
            if (Heuristic::IsDead(startSums)) {
                result.Outcome = SearchOutcome::Exhausted;
                result.LowerBound = Heuristic::Infinite;
                return result;
            }
            Slots.assign(1u << 12, 0);
            const Sums sums {static_cast<std::int16_t>(startSums.Active), static_cast<std::int16_t>(startSums.Passive),
                             static_cast<std::int16_t>(near), static_cast<std::int16_t>(startSums.Total)};
            Add(start, start.Hash(), NoParent, 0, sums);
            if (start == E.Goal)
                return Finish(result, 0);

            bool depthCut = false;
            std::uint32_t id;
            int f, g;
            while (Open.Pop(id, f, g)) {
                if (G[id] != g || NextF[id] != f)
                    continue; // stale: reached by a shorter way since, or re-queued
                if (!Limits.StopAtFirst && States[id] == E.Goal)
                    return Finish(result, id);
                if (g >= MaxDepth) {
                    depthCut = true;
                    continue;
                }
                LowestOpenF = f;
                ++Expansions;
                if (Limits.Watch != nullptr && (Expansions % WatchInterval) == 0 && Tell(*Limits.Watch)) {
                    result.Outcome = SearchOutcome::OverBudget;
                    result.Nodes = States.size();
                    result.Expansions = Expansions;
                    return result;
                }
                if (const auto found = Expand(id, f); found != NoParent)
                    return Finish(result, found);
                if (States.size() > Limits.MaxNodes) {
                    result.Outcome = SearchOutcome::OverBudget;
                    result.LowerBound = Partial ? LowestOpenF : 0;
                    result.Nodes = States.size();
            result.Expansions = Expansions;
                    return result;
                }
            }
            result.Outcome = depthCut ? SearchOutcome::OverBudget : SearchOutcome::Exhausted;
            result.LowerBound = depthCut ? MaxDepth : Heuristic::Infinite;
            result.Nodes = States.size();
            result.Expansions = Expansions;
            return result;
        }

    private:
        static constexpr int NoPriority = 1 << 30;
        static constexpr std::size_t WatchInterval = 512; // expansions between looks at the watch: a stop within milliseconds

        // Reports the progress; true when the search is to stop.
        bool Tell(SearchWatch& watch) const
        {
            if (Partial)
                watch.GroupBound.store(LowestOpenF, std::memory_order_relaxed);
            watch.Nodes.store(States.size(), std::memory_order_relaxed);
            return watch.Stopped();
        }

        // Generates the children of node `id`, queued with priority `f`.
        // Returns the goal's id when StopAtFirst and it was generated,
        // NoParent otherwise.
        std::uint32_t Expand(std::uint32_t id, int f)
        {
            const PackedState<W> state = States[id];
            const Sums sums = SumsOf[id];
            const int g = G[id] + 1;
            std::array<std::uint8_t, CellCount> code;
            for (int i = 0; i < E.Items; ++i)
                code[i] = static_cast<std::uint8_t>(state.Get(i));

            // Which items hold each code, and the matched part of the
            // bound per code as the parent has it.
            std::array<ItemMask, 16> holding {};
            for (int i = 0; i < E.Items; ++i)
                holding[code[i]].Flip(i);
            std::array<int, 16> parentMatched;
            parentMatched.fill(-1);
            const auto matchedBefore = [&](int k) {
                if (parentMatched[k] < 0)
                    parentMatched[k] = Matched(k, holding[k]);
                return parentMatched[k];
            };

            int deferred = NoPriority; // the least priority of the children left out
            for (int i = 0; i < E.Items; ++i) {
                const int k = code[i];
                const std::size_t slot =
                    static_cast<std::size_t>(i) * static_cast<std::size_t>(E.Palette) + static_cast<std::size_t>(k);
                for (const int j : E.PartnerOf[slot]) {
                    if (j < 0)
                        break;
                    const int kj = code[j];
                    if (kj == k)
                        continue; // swapping two equal stones changes nothing
                    const Term& iOut = E.TermOf(k, i);
                    const Term& iIn = E.TermOf(k, j);
                    const Term& jOut = E.TermOf(kj, j);
                    const Term& jIn = E.TermOf(kj, i);
                    if (iIn.Near >= Heuristic::Infinite || jIn.Near >= Heuristic::Infinite)
                        continue; // a proved dead end
                    Sums child {
                        static_cast<std::int16_t>(sums.Active - iOut.Active + iIn.Active - jOut.Active + jIn.Active),
                        static_cast<std::int16_t>(sums.Passive - iOut.Passive + iIn.Passive - jOut.Passive + jIn.Passive),
                        static_cast<std::int16_t>(sums.Near - iOut.Near + iIn.Near - jOut.Near + jIn.Near), 0};
                    // The cheap bound is never above the full one: a child it
                    // already rules out needs no matching yet.
                    const int cheap = Priority(g, CheapBound(child));
                    if (Partial && cheap > f) {
                        deferred = std::min(deferred, cheap);
                        continue;
                    }
                    const int before = matchedBefore(k) + matchedBefore(kj);
                    ItemMask movedK = holding[k], movedKj = holding[kj];
                    movedK.Flip(i);
                    movedK.Flip(j);
                    movedKj.Flip(i);
                    movedKj.Flip(j);
                    const int after = Matched(k, movedK) + Matched(kj, movedKj);
                    if (after >= Heuristic::Infinite)
                        continue; // the stones of a code can no longer all reach their targets
                    child.Matched = static_cast<std::int16_t>(sums.Matched - before + after);
                    const int priority = Priority(g, FullBound(child));
                    if (Partial && priority > f) {
                        deferred = std::min(deferred, priority);
                        continue;
                    }

                    PackedState<W> next = state;
                    next.Set(i, kj);
                    next.Set(j, k);
                    const std::uint64_t hash = next.Hash();
                    const std::uint32_t known = Find(next, hash);
                    if (known == NoParent) {
                        const std::uint32_t added = Add(next, hash, id, g, child);
                        if (Limits.StopAtFirst && next == E.Goal)
                            return added;
                    } else if (g < G[known]) {
                        G[known] = static_cast<std::uint8_t>(g);
                        Parent[known] = id;
                        Queue(known, priority);
                    }
                }
            }
            if (deferred != NoPriority)
                Queue(id, deferred);
            return NoParent;
        }

        // The matching of code k, through a cache: the same arrangement of
        // one colour turns up in many positions.
        int Matched(int k, const ItemMask& holding)
        {
            std::uint64_t h = (holding.Low * 0x9E3779B97F4A7C15ull) ^ (holding.High * 0xC2B2AE3D27D4EB4Full) ^ k;
            h ^= h >> 29;
            h *= 0xBF58476D1CE4E5B9ull;
            CachedMatch& entry = MatchCache[(h >> 40) & (MatchCache.size() - 1)];
            if (entry.Code != k || !(entry.Holding == holding)) {
                entry.Code = static_cast<std::int16_t>(k);
                entry.Holding = holding;
                entry.Cost = static_cast<std::int16_t>(E.Bounds.MatchedTotal(k, holding));
            }
            return entry.Cost;
        }

        int Priority(int g, int h) const { return g + h * Limits.WeightNum / Limits.WeightDen; }

        void Queue(std::uint32_t id, int f)
        {
            NextF[id] = f;
            Open.Push(f, G[id], id);
        }

        std::uint32_t Find(const PackedState<W>& s, std::uint64_t hash) const
        {
            const std::uint32_t tag = static_cast<std::uint32_t>(hash >> 32);
            for (std::size_t at = hash & (Slots.size() - 1);; at = (at + 1) & (Slots.size() - 1)) {
                const std::uint64_t slot = Slots[at];
                if (slot == 0)
                    return NoParent;
                const std::uint32_t id = static_cast<std::uint32_t>(slot) - 1;
                if (static_cast<std::uint32_t>(slot >> 32) == tag && States[id] == s)
                    return id;
            }
        }

        std::uint32_t Add(const PackedState<W>& s, std::uint64_t hash, std::uint32_t parent, int g, const Sums& sums)
        {
            const std::uint32_t id = static_cast<std::uint32_t>(States.size());
            States.push_back(s);
            Parent.push_back(parent);
            G.push_back(static_cast<std::uint8_t>(g));
            SumsOf.push_back(sums);
            NextF.push_back(0);
            if (States.size() * 2 > Slots.size())
                Grow();
            else
                Place(hash, id);
            Queue(id, Priority(g, FullBound(sums)));
            return id;
        }

        void Place(std::uint64_t hash, std::uint32_t id)
        {
            std::size_t at = hash & (Slots.size() - 1);
            while (Slots[at] != 0)
                at = (at + 1) & (Slots.size() - 1);
            Slots[at] = (hash >> 32 << 32) | (id + 1);
        }

        void Grow()
        {
            Slots.assign(Slots.size() * 2, 0);
            for (std::uint32_t id = 0; id < States.size(); ++id)
                Place(States[id].Hash(), id);
        }

        SearchResult Finish(SearchResult& result, std::uint32_t goal)
        {
            std::vector<std::uint32_t> path;
            for (std::uint32_t at = goal; at != NoParent; at = Parent[at])
                path.push_back(at);
            std::reverse(path.begin(), path.end());
            for (std::size_t n = 1; n < path.size(); ++n)
                result.Moves.push_back(MoveBetween(States[path[n - 1]], States[path[n]]));
            result.Outcome = SearchOutcome::Found;
            result.LowerBound = static_cast<int>(result.Moves.size());
            result.Nodes = States.size();
            result.Expansions = Expansions;
            return result;
        }

        // The move from `a` to its child `b`: the two items that differ, the
        // one whose stone in `a` may go to the other pressed.
        Move MoveBetween(const PackedState<W>& a, const PackedState<W>& b) const
        {
            int first = -1, second = -1;
            for (int i = 0; i < E.Items; ++i)
                if (a.Get(i) != b.Get(i))
                    (first < 0 ? first : second) = i;
            const auto& partners = E.PartnerOf[first * E.Palette + a.Get(first)];
            const bool firstPressed = partners[0] == second || partners[1] == second;
            const int pressed = firstPressed ? first : second;
            const int partner = firstPressed ? second : first;
            return {E.Table.Cells[pressed], E.Table.Cells[partner]};
        }

        const Engine& E;
        const SearchLimits& Limits;
        const bool Partial; // plain A*: partial expansion
        std::size_t Expansions = 0;
        std::vector<PackedState<W>> States;
        std::vector<std::uint32_t> Parent;
        std::vector<std::uint8_t> G;
        std::vector<Sums> SumsOf;
        std::vector<int> NextF; // the priority the node is queued with
        std::vector<std::uint64_t> Slots;
        struct CachedMatch {
            ItemMask Holding;
            std::int16_t Code = -1;
            std::int16_t Cost = 0;
        };
        std::vector<CachedMatch> MatchCache = std::vector<CachedMatch>(1u << 15);
        BucketQueue Open;
        int LowestOpenF = 0;
    };

    const MoveTable& Table;
    const Heuristic& Bounds;
    int Items;
    int Palette;
    PackedState<W> Goal;
    std::vector<std::array<std::int16_t, 2>> PartnerOf;
    std::vector<Term> Terms;
};

template <int W>
std::unique_ptr<LevelSearch::EngineBase> MakeEngine(const MoveTable& t, const Heuristic& h, const std::vector<int>& goal)
{
    return std::make_unique<Engine<W>>(t, h, goal);
}

} // namespace

bool HoldsSameStones(const TLevelRecord& level)
{
    std::array<int, 256> count {};
    for (int cell = 1; cell <= CellCount; ++cell) {
        if ((level.Board[cell] == 0) != (level.Target[cell] == 0))
            return false;
        ++count[level.Board[cell]];
        --count[level.Target[cell]];
    }
    return std::all_of(count.begin(), count.end(), [](int n) { return n == 0; });
}

LevelSearch::LevelSearch(const TLevelRecord& level) : Moves(level.Board), Target(level.Target)
{
    Matching = HoldsSameStones(level);
    if (!Matching || Moves.PaletteSize() > 16)
        return;
    TargetCodes = ItemCodes(Moves, level.Target);
    Bounds = std::make_unique<Heuristic>(Moves, TargetCodes);
    using Maker = std::unique_ptr<EngineBase> (*)(const MoveTable&, const Heuristic&, const std::vector<int>&);
    static constexpr Maker Makers[] = {MakeEngine<1>, MakeEngine<2>, MakeEngine<3>,
                                       MakeEngine<4>, MakeEngine<5>, MakeEngine<6>};
    const int words = std::max(1, (Moves.ItemCount() + 15) / 16);
    Engine = Makers[words - 1](Moves, *Bounds, TargetCodes);
}

LevelSearch::~LevelSearch() = default;

int LevelSearch::Bound(const TCells& board) const
{
    const HeuristicSums sums = Bounds->SumsOf(ItemCodes(Moves, board));
    return Heuristic::IsDead(sums) ? Heuristic::Infinite : Heuristic::Bound(sums);
}

SearchResult LevelSearch::Run(const TCells& from, const SearchLimits& limits) const
{
    // Swaps keep the empty cells and the stones: other ones never lead to the target.
    if (!HoldsSameStones({Target, from})) {
        SearchResult none;
        none.Outcome = SearchOutcome::Exhausted;
        none.LowerBound = Heuristic::Infinite;
        return none;
    }
    return Engine->Run(ItemCodes(Moves, from), limits);
}

std::vector<Move> LevelSearch::MovesFrom(const TCells& board) const
{
    std::vector<Move> moves;
    const std::vector<int> codes = ItemCodes(Moves, board);
    for (int i = 0; i < Moves.ItemCount(); ++i)
        if (codes[i] >= 0)
            for (int j : Moves.Partners(i, codes[i]))
                if (codes[j] != codes[i])
                    moves.push_back({Moves.Cells[i], Moves.Cells[j]});
    return moves;
}

void ApplyMove(TCells& board, const Move& move)
{
    std::swap(board[move.Cell], board[move.Partner]);
}
