#include "DeadEnds.h"

#include <algorithm>

namespace {

// A move that can be taken back at once keeps the level alive.
bool CanUndo(const LevelSearch& search, const TCells& after, const Move& move)
{
    const auto back = search.MovesFrom(after);
    return std::any_of(back.begin(), back.end(), [&](const Move& m) {
        return (m.Cell == move.Cell && m.Partner == move.Partner) || (m.Cell == move.Partner && m.Partner == move.Cell);
    });
}

} // namespace

StartMoves CountDeadStarts(const LevelSearch& search, const TCells& start, const std::vector<Move>& solution,
                           std::size_t maxNodes)
{
    StartMoves report;
    for (const Move& move : search.MovesFrom(start)) {
        ++report.Moves;
        TCells after = start;
        ApplyMove(after, move);
        if (!solution.empty() && solution.front() == move)
            continue;
        if (CanUndo(search, after, move))
            continue;
        if (search.Bound(after) >= Heuristic::Infinite) {
            ++report.Dead;
            continue;
        }
        // Any way to the target will do, so search greedily; only a dead
        // position makes it look at everything it can reach.
        const SearchResult found = search.Run(after, {maxNodes, 4, 1, true});
        if (found.Outcome == SearchOutcome::Exhausted)
            ++report.Dead;
        else if (found.Outcome == SearchOutcome::OverBudget)
            ++report.Unknown;
    }
    return report;
}
