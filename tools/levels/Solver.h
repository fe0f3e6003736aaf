// The par of a level: A* for the shortest solution within a node budget,
// and when that runs out, weighted A* for a solution that at least proves
// the level solvable and bounds its par from above.
#pragma once

#include "LevelRecord.h"
#include "Search.h"

#include <cstddef>
#include <vector>

struct SolveBudget {
    // Enough for every shipped level; the whole set must check in seconds.
    std::size_t OptimalNodes = 250'000;
    std::size_t FallbackNodes = 200'000;
    std::size_t DeadEndNodes = 20'000; // per start move that may lead into a dead end
};

enum class SolveStatus {
    Optimal,    // Moves is a shortest solution
    Bound,      // Moves is a solution; LowerBound <= par <= Moves.size()
    Unsolvable, // proved: the target cannot be reached
    Unknown,    // neither a solution nor a proof within the budget
};

struct SolveResult {
    SolveStatus Status = SolveStatus::Unknown;
    std::vector<Move> Moves;
    int LowerBound = 0;
    std::size_t Nodes = 0; // positions stored, over both searches
};

SolveResult Solve(const LevelSearch& search, const TCells& from, const SolveBudget& budget = {});
SolveResult Solve(const TLevelRecord& level, const SolveBudget& budget = {});
