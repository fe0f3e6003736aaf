// Everything `check` says about one level, and the problems that make it
// unfit to ship.
#pragma once

#include "LevelRecord.h"
#include "DeadEnds.h"
#include "LevelFlow.h"
#include "Solver.h"
#include "StoneRules.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The most moves that, made at one a second, keep `points` of an attempt.
constexpr int MostMovesKeeping(int points)
{
    int moves = 0;
    while (PointsLeftAfter(moves + 1, moves) >= points)
        ++moves;
    return moves;
}

// A level needing more moves than this cannot be played in time by a
// person: at one move a second it must leave a third of the attempt's
// points for thinking (80 moves).
inline constexpr int MaxParMoves = MostMovesKeeping(PointsPerAttempt / 3);

struct LevelCheck {
    std::array<int, ColourCount + 1> StonesPerCode {}; // on the board; [0] unused
    int CodesAbove12 = 0;                 // cells of board or target
    bool SameCodes = false;               // board and target hold the same codes
    bool SameEmptyCells = false;
    bool Solved = false;
    SolveResult Solution;
    bool SolutionReplays = false; // the solution was played through the move rule to the target
    StartMoves Starts;
    std::vector<std::string> Problems; // each one makes `check` fail
};

LevelCheck CheckLevel(const TLevelRecord& level, const SolveBudget& budget = {});
