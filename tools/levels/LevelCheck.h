// Everything `check` says about one level, and the problems that make it
// unfit to ship.
#pragma once

#include "Daten.h"
#include "DeadEnds.h"
#include "Solver.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// A level needing more moves than this cannot be played in time by a
// person: 80 moves at one a second already cost 800 of the 1200 points.
inline constexpr int MaxParMoves = 80;

struct LevelCheck {
    std::array<int, 13> StonesPerCode {}; // on the board; [0] unused
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
