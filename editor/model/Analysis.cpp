#include "Analysis.h"

#include "Player.h"
#include "StoneRules.h"

namespace {

constexpr double EditorSeconds = 60;
// The proof searches from the start and back from the target at once: the
// editor's analysis is the one search the machine runs.
constexpr int EditorThreads = 2;

} // namespace

SolveBudget EditorBudget(SearchWatch* watch)
{
    SolveBudget budget;
    budget.Seconds = EditorSeconds;
    budget.Threads = EditorThreads;
    budget.Watch = watch;
    return budget;
}

void Analyse(const TLevelRecord& level, SearchWatch& watch, const std::function<void(const AnalysisReport&)>& publish)
{
    AnalysisReport report;
    const auto finish = [&](Verdict verdict) {
        report.Result = verdict;
        report.Finished = !watch.Stopped();
        publish(report);
    };
    if (!HoldsSameStones(level))
        return finish(Verdict::DifferentStones);
    if (level.Board == level.Target) {
        const LevelSolver solver(level);
        return finish(solver.MovesFrom(level.Board).empty() ? Verdict::Empty : Verdict::AlreadySolved);
    }

    const LevelSolver solver(level);
    const SolveBudget budget = EditorBudget(&watch);
    const SolveResult solution = solver.Solve(level.Board, budget);
    report.Positions = solution.Nodes;
    report.LowerBound = solution.LowerBound;
    report.Seconds = solution.Seconds;
    report.Cause = solution.Cause;
    if (watch.Stopped())
        return finish(Verdict::Unknown);
    switch (solution.Status) {
    case SolveStatus::Unsolvable:
        return finish(Verdict::Unsolvable);
    case SolveStatus::Unknown:
        return finish(Verdict::Unknown);
    case SolveStatus::Optimal:
    case SolveStatus::Bound:
        break;
    }
    report.Result = Verdict::Solvable;
    report.Optimal = solution.Status == SolveStatus::Optimal;
    report.Solution = solution.Moves;
    if (report.Optimal)
        report.LowerBound = report.Par();
    report.Detour = report.Par() - solver.Bound(level.Board);
    publish(report);

    const StartMoves starts = CountDeadStarts(solver, level.Board, solution.Moves, budget);
    if (watch.Stopped())
        return finish(Verdict::Solvable);
    report.Starts = starts;
    publish(report);

    const PlayerTrials players = SimulatePlayers(solver, level, EditorPlayers, EditorPlayerSeed, &watch);
    if (!watch.Stopped())
        report.PlayersPercent = players.Percent();
    finish(Verdict::Solvable);
}

AnalysisReport AnalyseLevel(const TLevelRecord& level, SearchWatch& watch)
{
    AnalysisReport last;
    Analyse(level, watch, [&](const AnalysisReport& report) { last = report; });
    return last;
}
