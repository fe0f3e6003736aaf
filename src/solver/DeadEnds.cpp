#include "DeadEnds.h"

#include <algorithm>

namespace {

// The weight of the search for any way on: near greedy.
constexpr int GreedyWeight = 4;

// A move that can be taken back at once keeps the level alive.
bool CanUndo(const LevelSearch& search, const TCells& after, const Move& move)
{
    const auto back = search.MovesFrom(after);
    return std::any_of(back.begin(), back.end(), [&](const Move& m) {
        return (m.Cell == move.Cell && m.Partner == move.Partner) || (m.Cell == move.Partner && m.Partner == move.Cell);
    });
}

} // namespace

void SettleDeadEndsReproducibly(SolveBudget& budget)
{
    budget.DeadEndMemoryBytes = ReproducibleDeadEndMemory;
    budget.DeadEndSeconds = ReproducibleDeadEndGuardSeconds;
}

StartMoves CountDeadStarts(const LevelSolver& solver, const TCells& start, const std::vector<Move>& solution,
                           const SolveBudget& budget)
{
    // The solution goes group by group; the first move in each group starts
    // a way to the target.
    std::vector<Move> opening;
    std::vector<const LevelGroup*> opened;
    for (const Move& move : solution) {
        const LevelGroup* group = &solver.GroupOf(move.Cell);
        if (std::find(opened.begin(), opened.end(), group) == opened.end()) {
            opened.push_back(group);
            opening.push_back(move);
        }
    }
    StartMoves report;
    for (const Move& move : solver.MovesFrom(start)) {
        ++report.Moves;
        if (std::find(opening.begin(), opening.end(), move) != opening.end())
            continue;
        const LevelSearch& search = solver.SearchOf(move.Cell);
        TCells after = Restricted(start, solver.GroupOf(move.Cell));
        ApplyMove(after, move);
        if (CanUndo(search, after, move))
            continue;
        if (search.Bound(after) >= Heuristic::Infinite) {
            ++report.Dead;
            continue;
        }
        // Any way to the group's target will do, so search greedily; only a
        // dead position makes it look at everything it can reach.
        SearchLimits greedy;
        greedy.Deadline = SearchClock::now()
            + std::chrono::duration_cast<SearchClock::duration>(std::chrono::duration<double>(budget.DeadEndSeconds));
        greedy.MemoryBytes = budget.DeadEndMemoryBytes;
        greedy.WeightNum = GreedyWeight;
        greedy.StopAtFirst = true;
        greedy.Watch = budget.Watch;
        const SearchResult found = search.Run(after, greedy);
        if (found.Outcome == SearchOutcome::Exhausted)
            ++report.Dead;
        else if (found.Outcome != SearchOutcome::Found)
            ++report.Unknown;
    }
    return report;
}
