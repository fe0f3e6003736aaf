// Stones never leave their group: the occupied cells among which swaps can
// happen, by the codes that the group itself holds. Groups never touch one
// another, so each is a puzzle of its own: its par adds to the level's, a
// dead end in it is a dead end of the level, and it can be searched alone.
#pragma once

#include "LevelRecord.h"

#include <vector>

struct LevelGroup {
    std::vector<int> Cells; // ascending
    // No stone of the group can ever move: a cell that keeps its stone for
    // good, decoration rather than puzzle.
    bool Frozen = false;
};

// The groups of the occupied cells of `board`, ordered by their first cell.
std::vector<LevelGroup> GroupsOf(const TCells& board);

// `cells` on the group's cells, every other cell empty.
TCells Restricted(const TCells& cells, const LevelGroup& group);
