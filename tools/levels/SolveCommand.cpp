// velorin-levels solve FILE N
#include "Commands.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "Replay.h"

#include <ostream>

int RunSolve(const Args& args, std::ostream& out, std::ostream& err)
{
    int number = 0;
    const auto level = LevelOfCall(args, "solve", err, number);
    if (!level)
        return 2;
    if (level->Board == level->Target) {
        out << "Level " << number << " is solved at the start: nothing to do.\n";
        return 1;
    }
    const SolveResult solution = Solve(*level);
    const int moves = static_cast<int>(solution.Moves.size());
    switch (solution.Status) {
    case SolveStatus::Unsolvable:
        out << "Level " << number << " is unsolvable: the target cannot be reached from the start.\n";
        return 1;
    case SolveStatus::Unknown:
        out << "Level " << number << ": no solution found within the search budget (" << solution.Nodes
            << " positions).\n";
        return 1;
    case SolveStatus::Optimal:
        out << "Level " << number << ": " << moves << (moves == 1 ? " move" : " moves") << ", the shortest possible ("
            << solution.Nodes << " positions searched)\n";
        break;
    case SolveStatus::Bound:
        out << "Level " << number << ": " << moves << " moves; the shortest needs at least " << solution.LowerBound
            << " (the search budget did not suffice to prove more)\n";
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
    out << "\nPlayed at one move a second: " << PointsLeftAtOneMovePerSecond(moves)
        << " of " << PointsPerAttempt << " points left (before the attempt bonus).\n";
    return moves > MaxParMoves ? 1 : 0;
}
