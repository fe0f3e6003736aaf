#include "Search.h"

#include "BucketQueue.h"
#include "CostCache.h"
#include "NodeStore.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr int MaxDepth = 250; // g and f are kept in a byte
constexpr int MaxPalette = 16;
// Expansions between looks at the clock, the watch and the memory: a stop
// comes within a millisecond.
constexpr std::size_t CheckInterval = 16;
// The cost cache grows with the positions stored, up to a share of the
// memory budget and a size that still mostly fits the processor's caches.
constexpr std::size_t PositionsPerCacheEntry = 2;
constexpr std::size_t CacheShare = 32;
constexpr std::size_t MostCacheEntries = std::size_t {1} << 16;

// The bound's sums over all codes of one position, with the three largest
// M and their codes: a move changes two codes, and the largest M of the
// others is then at hand.
struct PositionCosts {
    std::array<ColourCost, MaxPalette> Of {};
    BoundSums Sums;
    std::array<int, 3> TopCode {-1, -1, -1};

    int LargestOther(int a, int b) const
    {
        for (const int k : TopCode)
            if (k >= 0 && k != a && k != b)
                return Of[static_cast<std::size_t>(k)].Moves;
        return 0;
    }
};

// The search proper, for positions of W words.
//
// On boards with many stones a position has a hundred children, most of
// them worse than the parent. So A* runs with partial expansion: a node
// keeps only the children whose priority does not exceed its own, and goes
// back into the open list with the least priority of the rest. Memory then
// follows the positions expanded rather than those generated.
template <int W> class Engine final : public LevelSearch::EngineBase {
public:
    Engine(const MoveTable& table, const Heuristic& bounds, const std::vector<int>& targetCodes)
        : Table(table), Bounds(bounds), Items(table.ItemCount()), Palette(table.PaletteSize()), Goal(Pack(targetCodes))
    {
        // Flat copies of the partner lists: the inner loop reads them.
        PartnerOf.assign(static_cast<std::size_t>(Items) * static_cast<std::size_t>(Palette), {-1, -1});
        for (int i = 0; i < Items; ++i)
            for (int k = 0; k < Palette; ++k) {
                const auto& list = table.Partners(i, k);
                for (std::size_t n = 0; n < list.size() && n < 2; ++n)
                    PartnerOf[Slot(i, k)][n] = static_cast<std::int16_t>(list[n]);
            }
    }

    SearchResult Run(const std::vector<int>& from, const SearchLimits& limits) const override
    {
        OneRun run(*this, limits);
        return run.Go(Pack(from));
    }

private:
    static PackedState<W> Pack(const std::vector<int>& codes)
    {
        PackedState<W> s;
        for (std::size_t i = 0; i < codes.size(); ++i)
            s.Set(static_cast<int>(i), codes[i]);
        return s;
    }

    std::size_t Slot(int item, int k) const
    {
        return static_cast<std::size_t>(item) * static_cast<std::size_t>(Palette) + static_cast<std::size_t>(k);
    }

    bool Offers(int item, int k, int partner) const
    {
        const auto& partners = PartnerOf[Slot(item, k)];
        return partners[0] == partner || partners[1] == partner;
    }

    // The state of one run: nodes, hash table, open list and cost cache.
    class OneRun {
    public:
        OneRun(const Engine& e, const SearchLimits& limits)
            : E(e), Limits(limits), Partial(limits.WeightNum == limits.WeightDen), Store(limits.MemoryBytes),
              Cache(e.Bounds)
        {
            // A growth of a large table takes tens of milliseconds: a stop
            // or the deadline ends it too.
            Store.StopAsked = [this] { return NoRoomCause() != SearchOutcome::OutOfMemory; };
        }

        SearchResult Go(const PackedState<W>& start)
        {
            std::array<std::uint8_t, CellCount> code {};
            std::array<ItemMask, MaxPalette> holding {};
            PositionCosts costs;
            Decode(start, code, holding);
            if (!CostsOf(holding, costs))
                return Ended(SearchOutcome::Exhausted, Heuristic::Infinite);
            const int h = Heuristic::Bound(costs.Sums);
            if (h >= Limits.Shorter)
                return Ended(SearchOutcome::Exhausted, Limits.Shorter);
            if (Store.Add({start, NoNode, 0, 0}, start.Hash(), OtherBytes()) == NoNode)
                return Ended(SearchOutcome::OutOfMemory, h);
            Queue(0, Priority(0, h));
            LowerBound = h;
            if (h == 0)
                return Finish(0); // the start is the target

            bool depthCut = false;
            std::uint32_t id;
            int f, g;
            while (Open.Pop(id, f, g)) {
                SearchNode<W>& node = Store[id];
                if (node.G != g || node.QueuedF != f)
                    continue; // stale: reached by a shorter way since, or queued again
                if (Partial)
                    LowerBound = std::max(LowerBound, f);
                if (!Limits.StopAtFirst && node.State == E.Goal)
                    return Finish(id);
                if (Partial && f >= Limits.Shorter)
                    return Ended(SearchOutcome::Exhausted, Limits.Shorter);
                if (g >= MaxDepth) {
                    depthCut = true;
                    continue;
                }
                if ((++Expansions % CheckInterval) == 0)
                    if (const auto stop = Interrupted())
                        return Ended(*stop, LowerBound);
                const std::uint32_t found = Expand(id, f);
                if (found == OutOfRoom)
                    return Ended(NoRoomCause(), LowerBound);
                if (found != NoNode)
                    return Finish(found);
            }
            if (depthCut)
                return Ended(SearchOutcome::TooDeep, std::max(LowerBound, MaxDepth));
            return Ended(SearchOutcome::Exhausted,
                         Limits.Shorter < NoKnownLength ? Limits.Shorter : Heuristic::Infinite);
        }

    private:
        static constexpr int NoPriority = 1 << 30;
        static constexpr std::uint32_t OutOfRoom = NoNode - 1;

        void Decode(const PackedState<W>& state, std::array<std::uint8_t, CellCount>& code,
                    std::array<ItemMask, MaxPalette>& holding) const
        {
            for (int i = 0; i < E.Items; ++i) {
                code[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(state.Get(i));
                holding[code[static_cast<std::size_t>(i)]].Flip(i);
            }
        }

        // The costs of every code; false when some code is dead.
        bool CostsOf(const std::array<ItemMask, MaxPalette>& holding, PositionCosts& costs)
        {
            costs.Sums = {};
            for (int k = 0; k < E.Palette; ++k) {
                const ColourCost c = Cache.Get(k, holding[static_cast<std::size_t>(k)]);
                if (Heuristic::IsDead(c))
                    return false;
                costs.Of[static_cast<std::size_t>(k)] = c;
                costs.Sums.Active += c.Active;
                costs.Sums.Passive += c.Passive;
                costs.Sums.Moves += c.Moves;
                // Keep the three largest M.
                int code = k;
                for (int& top : costs.TopCode) {
                    if (top < 0
                        || costs.Of[static_cast<std::size_t>(top)].Moves
                            < costs.Of[static_cast<std::size_t>(code)].Moves)
                        std::swap(top, code);
                    if (code < 0)
                        break;
                }
            }
            costs.Sums.LargestMoves = costs.TopCode[0] >= 0 ? costs.Of[static_cast<std::size_t>(costs.TopCode[0])].Moves
                                                            : 0;
            return true;
        }

        // Why the store took no further position: a stop, the deadline, or
        // the memory budget.
        SearchOutcome NoRoomCause() const
        {
            if (StopRequested(Limits.Watch) || StopRequested(Limits.StopWith))
                return SearchOutcome::Stopped;
            return SearchClock::now() >= Limits.Deadline ? SearchOutcome::OutOfTime : SearchOutcome::OutOfMemory;
        }

        // What the open list and the cache hold, as last measured.
        std::size_t OtherBytes() const { return QueueBytes + Cache.Bytes(); }

        // Why the search must stop now, if it must.
        std::optional<SearchOutcome> Interrupted()
        {
            const auto now = SearchClock::now();
            if (Limits.Watch != nullptr) {
                if (Partial)
                    Limits.Watch->GroupBound.store(LowerBound, std::memory_order_relaxed);
                Limits.Watch->Nodes.store(Store.Size(), std::memory_order_relaxed);
                if (Limits.Watch->Stopped())
                    return SearchOutcome::Stopped;
                Limits.Watch->Progressed(now);
            }
            if (StopRequested(Limits.StopWith))
                return SearchOutcome::Stopped;
            if (now >= Limits.Deadline)
                return SearchOutcome::OutOfTime;
            if ((Expansions % (CheckInterval * 64)) == 0) {
                if (Cache.Size() < MostCacheEntries && Store.Size() > Cache.Size() * PositionsPerCacheEntry
                    && Cache.Bytes() * 2 * CacheShare < Limits.MemoryBytes)
                    Cache.Grow();
                QueueBytes = Open.Bytes();
                if (QueueBytes + Cache.Bytes() + Store.Bytes() > Limits.MemoryBytes)
                    return SearchOutcome::OutOfMemory;
            }
            return std::nullopt;
        }

        // Generates the children of node `id`, queued with priority `f`.
        // Returns the goal's id when StopAtFirst and it was generated,
        // OutOfRoom when the memory is full, NoNode otherwise.
        //
        // Three passes, so that the memory fetches of one pass overlap: the
        // moves with the cache slots of their two codes, then the bounds of
        // the children with the table slots of those kept, then the table.
        std::uint32_t Expand(std::uint32_t id, int f)
        {
            const PackedState<W> state = Store[id].State;
            const int g = Store[id].G + 1;
            std::array<std::uint8_t, CellCount> code {};
            std::array<ItemMask, MaxPalette> holding {};
            PositionCosts costs;
            Decode(state, code, holding);
            CostsOf(holding, costs); // a stored position is never dead
            const BoundSums& sums = costs.Sums;

            int deferred = NoPriority; // the least priority of the children left out
            std::size_t moves = 0;
            for (int i = 0; i < E.Items; ++i) {
                const int a = code[static_cast<std::size_t>(i)];
                for (const int j : E.PartnerOf[E.Slot(i, a)]) {
                    if (j < 0)
                        break;
                    const int b = code[static_cast<std::size_t>(j)];
                    if (b == a)
                        continue; // swapping two equal stones changes nothing
                    if (j < i && E.Offers(j, b, i))
                        continue; // the same swap, generated from j already
                    // What the child's bound can at best come down to, from
                    // whether each stone comes nearer to a target of its
                    // code: many children are left out without a matching.
                    const std::uint8_t nearerA = E.Bounds.Closer(a, i, j), nearerB = E.Bounds.Closer(b, j, i);
                    const auto fell = [](std::uint8_t bits, std::uint8_t measure) {
                        return (bits & measure) != 0 ? 1 : 0;
                    };
                    const ColourCost& oa = costs.Of[static_cast<std::size_t>(a)];
                    const ColourCost& ob = costs.Of[static_cast<std::size_t>(b)];
                    const BoundSums least {
                        sums.Active - fell(nearerA, Heuristic::CloserActive),
                        sums.Passive - fell(nearerB, Heuristic::CloserPassive),
                        sums.Moves - fell(nearerA, Heuristic::CloserMoves) - fell(nearerB, Heuristic::CloserMoves),
                        std::max<int>({costs.LargestOther(a, b), oa.Moves - fell(nearerA, Heuristic::CloserMoves),
                                       ob.Moves - fell(nearerB, Heuristic::CloserMoves)})};
                    const int hLeast = Heuristic::Bound(least);
                    if (g + hLeast >= Limits.Shorter)
                        continue;
                    if (Partial && g + hLeast > f) {
                        deferred = std::min(deferred, g + hLeast);
                        continue;
                    }
                    Candidate& c = Moves[moves++];
                    c.I = i;
                    c.J = j;
                    c.A = a;
                    c.B = b;
                    c.MovedA = holding[static_cast<std::size_t>(a)];
                    c.MovedA.Flip(i);
                    c.MovedA.Flip(j);
                    c.MovedB = holding[static_cast<std::size_t>(b)];
                    c.MovedB.Flip(i);
                    c.MovedB.Flip(j);
                    c.SlotA = Cache.SlotOf(a, c.MovedA);
                    c.SlotB = Cache.SlotOf(b, c.MovedB);
                    Cache.Prefetch(c.SlotA);
                    Cache.Prefetch(c.SlotB);
                }
            }

            std::size_t kept = 0;
            for (std::size_t n = 0; n < moves; ++n) {
                const Candidate& c = Moves[n];
                const ColourCost ca = Cache.Get(c.A, c.MovedA, c.SlotA);
                if (Heuristic::IsDead(ca))
                    continue; // the stones of a code can no longer all reach their targets
                const ColourCost cb = Cache.Get(c.B, c.MovedB, c.SlotB);
                if (Heuristic::IsDead(cb))
                    continue;
                const ColourCost& oa = costs.Of[c.A];
                const ColourCost& ob = costs.Of[c.B];
                const BoundSums childSums {sums.Active - oa.Active - ob.Active + ca.Active + cb.Active,
                                           sums.Passive - oa.Passive - ob.Passive + ca.Passive + cb.Passive,
                                           sums.Moves - oa.Moves - ob.Moves + ca.Moves + cb.Moves,
                                           std::max<int>({costs.LargestOther(c.A, c.B), ca.Moves, cb.Moves})};
                const int h = Heuristic::Bound(childSums);
                if (g + h >= Limits.Shorter)
                    continue; // no shorter than the solution known
                const int priority = Priority(g, h);
                if (Partial && priority > f) {
                    deferred = std::min(deferred, priority);
                    continue;
                }
                Child& next = Kept[kept++];
                next.State = state;
                next.State.Set(c.I, c.B);
                next.State.Set(c.J, c.A);
                next.Hash = next.State.Hash();
                next.Priority = priority;
                next.Bound = h;
                Store.Prefetch(next.Hash);
            }

            for (std::size_t n = 0; n < kept; ++n)
                Store.PrefetchNode(Kept[n].Hash);
            for (std::size_t n = 0; n < kept; ++n) {
                const Child& child = Kept[n];
                const std::uint32_t known = Store.Find(child.State, child.Hash);
                if (known == NoNode) {
                    const std::uint32_t added = Store.Add({child.State, id, static_cast<std::uint8_t>(g), 0},
                                                          child.Hash, OtherBytes());
                    if (added == NoNode)
                        return OutOfRoom;
                    Queue(added, child.Priority);
                    if (Limits.StopAtFirst && child.Bound == 0)
                        return added;
                } else if (g < Store[known].G) {
                    Store[known].G = static_cast<std::uint8_t>(g);
                    Store[known].Parent = id;
                    Queue(known, child.Priority);
                }
            }
            if (deferred != NoPriority)
                Queue(id, deferred);
            return NoNode;
        }

        int Priority(int g, int h) const { return Partial ? g + h : g + h * Limits.WeightNum / Limits.WeightDen; }

        void Queue(std::uint32_t id, int f)
        {
            SearchNode<W>& node = Store[id];
            node.QueuedF = static_cast<std::uint16_t>(f);
            Open.Push(node.QueuedF, node.G, id);
        }

        SearchResult Ended(SearchOutcome outcome, int lowerBound)
        {
            SearchResult result;
            result.Outcome = outcome;
            result.LowerBound = lowerBound;
            result.Nodes = Store.Size();
            result.Expansions = Expansions;
            result.PeakBytes = Store.Bytes() + Open.Bytes() + Cache.Bytes();
            if (Limits.Watch != nullptr)
                Limits.Watch->Nodes.store(Store.Size(), std::memory_order_relaxed);
            return result;
        }

        SearchResult Finish(std::uint32_t goal)
        {
            std::vector<std::uint32_t> path;
            for (std::uint32_t at = goal; at != NoNode; at = Store[at].Parent)
                path.push_back(at);
            std::reverse(path.begin(), path.end());
            SearchResult result = Ended(SearchOutcome::Found, static_cast<int>(path.size()) - 1);
            for (std::size_t n = 1; n < path.size(); ++n)
                result.Moves.push_back(MoveBetween(Store[path[n - 1]].State, Store[path[n]].State));
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
            const bool firstPressed = E.Offers(first, a.Get(first), second);
            const int pressed = firstPressed ? first : second;
            const int partner = firstPressed ? second : first;
            return {E.Table.Cells[static_cast<std::size_t>(pressed)], E.Table.Cells[static_cast<std::size_t>(partner)]};
        }

        // A move of the node being expanded, and a child kept for the table.
        struct Candidate {
            int I, J; // the two items swapped
            int A, B; // their codes before the swap
            ItemMask MovedA, MovedB;
            std::size_t SlotA, SlotB;
        };
        struct Child {
            PackedState<W> State;
            std::uint64_t Hash;
            int Priority, Bound;
        };
        static constexpr std::size_t MostMoves = std::size_t {2} * CellCount; // two partners an item at most

        const Engine& E;
        const SearchLimits& Limits;
        const bool Partial; // plain A*: partial expansion
        std::size_t Expansions = 0;
        std::size_t QueueBytes = 0;
        int LowerBound = 0;
        NodeStore<W> Store;
        CostCache Cache;
        BucketQueue Open;
        std::vector<Candidate> Moves = std::vector<Candidate>(MostMoves);
        std::vector<Child> Kept = std::vector<Child>(MostMoves);
    };

    const MoveTable& Table;
    const Heuristic& Bounds;
    int Items;
    int Palette;
    PackedState<W> Goal;
    std::vector<std::array<std::int16_t, 2>> PartnerOf;
};

template <int W>
std::unique_ptr<LevelSearch::EngineBase> MakeEngine(const MoveTable& t, const Heuristic& h,
                                                    const std::vector<int>& goal)
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
    if (!Matching || Moves.PaletteSize() > MaxPalette)
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
    return Bounds->Bound(ItemCodes(Moves, board));
}

int LevelSearch::PlainBound(const TCells& board) const
{
    return Bounds->PlainBound(ItemCodes(Moves, board));
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
        if (codes[static_cast<std::size_t>(i)] >= 0)
            for (int j : Moves.Partners(i, codes[static_cast<std::size_t>(i)]))
                if (codes[static_cast<std::size_t>(j)] != codes[static_cast<std::size_t>(i)])
                    moves.push_back(
                        {Moves.Cells[static_cast<std::size_t>(i)], Moves.Cells[static_cast<std::size_t>(j)]});
    return moves;
}

void ApplyMove(TCells& board, const Move& move)
{
    std::swap(board[move.Cell], board[move.Partner]);
}
