#include "LevelCheck.h"

#include "Moves.h"
#include "Parallel.h"
#include "Replay.h"

#include <algorithm>

namespace {

constexpr double CheckSeconds = 10;

bool SameCodeCounts(const TLevelRecord& level)
{
    std::array<int, 256> count {};
    for (int cell = 1; cell <= CellCount; ++cell) {
        ++count[level.Board[cell]];
        --count[level.Target[cell]];
    }
    return std::all_of(count.begin() + 1, count.end(), [](int n) { return n == 0; });
}

bool SameEmpty(const TLevelRecord& level)
{
    for (int cell = 1; cell <= CellCount; ++cell)
        if ((level.Board[cell] == 0) != (level.Target[cell] == 0))
            return false;
    return true;
}

} // namespace

bool IsPuzzle(const LevelCheck& check)
{
    return check.SameCodes && check.SameEmptyCells && !check.Solved;
}

SolveBudget CheckBudget()
{
    SolveBudget budget;
    budget.Seconds = CheckSeconds;
    SettleDeadEndsReproducibly(budget); // the same verdict on a busy machine
    return budget;
}

LevelCheck CheckLevel(const TLevelRecord& level, const SolveBudget& budget, int playerRuns, std::uint64_t playerSeed)
{
    LevelCheck check;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const int code = level.Board[cell];
        if (IsStone(code))
            ++check.StonesPerCode[static_cast<std::size_t>(code)];
        check.CodesAbove12 += (level.Board[cell] > ColourCount) + (level.Target[cell] > ColourCount);
    }
    check.Neighbours = CountNeighbourPairs(level.Target);
    const std::vector<LookAlikePair> lookAlikes = LookAlikeNeighbours(level.Target);
    check.LookAlikePairs = static_cast<int>(lookAlikes.size());
    check.SameCodes = SameCodeCounts(level);
    check.SameEmptyCells = SameEmpty(level);
    check.Solved = IsSolved(level);

    if (check.Solved) {
        check.Problems.push_back("already solved at the start");
        return check;
    }
    if (!check.SameCodes) {
        check.Problems.push_back("unsolvable: board and target hold different codes");
        return check;
    }
    if (!check.SameEmptyCells) {
        check.Problems.push_back("unsolvable: board and target have different empty cells");
        return check;
    }
    for (const LookAlikePair& pair : lookAlikes)
        check.Problems.push_back(LookAlikeText(pair));

    const LevelSolver solver(level);
    check.Solution = solver.Solve(level.Board, budget);
    const int moves = static_cast<int>(check.Solution.Moves.size());
    switch (check.Solution.Status) {
    case SolveStatus::Unsolvable:
        check.Problems.push_back("unsolvable: no position reachable from the start is the target");
        return check;
    case SolveStatus::Unknown:
        check.Problems.push_back("not proved solvable: " + AnswerText(check.Solution));
        return check;
    case SolveStatus::Optimal:
    case SolveStatus::Bound:
        break;
    }
    const ReplayResult replay = Replay(level, check.Solution.Moves);
    check.SolutionReplays = replay.Legal && replay.Solved;
    if (!check.SolutionReplays)
        check.Problems.push_back("internal fault: the solution found does not replay to the target");
    if (moves > MaxParMoves)
        check.Problems.push_back("over budget: needs "
                                 + std::string(check.Solution.Status == SolveStatus::Bound ? "up to " : "")
                                 + std::to_string(moves) + " moves, more than " + std::to_string(MaxParMoves));
    if (moves > ShippedParLimit)
        check.Problems.push_back("over the player's budget: par "
                                 + std::string(check.Solution.Status == SolveStatus::Bound ? "up to " : "")
                                 + std::to_string(moves) + ", more than " + std::to_string(ShippedParLimit));
    if (check.Solution.Status == SolveStatus::Bound)
        check.Problems.push_back("par not proved: " + AnswerText(check.Solution));
    check.Detour = moves - solver.Bound(level.Board);
    check.FrozenStones = solver.FrozenStones();
    check.Starts = CountDeadStarts(solver, level.Board, check.Solution.Moves, budget);
    if (check.Starts.Unknown > 0)
        check.Problems.push_back("unsettled: " + std::to_string(check.Starts.Unknown)
                                 + (check.Starts.Unknown == 1 ? " start move" : " start moves")
                                 + " neither proved dead nor shown to lead on to the target");
    if (playerRuns > 0)
        check.Players = SimulatePlayers(solver, level, playerRuns, playerSeed);
    return check;
}

std::vector<LevelCheck> CheckLevels(const std::vector<TLevelRecord>& levels, const SolveBudget& budget, int playerRuns)
{
    std::vector<LevelCheck> checks(levels.size());
    ForEachInParallel(static_cast<int>(levels.size()), [&](int n) {
        const auto level = static_cast<std::size_t>(n);
        checks[level] = CheckLevel(levels[level], budget, playerRuns, level + 1);
    });
    return checks;
}
