// Every position a player can reach from a start, explored to the end: for
// the small levels that teach, where "nothing can go wrong" must hold of
// every position, not only of the first move.
#pragma once

#include "Solver.h"

#include <cstddef>
#include <optional>

struct ReachableSpace {
    bool Complete = false;     // false: more positions than the limit; nothing below is known
    std::size_t Positions = 0; // reachable from the start, the start included (0: not counted)
    std::size_t DeadEnds = 0;  // reachable positions from which the target is out of reach
};

// The positions reachable from `start` by any press, and how many of them
// are dead ends. A board of two-way stones only has none: every swap can be
// taken back, so it is decided by the proof of its par alone, and its
// positions are not counted.
ReachableSpace ExploreReachable(const LevelSolver& solver, const TCells& start, const TCells& target,
                                std::size_t limit);

// The fewest moves from `start` to `target` pressing only stones of `code`
// (the stones they push may be of any code); nullopt when the target cannot
// be reached so, or not within `limit` positions.
std::optional<int> ParPressingOnly(const LevelSolver& solver, const TCells& start, const TCells& target, int code,
                                   std::size_t limit);
