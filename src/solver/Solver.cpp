#include "Solver.h"

#include "Replay.h"
#include "Reversed.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <thread>
#include <utility>

namespace {

// Without a known solution, A* may take this share of the time; the rest
// is for weighted A*, to find at least some solution.
constexpr double ExactShare = 0.75;
// Weighted A*'s weight: its solutions are at most this much longer than the shortest.
constexpr int FallbackWeightNum = 2, FallbackWeightDen = 1;

// The quick search's weight: greedy enough to find long solutions of large
// boards in milliseconds; the memory it may take is a share of a proof's.
constexpr int QuickWeight = 3;
constexpr std::size_t QuickMemoryShare = 4;

SearchClock::time_point After(SearchClock::time_point from, double seconds)
{
    return from
        + std::chrono::duration_cast<SearchClock::duration>(std::chrono::duration<double>(std::max(0.0, seconds)));
}

double SecondsSince(SearchClock::time_point from)
{
    return std::chrono::duration<double>(SearchClock::now() - from).count();
}

StopCause CauseOf(SearchOutcome outcome)
{
    switch (outcome) {
    case SearchOutcome::OutOfTime:
        return StopCause::Time;
    case SearchOutcome::OutOfMemory:
        return StopCause::Memory;
    case SearchOutcome::Stopped:
        return StopCause::Request;
    case SearchOutcome::TooDeep:
        return StopCause::Depth;
    case SearchOutcome::Found:
    case SearchOutcome::Exhausted:
        break;
    }
    return StopCause::None;
}

bool Settled(SearchOutcome outcome)
{
    return outcome == SearchOutcome::Found || outcome == SearchOutcome::Exhausted;
}

// A* from `from`, and with two threads A* back from `target` beside it: the
// first to settle the question answers and stops the other.
SearchResult Prove(const LevelSearch& search, const TCells& from, const TCells& target, const SearchLimits& limits,
                   int threads)
{
    if (threads < 2 || StopRequested(limits.Watch))
        return search.Run(from, limits);
    const TCells backStart = Reversed(target);
    const LevelSearch back(TLevelRecord {Reversed(from), backStart});
    SearchWatch stopForward, stopBackward;
    SearchLimits forwardLimits = limits, backLimits = limits;
    forwardLimits.MemoryBytes = backLimits.MemoryBytes = limits.MemoryBytes / 2;
    forwardLimits.StopWith = &stopForward;
    backLimits.Watch = &stopBackward; // its progress stays its own
    backLimits.StopWith = limits.Watch;
    SearchResult backward;
    std::thread worker([&] {
        backward = back.Run(backStart, backLimits);
        if (Settled(backward.Outcome))
            stopForward.Cancel();
    });
    SearchResult forward = search.Run(from, forwardLimits);
    if (Settled(forward.Outcome))
        stopBackward.Cancel();
    worker.join();
    SearchResult result = forward;
    if (!Settled(forward.Outcome) && Settled(backward.Outcome)) {
        result = backward;
        result.Moves = ForwardOf(backward.Moves);
    } else if (!Settled(forward.Outcome)) {
        // Neither knows: both bounds hold, the higher one is kept; the stop
        // the other search asked for is no cause of its own.
        result.LowerBound = std::max(forward.LowerBound, backward.LowerBound);
        if (forward.Outcome == SearchOutcome::Stopped && !StopRequested(limits.Watch))
            result.Outcome = backward.Outcome;
    }
    result.Nodes = forward.Nodes + backward.Nodes;
    result.Expansions = forward.Expansions + backward.Expansions;
    result.PeakBytes = forward.PeakBytes + backward.PeakBytes;
    return result;
}

// One group, or a whole board, until `deadline`.
SolveResult SolveUntil(const LevelSearch& search, const TCells& from, const TCells& target,
                       SearchClock::time_point deadline, const SolveBudget& budget, const std::vector<Move>& known)
{
    const auto started = SearchClock::now();
    SolveResult result;
    if (!search.Searchable()) {
        // Too many different codes to pack is no proof of anything.
        result.Status = search.StonesMatch() ? SolveStatus::Unknown : SolveStatus::Unsolvable;
        return result;
    }
    const bool haveKnown = !known.empty();
    SearchLimits exact;
    exact.MemoryBytes = budget.MemoryBytes;
    exact.Watch = budget.Watch;
    exact.Shorter = haveKnown ? static_cast<int>(known.size()) : NoKnownLength;
    exact.Deadline = haveKnown
        ? deadline
        : started + std::chrono::duration_cast<SearchClock::duration>((deadline - started) * ExactShare);
    const SearchResult proof = Prove(search, from, target, exact, budget.Threads);
    result.Nodes = proof.Nodes;
    result.PeakBytes = proof.PeakBytes;
    result.LowerBound = proof.LowerBound;
    result.Cause = CauseOf(proof.Outcome);
    const auto finish = [&](SolveStatus status, std::vector<Move> moves) {
        result.Status = status;
        result.Moves = std::move(moves);
        if (status == SolveStatus::Optimal)
            result.LowerBound = static_cast<int>(result.Moves.size());
        result.Seconds = SecondsSince(started);
        return result;
    };
    switch (proof.Outcome) {
    case SearchOutcome::Found:
        return finish(SolveStatus::Optimal, proof.Moves);
    case SearchOutcome::Exhausted:
        // Nothing shorter than the known solution: it is a shortest one.
        return haveKnown ? finish(SolveStatus::Optimal, known) : finish(SolveStatus::Unsolvable, {});
    default:
        break;
    }
    if (haveKnown)
        return finish(SolveStatus::Bound, known);
    if (proof.Outcome == SearchOutcome::Stopped || SearchClock::now() >= deadline)
        return finish(SolveStatus::Unknown, {});

    SearchLimits rough = exact;
    rough.WeightNum = FallbackWeightNum;
    rough.WeightDen = FallbackWeightDen;
    rough.Deadline = deadline;
    const SearchResult found = search.Run(from, rough);
    result.Nodes += found.Nodes;
    result.PeakBytes = std::max(result.PeakBytes, found.PeakBytes);
    if (found.Outcome == SearchOutcome::Found) {
        result.LowerBound = std::min(result.LowerBound, static_cast<int>(found.Moves.size()));
        return finish(SolveStatus::Bound, found.Moves);
    }
    if (found.Outcome == SearchOutcome::Exhausted)
        return finish(SolveStatus::Unsolvable, {});
    result.Cause = CauseOf(found.Outcome);
    return finish(SolveStatus::Unknown, {});
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

std::string MovesText(std::size_t moves)
{
    return std::to_string(moves) + (moves == 1 ? " move" : " moves");
}

} // namespace

std::string CauseText(const SolveResult& result)
{
    switch (result.Cause) {
    case StopCause::None:
        return "";
    case StopCause::Time:
        return "the search ran out of its time after " + Seconds(result.Seconds);
    case StopCause::Memory:
        return "the search ran out of its memory after " + Seconds(result.Seconds);
    case StopCause::Request:
        return "stopped after " + Seconds(result.Seconds);
    case StopCause::Depth:
        return "the solutions left lie deeper than the search can count";
    }
    return "";
}

std::string AnswerText(const SolveResult& result)
{
    switch (result.Status) {
    case SolveStatus::Optimal:
        return "proved par " + std::to_string(result.Moves.size());
    case SolveStatus::Bound:
        return "solvable in at most " + MovesText(result.Moves.size()) + ", par at least "
            + std::to_string(result.LowerBound) + " (" + CauseText(result) + ")";
    case SolveStatus::Unsolvable:
        return "no solution: every position reachable from the start was searched";
    case SolveStatus::Unknown:
        return "unknown, par at least " + std::to_string(result.LowerBound) + " (" + CauseText(result) + ")";
    }
    return "";
}

SolveResult Solve(const LevelSearch& search, const TCells& from, const TCells& target, const SolveBudget& budget,
                  const std::vector<Move>& known)
{
    return SolveUntil(search, from, target, After(SearchClock::now(), budget.Seconds), budget, known);
}

LevelSolver::LevelSolver(const TLevelRecord& level) : Target(level.Target), PartOfCell(CellCount + 1, -1)
{
    for (LevelGroup& group : GroupsOf(level.Board)) {
        const int part = static_cast<int>(Parts.size());
        for (const int cell : group.Cells)
            PartOfCell[cell] = part;
        auto search = std::make_unique<LevelSearch>(
            TLevelRecord {Restricted(level.Target, group), Restricted(level.Board, group)});
        Parts.push_back({std::move(group), std::move(search)});
    }
}

bool LevelSolver::Searchable() const
{
    return std::all_of(Parts.begin(), Parts.end(), [](const Part& part) { return part.Search->Searchable(); });
}

SolveResult LevelSolver::Solve(const TCells& from, const SolveBudget& budget, const std::vector<Move>& known) const
{
    const auto started = SearchClock::now();
    const auto deadline = After(started, budget.Seconds);
    SolveResult result;
    // Empty cells never change: a start with others can never get there.
    if (!HoldsSameStones({Target, from})) {
        result.Status = SolveStatus::Unsolvable;
        return result;
    }
    // A known solution is split by groups: each move belongs to one, and
    // the moves of a group solve it whatever the others do.
    const ReplayResult replay = Replay({Target, from}, known);
    const bool useKnown = !known.empty() && replay.Legal && replay.Solved;
    std::vector<std::vector<Move>> knownOf(Parts.size());
    if (useKnown)
        for (const Move& move : known)
            knownOf[static_cast<std::size_t>(PartOfCell[move.Cell])].push_back(move);

    // The small groups first: each gets its share of the time left, and
    // what a quick one leaves over goes to the ones after it.
    std::vector<std::size_t> order(Parts.size());
    std::iota(order.begin(), order.end(), std::size_t {0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return Parts[a].Group.Cells.size() < Parts[b].Group.Cells.size();
    });
    std::vector<int> pending;
    for (const std::size_t n : order)
        if (Restricted(from, Parts[n].Group) != Restricted(Target, Parts[n].Group))
            pending.push_back(static_cast<int>(n));

    // The bounds of the groups not yet searched, for the progress the watch shows.
    const auto boundOf = [&](int n) {
        const Part& part = Parts[static_cast<std::size_t>(n)];
        return part.Search->Searchable()
            ? std::min(part.Search->Bound(Restricted(from, part.Group)), Heuristic::Infinite)
            : 0;
    };
    int boundsAhead = 0;
    if (budget.Watch != nullptr)
        for (const int n : pending)
            boundsAhead += boundOf(n);

    SolveResult atTarget; // a group that needs no move
    atTarget.Status = SolveStatus::Optimal;
    std::vector<SolveResult> pieces(Parts.size(), atTarget);
    int provedSoFar = 0;
    for (std::size_t at = 0; at < pending.size(); ++at) {
        const int n = pending[at];
        const Part& part = Parts[static_cast<std::size_t>(n)];
        if (budget.Watch != nullptr) {
            boundsAhead -= boundOf(n);
            budget.Watch->BaseBound.store(provedSoFar + boundsAhead, std::memory_order_relaxed);
            budget.Watch->GroupBound.store(0, std::memory_order_relaxed);
        }
        const auto now = SearchClock::now();
        const auto share = (deadline - now) / static_cast<int>(pending.size() - at);
        pieces[static_cast<std::size_t>(n)] = SolveUntil(
            *part.Search, Restricted(from, part.Group), Restricted(Target, part.Group), std::min(deadline, now + share),
            budget, knownOf[static_cast<std::size_t>(n)]);
        provedSoFar += pieces[static_cast<std::size_t>(n)].LowerBound;
    }

    result.Status = SolveStatus::Optimal;
    for (const SolveResult& piece : pieces) {
        result.Nodes += piece.Nodes;
        result.PeakBytes = std::max(result.PeakBytes, piece.PeakBytes);
        result.LowerBound = std::min(Heuristic::Infinite, result.LowerBound + piece.LowerBound);
        result.Moves.insert(result.Moves.end(), piece.Moves.begin(), piece.Moves.end());
        if (piece.Cause != StopCause::None && result.Cause == StopCause::None)
            result.Cause = piece.Cause;
        // The weakest answer of a group is the level's.
        if (piece.Status == SolveStatus::Unsolvable || result.Status == SolveStatus::Unsolvable)
            result.Status = SolveStatus::Unsolvable;
        else if (piece.Status == SolveStatus::Unknown || result.Status == SolveStatus::Unknown)
            result.Status = SolveStatus::Unknown;
        else if (piece.Status == SolveStatus::Bound)
            result.Status = SolveStatus::Bound;
    }
    if (result.Status == SolveStatus::Unsolvable || result.Status == SolveStatus::Unknown)
        result.Moves.clear();
    if (result.Status == SolveStatus::Unsolvable)
        result.Cause = StopCause::None;
    result.Seconds = SecondsSince(started);
    return result;
}

SolveResult LevelSolver::QuickSolution(const TCells& from, double seconds, const SearchWatch* watch) const
{
    const auto started = SearchClock::now();
    const auto deadline = After(started, seconds);
    SolveResult quick; // Unknown, until every group has its solution
    if (!HoldsSameStones({Target, from}))
        return quick;
    std::vector<Move> moves;
    for (const Part& part : Parts) {
        const TCells start = Restricted(from, part.Group);
        if (start == Restricted(Target, part.Group))
            continue;
        if (!part.Search->Searchable())
            return quick;
        SearchLimits greedy;
        greedy.Deadline = deadline;
        greedy.MemoryBytes = DefaultSearchMemory / QuickMemoryShare;
        greedy.WeightNum = QuickWeight;
        greedy.StopAtFirst = true;
        greedy.StopWith = watch;
        const SearchResult found = part.Search->Run(start, greedy);
        quick.Nodes += found.Nodes;
        quick.PeakBytes = std::max(quick.PeakBytes, found.PeakBytes);
        quick.Seconds = SecondsSince(started);
        if (found.Outcome != SearchOutcome::Found)
            return quick;
        moves.insert(moves.end(), found.Moves.begin(), found.Moves.end());
    }
    quick.Status = SolveStatus::Bound;
    quick.Moves = std::move(moves);
    quick.Seconds = SecondsSince(started);
    return quick;
}

int LevelSolver::Bound(const TCells& board) const
{
    int bound = 0;
    for (const Part& part : Parts) {
        const int piece = part.Search->Bound(Restricted(board, part.Group));
        if (piece >= Heuristic::Infinite)
            return Heuristic::Infinite;
        bound += piece;
    }
    return bound;
}

int LevelSolver::PlainBound(const TCells& board) const
{
    int bound = 0;
    for (const Part& part : Parts) {
        const int piece = part.Search->PlainBound(Restricted(board, part.Group));
        if (piece >= Heuristic::Infinite)
            return Heuristic::Infinite;
        bound += piece;
    }
    return bound;
}

std::vector<Move> LevelSolver::MovesFrom(const TCells& board) const
{
    std::vector<Move> moves;
    for (const Part& part : Parts)
        for (const Move& move : part.Search->MovesFrom(Restricted(board, part.Group)))
            moves.push_back(move);
    std::sort(moves.begin(), moves.end(),
              [](const Move& a, const Move& b) { return std::pair(a.Cell, a.Partner) < std::pair(b.Cell, b.Partner); });
    return moves;
}

int LevelSolver::FrozenStones() const
{
    int frozen = 0;
    for (const Part& part : Parts)
        frozen += part.Group.Frozen ? static_cast<int>(part.Group.Cells.size()) : 0;
    return frozen;
}

SolveResult Solve(const TLevelRecord& level, const SolveBudget& budget, const std::vector<Move>& known)
{
    return LevelSolver(level).Solve(level.Board, budget, known);
}
