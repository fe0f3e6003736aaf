#include "Analysis.h"

#include "Player.h"
#include "StoneRules.h"

#include <algorithm>

namespace {

// The proof searches from the start and back from the target at once: the
// editor's analysis is the one search the machine runs.
constexpr int EditorThreads = 2;

} // namespace

SolveBudget EditorBudget(SearchWatch* watch, double seconds)
{
    SolveBudget budget;
    budget.Seconds = seconds;
    budget.Threads = EditorThreads;
    budget.Watch = watch;
    return budget;
}

void Analyse(const TLevelRecord& level, SearchWatch& watch, const std::function<void(const AnalysisReport&)>& publish,
             const AnalysisPlan& plan)
{
    AnalysisReport report;
    report.Budget = plan.Seconds;
    const auto finish = [&](Verdict verdict) {
        report.Result = verdict;
        report.Stopped = watch.Stopped();
        report.Finished = !report.Stopped;
        publish(report);
    };
    if (!HoldsSameStones(level))
        return finish(Verdict::DifferentStones);
    if (level.Board == level.Target) {
        const LevelSolver solver(level);
        return finish(solver.MovesFrom(level.Board).empty() ? Verdict::Empty : Verdict::AlreadySolved);
    }

    const LevelSolver solver(level);
    SolveResult quick;
    if (plan.Known.empty()) {
        quick = solver.QuickSolution(level.Board, std::min(QuickSeconds, QuickShare * plan.Seconds), &watch);
        if (!quick.Moves.empty()) {
            AnalysisReport running = report;
            running.Solution = quick.Moves;
            running.Positions = quick.Nodes;
            running.Seconds = quick.Seconds;
            publish(running);
        }
    }
    const SolveBudget budget = EditorBudget(&watch, plan.Seconds - quick.Seconds);
    const SolveResult solution = solver.Solve(level.Board, budget, plan.Known.empty() ? quick.Moves : plan.Known);
    report.Positions = quick.Nodes + solution.Nodes;
    report.LowerBound = solution.LowerBound;
    report.Seconds = quick.Seconds + solution.Seconds;
    report.Cause = solution.Cause;
    switch (solution.Status) {
    case SolveStatus::Unsolvable: // only when every position was seen, which a stop prevents
        return finish(watch.Stopped() ? Verdict::Unknown : Verdict::Unsolvable);
    case SolveStatus::Unknown:
        return finish(Verdict::Unknown);
    case SolveStatus::Optimal:
    case SolveStatus::Bound:
        break;
    }
    report.Result = Verdict::Solvable;
    report.Optimal = solution.Status == SolveStatus::Optimal;
    report.Solution = solution.Moves; // kept when stopped too: the best found so far
    // The detour is par less the bound: of a solution not proved shortest,
    // its length would only be an upper limit of it.
    if (report.Optimal) {
        report.LowerBound = report.Par();
        report.Detour = report.Par() - solver.Bound(level.Board);
    }
    if (watch.Stopped())
        return finish(Verdict::Solvable);
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

AnalysisReport AnalyseLevel(const TLevelRecord& level, SearchWatch& watch, const AnalysisPlan& plan)
{
    AnalysisReport last;
    Analyse(
        level, watch, [&](const AnalysisReport& report) { last = report; }, plan);
    return last;
}
