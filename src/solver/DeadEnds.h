// Which of the moves at the start of a level lead into a dead end: a
// position from which the target can no longer be reached. A move changes
// only its own group, so each is settled by searching that group alone.
#pragma once

#include "Search.h"
#include "Solver.h"

#include <cstddef>
#include <vector>

struct StartMoves {
    int Moves = 0;   // moves at the start that change the board
    int Dead = 0;    // of those, proved to lead into a dead end
    int Unknown = 0; // neither proved dead nor shown to be alive
};

// `solution`, if known, spares the search for its first move. Each search
// from a position after a start move has the budget's DeadEndSeconds and
// MemoryBytes; a stop request on its watch ends the count early, the rest
// counted as unknown.
StartMoves CountDeadStarts(const LevelSolver& solver, const TCells& start, const std::vector<Move>& solution,
                           const SolveBudget& budget);
