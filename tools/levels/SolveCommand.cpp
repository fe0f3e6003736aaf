// velorin-levels solve FILE N [--seconds S]
#include "Commands.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "Options.h"
#include "Progress.h"
#include "Replay.h"

#include <cstdio>
#include <ostream>

namespace {

std::string SearchedText(const SolveResult& solution)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f s", solution.Seconds);
    return std::to_string(solution.Nodes) + " positions searched in " + seconds;
}

} // namespace

int RunSolve(const Args& args, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(args, false, err);
    if (!options)
        return 2;
    int number = 0;
    const auto level = LevelOfCall(options->Words, "solve", err, number);
    if (!level)
        return 2;
    if (level->Board == level->Target) {
        out << "Level " << number << " is solved at the start: nothing to do.\n";
        return 1;
    }
    SearchWatch watch;
    SolveBudget budget;
    budget.Seconds = options->Seconds.value_or(SolveSeconds);
    budget.Watch = &watch;
    SolveResult solution;
    {
        const ProgressLines progress(watch, err, "level " + std::to_string(number));
        solution = Solve(*level, budget);
    }
    const int moves = static_cast<int>(solution.Moves.size());
    switch (solution.Status) {
    case SolveStatus::Unsolvable:
        out << "Level " << number << " is unsolvable: every position reachable from the start was searched ("
            << SearchedText(solution) << "); none is the target.\n";
        return 1;
    case SolveStatus::Unknown:
        out << "Level " << number << ": " << AnswerText(solution) << "; no solution found (" << SearchedText(solution)
            << ").\n";
        return 1;
    case SolveStatus::Optimal:
        out << "Level " << number << ": " << moves << (moves == 1 ? " move" : " moves") << ", the shortest possible ("
            << AnswerText(solution) << "; " << SearchedText(solution) << ")\n";
        break;
    case SolveStatus::Bound:
        out << "Level " << number << ": " << AnswerText(solution) << "; the shortest found (" << SearchedText(solution)
            << "):\n";
        break;
    }
    const ReplayResult replay = Replay(*level, solution.Moves);
    if (!replay.Legal || !replay.Solved) {
        err << "velorin-levels: internal fault: the solution does not replay to the target\n";
        return 1;
    }
    for (int m = 0; m < moves; ++m) {
        const auto& clicks = replay.Clicks[m];
        out << (m + 1 < 10 ? "   " : "  ") << m + 1 << ". click " << clicks[0];
        if (clicks.size() > 1)
            out << ", then the ring on " << clicks[1];
        out << "\n";
    }
    out << "Clicks:";
    for (const auto& clicks : replay.Clicks)
        for (int c : clicks)
            out << " " << c;
    out << "\nPlayed at one move a second: " << PointsLeftAtOneMovePerSecond(moves) << " of " << PointsPerAttempt
        << " points left (before the attempt bonus).\n";
    return moves > MaxParMoves ? 1 : 0;
}
