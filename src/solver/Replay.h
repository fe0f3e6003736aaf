// Plays a move list through the move rule of src/core, as the player
// would click it: the check that a solution is real, and the clicks to
// show for it.
#pragma once

#include "LevelRecord.h"
#include "Search.h"

#include <vector>

struct ReplayResult {
    bool Legal = true;                    // every move was offered by the rule
    int IllegalMove = 0;                  // 1-based number of the first move that was not
    bool Solved = false;                  // the board equals the target afterwards
    std::vector<std::vector<int>> Clicks; // per move: the stone, then the ring picked, if any
    TCells Board {};
};

ReplayResult Replay(const TLevelRecord& level, const std::vector<Move>& moves);

// The points an attempt keeps when `moves` moves are made at one a second:
// the first click starts the clock, the last move comes moves - 1 ticks later.
int PointsLeftAtOneMovePerSecond(int moves);
