#include "Solver.h"

SolveResult Solve(const LevelSearch& search, const TCells& from, const SolveBudget& budget)
{
    SolveResult result;
    if (!search.Searchable()) {
        // Too many different codes to pack is no proof of anything.
        result.Status = search.StonesMatch() ? SolveStatus::Unknown : SolveStatus::Unsolvable;
        return result;
    }
    const SearchResult exact = search.Run(from, {budget.OptimalNodes, 1, 1, false});
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
    // Weight 3/2: solutions at most half as long again as the shortest.
    const SearchResult rough = search.Run(from, {budget.FallbackNodes, 3, 2, false});
    result.Nodes += rough.Nodes;
    if (rough.Outcome == SearchOutcome::Found) {
        result.Status = SolveStatus::Bound;
        result.Moves = rough.Moves;
    } else if (rough.Outcome == SearchOutcome::Exhausted) {
        result.Status = SolveStatus::Unsolvable;
    }
    return result;
}

SolveResult Solve(const TLevelRecord& level, const SolveBudget& budget)
{
    const LevelSearch search(level);
    return Solve(search, level.Board, budget);
}
