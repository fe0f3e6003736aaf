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

// The budget of start moves that must be settled alike on every machine, as
// the generator and the level check need: memory bounds each search, and the
// clock only guards against a machine that stalls.
inline constexpr std::size_t ReproducibleDeadEndMemory = std::size_t {64} << 20;
inline constexpr double ReproducibleDeadEndGuardSeconds = 60;
void SettleDeadEndsReproducibly(SolveBudget& budget);

// `solution`, if known, spares the search for its first move. Each search
// from a position after a start move has the budget's DeadEndSeconds and
// DeadEndMemoryBytes; a stop request on its watch ends the count early, the
// rest counted as unknown.
StartMoves CountDeadStarts(const LevelSolver& solver, const TCells& start, const std::vector<Move>& solution,
                           const SolveBudget& budget);
