#include "Solver.h"

#include <algorithm>
#include <utility>

SolveResult Solve(const LevelSearch& search, const TCells& from, const SolveBudget& budget)
{
    SolveResult result;
    if (!search.Searchable()) {
        // Too many different codes to pack is no proof of anything.
        result.Status = search.StonesMatch() ? SolveStatus::Unknown : SolveStatus::Unsolvable;
        return result;
    }
    const SearchResult exact = search.Run(from, {budget.OptimalNodes, 1, 1, false, budget.Watch});
    result.Nodes = exact.Nodes;
    result.LowerBound = exact.LowerBound;
    if (exact.Outcome == SearchOutcome::Found) {
        result.Status = SolveStatus::Optimal;
        result.Moves = exact.Moves;
        return result;
    }
    if (exact.Outcome == SearchOutcome::Exhausted) {
        result.Status = SolveStatus::Unsolvable;
        return result;
    }
    if (budget.FallbackNodes == 0 || StopRequested(budget.Watch))
        return result;
    // Weight 3/2: solutions at most half as long again as the shortest.
    const SearchResult rough = search.Run(from, {budget.FallbackNodes, 3, 2, false, budget.Watch});
    result.Nodes += rough.Nodes;
    if (rough.Outcome == SearchOutcome::Found) {
        result.Status = SolveStatus::Bound;
        result.Moves = rough.Moves;
    } else if (rough.Outcome == SearchOutcome::Exhausted) {
        result.Status = SolveStatus::Unsolvable;
    }
    return result;
}

LevelSolver::LevelSolver(const TLevelRecord& level) : Target(level.Target), PartOfCell(CellCount + 1, -1)
{
    for (LevelGroup& group : GroupsOf(level.Board)) {
        const int part = static_cast<int>(Parts.size());
        for (const int cell : group.Cells)
            PartOfCell[cell] = part;
        auto search = std::make_unique<LevelSearch>(TLevelRecord {Restricted(level.Target, group),
                                                                  Restricted(level.Board, group)});
        Parts.push_back({std::move(group), std::move(search)});
    }
}

bool LevelSolver::Searchable() const
{
    return std::all_of(Parts.begin(), Parts.end(), [](const Part& part) { return part.Search->Searchable(); });
}

SolveResult LevelSolver::Solve(const TCells& from, const SolveBudget& budget) const
{
    SolveResult result;
    // Empty cells never change: a start with others can never get there.
    if (!HoldsSameStones({Target, from})) {
        result.Status = SolveStatus::Unsolvable;
        return result;
    }
    result.Status = SolveStatus::Optimal;
    // The bounds of the groups not yet searched, for the progress the watch shows.
    const auto boundOf = [](const Part& part, const TCells& board) {
        return part.Search->Searchable() ? std::min(part.Search->Bound(board), Heuristic::Infinite) : 0;
    };
    int boundsAhead = 0;
    if (budget.Watch != nullptr)
        for (const Part& part : Parts)
            boundsAhead += boundOf(part, Restricted(from, part.Group));
    for (const Part& part : Parts) {
        const TCells start = Restricted(from, part.Group);
        if (start == Restricted(Target, part.Group))
            continue;
        if (budget.Watch != nullptr) {
            boundsAhead -= boundOf(part, start);
            budget.Watch->BaseBound.store(result.LowerBound + boundsAhead, std::memory_order_relaxed);
            budget.Watch->GroupBound.store(0, std::memory_order_relaxed);
        }
        const SolveResult piece = ::Solve(*part.Search, start, budget);
        result.Nodes += piece.Nodes;
        result.LowerBound += piece.LowerBound;
        result.Moves.insert(result.Moves.end(), piece.Moves.begin(), piece.Moves.end());
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
    return result;
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

SolveResult Solve(const TLevelRecord& level, const SolveBudget& budget)
{
    return LevelSolver(level).Solve(level.Board, budget);
}
